#pragma once
// The page "Supplerende kontrol", after "Beregningsresultat": the report
// computed as the stricter check and the fire section, for the checks the
// project asks for, with print and save as on the result page. It is
// computed afresh each time it is shown; the report itself is not touched.
#include <optional>
#include <string>

#include <QWidget>

#include "common/dialog.h"
#include "common/ur.h"
#include "project/inddataside.h"
#include "report/supplerende_rapport.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kvistor {

class TSupplerendeSide : public QWidget {
 public:
  TSupplerendeSide(TBrugerDialog& dlg, const TUr& ur, QWidget* foraelder = nullptr);

  // Computes the checks of the record. A record the calculation refuses
  // gets the reason on the page, without a box, as the page is only
  // looked at.
  void Vis(const TInddataside& side);
  void Udskriv();
  void Gem();

  // Print into this PDF file instead of showing the print dialog.
  void SaetPdfUdskrift(std::string filnavn) { pdfUdskrift_ = std::move(filnavn); }

  const TSupplerendeRapport& Rapport() const { return rapport_; }
  QPlainTextEdit* Tekst() const { return tekst_; }
  QPushButton* UdskrivKnap() const { return udskriv_; }
  QPushButton* GemKnap() const { return gem_; }

 private:
  TBrugerDialog& dlg_;
  const TUr& ur_;
  std::string mappe_;
  TSupplerendeRapport rapport_;
  // The record and firm the page was computed for: shown again unchanged,
  // it is not computed afresh.
  std::optional<Inddata> beregnet_;
  std::string firma_;
  bool harLinjer_ = false;  // a computed page, not a reason
  std::string pdfUdskrift_;
  QLabel* titel_ = nullptr;
  QPlainTextEdit* tekst_ = nullptr;
  QPushButton* udskriv_ = nullptr;
  QPushButton* gem_ = nullptr;
};

}  // namespace kvistor
