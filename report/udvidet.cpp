// The extended report ("Detaljeret"): the intermediate results of every
// governing case and of every deflection case, and the shear and moment
// curve data for a spreadsheet.
#include "common/format.h"
#include "purlin/lastkombinationsarter.h"
#include "report/rapport.h"

namespace kvistor {

namespace {

void Kopier(TTekstlinjer& til, const TTekstlinjer& fra) {
  til.insert(til.end(), fra.begin(), fra.end());
}

void KopierTilfaelde(TRapportByg& b, const TTilfaelde& c) {
  SkrivLinje(b.ud.Rapport, "");
  Kopier(b.ud.Rapport, c.Linier);
  Kopier(b.ud.QKurver, c.QLinier);
  Kopier(b.ud.MKurver, c.MLinier);
}

}  // namespace

TTekstlinjer KurveHoved(char kurve, const TTidspunkt& nu) {
  const bool q = kurve == 'Q';
  const std::string ind = Blanke(18);
  return {
      ind + "Program Kvistor, kørt " + DatoOgTidKort(nu),
      ind + (q ? "Data for forskydningskraftkurver (V-kurver)." : "Data for momentkurver (M-kurver)."),
      ind + "Kan fx indlæses i et regneark, som kan tegne kurverne.",
      "",
      ind + "Kolonne A (de første 7 tegn) er x-koordinaten i m.",
      ind + (q ? "Kolonne B (de næste 10 tegn) er forskydningskraften i kN."
               : "Kolonne B (de næste 10 tegn) er momentet i kNm."),
      ind + "Kolonne C er de næste 15 tegn.",
      "",
      ind + "Hver gruppe starter med en kort identifikation i kolonne C.",
      ind + "Den kan anvendes som serienavn og således optræde i signatur-",
      ind + "forklaringen hvis der tegnes flere kurver i samme diagram.",
      ind + "Den korte identifikation tolkes således:",
      ind + "LK = Lastkombination, LT = Lasttilfælde, Ån = Ås nummer.",
      "",
  };
}

void BygUdvidetRapport(TRapportByg& b) {
  TTekstlinjer& r = b.ud.Rapport;
  const TSupplData& sd = b.sd;
  SkrivLinje(r, "");
  SkrivLinje(r, "Detaljerede resultater for dim.givende tilfælde (lastkomb/lasttilf/ås)");
  SkrivLinje(r, std::string(73, '-'));
  SkrivLinje(r, "");
  SkrivLinje(r, "Vindlast: karakteristisk hastighedstryk udvendigt og indvendigt:");
  SkrivLinje(r, "  " + sd.TerrKatLinie);
  SkrivLinje(r, "");
  SkrivLinje(r, Format("Bøjningsstyrke: Karakt. værdi fmk = %2.0f MPa; Part.koeff gamma(m) = %4.2f;",
                       {sd.fmk, sd.GammaM}));
  SkrivLinje(r, Format("  Sikkerhed mod åsens egen kipning: styrkereduktionsfaktor kcr = %4.3f;",
                       {sd.kcr}));
  SkrivLinje(r, Format("  Regn.mæss. bøjn.styrke før kmod: fmd = fmk*kcr/gamma(m) = %4.2f MPa",
                       {sd.fmd}));
  SkrivLinje(r, "");
  SkrivLinje(r, Format("Bøjningsstivhed: Karakt. værdi E = %1.0n MPa; Iy = %1.0n mm4",
                       {sd.E0mean, sd.Iy}));
  SkrivLinje(r, "");
  SkrivLinje(r, "z-retningen = åsens højderetning = vinkelret på tagfladen");
  SkrivLinje(r, "y-retningen = åsens bredderetning = parallelt med tagfladen");
  SkrivLinje(r, "x-retningen = åsens længderetning. x-koordinater måles fra åsens venstre");
  SkrivLinje(r, "              ende (kort endefag)");
  SkrivLinje(r, "Vz = forskydningskraft i åsens højderetning");
  SkrivLinje(r, "Vy = forskydningskraft i åsens bredderetning");
  SkrivLinje(r, "My = moment om y-aksen (den \"stærke\" akse)");
  SkrivLinje(r, "");
  SkrivLinje(r, Format("Programmet har gennemregnet %d tilfælde. På de følgende sider er angivet",
                       {static_cast<long long>(b.ber.Tilfaelde.size())}));
  SkrivLinje(r, "mellemresultater, men kun for de af tilfældene, som er dimensionsgivende.");
  SkrivLinje(r, "For nedbøjninger (lastkomb. 10 - 12) er dog alle tilfælde medtaget.");

  Kopier(b.ud.QKurver, KurveHoved('Q', b.ur.Nu()));
  Kopier(b.ud.MKurver, KurveHoved('M', b.ur.Nu()));

  // The governing strength cases first, in computation order; then every
  // deflection case, governing or not.
  for (const TTilfaelde& c : b.ber.Tilfaelde)
    if (c.ErDimensionsgivende && ErBrudLK(c.LK)) KopierTilfaelde(b, c);
  for (const TTilfaelde& c : b.ber.Tilfaelde)
    if (ErNedbojningsLK(c.LK)) KopierTilfaelde(b, c);
}

}  // namespace kvistor
