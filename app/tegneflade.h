#pragma once
// A paint box: every paint event asks its drawer to draw the whole picture
// afresh into the box's current size, antialiased, on a white ground.
#include <functional>

#include <QWidget>

#include "graphics/laerred.h"

namespace kvistor {

using TTegner = std::function<void(TLaerred& laerred, int bredde, int hoejde)>;

class TTegneflade : public QWidget {
 public:
  explicit TTegneflade(TTegner tegner, QWidget* foraelder = nullptr);
  void SaetTegner(TTegner tegner);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  TTegner tegner_;
};

// Draws into a painter that the caller owns (the paint box, a picture for
// the benchmarks and screenshots).
void TegnMed(QPainter& maler, const TTegner& tegner, int bredde, int hoejde);

}  // namespace kvistor
