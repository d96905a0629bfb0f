#pragma once
// The dialog of a design aid: the search runs on the core's threads while
// the dialog stays responsive; after 0,2 s a progress bar shows how far it
// has come, and "Annuller" stops it. The result is a table (and, for the
// hinge-offset scan, a curve above it); "Brug" hands the chosen row to the
// caller, who applies it through the input-page model.
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>

#include "app/tegneflade.h"
#include "design/parallel.h"

class QLabel;
class QLayout;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace kvistor {

// What a finished search shows.
struct THjaelpemiddelResultat {
  QStringList Titler;
  std::vector<QStringList> Raekker;
  std::vector<bool> Hoejrestillet;  // per column: figures to the right
  std::vector<bool> Brugbar;  // rows "Brug" may apply (a failing row may not)
  int Valgt = -1;             // row chosen at first
  QString Note;               // counts, the 1/7 rule, why nothing was found
  TTegner Kurve;              // empty: no curve
  // Applies row i; called on the window's thread after the dialog closed.
  std::function<void(int)> Brug;
};

class THjaelpemiddelDialog : public QDialog {
 public:
  using TSoegning = std::function<THjaelpemiddelResultat(const TSoegeStyring&)>;

  // Starts the search at once on a worker thread.
  THjaelpemiddelDialog(const QString& titel, TSoegning soegning, QWidget* foraelder = nullptr);
  ~THjaelpemiddelDialog() override;

  bool Faerdig() const { return faerdig_; }
  QTableWidget* Tabel() const { return tabel_; }
  QPushButton* BrugKnap() const { return brug_; }
  QPushButton* AnnullerKnap() const { return annuller_; }
  QProgressBar* Fremdrift() const { return fremdrift_; }
  QLabel* Note() const { return note_; }

  // Also Escape and the close box: the search is told to stop.
  void reject() override;

  void resizeEvent(QResizeEvent* e) override;

  // A row of choices above the table (the supplementary checks' tick boxes).
  void TilfoejValg(QWidget* valg);
  // Stops the search under way and runs `soegning` instead, as at the start;
  // the result of the one stopped is never shown.
  void Genstart(TSoegning soegning);

 private:
  void Start(TSoegning soegning);
  void VisResultat(std::shared_ptr<THjaelpemiddelResultat> r);
  void VisFremdrift();
  void KlikBrug();
  void OpdaterBrugKnap();
  void TilpasNote();

  QLayout* valg_ = nullptr;
  QTableWidget* tabel_ = nullptr;
  TTegneflade* kurve_ = nullptr;
  QLabel* note_ = nullptr;
  QProgressBar* fremdrift_ = nullptr;
  QPushButton* brug_ = nullptr;
  QPushButton* annuller_ = nullptr;
  QTimer* ur_ = nullptr;
  QElapsedTimer start_;
  std::atomic<std::size_t> faerdige_{0}, ialt_{0};
  bool faerdig_ = false;
  unsigned soegningNr_ = 0;  // the search whose result is awaited
  std::shared_ptr<THjaelpemiddelResultat> resultat_;
  std::jthread arbejder_;  // last: joined before the members above go
};

}  // namespace kvistor
