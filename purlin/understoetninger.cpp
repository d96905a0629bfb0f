#include "purlin/understoetninger.h"

namespace kvistor {

namespace {

// A refused layout (a purlin too long for integer mm, too many bays) leaves
// the layout fields 0: the lists are then left empty rather than filled with
// millions of supports at one point, and the statics refuses the empty chain.
bool LayoutPasser(const TSupplData& sd, std::int32_t antalFag) {
  return antalFag >= 2 && antalFag <= MaksFagIUnderstoetninger && sd.LAas > 0;
}

}  // namespace

TUnderstoetninger BygUnderstoetninger(const TSupplData& sd, std::int32_t antalFag) {
  TUnderstoetninger u;
  if (!LayoutPasser(sd, antalFag)) return u;
  const std::int32_t rammer = antalFag - 1;
  u.reserve(static_cast<std::size_t>(rammer) + 2);
  u.push_back(TReaktion{sd.GavlUdhMm, 1, 0, 0});
  for (std::int32_t k = 0; k < rammer; ++k)
    u.push_back(TReaktion{sd.xRamme1 + k * sd.NormFag, 2, 0, 0});
  u.push_back(TReaktion{sd.LAas - sd.GavlUdhMm, 3, 0, 0});
  return u;
}

TCharnierer BygCharnierer(const TSupplData& sd, std::int32_t antalFag) {
  TCharnierer c;
  if (!LayoutPasser(sd, antalFag)) return c;
  const std::int32_t n = antalFag - 1;
  c.reserve(static_cast<std::size_t>(n));
  for (std::int32_t k = 0; k < n; ++k) {
    // The hinge sits CharnForskMm left of its frame, so that every piece
    // after the first cantilevers over its frame to carry the piece before.
    const std::int32_t type = k == 0 ? 1 : (k == n - 1 ? 3 : 2);
    c.push_back(TCharnier{sd.xRamme1 + k * sd.NormFag - sd.CharnForskMm, type});
  }
  return c;
}

void NulstilReaktioner(TUnderstoetninger& understoetninger) {
  for (TReaktion& r : understoetninger) {
    r.Rz = 0;
    r.Ry = 0;
  }
}

TRammePlaceringer RammePlaceringer(const TSupplData& sd) {
  TRammePlaceringer p{};
  std::int64_t x = sd.xRamme1;
  for (int i = 1; i <= 5 && x < sd.xRammeN; ++i) {
    p[i] = static_cast<std::int32_t>(x);
    x += sd.NormFag;
  }
  p[6] = sd.xRammeN;
  return p;
}

}  // namespace kvistor
