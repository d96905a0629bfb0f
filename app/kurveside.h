#pragma once
// The page "Kurver": the shear and moment diagrams of one load case along
// the whole purlin, drawn by the core's diagram builder, with a chooser of
// the case (at first the cases that govern bending) and export of the
// picture as SVG or PNG. The curves are computed afresh each time the page
// is shown; the report and its curve files are not touched.
#include <string>
#include <vector>

#include <QWidget>

#include "common/dialog.h"
#include "project/inddataside.h"
#include "calculation/kraftkurver.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace kvistor {

class TTegneflade;

class TKurveside : public QWidget {
 public:
  explicit TKurveside(TBrugerDialog& dlg, QWidget* foraelder = nullptr);

  // Computes the cases and the curves of the chosen case for the record.
  void Vis(const TInddataside& side);
  // Saves the picture through the dialog's save-name call.
  void GemSvg();
  void GemPng();
  // The diagrams at a fixed scale for a CAD program.
  void GemDxf();

  QComboBox* Valg() const { return valg_; }
  const std::vector<TKraftkurve>& Kurver() const { return kurver_; }
  QLabel* Besked() const { return besked_; }
  TTegneflade* Flade() const { return flade_; }

 private:
  void BeregnValgte();
  std::vector<TTilfaeldeId> ValgteTilfaelde() const;
  std::optional<std::string> SpoergFilnavn(const char* titel, const char* filter, const char* ext);
  int EksportHoejde() const;

  TBrugerDialog& dlg_;
  Inddata ind_;
  std::string mappe_;
  std::vector<TTilfaeldeId> tilfaelde_;   // every case of the run, chooser order after item 0
  std::vector<TTilfaeldeId> givende_;     // the cases governing bending
  std::vector<TKraftkurve> kurver_;
  QComboBox* valg_ = nullptr;
  QLabel* besked_ = nullptr;
  TTegneflade* flade_ = nullptr;
  QPushButton* svg_ = nullptr;
  QPushButton* png_ = nullptr;
  QPushButton* dxf_ = nullptr;
  bool fylder_ = false;
};

// The export size: 1000 pixels wide, 600 high per case.
inline constexpr int KurveEksportBredde = 1000;
inline constexpr int KurveEksportHoejdePrTilfaelde = 600;

}  // namespace kvistor
