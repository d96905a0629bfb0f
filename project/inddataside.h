#pragma once
// The two input pages ("Inddata 1" and "Inddata 2") as a plain model: what
// every control shows, the project record behind them, the position maps of
// the lists and the current result. The window only mirrors this model; the
// handlers below are what happens when the user leaves a field, clicks a
// radio item, picks a list item or enters the hardware list. Make a model
// with NyInddataside (or StartInddataside in project/inddatafil.h), which
// fills the lists from the catalogues.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "project/felttabel.h"
#include "project/inddata.h"
#include "project/katalog.h"
#include "project/talrutiner.h"

namespace kvistor {

class TBrugerDialog;

// A drop-down list: its items, the selected position (-1 none) and the text
// in its box.
struct TListeFelt {
  std::vector<std::string> Elementer;
  int Valgt = -1;
  std::string Tekst;
};

// Longest text an edit keeps (a number field read from a file keeps the raw
// line, so a damaged file cannot blow it up).
inline constexpr std::size_t KapEditTekst = 255;

// Below this hinge offset there may be no room for the Gerber hardware and
// a tilting bracket; the hinge-offset field then warns with this text.
inline constexpr double LilleCharnForsk = 0.4;
inline constexpr const char* AdvarselCharnForskFelt =
    "Charnierforskydningen er meget lille.\r\n"
    "Kontroler om der er plads til gerberbeslag og evt. kipningsbeslag.";

struct TInddataside {
  ::kvistor::Inddata Inddata = StartInddata();
  std::uint8_t InddataAendret = 0;  // 1: changed since start, load or save
  std::string Programmappe;         // ends in a path separator
  std::string Firmanavn;            // read-only, from the settings
  // Where the file dialogs start: the folder last used; empty for the
  // user's home (never the program folder, which is read-only once
  // installed).
  std::string Filmappe;
  // The user's file the project came from or was saved to, where "Ja" at
  // the save question writes without asking; empty: the save dialog asks.
  std::string Projektfil;

  // Page "Inddata 1".
  TEditFelt EditProjektnavn, EditBygningsdel, EditMedarb;
  TEditFelt EditHusBr, EditFacHjd, EditTagVink, EditAaseAfst, EditFacUdh;
  TEditFelt EditAntalFag, EditRammeafstand, EditGavlRammeAfst;
  int RadioGroupCharnForsk = 0;  // 0 "Ja", 1 "Nej"
  TEditFelt EditCharnForsk{"", false};  // disabled while "Ja" is chosen
  TEditFelt EditGavlUdh;
  TListeFelt ComboBoxEL1{{}, -1, std::string(VaelgMateriale)};
  TListeFelt ComboBoxEL2{{}, -1, std::string(VaelgMateriale)};
  TListeFelt ComboBoxEL3{{}, -1, std::string(VaelgMateriale)};
  TListeFelt ComboBoxEL4{{}, -1, std::string(VaelgMateriale)};
  TEditFelt EditEL1, EditEL2, EditEL3, EditEL4;
  int RadioGroupTerrKat = 1;         // "II  Land"
  TEditFelt EditAfstVesterhav;
  int RadioGroupNormSneFormFak = 0;  // 0 "Normal", 1 "Forhøjet"
  TEditFelt EditKaraktSneLast{"", false};  // enabled only for "Forhøjet"

  // Page "Inddata 2".
  int RadioGroupStyrkeKlasse = 1;  // "Konstruktionstræ C18  #"
  TListeFelt ComboBoxHojde, ComboBoxBredde;
  TEditFelt EditAaseHojde, EditAaseBredde;
  int RadioGroupAnvKlasse = 1;  // "2 (Inde/Ude)#"
  int RadioGroupSikkl = 1;      // "Normal #"
  TEditFelt EditNormalKraftFaktor;
  TListeFelt ComboBoxBeslag;
  TEditFelt EditKipnMoment;
  int RadioGroupRappOmfang = 0;  // "Normalt #"
  // Group "Supplerende kontrol".
  int CheckBoxSkaerpetKontrol = 1;  // 1: ticked
  int RadioGroupBrandmodstand = 0;  // "Ingen"
  int RadioGroupBrandSider = 0;     // "3"

  // Extension lines of the project file whose keys this version does not
  // know: kept as they stand and written back in their order.
  std::vector<std::string> UkendteUdvidelser;

  // Position maps: the catalogue row each list position shows.
  std::array<int, AntalDimIndeks> HojdeIndeks{};
  std::array<int, AntalDimIndeks> BreddeIndeks{};
  std::array<int, AntalBeslag> BeslagIndeks = [] {
    std::array<int, AntalBeslag> a{};
    a.fill(-1);
    return a;
  }();

  // The active page and the control that has the focus after a message.
  TSide AktivSide = TSide::Inddata1;
  std::optional<TKontrol> Fokus;
  // The text of the field that gets the focus is to be selected: a value
  // that could not be used was refused and the old one put back, so the
  // user types the new one over it.
  bool MarkerFokustekst = false;

  // The current result: the report exists only after a calculation and is
  // discarded by every accepted input change, together with the curve data
  // lists and the three red warning notes (purlin, joint, deflection).
  std::optional<std::vector<std::string>> Rapport;
  std::vector<std::string> QKurveLinier, MKurveLinier;
  bool AdvarAas = false;
  bool AdvarSamling = false;
  bool AdvarNedbojn = false;
  // Called by NulstilResultat after the fields above are cleared, for any
  // further state of the last calculation that the owner keeps.
  std::function<void()> VedNulstilResultat;
};

// A model in the state of program start with the material lists and the
// standard dimension lists filled (before any project file is read).
TInddataside NyInddataside();

// Discards the current result: report, curve data, warning notes, then the
// owner's hook.
void NulstilResultat(TInddataside& side);

// The input has changed: InddataAendret = 1 and the result is discarded.
void MarkerInddataAendret(TInddataside& side);

// The control's state in the model; nullptr when the control is of another
// kind. RadioFelt also gives a tick box's state (0 or 1).
TEditFelt* EditFelt(TInddataside& side, TKontrol k);
TListeFelt* ListeFelt(TInddataside& side, TKontrol k);
int* RadioFelt(TInddataside& side, TKontrol k);
const TEditFelt* EditFelt(const TInddataside& side, TKontrol k);
const TListeFelt* ListeFelt(const TInddataside& side, TKontrol k);
const int* RadioFelt(const TInddataside& side, TKontrol k);
// Number of items of a radio group (2 for a tick box, 0 for other controls).
int AntalRadioPunkter(TKontrol k);

// Types a text into an edit field and leaves it: the text is read, shown
// again in the standard layout, stored, checked and the coupled fields
// updated. Nothing happens for a disabled edit or a control that is not an
// edit.
//
// A number that cannot be read ("5.5", "12,5x", nothing) is refused with a
// message naming the field and the text, and so is a number outside the
// field's range (the message names the range): the field's old text and
// value come back, and the field gets the focus with its text selected. A
// number that breaks the field's rule ("must be positive") is reported and
// stays, as the input pages have always done.
void Indtast(TInddataside& side, TKontrol k, std::string_view tekst, TBrugerDialog& dlg);

// The same for a text the model already holds (its old text is taken to be
// the record's value in the standard layout).
void ForladFelt(TInddataside& side, TKontrol k, TBrugerDialog& dlg);

// The user clicks item `indeks` of a radio group, or sets a tick box (1
// ticked, 0 not). Ignored when it is not an item of the control.
void KlikRadio(TInddataside& side, TKontrol k, int indeks, TBrugerDialog& dlg);

// The user picks item `position` of a drop-down list (material lists,
// standard depth and width, hardware). For a material list -1 means that no
// item is picked, which takes the empty catalogue row.
void VaelgListepunkt(TInddataside& side, TKontrol k, int position, TBrugerDialog& dlg);

// The user types into the box of a list that accepts text (material lists,
// standard depth and width). Such text is never taken as a catalogue row: a
// material list then has no item picked (dead load 0,00); a depth or width
// list just keeps the text, the purlin's dimensions are typed in their edits.
void SkrivIListe(TInddataside& side, TKontrol k, std::string_view tekst, TBrugerDialog& dlg);

// The focus enters a list; for the hardware list this rebuilds it first.
void GaaIndIListe(TInddataside& side, TKontrol k, TBrugerDialog& dlg);

// Replaces the whole project record through the model (undo and redo of the
// window): every control, list and position map then shows the record as
// if it had been entered, the result is discarded and the input marked as
// changed. Nothing is asked or said, and the record is taken as it stands
// (a hardware row that no longer fits stays, with no item selected).
void SaetInddata(TInddataside& side, const Inddata& inddata);

}  // namespace kvistor
