// The main window's design aids: the live-verdict strip beside the pages,
// the three aid buttons on "Inddata 2" with their dialogs, and the page
// "Kurver". Kept apart from the window's own file; the window calls in here
// when it is built, after each refresh and when the page is shown.

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/domstrimmel_widget.h"
#include "app/hjaelpemiddel_dialog.h"
#include "app/hovedvindue.h"
#include "app/kurveside.h"
#include "app/sidebyg.h"
#include "app/supplerende_strimmel.h"
#include "app/supplerende_valg.h"
#include "common/indstillinger.h"
#include "design/aaseoptimering.h"
#include "design/brug.h"
#include "design/charnieroptimering.h"
#include "design/domstrimmel.h"
#include "design/hjaelpemiddeltabeller.h"
#include "design/priser.h"
#include "design/tvaersnitssoegning.h"
#include "graphics/charnierkurve.h"

namespace kvistor {

namespace {

// A table of the core as the dialog shows it: the lines above and below the
// table become its note.
THjaelpemiddelResultat FraTabel(const TTabel& t) {
  THjaelpemiddelResultat r;
  for (const std::string& o : t.Overskrifter) r.Titler << Q(o);
  for (const auto& raekke : t.Raekker) {
    QStringList l;
    for (const std::string& c : raekke) l << Q(c);
    r.Raekker.push_back(l);
  }
  r.Hoejrestillet = t.Hoejrestillet;
  r.Brugbar = t.Brugbar;
  r.Valgt = t.Valgt ? static_cast<int>(*t.Valgt) : -1;
  QStringList note;
  for (const std::string& l : t.Hoved) note << Q(l);
  for (const std::string& l : t.Noter) note << Q(l);
  r.Note = note.join(QLatin1Char('\n'));
  return r;
}

// The prices of the settings file's section [Priser], else the defaults. A
// damaged section is said and the defaults are used.
TPrisTabel IndstilledePriser(TBrugerDialog& dlg) {
  const std::string fil = IndstillingsfilNavn();
  TIndstillinger indstillinger;
  if (!LaesIndstillinger(fil, indstillinger)) return StandardPriser;
  const TPrisLaesning l = LaesPriserFraIndstillinger(indstillinger, fil);
  if (l.Priser) return *l.Priser;
  dlg.Advarsel(l.Fejl + "\r\nStandardpriserne bruges.");
  return StandardPriser;
}

}  // namespace

void THovedvindue::BygHjaelpemidler() {
  auto* lag = new QVBoxLayout(stribeLevende_);
  lag->setContentsMargins(0, 0, 0, 0);
  strimmel_ = new TDomStrimmelVisning;
  lag->addWidget(strimmel_);
  supplStrimmel_ = new TSupplerendeStrimmelVisning;
  lag->addWidget(supplStrimmel_);
  stribeLevende_->show();
  kurveside_ = new TKurveside(dlg_);
}

QWidget* THovedvindue::BygHjaelpemiddelKnapper() {
  auto* boks = new QGroupBox(QStringLiteral("Hjælpemidler"));
  // One above the other, so the narrow column keeps its width.
  auto* lag = new QGridLayout(boks);
  lag->setVerticalSpacing(4);
  lag->setColumnStretch(1, 1);
  auto knap = [this, lag](int raekke, const char* handling, const char* hint) {
    QAction* a = Handling(handling);
    a->setToolTip(QString::fromUtf8(hint));
    // As the command buttons: the field being edited keeps the focus and is
    // committed by the command.
    lag->addWidget(NyKnap(handling, a->text().toUtf8().constData()), raekke, 0);
  };
  alleKlasser_ = new QCheckBox(QStringLiteral("alle klasser"));
  alleKlasser_->setToolTip(QStringLiteral("Søg i alle styrkeklasser i stedet for kun den valgte"));
  alleKlasser_->setFocusPolicy(Qt::TabFocus);
  lag->addWidget(alleKlasser_, 0, 1);
  knap(0, "FindMindsteTvaersnit",
       "Prøver alle standardtværsnit i den valgte styrkeklasse med det første gerberbeslag, der passer, "
       "og viser de tilstrækkelige efter pris pr. m.");
  knap(1, "OptimerCharnierforskydning",
       "Beregner projektet for charnierforskydninger i spring på 10 mm og viser den med mindst styrende "
       "udnyttelse.");
  knap(2, "FindBilligsteAas",
       "Vælger tværsnit, gerberbeslag og charnierforskydning sammen og viser de billigste varianter, "
       "der består.");
  return boks;
}

void THovedvindue::OpdaterStrimmel() {
  if (strimmel_) strimmel_->Vis(OpdaterDomStrimmel(side_));
  if (supplStrimmel_) supplStrimmel_->Vis(OpdaterSupplerendeStrimmel(side_));
}

void THovedvindue::VisKurver() { kurveside_->Vis(side_); }

THjaelpemiddelDialog* THovedvindue::Hjaelpemiddel() const {
  return static_cast<THjaelpemiddelDialog*>(hjaelpemiddel_.data());
}

bool THovedvindue::KlarTilHjaelpemiddel() {
  if (const std::optional<TNoegletalResultat> afvist = AfvisInddata(side_.Inddata)) {
    // As before a calculation: the broken rule's own message, then its field.
    dlg_.Fejl(afvist->Besked);
    if (afvist->Felt) {
      side_.AktivSide = SideFor(*afvist->Felt);
      side_.Fokus = afvist->Felt;
    }
    return false;
  }
  return true;
}

void THovedvindue::AabnHjaelpemiddel(const QString& titel, THjaelpemiddelDialog::TSoegning soegning) {
  auto* d = new THjaelpemiddelDialog(titel, std::move(soegning), this);
  d->setAttribute(Qt::WA_DeleteOnClose);
  // The window's font: a dialog is a window of its own and would take the
  // desktop's.
  d->setFont(font());
  hjaelpemiddel_ = d;
  // Window-modal without a nested event loop: the window takes no input
  // meanwhile, and the dialog stays responsive.
  d->open();
}

void THovedvindue::KommandoFindMindsteTvaersnit() {
  Kommando([&] {
    if (!KlarTilHjaelpemiddel()) return;
    const Inddata ind = side_.Inddata;
    TTvaersnitsValg valg;
    valg.AlleKlasser = alleKlasser_->isChecked();
    valg.Priser = IndstilledePriser(dlg_);
    // The search with the supplementary checks the dialog's tick boxes ask for.
    auto lav = [this, ind, valg](const TSupplerendeValg& suppl) {
      TTvaersnitsValg v = valg;
      v.Supplerende = suppl;
      return THjaelpemiddelDialog::TSoegning([this, ind, v](const TSoegeStyring& styring) {
        auto s = std::make_shared<const TTvaersnitsSoegning>(FindMindsteTvaersnit(ind, v, styring));
        THjaelpemiddelResultat r = FraTabel(TvaersnitsTabel(*s, ind, v));
        r.Brug = [this, s](int i) {
          Haandter([&] { BrugTvaersnitsVariant(side_, s->Bestaaede[static_cast<std::size_t>(i)], dlg_); });
        };
        return r;
      });
    };
    AabnHjaelpemiddel(QStringLiteral("Find billigste tværsnit"), lav(IngenSupplerende));
    TilfoejSupplerendeValg(*Hjaelpemiddel(), ind, lav);
  });
}

void THovedvindue::KommandoOptimerCharnierforskydning() {
  Kommando([&] {
    if (!KlarTilHjaelpemiddel()) return;
    const Inddata ind = side_.Inddata;
    AabnHjaelpemiddel(QStringLiteral("Optimer charnierforskydning"), [this, ind](const TSoegeStyring& styring) {
      auto s = std::make_shared<const TCharnierScanning>(OptimerCharnierforskydning(ind, styring));
      THjaelpemiddelResultat r = FraTabel(CharnierTabel(*s, ind.Projektnavn, false));
      auto raekker = std::make_shared<const std::vector<std::size_t>>(CharnierRaekker(*s, false));
      const TCharnierKurveData kurve = CharnierKurve(*s);
      if (kurve.Punkter.size() >= 2)
        r.Kurve = [kurve](TLaerred& l, int b, int h) { TegnCharnierKurveDiagram(kurve, l, b, h); };
      r.Brug = [this, s, raekker](int i) {
        const std::int32_t mm = s->Kurve[(*raekker)[static_cast<std::size_t>(i)]].ForskydningMm;
        Haandter([&] { BrugCharnierforskydning(side_, mm, dlg_); });
      };
      return r;
    });
  });
}

void THovedvindue::KommandoFindBilligsteAas() {
  Kommando([&] {
    if (!KlarTilHjaelpemiddel()) return;
    const Inddata ind = side_.Inddata;
    TAaseValg valg;
    valg.AlleKlasser = alleKlasser_->isChecked();
    valg.Priser = IndstilledePriser(dlg_);
    auto lav = [this, ind, valg](const TSupplerendeValg& suppl) {
      TAaseValg v = valg;
      v.Supplerende = suppl;
      return THjaelpemiddelDialog::TSoegning([this, ind, v](const TSoegeStyring& styring) {
        auto o = std::make_shared<const TAaseOptimering>(FindBilligsteAas(ind, v, styring));
        THjaelpemiddelResultat r = FraTabel(OptimeringsTabel(*o, ind, v));
        // Section, hanger and offset through the model as one step, which
        // "Fortryd" takes back whole.
        r.Brug = [this, o](int i) {
          Haandter([&] { BrugAaseVariant(side_, o->Bestaaede[static_cast<std::size_t>(i)], dlg_); });
        };
        return r;
      });
    };
    AabnHjaelpemiddel(QStringLiteral("Find billigste åse"), lav(IngenSupplerende));
    TilfoejSupplerendeValg(*Hjaelpemiddel(), ind, lav);
  });
}

}  // namespace kvistor
