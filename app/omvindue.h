#pragma once
// The About window: one picture that fills the window, no other controls.
// Shown without blocking the main window and brought to the front.
#include <QWidget>

#include "app/tegneflade.h"

namespace kvistor {

class TOmVindue : public QWidget {
 public:
  explicit TOmVindue(QWidget* foraelder = nullptr);
  // Centred on the screen, shown and brought to the front.
  void Vis();
  TTegneflade* Billede() const { return billede_; }

 private:
  TTegneflade* billede_;
};

}  // namespace kvistor
