#pragma once
// The tick boxes of the supplementary checks in the design aids' dialogs:
// when ticked, a variant must also pass the stricter check, or the fire
// requirement of "Inddata 2". Unticked at first, as on the command line,
// where the checks are asked for by option. A change starts the search
// afresh.
#include <functional>

#include "app/hjaelpemiddel_dialog.h"
#include "calculation/supplerende.h"

class QCheckBox;

namespace kvistor {

class TSupplerendeValgBoks : public QWidget {
 public:
  using TVedAendring = std::function<void(const TSupplerendeValg&)>;
  // The fire box offers the project's own requirement and is off when it
  // has none.
  TSupplerendeValgBoks(const Inddata& ind, TVedAendring vedAendring, QWidget* foraelder = nullptr);
  TSupplerendeValg Valg() const;
  QCheckBox* Skaerpet() const { return skaerpet_; }
  QCheckBox* Brand() const { return brand_; }

 private:
  TSupplerendeValg projekt_;
  QCheckBox* skaerpet_ = nullptr;
  QCheckBox* brand_ = nullptr;
};

// Puts the boxes above the dialog's table; a change restarts the dialog's
// search with lav(choice). The dialog owns the boxes.
TSupplerendeValgBoks* TilfoejSupplerendeValg(THjaelpemiddelDialog& d, const Inddata& ind,
                            std::function<THjaelpemiddelDialog::TSoegning(const TSupplerendeValg&)> lav);

}  // namespace kvistor
