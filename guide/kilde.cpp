#include "guide/kilde.h"

#include <filesystem>

#include "common/optagende_dialog.h"
#include "common/ur.h"
#include "calculation/projektberegning.h"
#include "project/inddatafil.h"
#include "report/visresultat.h"

namespace kvistor {

namespace {

QString Beskeder(const TSkriptetDialog& dlg) {
  QString s;
  for (const auto& k : dlg.kald)
    if (k.art != "Bip") s += QString::fromStdString(k.art + ": " + k.tekst) + "\n";
  return s;
}

}  // namespace

std::unique_ptr<TVejledningsKilde> ByggKilde(const QString& projektfil, const TTidspunkt& dato,
                                             QString& fejl) {
  auto k = std::make_unique<TVejledningsKilde>();
  TSkriptetDialog dlg;
  dlg.standardSvar = false;  // any question from a calculation is a fault here
  k->Side = NyInddataside();
  const std::string fil = projektfil.toStdString();
  k->Side.Programmappe = std::filesystem::path(fil).parent_path().string();
  if (AabnProjekt(fil, k->Side, dlg, {.KunFejl = true}) != TProjektLaesning::Laest) {
    fejl = "Kan ikke læse " + projektfil + "\n" + Beskeder(dlg);
    return nullptr;
  }
  const Inddata& ind = k->Side.Inddata;
  TProjektberegning koersel;
  if (BeregnProjekt(koersel, ind, dlg) != TBeregningsUdfald::Gennemfoert) {
    fejl = "Beregningen af " + projektfil + " blev ikke gennemført\n" + Beskeder(dlg);
    return nullptr;
  }
  k->Suppl = koersel.Suppl;
  k->Beregning = std::move(koersel.Beregning);
  const TFastUr ur(dato);
  Inddata normal = ind;
  normal.RappOmfang = 0;
  Inddata detaljeret = ind;
  detaljeret.RappOmfang = 1;
  // The guide's example reports carry no company name, whatever name the
  // program is built with.
  const std::string firmanavn;
  if (BeregnRapport(k->Normal, normal, dlg, ur, firmanavn) != TRapportUdfald::Bygget ||
      BeregnRapport(k->Detaljeret, detaljeret, dlg, ur, firmanavn) != TRapportUdfald::Bygget) {
    fejl = "Rapporten for " + projektfil + " blev ikke bygget\n" + Beskeder(dlg);
    return nullptr;
  }
  if (!dlg.kald.empty()) {
    fejl = "Uventede meddelelser under beregningen af " + projektfil + ":\n" + Beskeder(dlg);
    return nullptr;
  }
  return k;
}

}  // namespace kvistor
