#include "purlin/dimensionering.h"

#include "common/format.h"
#include "purlin/lastkombinationsarter.h"

namespace kvistor {

namespace {

// A row label followed by one value per bay type, short end bay first.
template <class F>
std::string Raekke(const char* etiket, const char* fmt, F vaerdi) {
  std::string s = etiket;
  for (int t = 1; t <= 3; ++t) s += Format(fmt, {vaerdi(t)});
  return s;
}

}  // namespace

void SkrivDimensionering(TTilfaelde& tilf, const TSupplData& sd, const std::string& beslagNavn) {
  auto& L = tilf.Linier;
  const auto& R = tilf.FagRes;
  const bool brud = ErBrudLK(tilf.LK);

  L.push_back("");
  if (!brud) {
    L.push_back("Udvalgte regningsmæssige snitkræfter:");
  } else {
    L.push_back("Regningsmæssig bøjningsstyrke:");
    L.push_back(Format("  fmd = %4.2f MPa; kmod = %4.2f => fmkd = fmd*kmod = %4.2f MPa",
                       {sd.fmd, tilf.kmod, tilf.fmkd}));
    L.push_back("");
    L.push_back("Udvalgte regningsmæssige snitkræfter og spændinger:");
  }
  L.push_back("                       Kort endefag     Mellemfag  Langt endefag");
  L.push_back("Maksimale momenter om åsens y-akse:");
  L.push_back(Raekke("  Pos. mom.:    værdi", "%10.2n kNm", [&](int t) { return R[t].MyMax; }));
  L.push_back(Raekke("              x-koord", "%10.2n m  ", [&](int t) { return R[t].xMyMax; }));
  L.push_back(Raekke("  Neg. mom.:    værdi", "%10.2n kNm", [&](int t) { return R[t].MyMin; }));
  L.push_back(Raekke("              x-koord", "%10.2n m  ", [&](int t) { return R[t].xMyMin; }));
  if (!brud) return;

  L.push_back("Maksimale kombinerede bøjningsspændinger (om y- og z-akser):");
  L.push_back(Raekke("  sigmaM:       værdi", "%10.2n MPa", [&](int t) { return R[t].SigmaMax; }));
  L.push_back(Raekke("              x-koord", "%10.2n m  ", [&](int t) { return R[t].xSigmaMax; }));
  L.push_back(Raekke("  regn.m. styrke fmkd", "%10.2n MPa", [&](int) { return tilf.fmkd; }));
  L.push_back(Raekke("  Udnyttelsesgrad    ", "%10.0n %%  ",
                     [&](int t) { return 100.0 * R[t].UGBoej; }));

  L.push_back("");
  L.push_back("Bæreevner for Gerberbeslag:");
  L.push_back("  Beslag og udsømning: " + beslagNavn);
  L.push_back("  Regn.mæss. bæreevner for aktuel lastgruppe:");
  L.push_back(Format("  F1d = %4.2n kN; F2d = %4.2n kN; F3d = %4.2n kN; Nd = %4.2n kN.",
                     {tilf.F1d, tilf.F2d, tilf.F3d, tilf.Nd}));
  if (tilf.F1dRed < tilf.F1d)
    L.push_back(Format("  F1d skal reduceres til flækningsbæreevnen R90,d = %4.2n kN",
                       {tilf.F1dRed}));
  L.push_back("");
  L.push_back("Snitkræfter og udnyttelsesgrader i charnier'er/gerberbeslag:");
  L.push_back("  Ved små beslaghøjder tilføjes flytningsbidrag (F3,flyt) for");
  L.push_back("  at flytte F3 ned i midten af beslaget. Se baggrundsdokument.");

  L.push_back("Forskydningskræfter i F1-retningen (z-retningen - normalt):");
  L.push_back(Raekke("  Punkt (x-koordinat)", "%10.2n m  ", [&](int t) { return R[t].xVzCharnMin; }));
  L.push_back(Raekke("  Uden flytn.bidrag  ", "%10.2n kN ", [&](int t) { return -R[t].VzCharnMin; }));
  L.push_back(Raekke("  Med  flytn.bidrag  ", "%10.2n kN ", [&](int t) { return R[t].F1; }));
  L.push_back(Format("  Bæreevne F1d                     %10.2n kN ", {tilf.F1dRed}));
  L.push_back(Raekke("  alfaF1 = F1/F1d    ", "%10.2n    ", [&](int t) { return R[t].alfaF1; }));

  L.push_back("Forskydningskræfter i F2-retningen (z-retningen - modsat normalt):");
  L.push_back(Raekke("  Punkt (x-koordinat)", "%10.2n m  ", [&](int t) { return R[t].xVzCharnMax; }));
  L.push_back(Raekke("  Uden flytn.bidrag  ", "%10.2n kN ", [&](int t) { return -R[t].VzCharnMax; }));
  L.push_back(Raekke("  Med  flytn.bidrag  ", "%10.2n kN ", [&](int t) { return -R[t].F2; }));
  L.push_back(Format("  Bæreevne F2d                     %10.2n kN ", {tilf.F2dRed}));
  L.push_back(Raekke("  alfaF2 = F2/F2d    ", "%10.2n    ", [&](int t) { return R[t].alfaF2; }));

  L.push_back("Forskydningskræfter i F3-retningen (y-retningen):");
  L.push_back(Raekke("  F3                 ", "%10.2n kN ", [&](int t) { return R[t].F3; }));
  L.push_back(Format("  Bæreevne F3d                     %10.2n kN ", {tilf.F3d}));
  L.push_back(Raekke("  alfaF3 = F3/F3d    ", "%10.2n    ", [&](int t) { return R[t].alfaF3; }));

  L.push_back("Trækkraft i N-retningen (x-retningen):");
  L.push_back(Format("  Aktuel trækkraft N               %10.2n kN ", {R[2].N}));
  L.push_back(Format("  Bæreevne ved rent træk Nd        %10.2n kN ", {tilf.Nd}));
  L.push_back(Format("  alfaN = N/Nd                     %10.2n", {tilf.alfaN}));

  L.push_back("");
  L.push_back("Resulterende udnytt.grader for beslag, jfr. baggrundsdokumentation:");
  L.push_back("  På den sikre side kombineres den største alfaF1- eller alfaF2-værdi");
  L.push_back("  med den største alfaF3-værdi og den største N-værdi, selv om de");
  L.push_back("  evt. ikke findes i samme snit.");
  L.push_back(Raekke("  UG                 ", "%10.0n %%  ",
                     [&](int t) { return 100.0 * R[t].UGBeslag; }));
}

}  // namespace kvistor
