#pragma once
// The live strip's second block, below the three figures of the report's
// method: the stricter check's three figures and the fire verdict, for the
// checks the project asks for ("Supplerende kontrol" on "Inddata 2").
// Hidden when it asks for none. It shows what the core's block holds.
#include <QFrame>

#include "design/domstrimmel.h"

class QLabel;

namespace kvistor {

class TSupplerendeStrimmelVisning : public QFrame {
 public:
  explicit TSupplerendeStrimmelVisning(QWidget* foraelder = nullptr);

  void Vis(const TSupplerendeStrimmel& s);

  const TSupplerendeStrimmel& Strimmel() const { return strimmel_; }
  // 0..2 the stricter figures, 3 the fire verdict.
  QLabel* Tal(int i) const { return tal_[i]; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void TilpasHoejder();

  QLabel* skaerpet_ = nullptr;
  QLabel* tal_[4] = {};
  TSupplerendeStrimmel strimmel_;
};

}  // namespace kvistor
