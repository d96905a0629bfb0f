#include "report/visresultat.h"

#include "calculation/projektberegning.h"

namespace kvistor {

namespace {

TRapportUdfald Beregn(TRapportResultat& ud, const Inddata& ind, TBrugerDialog& dialog,
                      const TUr& ur, const std::string& firmanavn, bool skaerpet) {
  ud = TRapportResultat{};
  TProjektberegning k;
  const TBeregningsUdfald u = BeregnProjekt(k, ind, dialog, {.Omfang = {}, .Skaerpet = skaerpet});
  if (u == TBeregningsUdfald::Afvist) return TRapportUdfald::Afvist;
  if (u != TBeregningsUdfald::Gennemfoert) return TRapportUdfald::Afbrudt;
  BygRapport(ud, ind, k.Suppl, k.Beregning, ur, firmanavn);
  return TRapportUdfald::Bygget;
}

}  // namespace

TRapportUdfald BeregnRapport(TRapportResultat& ud, const Inddata& ind, TBrugerDialog& dialog,
                             const TUr& ur, const std::string& firmanavn) {
  return Beregn(ud, ind, dialog, ur, firmanavn, false);
}

TRapportUdfald BeregnSkaerpetRapport(TRapportResultat& ud, const Inddata& ind,
                                     TBrugerDialog& dialog, const TUr& ur,
                                     const std::string& firmanavn) {
  return Beregn(ud, ind, dialog, ur, firmanavn, true);
}

bool BeregnOgVisResultat(TInddataside& side, TBrugerDialog& dialog, const TUr& ur,
                         TRapportUdfald* udfald) {
  if (!side.InddataAendret && side.Rapport) {
    if (udfald) *udfald = TRapportUdfald::Bygget;
    return false;
  }
  TRapportResultat ud;
  const TRapportUdfald u = BeregnRapport(ud, side.Inddata, dialog, ur, side.Firmanavn);
  if (udfald) *udfald = u;
  NulstilResultat(side);
  if (u != TRapportUdfald::Bygget) return false;
  side.Rapport = std::move(ud.Rapport);
  side.QKurveLinier = std::move(ud.QKurver);
  side.MKurveLinier = std::move(ud.MKurver);
  side.AdvarAas = ud.Noter.Aas;
  side.AdvarSamling = ud.Noter.Samling;
  side.AdvarNedbojn = ud.Noter.Nedbojn;
  return true;
}

}  // namespace kvistor
