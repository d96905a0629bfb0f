#include "app/hovedvindue.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/billedtegner.h"
#include "app/omvindue.h"
#include "app/printer.h"
#include "app/programmappe.h"
#include "app/tegneflade.h"
#include "common/tegnsaet.h"
#include "graphics/kontroltegning.h"
#include "project/inddatafil.h"
#include "report/gem.h"
#include "report/hoved.h"
#include "report/udskrift.h"
#include "report/visresultat.h"

namespace kvistor {

namespace {

using K = TKontrol;

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr int SidsteKontrol = static_cast<int>(K::RadioGroupRappOmfang);

// The controls' names, in the order of TKontrol, as object names of the
// widgets (for style sheets, accessibility tools and debugging).
const char* const KontrolNavne[] = {
    "EditProjektnavn", "EditBygningsdel", "EditMedarb", "EditHusBr", "EditFacHjd", "EditTagVink",
    "EditAaseAfst", "EditFacUdh", "EditAntalFag", "EditRammeafstand", "EditGavlRammeAfst",
    "RadioGroupCharnForsk", "EditCharnForsk", "EditGavlUdh", "ComboBoxEL1", "ComboBoxEL2",
    "ComboBoxEL3", "ComboBoxEL4", "EditEL1", "EditEL2", "EditEL3", "EditEL4", "RadioGroupTerrKat",
    "EditAfstVesterhav", "RadioGroupNormSneFormFak", "EditKaraktSneLast", "RadioGroupStyrkeKlasse",
    "ComboBoxHojde", "EditAaseHojde", "ComboBoxBredde", "EditAaseBredde", "RadioGroupAnvKlasse",
    "RadioGroupSikkl", "EditNormalKraftFaktor", "ComboBoxBeslag", "EditKipnMoment",
    "RadioGroupRappOmfang",
};
static_assert(std::size(KontrolNavne) == static_cast<std::size_t>(SidsteKontrol) + 1);

const char* const FaneTitler[AntalFaner] = {
    "Inddata 1", "Inddata 2", "Hjælp, tvær", "Hjælp, længde",
    "Kontrol, tvær", "Kontrol, længde", "Beregningsresultat", "Kurver"};

// Hints of the fields, shown on the field and on its label.
const char* HintFor(K k) {
  switch (k) {
    case K::EditHusBr: return "Afstanden mellem facadernes ydersider. Se evt. fanebladet \"Hjælp, Tvær\"";
    case K::EditFacHjd:
      return "Målt fra terræn til tagets overside i facadeflugten. Se evt. fanebladet \"Hjælp, Tvær\"";
    case K::EditTagVink: return "Tagfladens vinkel med vandret. Se evt. fanebladet \"Hjælp, Tvær\"";
    case K::EditFacUdh:
      return "Målt vandret fra facadens yderside til tagkanten. Se evt. fanebladet \"Hjælp, Tvær\"";
    case K::EditAaseAfst:
      return "Den indbyrdes afstand mellem åsene, målt i tagfladens retning. Se evt. fanebladet "
             "\"Hjælp, Tvær\"";
    case K::RadioGroupTerrKat: return "Se brugervejledningen for detaljerede beskrivelser";
    case K::EditAntalFag:
      return "Antal mellemrum mellem åsenes understøtninger (rammer, primære spær eller lign.)";
    case K::EditRammeafstand:
    case K::EditGavlRammeAfst:
      return "Afstanden mellem åsenes understøtninger (rammer, primære spær eller lign.). Se evt. "
             "fanebladet \"Hjælp, Længde\"";
    case K::EditGavlUdh:
      return "Målt vandret fra yderste åseunderstøtning (ca. = gavlens yderside) til tagkanten "
             "(åseenden). Se evt. fanebladet \"Hjælp, Længde\"";
    case K::EditCharnForsk:
      return "Et charnier's (gerberleds) afstand fra nærmeste understøtning. Se evt. fanebladet "
             "\"Hjælp, Længde\"";
    case K::EditKipnMoment:
      return "Det nødvendige moment til fastholdelse af rammen mod kipning bør oplyses af "
             "rammeleverandøren";
    case K::EditAaseBredde:
      return "Åsebredden måles parallelt med tagfladen. Se evt. fanebladet \"Hjælp, Tvær\"";
    case K::EditAaseHojde:
      return "Åsehøjden måles vinkelret på tagfladen. Se evt. fanebladet \"Hjælp, Tvær\"";
    case K::ComboBoxHojde: return "Standardmål for åsehøjder";
    case K::ComboBoxBredde: return "Standardmål for åsebredder";
    default: return "";
  }
}

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

QLabel* NyTekst(const QString& tekst) {
  auto* l = new QLabel(tekst);
  l->setWordWrap(true);
  l->setTextFormat(Qt::PlainText);
  return l;
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

QGridLayout* NytGitter(QWidget* w) {
  auto* g = new QGridLayout(w);
  g->setColumnStretch(3, 1);
  g->setHorizontalSpacing(6);
  g->setVerticalSpacing(4);
  return g;
}

QWidget* IRulle(QWidget* side) {
  auto* rulle = new QScrollArea;
  rulle->setWidget(side);
  rulle->setWidgetResizable(true);
  rulle->setFrameShape(QFrame::NoFrame);
  rulle->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return rulle;
}

std::span<const std::string_view> RadioTekster(K k) {
  switch (k) {
    case K::RadioGroupCharnForsk: return CharnForskTekster;
    case K::RadioGroupTerrKat: return TerrKatTekster;
    case K::RadioGroupNormSneFormFak: return SneValgTekster;
    case K::RadioGroupStyrkeKlasse: return StyrkeKlasseTekster;
    case K::RadioGroupAnvKlasse: return AnvKlasseTekster;
    case K::RadioGroupSikkl: return SikklTekster;
    case K::RadioGroupRappOmfang: return RappOmfangTekster;
    default: return {};
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Building the window.

THovedvindue::THovedvindue(TBrugerDialog& dlg, const TUr& ur, const std::string& programmappe,
                           const std::string& projekt, QWidget* foraelder)
    : QMainWindow(foraelder), dlg_(dlg), ur_(ur) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Kvistor"));
  filAabner_ = [](const std::string& fil) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(fil)));
  };
  BygMenu();

  // An Arial-like face keeps the pages as compact as they were designed.
  QFont skrift = font();
  skrift.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), skrift.family()});
  skrift.setPointSize(9);
  setFont(skrift);

  // The tabs run across the whole window, so all eight captions fit at the
  // smallest width; the pages sit below them with the buttons beside.
  auto* midte = new QWidget;
  auto* lodret = new QVBoxLayout(midte);
  lodret->setContentsMargins(6, 4, 6, 6);
  lodret->setSpacing(0);
  auto* vandret = new QHBoxLayout;
  vandret->setSpacing(8);
  faner_ = new QTabBar;
  faner_->setObjectName(QStringLiteral("PageControl"));
  faner_->setExpanding(false);
  faner_->setUsesScrollButtons(true);
  faner_->setDrawBase(false);
  for (const char* t : FaneTitler) faner_->addTab(QString::fromUtf8(t));
  stak_ = new QStackedWidget;
  stak_->setFrameShape(QFrame::StyledPanel);
  stak_->addWidget(IRulle(BygInddata1()));
  stak_->addWidget(IRulle(BygInddata2()));
  stak_->addWidget(BygHjaelpside(0));
  stak_->addWidget(BygHjaelpside(1));
  stak_->addWidget(BygKontrolside(
      TFane::KontrolTvaer,
      {QStringLiteral("Visuel kontrol af bygningens og åsenes tværsnitsmål"),
       QStringLiteral("Programmet undersøger de tre viste åse (nr. 1, 2 og 3), hvis lastoplande også er vist"),
       QStringLiteral("Detaljen viser åsen 20 x forstørret og med retnings- og fortegnsdefinitioner for reaktioner")}));
  stak_->addWidget(BygKontrolside(
      TFane::KontrolLaengde,
      {QStringLiteral("Visuel kontrol af åsenes længdeprofil"),
       QStringLiteral("Åsenes understøtninger (fx rammer) er markeret med trekanter, charniersamlinger med boller."),
       QStringLiteral("Benævnelser for åsedele (kort og langt endefag samt mellemfag) samt diverse mål er vist på øverste figur."),
       QStringLiteral("Detaljen nederst viser charniersamlingen forstørret.")}));
  resultat_ = new QPlainTextEdit;
  resultat_->setObjectName(QStringLiteral("Resultat"));
  resultat_->setReadOnly(true);
  resultat_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  resultat_->setLineWrapMode(QPlainTextEdit::NoWrap);
  resultat_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  resultat_->setFrameShape(QFrame::NoFrame);
  SaetNyRapport();
  stak_->addWidget(resultat_);
  lodret->addWidget(faner_);
  vandret->addWidget(stak_, 1);
  vandret->addWidget(BygKnapper());
  lodret->addLayout(vandret, 1);
  // The design aids: the strip in its slot, the page "Kurver".
  BygHjaelpemidler();
  setCentralWidget(midte);

  connect(faner_, &QTabBar::currentChanged, this, [this](int i) { SkiftFane(i); });
  auto genvej = [this](QKeySequence tast, int skridt) {
    auto* s = new QShortcut(tast, this);
    connect(s, &QShortcut::activated, this, [this, skridt] {
      faner_->setCurrentIndex((faner_->currentIndex() + skridt + AntalFaner) % AntalFaner);
    });
  };
  genvej(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
  genvej(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
  genvej(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
  genvej(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);

  // Start-up: the lists, then "Standard.aid" (or the project asked for).
  travl_ = true;
  side_ = StartInddataside(programmappe, dlg_);
  // The firm of the settings, the same file the command line reads.
  {
    TIndstillinger indstillinger;
    LaesIndstillinger(IndstillingsfilNavn(), indstillinger);
    side_.Firmanavn = FirmanavnFraIndstillinger(indstillinger);
  }
  if (!projekt.empty()) {
    std::vector<std::string> linier;
    if (!LaesTekstfil(projekt, linier))
      dlg_.Fejl(BeskedKanIkkeHente(projekt));
    else if (LaesInddatafil(side_, linier, projekt, dlg_))
      NulstilResultat(side_);
    side_.InddataAendret = 0;
  }
  side_.Fokus.reset();
  side_.AktivSide = TSide::Inddata1;
  om_ = new TOmVindue(this);
  om_->hide();

  // Outer size 800 x 570 to 1200 x 800; the frame takes about 8 x 30.
  setMinimumSize(792, 540);
  setMaximumSize(1192, 770);
  resize(792, 654);
  Opdater();
  travl_ = false;
  // Tight margins in the groups, as on a dense engineering form.
  for (QGroupBox* g : findChildren<QGroupBox*>())
    if (g->layout() && !g->title().isEmpty()) g->layout()->setContentsMargins(6, 4, 6, 4);
  Centrer();
  kontroller_[K::EditProjektnavn]->setFocus(Qt::OtherFocusReason);
}

THovedvindue::~THovedvindue() = default;

void THovedvindue::Centrer() {
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    QRect r = frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    move(r.topLeft());
  }
}

void THovedvindue::BygMenu() {
  auto punkt = [this](QMenu* m, const char* tekst, std::function<void()> f) {
    QAction* a = m->addAction(QString::fromUtf8(tekst));
    connect(a, &QAction::triggered, this, [f] { f(); });
    return a;
  };
  QMenu* filer = menuBar()->addMenu(QStringLiteral("&Filer"));
  punkt(filer, "&Hent inddata ...", [this] { KommandoHent(); });
  punkt(filer, "Gem &inddata som ...", [this] { KommandoGemSom(); });
  filer->addSeparator();
  punkt(filer, "Udskriv resultat (&Print)", [this] { KommandoUdskriv(); });
  punkt(filer, "Gem &resultat som ...", [this] { KommandoGemResultat(); });
  filer->addSeparator();
  punkt(filer, "Afslut (E&xit)", [this] { close(); });
  QMenu* funk = menuBar()->addMenu(QStringLiteral("Funktioner"));
  punkt(funk, "&Inddata 1", [this] { VisFane(TFane::Inddata1); });
  punkt(funk, "Inddata 2", [this] { VisFane(TFane::Inddata2); });
  punkt(funk, "Hjælp, &Tværsnit", [this] { VisFane(TFane::HjaelpTvaer); });
  punkt(funk, "Hjælp, &Længdesnit", [this] { VisFane(TFane::HjaelpLaengde); });
  funk->addSeparator();
  punkt(funk, "&Visuel kontrol af tværsnit", [this] { KommandoKontrol(TFane::KontrolTvaer); });
  punkt(funk, "V&isuel kontrol af længdesnit", [this] { KommandoKontrol(TFane::KontrolLaengde); });
  punkt(funk, "&Beregningsresultat", [this] { KommandoResultat(); });
  QAction* om = menuBar()->addAction(QStringLiteral("Om Kvistor"));
  connect(om, &QAction::triggered, this, [this] { KommandoOm(); });
}

void THovedvindue::Bind(QWidget* w, TKontrol k) {
  kontroller_[k] = w;
  bundne_[w] = k;
  w->setObjectName(QString::fromLatin1(KontrolNavne[static_cast<int>(k)]));
  w->installEventFilter(this);
}

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
  const auto tekster = RadioTekster(k);
  for (int i = 0; i < static_cast<int>(tekster.size()); ++i) {
    auto* r = new QRadioButton(Q(tekster[i]));
    gruppe->addButton(r, i);
    lag->addWidget(r, i / kolonner, i % kolonner);
  }
  lag->setColumnStretch(kolonner, 1);
  radioer_[k] = gruppe;
  kontroller_[k] = boks;
  boks->setObjectName(QString::fromLatin1(KontrolNavne[static_cast<int>(k)]));
  if (const QString hint = QString::fromUtf8(HintFor(k)); !hint.isEmpty()) boks->setToolTip(hint);
  connect(gruppe, &QButtonGroup::buttonClicked, this, [this, k, gruppe](QAbstractButton* b) {
    if (travl_) return;
    if (afvistMaal_ == b) {  // the click whose focus change failed a leave
      afvistMaal_ = nullptr;
      travl_ = true;
      Opdater();
      travl_ = false;
      return;
    }
    if (!BekraeftFelt()) return;
    const int i = gruppe->id(b);
    Haandter([&] {
      if (const int* v = RadioFelt(side_, k); v && *v != i) KlikRadio(side_, k, i, dlg_);
    });
  });
  return boks;
}

QWidget* THovedvindue::BygInddata1() {
  auto [side, hoved, venstre, hoejre] = NyToSpaltetSide(5, 6);
  auto hint = [](K k) { return QString::fromUtf8(HintFor(k)); };

  // Project identification first: it heads the report.
  auto* id = new QGroupBox(QStringLiteral("Projekt-identifikation"));
  auto* gi = new QGridLayout(id);
  gi->setVerticalSpacing(4);
  firmanavn_ = new QLineEdit;
  firmanavn_->setReadOnly(true);
  firmanavn_->setFocusPolicy(Qt::ClickFocus);
  firmanavn_->setObjectName(QStringLiteral("EditFirmanavn"));
  TilfoejRaekke(gi, QStringLiteral("Firmanavn"), firmanavn_, {});
  TilfoejRaekke(gi, QStringLiteral("Projektnavn"), NytTekstfelt(K::EditProjektnavn), {});
  TilfoejRaekke(gi, QStringLiteral("Byggeafsnit, bygningsdel etc."), NytTekstfelt(K::EditBygningsdel), {});
  TilfoejRaekke(gi, QStringLiteral("Medarbejder"), NytTekstfelt(K::EditMedarb), {});
  gi->setColumnStretch(1, 1);
  venstre->addWidget(id);

  auto* tvaer = new QGroupBox(QStringLiteral("Bygningens tværmål"));
  auto* gt = NytGitter(tvaer);
  TilfoejRaekke(gt, QStringLiteral("Husbredde"), NytTalfelt(K::EditHusBr), QStringLiteral("m"), hint(K::EditHusBr));
  TilfoejRaekke(gt, QStringLiteral("Facadehøjde"), NytTalfelt(K::EditFacHjd), QStringLiteral("m"), hint(K::EditFacHjd));
  TilfoejRaekke(gt, QStringLiteral("Tagvinkel"), NytTalfelt(K::EditTagVink), QStringLiteral("°"), hint(K::EditTagVink));
  TilfoejRaekke(gt, QStringLiteral("Facadeudhæng"), NytTalfelt(K::EditFacUdh), QStringLiteral("m"), hint(K::EditFacUdh));
  TilfoejRaekke(gt, QStringLiteral("Åseafstand"), NytTalfelt(K::EditAaseAfst), QStringLiteral("m"), hint(K::EditAaseAfst));
  auto* hjaelpTvaer = new QPushButton(QStringLiteral("Hjælp"));
  hjaelpTvaer->setFocusPolicy(Qt::TabFocus);
  hjaelpTvaer->setMaximumWidth(hjaelpTvaer->fontMetrics().horizontalAdvance(QStringLiteral("Hjælp")) + 24);
  connect(hjaelpTvaer, &QPushButton::clicked, this, [this] { VisFane(TFane::HjaelpTvaer); });
  gt->addWidget(hjaelpTvaer, 0, 3, Qt::AlignRight);
  venstre->addWidget(tvaer);

  auto* laengde = new QGroupBox(QStringLiteral("Bygningens længdemål"));
  auto* gl = NytGitter(laengde);
  TilfoejRaekke(gl, QStringLiteral("Antal fag"), NytTalfelt(K::EditAntalFag), {}, hint(K::EditAntalFag));
  TilfoejRaekke(gl, QStringLiteral("Normalrammeafstand"), NytTalfelt(K::EditRammeafstand), QStringLiteral("m"),
                hint(K::EditRammeafstand));
  TilfoejRaekke(gl, QStringLiteral("Gavlrammeafstand"), NytTalfelt(K::EditGavlRammeAfst), QStringLiteral("m"),
                hint(K::EditGavlRammeAfst));
  {
    const int r = gl->rowCount();
    gl->addWidget(new QLabel(QStringLiteral("Charnierforskydning =\n1/7 x Normalrammeafstand")), r, 0, 1, 4);
    auto* valg = NyRadiogruppe(K::RadioGroupCharnForsk, {}, 2);
    static_cast<QGroupBox*>(valg)->setFlat(true);
    valg->setStyleSheet(QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
    valg->layout()->setContentsMargins(0, 0, 0, 0);
    gl->addWidget(valg, r + 1, 1, 1, 3);
  }
  TilfoejRaekke(gl, QStringLiteral("Charnierforskydning"), NytTalfelt(K::EditCharnForsk), QStringLiteral("m"),
                hint(K::EditCharnForsk));
  TilfoejRaekke(gl, QStringLiteral("Gavludhæng"), NytTalfelt(K::EditGavlUdh), QStringLiteral("m"), hint(K::EditGavlUdh));
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
  vv->addWidget(NyRadiogruppe(K::RadioGroupTerrKat, QStringLiteral("Terrænkategori"), 2));
  auto* gv = new QGridLayout;
  gv->setColumnStretch(3, 1);
  TilfoejRaekke(gv, QStringLiteral("Afstand til Vesterhavet\nell. Ringkøbing Fjord"), NytTalfelt(K::EditAfstVesterhav),
                QStringLiteral("km"));
  vv->addLayout(gv);
  vv->addWidget(NyTekst(QStringLiteral("Hvis afstanden er mindre end 25 km: skriv den aktuelle afstand.\n"
                                       "Ellers: skriv \"25\" eller et større tal.")));
  vv->addWidget(NyRadiogruppe(K::RadioGroupNormSneFormFak, QStringLiteral("Snelastens formfaktor"), 2));
  auto* gs = new QGridLayout;
  gs->setColumnStretch(3, 1);
  TilfoejRaekke(gs, QStringLiteral("Karakt. snelast"), NytTalfelt(K::EditKaraktSneLast), QStringLiteral("(formfaktor)"));
  vv->addLayout(gs);
  vv->addWidget(NyTekst(QStringLiteral(
      "Normal værdi gælder for fritliggende bygning med den angivne tagvinkel og normale læforhold. "
      "Forhøjet værdi vælges når sneophobning og/eller nedglidning fra et højere tag kan forekomme. "
      "Værdien findes v.hj.a. NA til EN 1991-1-3 og indtastes i feltet \"Karakt. snelast\".")));
  hoejre->addWidget(vind);

  auto* egen = new QGroupBox(QStringLiteral("Egenlast af tagkonstruktion"));
  auto* ge = new QGridLayout(egen);
  ge->setVerticalSpacing(4);
  const char* lag[4] = {"Tagdækning", "Undertag", "Isolering", "Loftbeklædning"};
  const K lister[4] = {K::ComboBoxEL1, K::ComboBoxEL2, K::ComboBoxEL3, K::ComboBoxEL4};
  const K felter[4] = {K::EditEL1, K::EditEL2, K::EditEL3, K::EditEL4};
  for (int i = 0; i < 4; ++i) {
    auto* l = new QLabel(QString::fromUtf8(lag[i]));
    QComboBox* c = NyListe(lister[i], true);
    l->setBuddy(c);
    ge->addWidget(l, i, 0);
    ge->addWidget(c, i, 1);
    ge->addWidget(NytTalfelt(felter[i]), i, 2);
    ge->addWidget(new QLabel(QStringLiteral("kN/m2")), i, 3);
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

  venstre->addWidget(NyRadiogruppe(K::RadioGroupStyrkeKlasse, QStringLiteral("Styrkeklasse"), 1));

  auto* tvs = new QGroupBox(QStringLiteral("Åsens tværsnitsmål"));
  auto* gt = new QGridLayout(tvs);
  gt->setVerticalSpacing(4);
  gt->addWidget(new QLabel(QStringLiteral("Standardværdier")), 0, 1);
  gt->addWidget(new QLabel(QStringLiteral("Dit Valg")), 0, 2);
  const struct { const char* tekst; K liste; K felt; } dim[2] = {
      {"Højde", K::ComboBoxHojde, K::EditAaseHojde}, {"Bredde", K::ComboBoxBredde, K::EditAaseBredde}};
  for (int i = 0; i < 2; ++i) {
    auto* l = new QLabel(QString::fromUtf8(dim[i].tekst));
    QComboBox* c = NyListe(dim[i].liste, true);
    QLineEdit* e = NytTalfelt(dim[i].felt);
    l->setBuddy(c);
    l->setToolTip(QString::fromUtf8(HintFor(dim[i].felt)));
    c->setToolTip(QString::fromUtf8(HintFor(dim[i].liste)));
    e->setToolTip(QString::fromUtf8(HintFor(dim[i].felt)));
    gt->addWidget(l, i + 1, 0);
    gt->addWidget(c, i + 1, 1);
    gt->addWidget(e, i + 1, 2);
    gt->addWidget(new QLabel(QStringLiteral("mm")), i + 1, 3);
  }
  gt->setColumnStretch(1, 1);
  gt->addWidget(NyTekst(QStringLiteral("Standard tværsnitsmål kan vælges fra rullegardinmenuerne til venstre. "
                                       "Andre tværsnitsmål kan evt. skrives i felterne til højre.")),
                3, 0, 1, 4);
  venstre->addWidget(tvs);

  auto* gerber = new QGroupBox(QStringLiteral("Gerbersamling"));
  auto* gg = new QGridLayout(gerber);
  gg->setVerticalSpacing(4);
  TilfoejRaekke(gg, QStringLiteral("Normalkraftfaktor"), NytTalfelt(K::EditNormalKraftFaktor), {});
  {
    auto* l = new QLabel(QStringLiteral("Gerberbeslag"));
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
  gk->addWidget(NyRadiogruppe(K::RadioGroupAnvKlasse, QStringLiteral("Anvendelsesklasse"), 1), 0, 0);
  gk->addWidget(NyRadiogruppe(K::RadioGroupSikkl, QStringLiteral("Konsekvensklasse CC"), 1), 0, 1);
  gk->addWidget(NyTekst(QStringLiteral("Vedr. valg af konsekvensklasse: se brugervejledningen.")), 1, 0, 1, 2);
  hoejre->addWidget(klasser);

  auto* kipning = new QGroupBox(QStringLiteral("Ås som kipningsafstivning for ramme"));
  auto* gp = new QGridLayout(kipning);
  gp->setVerticalSpacing(4);
  TilfoejRaekke(gp, QStringLiteral("Kipningsmoment"), NytTalfelt(K::EditKipnMoment), QStringLiteral("kNm"),
                QString::fromUtf8(HintFor(K::EditKipnMoment)));
  gp->setColumnStretch(3, 1);
  gp->addWidget(NyTekst(QStringLiteral("De åse, der skal afstive rammerne mod kipning, kan evt. gives større "
                                       "bredde end de øvrige åse, eller de kan dubleres (se brugervejledning ).")),
                1, 0, 1, 4);
  hoejre->addWidget(kipning);

  hoejre->addWidget(NyRadiogruppe(K::RadioGroupRappOmfang, QStringLiteral("Resultatomfang"), 2));

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
  return side;
}

QWidget* THovedvindue::BygKnapper() {
  auto* kolonne = new QWidget;
  auto* v = new QVBoxLayout(kolonne);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(8);
  auto knap = [this](const char* tekst, std::function<void()> f) {
    auto* k = new QPushButton(QString::fromUtf8(tekst));
    // A click leaves the focus in the field being edited; the command
    // commits that field itself first.
    k->setFocusPolicy(Qt::TabFocus);
    connect(k, &QPushButton::clicked, this, [f] { f(); });
    return k;
  };
  auto* ind = new QGroupBox(QStringLiteral("Inddata"));
  auto* vi = new QVBoxLayout(ind);
  vi->addWidget(knap("&Hent ...", [this] { KommandoHent(); }));
  vi->addWidget(knap("Gem &som ...", [this] { KommandoGemSom(); }));
  v->addWidget(ind);
  auto* res = new QGroupBox(QStringLiteral("Beregningsresultat"));
  auto* vr = new QVBoxLayout(res);
  vr->addWidget(knap("Udskriv (&Print) ...", [this] { KommandoUdskriv(); }));
  vr->addWidget(knap("Gem &Resultat ...", [this] { KommandoGemResultat(); }));
  v->addWidget(res);
  v->addWidget(knap("Vis Brugervejledning", [this] { KommandoBrugervejledning(); }));
  v->addWidget(knap("Afslut programmet", [this] { close(); }));

  const char* navne[3] = {"MemoAdvarAas", "MemoAdvarSamling", "MemoAdvarNedbojn"};
  const QString tekster[3] = {
      QStringLiteral("Bemærk:\nÅsedimen-\nsionen er\nutilstrækkelig"),
      QStringLiteral("Bemærk:\nGerbersam-\nlingen er\nutilstrækkelig"),
      QStringLiteral("Bemærk:\nStørste relative\nnedbøjning\ner for stor")};
  for (int i = 0; i < 3; ++i) {
    auto* n = new QLabel(tekster[i]);
    n->setObjectName(QString::fromUtf8(navne[i]));
    QFont f = n->font();
    f.setBold(true);
    n->setFont(f);
    QPalette p = n->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    n->setPalette(p);
    n->hide();
    noter_[i] = n;
    v->addWidget(n);
  }
  // Reserved for the strip of live verdict figures.
  stribeLevende_ = new QWidget;
  stribeLevende_->setObjectName(QStringLiteral("stribeLevende"));
  stribeLevende_->hide();
  v->addWidget(stribeLevende_);
  v->addStretch();
  kolonne->setFixedWidth(kolonne->sizeHint().width());
  return kolonne;
}

// ---------------------------------------------------------------------------
// Events: every one goes to the model's handler, then the widgets are
// refreshed from the model.

bool THovedvindue::FeltAendret(TKontrol k) const {
  const auto it = kontroller_.find(k);
  if (it == kontroller_.end()) return false;
  if (auto* e = qobject_cast<QLineEdit*>(it->second)) {
    const TEditFelt* m = EditFelt(const_cast<TInddataside&>(side_), k);
    return m && m->Aktiv && e->text().toStdString() != m->Tekst;
  }
  if (auto* c = qobject_cast<QComboBox*>(it->second); c && c->isEditable()) {
    const TListeFelt* m = ListeFelt(const_cast<TInddataside&>(side_), k);
    return m && c->currentText().toStdString() != m->Tekst;
  }
  return false;
}

void THovedvindue::Forlad(TKontrol k) {
  QWidget* w = kontroller_[k];
  const std::string tekst = qobject_cast<QLineEdit*>(w) ? qobject_cast<QLineEdit*>(w)->text().toStdString()
                                                        : qobject_cast<QComboBox*>(w)->currentText().toStdString();
  Haandter([&] {
    if (EditFelt(side_, k)) {
      Indtast(side_, k, tekst, dlg_);
    } else {
      SkrivIListe(side_, k, tekst, dlg_);
    }
  });
}

void THovedvindue::Haandter(const std::function<void()>& f) {
  if (travl_) return;
  travl_ = true;
  side_.Fokus.reset();
  afvistMaal_ = nullptr;
  f();
  sidsteForladOk_ = !side_.Fokus.has_value();
  Opdater();
  travl_ = false;
}

bool THovedvindue::BekraeftFelt() {
  if (travl_) return false;
  if (!aktivt_ || !FeltAendret(*aktivt_)) return true;
  const TKontrol k = *aktivt_;
  Forlad(k);
  // A broken rule has put the focus back into a field: the command waits.
  return sidsteForladOk_;
}

bool THovedvindue::Kommando(const std::function<void()>& f) {
  if (travl_ || !BekraeftFelt()) return false;
  travl_ = true;
  side_.Fokus.reset();
  f();
  Opdater();
  travl_ = false;
  return true;
}

bool THovedvindue::eventFilter(QObject* objekt, QEvent* e) {
  if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
    const auto it = bundne_.find(objekt);
    if (it != bundne_.end()) {
      const TKontrol k = it->second;
      const Qt::FocusReason aarsag = static_cast<QFocusEvent*>(e)->reason();
      // A message box or a popup taking the focus is not a user's leave,
      // and neither is the focus coming back from one.
      const bool fraBoks = aarsag == Qt::ActiveWindowFocusReason || aarsag == Qt::PopupFocusReason;
      if (e->type() == QEvent::FocusIn) {
        aktivt_ = k;
        if (k == K::ComboBoxBeslag && !fraBoks && !travl_)
          Haandter([&] { GaaIndIListe(side_, k, dlg_); });
      } else if (!fraBoks && aktivt_ == k) {
        aktivt_.reset();
        if (!travl_ && FeltAendret(k)) {
          QWidget* ny = QApplication::focusWidget();
          Forlad(k);
          if (!sidsteForladOk_) afvistMaal_ = ny;
        }
      }
    }
  }
  return QMainWindow::eventFilter(objekt, e);
}

void THovedvindue::SkiftFane(int indeks) {
  if (indeks == stak_->currentIndex()) return;
  const bool koerte = Kommando([&] {
    VisStak(indeks);
    if (indeks == static_cast<int>(TFane::Resultat)) VisResultat(false);
    if (indeks == static_cast<int>(TFane::Kurver)) VisKurver();
  });
  if (!koerte) {
    QSignalBlocker b(faner_);
    faner_->setCurrentIndex(stak_->currentIndex());
  }
}

void THovedvindue::VisStak(int indeks) {
  {
    QSignalBlocker b(faner_);
    faner_->setCurrentIndex(indeks);
  }
  stak_->setCurrentIndex(indeks);
  if (indeks <= static_cast<int>(TSide::Inddata2)) side_.AktivSide = static_cast<TSide>(indeks);
}

void THovedvindue::SaetNyRapport() {
  // A new report is shown in the fixed-pitch font, 13 pixels high.
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::TypeWriter);
  f.setPixelSize(13);
  resultat_->setFont(f);
}

void THovedvindue::VisResultat(bool somKommando) {
  const bool ny = BeregnOgVisResultat(side_, dlg_, ur_);
  if (ny) {
    QStringList l;
    for (const std::string& linje : *side_.Rapport) l << QString::fromStdString(linje);
    resultat_->setPlainText(l.join(QLatin1Char('\n')));
    rapportVist_ = true;
  }
  if (ny || somKommando) SaetNyRapport();
  resultat_->setFocus(Qt::OtherFocusReason);
}

TFane THovedvindue::AktivFane() const { return static_cast<TFane>(stak_->currentIndex()); }

void THovedvindue::VisFane(TFane fane) { faner_->setCurrentIndex(static_cast<int>(fane)); }

void THovedvindue::KommandoKontrol(TFane fane) {
  // The drawing is built from the current input at every paint.
  VisFane(fane);
}

void THovedvindue::KommandoResultat() {
  Kommando([&] {
    VisStak(static_cast<int>(TFane::Resultat));
    VisResultat(true);
  });
}

void THovedvindue::KommandoHent() {
  Kommando([&] {
    if (HentProjektdata(side_, dlg_)) VisStak(static_cast<int>(TFane::Inddata1));
  });
}

void THovedvindue::KommandoGemSom() {
  Kommando([&] { GemProjektdata(side_, dlg_); });
}

void THovedvindue::KommandoUdskriv() {
  Kommando([&] {
    const TTekstlinjer* rapport = side_.Rapport ? &*side_.Rapport : nullptr;
    if (!ResultatFindes(rapport, dlg_)) return;
    const std::vector<TUdskriftLinje> linjer = UdskriftForloeb(*rapport);
    if (!pdfUdskrift_.empty()) {
      if (!SkrivLinjerTilPdf(pdfUdskrift_, linjer))
        dlg_.Besked("Kan ikke udskrive til filen \r\n" + pdfUdskrift_);
      return;
    }
    if (QPrinterInfo::availablePrinters().isEmpty())
      dlg_.Advarsel("Der er ingen printer installeret.\r\n"
                    "Resultatet kan i stedet udskrives til en PDF-fil.");
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog d(&printer, this);
    d.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (d.exec() != QDialog::Accepted) return;
    if (!SkrivLinjer(printer, linjer)) dlg_.Fejl("Resultatet kunne ikke udskrives på den valgte printer.");
  });
}

void THovedvindue::KommandoGemResultat() {
  Kommando([&] { GemResultat(side_, dlg_); });
}

void THovedvindue::KommandoBrugervejledning() {
  Kommando([&] { filAabner_(side_.Programmappe + BrugervejledningFil); });
}

void THovedvindue::KommandoOm() {
  if (!BekraeftFelt()) return;
  om_->Vis();
}

void THovedvindue::closeEvent(QCloseEvent* e) {
  if (travl_ || !BekraeftFelt()) {
    e->ignore();
    return;
  }
  if (side_.InddataAendret == 1) {
    travl_ = true;
    CheckGemProjektdata(side_, dlg_);
    travl_ = false;
  }
  // The window closes in any case, the save may have been cancelled.
  om_->close();
  e->accept();
}

// ---------------------------------------------------------------------------
// The model onto the widgets.

void THovedvindue::Opdater() {
  for (int i = 0; i <= SidsteKontrol; ++i) {
    const TKontrol k = static_cast<TKontrol>(i);
    QWidget* w = kontroller_.at(k);
    if (const TEditFelt* m = EditFelt(side_, k)) {
      auto* e = static_cast<QLineEdit*>(w);
      const QString t = QString::fromStdString(m->Tekst);
      if (e->text() != t) {
        e->setText(t);
        e->setCursorPosition(0);
      }
      e->setEnabled(m->Aktiv);
    } else if (const TListeFelt* m = ListeFelt(side_, k)) {
      auto* c = static_cast<QComboBox*>(w);
      QSignalBlocker b(c);
      bool ens = c->count() == static_cast<int>(m->Elementer.size());
      for (int j = 0; ens && j < c->count(); ++j) ens = c->itemText(j).toStdString() == m->Elementer[j];
      if (!ens) {
        c->clear();
        for (const std::string& t : m->Elementer) c->addItem(QString::fromStdString(t));
      }
      if (c->currentIndex() != m->Valgt) c->setCurrentIndex(m->Valgt);
      if (c->isEditable() && c->currentText().toStdString() != m->Tekst) c->setEditText(QString::fromStdString(m->Tekst));
      // A long name shows its beginning.
      if (c->isEditable() && !c->hasFocus()) c->lineEdit()->setCursorPosition(0);
      if (k >= K::ComboBoxEL1 && k <= K::ComboBoxEL4) c->setToolTip(c->currentText());
    } else if (const int* r = RadioFelt(side_, k)) {
      QButtonGroup* g = radioer_.at(k);
      if (QAbstractButton* b = g->button(*r)) {
        if (!b->isChecked()) b->setChecked(true);
      } else if (QAbstractButton* valgt = g->checkedButton()) {
        g->setExclusive(false);
        valgt->setChecked(false);
        g->setExclusive(true);
      }
    }
  }
  firmanavn_->setText(QString::fromStdString(side_.Firmanavn));
  const bool noter[3] = {side_.AdvarAas, side_.AdvarSamling, side_.AdvarNedbojn};
  for (int i = 0; i < 3; ++i) noter_[i]->setVisible(noter[i]);
  if (!side_.Rapport && rapportVist_) {
    resultat_->clear();
    rapportVist_ = false;
  }
  // A broken rule: its page becomes the active page and its field gets the
  // focus.
  if (side_.Fokus) {
    VisStak(static_cast<int>(side_.AktivSide));
    QWidget* felt = kontroller_.at(*side_.Fokus);
    felt->setFocus(Qt::OtherFocusReason);
    // At a small window size the field may sit outside the visible part.
    if (auto* rulle = qobject_cast<QScrollArea*>(stak_->currentWidget())) rulle->ensureWidgetVisible(felt);
    aktivt_ = *side_.Fokus;
    side_.Fokus.reset();
  }
  OpdaterStrimmel();
  const TFane fane = AktivFane();
  if (fane == TFane::KontrolTvaer || fane == TFane::KontrolLaengde) tegninger_.at(fane)->update();
}

std::string THovedvindue::SammenlignMedModel() const {
  TInddataside& m = const_cast<TInddataside&>(side_);
  for (int i = 0; i <= SidsteKontrol; ++i) {
    const TKontrol k = static_cast<TKontrol>(i);
    const QWidget* w = kontroller_.at(k);
    const std::string navn = KontrolNavne[i];
    if (const TEditFelt* e = EditFelt(m, k)) {
      const auto* q = static_cast<const QLineEdit*>(w);
      if (q->text().toStdString() != e->Tekst) return navn + ": tekst '" + q->text().toStdString() + "' mod '" + e->Tekst + "'";
      if (q->isEnabled() != e->Aktiv) return navn + ": aktiv";
    } else if (const TListeFelt* l = ListeFelt(m, k)) {
      const auto* c = static_cast<const QComboBox*>(w);
      if (c->count() != static_cast<int>(l->Elementer.size())) return navn + ": antal punkter";
      for (int j = 0; j < c->count(); ++j)
        if (c->itemText(j).toStdString() != l->Elementer[j]) return navn + ": punkt " + std::to_string(j);
      if (c->currentIndex() != l->Valgt) return navn + ": valgt";
      if (c->isEditable() && c->currentText().toStdString() != l->Tekst) return navn + ": listetekst";
    } else if (const int* r = RadioFelt(m, k)) {
      if (radioer_.at(k)->checkedId() != *r) return navn + ": radiopunkt";
    }
  }
  const bool noter[3] = {side_.AdvarAas, side_.AdvarSamling, side_.AdvarNedbojn};
  for (int i = 0; i < 3; ++i)
    if (noter_[i]->isHidden() == noter[i]) return "note " + std::to_string(i);
  QStringList l;
  if (side_.Rapport)
    for (const std::string& linje : *side_.Rapport) l << QString::fromStdString(linje);
  if (resultat_->toPlainText() != l.join(QLatin1Char('\n'))) return "resultattekst";
  if (faner_->currentIndex() != stak_->currentIndex()) return "fane og side";
  if (stak_->currentIndex() <= 1 && stak_->currentIndex() != static_cast<int>(side_.AktivSide)) return "aktiv side";
  if (firmanavn_->text().toStdString() != side_.Firmanavn) return "firmanavn";
  return {};
}

QWidget* THovedvindue::Kontrol(TKontrol k) const { return kontroller_.at(k); }

QPushButton* THovedvindue::Knap(const QString& tekst) const {
  for (QPushButton* k : findChildren<QPushButton*>())
    if (k->text() == tekst) return k;
  return nullptr;
}

QList<QAction*> THovedvindue::Menupunkter() const {
  QList<QAction*> ud;
  for (QAction* a : menuBar()->actions()) {
    if (a->menu())
      for (QAction* b : a->menu()->actions()) {
        if (!b->isSeparator()) ud << b;
      }
    else
      ud << a;
  }
  return ud;
}

TTegneflade* THovedvindue::Tegning(TFane fane) const {
  const auto it = tegninger_.find(fane);
  return it == tegninger_.end() ? nullptr : it->second;
}

}  // namespace kvistor
