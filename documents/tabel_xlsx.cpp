// The result tables as a spreadsheet, through libxlsxwriter. The library
// writes only to a named file, so the workbook is made in a private folder
// of its own and its bytes are handed back for the one writer to save.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>

#include <xlsxwriter.h>

#include "common/filer.h"
#include "common/tegnsaet.h"
#include "common/version.h"
#include "documents/tabelskrivning.h"

namespace kvistor {

namespace {

// The display format of a column: Danish spreadsheets show "0.00" with a
// decimal comma.
std::string Talformat(const TKolonne& k) {
  const std::string dec = k.Decimaler > 0 ? "." + std::string(static_cast<std::size_t>(k.Decimaler), '0') : "";
  switch (k.Art) {
    case TKolonneArt::Andel: return "0" + dec + "%";
    case TKolonneArt::Heltal: return "0";
    case TKolonneArt::Tal: return "0" + dec;
    default: return "";
  }
}

// Widths in characters: the widest header or shown value, within reason.
constexpr double MindsteBredde = 6;
constexpr double StoersteBredde = 60;

class TXlsxMappe {
 public:
  TXlsxMappe() {
    std::string skabelon = (std::filesystem::temp_directory_path() / "kvistor-xlsx-XXXXXX").string();
    if (char* m = mkdtemp(skabelon.data())) sti_ = m;
    else fejl_ = errno;
  }
  ~TXlsxMappe() {
    std::error_code ec;
    if (!sti_.empty()) std::filesystem::remove_all(sti_, ec);
  }
  const std::string& Sti() const { return sti_; }
  int Fejl() const { return fejl_; }

 private:
  std::string sti_;
  int fejl_ = 0;
};

lxw_error SkrivArk(lxw_workbook* bog, const TEksportTabel& t) {
  lxw_worksheet* ark = workbook_add_worksheet(bog, t.Navn.c_str());
  if (!ark) return LXW_ERROR_MEMORY_MALLOC_FAILED;
  lxw_format* hoved = workbook_add_format(bog);
  format_set_bold(hoved);
  format_set_bottom(hoved, LXW_BORDER_THIN);
  format_set_text_wrap(hoved);
  format_set_align(hoved, LXW_ALIGN_VERTICAL_TOP);

  std::vector<lxw_format*> formater;
  std::vector<double> bredder;
  for (const TKolonne& k : t.Kolonner) {
    lxw_format* f = nullptr;
    if (const std::string nf = Talformat(k); !nf.empty()) {
      f = workbook_add_format(bog);
      format_set_num_format(f, nf.c_str());
    }
    formater.push_back(f);
    // A header longer than the values wraps rather than widen its column
    // beyond its longest word.
    std::size_t ord = 0, laengst = 0;
    for (char c : KolonneOverskrift(k) + " ") {
      if (c == ' ') laengst = std::max(laengst, ord), ord = 0;
      else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++ord;
    }
    bredder.push_back(static_cast<double>(laengst));
  }

  lxw_error e = LXW_NO_ERROR;
  for (std::size_t j = 0; j < t.Kolonner.size(); ++j)
    if ((e = worksheet_write_string(ark, 0, static_cast<lxw_col_t>(j),
                                    KolonneOverskrift(t.Kolonner[j]).c_str(), hoved)))
      return e;
  for (std::size_t i = 0; i < t.Raekker.size(); ++i) {
    const auto r = static_cast<lxw_row_t>(i + 1);
    for (std::size_t j = 0; j < t.Raekker[i].size() && j < t.Kolonner.size(); ++j) {
      const auto c = static_cast<lxw_col_t>(j);
      const TCelle& celle = t.Raekker[i][j];
      if (const auto* v = std::get_if<double>(&celle)) {
        e = worksheet_write_number(ark, r, c, *v, formater[j]);
      } else if (std::holds_alternative<std::monostate>(celle)) {
        continue;
      } else {
        // Verdicts as words: a filter on "Ikke OK" finds the failing projects.
        e = worksheet_write_string(ark, r, c, CelleTekst(t.Kolonner[j], celle).c_str(), nullptr);
      }
      if (e) return e;
      bredder[j] = std::max(bredder[j], static_cast<double>(AntalTegn(CelleTekst(t.Kolonner[j], celle))));
    }
  }
  for (std::size_t j = 0; j < bredder.size(); ++j)
    worksheet_set_column(ark, static_cast<lxw_col_t>(j), static_cast<lxw_col_t>(j),
                         std::clamp(bredder[j] + 2, MindsteBredde, StoersteBredde), nullptr);
  worksheet_freeze_panes(ark, 1, 0);
  if (!t.Kolonner.empty())
    worksheet_autofilter(ark, 0, 0, static_cast<lxw_row_t>(t.Raekker.size()),
                         static_cast<lxw_col_t>(t.Kolonner.size() - 1));
  return LXW_NO_ERROR;
}

}  // namespace

std::optional<std::string> TabellerSomXlsx(const TResultattabeller& t, std::string& aarsag) {
  TXlsxMappe mappe;
  if (mappe.Sti().empty()) {
    aarsag = "Der kan ikke oprettes en midlertidig mappe til regnearket: " +
             SystemAarsag(mappe.Fejl());
    return std::nullopt;
  }
  const std::string fil = (std::filesystem::path(mappe.Sti()) / "tabel.xlsx").string();
  lxw_workbook_options valg{};
  valg.tmpdir = const_cast<char*>(mappe.Sti().c_str());
  lxw_workbook* bog = workbook_new_opt(fil.c_str(), &valg);
  if (!bog) {
    aarsag = "Regnearket kan ikke oprettes.";
    return std::nullopt;
  }
  const std::string kommentar = "Kvistor " + std::string(ProgramVersion);
  lxw_doc_properties egenskaber{};
  egenskaber.title = const_cast<char*>("Kvistor resultater");
  egenskaber.comments = const_cast<char*>(kommentar.c_str());
  workbook_set_properties(bog, &egenskaber);

  lxw_error e = LXW_NO_ERROR;
  for (const TEksportTabel* ark : {&t.Oversigt, &t.Fagtyper, &t.Tilfaelde, &t.Kurver})
    if (!e) e = SkrivArk(bog, *ark);
  const lxw_error luk = workbook_close(bog);
  if (e || luk) {
    aarsag = std::string("Regnearket kan ikke skrives: ") + lxw_strerror(e ? e : luk);
    return std::nullopt;
  }
  std::string bytes;
  if (const TFilUdfald u = LaesFil(fil, bytes); !u) {
    aarsag = "Regnearket kan ikke læses tilbage: " + u.aarsag;
    return std::nullopt;
  }
  return bytes;
}

}  // namespace kvistor
