#include "app/hovedvindue.h"

#include <algorithm>
#include <filesystem>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/indstillinger_dialog.h"
#include "app/omvindue.h"
#include "app/sidebyg.h"
#include "common/indstillinger.h"
#include "project/inddatafil.h"
#include "report/hoved.h"

namespace kvistor {

namespace {

using K = TKontrol;

// The one local .aid file a drag carries, else empty.
std::string TrukketProjekt(const QMimeData* m) {
  if (!m || !m->hasUrls() || m->urls().size() != 1) return {};
  const QUrl u = m->urls().first();
  if (!u.isLocalFile() || !u.toLocalFile().endsWith(QStringLiteral(".aid"), Qt::CaseInsensitive)) return {};
  return u.toLocalFile().toStdString();
}

// The program's icon, the gable of a duo-pitch roof with its purlins, as
// the installed icon shows it; drawn here, so it needs no image plug-in.
QIcon ProgramIkon() {
  QIcon ikon = QIcon::fromTheme(QStringLiteral("kvistor"));
  if (!ikon.isNull()) return ikon;
  for (int s : {16, 32, 64}) {
    QPixmap p(s, s);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.scale(s / 64.0, s / 64.0);
    m.setPen(QPen(QColor(0x5d, 0x7f, 0x99), 1));
    m.setBrush(QColor(0xe6, 0xf0, 0xf8));
    m.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 10, 10);
    m.setPen(QPen(QColor(0x56, 0x65, 0x6f), 0.8));
    m.setBrush(QColor(0xb8, 0xc4, 0xcc));
    m.drawRect(QRectF(9, 41, 4.5, 15));
    m.drawRect(QRectF(50.5, 41, 4.5, 15));
    m.setPen(QPen(QColor(0x7a, 0x4a, 0x21), 3.2, Qt::SolidLine, Qt::RoundCap));
    m.drawPolyline(QPolygonF({QPointF(6, 41), QPointF(32, 20), QPointF(58, 41)}));
    m.setPen(QPen(QColor(0x6b, 0x3f, 0x19), 0.8));
    m.setBrush(QColor(0xd9, 0xa5, 0x58));
    for (double t : {0.25, 0.5, 0.75}) {
      for (int side : {-1, 1}) {
        const QPointF p0(32 + side * 26 * (1 - t), 41 - 21 * (1 - t));
        m.save();
        m.translate(p0);
        m.rotate(side * 38.9);
        m.drawRect(QRectF(-2.7, -8.4, 5.4, 6.8));
        m.restore();
      }
    }
    m.end();
    ikon.addPixmap(p);
  }
  return ikon;
}

}  // namespace

THovedvindue::THovedvindue(TBrugerDialog& dlg, const TUr& ur, const std::string& programmappe,
                           const std::string& projekt, QWidget* foraelder)
    : QMainWindow(foraelder), dlg_(dlg), ur_(ur) {
  setObjectName(QStringLiteral("Form1"));
  setWindowIcon(ProgramIkon());
  setAcceptDrops(true);
  filAabner_ = [](const std::string& fil) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(fil)));
  };

  // An Arial-like face keeps the pages as compact as they were designed.
  QFont skrift = font();
  skrift.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), skrift.family()});
  skrift.setPointSize(9);
  setFont(skrift);

  BygHandlinger();
  BygMenuer();
  // The tabs run across the whole window, so all captions fit at the
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
  stak_ = new QStackedWidget;
  stak_->setFrameShape(QFrame::StyledPanel);
  QWidget* knapper = BygKnapper();
  // The design aids: the strip in its slot, the page "Kurver".
  BygHjaelpemidler();
  BygSider();
  lodret->addWidget(faner_);
  vandret->addWidget(stak_, 1);
  vandret->addWidget(knapper);
  lodret->addLayout(vandret, 1);
  setCentralWidget(midte);

  connect(faner_, &QTabBar::currentChanged, this, [this](int i) { SkiftFane(i); });
  auto genvej = [this](QKeySequence tast, int skridt) {
    auto* s = new QShortcut(tast, this);
    connect(s, &QShortcut::activated, this, [this, skridt] {
      faner_->setCurrentIndex((faner_->currentIndex() + skridt + faner_->count()) % faner_->count());
    });
  };
  genvej(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
  genvej(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
  genvej(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
  genvej(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);

  // Start-up: the lists, then "Standard.aid" (or the project asked for).
  travl_ = true;
  std::string fil;
  side_ = StartInddataside(programmappe, dlg_, projekt, &fil);
  // The firm and the folder of the settings, the same file the command line
  // reads.
  {
    TIndstillinger indstillinger;
    LaesIndstillinger(IndstillingsfilNavn(), indstillinger);
    side_.Firmanavn = FirmanavnFraIndstillinger(indstillinger);
    side_.Filmappe = LaesTekst(indstillinger, "SidsteMappe").value_or("");
  }
  Aabnet(fil);
  side_.Fokus.reset();
  side_.AktivSide = TSide::Inddata1;
  om_ = new TOmVindue(this);
  om_->hide();

  Opdater();
  travl_ = false;
  // Tight margins in the groups, as on a dense engineering form.
  for (QGroupBox* g : findChildren<QGroupBox*>())
    if (g->layout() && !g->title().isEmpty()) g->layout()->setContentsMargins(6, 4, 6, 4);
  Placer();
  kontroller_[K::EditProjektnavn]->setFocus(Qt::OtherFocusReason);
}

THovedvindue::~THovedvindue() = default;

// Outer size 800 x 570 to 1200 x 800 (the frame takes about 8 x 30), the
// remembered size and place when there is one, and always inside the
// screen's free area, whatever the scale: a window larger than the screen
// has buttons no one can reach.
void THovedvindue::Placer() {
  const QScreen* s = QGuiApplication::primaryScreen();
  const QRect fri = s ? s->availableGeometry() : QRect(0, 0, 1200, 800);
  const QSize ramme(8, 30);
  const QSize plads = (fri.size() - ramme).expandedTo(QSize(200, 150));
  setMinimumSize(QSize(792, 540).boundedTo(plads));
  setMaximumSize(QSize(1192, 770).boundedTo(plads).expandedTo(minimumSize()));
  resize(QSize(792, 654).boundedTo(maximumSize()));
  QRect r(QPoint(), size() + ramme);
  r.moveCenter(fri.center());
  const auto ind = AabnIndstillinger();
  const QRect husket = ind->value(QStringLiteral("Vindue/Placering")).toRect();
  if (husket.isValid()) {
    resize(husket.size().boundedTo(maximumSize()).expandedTo(minimumSize()));
    r = QRect(husket.topLeft(), size() + ramme);
  }
  // Pushed back inside the free area where it sticks out.
  r.moveLeft(std::clamp(r.left(), fri.left(), std::max(fri.left(), fri.right() + 1 - r.width())));
  r.moveTop(std::clamp(r.top(), fri.top(), std::max(fri.top(), fri.bottom() + 1 - r.height())));
  move(r.topLeft());
}

void THovedvindue::OpdaterTitel() {
  // "Projektnavn – fil.aid – Kvistor"; the marker shows while the input
  // differs from the file.
  QStringList dele;
  if (!side_.Inddata.Projektnavn.empty()) dele << QString::fromStdString(side_.Inddata.Projektnavn);
  if (!fil_.empty()) dele << QFileInfo(QString::fromStdString(fil_)).fileName();
  if (dele.isEmpty()) dele << QStringLiteral("Uden navn");
  dele.last() += QStringLiteral("[*]");
  dele << QStringLiteral("Kvistor");
  setWindowTitle(dele.join(QStringLiteral(" – ")));
  setWindowModified(side_.InddataAendret != 0);
  Handling("Fortryd")->setEnabled(fortryd_.KanFortryde());
  Handling("Gentag")->setEnabled(fortryd_.KanGentage());
}

void THovedvindue::Aabnet(const std::string& filnavn) {
  fortryd_.Start(side_.Inddata);
  Gemt(filnavn);
}

void THovedvindue::Gemt(const std::string& filnavn) {
  fil_ = filnavn;
  fortryd_.MarkerGemt();
  // The default projects, the program's and the user's own, are no files of
  // the user's: "Gem" asks for a name, and their folders are no place to
  // start the dialogs in. A project of the user's may have the same name.
  const auto samme = [&filnavn](const std::string& standard) {
    std::error_code fejl;
    return !standard.empty() && std::filesystem::equivalent(filnavn, standard, fejl);
  };
  const bool egen = !filnavn.empty() &&
                    !samme(side_.Programmappe + std::string(StandardInddatafil)) &&
                    !samme(BrugerStandardfil());
  side_.Projektfil = egen ? filnavn : std::string();
  if (egen) {
    side_.Filmappe = QFileInfo(QString::fromStdString(filnavn)).absolutePath().toStdString();
    HuskProjekt(filnavn);
  }
}

void THovedvindue::HuskTrin() { fortryd_.Tilfoej(side_.Inddata); }

void THovedvindue::Bind(QWidget* w, TKontrol k) {
  kontroller_[k] = w;
  bundne_[w] = k;
  w->setObjectName(Q(FeltRaekke(k).Navn));
  w->installEventFilter(this);
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
  side_.MarkerFokustekst = false;
  afvistMaal_ = nullptr;
  f();
  sidsteForladOk_ = !side_.Fokus.has_value();
  HuskTrin();
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
  // Ctrl+Z and Ctrl+Y in a field undo its typing while there is some; in a
  // field as the model holds it they undo and redo the window's steps.
  if (e->type() == QEvent::ShortcutOverride) {
    auto* t = static_cast<QKeyEvent*>(e);
    const bool fortryd = t->matches(QKeySequence::Undo) || t->matches(QKeySequence::Redo) ||
                         QKeySequence(t->keyCombination()) == QKeySequence(Qt::CTRL | Qt::Key_Y);
    const auto it = bundne_.find(objekt);
    if (fortryd && it != bundne_.end() && !FeltAendret(it->second)) return true;
  }
  // A project dropped on a field opens, as on the rest of the window; the
  // field would take its name as text.
  if (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove || e->type() == QEvent::Drop) {
    auto* d = static_cast<QDropEvent*>(e);
    if (!TrukketProjekt(d->mimeData()).empty()) {
      if (e->type() == QEvent::Drop) dropEvent(d);
      else d->acceptProposedAction();
      return true;
    }
  }
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

void THovedvindue::dragEnterEvent(QDragEnterEvent* e) {
  if (!TrukketProjekt(e->mimeData()).empty()) e->acceptProposedAction();
}

void THovedvindue::dropEvent(QDropEvent* e) {
  const std::string fil = TrukketProjekt(e->mimeData());
  if (fil.empty()) return;
  e->acceptProposedAction();
  // Opened after the drag has ended: the save question is a dialog of its own.
  QMetaObject::invokeMethod(this, [this, fil] { KommandoAabn(fil); }, Qt::QueuedConnection);
}

void THovedvindue::closeEvent(QCloseEvent* e) {
  if (travl_ || !BekraeftFelt()) {
    e->ignore();
    return;
  }
  travl_ = true;
  const bool luk = MaaLukke(side_, dlg_);
  travl_ = false;
  // Annuller, Escape, or a save that was cancelled or failed: the window
  // and the input stay.
  if (!luk) {
    e->ignore();
    Opdater();
    return;
  }
  AabnIndstillinger()->setValue(QStringLiteral("Vindue/Placering"), QRect(pos(), size()));
  om_->close();
  e->accept();
}

QWidget* THovedvindue::Kontrol(TKontrol k) const { return kontroller_.at(k); }

}  // namespace kvistor
