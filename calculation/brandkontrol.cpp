#include "calculation/brandkontrol.h"

#include <algorithm>
#include <vector>

#include "loads/lastkombinationer.h"
#include "purlin/lastkombinationsarter.h"

namespace kvistor {

namespace {

struct TBrandTilfaelde {
  int LK = 0;
  char LT = 'a';
  int Aas = 0;
  TSnitUdtraek Snit;
};

bool Bestaar(double udnyttelse) { return AfrundetVaerdi(udnyttelse) <= 1.0; }

// Whether the section stands and every case passes at minute t; `alle`
// holds the forces of every case together.
bool HolderVed(const Inddata& ind, int t, int sider, const TSnitUdtraek& alle) {
  const TBrandTvaersnit s = BestemBrandTvaersnit(ind, t, sider);
  if (s.Gennembraendt()) return false;
  for (int fag = 1; fag <= 3; ++fag)
    if (!Bestaar(BrandUdnyttelseBoejning(alle, fag, s)) ||
        !Bestaar(BrandUdnyttelseForskydning(alle, fag, s)))
      return false;
  return true;
}

// The first case with the largest rounded value heads, as in the rankings.
void Tilfoej(TBrandGivende& g, double udnyttelse, const TBrandTilfaelde& c) {
  const double v = AfrundetVaerdi(udnyttelse);
  if (g.LK != 0 && !(v > g.Vaerdi)) return;
  g = TBrandGivende{v, udnyttelse, c.LK, c.LT, c.Aas};
}

}  // namespace

TBrandResultat BeregnBrand(const Inddata& indtastet, const TSupplData& sd, int minutter,
                           int sider, TBrugerDialog& dialog) {
  TBrandResultat r;
  r.Tvaersnit = BestemBrandTvaersnit(indtastet, minutter, sider);
  if (minutter < 1 || minutter > BrandVaerdier.MaksMinutter) {
    dialog.Fejl(TekstBrandMinutter);
    r.Udfald = TBeregningsUdfald::Afvist;
    return r;
  }
  // Only the numbers are wanted: no case text.
  Inddata ind = indtastet;
  ind.RappOmfang = 0;
  TBeregning ber;
  if (!ForberedBeregning(ber, ind, sd, dialog)) {
    r.Udfald = ber.Udfald;
    return r;
  }

  // The forces of the fire cases do not depend on the section: computed
  // once, they are put on the residual section of every minute.
  std::vector<TBrandTilfaelde> tilfaelde;
  for (int aas = 1; aas <= 3; ++aas)
    for (const TBrandKombination& k : BrandKombinationer)
      for (char lt = 'a'; lt <= 'x'; ++lt) {
        if (!TilfaeldeFindes(aas, k.LK, lt)) continue;
        TTilfaelde tilf;
        BygTilfaelde(tilf, aas, k.LK, lt, ind, sd);
        TBrandTilfaelde c{k.LK, lt, aas, {}};
        if (!BeregnTilfaelde(ber, tilf, ind, sd, dialog, nullptr, false, &c.Snit)) {
          r.Udfald = TBeregningsUdfald::Afbrudt;
          return r;
        }
        ReducerSnitUdtraek(c.Snit);
        tilfaelde.push_back(std::move(c));
      }
  r.AntalTilfaelde = static_cast<int>(tilfaelde.size());

  if (!r.Tvaersnit.Gennembraendt())
    for (const TBrandTilfaelde& c : tilfaelde)
      for (int fag = 1; fag <= 3; ++fag) {
        Tilfoej(r.Boejning[fag], BrandUdnyttelseBoejning(c.Snit, fag, r.Tvaersnit), c);
        Tilfoej(r.Forskydning[fag], BrandUdnyttelseForskydning(c.Snit, fag, r.Tvaersnit), c);
      }

  // A minute holds when the largest utilisation over all cases passes: the
  // forces of all cases together, reduced once more, serve every minute.
  TSnitUdtraek alle;
  for (const TBrandTilfaelde& c : tilfaelde) {
    alle.Momenter.insert(alle.Momenter.end(), c.Snit.Momenter.begin(), c.Snit.Momenter.end());
    for (int fag = 1; fag <= 3; ++fag)
      alle.VMaks[fag] = std::max(alle.VMaks[fag], c.Snit.VMaks[fag]);
  }
  ReducerSnitUdtraek(alle);
  // Minute by minute from the start, so that a resistance is only claimed
  // when every minute before it holds too.
  r.OpnaaetMinutter = -1;
  for (int t = 0; t <= BrandVaerdier.MaksMinutter && HolderVed(ind, t, sider, alle); ++t)
    r.OpnaaetMinutter = t;
  if (r.OpnaaetMinutter < 0) r.OpnaaetMinutter = 0;
  r.Udfald = TBeregningsUdfald::Gennemfoert;
  return r;
}

}  // namespace kvistor
