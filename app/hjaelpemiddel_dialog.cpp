#include "app/hjaelpemiddel_dialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kvistor {

namespace {

// A search shorter than this shows no progress bar, so a quick one does not
// flicker.
constexpr qint64 FremdriftEfterMs = 200;

}  // namespace

THjaelpemiddelDialog::THjaelpemiddelDialog(const QString& titel, TSoegning soegning, QWidget* foraelder)
    : QDialog(foraelder) {
  setWindowTitle(titel);
  setObjectName(QStringLiteral("Hjaelpemiddel"));
  auto* v = new QVBoxLayout(this);
  v->setSpacing(6);
  auto* valg = new QHBoxLayout;
  valg->setContentsMargins(0, 0, 0, 0);
  v->addLayout(valg);
  valg_ = valg;
  kurve_ = new TTegneflade({});
  kurve_->setMinimumHeight(190);
  kurve_->hide();
  v->addWidget(kurve_, 2);
  tabel_ = new QTableWidget;
  tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabel_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabel_->verticalHeader()->hide();
  tabel_->verticalHeader()->setDefaultSectionSize(tabel_->fontMetrics().height() + 6);
  tabel_->setAlternatingRowColors(true);
  tabel_->setMinimumHeight(tabel_->verticalHeader()->defaultSectionSize() * 7);
  v->addWidget(tabel_, 3);
  note_ = new QLabel(QStringLiteral("Søger ..."));
  note_->setWordWrap(true);
  note_->setTextFormat(Qt::PlainText);
  note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  v->addWidget(note_);
  auto* knapper = new QHBoxLayout;
  fremdrift_ = new QProgressBar;
  fremdrift_->setTextVisible(true);
  fremdrift_->hide();
  knapper->addWidget(fremdrift_, 1);
  knapper->addStretch();
  brug_ = new QPushButton(QStringLiteral("Brug"));
  brug_->setEnabled(false);
  brug_->setDefault(true);
  annuller_ = new QPushButton(QStringLiteral("Annuller"));
  knapper->addWidget(brug_);
  knapper->addWidget(annuller_);
  v->addLayout(knapper);
  resize(760, 520);

  connect(brug_, &QPushButton::clicked, this, [this] { KlikBrug(); });
  connect(annuller_, &QPushButton::clicked, this, [this] { reject(); });
  connect(tabel_, &QTableWidget::itemSelectionChanged, this, [this] { OpdaterBrugKnap(); });
  connect(tabel_, &QTableWidget::cellDoubleClicked, this, [this] {
    if (brug_->isEnabled()) KlikBrug();
  });

  ur_ = new QTimer(this);
  ur_->setInterval(50);
  connect(ur_, &QTimer::timeout, this, [this] { VisFremdrift(); });
  Start(std::move(soegning));
}

void THjaelpemiddelDialog::TilfoejValg(QWidget* valg) { valg_->addWidget(valg); }

void THjaelpemiddelDialog::Genstart(TSoegning soegning) {
  arbejder_.request_stop();
  if (arbejder_.joinable()) arbejder_.join();
  faerdig_ = false;
  resultat_.reset();
  tabel_->clearSelection();
  tabel_->setRowCount(0);
  note_->setText(QStringLiteral("Søger ..."));
  TilpasNote();
  kurve_->hide();
  faerdige_ = 0;
  ialt_ = 0;
  OpdaterBrugKnap();
  Start(std::move(soegning));
}

void THjaelpemiddelDialog::Start(TSoegning soegning) {
  const unsigned nr = ++soegningNr_;
  start_.start();
  ur_->start();
  arbejder_ = std::jthread([this, nr, soegning = std::move(soegning)](std::stop_token stop) {
    TSoegeStyring styring;
    styring.Stop = stop;
    styring.Fremdrift = [this](std::size_t f, std::size_t i) {
      ialt_.store(i, std::memory_order_relaxed);
      faerdige_.store(f, std::memory_order_relaxed);
    };
    auto r = std::make_shared<THjaelpemiddelResultat>(soegning(styring));
    // The dialog joins this thread before it goes, so it is still there to
    // receive the result (a queued call to a deleted object is dropped).
    QMetaObject::invokeMethod(
        this, [this, r, nr] {
          if (nr == soegningNr_) VisResultat(r);
        },
        Qt::QueuedConnection);
  });
}

THjaelpemiddelDialog::~THjaelpemiddelDialog() {
  arbejder_.request_stop();
  if (arbejder_.joinable()) arbejder_.join();
}

void THjaelpemiddelDialog::VisFremdrift() {
  if (faerdig_ || start_.elapsed() < FremdriftEfterMs) return;
  const std::size_t ialt = ialt_.load(std::memory_order_relaxed);
  fremdrift_->setRange(0, static_cast<int>(std::max<std::size_t>(ialt, 1)));
  fremdrift_->setValue(static_cast<int>(faerdige_.load(std::memory_order_relaxed)));
  fremdrift_->setFormat(QStringLiteral("%v af %m beregninger"));
  fremdrift_->show();
}

void THjaelpemiddelDialog::VisResultat(std::shared_ptr<THjaelpemiddelResultat> r) {
  faerdig_ = true;
  ur_->stop();
  fremdrift_->hide();
  resultat_ = std::move(r);
  const THjaelpemiddelResultat& res = *resultat_;
  tabel_->setColumnCount(static_cast<int>(res.Titler.size()));
  tabel_->setHorizontalHeaderLabels(res.Titler);
  tabel_->setRowCount(static_cast<int>(res.Raekker.size()));
  for (int i = 0; i < tabel_->rowCount(); ++i) {
    const QStringList& raekke = res.Raekker[static_cast<std::size_t>(i)];
    for (int j = 0; j < raekke.size(); ++j) {
      auto* celle = new QTableWidgetItem(raekke[j]);
      // Figures line up on the right, names on the left.
      const bool tal = static_cast<std::size_t>(j) < res.Hoejrestillet.size() &&
                       res.Hoejrestillet[static_cast<std::size_t>(j)];
      celle->setTextAlignment(Qt::AlignVCenter | (tal ? Qt::AlignRight : Qt::AlignLeft));
      tabel_->setItem(i, j, celle);
    }
  }
  tabel_->resizeColumnsToContents();
  // The dialog widens so that every column shows whole, as far as the
  // screen allows; the table scrolls beyond that.
  int bredde = tabel_->frameWidth() * 2 + tabel_->verticalScrollBar()->sizeHint().width();
  for (int j = 0; j < tabel_->columnCount(); ++j) bredde += tabel_->columnWidth(j);
  const int ekstra = width() - tabel_->width();
  const QRect skaerm = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
  const int oensket = std::min(bredde + ekstra, skaerm.width() - 40);
  if (oensket > width()) resize(oensket, height());
  note_->setText(res.Note);
  TilpasNote();
  // And grows, as far as the screen allows, so that the note and a few
  // rows of the table fit together.
  layout()->activate();
  const int hoejde = std::min(layout()->minimumSize().height(), skaerm.height() - 40);
  if (hoejde > height()) resize(width(), hoejde);
  if (res.Kurve) {
    kurve_->SaetTegner(res.Kurve);
    kurve_->show();
  }
  if (res.Valgt >= 0 && res.Valgt < tabel_->rowCount()) {
    tabel_->selectRow(res.Valgt);
    tabel_->scrollToItem(tabel_->item(res.Valgt, 0), QAbstractItemView::PositionAtCenter);
  }
  OpdaterBrugKnap();
}

void THjaelpemiddelDialog::TilpasNote() {
  // The note (what is minimised, the price basis, the counts) is read
  // whole: the table gives up height rather than the note. A wrapped label
  // does not claim its height through the layout by itself.
  const int h = note_->heightForWidth(std::max(note_->width(), 200));
  if (h > 0 && note_->minimumHeight() != h) note_->setMinimumHeight(h);
}

void THjaelpemiddelDialog::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  TilpasNote();
}

void THjaelpemiddelDialog::OpdaterBrugKnap() {
  const int r = tabel_->currentRow();
  const auto& sel = tabel_->selectionModel()->selectedRows();
  brug_->setEnabled(faerdig_ && resultat_ && resultat_->Brug && !sel.isEmpty() && r >= 0 &&
                    static_cast<std::size_t>(r) < resultat_->Brugbar.size() &&
                    resultat_->Brugbar[static_cast<std::size_t>(r)]);
}

void THjaelpemiddelDialog::KlikBrug() {
  if (!brug_->isEnabled()) return;
  // Taken before the dialog closes: it may be deleted on closing.
  const int raekke = tabel_->currentRow();
  const std::function<void(int)> brug = resultat_->Brug;
  accept();
  brug(raekke);
}

void THjaelpemiddelDialog::reject() {
  // The calculations under way finish within a millisecond; the thread is
  // joined when the dialog goes.
  arbejder_.request_stop();
  QDialog::reject();
}

}  // namespace kvistor
