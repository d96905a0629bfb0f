#pragma once
// The About window: one picture, and a button that closes it (Escape does
// too). Shown without blocking the main window and brought to the front.
#include <QWidget>

#include "app/tegneflade.h"

class QPushButton;

namespace kvistor {

class TOmVindue : public QWidget {
 public:
  explicit TOmVindue(QWidget* foraelder = nullptr);
  // Centred on the screen, shown and brought to the front.
  void Vis();
  TTegneflade* Billede() const { return billede_; }
  QPushButton* LukKnap() const { return luk_; }

 private:
  TTegneflade* billede_;
  QPushButton* luk_;
};

}  // namespace kvistor
