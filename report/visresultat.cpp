#include "report/visresultat.h"

#include "calculation/tvaersnit_byg.h"
#include "project/feltregler.h"

namespace kvistor {

namespace {

TRapportUdfald Beregn(TRapportResultat& ud, const Inddata& ind, TBrugerDialog& dialog,
                      const TUr& ur, const std::string& firmanavn, bool skaerpet) {
  ud = TRapportResultat{};
  if (const auto brud = FoersteBrudteRegel(ind)) {
    dialog.Fejl(*brud);
    return TRapportUdfald::Afvist;
  }
  if (ind.AntalFag > MaksFagIBeregning) {
    dialog.Fejl(TekstForMangeFag);
    return TRapportUdfald::Afvist;
  }
  TSupplData sd;
  BestemTvaersnit(ind, sd, skaerpet);
  return BygRapport(ud, ind, sd, dialog, ur, firmanavn);
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
