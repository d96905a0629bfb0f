#pragma once
// The report's text model and its line helpers. A report is an ordered list
// of UTF-8 lines laid out for a fixed-pitch font, 70 characters wide: every
// rule, table row and column head is built to end at column 70 (characters,
// not bytes — Danish letters, "²", "°" and the em dash count as one).
#include <string>
#include <string_view>
#include <vector>

#include "common/ur.h"

namespace kvistor {

using TTekstlinjer = std::vector<std::string>;

// The width of the report and of its rules.
constexpr int RapportBredde = 70;

// Appends one line; an empty text gives an empty line. Builders only ever
// append, so the report reads top to bottom in the order it was built.
void SkrivLinje(TTekstlinjer& rapport, std::string_view tekst);

// n em-dash characters (U+2014; byte 0x97 once written in Windows-1252).
// Every rule of the report is Streg(RapportBredde). n <= 0 gives "".
std::string Streg(int n);

// n blanks, used to pad a title to a fixed column. n <= 0 gives "".
std::string Blanke(int n);

// "yyyy-MM-dd,HH:mm:ss" — the report head's date and time.
std::string DatoOgTid(const TTidspunkt& t);

// "yyyy-MM-dd, HH:mm" — the curve-data lists' time of the run.
std::string DatoOgTidKort(const TTidspunkt& t);

// The first n characters of a UTF-8 text (never splits a character).
std::string ForsteTegn(std::string_view utf8, std::size_t n);

}  // namespace kvistor
