#include "purlin/laster.h"

#include <algorithm>

#include "common/format.h"

namespace kvistor {

void TilfoejLinielast(TLinielastListe& liste, std::int32_t x, double dqz, double dqy) {
  auto it = std::lower_bound(liste.begin(), liste.end(), x,
                             [](const TLinielast& l, std::int32_t v) { return l.x < v; });
  if (it != liste.end() && it->x == x) {
    it->dqz += dqz;
    it->dqy += dqy;
  } else {
    // A case's lists hold a few dozen changes: room for them at once rather
    // than growing one change at a time.
    if (liste.size() == liste.capacity()) {
      const auto i = it - liste.begin();
      liste.reserve(std::max<std::size_t>(32, 2 * liste.size()));
      it = liste.begin() + i;
    }
    liste.insert(it, TLinielast{x, dqz, dqy});
  }
}

void FletLinielast(TLinielastListe& maal, TLinielastListe& kilde) {
  if (&maal == &kilde) return;  // merging a list into itself would double it
  for (const TLinielast& l : kilde) TilfoejLinielast(maal, l.x, l.dqz, l.dqy);
  kilde.clear();
}

void SkrivLinielast(std::vector<std::string>& linier, const std::string& kildenavn,
                    const TLinielastListe& liste, double slutX) {
  linier.emplace_back();
  linier.push_back("Regningsmæssig linielast på åse fra " + kildenavn + ":");
  if (liste.empty()) {
    linier.emplace_back("  Listen er tom.");
    return;
  }
  // The running sums continue from block to block.
  double qz = 0, qy = 0;
  for (std::size_t start = 0; start < liste.size(); start += 6) {
    if (start > 0) linier.emplace_back();
    const std::size_t slut = std::min(liste.size(), start + 6);
    std::string xLinje = "  x (m)     ";
    std::string zLinje = "  z-retn (kN/m) ";
    std::string yLinje = "  y-retn (kN/m) ";
    for (std::size_t i = start; i < slut; ++i) {
      xLinje += Format("%8.2n", {liste[i].x / 1000.0});
      qz += liste[i].dqz;
      qy += liste[i].dqy;
      zLinje += Format("%8.3n", {qz});
      yLinje += Format("%8.3n", {qy});
    }
    // The block's last stretch ends at the next record, or at the end.
    const double naesteX = slut < liste.size() ? liste[slut].x / 1000.0 : slutX;
    xLinje += Format("%8.2n", {naesteX});
    linier.push_back(xLinje);
    linier.push_back(zLinje);
    linier.push_back(yLinje);
  }
}

}  // namespace kvistor
