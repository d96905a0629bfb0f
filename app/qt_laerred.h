#pragma once
// The canvas interface on a QPainter: the window's paint boxes, the printer's
// pages and the guide's figures all draw through this one class. The painter
// belongs to the caller and must outlive the canvas.
#include <QFont>
#include <QPainter>

#include "graphics/laerred.h"

namespace kvistor {

class TQtLaerred : public TLaerred {
 public:
  explicit TQtLaerred(QPainter& maler);

  void SaetPen(TPenStil stil, int bredde, TFarve farve) override;
  TFarve PenFarve() const override { return penFarve_; }
  void SaetPenselStil(TPenselStil stil) override;
  void SaetPenselFarve(TFarve farve) override;
  void FlytTil(int x, int y) override;
  void LinjeTil(int x, int y) override;
  void Polygon(const std::vector<TPixelPunkt>& punkter) override;
  void SaetPixel(int x, int y, TFarve farve) override;
  int TekstBredde(const std::string& tekst) override;
  int TekstHoejde(const std::string& tekst) override;
  void SaetTekstSkala(double skala) override;
  void SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) override;
  void SaetTekstFarve(TFarve farve) override { tekstFarve_ = farve; }
  void TekstUd(int x, int y, const std::string& tekst) override;

 private:
  void OpdaterPensel();

  QPainter& maler_;
  QFont skrift_;  // the painter's font when the canvas was made: text scale 1
  QPoint position_;
  TFarve penFarve_;
  TPenselStil penselStil_ = TPenselStil::Fuld;
  TFarve penselFarve_{255, 255, 255};
  TVandretJust vandret_ = TVandretJust::Venstre;
  TLodretJust lodret_ = TLodretJust::Top;
  TFarve tekstFarve_;
};

QColor TilQFarve(TFarve f);

}  // namespace kvistor
