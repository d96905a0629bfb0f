#pragma once
// The program's settings: the firm, "Udført af", "Kontrolleret af" and
// whatever the window keeps besides (prices, recent files, window place).
// They live in one plain INI file, ~/.config/Kvistor/Kvistor.conf
// ($XDG_CONFIG_HOME/Kvistor/Kvistor.conf when that is set), the file the
// window writes through QSettings for organisation and application
// "Kvistor". This reader and writer know nothing of Qt, so the command line
// and the documents see the same firm as the window.
//
// Keys are paths as QSettings names them: "Firma" is key Firma of the
// section [General], "Priser/C24" is key C24 of the section [Priser]. Values
// are read the way QSettings reads them (quotes, backslash escapes, "\x" and
// octal codes, "@@" and "@String(...)", a comma outside quotes making a
// list) and written the way QSettings writes them, so each side reads what
// the other wrote. An entry this code does not change keeps its bytes.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/filer.h"

namespace kvistor {

// The keys of the [General] section.
inline constexpr std::string_view NoegleFirma = "Firma";
inline constexpr std::string_view NoegleUdfoertAf = "UdfoertAf";
inline constexpr std::string_view NoegleKontrolleretAf = "KontrolleretAf";

struct TIndstillinger {
  struct TPost {
    std::string noegle;  // the key's path, "Firma" or "Priser/C24"
    std::string raa;     // the value as it stands in the file, still escaped
  };
  // In the file's order; a key read twice keeps its first place and its
  // last value, as QSettings does.
  std::vector<TPost> poster;
};

// Where the settings file is: $XDG_CONFIG_HOME/Kvistor/Kvistor.conf, or
// $HOME/.config/Kvistor/Kvistor.conf when XDG_CONFIG_HOME is empty.
std::string IndstillingsfilNavn();

// The entries of a settings file's text (a UTF-8 byte-order mark is skipped).
TIndstillinger FortolkIndstillinger(std::string_view tekst);

// The text of a settings file: [General] first, then the other sections in
// the order their first key has; LF line ends as QSettings writes them.
std::string IndstillingerSomTekst(const TIndstillinger& ind);

// Reads the settings file. A file that does not exist gives empty settings
// and success; a file that cannot be read fails with the system's reason.
TFilUdfald LaesIndstillinger(const std::string& filnavn, TIndstillinger& ind);

// Saves the settings through the one safe writer, making the folder when it
// is missing.
TFilUdfald GemIndstillinger(const std::string& filnavn, const TIndstillinger& ind);

// A text value; nothing when the key is missing or holds no single text (a
// list, "@Invalid()", a binary value), as QSettings' toString() gives an
// empty text for those.
std::optional<std::string> LaesTekst(const TIndstillinger& ind, std::string_view noegle);
// A list value ("a, b"); a single text is a list of one.
std::optional<std::vector<std::string>> LaesListe(const TIndstillinger& ind,
                                                  std::string_view noegle);
// A number as QSettings writes a double ("3.5"); nothing when it is not one.
std::optional<double> LaesTal(const TIndstillinger& ind, std::string_view noegle);

void SaetTekst(TIndstillinger& ind, std::string_view noegle, std::string_view vaerdi);
void SaetListe(TIndstillinger& ind, std::string_view noegle, const std::vector<std::string>& liste);
void SaetTal(TIndstillinger& ind, std::string_view noegle, double vaerdi);
void FjernNoegle(TIndstillinger& ind, std::string_view noegle);

}  // namespace kvistor
