#pragma once
// The main window: eight pages, the command buttons beside them, the three
// red warning notes and the main menu. It owns the input-page model and only
// mirrors it: a widget event calls the model's handler, and the window then
// refreshes every widget from the model. A field being edited is committed,
// as if left, before any command runs.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include <QMainWindow>
#include <QPointer>

#include "common/dialog.h"
#include "common/ur.h"
#include "project/inddataside.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace kvistor {

class TOmVindue;
class TTegneflade;
class TDomStrimmelVisning;
class THjaelpemiddelDialog;
class TKurveside;
struct THjaelpemiddelResultat;
struct TSoegeStyring;

// The pages in tab order.
enum class TFane {
  Inddata1, Inddata2, HjaelpTvaer, HjaelpLaengde, KontrolTvaer, KontrolLaengde, Resultat, Kurver
};
inline constexpr int AntalFaner = 8;

class THovedvindue : public QMainWindow {
 public:
  // Start-up: builds the window, fills the lists and reads "Standard.aid"
  // from the program folder (or `projekt` instead, when given).
  THovedvindue(TBrugerDialog& dlg, const TUr& ur, const std::string& programmappe,
               const std::string& projekt = {}, QWidget* foraelder = nullptr);
  ~THovedvindue() override;

  const TInddataside& Side() const { return side_; }
  TFane AktivFane() const;

  // Commands (buttons and menu items run these).
  void VisFane(TFane fane);
  void KommandoHent();
  void KommandoGemSom();
  void KommandoUdskriv();
  void KommandoGemResultat();
  void KommandoBrugervejledning();
  void KommandoKontrol(TFane fane);
  void KommandoResultat();
  void KommandoOm();

  // Seams for tests and tools: print into a PDF file instead of showing the
  // print dialog; open files some other way than through the desktop.
  void SaetPdfUdskrift(std::string filnavn) { pdfUdskrift_ = std::move(filnavn); }
  void SaetFilAabner(std::function<void(const std::string&)> aabner) { filAabner_ = std::move(aabner); }

  // The widgets, for tests, screenshots and benchmarks.
  QWidget* Kontrol(TKontrol k) const;
  QTabBar* Faner() const { return faner_; }
  QPlainTextEdit* Resultatfelt() const { return resultat_; }
  QLabel* Note(int i) const { return noter_[i]; }
  QPushButton* Knap(const QString& tekst) const;
  QList<QAction*> Menupunkter() const;
  TTegneflade* Tegning(TFane fane) const;
  TOmVindue* OmVindue() const { return om_; }
  // The slot beside the pages kept for the live verdict figures.
  QWidget* StribeLevende() const { return stribeLevende_; }

  // Empty when every widget shows what the model holds; otherwise the first
  // difference found.
  std::string SammenlignMedModel() const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* objekt, QEvent* e) override;

 private:
  void BygMenu();
  QWidget* BygInddata1();
  QWidget* BygInddata2();
  QWidget* BygHjaelpside(int billede);
  QWidget* BygKontrolside(TFane fane, const QStringList& titler);
  QWidget* BygKnapper();

  QLineEdit* NytTalfelt(TKontrol k);
  QLineEdit* NytTekstfelt(TKontrol k);
  QComboBox* NyListe(TKontrol k, bool skrivbar);
  QWidget* NyRadiogruppe(TKontrol k, const QString& titel, int kolonner);
  QCheckBox* NyAfkrydsning(TKontrol k);

  void Bind(QWidget* w, TKontrol k);
  bool Kommando(const std::function<void()>& f);
  void Haandter(const std::function<void()>& f);
  bool BekraeftFelt();
  bool FeltAendret(TKontrol k) const;
  void Forlad(TKontrol k);
  void SkiftFane(int indeks);
  void VisStak(int indeks);
  void VisResultat(bool somKommando);
  void Opdater();
  void Centrer();
  void SaetNyRapport();

  TBrugerDialog& dlg_;
  const TUr& ur_;
  TInddataside side_;

  QTabBar* faner_ = nullptr;
  QStackedWidget* stak_ = nullptr;
  QPlainTextEdit* resultat_ = nullptr;
  QLabel* noter_[3] = {};
  QWidget* stribeLevende_ = nullptr;
  QLineEdit* firmanavn_ = nullptr;
  TOmVindue* om_ = nullptr;
  std::map<TKontrol, QWidget*> kontroller_;
  std::map<TKontrol, QButtonGroup*> radioer_;
  std::map<QObject*, TKontrol> bundne_;
  std::map<TFane, TTegneflade*> tegninger_;

  std::optional<TKontrol> aktivt_;  // the edit or typed list that has the focus
  QWidget* afvistMaal_ = nullptr;   // took the focus from a leave that failed
  bool travl_ = false;              // a handler or command runs
  bool sidsteForladOk_ = true;     // the last handler asked for no focus
  bool rapportVist_ = false;
  std::string pdfUdskrift_;
  std::function<void(const std::string&)> filAabner_;

  // The design aids: live-verdict strip, aid dialogs and the page "Kurver"
  // (hovedvindue_hjaelpemidler.cpp).
 public:
  void KommandoFindMindsteTvaersnit();
  void KommandoOptimerCharnierforskydning();
  void KommandoFindBilligsteAas();
  TDomStrimmelVisning* Strimmel() const { return strimmel_; }
  TKurveside* Kurveside() const { return kurveside_; }
  // The open aid dialog, if any.
  THjaelpemiddelDialog* Hjaelpemiddel() const;

 private:
  void BygHjaelpemidler();
  QWidget* BygHjaelpemiddelKnapper();
  void OpdaterStrimmel();
  void VisKurver();
  bool KlarTilHjaelpemiddel();
  void AabnHjaelpemiddel(const QString& titel,
                         std::function<THjaelpemiddelResultat(const TSoegeStyring&)> soegning);

  TDomStrimmelVisning* strimmel_ = nullptr;
  TKurveside* kurveside_ = nullptr;
  QCheckBox* alleKlasser_ = nullptr;
  QPointer<QWidget> hjaelpemiddel_;
};

}  // namespace kvistor
