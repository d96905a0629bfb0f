#pragma once
// A main window on a temporary program folder, with the scripted dialog and
// a clock that counts the reports built.
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "app/hovedvindue.h"
#include "app/omvindue.h"
#include "common/optagende_dialog.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {

class TTaelleUr : public TUr {
 public:
  mutable int kald = 0;
  TTidspunkt Nu() const override {
    ++kald;
    return TTidspunkt{2026, 1, 2, 3, 4, 5};
  }
};

using test::TTestMappe;

struct TVindue {
  TSkriptetDialog dlg;
  TTaelleUr ur;
  std::unique_ptr<THovedvindue> w;
  explicit TVindue(const TTestMappe& mappe, const std::string& projekt = {}) {
    w = std::make_unique<THovedvindue>(dlg, ur, mappe.sti.string() + "/", projekt);
    w->SaetFilAabner([](const std::string&) { return true; });
    w->show();
    QApplication::setActiveWindow(w.get());
  }
  QLineEdit* Felt(TKontrol k) const { return qobject_cast<QLineEdit*>(w->Kontrol(k)); }
  // Types into a field (focus in, text replaced) without leaving it.
  void Skriv(TKontrol k, const QString& tekst) const {
    QLineEdit* e = Felt(k);
    e->setFocus(Qt::MouseFocusReason);
    e->selectAll();
    QTest::keyClicks(e, tekst);
  }
  void Tab() const { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  void KlikFane(TFane f) const {
    QTabBar* t = w->Faner();
    QTest::mouseClick(t, Qt::LeftButton, {}, t->tabRect(static_cast<int>(f)).center());
  }
};

}  // namespace kvistor
