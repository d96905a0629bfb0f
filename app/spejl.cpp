// The model onto the widgets: after every handler and command the window
// shows what the model holds, and a test can ask whether it does.
#include <algorithm>

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>

#include "app/hovedvindue.h"
#include "app/sidebyg.h"
#include "app/tegneflade.h"

namespace kvistor {

namespace {

using K = TKontrol;
constexpr int SidsteKontrol = AntalKontroller - 1;

// An open list is as wide as its longest item, so a material's whole name
// can be read; the closed box keeps the width of its page.
void VisListenBred(QComboBox* c) {
  int bredest = 0;
  const QFontMetrics fm(c->font());
  for (int i = 0; i < c->count(); ++i) bredest = std::max(bredest, fm.horizontalAdvance(c->itemText(i)));
  c->view()->setMinimumWidth(bredest + 2 * fm.averageCharWidth() + 24);
}

}  // namespace

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
      if (!ens) VisListenBred(c);
    } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
      QSignalBlocker b(c);
      c->setChecked(*RadioFelt(side_, k) == 1);
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
    VisStak(side_.AktivSide == TSide::Inddata1 ? TFane::Inddata1 : TFane::Inddata2);
    QWidget* felt = kontroller_.at(*side_.Fokus);
    felt->setFocus(Qt::OtherFocusReason);
    // A refused value was put back: selected, to be typed over. After the
    // event that left the field, which would clear the selection again.
    if (auto* e = qobject_cast<QLineEdit*>(felt); e && side_.MarkerFokustekst)
      QTimer::singleShot(0, e, [e] {
        if (e->hasFocus()) e->selectAll();
      });
    side_.MarkerFokustekst = false;
    // At a small window size the field may sit outside the visible part.
    if (auto* rulle = qobject_cast<QScrollArea*>(stak_->currentWidget())) rulle->ensureWidgetVisible(felt);
    aktivt_ = *side_.Fokus;
    side_.Fokus.reset();
  }
  OpdaterTitel();
  OpdaterStrimmel();
  const TFane fane = AktivFane();
  if (fane == TFane::KontrolTvaer || fane == TFane::KontrolLaengde) tegninger_.at(fane)->update();
}

std::string THovedvindue::SammenlignMedModel() const {
  TInddataside& m = const_cast<TInddataside&>(side_);
  for (int i = 0; i <= SidsteKontrol; ++i) {
    const TKontrol k = static_cast<TKontrol>(i);
    const QWidget* w = kontroller_.at(k);
    const std::string navn(FeltRaekke(k).Navn);
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
    } else if (const auto* c = qobject_cast<const QCheckBox*>(w)) {
      if (c->isChecked() != (*RadioFelt(m, k) == 1)) return navn + ": afkrydsning";
    } else if (const int* r = RadioFelt(m, k)) {
      if (radioer_.at(k)->checkedId() != *r) return navn + ": radiopunkt";
    }
  }
  const bool noter[3] = {side_.AdvarAas, side_.AdvarSamling, side_.AdvarNedbojn};
  for (int i = 0; i < 3; ++i)
    if (noter_[i]->isHidden() == noter[i]) return "note " + std::to_string(i);
  if (resultat_->toPlainText() != (side_.Rapport ? SomTekst(*side_.Rapport) : QString()))
    return "resultattekst";
  if (faner_->currentIndex() != stak_->currentIndex()) return "fane og side";
  if ((AktivFane() == TFane::Inddata1 && side_.AktivSide != TSide::Inddata1) ||
      (AktivFane() == TFane::Inddata2 && side_.AktivSide != TSide::Inddata2))
    return "aktiv side";
  if (firmanavn_->text().toStdString() != side_.Firmanavn) return "firmanavn";
  return {};
}




}  // namespace kvistor
