#pragma once
// The live-verdict strip in the buttons column: the three governing figures
// of the record as it stands, green when they pass and red when they fail,
// or, while a field rule is broken, the message of the field that blocks the
// calculation. It shows what the core's strip holds and nothing else.
#include <QFrame>

#include <initializer_list>

#include "design/domstrimmel.h"

class QLabel;

namespace kvistor {

class TDomStrimmelVisning : public QFrame {
 public:
  explicit TDomStrimmelVisning(QWidget* foraelder = nullptr);

  void Vis(const TDomStrimmel& strimmel);

  // What it shows, for tests and screenshots.
  const TDomStrimmel& Strimmel() const { return strimmel_; }
  QLabel* Tal(int i) const { return tal_[i]; }
  QLabel* Besked() const { return besked_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void TilpasHoejder();

  QLabel* tal_[3] = {};
  QLabel* besked_ = nullptr;
  TDomStrimmel strimmel_;
};

// The colours of a passing and a failing figure.
QColor StrimmelFarve(bool ok);

// Shared by both blocks of the strip: a bold wrapped label for a figure;
// a figure shown with its verdict in words as well as in colour (for those
// who cannot tell red from green, and on a black-and-white print of the
// screen); and the heights of wrapped labels, which in the fixed-width
// column do not pass up through the layouts by themselves.
QLabel* NyStrimmelEtiket();
void VisStrimmelFelt(QLabel* etiket, const TStrimmelFelt& felt);
void TilpasEtiketHoejder(const QFrame& ramme, std::initializer_list<QLabel*> etiketter);

}  // namespace kvistor
