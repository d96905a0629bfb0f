#include "app/eksport.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QPushButton>

#include "common/filer.h"
#include "documents/tabel.h"
#include "documents/tabelskrivning.h"
#include "graphics/dxf_tegning.h"
#include "graphics/svg_laerred.h"
#include "project/feltregler.h"
#include "project/inddatafil.h"

namespace kvistor {

namespace {

// About the size of the paint boxes, for a page that was never shown.
constexpr int SvgStandardBredde = 760;
constexpr int SvgStandardHoejde = 520;

}  // namespace

bool GemOgMeld(TBrugerDialog& dlg, const std::string& filnavn, std::string_view bytes) {
  const TFilUdfald u = SkrivFil(filnavn, bytes);
  if (!u) {
    dlg.Fejl(BeskedKanIkkeGemme(filnavn, u));
    return false;
  }
  if (!u.note.empty()) dlg.Advarsel(u.note);
  return true;
}

bool EksporterTabeller(const TInddataside& side, TBrugerDialog& dlg, const std::string& projektfil) {
  TFilDialog d;
  d.titel = "Eksporter resultater";
  d.filter =
      "Regneark (*.xlsx)|*.xlsx|CSV til dansk regneark (*.csv)|*.csv|JSON til scripts (*.json)|*.json";
  d.standardExt = "xlsx";
  d.mappe = FildialogMappe(side);
  d.forslag = FilnavnForslag(side, ".xlsx");
  d.spoergOmOverskriv = true;
  const std::optional<std::string> fil = dlg.GemFilnavn(d);
  if (!fil) return false;
  const std::optional<TTabelFormat> format = TabelFormatAfFilnavn(*fil);
  if (!format) {
    dlg.Fejl("Filnavnet skal ende på .xlsx, .csv eller .json, som bestemmer tabellens format:\r\n" + *fil);
    return false;
  }
  const std::string navn = projektfil.empty() ? side.Inddata.Projektnavn : projektfil;
  const TTabelProjekt p = BeregnTabelProjekt(navn, side.Inddata, dlg);
  // The calculation has said why; a table of one refused row helps no one.
  if (p.Udfald != TTabelUdfald::Beregnet) return false;
  std::string aarsag;
  const std::optional<std::string> bytes = TabellerSomFil(BygResultattabeller({p}), *format, aarsag);
  if (!bytes) {
    dlg.Fejl("Tabellerne kan ikke dannes: " + aarsag);
    return false;
  }
  return GemOgMeld(dlg, *fil, *bytes);
}

TTegningsEksport::TTegningsEksport(TKontroltegning tegning, const TInddataside& side, const QWidget* flade,
                                   TBrugerDialog& dlg, QWidget* foraelder)
    : QWidget(foraelder), tegning_(tegning), side_(side), flade_(flade), dlg_(dlg) {
  auto* h = new QHBoxLayout(this);
  h->setContentsMargins(6, 2, 6, 4);
  h->addStretch();
  svg_ = new QPushButton(QStringLiteral("Gem som SVG ..."));
  dxf_ = new QPushButton(QStringLiteral("Gem som DXF ..."));
  svg_->setToolTip(QStringLiteral("Gemmer tegningen, som den ses her, som SVG-billede"));
  dxf_->setToolTip(QStringLiteral("Gemmer tegningen i målestok 1:1 (mm) til et CAD-program"));
  h->addWidget(svg_);
  h->addWidget(dxf_);
  connect(svg_, &QPushButton::clicked, this, [this] { GemSvg(); });
  connect(dxf_, &QPushButton::clicked, this, [this] { GemDxf(); });
}

void TTegningsEksport::GemSvg() { Gem(false); }
void TTegningsEksport::GemDxf() { Gem(true); }

bool TTegningsEksport::Tegnbar() {
  if (const auto brud = FoersteBrudteRegel(side_.Inddata)) {
    dlg_.Fejl(brud->Besked);
    return false;
  }
  return true;
}

void TTegningsEksport::Gem(bool dxf) {
  if (!Tegnbar()) return;
  TFilDialog d;
  d.titel = dxf ? "Gem tegningen som DXF" : "Gem tegningen som SVG";
  d.filter = dxf ? "DXF-tegning (*.dxf)|*.dxf" : "SVG-billede (*.svg)|*.svg";
  d.standardExt = dxf ? "dxf" : "svg";
  d.mappe = FildialogMappe(side_);
  d.forslag = FilnavnForslag(side_, dxf ? ".dxf" : ".svg");
  d.spoergOmOverskriv = true;
  const std::optional<std::string> fil = dlg_.GemFilnavn(d);
  if (!fil) return;
  if (dxf) {
    GemOgMeld(dlg_, *fil, DxfKontroltegning(tegning_, side_.Inddata).Dxf);
    return;
  }
  const bool vist = flade_ && flade_->width() > 50 && flade_->height() > 50;
  const int b = vist ? flade_->width() : SvgStandardBredde;
  const int h = vist ? flade_->height() : SvgStandardHoejde;
  TSvgLaerred svg(b, h);
  TegnKontroltegning(tegning_, side_.Inddata, svg, b, h);
  GemOgMeld(dlg_, *fil, svg.Svg());
}

}  // namespace kvistor
