#include "loads/linielaster.h"

#include <string>

#include "common/afrunding.h"
#include "common/format.h"
#include "loads/formfaktor.h"
#include "loads/lastkombinationer.h"
#include "loads/snelast.h"
#include "loads/tvaersnit.h"
#include "loads/vindzoner.h"

namespace kvistor {

namespace {

// A position along the roof plan in m as purlin x in mm. A zone that reaches
// the end of the roof ends at the purlin end even when the rounded metre
// lengths of the layout add up to a few mm more or less, so that it never
// leaves a stray closing change just short of the end.
std::int32_t TilPurlinX(double meter, const TSupplData& sd) {
  if (meter >= sd.LTag) return sd.LAas;
  const long long x = TilMm(meter);
  if (x <= 0) return 0;
  if (x >= sd.LAas) return sd.LAas;
  return static_cast<std::int32_t>(x);
}

}  // namespace

TLinielastListe BygEgenlast(TTilfaelde& t, const Inddata& ind, const TSupplData& sd) {
  TLinielastListe liste;
  TilfoejLinielast(liste, 0, t.gLinie * sd.CosV, t.gLinie * sd.SinV);
  if (ind.RappOmfang > 0) SkrivLinielast(t.Linier, "egenlast", liste, sd.LTag);
  return liste;
}

TLinielastListe BygVindlastTag(TTilfaelde& t, const Inddata& ind, const TSupplData& sd,
                               TBrugerDialog& dialog) {
  TLinielastListe vind;
  if (!HarVindLK(t.LK)) return vind;

  // The snow pattern of LK 5 does not change the wind.
  const char c = VindTilfaelde(t.LK, t.LT);
  const bool detaljeret = ind.RappOmfang > 0;
  if (detaljeret) {
    t.Linier.push_back("");
    t.Linier.push_back(Format("Detaljer vedr. vindlast på tag (Part.koeff. eller psi = %4.2f):",
                              {t.LastfaktorW}));
    t.Linier.push_back("  Område   Form-      Karakt.      Last-      Regn.mæss.   y-område   ");
    t.Linier.push_back("           faktor     fladelast    bredde     linielast  start   slut ");
  }

  for (const char* z = TagZoner; *z; ++z) {
    const char zone = *z;
    const TZoneRektangel r =
        VindlastOmraade09(dialog, zone, c, 0.0, ind.GavlUdh, ind.FacUdh, sd.LHus, ind.HusBr, sd.HRef);
    // A zone that does not exist in this case, or that has no area on the
    // roof, loads nothing and is not listed.
    if (!r.Findes()) continue;

    const double cp = Formfaktor(dialog, zone, c, sd.LHus, sd.BTag, sd.HRef, ind.TagVink);
    // The strip is horizontal; the load acts on the sloped width.
    const double b = Overlap(r.y1, r.y2, t.StrimmelStart, t.StrimmelSlut) / sd.CosV;
    double q;
    if (zone >= 'F' && zone <= 'K')
      q = sd.qku * cp;  // roof zones: positive cp presses the roof down
    else if (zone == 'N')
      q = -sd.qki * cp;  // internal pressure lifts the roof
    else
      q = -sd.qku * cp;  // overhang zones: the coefficient acts on the underside
    const double p = t.LastfaktorW * q * b;
    if (p == 0.0) continue;

    if (detaljeret)
      t.Linier.push_back(Format("%6s%10.2f%9.2f kN/m2%8.2f m%10.3f kN/m%6.2f m%6.2f m",
                                {std::string(1, zone), cp, q, b, p, r.x1, r.x2}));

    const std::int32_t xStart = TilPurlinX(r.x1, sd);
    const std::int32_t xSlut = TilPurlinX(r.x2, sd);
    if (xSlut <= xStart) continue;  // shorter than a millimetre along the purlin
    // Wind acts perpendicular to the roof only.
    TilfoejLinielast(vind, xStart, p, 0.0);
    if (xSlut != sd.LAas) TilfoejLinielast(vind, xSlut, -p, 0.0);
  }

  if (detaljeret) SkrivLinielast(t.Linier, "vindlast (w) alene", vind, sd.LTag);
  return vind;
}

TLinielastListe BygLinielaster(TTilfaelde& t, const Inddata& ind, const TSupplData& sd,
                               TBrugerDialog& dialog) {
  TLinielastListe liste = BygEgenlast(t, ind, sd);
  if (HarSneLK(t.LK)) {
    TLinielastListe sne = BygSnelast(t, sd, ind);
    FletLinielast(liste, sne);
  }
  if (HarVindLK(t.LK)) {
    TLinielastListe vind = BygVindlastTag(t, ind, sd, dialog);
    FletLinielast(liste, vind);
    if (ind.RappOmfang > 0) SkrivLinielast(t.Linier, "g+s+w", liste, sd.LTag);
  }
  return liste;
}

}  // namespace kvistor
