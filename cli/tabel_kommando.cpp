// kvistor-cli tabel: computes one or more project files and gathers their
// results in one table file: a workbook (XLSX), CSV for a Danish
// spreadsheet, or JSON for scripts.
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "cli/kommandoer.h"
#include "cli/kommandolinjedialog.h"
#include "cli/projektlaesning.h"
#include "cli/uddatakontrol.h"
#include "cli/uddata.h"
#include "documents/tabel.h"
#include "documents/tabelskrivning.h"
#include "project/inddataside.h"

namespace kvistor {

namespace {

TTabelFormat FormatAfValg(const std::string& v) {
  return v == "csv" ? TTabelFormat::Csv : TTabelFormat::Json;
}

// A file's format is its extension's; the standard output takes --format,
// JSON without it. A workbook is never written to the standard output: it
// is no text for a terminal or a pipe. The usage error's text otherwise.
std::variant<TTabelFormat, std::string> BestemFormat(const TKald& kald, const std::string& udfil) {
  const std::optional<std::string> valgt = kald.Tekst("--format");
  if (udfil == Standardstroem) return FormatAfValg(valgt.value_or("json"));
  const std::optional<TTabelFormat> format = TabelFormatAfFilnavn(udfil);
  if (!format)
    return "-o " + udfil +
           ": filnavnet skal ende på .xlsx, .csv eller .json, som bestemmer tabellens format.";
  if (valgt && FormatAfValg(*valgt) != *format)
    return "--format " + *valgt + " passer ikke til filnavnet " + udfil + ".";
  return *format;
}

// One project: read as every command reads it, then computed along the
// report's road. Its row keeps the reason when it cannot be; `kode` is the
// project's exit code.
TTabelProjekt LaesOgBeregn(const std::string& projekt, bool tolerant, bool flere,
                           std::ostream& fejl, int& kode) {
  const std::string navn = Projektnavn(projekt);
  TKommandolinjeDialog dlg(fejl, flere ? navn + ": " : "");
  TInddataside side = NyInddataside();
  kode = LaesProjektTilKommando(projekt, tolerant, side, dlg);
  if (kode != KodeOk) {
    const std::string aarsag =
        dlg.FejlVist() ? dlg.FoersteFejl() : "Projektfilen kan ikke bruges.";
    return IkkeBeregnetProjekt(navn, kode == KodeBrug ? TTabelUdfald::Fejl : TTabelUdfald::Afvist,
                               aarsag);
  }
  TTabelProjekt p = BeregnTabelProjekt(navn, side.Inddata, dlg);
  switch (p.Udfald) {
    case TTabelUdfald::Beregnet: kode = p.Noter.Nogen() ? KodeAdvarsel : KodeOk; break;
    case TTabelUdfald::Afvist: kode = KodeAfvist; break;
    case TTabelUdfald::Afbrudt: kode = KodeAfbrudt; break;
    case TTabelUdfald::Fejl: kode = KodeBrug; break;
  }
  return p;
}

}  // namespace

int TabelKommando(TKald& kald) {
  const std::string udfil = *kald.Tekst("-o");
  TKommandolinjeDialog dlg(kald.fejl);
  // The table must never overwrite any project of the call: checked by
  // file identity before anything is read or computed.
  if (const auto sammenstoed = FindSammenstoed(kald.projekter, {{udfil, "Tabellen"}})) {
    dlg.Fejl(*sammenstoed);
    return KodeBrug;
  }
  const auto format = BestemFormat(kald, udfil);
  if (const auto* tekst = std::get_if<std::string>(&format)) return kald.BrugsFejl(*tekst);

  const bool flere = kald.projekter.size() > 1;
  int samlet = KodeOk;
  std::vector<TTabelProjekt> projekter;
  std::vector<std::string> advarsler;
  for (const std::string& projekt : kald.projekter) {
    int kode = KodeOk;
    projekter.push_back(LaesOgBeregn(projekt, kald.Har("--tolerant"), flere, kald.fejl, kode));
    if (kode == KodeAdvarsel) advarsler.push_back(projekter.back().Fil);
    samlet = AlvorligsteKode(samlet, kode);
  }
  // The verdicts stand in the table; the exit code 4 is explained here.
  if (!advarsler.empty()) {
    std::string navne;
    for (const std::string& n : advarsler) navne += (navne.empty() ? "" : ", ") + n;
    kald.fejl << "Bemærk: " << advarsler.size() << " af " << projekter.size()
              << (projekter.size() == 1 ? " projekt" : " projekter")
              << " holder ikke alle tre kontroller: " << navne << "\n";
  }

  std::string aarsag;
  const std::optional<std::string> bytes =
      TabellerSomFil(BygResultattabeller(projekter), std::get<TTabelFormat>(format), aarsag);
  if (!bytes) {
    dlg.Fejl("Tabellen kan ikke laves.\r\n" + aarsag);
    return AlvorligsteKode(samlet, KodeBrug);
  }
  return AlvorligsteKode(samlet, SkrivUddata(kald, udfil, *bytes, dlg));
}

}  // namespace kvistor
