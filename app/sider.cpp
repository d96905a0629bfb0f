// The page list, and the pages that only show: the two help pictures, the
// two control drawings and the result report. Moving between pages commits
// the field being edited first, as every command does.
#include <algorithm>

#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/billedtegner.h"
#include "app/eksport.h"
#include "app/hovedvindue.h"
#include "app/kurveside.h"
#include "app/sidebyg.h"
#include "app/supplerende_side.h"
#include "app/tegneflade.h"
#include "graphics/kontroltegning.h"
#include "report/visresultat.h"

namespace kvistor {

// The pages, in tab order: a page is added here in one line (and its name
// in TFane, in the same place).
void THovedvindue::BygSider() {
  TilfoejSide(TFane::Inddata1, "Inddata 1", IRulle(BygInddata1()));
  TilfoejSide(TFane::Inddata2, "Inddata 2", IRulle(BygInddata2()));
  TilfoejSide(TFane::HjaelpTvaer, "Hjælp, tvær", BygHjaelpside(0));
  TilfoejSide(TFane::HjaelpLaengde, "Hjælp, længde", BygHjaelpside(1));
  TilfoejSide(TFane::KontrolTvaer, "Kontrol, tvær", BygKontrolside(TFane::KontrolTvaer, {
      QStringLiteral("Visuel kontrol af bygningens og åsenes tværsnitsmål"),
      QStringLiteral("Programmet undersøger de tre viste åse (nr. 1, 2 og 3), hvis lastoplande også er vist"),
      QStringLiteral("Detaljen viser åsen 20 x forstørret og med retnings- og fortegnsdefinitioner for reaktioner")}));
  TilfoejSide(TFane::KontrolLaengde, "Kontrol, længde", BygKontrolside(TFane::KontrolLaengde, {
      QStringLiteral("Visuel kontrol af åsenes længdeprofil"),
      QStringLiteral("Åsenes understøtninger (fx rammer) er markeret med trekanter, charniersamlinger med boller."),
      QStringLiteral("Benævnelser for åsedele (kort og langt endefag samt mellemfag) samt diverse mål er vist på øverste figur."),
      QStringLiteral("Detaljen nederst viser charniersamlingen forstørret.")}));
  TilfoejSide(TFane::Resultat, "Beregningsresultat", BygResultatside());
  TilfoejSide(TFane::Supplerende, "Supplerende kontrol", supplerendeSide_ = new TSupplerendeSide(dlg_, ur_));
  TilfoejSide(TFane::Kurver, "Kurver", kurveside_);
}

void THovedvindue::TilfoejSide(TFane fane, const char* titel, QWidget* side) {
  sider_.push_back(fane);
  faner_->addTab(QString::fromUtf8(titel));
  stak_->addWidget(side);
}

QWidget* THovedvindue::BygHjaelpside(int billede) {
  auto* side = new QWidget;
  auto* v = new QVBoxLayout(side);
  v->setContentsMargins(0, 0, 0, 4);
  auto* flade = new TTegneflade(BilledTegner(billede == 0 ? TBilledvalg::HjaelpTvaer : TBilledvalg::HjaelpLaengde));
  tegninger_[billede == 0 ? TFane::HjaelpTvaer : TFane::HjaelpLaengde] = flade;
  v->addWidget(flade, 1);
  auto* tekst = NyTekst(QStringLiteral(
      "Klik på en af de andre faner eller på menupunktet Funktioner for at komme tilbage eller videre."));
  tekst->setContentsMargins(6, 0, 6, 0);
  v->addWidget(tekst);
  return side;
}

QWidget* THovedvindue::BygKontrolside(TFane fane, const QStringList& titler) {
  auto* side = new QWidget;
  auto* v = new QVBoxLayout(side);
  v->setContentsMargins(0, 4, 0, 0);
  v->setSpacing(2);
  for (int i = 0; i < titler.size(); ++i) {
    auto* l = NyTekst(titler[i]);
    l->setContentsMargins(6, 0, 6, 0);
    if (i == 0) {
      QFont f = l->font();
      f.setBold(true);
      l->setFont(f);
    }
    v->addWidget(l);
  }
  const TKontroltegning hvilken = fane == TFane::KontrolTvaer ? TKontroltegning::Tvaer : TKontroltegning::Laengde;
  auto* flade = new TTegneflade([this, hvilken](TLaerred& l, int b, int h) {
    TegnKontroltegning(hvilken, side_.Inddata, l, b, h);
  });
  tegninger_[fane] = flade;
  v->addWidget(flade, 1);
  v->addWidget(new TTegningsEksport(hvilken, side_, flade, dlg_));
  return side;
}

QWidget* THovedvindue::BygResultatside() {
  resultat_ = new QPlainTextEdit;
  resultat_->setObjectName(QStringLiteral("Resultat"));
  resultat_->setReadOnly(true);
  resultat_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  resultat_->setLineWrapMode(QPlainTextEdit::NoWrap);
  resultat_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  resultat_->setFrameShape(QFrame::NoFrame);
  SaetNyRapport();
  return resultat_;
}

void THovedvindue::SkiftFane(int indeks) {
  if (indeks == stak_->currentIndex()) return;
  const bool koerte = Kommando([&] {
    VisStak(sider_.at(static_cast<std::size_t>(indeks)));
    if (AktivFane() == TFane::Resultat) VisResultat(false);
    if (AktivFane() == TFane::Kurver) VisKurver();
    if (AktivFane() == TFane::Supplerende) supplerendeSide_->Vis(side_);
  });
  if (!koerte) {
    QSignalBlocker b(faner_);
    faner_->setCurrentIndex(stak_->currentIndex());
  }
}

void THovedvindue::VisStak(TFane fane) {
  const int indeks = static_cast<int>(std::find(sider_.begin(), sider_.end(), fane) - sider_.begin());
  {
    QSignalBlocker b(faner_);
    faner_->setCurrentIndex(indeks);
  }
  stak_->setCurrentIndex(indeks);
  if (AktivFane() == TFane::Inddata1) side_.AktivSide = TSide::Inddata1;
  if (AktivFane() == TFane::Inddata2) side_.AktivSide = TSide::Inddata2;
}

void THovedvindue::SaetNyRapport() {
  resultat_->setFont(RapportSkrift());
}

void THovedvindue::VisResultat(bool somKommando) {
  const bool ny = BeregnOgVisResultat(side_, dlg_, ur_);
  if (ny) {
    resultat_->setPlainText(SomTekst(*side_.Rapport));
    rapportVist_ = true;
  }
  if (ny || somKommando) SaetNyRapport();
  resultat_->setFocus(Qt::OtherFocusReason);
}

TFane THovedvindue::AktivFane() const {
  const int i = stak_->currentIndex();
  return i >= 0 && i < static_cast<int>(sider_.size()) ? sider_[static_cast<std::size_t>(i)] : TFane::Inddata1;
}

void THovedvindue::VisFane(TFane fane) {
  const auto it = std::find(sider_.begin(), sider_.end(), fane);
  if (it != sider_.end()) faner_->setCurrentIndex(static_cast<int>(it - sider_.begin()));
}

TTegneflade* THovedvindue::Tegning(TFane fane) const {
  const auto it = tegninger_.find(fane);
  return it == tegninger_.end() ? nullptr : it->second;
}

}  // namespace kvistor
