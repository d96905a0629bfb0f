#include "app/kurveside.h"

#include <algorithm>

#include <QBuffer>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/eksport.h"
#include "app/sidebyg.h"
#include "app/tegneflade.h"
#include "graphics/dxf_tegning.h"
#include "graphics/kraftkurvetegning.h"
#include "graphics/svg_laerred.h"
#include "calculation/tvaersnit_byg.h"
#include "project/inddatafil.h"

namespace kvistor {

TKurveside::TKurveside(TBrugerDialog& dlg, QWidget* foraelder) : QWidget(foraelder), dlg_(dlg) {
  setObjectName(QStringLiteral("Kurver"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(6, 4, 6, 4);
  v->setSpacing(4);
  auto* titel = new QLabel(QStringLiteral("Forskydningskraft- og momentkurver langs hele åsen"));
  QFont f = titel->font();
  f.setBold(true);
  titel->setFont(f);
  v->addWidget(titel);
  auto* linje = new QHBoxLayout;
  auto* l = new QLabel(QStringLiteral("Lasttilfælde"));
  valg_ = new QComboBox;
  valg_->setMaxVisibleItems(20);
  valg_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  l->setBuddy(valg_);
  svg_ = new QPushButton(QStringLiteral("Gem som SVG ..."));
  png_ = new QPushButton(QStringLiteral("Gem som PNG ..."));
  dxf_ = new QPushButton(QStringLiteral("Gem som DXF ..."));
  dxf_->setToolTip(QStringLiteral("Gemmer kurverne i fast målestok til et CAD-program"));
  linje->addWidget(l);
  linje->addWidget(valg_, 1);
  v->addLayout(linje);
  // The save buttons below the picture, as under the control drawings, so
  // that the chooser keeps the width its long names need.
  auto* gem = new QHBoxLayout;
  gem->addStretch();
  gem->addWidget(svg_);
  gem->addWidget(png_);
  gem->addWidget(dxf_);
  besked_ = new QLabel;
  besked_->setWordWrap(true);
  besked_->setTextFormat(Qt::PlainText);
  besked_->setText(QStringLiteral(
      "Momentet er tegnet på træksiden. Understøtninger er vist med pile, charnierer med kryds."));
  v->addWidget(besked_);
  flade_ = new TTegneflade([this](TLaerred& laerred, int b, int h) {
    if (!kurver_.empty()) TegnKraftkurveDiagram(kurver_, laerred, b, h);
  });
  v->addWidget(flade_, 1);
  v->addLayout(gem);

  connect(valg_, &QComboBox::currentIndexChanged, this, [this] {
    if (!fylder_) BeregnValgte();
  });
  connect(svg_, &QPushButton::clicked, this, [this] { GemSvg(); });
  connect(png_, &QPushButton::clicked, this, [this] { GemPng(); });
  connect(dxf_, &QPushButton::clicked, this, [this] { GemDxf(); });
}

void TKurveside::Vis(const TInddataside& side) {
  ind_ = side.Inddata;
  mappe_ = FildialogMappe(side);
  tilfaelde_.clear();
  givende_.clear();
  kurver_.clear();
  // A record the calculation refuses: the reason on the page, no box, as
  // the page is only looked at.
  TKurveValg k = BestemKurveValg(ind_);
  tilfaelde_ = std::move(k.Alle);
  givende_ = std::move(k.Givende);
  const QString forrige = valg_->currentText();
  fylder_ = true;
  valg_->clear();
  if (!givende_.empty()) {
    QStringList navne;
    for (const TTilfaeldeId& t : givende_) navne << Q(TilfaeldeNavn(t));
    valg_->addItem(QStringLiteral("Bøjningsgivende: ") + navne.join(QStringLiteral("; ")));
    for (const TTilfaeldeId& t : tilfaelde_) valg_->addItem(Q(TilfaeldeNavn(t)));
    // The case chosen before stays chosen when the run still has it.
    const int i = valg_->findText(forrige);
    valg_->setCurrentIndex(std::max(i, 0));
  }
  fylder_ = false;
  valg_->setEnabled(!givende_.empty());
  if (givende_.empty()) {
    besked_->setText(QStringLiteral("Kurverne kan ikke beregnes: ") + Q(k.Besked));
    svg_->setEnabled(false);
    png_->setEnabled(false);
    dxf_->setEnabled(false);
    flade_->update();
    return;
  }
  BeregnValgte();
}

std::vector<TTilfaeldeId> TKurveside::ValgteTilfaelde() const {
  const int i = valg_->currentIndex();
  if (i <= 0) return givende_;
  return {tilfaelde_[static_cast<std::size_t>(i - 1)]};
}

void TKurveside::BeregnValgte() {
  kurver_.clear();
  const std::vector<TTilfaeldeId> valgte = ValgteTilfaelde();
  if (!valgte.empty()) {
    if (auto k = BeregnKraftkurver(ind_, valgte, dlg_)) kurver_ = std::move(*k);
  }
  besked_->setText(kurver_.empty()
                       ? QStringLiteral("Kurverne kan ikke beregnes for dette lasttilfælde.")
                       : QStringLiteral("Momentet er tegnet på træksiden. Understøtninger er vist med pile, "
                                        "charnierer med kryds. Største og mindste værdier er skrevet ved kurverne."));
  svg_->setEnabled(!kurver_.empty());
  png_->setEnabled(!kurver_.empty());
  dxf_->setEnabled(!kurver_.empty());
  flade_->update();
}

int TKurveside::EksportHoejde() const {
  return std::max<int>(1, KurveEksportHoejdePrTilfaelde * static_cast<int>(kurver_.size()));
}

std::optional<std::string> TKurveside::SpoergFilnavn(const char* titel, const char* filter, const char* ext) {
  TFilDialog d;
  d.titel = titel;
  d.filter = filter;
  d.standardExt = ext;
  d.mappe = mappe_;
  d.spoergOmOverskriv = true;
  return dlg_.GemFilnavn(d);
}

void TKurveside::GemSvg() {
  if (kurver_.empty()) return;
  const auto fil = SpoergFilnavn("Gem kurverne som SVG", "SVG-billede (*.svg)|*.svg", "svg");
  if (!fil) return;
  TSvgLaerred svg(KurveEksportBredde, EksportHoejde());
  TegnKraftkurveDiagram(kurver_, svg, KurveEksportBredde, EksportHoejde());
  GemOgMeld(dlg_, *fil, svg.Svg());
}

void TKurveside::GemDxf() {
  if (kurver_.empty()) return;
  const auto fil = SpoergFilnavn("Gem kurverne som DXF", "DXF-tegning (*.dxf)|*.dxf", "dxf");
  if (!fil) return;
  GemOgMeld(dlg_, *fil, DxfKraftkurver(kurver_).Dxf);
}

void TKurveside::GemPng() {
  if (kurver_.empty()) return;
  const auto fil = SpoergFilnavn("Gem kurverne som PNG", "PNG-billede (*.png)|*.png", "png");
  if (!fil) return;
  QImage billede(KurveEksportBredde, EksportHoejde(), QImage::Format_RGB32);
  {
    QPainter p(&billede);
    TegnMed(p, [this](TLaerred& l, int b, int h) { TegnKraftkurveDiagram(kurver_, l, b, h); },
            KurveEksportBredde, EksportHoejde());
  }
  // Encoded in memory and saved by the one writer, like every other file.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!billede.save(&buffer, "PNG")) {
    dlg_.Fejl("Kurverne kan ikke gøres til et PNG-billede.");
    return;
  }
  GemOgMeld(dlg_, *fil, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

}  // namespace kvistor
