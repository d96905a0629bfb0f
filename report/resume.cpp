#include "report/resume.h"

#include <cmath>

#include "common/afrunding.h"
#include "common/format.h"

namespace kvistor {

double TvaerUdbojning(double u, double tagvinkel, double h, double b) {
  if (b == 0) return 0;
  const double v = tagvinkel * 3.14159 / 180.0;
  const double hb = h / b;
  return u * std::tan(v) * hb * hb;
}

int LwForhold(double L, double w) {
  if (w == 0 || !std::isfinite(w)) return LwIngenUdbojning;
  const double r = L / std::fabs(w);
  // A deflection of a few nanometres would overflow the integer; such a
  // purlin has no lateral deflection worth the name.
  if (!(r < 1e9)) return LwIngenUdbojning;
  return static_cast<int>(10 * Round(r / 10.0));
}

void SkrivResume(TTekstlinjer& rapport, const TResume& r, TAdvarselsnoter& noter) {
  SkrivLinje(rapport, "RESULTAT");
  SkrivLinje(rapport, Format("  Den største udnyttelsesgrad for åsetværsnittet er %1.0n %%.",
                             {r.UGTvaersnit * 100}));
  if (r.UGTvaersnit > UGGraense) {
    SkrivLinje(rapport, "  Da udnyttelsesgraden er større end 100%, er åsen overbelastet.");
    noter.Aas = true;
  } else {
    SkrivLinje(rapport, "  Da udnyttelsesgraden er mindre end eller lig 100 %, er åsen OK.");
    noter.Aas = false;
  }
  SkrivLinje(rapport, "");

  if (r.UGBeslag > UGIngenBaereevne) {
    SkrivLinje(rapport, "  En eller flere af de forekommende lastkomposanter (F1, F3, N) kan");
    SkrivLinje(rapport, "  slet ikke optages af det valgte beslag (evt. med det valgte sømantal)");
    noter.Samling = true;
  } else {
    SkrivLinje(rapport,
               Format("  Den største udnyttelsesgrad for en gerberbeslag-samling er %1.0n %%.",
                      {r.UGBeslag * 100}));
    if (r.UGBeslag > UGGraense) {
      SkrivLinje(rapport,
                 "  Da udnyttelsesgraden er større end 100%, er samlingen overbelastet.");
      noter.Samling = true;
    } else {
      SkrivLinje(rapport,
                 "  Da udnyttelsesgraden er mindre end eller lig 100 %, er samlingen OK.");
      noter.Samling = false;
    }
  }
  SkrivLinje(rapport, "");

  SkrivLinje(rapport, Format("  Den største nedbøjning for egenlast eller snelast er: u = L/%d.",
                             {r.LuMindst}));
  if (r.LuMindst < LuGraense) {
    SkrivLinje(rapport, "  Da u er større end L/400, er åsens stivhed IKKE tilstrækkelig.");
    noter.Nedbojn = true;
  } else {
    SkrivLinje(rapport, "  Da u er mindre end eller lig L/400, er åsens stivhed tilstrækkelig.");
    noter.Nedbojn = false;
  }
  SkrivLinje(rapport, "");

  SkrivLinje(rapport,
             Format("  Den største tværuddbøjning for egenlast eller snelast er: w = L/%d.",
                    {r.LwMindst}));
  SkrivLinje(rapport, "  w bør aldrig være større end L/200, se brugervejledning.");
  SkrivLinje(rapport, "");

  SkrivLinje(rapport, "  Åse skal fastgøres til rammerne (understøtningerne)for:");
  SkrivLinje(rapport, Format("  - opadrettet træk (vinkelret på tagfladen) på %4.2n kN og",
                             {r.Traek}));
  SkrivLinje(rapport, Format("  - tværkraft (parallelt med rammen) på %4.2n kN.", {r.Tvaerkraft}));
  SkrivLinje(rapport, "");

  // The gable frames need anchoring along the purlin only when the hinges
  // see tension; without it the block and its closing rule are left out.
  if (r.GavlTraek > 0) {
    SkrivLinje(rapport, "  Åse skal fastgøres til gavlrammerne for :");
    SkrivLinje(rapport, Format("  - træk i åsens længderetning på %4.2n kN og", {r.GavlTraek}));
    SkrivLinje(rapport, Format("   -tryk i åsens længderetning på %4.2n kN.", {r.GavlTryk}));
    SkrivLinje(rapport, Streg(RapportBredde));
  }
}

}  // namespace kvistor
