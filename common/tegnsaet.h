#pragma once
// Text at the file boundary: UTF-8 inside the program, Windows-1252 with
// CR LF in files. Column widths count characters, not bytes.
#include <string>
#include <string_view>
#include <vector>

#include "common/filer.h"

namespace kvistor {

// Windows-1252 bytes to UTF-8. Bytes that 1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same number.
std::string Cp1252TilUtf8(std::string_view cp1252);

// UTF-8 to Windows-1252. A character with no 1252 byte, and malformed UTF-8,
// becomes '?'.
std::string Utf8TilCp1252(std::string_view utf8);

// Text from outside (a command-line option, a line of a file) made fit for a
// report line: control characters (tabs, line breaks, C1 controls), the
// Unicode line and paragraph separators and the bidirectional controls
// (which reorder the rest of a line on screen) become blanks, and bytes
// that are not well-formed UTF-8 become '?', one per byte.
std::string RensTekst(std::string_view utf8);

// Whether bytes are well-formed UTF-8: no stray continuation bytes, overlong
// forms, surrogates, code points beyond U+10FFFF or cut-off characters.
bool ErGyldigUtf8(std::string_view s);

// Number of characters (code points) in a UTF-8 string.
std::size_t AntalTegn(std::string_view utf8);

// The first `antal` characters of a UTF-8 string (all of it when shorter).
std::string KlipTilTegn(std::string_view utf8, std::size_t antal);

// Pads with blanks on the right (venstrestillet) or left to at least `bredde`
// characters; never cuts.
std::string UdfyldHoejre(std::string_view utf8, std::size_t bredde);
std::string UdfyldVenstre(std::string_view utf8, std::size_t bredde);

// Splits text into lines at CR, LF or CR LF. A final line break does not add
// an empty last line.
std::vector<std::string> DelLinjer(std::string_view tekst);

// Joins lines with CR LF, with a final CR LF after the last line.
std::string SamlLinjerCrLf(const std::vector<std::string>& linjer);

// Writes UTF-8 lines to a file in Windows-1252 with CR LF, through the one
// writer of common/filer.h.
TFilUdfald SkrivTekstfil(const std::string& filnavn, const std::vector<std::string>& linjer);

// Reads a Windows-1252 text file into UTF-8 lines.
TFilUdfald LaesTekstfil(const std::string& filnavn, std::vector<std::string>& linjer);

}  // namespace kvistor
