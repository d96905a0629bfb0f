#pragma once
// The field table: one row per input field of the two input pages, and one
// for each further value the project file keeps. A row is the only place
// where a field's control, page, caption, unit, hint, decimals, rule and its
// message, range, record member, radio texts and place in the project file
// are written. The input pages, the field rules and ranges, the project
// file's reader and writer and the guide's tables of inputs are all built
// from it; a new field is a new row (and, for a new kind of coupling, its
// handler in the input-page model).
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "project/inddata.h"

namespace kvistor {

enum class TSide { Inddata1 = 0, Inddata2 = 1 };

// Every control of the two input pages, in the order of the pages.
enum class TKontrol {
  EditProjektnavn,
  EditBygningsdel,
  EditMedarb,
  EditHusBr,
  EditFacHjd,
  EditTagVink,
  EditAaseAfst,
  EditFacUdh,
  EditAntalFag,
  EditRammeafstand,
  EditGavlRammeAfst,
  RadioGroupCharnForsk,
  EditCharnForsk,
  EditGavlUdh,
  ComboBoxEL1,
  ComboBoxEL2,
  ComboBoxEL3,
  ComboBoxEL4,
  EditEL1,
  EditEL2,
  EditEL3,
  EditEL4,
  RadioGroupTerrKat,
  EditAfstVesterhav,
  RadioGroupNormSneFormFak,
  EditKaraktSneLast,
  RadioGroupStyrkeKlasse,
  ComboBoxHojde,
  EditAaseHojde,
  ComboBoxBredde,
  EditAaseBredde,
  RadioGroupAnvKlasse,
  RadioGroupSikkl,
  EditNormalKraftFaktor,
  ComboBoxBeslag,
  EditKipnMoment,
  RadioGroupRappOmfang,
  CheckBoxSkaerpetKontrol,
  RadioGroupBrandmodstand,
  RadioGroupBrandSider,
};
inline constexpr int AntalKontroller = static_cast<int>(TKontrol::RadioGroupBrandSider) + 1;

enum class TFeltArt {
  Tekst,        // a text edit
  Tal,          // a number edit, shown with a fixed number of decimals
  Heltal,       // a whole-number edit
  Radio,        // a radio group
  Afkrydsning,  // a tick box: a choice of two, item 1 ticked
  Liste,        // a drop-down list
  Gemt,         // no control: a value the file keeps, shown through another field
};

// What a number field must hold, beside its range.
enum class TRegelArt {
  Ingen,
  Positiv,      // > 0
  IkkeNegativ,  // >= 0
  Tagvinkel,    // 0 .. 75 degrees
  MindstFire,   // whole number >= 4
};

// How a row's value stands in the project file.
enum class TFilForm {
  Ingen,     // not in the file
  Tekst,     // the edit's text as it stands
  Indeks,    // "%1d" of the item the control shows
  Heltal,    // "%1d" of the record member
  Decimal,   // "%10.2f" of the record member
  Udvidelse, // an extension line "Nøgle=værdi" after the 37 lines
};

// Item captions of the radio groups (the index is the item's position) and
// the record values behind items that are not their positions.
inline constexpr std::array<std::string_view, 2> CharnForskTekster{"Ja", "Nej"};
inline constexpr std::array<std::string_view, 4> TerrKatTekster{
    "I   Hede", "II  Land", "III Forstad", "IV City"};
inline constexpr std::array<std::string_view, 2> SneValgTekster{"Normal", "Forhøjet"};
inline constexpr std::array<std::string_view, 7> StyrkeKlasseTekster{
    "Konstruktionstræ C14", "Konstruktionstræ C18  #", "Konstruktionstræ C24",
    "Konstruktionstræ C30", "Limtræ GL24c", "Limtræ GL28c", "Limtræ GL32c"};
inline constexpr std::array<std::string_view, 3> AnvKlasseTekster{
    "1 (Indendørs)", "2 (Inde/Ude)#", "3 (Udendørs)"};
inline constexpr std::array<std::string_view, 3> SikklTekster{"Lav", "Normal #", "Høj"};
inline constexpr std::array<std::string_view, 2> RappOmfangTekster{"Normalt #", "Detaljeret"};
inline constexpr std::array<std::string_view, 2> AfkrydsningTekster{"Nej", "Ja"};
inline constexpr std::array<std::string_view, 4> BrandmodstandTekster{"Ingen", "R15", "R30", "R60"};
inline constexpr std::array<std::string_view, 2> BrandSiderTekster{"3", "4"};
// Item 0 ("Ja", "Normal") sets the flag to 1.
inline constexpr std::array<int, 2> OmvendtFlag{1, 0};
inline constexpr std::array<int, 2> AfkrydsningVaerdier{0, 1};
inline constexpr std::array<int, 4> BrandmodstandVaerdier{0, 15, 30, 60};  // minutes
inline constexpr std::array<int, 2> BrandSiderVaerdier{3, 4};

struct TFeltRaekke {
  TKontrol Kontrol{};
  std::string_view Navn{};       // the control's name, also its widget's object name
  TSide Side = TSide::Inddata1;
  TFeltArt Art = TFeltArt::Tal;
  std::string_view Ledetekst{};  // caption; "\n" where the window breaks it
  std::string_view Enhed{};      // unit, "" for none
  std::string_view Hint{};       // tool tip
  int Decimaler = 0;           // Tal: shown decimals
  int Kapacitet = 0;           // Tekst: characters kept
  TRegelArt Regel = TRegelArt::Ingen;
  std::string_view Besked{};     // the error when the rule is broken
  // The physical range (Min is the rule's own bound). A value beyond it is
  // a typing error; the calculation refuses it, and the field on leaving.
  bool HarOmraade = false;
  double Min = 0, Max = 0;
  std::string_view OmraadeNavn{};    // the field as the messages name it
  std::string_view OmraadeBesked{};  // a message of its own for the range; "" none
  // The record member the row writes; one of them, by the member's type.
  double Inddata::*Tal = nullptr;
  std::int32_t Inddata::*Heltal = nullptr;
  std::uint8_t Inddata::*Flag = nullptr;
  std::string Inddata::*Tekst = nullptr;
  std::span<const std::string_view> Punkter{};  // items of a radio group or tick box
  std::span<const int> Vaerdier{};              // record value per item; empty: the position
  // The place in the project file: line 1..37, or the key of an extension.
  TFilForm Fil = TFilForm::Ingen;
  int Linje = 0;
  std::string_view Noegle{};
  // A choice line that is no whole number takes this item; an extension
  // line is written only when its item differs from this one.
  int Standard = 0;
};

// All rows: the 37 lines of the project file in their order, then the
// extension lines, then the controls that the file does not hold.
std::span<const TFeltRaekke> FeltTabel();

// The row of a control (for the snow field, its own row, not the values of
// the file it shows).
const TFeltRaekke& FeltRaekke(TKontrol k);

// The rows whose value the file holds, in the file's order, and those of the
// extension lines.
std::span<const TFeltRaekke> FilRaekker();
std::span<const TFeltRaekke> UdvidelsesRaekker();

// The page of a control.
inline TSide SideFor(TKontrol k) { return FeltRaekke(k).Side; }

// The record value behind item `punkt` of a choice row, and back (-1 when no
// item has the value).
int ValgVaerdi(const TFeltRaekke& r, int punkt);
int ValgPunkt(const TFeltRaekke& r, int vaerdi);

// The record member of a number row as a double (the whole-number field too).
double FeltVaerdi(const TFeltRaekke& r, const Inddata& d);

}  // namespace kvistor
