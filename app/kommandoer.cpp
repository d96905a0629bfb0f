// The window's commands: one QAction for each, shared by its menu entry, its
// button and its shortcut, the menus and the button column, and what each
// command does. An action is one line of BygHandlinger, a menu entry one
// line of BygMenuer.
#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "app/dokumentation_dialog.h"
#include "app/eksport.h"
#include "app/hovedvindue.h"
#include "app/indstillinger_dialog.h"
#include "app/omvindue.h"
#include "app/printer.h"
#include "app/programmappe.h"
#include "app/supplerende_side.h"
#include "project/inddatafil.h"
#include "common/indstillinger.h"
#include "report/gem.h"
#include "report/hoved.h"

namespace kvistor {

QAction* THovedvindue::NyHandling(const char* navn, const char* tekst, const QKeySequence& genvej,
                                  std::function<void()> f) {
  auto* a = new QAction(QString::fromUtf8(tekst), this);
  a->setObjectName(QString::fromUtf8(navn));
  a->setShortcut(genvej);
  // The shortcut works on every page, also while a field has the focus.
  a->setShortcutContext(Qt::WindowShortcut);
  connect(a, &QAction::triggered, this, [f = std::move(f)] { f(); });
  addAction(a);
  handlinger_[navn] = a;
  return a;
}

void THovedvindue::BygHandlinger() {
  NyHandling("Hent", "&Hent ...", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { KommandoHent(); });
  NyHandling("Gem", "&Gem", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { KommandoGem(); });
  NyHandling("GemSom", "Gem &som ...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { KommandoGemSom(); });
  NyHandling("Udskriv", "&Udskriv resultat ...", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { KommandoUdskriv(); });
  NyHandling("GemResultat", "Gem &resultat som ...", {}, [this] { KommandoGemResultat(); });
  NyHandling("GemDokumentation", "Gem &dokumentation (PDF) ...", {}, [this] { KommandoGemDokumentation(); })
      ->setToolTip(QStringLiteral("Gem dokumentation (PDF): den statiske dokumentation af projektet til aflevering"));
  NyHandling("Eksporter", "&Eksporter ...", {}, [this] { KommandoEksporter(); });
  NyHandling("Indstillinger", "Indstillinger ...", {}, [this] { KommandoIndstillinger(); });
  NyHandling("Afslut", "&Afslut", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
  NyHandling("Fortryd", "&Fortryd", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { KommandoFortryd(); });
  NyHandling("Gentag", "&Gentag", QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { KommandoGentag(); });
  NyHandling("Brugervejledning", "&Brugervejledning", QKeySequence(Qt::Key_F1), [this] { KommandoBrugervejledning(); });
  NyHandling("Om", "&Om Kvistor", {}, [this] { KommandoOm(); });
  NyHandling("Inddata1", "&Inddata 1", {}, [this] { VisFane(TFane::Inddata1); });
  NyHandling("Inddata2", "Inddata &2", {}, [this] { VisFane(TFane::Inddata2); });
  NyHandling("HjaelpTvaer", "Hjælp, &Tværsnit", {}, [this] { VisFane(TFane::HjaelpTvaer); });
  NyHandling("HjaelpLaengde", "Hjælp, &Længdesnit", {}, [this] { VisFane(TFane::HjaelpLaengde); });
  NyHandling("KontrolTvaer", "&Visuel kontrol af tværsnit", {}, [this] { KommandoKontrol(TFane::KontrolTvaer); });
  NyHandling("KontrolLaengde", "V&isuel kontrol af længdesnit", {}, [this] { KommandoKontrol(TFane::KontrolLaengde); });
  NyHandling("Resultat", "&Beregningsresultat", {}, [this] { KommandoResultat(); });
  NyHandling("Supplerende", "&Supplerende kontrol", {}, [this] { VisFane(TFane::Supplerende); });
  NyHandling("Kurver", "&Kurver", {}, [this] { VisFane(TFane::Kurver); });
  NyHandling("FindMindsteTvaersnit", "Find billigste tværsnit ...", {}, [this] { KommandoFindMindsteTvaersnit(); });
  NyHandling("OptimerCharnierforskydning", "Optimer charnierforskydning ...", {},
             [this] { KommandoOptimerCharnierforskydning(); });
  NyHandling("FindBilligsteAas", "Find billigste åse ...", {}, [this] { KommandoFindBilligsteAas(); });
  // Ctrl+Shift+Z redoes too, as many programs have it.
  handlinger_["Gentag"]->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
}

void THovedvindue::BygMenuer() {
  QMenu* filer = menuBar()->addMenu(QStringLiteral("&Filer"));
  filer->addAction(Handling("Hent"));
  seneste_ = filer->addMenu(QStringLiteral("Seneste &projekter"));
  filer->addAction(Handling("Gem"));
  filer->addAction(Handling("GemSom"));
  filer->addSeparator();
  filer->addAction(Handling("Udskriv"));
  filer->addAction(Handling("GemResultat"));
  filer->addAction(Handling("GemDokumentation"));
  filer->addAction(Handling("Eksporter"));
  filer->addSeparator();
  filer->addAction(Handling("Indstillinger"));
  filer->addSeparator();
  filer->addAction(Handling("Afslut"));

  QMenu* rediger = menuBar()->addMenu(QStringLiteral("&Rediger"));
  rediger->addAction(Handling("Fortryd"));
  rediger->addAction(Handling("Gentag"));

  QMenu* funk = menuBar()->addMenu(QStringLiteral("F&unktioner"));
  funk->addAction(Handling("Inddata1"));
  funk->addAction(Handling("Inddata2"));
  funk->addAction(Handling("HjaelpTvaer"));
  funk->addAction(Handling("HjaelpLaengde"));
  funk->addSeparator();
  funk->addAction(Handling("KontrolTvaer"));
  funk->addAction(Handling("KontrolLaengde"));
  funk->addAction(Handling("Resultat"));
  funk->addAction(Handling("Supplerende"));
  funk->addAction(Handling("Kurver"));
  funk->addSeparator();
  funk->addAction(Handling("FindMindsteTvaersnit"));
  funk->addAction(Handling("OptimerCharnierforskydning"));
  funk->addAction(Handling("FindBilligsteAas"));

  QMenu* hjaelp = menuBar()->addMenu(QStringLiteral("&Hjælp"));
  hjaelp->addAction(Handling("Brugervejledning"));
  hjaelp->addAction(Handling("Om"));
  OpdaterSenesteMenu();
}

QAction* THovedvindue::Handling(const char* navn) const { return handlinger_.at(navn); }

QPushButton* THovedvindue::NyKnap(const char* handling, const char* tekst) {
  QAction* a = Handling(handling);
  auto* k = new QPushButton(QString::fromUtf8(tekst));
  // A click leaves the focus in the field being edited; the command commits
  // that field itself first.
  k->setFocusPolicy(Qt::TabFocus);
  k->setToolTip(a->toolTip());
  connect(k, &QPushButton::clicked, a, &QAction::trigger);
  connect(a, &QAction::changed, k, [k, a] { k->setEnabled(a->isEnabled()); });
  return k;
}

QWidget* THovedvindue::BygKnapper() {
  auto* kolonne = new QWidget;
  auto* v = new QVBoxLayout(kolonne);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(8);
  auto* ind = new QGroupBox(QStringLiteral("Inddata"));
  auto* vi = new QVBoxLayout(ind);
  vi->addWidget(NyKnap("Hent", "&Hent ..."));
  vi->addWidget(NyKnap("Gem", "&Gem"));
  vi->addWidget(NyKnap("GemSom", "Gem &som ..."));
  v->addWidget(ind);
  auto* res = new QGroupBox(QStringLiteral("Beregningsresultat"));
  auto* vr = new QVBoxLayout(res);
  vr->addWidget(NyKnap("Udskriv", "Udskriv (&Print) ..."));
  vr->addWidget(NyKnap("GemResultat", "Gem &Resultat ..."));
  // The menu's words, shortened to the column's width.
  vr->addWidget(NyKnap("GemDokumentation", "Dokumentation ..."));
  v->addWidget(res);
  v->addWidget(NyKnap("Brugervejledning", "Vis Brugervejledning"));
  v->addWidget(NyKnap("Afslut", "Afslut programmet"));

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
  // The strip of live verdict figures.
  stribeLevende_ = new QWidget;
  stribeLevende_->setObjectName(QStringLiteral("stribeLevende"));
  stribeLevende_->hide();
  v->addWidget(stribeLevende_);
  v->addStretch();
  kolonne->setFixedWidth(kolonne->sizeHint().width());
  return kolonne;
}

QList<QAction*> THovedvindue::Menupunkter() const {
  QList<QAction*> ud;
  for (QAction* a : menuBar()->actions()) {
    if (!a->menu()) {
      ud << a;
      continue;
    }
    for (QAction* b : a->menu()->actions())
      if (!b->isSeparator() && !b->menu()) ud << b;
  }
  return ud;
}

QPushButton* THovedvindue::Knap(const QString& tekst) const {
  for (QPushButton* k : findChildren<QPushButton*>())
    if (k->text() == tekst) return k;
  return nullptr;
}

// ---------------------------------------------------------------------------
// The commands.

void THovedvindue::KommandoKontrol(TFane fane) {
  // The drawing is built from the current input at every paint.
  VisFane(fane);
}

void THovedvindue::KommandoResultat() {
  Kommando([&] {
    VisStak(TFane::Resultat);
    VisResultat(true);
  });
}

void THovedvindue::KommandoHent() {
  Kommando([&] {
    std::string fil;
    if (HentProjektdata(side_, dlg_, &fil)) {
      VisStak(TFane::Inddata1);
      Aabnet(fil);
    }
  });
}

bool THovedvindue::KommandoAabn(const std::string& filnavn) {
  bool aabnet = false;
  Kommando([&] {
    if (HentProjektfil(side_, filnavn, dlg_)) {
      VisStak(TFane::Inddata1);
      Aabnet(filnavn);
      aabnet = true;
    }
  });
  return aabnet;
}

void THovedvindue::KommandoGem() {
  if (side_.Projektfil.empty()) {
    KommandoGemSom();
    return;
  }
  Kommando([&] {
    const std::string fil = side_.Projektfil;
    if (SkrivProjektfil(side_, fil, dlg_)) Gemt(fil);
  });
}

void THovedvindue::KommandoGemSom() {
  Kommando([&] {
    std::string fil;
    if (GemProjektdata(side_, dlg_, &fil)) Gemt(fil);
  });
}

void THovedvindue::KommandoUdskriv() {
  Kommando([&] {
    const TTekstlinjer* rapport = side_.Rapport ? &*side_.Rapport : nullptr;
    if (!ResultatFindes(rapport, dlg_)) return;
    UdskrivRapportlinjer(this, *rapport, dlg_, pdfUdskrift_);
  });
}

void THovedvindue::KommandoGemResultat() {
  Kommando([&] { GemResultat(side_, dlg_); });
}

void THovedvindue::KommandoGemDokumentation() {
  Kommando([&] {
    if (dokumentation_) {
      dokumentation_->raise();
      return;
    }
    dokumentation_ = AabnGemDokumentation(this, side_, ur_, dlg_, fil_);
  });
}

void THovedvindue::KommandoEksporter() {
  Kommando([&] {
    EksporterTabeller(side_, dlg_, fil_.empty() ? std::string() : std::filesystem::path(fil_).filename().string());
  });
}

void THovedvindue::SaetPdfUdskrift(std::string filnavn) {
  pdfUdskrift_ = filnavn;
  if (supplerendeSide_) supplerendeSide_->SaetPdfUdskrift(std::move(filnavn));
}

void THovedvindue::KommandoBrugervejledning() {
  Kommando([&] {
    const std::string pdf = side_.Programmappe + BrugervejledningFil;
    // Without a viewer the user can still open the file himself.
    if (!filAabner_(pdf))
      dlg_.Information("Brugervejledningen kunne ikke vises, da der ikke er noget program til PDF-filer.\r\n"
                       "Den ligger i filen\r\n" + pdf);
  });
}

void THovedvindue::KommandoOm() {
  if (!BekraeftFelt()) return;
  om_->Vis();
}

void THovedvindue::KommandoFortryd() {
  Kommando([&] {
    if (!fortryd_.KanFortryde()) return;
    SaetInddata(side_, fortryd_.Fortryd());
    if (fortryd_.ErGemt()) side_.InddataAendret = 0;
  });
}

void THovedvindue::KommandoGentag() {
  Kommando([&] {
    if (!fortryd_.KanGentage()) return;
    SaetInddata(side_, fortryd_.Gentag());
    if (fortryd_.ErGemt()) side_.InddataAendret = 0;
  });
}

void THovedvindue::KommandoIndstillinger() {
  Kommando([&] {
    if (indstillinger_) {
      indstillinger_->raise();
      return;
    }
    // Window-modal without a nested event loop, as the aid dialogs.
    auto* d = new TIndstillingsDialog(this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setFont(font());
    indstillinger_ = d;
    connect(d, &QDialog::accepted, this, [this] {
      Kommando([&] {
        // Read back as the command line reads it.
        TIndstillinger ind;
        LaesIndstillinger(IndstillingsfilNavn(), ind);
        if (const std::string firma = FirmanavnFraIndstillinger(ind); side_.Firmanavn != firma) {
          side_.Firmanavn = firma;
          // The report's head names the firm: a report shown is out of date.
          NulstilResultat(side_);
        }
      });
    });
    d->open();
  });
}

// ---------------------------------------------------------------------------
// Recent projects, kept in the settings file.

void THovedvindue::HuskProjekt(const std::string& filnavn) {
  const QString fil = QFileInfo(QString::fromStdString(filnavn)).absoluteFilePath();
  auto s = AabnIndstillinger();
  QStringList l = s->value(QStringLiteral("SenesteProjekter")).toStringList();
  l.removeAll(fil);
  l.prepend(fil);
  while (l.size() > AntalSenesteProjekter) l.removeLast();
  s->setValue(QStringLiteral("SenesteProjekter"), l);
  s->setValue(QStringLiteral("SidsteMappe"), QFileInfo(fil).absolutePath());
  s->sync();
  OpdaterSenesteMenu();
}

void THovedvindue::OpdaterSenesteMenu() {
  seneste_->clear();
  const QStringList l = AabnIndstillinger()->value(QStringLiteral("SenesteProjekter")).toStringList();
  for (int i = 0; i < l.size() && i < AntalSenesteProjekter; ++i) {
    const QString fil = l[i];
    QAction* a = seneste_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(fil).fileName()));
    a->setToolTip(fil);
    a->setData(fil);
    connect(a, &QAction::triggered, this, [this, fil] {
      if (!QFileInfo::exists(fil)) {
        auto s = AabnIndstillinger();
        QStringList r = s->value(QStringLiteral("SenesteProjekter")).toStringList();
        r.removeAll(fil);
        s->setValue(QStringLiteral("SenesteProjekter"), r);
        s->sync();
        OpdaterSenesteMenu();
        dlg_.Advarsel("Filen " + fil.toStdString() + " findes ikke længere.\r\n"
                      "Den er fjernet fra listen over seneste projekter.");
        return;
      }
      KommandoAabn(fil.toStdString());
    });
  }
  seneste_->setEnabled(!seneste_->isEmpty());
}

}  // namespace kvistor
