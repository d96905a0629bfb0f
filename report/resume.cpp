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

TAdvarselsnoter BestemNoter(double ugTvaersnit, double ugBeslag, int luMindst) {
  TAdvarselsnoter n;
  n.Aas = ugTvaersnit > UGGraense;
  // A hanger that takes nothing of a force fails whatever its percentage.
  n.Samling = ugBeslag > UGIngenBaereevne || ugBeslag > UGGraense;
  n.Nedbojn = luMindst < LuGraense;
  return n;
}

void SkrivResume(TTekstlinjer& rapport, const TResume& r, TAdvarselsnoter& noter,
                 bool skaerpet) {
  noter = BestemNoter(r.UGTvaersnit, r.UGBeslag, r.LuMindst);
  SkrivLinje(rapport, "RESULTAT");
  // The stricter report says at once what makes it differ.
  if (skaerpet)
    for (const char* l : SkaerpetIndledning) SkrivLinje(rapport, l);
  SkrivLinje(rapport, Format("  Den største udnyttelsesgrad for åsetværsnittet er %1.0n %%.",
                             {r.UGTvaersnit * 100}));
  if (noter.Aas)
    SkrivLinje(rapport, "  Da udnyttelsesgraden er større end 100%, er åsen overbelastet.");
  else
    SkrivLinje(rapport, "  Da udnyttelsesgraden er mindre end eller lig 100 %, er åsen OK.");
  SkrivLinje(rapport, "");

  if (r.UGBeslag > UGIngenBaereevne) {
    SkrivLinje(rapport, "  En eller flere af de forekommende lastkomposanter (F1, F3, N) kan");
    SkrivLinje(rapport, "  slet ikke optages af det valgte beslag (evt. med det valgte sømantal)");
  } else {
    SkrivLinje(rapport,
               Format("  Den største udnyttelsesgrad for en gerberbeslag-samling er %1.0n %%.",
                      {r.UGBeslag * 100}));
    if (noter.Samling)
      SkrivLinje(rapport,
                 "  Da udnyttelsesgraden er større end 100%, er samlingen overbelastet.");
    else
      SkrivLinje(rapport,
                 "  Da udnyttelsesgraden er mindre end eller lig 100 %, er samlingen OK.");
  }
  SkrivLinje(rapport, "");

  SkrivLinje(rapport, Format("  Den største nedbøjning for egenlast eller snelast er: u = L/%d.",
                             {r.LuMindst}));
  if (noter.Nedbojn)
    SkrivLinje(rapport, "  Da u er større end L/400, er åsens stivhed IKKE tilstrækkelig.");
  else
    SkrivLinje(rapport, "  Da u er mindre end eller lig L/400, er åsens stivhed tilstrækkelig.");
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
