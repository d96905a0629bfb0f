#include "report/brandafsnit.h"

#include <string>

#include "common/format.h"
#include "common/tegnsaet.h"
#include "loads/lastkombinationer.h"

namespace kvistor {

namespace {

// Labels end in column 46 with ": ", the values follow.
std::string Linje(std::string_view etiket, const std::string& vaerdi) {
  return UdfyldHoejre(etiket, 44) + ": " + vaerdi;
}

// The load-case letters and purlins of a fire combination, as the run
// computes them: "a, h, i på ås 2".
std::string Tilfaelde(int lk) {
  std::string bogstaver, aase;
  for (char lt = 'a'; lt <= 'x'; ++lt)
    for (int aas = 1; aas <= 3; ++aas)
      if (TilfaeldeFindes(aas, lk, lt)) {
        bogstaver += (bogstaver.empty() ? "" : ", ") + std::string(1, lt);
        break;
      }
  for (int aas = 1; aas <= 3; ++aas)
    if (TilfaeldeFindes(aas, lk, 'a'))
      aase += (aase.empty() ? "" : ", ") + std::to_string(aas);
  return "lasttilfælde " + bogstaver + " på ås " + aase;
}

void Raekke(TTekstlinjer& l, const char* format, const std::array<TBrandGivende, 4>& g) {
  SkrivLinje(l, Format(format, {g[1].Vaerdi * 100, g[2].Vaerdi * 100, g[3].Vaerdi * 100}));
  SkrivLinje(l, Format("  Dim.giv. lastkomb./lasttilf./ås      : %5d/%s/%1d %5d/%s/%1d %5d/%s/%1d",
                       {g[1].LK, std::string(1, g[1].LT), g[1].Aas, g[2].LK,
                        std::string(1, g[2].LT), g[2].Aas, g[3].LK, std::string(1, g[3].LT),
                        g[3].Aas}));
}

}  // namespace

TTekstlinjer BygBrandafsnit(const TBrandResultat& r) {
  TTekstlinjer l;
  if (r.Udfald != TBeregningsUdfald::Gennemfoert) return l;
  const TBrandTvaersnit& s = r.Tvaersnit;
  const TBrandVaerdier& v = BrandVaerdier;
  const std::string R = Format("R%d", {s.Minutter});

  SkrivLinje(l, Streg(RapportBredde));
  SkrivLinje(l, "BRANDMODSTAND");
  SkrivLinje(l, Format("  Krav: %s, brand på %d sider", {R, s.Sider}) +
                    (s.Sider == 4 ? " (alle fire sider)." : " (undersiden og begge sider;"));
  if (s.Sider != 4) SkrivLinje(l, "  oversiden er dækket af taget).");
  SkrivLinje(l, "  Metode: reduceret tværsnit, EN 1995-1-2, 4.2.2, med forkulning");
  SkrivLinje(l, "  efter 3.4.2 og styrker efter 2.3; lastkombinationer for ulykke");
  SkrivLinje(l, "  efter EN 1990, 6.4.3.3, med DK NA.");
  SkrivLinje(l, "");

  SkrivLinje(l, Format("Forkulning og resttværsnit efter %d min", {s.Minutter}));
  const std::string trae = s.Limtrae ? "limtræ" : "nåletræ";
  SkrivLinje(l, Linje("  Forkulningshastighed beta(n), " + trae, Format("%5.2n mm/min", {s.BetaN})));
  SkrivLinje(l, Linje("  Lag uden styrke d0", Format("%4.1n mm", {v.d0})));
  SkrivLinje(l, Linje("  k0 (t/20 under 20 min, ellers 1)", Format("%5.2n", {s.k0})));
  SkrivLinje(l, Linje("  def = beta(n)·t + k0·d0", Format("%4.1n mm", {s.def})));
  SkrivLinje(l, Linje("  Resttværsnit bfi × hfi", Format("%4.1n × %1.1n mm", {s.bfi, s.hfi})));
  SkrivLinje(l, s.Sider == 4 ? "  (bfi = b - 2·def; hfi = h - 2·def)"
                             : "  (bfi = b - 2·def; hfi = h - def)");
  SkrivLinje(l, "");

  if (!s.Gennembraendt()) {
    SkrivLinje(l, "Styrker i brandsituationen");
    SkrivLinje(l, Linje("  kfi; gamma(M,fi); kmod,fi",
                        Format("%5.2n; %1.2n; %1.2n", {s.kfi, v.GammaMfi, v.kmodfi})));
    SkrivLinje(l, Linje("  kcr,fi (åsens kipning, resttværsnit)", Format("%6.3n", {s.kcrfi})));
    SkrivLinje(l, Linje("  fm,fi = kfi·fmk·kcr,fi", Format("%5.2n MPa", {s.fmfi})));
    SkrivLinje(l, Linje("  fv,fi = kfi·0,67·fvk", Format("%5.2n MPa", {s.fvfi})));
    SkrivLinje(l, "");
  }

  SkrivLinje(l, "Lastkombinationer i brand (ingen KFI, ingen punktlast og ingen");
  SkrivLinje(l, "kipningsmomenter):");
  for (const TBrandKombination& k : BrandKombinationer) {
    SkrivLinje(l, Format("  Lastkombination %d: %s.", {k.LK, std::string(k.Tekst)}));
    SkrivLinje(l, Format("    gamma(G) = %1.1n; gamma(Q) = %1.1n; psi1 = %1.1n for %s;",
                         {k.GammaG, k.GammaQ, k.Psi1, std::string(k.Last)}));
    SkrivLinje(l, "    " + Tilfaelde(k.LK) + ".");
  }
  SkrivLinje(l, "");

  if (s.Gennembraendt()) {
    SkrivLinje(l, Format("  Åsen brænder igennem inden %d min: der er intet resttværsnit.",
                         {s.Minutter}));
    SkrivLinje(l, Format("  Kravet %s er IKKE opfyldt.", {R}));
  } else {
    SkrivLinje(l, "UDNYTTELSER I BRAND" + Blanke(24) + "   Kort    Mellem     Langt");
    SkrivLinje(l, "På resttværsnittet" + Blanke(25) + "endefag       fag   endefag");
    SkrivLinje(l, Streg(RapportBredde));
    Raekke(l, "Udnyttelsesgrad bøjning                :%8.0n %%%8.0n %%%8.0n %%", r.Boejning);
    Raekke(l, "Udnyttelsesgrad forskydning            :%8.0n %%%8.0n %%%8.0n %%", r.Forskydning);
    SkrivLinje(l, "");
    if (r.KravOpfyldt())
      SkrivLinje(l, Format("  Kravet %s er opfyldt.", {R}));
    else
      SkrivLinje(l, Format("  Kravet %s er IKKE opfyldt.", {R}));
  }
  SkrivLinje(l, Format("  Opnået brandmodstand: %d min", {r.OpnaaetMinutter}));
  if (r.OpnaaetMinutter >= v.MaksMinutter)
    SkrivLinje(l, Format("  (Der regnes ikke ud over %d min.)", {v.MaksMinutter}));
  SkrivLinje(l, "");
  SkrivLinje(l, "  Gerberbeslag og forankringer er af stål og eftervises ikke her.");
  SkrivLinje(l, "  De skal brandbeskyttes eller eftervises særskilt (EN 1995-1-2,");
  SkrivLinje(l, "  afsnit 6).");
  SkrivLinje(l, Streg(RapportBredde));
  return l;
}

}  // namespace kvistor
