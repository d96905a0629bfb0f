// The input pages "Inddata 1" and "Inddata 2": their groups, and the field
// widgets bound to the model. Every caption, unit and hint of a field comes
// from its row of the field table.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/hovedvindue.h"
#include "app/sidebyg.h"

namespace kvistor {

namespace {

using K = TKontrol;

// A control's object name, caption, unit and hint: its row of the field
// table.
QString Navn(K k) { return Q(FeltRaekke(k).Navn); }
QString Ledetekst(K k) { return Q(FeltRaekke(k).Ledetekst); }
QString Enhed(K k) { return Q(FeltRaekke(k).Enhed); }
QString HintFor(K k) { return Q(FeltRaekke(k).Hint); }

// An input page: two columns of groups side by side (widths in the ratio
// venstreDel : hoejreDel), with room below them for text across the page.
struct TToSpaltetSide {
  QWidget* side;
  QVBoxLayout* hoved;
  QVBoxLayout* venstre;
  QVBoxLayout* hoejre;
};

TToSpaltetSide NyToSpaltetSide(int venstreDel, int hoejreDel) {
  auto* side = new QWidget;
  auto* hoved = new QVBoxLayout(side);
  hoved->setContentsMargins(6, 6, 6, 6);
  hoved->setSpacing(6);
  auto* kolonner = new QHBoxLayout;
  kolonner->setSpacing(8);
  auto* venstre = new QVBoxLayout;
  auto* hoejre = new QVBoxLayout;
  venstre->setSpacing(6);
  hoejre->setSpacing(6);
  kolonner->addLayout(venstre, venstreDel);
  kolonner->addLayout(hoejre, hoejreDel);
  hoved->addLayout(kolonner);
  return {side, hoved, venstre, hoejre};
}

// Label, field and unit on one row of a grid; the hint on label and field.
void TilfoejRaekke(QGridLayout* g, const QString& ledetekst, QWidget* felt, const QString& enhed,
                   const QString& hint = {}) {
  // An empty grid already counts one row.
  const int r = g->count() == 0 ? 0 : g->rowCount();
  auto* l = new QLabel(ledetekst);
  l->setBuddy(felt);
  g->addWidget(l, r, 0);
  g->addWidget(felt, r, 1);
  if (!enhed.isEmpty()) g->addWidget(new QLabel(enhed), r, 2);
  if (!hint.isEmpty()) {
    l->setToolTip(hint);
    felt->setToolTip(hint);
  }
}

// A field's row: its caption, unit and hint from the field table.
void TilfoejFelt(QGridLayout* g, K k, QWidget* felt) {
  TilfoejRaekke(g, Ledetekst(k), felt, Enhed(k), HintFor(k));
}

QGridLayout* NytGitter(QWidget* w) {
  auto* g = new QGridLayout(w);
  g->setColumnStretch(3, 1);
  g->setHorizontalSpacing(6);
  g->setVerticalSpacing(4);
  return g;
}


}  // namespace

QLineEdit* THovedvindue::NytTalfelt(TKontrol k) {
  auto* e = new QLineEdit;
  e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  e->setMaxLength(static_cast<int>(KapEditTekst));
  e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000,00")) + 10);
  Bind(e, k);
  connect(e, &QLineEdit::returnPressed, this, [this, k] {
    if (!travl_ && FeltAendret(k)) Forlad(k);
  });
  return e;
}

QLineEdit* THovedvindue::NytTekstfelt(TKontrol k) {
  auto* e = new QLineEdit;
  e->setMaxLength(static_cast<int>(KapEditTekst));
  e->setMinimumWidth(80);
  Bind(e, k);
  connect(e, &QLineEdit::returnPressed, this, [this, k] {
    if (!travl_ && FeltAendret(k)) Forlad(k);
  });
  return e;
}

QComboBox* THovedvindue::NyListe(TKontrol k, bool skrivbar) {
  auto* c = new QComboBox;
  c->setEditable(skrivbar);
  if (skrivbar) {
    c->setInsertPolicy(QComboBox::NoInsert);
    c->lineEdit()->setMaxLength(static_cast<int>(KapEditTekst));
    connect(c->lineEdit(), &QLineEdit::returnPressed, this, [this, k] {
      if (!travl_ && FeltAendret(k)) Forlad(k);
    });
  }
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMinimumContentsLength(4);
  Bind(c, k);
  connect(c, &QComboBox::activated, this, [this, k](int i) {
    if (travl_) return;
    Haandter([&] { VaelgListepunkt(side_, k, i, dlg_); });
  });
  return c;
}

QWidget* THovedvindue::NyRadiogruppe(TKontrol k, const QString& titel, int kolonner) {
  auto* boks = new QGroupBox(titel);
  auto* lag = new QGridLayout(boks);
  lag->setHorizontalSpacing(16);
  lag->setVerticalSpacing(2);
  auto* gruppe = new QButtonGroup(boks);
  const auto tekster = FeltRaekke(k).Punkter;
  for (int i = 0; i < static_cast<int>(tekster.size()); ++i) {
    auto* r = new QRadioButton(Q(tekster[i]));
    gruppe->addButton(r, i);
    lag->addWidget(r, i / kolonner, i % kolonner);
  }
  lag->setColumnStretch(kolonner, 1);
  radioer_[k] = gruppe;
  kontroller_[k] = boks;
  boks->setObjectName(Navn(k));
  if (const QString hint = HintFor(k); !hint.isEmpty()) boks->setToolTip(hint);
  connect(gruppe, &QButtonGroup::buttonClicked, this, [this, k, gruppe](QAbstractButton* b) {
    if (travl_ || KlikEfterAfvisning(b) || !BekraeftFelt()) return;
    const int i = gruppe->id(b);
    Haandter([&] {
      if (const int* v = RadioFelt(side_, k); v && *v != i) KlikRadio(side_, k, i, dlg_);
    });
  });
  return boks;
}

bool THovedvindue::KlikEfterAfvisning(QWidget* w) {
  if (afvistMaal_ != w) return false;
  afvistMaal_ = nullptr;
  travl_ = true;
  Opdater();
  travl_ = false;
  return true;
}

QCheckBox* THovedvindue::NyAfkrydsning(TKontrol k) {
  auto* c = new QCheckBox(Ledetekst(k));
  Bind(c, k);
  if (const QString hint = HintFor(k); !hint.isEmpty()) c->setToolTip(hint);
  connect(c, &QCheckBox::clicked, this, [this, k, c](bool sat) {
    if (travl_ || KlikEfterAfvisning(c) || !BekraeftFelt()) return;
    Haandter([&] { KlikRadio(side_, k, sat ? 1 : 0, dlg_); });
  });
  return c;
}

QWidget* THovedvindue::BygInddata1() {
  auto [side, hoved, venstre, hoejre] = NyToSpaltetSide(5, 6);

  // Project identification first: it heads the report.
  auto* id = new QGroupBox(QStringLiteral("Projekt-identifikation"));
  auto* gi = new QGridLayout(id);
  gi->setVerticalSpacing(4);
  firmanavn_ = new QLineEdit;
  firmanavn_->setReadOnly(true);
  firmanavn_->setFocusPolicy(Qt::ClickFocus);
  firmanavn_->setObjectName(QStringLiteral("EditFirmanavn"));
  TilfoejRaekke(gi, QStringLiteral("Firmanavn"), firmanavn_, {});
  TilfoejFelt(gi, K::EditProjektnavn, NytTekstfelt(K::EditProjektnavn));
  TilfoejFelt(gi, K::EditBygningsdel, NytTekstfelt(K::EditBygningsdel));
  TilfoejFelt(gi, K::EditMedarb, NytTekstfelt(K::EditMedarb));
  gi->setColumnStretch(1, 1);
  venstre->addWidget(id);

  auto* tvaer = new QGroupBox(QStringLiteral("Bygningens tværmål"));
  auto* gt = NytGitter(tvaer);
  TilfoejFelt(gt, K::EditHusBr, NytTalfelt(K::EditHusBr));
  TilfoejFelt(gt, K::EditFacHjd, NytTalfelt(K::EditFacHjd));
  TilfoejFelt(gt, K::EditTagVink, NytTalfelt(K::EditTagVink));
  TilfoejFelt(gt, K::EditFacUdh, NytTalfelt(K::EditFacUdh));
  TilfoejFelt(gt, K::EditAaseAfst, NytTalfelt(K::EditAaseAfst));
  auto* hjaelpTvaer = new QPushButton(QStringLiteral("Hjælp"));
  hjaelpTvaer->setFocusPolicy(Qt::TabFocus);
  hjaelpTvaer->setMaximumWidth(hjaelpTvaer->fontMetrics().horizontalAdvance(QStringLiteral("Hjælp")) + 24);
  connect(hjaelpTvaer, &QPushButton::clicked, this, [this] { VisFane(TFane::HjaelpTvaer); });
  gt->addWidget(hjaelpTvaer, 0, 3, Qt::AlignRight);
  venstre->addWidget(tvaer);

  auto* laengde = new QGroupBox(QStringLiteral("Bygningens længdemål"));
  auto* gl = NytGitter(laengde);
  TilfoejFelt(gl, K::EditAntalFag, NytTalfelt(K::EditAntalFag));
  TilfoejFelt(gl, K::EditRammeafstand, NytTalfelt(K::EditRammeafstand));
  TilfoejFelt(gl, K::EditGavlRammeAfst, NytTalfelt(K::EditGavlRammeAfst));
  {
    const int r = gl->rowCount();
    gl->addWidget(new QLabel(Ledetekst(K::RadioGroupCharnForsk)), r, 0, 1, 4);
    auto* valg = NyRadiogruppe(K::RadioGroupCharnForsk, {}, 2);
    static_cast<QGroupBox*>(valg)->setFlat(true);
    valg->setStyleSheet(QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
    valg->layout()->setContentsMargins(0, 0, 0, 0);
    gl->addWidget(valg, r + 1, 1, 1, 3);
  }
  TilfoejFelt(gl, K::EditCharnForsk, NytTalfelt(K::EditCharnForsk));
  TilfoejFelt(gl, K::EditGavlUdh, NytTalfelt(K::EditGavlUdh));
  auto* hjaelpLaengde = new QPushButton(QStringLiteral("Hjælp"));
  hjaelpLaengde->setFocusPolicy(Qt::TabFocus);
  hjaelpLaengde->setMaximumWidth(hjaelpLaengde->fontMetrics().horizontalAdvance(QStringLiteral("Hjælp")) + 24);
  connect(hjaelpLaengde, &QPushButton::clicked, this, [this] { VisFane(TFane::HjaelpLaengde); });
  gl->addWidget(hjaelpLaengde, 0, 3, Qt::AlignRight);
  venstre->addWidget(laengde);
  venstre->addStretch();

  auto* vind = new QGroupBox(QStringLiteral("Vind- og snelast"));
  auto* vv = new QVBoxLayout(vind);
  vv->setSpacing(4);
  vv->addWidget(NyRadiogruppe(K::RadioGroupTerrKat, Ledetekst(K::RadioGroupTerrKat), 2));
  auto* gv = new QGridLayout;
  gv->setColumnStretch(3, 1);
  TilfoejFelt(gv, K::EditAfstVesterhav, NytTalfelt(K::EditAfstVesterhav));
  vv->addLayout(gv);
  vv->addWidget(NyTekst(QStringLiteral("Hvis afstanden er mindre end 25 km: skriv den aktuelle afstand.\n"
                                       "Ellers: skriv \"25\" eller et større tal.")));
  vv->addWidget(NyRadiogruppe(K::RadioGroupNormSneFormFak, Ledetekst(K::RadioGroupNormSneFormFak), 2));
  auto* gs = new QGridLayout;
  gs->setColumnStretch(3, 1);
  TilfoejFelt(gs, K::EditKaraktSneLast, NytTalfelt(K::EditKaraktSneLast));
  vv->addLayout(gs);
  vv->addWidget(NyTekst(QStringLiteral(
      "Normal værdi gælder for fritliggende bygning med den angivne tagvinkel og normale læforhold. "
      "Forhøjet værdi vælges når sneophobning og/eller nedglidning fra et højere tag kan forekomme. "
      "Værdien findes v.hj.a. NA til EN 1991-1-3 og indtastes i feltet \"Karakt. snelast\".")));
  hoejre->addWidget(vind);

  auto* egen = new QGroupBox(QStringLiteral("Egenlast af tagkonstruktion"));
  auto* ge = new QGridLayout(egen);
  ge->setVerticalSpacing(4);
  const K lister[4] = {K::ComboBoxEL1, K::ComboBoxEL2, K::ComboBoxEL3, K::ComboBoxEL4};
  const K felter[4] = {K::EditEL1, K::EditEL2, K::EditEL3, K::EditEL4};
  for (int i = 0; i < 4; ++i) {
    auto* l = new QLabel(Ledetekst(lister[i]));
    QComboBox* c = NyListe(lister[i], true);
    l->setBuddy(c);
    ge->addWidget(l, i, 0);
    ge->addWidget(c, i, 1);
    ge->addWidget(NytTalfelt(felter[i]), i, 2);
    ge->addWidget(new QLabel(Enhed(felter[i])), i, 3);
  }
  ge->setColumnStretch(1, 1);
  hoejre->addWidget(egen);
  hoejre->addStretch();

  auto* vejl = NyTekst(QStringLiteral(
      "Vejledning: Udfyld \"Inddata 1\" og \"Inddata 2\". Se evt. undervejs \"Hjælp, tvær\" og \"Hjælp, længde\".\n"
      "Tjek derefter inddata i \"Kontrol, tvær\" og \"Kontrol, længde\", og klik endelig på \"Beregningsresultat\"."));
  hoved->addWidget(vejl);
  hoved->addStretch();
  return side;
}

QWidget* THovedvindue::BygInddata2() {
  auto [side, hoved, venstre, hoejre] = NyToSpaltetSide(1, 1);

  venstre->addWidget(NyRadiogruppe(K::RadioGroupStyrkeKlasse, Ledetekst(K::RadioGroupStyrkeKlasse), 1));

  auto* tvs = new QGroupBox(QStringLiteral("Åsens tværsnitsmål"));
  auto* gt = new QGridLayout(tvs);
  gt->setVerticalSpacing(4);
  gt->addWidget(new QLabel(QStringLiteral("Standardværdier")), 0, 1);
  gt->addWidget(new QLabel(QStringLiteral("Dit Valg")), 0, 2);
  const struct { K liste; K felt; } dim[2] = {{K::ComboBoxHojde, K::EditAaseHojde},
                                              {K::ComboBoxBredde, K::EditAaseBredde}};
  for (int i = 0; i < 2; ++i) {
    auto* l = new QLabel(Ledetekst(dim[i].liste));
    QComboBox* c = NyListe(dim[i].liste, true);
    QLineEdit* e = NytTalfelt(dim[i].felt);
    l->setBuddy(c);
    l->setToolTip(HintFor(dim[i].felt));
    c->setToolTip(HintFor(dim[i].liste));
    e->setToolTip(HintFor(dim[i].felt));
    gt->addWidget(l, i + 1, 0);
    gt->addWidget(c, i + 1, 1);
    gt->addWidget(e, i + 1, 2);
    gt->addWidget(new QLabel(Enhed(dim[i].felt)), i + 1, 3);
  }
  gt->setColumnStretch(1, 1);
  gt->addWidget(NyTekst(QStringLiteral("Standard tværsnitsmål kan vælges fra rullegardinmenuerne til venstre. "
                                       "Andre tværsnitsmål kan evt. skrives i felterne til højre.")),
                3, 0, 1, 4);
  venstre->addWidget(tvs);

  auto* gerber = new QGroupBox(QStringLiteral("Gerbersamling"));
  auto* gg = new QGridLayout(gerber);
  gg->setVerticalSpacing(4);
  TilfoejFelt(gg, K::EditNormalKraftFaktor, NytTalfelt(K::EditNormalKraftFaktor));
  {
    auto* l = new QLabel(Ledetekst(K::ComboBoxBeslag));
    QComboBox* c = NyListe(K::ComboBoxBeslag, false);
    c->setMinimumContentsLength(14);
    l->setBuddy(c);
    gg->addWidget(l, 1, 0);
    gg->addWidget(c, 1, 1, 1, 3);
  }
  gg->setColumnStretch(3, 1);
  gg->addWidget(NyTekst(QStringLiteral(
                    "Skal åsene føre vindlast fra gavlvæggen til det afstivende system skal Normalkraftfaktor "
                    "mindst sættes til 1. Skal åsen overføre vindlast fra mere end det gavlfelt der er åsens "
                    "\"naturlige\" opland skal faktoren være større end 1, se brugervejledning. Skal åsene ikke "
                    "overføre last til det afstivende system sættes Normalkraftfaktor til 0.")),
                2, 0, 1, 4);
  venstre->addWidget(gerber);
  venstre->addStretch();

  auto* klasser = new QGroupBox(QStringLiteral("Anvendelses- og konsekvensklasse"));
  auto* gk = new QGridLayout(klasser);
  gk->addWidget(NyRadiogruppe(K::RadioGroupAnvKlasse, Ledetekst(K::RadioGroupAnvKlasse), 1), 0, 0);
  gk->addWidget(NyRadiogruppe(K::RadioGroupSikkl, Ledetekst(K::RadioGroupSikkl), 1), 0, 1);
  gk->addWidget(NyTekst(QStringLiteral("Vedr. valg af konsekvensklasse: se brugervejledningen.")), 1, 0, 1, 2);
  hoejre->addWidget(klasser);

  auto* kipning = new QGroupBox(QStringLiteral("Ås som kipningsafstivning for ramme"));
  auto* gp = new QGridLayout(kipning);
  gp->setVerticalSpacing(4);
  TilfoejFelt(gp, K::EditKipnMoment, NytTalfelt(K::EditKipnMoment));
  gp->setColumnStretch(3, 1);
  gp->addWidget(NyTekst(QStringLiteral("De åse, der skal afstive rammerne mod kipning, kan evt. gives større "
                                       "bredde end de øvrige åse, eller de kan dubleres (se brugervejledning ).")),
                1, 0, 1, 4);
  hoejre->addWidget(kipning);

  hoejre->addWidget(NyRadiogruppe(K::RadioGroupRappOmfang, Ledetekst(K::RadioGroupRappOmfang), 2));

  auto* suppl = new QGroupBox(QStringLiteral("Supplerende kontrol"));
  auto* gsk = new QGridLayout(suppl);
  // One above the other: side by side they made the column wider than the
  // page, and the groups above were cut off.
  gsk->addWidget(NyAfkrydsning(K::CheckBoxSkaerpetKontrol), 0, 0);
  gsk->addWidget(NyRadiogruppe(K::RadioGroupBrandmodstand, Ledetekst(K::RadioGroupBrandmodstand), 4), 1, 0);
  gsk->addWidget(NyRadiogruppe(K::RadioGroupBrandSider, Ledetekst(K::RadioGroupBrandSider), 2), 2, 0);
  hoejre->addWidget(suppl);

  auto* vejl = new QGroupBox(QStringLiteral("Vejledning"));
  auto* vl = new QVBoxLayout(vejl);
  vl->addWidget(NyTekst(QStringLiteral(
      "Felterne på denne side bør udfyldes oppefra og ned, og venstre spalte bør udfyldes før højre spalte, "
      "idet visse valgmuligheder afhænger af tidligere trufne valg.\n"
      "I mange sædvanlige tilfælde vil standardværdierne (som er markeret med #) være et godt valg.")));
  hoejre->addWidget(vejl);
  hoejre->addWidget(BygHjaelpemiddelKnapper());
  hoejre->addStretch();

  hoved->addWidget(NyTekst(QStringLiteral("Normgrundlag: Eurocodes med danske NA'er pr. april 2014")));
  hoved->addStretch();
  return side;
}


}  // namespace kvistor
