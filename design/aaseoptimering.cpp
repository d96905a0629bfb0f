#include "design/aaseoptimering.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numeric>
#include <tuple>

#include "design/brug.h"
#include "project/katalog.h"

namespace kvistor {

namespace {

// A coarse optimum worth refining (see OptimerTvaersnit).
constexpr double ForfinGraense = 1.2;
constexpr std::int32_t MellemSkridtMm = 50;
constexpr std::int32_t FinSkridtMm = 10;
constexpr std::size_t AntalForfinede = 2;
// The coarse scan ends where the curve has climbed to this many times its
// best so far.
constexpr double StigningStop = 2.0;
// Offsets tried in turn when the supplementary check fails at the best.
constexpr std::size_t AntalSupplerendeForsoeg = 5;
// The 1/7 reference tries this many sections at a time, cheapest first.
constexpr std::size_t Regel17Blok = 8;

// One offset of one section: the run with the first hanger, and each
// hanger's joint from it.
struct TPunkt {
  std::int32_t Mm = 0;
  bool Beregnet = false;
  TNoegletal Maal;          // with the hanger that carries the joint best: the objective
  int MaalBeslag = -1;
  TNoegletal Foerste;       // with the first hanger whose joint passes
  int ForsteBeslag = -1;    // -1: no hanger's joint passes
};

struct TSektion {
  Inddata Ind;
  std::vector<int> Beslag;
  std::size_t Beregninger = 0;
};

TPunkt Beregn(TSektion& s, std::int32_t mm) {
  TPunkt p;
  p.Mm = mm;
  Inddata ind = s.Ind;
  ind.CharnForskStd = 0;
  ind.CharnForsk = mm / 1000.0;
  TNoegletalPerBeslag figurer(std::move(ind), s.Beslag.front(), s.Beregninger);
  if (!figurer.Foerste().Beregnet()) return p;
  p.Beregnet = true;
  for (int b : s.Beslag) {
    const std::optional<TNoegletal> tal = figurer.Med(b);
    if (!tal) continue;  // its own run was refused or stopped
    if (p.MaalBeslag < 0 || tal->UGBeslagUafrundet < p.Maal.UGBeslagUafrundet) {
      p.Maal = *tal;
      p.MaalBeslag = b;
    }
    if (p.ForsteBeslag < 0 && tal->SamlingOk) {
      p.Foerste = *tal;
      p.ForsteBeslag = b;
    }
  }
  if (p.MaalBeslag < 0) p.Beregnet = false;
  return p;
}

bool Bedre(const TPunkt& a, const TPunkt& b) { return BedreCharnierPunkt(a.Maal, b.Maal); }

TAaseVariant Variant(const TTvaersnit& t, const TPunkt& p, const TPrisTabel& priser) {
  TAaseVariant v;
  v.StyrkeKlasse = t.StyrkeKlasse;
  v.Hoejde = t.Hoejde;
  v.Bredde = t.Bredde;
  v.ForskydningMm = p.Mm;
  const bool foerste = p.ForsteBeslag >= 0;
  v.Beslag = foerste ? p.ForsteBeslag : p.MaalBeslag;
  v.Tal = foerste ? p.Foerste : p.Maal;
  v.Pris = PrisPrMeter(priser, t.StyrkeKlasse, t.Hoejde, t.Bredde);
  return v;
}

// The order of the ranking, with the list position last so that no two
// sections are equal.
using TNoegle = std::tuple<double, double, double, std::size_t>;

bool Foer(const TNoegle& a, const TNoegle& b) {
  const auto& [pa, aa, ha, ia] = a;
  const auto& [pb, ab, hb, ib] = b;
  if (BilligereTvaersnit(pa, aa, ha, pb, ab, hb)) return true;
  if (BilligereTvaersnit(pb, ab, hb, pa, aa, ha)) return false;
  return ia < ib;
}

}  // namespace

std::optional<TAaseVariant> OptimerTvaersnit(const Inddata& indtastet, const TTvaersnit& t,
                                             const TAaseValg& valg, std::size_t& beregninger) {
  TSektion s;
  s.Ind = indtastet;
  s.Ind.StyrkeKlasse = t.StyrkeKlasse;
  s.Ind.AaseHojde = t.Hoejde;
  s.Ind.AaseBredde = t.Bredde;
  s.Beslag = PassendeBeslag(s.Ind);
  if (s.Beslag.empty()) return std::nullopt;

  const std::int32_t graense = CharnierGraenseMm(s.Ind);
  const std::int32_t fra = LilleCharnierforskydningMm;
  const std::int32_t r17 = Regel17Mm(s.Ind);
  std::vector<std::int32_t> grov;
  for (std::int32_t x = fra; x < graense; x += GrovSkridtMm) grov.push_back(x);
  if (r17 >= 0 && r17 < graense && !std::binary_search(grov.begin(), grov.end(), r17))
    grov.insert(std::lower_bound(grov.begin(), grov.end(), r17), r17);

  // The coarse scan, upwards until the chain cannot be computed, every
  // utilisation is off the scale, or the curve has climbed to twice its
  // best so far: beyond that the hinge forces only multiply from bay to bay.
  std::vector<TPunkt> punkter;
  std::int32_t slut = graense;
  for (std::int32_t mm : grov) {
    TPunkt p = Beregn(s, mm);
    if (!p.Beregnet) {
      slut = mm;
      break;
    }
    punkter.push_back(p);
    const double styrende = StyrendeUdnyttelse(p.Maal);
    double bedst = styrende;
    for (const TPunkt& q : punkter) bedst = std::min(bedst, StyrendeUdnyttelse(q.Maal));
    if (OverSkalaen(p.Maal) || (styrende > StigningStop * bedst && styrende > ForfinGraense)) {
      slut = mm + 1;
      break;
    }
  }
  if (punkter.empty()) {
    beregninger += s.Beregninger;
    return std::nullopt;
  }

  auto beregnVed = [&](std::int32_t mm) {
    if (mm < fra || mm >= slut) return;
    if (std::any_of(punkter.begin(), punkter.end(), [mm](const TPunkt& p) { return p.Mm == mm; }))
      return;
    TPunkt p = Beregn(s, mm);
    if (p.Beregnet) punkter.push_back(p);
  };
  auto bedste = [&] {
    return static_cast<std::size_t>(
        std::min_element(punkter.begin(), punkter.end(),
                         [](const TPunkt& a, const TPunkt& b) {
                           return Bedre(a, b) || (!Bedre(b, a) && a.Mm < b.Mm);
                         }) -
        punkter.begin());
  };
  // A section whose best coarse point is well above 100 % cannot pass: the
  // refinement moves the governing utilisation by a few per cent at most.
  if (StyrendeUdnyttelse(punkter[bedste()].Maal) <= ForfinGraense) {
    // The local minima of the coarse curve, best first, each refined to
    // MellemSkridtMm; then the best point so far to 10 mm.
    std::vector<std::size_t> minima;
    for (std::size_t i = 0; i < punkter.size(); ++i)
      if ((i == 0 || !Bedre(punkter[i - 1], punkter[i])) &&
          (i + 1 == punkter.size() || !Bedre(punkter[i + 1], punkter[i])))
        minima.push_back(i);
    std::stable_sort(minima.begin(), minima.end(),
                     [&](std::size_t a, std::size_t b) { return Bedre(punkter[a], punkter[b]); });
    std::vector<std::int32_t> midter;
    for (std::size_t m = 0; m < minima.size() && m < AntalForfinede; ++m)
      midter.push_back(punkter[minima[m]].Mm);
    for (std::int32_t midt : midter)
      for (std::int32_t d = MellemSkridtMm; d < GrovSkridtMm; d += MellemSkridtMm) {
        beregnVed(midt - d);
        beregnVed(midt + d);
      }
    const std::int32_t midt = punkter[bedste()].Mm;
    for (std::int32_t d = FinSkridtMm; d < MellemSkridtMm; d += FinSkridtMm) {
      beregnVed(midt - d);
      beregnVed(midt + d);
    }
  }
  // Rising offsets, so that a tie keeps the smaller one.
  std::sort(punkter.begin(), punkter.end(),
            [](const TPunkt& a, const TPunkt& b) { return a.Mm < b.Mm; });
  std::vector<std::size_t> orden(punkter.size());
  std::iota(orden.begin(), orden.end(), 0);
  std::stable_sort(orden.begin(), orden.end(),
                   [&](std::size_t a, std::size_t b) { return Bedre(punkter[a], punkter[b]); });

  TAaseVariant v = Variant(t, punkter[orden.front()], valg.Priser);
  const TSupplerendeKontrol supplerende = SupplerendeKontrol(valg.Supplerende);
  if (supplerende && v.Tal.AlleOk()) {
    // The best offsets that pass, each with its hangers in the list's order,
    // until one passes the supplementary check too.
    v.SupplerendeOk = false;
    std::size_t forsoeg = 0;
    for (std::size_t i : orden) {
      const TPunkt& p = punkter[i];
      if (forsoeg >= AntalSupplerendeForsoeg || p.ForsteBeslag < 0 || !p.Foerste.AlleOk()) break;
      ++forsoeg;
      Inddata ind = s.Ind;
      ind.CharnForskStd = 0;
      ind.CharnForsk = p.Mm / 1000.0;
      ind.Beslag = p.ForsteBeslag;
      if (supplerende(ind)) {
        v = Variant(t, p, valg.Priser);
        break;
      }
    }
  }
  beregninger += s.Beregninger;
  return v;
}

TAaseOptimering FindBilligsteAas(const Inddata& ind, const TAaseValg& valg,
                                 const TSoegeStyring& styring) {
  TAaseOptimering o;
  const TSupplerendeKontrol supplerende = SupplerendeKontrol(valg.Supplerende);
  const std::size_t antalVist = std::max<std::size_t>(valg.AntalVarianter, 1);

  // The project as entered.
  {
    const TNoegletalResultat r = BeregnNoegletal(ind);
    ++o.AntalBeregninger;
    TAaseVariant& v = o.SomIndtastet.Variant;
    v.StyrkeKlasse = ind.StyrkeKlasse;
    v.Hoejde = ind.AaseHojde;
    v.Bredde = ind.AaseBredde;
    v.Beslag = ind.Beslag;
    v.ForskydningMm = static_cast<std::int32_t>(std::llround(ind.CharnForsk * 1000.0));
    v.Pris = PrisPrMeter(valg.Priser, ind.StyrkeKlasse, ind.AaseHojde, ind.AaseBredde);
    o.SomIndtastet.Beregnet = r.Beregnet();
    if (r.Beregnet()) v.Tal = r.Tal;
    if (supplerende && r.Beregnet() && r.Tal.AlleOk()) v.SupplerendeOk = supplerende(ind);
  }

  // The sections, cheapest first.
  const std::vector<TTvaersnit> snit = StandardTvaersnit(ind.StyrkeKlasse, valg.AlleKlasser);
  o.AntalTvaersnit = snit.size();
  std::vector<TNoegle> noegler;
  for (std::size_t i = 0; i < snit.size(); ++i)
    noegler.emplace_back(PrisPrMeter(valg.Priser, snit[i].StyrkeKlasse, snit[i].Hoejde, snit[i].Bredde),
                         snit[i].Hoejde * snit[i].Bredde, snit[i].Hoejde, i);
  std::sort(noegler.begin(), noegler.end(), Foer);

  // Shared out over the threads in that order. A section dearer than the
  // last of the variants listed so far cannot enter the list: from there
  // on nothing more is computed. Every section not dearer than the last of
  // the final list is computed whatever the threads did, so the list does
  // not depend on them.
  std::vector<std::optional<TAaseVariant>> resultat(noegler.size());
  std::mutex laas;
  std::vector<TNoegle> bestaaede;  // sorted
  std::size_t beregninger = 0;
  o.Annulleret = !KoerParallelt(noegler.size(), styring, [&](std::size_t i) {
    {
      std::lock_guard<std::mutex> l(laas);
      if (bestaaede.size() >= antalVist && Foer(bestaaede[antalVist - 1], noegler[i])) return;
    }
    std::size_t n = 0;
    std::optional<TAaseVariant> v =
        OptimerTvaersnit(ind, snit[std::get<3>(noegler[i])], valg, n);
    std::lock_guard<std::mutex> l(laas);
    beregninger += n;
    if (v && v->Bestaar())
      bestaaede.insert(std::upper_bound(bestaaede.begin(), bestaaede.end(), noegler[i], Foer),
                       noegler[i]);
    resultat[i] = std::move(v);
  });
  o.AntalBeregninger += beregninger;
  if (o.Annulleret) return o;
  const std::size_t antal = std::min(antalVist, bestaaede.size());
  o.AntalRegnet = noegler.size();
  if (bestaaede.size() >= antalVist)
    o.AntalRegnet = static_cast<std::size_t>(
        std::upper_bound(noegler.begin(), noegler.end(), bestaaede[antalVist - 1], Foer) -
        noegler.begin());
  for (std::size_t i = 0; i < noegler.size() && o.Bestaaede.size() < antal; ++i)
    if (resultat[i] && resultat[i]->Bestaar()) o.Bestaaede.push_back(*resultat[i]);

  // The reference: the cheapest section at the 1/7 rule, in the same order.
  Inddata regel = ind;
  regel.CharnForskStd = 1;
  if (const std::int32_t r17 = Regel17Mm(ind); r17 >= 0) regel.CharnForsk = r17 / 1000.0;
  TSoegeStyring blokStyring;
  blokStyring.Traade = styring.Traade;
  blokStyring.Stop = styring.Stop;
  for (std::size_t start = 0; start < noegler.size() && !o.Regel17; start += Regel17Blok) {
    const std::size_t n = std::min(Regel17Blok, noegler.size() - start);
    std::vector<TTvaersnitsProeve> proever(n);
    if (!KoerParallelt(n, blokStyring, [&](std::size_t i) {
          proever[i] = ProevTvaersnit(regel, snit[std::get<3>(noegler[start + i])], supplerende);
        })) {
      o.Annulleret = true;
      o.Bestaaede.clear();
      return o;
    }
    for (const TTvaersnitsProeve& p : proever) {
      o.AntalBeregninger += p.Beregninger;
      if (!o.Regel17 && p.Variant && p.Variant->Bestaar()) {
        o.Regel17 = *p.Variant;
        o.Regel17->Pris = PrisPrMeter(valg.Priser, p.Variant->StyrkeKlasse, p.Variant->Hoejde,
                                      p.Variant->Bredde);
      }
    }
  }
  return o;
}

bool BrugAaseVariant(TInddataside& side, const TAaseVariant& v, TBrugerDialog& dlg) {
  const bool ok = BrugTvaersnitsVariant(side, v, dlg);
  // The 1/7 rule's own offset stays coupled to the frame spacing ("Ja").
  if (v.ForskydningMm == Regel17Mm(side.Inddata)) {
    if (side.RadioGroupCharnForsk != 0) KlikRadio(side, TKontrol::RadioGroupCharnForsk, 0, dlg);
  } else {
    BrugCharnierforskydning(side, v.ForskydningMm, dlg);
  }
  return ok;
}

}  // namespace kvistor
