#pragma once
// The drawers of the help pages and the About window.
#include "app/tegneflade.h"

namespace kvistor {

enum class TBilledvalg { HjaelpTvaer, HjaelpLaengde, Om };

TTegner BilledTegner(TBilledvalg valg);

}  // namespace kvistor
