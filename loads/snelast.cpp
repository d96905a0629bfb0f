#include "loads/snelast.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "project/inddata.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"

namespace kvistor {

TSneFordeling SneFordeling(std::int32_t lk, char lt) {
  switch (lk) {
    case 3:
      if (lt >= 'b' && lt <= 'g') return TSneFordeling::Sne0;
      if (lt == 'h') return TSneFordeling::Sne1;
      if (lt == 'i') return TSneFordeling::Sne2;
      break;
    case 5:
      switch (lt) {
        case 'a': case 'j': case 'm': case 'v': return TSneFordeling::Sne0;
        case 'b': case 'k': case 'n': case 'w': return TSneFordeling::Sne1;
        case 'c': return TSneFordeling::Sne2;
        default: break;
      }
      break;
    case 11:
      if (lt == 'a') return TSneFordeling::Sne0;
      break;
    case 14:  // fire: the snow cases of LK 3 without the tilting moments
      if (lt == 'a') return TSneFordeling::Sne0;
      if (lt == 'h') return TSneFordeling::Sne1;
      if (lt == 'i') return TSneFordeling::Sne2;
      break;
    default: break;
  }
  return TSneFordeling::Ingen;
}

double SneFormFakTilfaelde(const Inddata& ind, std::int32_t lk, char lt) {
  const TSneFordeling f = SneFordeling(lk, lt);
  // An elevated value (drift, a higher ground value chosen by the user) is
  // meant for the roof as a whole; the alternating arrangements, which look
  // for the worst bay-by-bay pattern, keep to the normal value when that is
  // the smaller.
  if (ind.NormSneFormFak == 0 && (f == TSneFordeling::Sne1 || f == TSneFordeling::Sne2))
    return std::min(ind.SneFormFakForhojet, ind.SneFormFakNormal);
  return ind.SneFormFak;
}

double KarakteristiskSnelinie(const Inddata& ind, std::int32_t lk, char lt, double strimmelBredde) {
  return strimmelBredde * SneFormFakTilfaelde(ind, lk, lt);
}

TLinielastListe BygSnelast(TTilfaelde& tilfaelde, const TSupplData& supp, const Inddata& ind) {
  TLinielastListe liste;
  const double s = tilfaelde.sLinie;
  const TSneFordeling f = SneFordeling(tilfaelde.LK, tilfaelde.LT);

  if (f != TSneFordeling::Sne1 && f != TSneFordeling::Sne2) {
    // Uniform snow over the whole purlin, overhangs included. A case of a
    // snow combination without a named arrangement is uniform too, so its
    // snow is never lost.
    TilfoejLinielast(liste, 0, s * supp.CosV, s * supp.SinV);
  } else {
    // The purlin cut into its bays, in integer mm from the left purlin end:
    // gable overhang, gable bay, the normal bays up to the last interior
    // frame, gable bay, gable overhang (ending at LAas).
    std::vector<std::pair<std::int32_t, std::int32_t>> segmenter;
    std::int32_t x = 0;
    auto tilfoej = [&](std::int32_t laengde) {
      segmenter.emplace_back(x, x + laengde);
      x += laengde;
    };
    tilfoej(supp.GavlUdhMm);
    tilfoej(supp.GavlFag);
    // A normal bay of no length would never reach the last frame.
    if (supp.NormFag > 0)
      while (x < supp.xRammeN) tilfoej(supp.NormFag);
    tilfoej(supp.GavlFag);
    tilfoej(supp.GavlUdhMm);

    bool fuld = (f == TSneFordeling::Sne1);
    // One list for the changes of each bay in turn: merging empties it and
    // keeps its room.
    TLinielastListe segment;
    for (const auto& [start, slut] : segmenter) {
      const double q = fuld ? s : s / 2;
      // Nothing acts beyond the purlin end, so no change is put at LAas.
      if (start != supp.LAas) TilfoejLinielast(segment, start, q * supp.CosV, q * supp.SinV);
      if (slut != supp.LAas) TilfoejLinielast(segment, slut, -q * supp.CosV, -q * supp.SinV);
      FletLinielast(liste, segment);
      fuld = !fuld;
    }
  }

  if (ind.RappOmfang > 0) SkrivLinielast(tilfaelde.Linier, "snelast", liste, supp.LTag);
  return liste;
}

}  // namespace kvistor
