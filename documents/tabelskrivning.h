#pragma once
// The result tables as files: a spreadsheet, CSV for a Danish spreadsheet
// program, and JSON for scripts. Each writer returns the file's bytes; the
// caller saves them through the one writer (common/filer.h).
#include <optional>
#include <string>

#include "documents/tabel.h"

namespace kvistor {

// The workbook: the sheets "Oversigt", "Fagtyper", "Tilfælde" and "Kurver".
// Numbers are stored as numbers with display formats ("0.00", "0%"), which
// a Danish spreadsheet shows with a decimal comma; the header row carries
// the units, stands frozen and has a filter; the columns are as wide as
// their contents. nullopt and the reason when the workbook cannot be made.
std::optional<std::string> TabellerSomXlsx(const TResultattabeller& t, std::string& aarsag);

// One table as CSV the way a Danish spreadsheet program opens it by a
// double-click: UTF-8 with a byte-order mark, ';' between fields, a decimal
// comma, CR LF, fields quoted where they hold a ';', a quote or a line
// break. A text that a spreadsheet would take for a formula gets an
// apostrophe in front.
std::string TabelSomCsv(const TEksportTabel& t);

// The projects for scripts: {"Program", "Version", "Projekter": [one object
// per project with the fields of "Oversigt" and its "Fagtyper"]}. Dot
// decimals, keys with unit suffixes, percentages for ratios, true/false for
// verdicts, null where a figure does not exist.
std::string TabellerSomJson(const TResultattabeller& t);

// The file formats, chosen by the name's extension as the command line and
// the window do (".xlsx", ".csv", ".json", in any case).
enum class TTabelFormat { Xlsx, Csv, Json };
std::optional<TTabelFormat> TabelFormatAfFilnavn(const std::string& filnavn);

// The tables in the format: the file's bytes, or nullopt and the reason.
// CSV holds "Oversigt"; JSON and XLSX hold everything.
std::optional<std::string> TabellerSomFil(const TResultattabeller& t, TTabelFormat format,
                                          std::string& aarsag);

// The text a cell shows in CSV (Danish decimals, "OK"/"Ikke OK", ratios as
// percentages).
std::string CelleTekst(const TKolonne& k, const TCelle& c);

}  // namespace kvistor
