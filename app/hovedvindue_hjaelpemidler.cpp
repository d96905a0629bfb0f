// The main window's design aids: the live-verdict strip beside the pages,
// the two aid buttons on "Inddata 2" with their dialogs, and the page
// "Kurver". Kept apart from the window's own file; the window calls in here
// when it is built, after each refresh and when the page is shown.
#include <algorithm>
#include <cmath>

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
#include "design/brug.h"
#include "design/charnieroptimering.h"
#include "design/domstrimmel.h"
#include "design/tvaersnitssoegning.h"
#include "common/format.h"
#include "graphics/laerred.h"
#include "project/katalog.h"
#include "report/resume.h"

namespace kvistor {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Procent(double ug) {
  return std::isfinite(ug) ? Q(Format("%1.0n %%", {ug * 100})) : QStringLiteral("uendelig");
}

QString Samling(const TNoegletal& t) {
  return t.UGBeslag > UGIngenBaereevne ? QStringLiteral("bærer ikke") : Procent(t.UGBeslag);
}

// "C24", "GL28c": the class's last word.
QString Klasse(int k) {
  const QString navn = Q(std::string(StyrkeKlasseTekster[static_cast<std::size_t>(k)])).remove(QLatin1Char('#')).trimmed();
  return navn.section(QLatin1Char(' '), -1);
}

QString Beslag(int b) {
  return b >= 0 && b < AntalBeslag ? Q(std::string(BeslagTabel[static_cast<std::size_t>(b)].Navn)).trimmed()
                                   : QString();
}

THjaelpemiddelResultat TabelForTvaersnit(const TTvaersnitsSoegning& s) {
  THjaelpemiddelResultat r;
  // Only variants that pass all three verdicts are listed.
  r.Titler = {QStringLiteral("Bredde x højde"), QStringLiteral("Klasse"), QStringLiteral("Gerberbeslag"),
              QStringLiteral("Åsetværsnit"), QStringLiteral("Samling"), QStringLiteral("Nedbøjning")};
  for (const TTvaersnitsVariant& v : s.Bestaaede) {
    r.Raekker.push_back({Q(Format("%1.0f x %1.0f mm", {v.Bredde, v.Hoejde})), Klasse(v.StyrkeKlasse),
                         Beslag(v.Beslag), Procent(v.Tal.UGTvaersnit), Samling(v.Tal),
                         Q(Format("L/%d", {v.Tal.LuMindst}))});
    r.Brugbar.push_back(true);
  }
  if (!r.Raekker.empty()) r.Valgt = 0;
  QString note = s.Annulleret ? QStringLiteral("Søgningen blev afbrudt. ") : QString();
  note += Q(Format("%d tværsnit prøvet: %d tilstrækkelige (mindste areal øverst, alle tre eftervisninger OK), %d utilstrækkelige, "
                   "%d sprunget over (intet beslag passer, eller beregningen afvises).",
                   {static_cast<int>(s.AntalProevede), static_cast<int>(s.Bestaaede.size()),
                    static_cast<int>(s.AntalDumpede), static_cast<int>(s.AntalSprunget)}));
  if (s.Bestaaede.empty() && !s.Annulleret) note += QStringLiteral(" Intet standardtværsnit er tilstrækkeligt.");
  r.Note = note;
  return r;
}

// The utilisation against the offset: bending/shear in black, the joint in
// blue, the best offset and that of the 1/7 rule as vertical lines, 100 %
// dashed.
void TegnCharnierKurve(const TCharnierScanning& s, TLaerred& l, int bredde, int hoejde) {
  std::vector<const TCharnierPunkt*> p;
  for (const TCharnierPunkt& k : s.Kurve)
    if (k.Resultat.Beregnet()) p.push_back(&k);
  if (p.size() < 2) return;
  const int v = 56, h = 12, o = 12, u = 34;
  const int b = std::max(bredde - v - h, 10), hh = std::max(hoejde - o - u, 10);
  const double x0 = p.front()->ForskydningMm / 1000.0, x1 = p.back()->ForskydningMm / 1000.0;
  // The scale reaches the largest value up to 200 %; what lies above (a
  // hinge close to a support, a hanger that takes nothing) runs along the
  // top edge.
  constexpr double Loft = 2.0;
  double ymax = 1.0;
  for (const auto* k : p)
    for (double ug : {k->Resultat.Tal.UGTvaersnitUafrundet, k->Resultat.Tal.UGBeslagUafrundet})
      if (std::isfinite(ug)) ymax = std::max(ymax, std::min(ug, Loft));
  const double trin = ymax > 1.6 ? 0.5 : 0.2;
  ymax = std::ceil(ymax / trin - 1e-9) * trin;
  auto X = [&](double m) { return v + static_cast<int>(std::lround((m - x0) / std::max(x1 - x0, 1e-9) * b)); };
  auto Y = [&](double ug) {
    const double y = std::isfinite(ug) ? std::clamp(ug, 0.0, ymax) : ymax;
    return o + hh - static_cast<int>(std::lround(y / ymax * hh));
  };
  const TFarve sort{0, 0, 0}, graa{160, 160, 160}, blaa{0, 0, 200}, groen{0, 128, 0}, roed{200, 0, 0};
  l.SaetTekstFarve(sort);
  // Axes and their scales.
  l.SaetPen(TPenStil::Fuld, 1, sort);
  l.FlytTil(v, o);
  l.LinjeTil(v, o + hh);
  l.LinjeTil(v + b, o + hh);
  l.SaetTekstJustering(TVandretJust::Hoejre, TLodretJust::Top);
  for (int i = 0; i * trin <= ymax + 1e-9; ++i) {
    const double t = i * trin;
    l.SaetPen(TPenStil::Fuld, 1, sort);
    l.FlytTil(v - 4, Y(t));
    l.LinjeTil(v, Y(t));
    l.TekstUd(v - 6, Y(t) - l.TekstHoejde("0") / 2, Format("%1.0f %%", {t * 100}));
  }
  l.SaetPen(TPenStil::Stiplet, 1, graa);
  l.FlytTil(v, Y(1.0));
  l.LinjeTil(v + b, Y(1.0));
  l.SaetTekstJustering(TVandretJust::Midte, TLodretJust::Top);
  const double skridt = x1 - x0 > 4 ? 1.0 : x1 - x0 > 2 ? 0.5 : x1 - x0 > 0.8 ? 0.2 : 0.1;
  for (long i = std::lround(std::ceil(x0 / skridt - 1e-9)); i * skridt <= x1 + 1e-9; ++i) {
    const double m = i * skridt;
    l.SaetPen(TPenStil::Fuld, 1, sort);
    l.FlytTil(X(m), o + hh);
    l.LinjeTil(X(m), o + hh + 4);
    l.TekstUd(X(m), o + hh + 5, Format("%1.1n", {m}));
  }
  l.SaetTekstJustering(TVandretJust::Hoejre, TLodretJust::Bund);
  l.TekstUd(v + b, o + hh + u, "Charnierforskydning [m]");
  // The markers below the curves.
  auto markering = [&](std::optional<std::size_t> i, TFarve farve, const std::string& tekst, TVandretJust just) {
    if (!i) return;
    const int x = X(s.Kurve[*i].ForskydningMm / 1000.0);
    l.SaetPen(TPenStil::Stiplet, 1, farve);
    l.FlytTil(x, o);
    l.LinjeTil(x, o + hh);
    l.SaetTekstFarve(farve);
    l.SaetTekstJustering(just, TLodretJust::Top);
    l.TekstUd(just == TVandretJust::Venstre ? x + 3 : x - 3, o + 2, tekst);
    l.SaetTekstFarve(sort);
  };
  const bool r17Venstre = s.Regel17 && s.Bedste && *s.Regel17 < *s.Bedste;
  markering(s.Regel17, roed, "1/7-reglen", r17Venstre ? TVandretJust::Hoejre : TVandretJust::Venstre);
  markering(s.Bedste, groen, "bedst", r17Venstre ? TVandretJust::Venstre : TVandretJust::Hoejre);
  auto kurve = [&](TFarve farve, double TNoegletal::*felt) {
    l.SaetPen(TPenStil::Fuld, 2, farve);
    l.FlytTil(X(p[0]->ForskydningMm / 1000.0), Y(p[0]->Resultat.Tal.*felt));
    for (const auto* k : p) l.LinjeTil(X(k->ForskydningMm / 1000.0), Y(k->Resultat.Tal.*felt));
  };
  kurve(sort, &TNoegletal::UGTvaersnitUafrundet);
  kurve(blaa, &TNoegletal::UGBeslagUafrundet);
  l.SaetTekstJustering(TVandretJust::Venstre, TLodretJust::Bund);
  l.TekstUd(v, o + hh + u, "Åsetværsnit (sort), samling (blå)");
}

THjaelpemiddelResultat TabelForCharnier(std::shared_ptr<const TCharnierScanning> s) {
  THjaelpemiddelResultat r;
  r.Titler = {QStringLiteral("Charnierforskydning"), QStringLiteral("Åsetværsnit"), QStringLiteral("Samling"),
              QStringLiteral("Nedbøjning"), QStringLiteral("Resultat"), QStringLiteral("Bemærkning")};
  for (std::size_t i = 0; i < s->Kurve.size(); ++i) {
    const TCharnierPunkt& k = s->Kurve[i];
    QString bem;
    if (s->Bedste == i) bem = QStringLiteral("mindste udnyttelse");
    if (s->Regel17 == i) bem += (bem.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("1/7-reglen");
    const QString m = Q(Format("%1.2n m", {k.ForskydningMm / 1000.0}));
    if (!k.Resultat.Beregnet()) {
      r.Raekker.push_back({m, {}, {}, {}, QStringLiteral("ikke beregnet"), bem});
      r.Brugbar.push_back(false);
      continue;
    }
    const TNoegletal& t = k.Resultat.Tal;
    r.Raekker.push_back({m, Procent(t.UGTvaersnit), Samling(t), Q(Format("L/%d", {t.LuMindst})),
                         t.AlleOk() ? QStringLiteral("OK") : QStringLiteral("Ikke OK"), bem});
    // A failing offset may still be the engineer's choice: the report
    // then says so.
    r.Brugbar.push_back(true);
  }
  if (s->Bedste) r.Valgt = static_cast<int>(*s->Bedste);
  QString note;
  if (s->Annulleret)
    note = QStringLiteral("Søgningen blev afbrudt; der er ikke udpeget en bedste forskydning.");
  else if (!s->Bedste)
    note = QStringLiteral("Ingen forskydning kunne beregnes.");
  else {
    const TCharnierPunkt& b = s->Kurve[*s->Bedste];
    note = Q(Format("Mindste udnyttelse ved %1.2n m: åsetværsnit %1.0n %%.", {b.ForskydningMm / 1000.0,
                                                                          b.Resultat.Tal.UGTvaersnit * 100}));
    if (b.ForskydningMm < LilleCharnierforskydningMm)
      note += " " + Q(AdvarselLilleCharnierforskydning());
    if (s->Regel17 && s->Kurve[*s->Regel17].Resultat.Beregnet()) {
      const TCharnierPunkt& r17 = s->Kurve[*s->Regel17];
      note += Q(Format(" 1/7-reglen giver %1.2n m: åsetværsnit %1.0n %%.",
                       {r17.ForskydningMm / 1000.0, r17.Resultat.Tal.UGTvaersnit * 100}));
    }
  }
  r.Note = note;
  r.Kurve = [s](TLaerred& l, int b, int h) { TegnCharnierKurve(*s, l, b, h); };
  return r;
}

}  // namespace

void THovedvindue::BygHjaelpemidler() {
  auto* lag = new QVBoxLayout(stribeLevende_);
  lag->setContentsMargins(0, 0, 0, 0);
  strimmel_ = new TDomStrimmelVisning;
  lag->addWidget(strimmel_);
  stribeLevende_->show();
  kurveside_ = new TKurveside(dlg_);
  stak_->addWidget(kurveside_);
}

QWidget* THovedvindue::BygHjaelpemiddelKnapper() {
  auto* boks = new QGroupBox(QStringLiteral("Hjælpemidler"));
  // One above the other, so the narrow column keeps its width.
  auto* lag = new QGridLayout(boks);
  lag->setVerticalSpacing(4);
  lag->setColumnStretch(1, 1);
  auto knap = [this, lag](int raekke, const char* tekst, const char* hint, void (THovedvindue::*f)()) {
    auto* k = new QPushButton(QString::fromUtf8(tekst));
    k->setToolTip(QString::fromUtf8(hint));
    // As the command buttons: the field being edited keeps the focus and is
    // committed by the command.
    k->setFocusPolicy(Qt::TabFocus);
    connect(k, &QPushButton::clicked, this, [this, f] { (this->*f)(); });
    lag->addWidget(k, raekke, 0);
  };
  alleKlasser_ = new QCheckBox(QStringLiteral("alle klasser"));
  alleKlasser_->setToolTip(QStringLiteral("Søg i alle styrkeklasser i stedet for kun den valgte"));
  alleKlasser_->setFocusPolicy(Qt::TabFocus);
  lag->addWidget(alleKlasser_, 0, 1);
  knap(0, "Find mindste tværsnit ...",
       "Prøver alle standardtværsnit i den valgte styrkeklasse med det første gerberbeslag, der passer, "
       "og viser de tilstrækkelige efter areal.",
       &THovedvindue::KommandoFindMindsteTvaersnit);
  knap(1, "Optimer charnierforskydning ...",
       "Beregner projektet for charnierforskydninger i spring på 10 mm og viser den med mindst udnyttelse.",
       &THovedvindue::KommandoOptimerCharnierforskydning);
  return boks;
}

void THovedvindue::OpdaterStrimmel() {
  if (strimmel_) strimmel_->Vis(OpdaterDomStrimmel(side_));
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
  hjaelpemiddel_ = d;
  // Window-modal without a nested event loop: the window takes no input
  // meanwhile, and the dialog stays responsive.
  d->open();
}

void THovedvindue::KommandoFindMindsteTvaersnit() {
  Kommando([&] {
    if (!KlarTilHjaelpemiddel()) return;
    const Inddata ind = side_.Inddata;
    const bool alle = alleKlasser_->isChecked();
    AabnHjaelpemiddel(QStringLiteral("Find mindste tværsnit"), [this, ind, alle](const TSoegeStyring& styring) {
      auto s = std::make_shared<const TTvaersnitsSoegning>(FindMindsteTvaersnit(ind, alle, styring));
      THjaelpemiddelResultat r = TabelForTvaersnit(*s);
      r.Brug = [this, s](int i) {
        Haandter([&] { BrugTvaersnitsVariant(side_, s->Bestaaede[static_cast<std::size_t>(i)], dlg_); });
      };
      return r;
    });
  });
}

void THovedvindue::KommandoOptimerCharnierforskydning() {
  Kommando([&] {
    if (!KlarTilHjaelpemiddel()) return;
    const Inddata ind = side_.Inddata;
    AabnHjaelpemiddel(QStringLiteral("Optimer charnierforskydning"), [this, ind](const TSoegeStyring& styring) {
      auto s = std::make_shared<const TCharnierScanning>(OptimerCharnierforskydning(ind, styring));
      THjaelpemiddelResultat r = TabelForCharnier(s);
      r.Brug = [this, s](int i) {
        Haandter([&] { BrugCharnierforskydning(side_, s->Kurve[static_cast<std::size_t>(i)].ForskydningMm, dlg_); });
      };
      return r;
    });
  });
}

}  // namespace kvistor
