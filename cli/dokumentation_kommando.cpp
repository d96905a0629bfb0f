// kvistor-cli dokumentation: the calculation document "Statisk
// dokumentation" of one project as a PDF file.
#include <filesystem>
#include <memory>
#include <ostream>

#include "cli/kommandoer.h"
#include "cli/kommandolinjedialog.h"
#include "cli/projektlaesning.h"
#include "cli/uddata.h"
#include "cli/uddatakontrol.h"
#include "common/filer.h"
#include "documents/dokumentation.h"
#include "project/inddataside.h"
#include "report/hoved.h"

namespace kvistor {

int DokumentationKommando(TKald& kald) {
  const std::string projekt = kald.projekter.front();
  const std::string udfil = kald.Tekst("-o").value_or("");
  TKommandolinjeDialog dlg(kald.fejl);
  // The document must never replace the project it was computed from.
  if (const auto sammenstoed = FindSammenstoed({projekt}, {{udfil, "Dokumentationen"}})) {
    dlg.Fejl(*sammenstoed);
    return KodeBrug;
  }

  TDokumentationsGrundlag g;
  TInddataside side = NyInddataside();
  if (const int kode = LaesProjektTilKommando(projekt, kald.Har("--tolerant"), side, dlg,
                                              &g.ProjektBytes);
      kode != KodeOk)
    return kode;
  g.Ind = side.Inddata;
  g.Projektfil = projekt == Standardstroem
                     ? Projektnavn(projekt)
                     : std::filesystem::path(projekt).filename().string();
  // Each name from its option, else from the program's settings, else an
  // empty line on the cover.
  auto navn = [&kald](std::string_view tilvalg, std::string_view noegle) {
    if (const auto v = kald.Tekst(tilvalg)) return *v;
    return LaesTekst(kald.Indstillinger(), noegle).value_or("");
  };
  g.Navne.Firma = kald.Har("--firma") ? *kald.Tekst("--firma")
                                      : FirmanavnFraIndstillinger(kald.Indstillinger());
  g.Navne.UdfoertAf = navn("--udfoert-af", NoegleUdfoertAf);
  g.Navne.KontrolleretAf = navn("--kontrolleret-af", NoegleKontrolleretAf);
  g.Navne.Sag = kald.Tekst("--sag").value_or("");

  std::unique_ptr<TUr> ur;
  if (const auto d = kald.Tekst("--dato"))
    ur = std::make_unique<TFastUr>(std::get<TTidspunkt>(LaesDato(*d)));
  else
    ur = std::make_unique<TSystemUr>();

  TDokumentationsStatus status;
  const std::optional<std::string> pdf = BygDokumentation(g, *ur, dlg, &status);
  if (!pdf) {
    if (status.Beregning == TRapportUdfald::Afvist) return KodeAfvist;
    if (status.Beregning == TRapportUdfald::Afbrudt) return KodeAfbrudt;
    return KodeBrug;
  }
  if (const int k = SkrivUddata(kald, udfil, *pdf, dlg); k != KodeOk) return k;
  SkrivNoter(status.Noter, kald.fejl);
  // The supplementary checks stand beside the report's verdicts, which
  // alone decide the exit code.
  for (const std::string& note : status.SupplerendeNoter) kald.fejl << "Bemærk: " << note << "\n";
  return status.Noter.Nogen() ? KodeAdvarsel : KodeOk;
}

}  // namespace kvistor
