#pragma once
// Reading and showing the numbers of the input fields. Numbers are read in
// the Danish way (decimal comma, blanks before and after allowed) and shown
// right-aligned with a fixed number of decimals. A line of a project file
// that is not a number never stops the reading: the user is told, and the
// value becomes 99 (or 4 for a whole number), after which the field's own
// rule applies. (A field the user types in refuses such text instead; see
// Indtast in project/inddataside.h.)
#include <optional>
#include <string>
#include <string_view>

namespace kvistor {

class TBrugerDialog;

// What an edit field of the input pages shows.
struct TEditFelt {
  std::string Tekst;
  bool Aktiv = true;  // false: disabled (greyed, cannot be entered)
};

// The value that replaces a text that is not a number.
inline constexpr double UgyldigtTal = 99.0;
inline constexpr int UgyldigtHeltal = 4;

// The result of parsing: a value, or the kind and text of the conversion
// error for the message.
struct TTalTolkning {
  std::optional<double> vaerdi;
  std::string fejlart;
  std::string fejltekst;
};
struct THeltalTolkning {
  std::optional<int> vaerdi;
  std::string fejlart;
  std::string fejltekst;
};

// Parse without telling anyone. A decimal number: optional sign, digits with
// at most one decimal comma, optional exponent; blanks around it allowed; a
// value beyond the range of a double is refused. A whole number: optional
// sign and digits within 32 bits.
TTalTolkning TolkTal(std::string_view tekst);
THeltalTolkning TolkHeltal(std::string_view tekst);

// Whole number of a choice line of the project file; nothing when the text
// is not one (no message).
std::optional<int> TolkHeltalUdenBesked(std::string_view tekst);

// The text as a number; a plain message and 99 when it is not one.
double LaesTal(std::string_view tekst, TBrugerDialog& dlg);
double LaesTal(const TEditFelt& edit, TBrugerDialog& dlg);

// As LaesTal, but the first "." is taken as the decimal comma first, so both
// decimal marks are accepted.
double TekstTilTal(std::string_view tekst, TBrugerDialog& dlg);

// The text as a whole number; a plain message and 4 when it is not one.
int LaesHeltal(std::string_view tekst, TBrugerDialog& dlg);
int LaesHeltal(const TEditFelt& edit, TBrugerDialog& dlg);

// "%*.*f" of the value into the edit.
void SkrivTal(int bredde, int decimaler, TEditFelt& edit, double vaerdi);

// The first `kapacitet` characters (not bytes) of a UTF-8 text.
std::string Afkort(std::string_view utf8, std::size_t kapacitet);

}  // namespace kvistor
