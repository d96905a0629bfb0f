#pragma once
// The main window: the pages, the command buttons beside them, the three
// red warning notes and the menus. It owns the input-page model and only
// mirrors it: a widget event calls the model's handler, and the window then
// refreshes every widget from the model. A field being edited is committed,
// as if left, before any command runs.
//
// Its parts live in files by role: the window itself and its events here
// (hovedvindue.cpp), the model onto the widgets (spejl.cpp), the input pages
// (inddatasider.cpp), the page list and the drawing and result pages
// (sider.cpp), the commands with their actions, menus and buttons
// (kommandoer.cpp), and the design aids (hovedvindue_hjaelpemidler.cpp).
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "app/fortryd.h"
#include "common/dialog.h"
#include "common/ur.h"
#include "project/inddataside.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
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
class TSupplerendeSide;
class TSupplerendeStrimmelVisning;
struct THjaelpemiddelResultat;
struct TSoegeStyring;

// The pages, in tab order (the page list in sider.cpp adds them in this
// order).
enum class TFane {
  Inddata1, Inddata2, HjaelpTvaer, HjaelpLaengde, KontrolTvaer, KontrolLaengde, Resultat, Supplerende, Kurver
};
// The number of pages: one past the last of them.
inline constexpr int AntalFaner = static_cast<int>(TFane::Kurver) + 1;

// The most recent projects the "Filer" menu offers.
inline constexpr int AntalSenesteProjekter = 8;

class THovedvindue : public QMainWindow {
 public:
  // Start-up: builds the window, fills the lists and reads "Standard.aid"
  // from the program folder (or `projekt` instead, when given).
  THovedvindue(TBrugerDialog& dlg, const TUr& ur, const std::string& programmappe,
               const std::string& projekt = {}, QWidget* foraelder = nullptr);
  ~THovedvindue() override;

  const TInddataside& Side() const { return side_; }
  TFane AktivFane() const;
  // The file the window shows and its title names, the default project's
  // included; empty while there is none. (side_.Projektfil leaves the
  // default project out: "Gem" asks for a name there.)
  const std::string& Projektfil() const { return fil_; }

  // Commands (their actions run these).
  void VisFane(TFane fane);
  void KommandoHent();
  void KommandoGem();
  void KommandoGemSom();
  void KommandoUdskriv();
  void KommandoGemResultat();
  void KommandoBrugervejledning();
  void KommandoKontrol(TFane fane);
  void KommandoResultat();
  void KommandoOm();
  void KommandoFortryd();
  void KommandoGentag();
  void KommandoIndstillinger();
  // The calculation document and the result tables (dokumentation_dialog.h,
  // eksport.h).
  void KommandoGemDokumentation();
  void KommandoEksporter();
  // Opens a named file as "Hent" does: a recent file, a dropped file.
  bool KommandoAabn(const std::string& filnavn);

  // Seams for tests and tools: print into a PDF file instead of showing the
  // print dialog; open files some other way than through the desktop.
  void SaetPdfUdskrift(std::string filnavn);
  void SaetFilAabner(std::function<bool(const std::string&)> aabner) { filAabner_ = std::move(aabner); }

  // The widgets, for tests, screenshots and benchmarks.
  QWidget* Kontrol(TKontrol k) const;
  QTabBar* Faner() const { return faner_; }
  QPlainTextEdit* Resultatfelt() const { return resultat_; }
  QLabel* Note(int i) const { return noter_[i]; }
  QPushButton* Knap(const QString& tekst) const;
  QList<QAction*> Menupunkter() const;
  // The action of a command by its name ("Gem", "Hent", "Fortryd", ...).
  QAction* Handling(const char* navn) const;
  QMenu* SenesteMenu() const { return seneste_; }
  TTegneflade* Tegning(TFane fane) const;
  TOmVindue* OmVindue() const { return om_; }
  TSupplerendeSide* SupplerendeSide() const { return supplerendeSide_; }
  TSupplerendeStrimmelVisning* SupplerendeStrimmel() const { return supplStrimmel_; }
  // The open settings dialog, if any.
  QWidget* IndstillingsDialog() const { return indstillinger_.data(); }
  // The open dialog of "Gem dokumentation (PDF) ...", if any.
  QWidget* DokumentationsDialog() const { return dokumentation_.data(); }
  // The slot beside the pages kept for the live verdict figures.
  QWidget* StribeLevende() const { return stribeLevende_; }
  const TFortrydelse& Fortrydelse() const { return fortryd_; }

  // Empty when every widget shows what the model holds; otherwise the first
  // difference found.
  std::string SammenlignMedModel() const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* objekt, QEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  // The page list (sider.cpp): a page is one line there.
  void BygSider();
  void TilfoejSide(TFane fane, const char* titel, QWidget* side);
  QWidget* BygInddata1();
  QWidget* BygInddata2();
  QWidget* BygHjaelpside(int billede);
  QWidget* BygKontrolside(TFane fane, const QStringList& titler);
  QWidget* BygResultatside();

  // The commands (kommandoer.cpp): an action, a menu entry or a button is
  // one line there.
  void BygHandlinger();
  void BygMenuer();
  QWidget* BygKnapper();
  QAction* NyHandling(const char* navn, const char* tekst, const QKeySequence& genvej,
                      std::function<void()> f);
  QPushButton* NyKnap(const char* handling, const char* tekst);
  void OpdaterSenesteMenu();
  void HuskProjekt(const std::string& filnavn);

  QLineEdit* NytTalfelt(TKontrol k);
  QLineEdit* NytTekstfelt(TKontrol k);
  QComboBox* NyListe(TKontrol k, bool skrivbar);
  QWidget* NyRadiogruppe(TKontrol k, const QString& titel, int kolonner);
  QCheckBox* NyAfkrydsning(TKontrol k);

  void Bind(QWidget* w, TKontrol k);
  bool Kommando(const std::function<void()>& f);
  void Haandter(const std::function<void()>& f);
  bool BekraeftFelt();
  // A click on `w` whose own focus change failed a field's leave: the click
  // is undone on screen and goes no further.
  bool KlikEfterAfvisning(QWidget* w);
  bool FeltAendret(TKontrol k) const;
  void Forlad(TKontrol k);
  void SkiftFane(int indeks);
  void VisStak(TFane fane);
  void VisResultat(bool somKommando);
  void Opdater();
  void OpdaterTitel();
  void Placer();
  void SaetNyRapport();
  // After a project was opened or saved under `filnavn`: it becomes the
  // window's file, the undo history starts afresh or is marked saved.
  void Aabnet(const std::string& filnavn);
  void Gemt(const std::string& filnavn);
  // Takes an accepted change onto the undo history.
  void HuskTrin();

  TBrugerDialog& dlg_;
  const TUr& ur_;
  TInddataside side_;
  std::string fil_;
  TFortrydelse fortryd_;

  QTabBar* faner_ = nullptr;
  QStackedWidget* stak_ = nullptr;
  std::vector<TFane> sider_;  // the page at each tab
  QPlainTextEdit* resultat_ = nullptr;
  QLabel* noter_[3] = {};
  QWidget* stribeLevende_ = nullptr;
  QLineEdit* firmanavn_ = nullptr;
  TOmVindue* om_ = nullptr;
  TSupplerendeSide* supplerendeSide_ = nullptr;
  TSupplerendeStrimmelVisning* supplStrimmel_ = nullptr;
  QMenu* seneste_ = nullptr;
  std::map<std::string, QAction*> handlinger_;
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
  std::function<bool(const std::string&)> filAabner_;

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
  QPointer<QWidget> indstillinger_;
  QPointer<QWidget> dokumentation_;
};

}  // namespace kvistor
