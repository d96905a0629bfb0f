#pragma once
// Saving the current project's results for other programs from the window:
// "Eksporter ..." writes the result tables as a spreadsheet, CSV or JSON
// (chosen by the name's extension), and the drawings' pages save SVG and
// DXF. Every file goes through the one safe writer.
#include <string>
#include <string_view>

#include <QWidget>

#include "common/dialog.h"
#include "graphics/kontroltegning.h"
#include "project/inddataside.h"

class QPushButton;

namespace kvistor {

// Saves bytes under the name; a failure, or the writer's note, is told
// through `dlg`. True when the file was written.
bool GemOgMeld(TBrugerDialog& dlg, const std::string& filnavn, std::string_view bytes);

// "Eksporter ...": asks for the file name, computes the record as the report
// does and saves its tables. `projektfil` names the project in the tables'
// column "Fil" (the project name when empty). True when a file was written;
// a refused or stopped calculation is told and gets no file.
bool EksporterTabeller(const TInddataside& side, TBrugerDialog& dlg, const std::string& projektfil = {});

// The two save buttons under a control drawing, "Gem som SVG ..." (the
// picture as the page shows it, at its size) and "Gem som DXF ..." (true
// size, for a CAD program). A record that breaks a field rule is no
// drawing of a house: its rule's message is shown instead.
class TTegningsEksport : public QWidget {
 public:
  // `side` and `flade` outlive the buttons (the window owns all three).
  TTegningsEksport(TKontroltegning tegning, const TInddataside& side, const QWidget* flade,
                   TBrugerDialog& dlg, QWidget* foraelder = nullptr);
  void GemSvg();
  void GemDxf();
  QPushButton* SvgKnap() const { return svg_; }
  QPushButton* DxfKnap() const { return dxf_; }

 private:
  bool Tegnbar();
  void Gem(bool dxf);

  TKontroltegning tegning_;
  const TInddataside& side_;
  const QWidget* flade_;
  TBrugerDialog& dlg_;
  QPushButton* svg_ = nullptr;
  QPushButton* dxf_ = nullptr;
};

}  // namespace kvistor
