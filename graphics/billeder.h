#pragma once
// The pictures of the two help pages and of the About window, drawn with the
// display list and fitted into their surface with equal scales like the
// control drawings, so they stay sharp at any window size.
#include "graphics/laerred.h"
#include "graphics/visning.h"

namespace kvistor {

enum class TBillede { HjaelpTvaer, HjaelpLaengde, Om };

// Builds the picture for a surface of this size and draws it fitted into it.
// Running text is broken into lines to the width it gets at this fit; a text
// that would still stand partly outside the surface (a surface far too small
// to read) is left out rather than cut.
Visning TegnBillede(TBillede billede, TLaerred& laerred, int bredde, int hoejde);

}  // namespace kvistor
