#include "loads/gavlvind.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "common/format.h"
#include "loads/formfaktor.h"
#include "loads/lastkombinationer.h"
#include "loads/tvaersnit.h"
#include "loads/vindzoner.h"

namespace kvistor {

namespace {

enum TGavl { IngenGavl, SydGavl, NordGavl, BeggeGavle };

// Which gable wall a zone of the gable-wall loop loads in a wind direction.
// The zones without area on the gable walls in that direction load neither.
TGavl GavlAfZone(char zone, int retning) {
  if (zone == 'N') return BeggeGavle;
  if (VindPaaTvaers(retning)) {
    if (zone == '2' || zone == 'L' || zone == 'M') return SydGavl;
    if (zone == '1' || zone == 'B' || zone == 'C') return NordGavl;
  } else if (retning == RetningNord) {
    if (zone == 'E') return SydGavl;
    if (zone == 'D') return NordGavl;
  } else {  // from the south
    if (zone == 'D') return SydGavl;
    if (zone == 'E') return NordGavl;
  }
  return IngenGavl;
}

// The six report sub-lists: short and long end, across / north / south.
constexpr std::array<const char*, 6> DellisteTitler = {
    "  Kort yderfag, vind på tværs:", "  Langt yderfag, vind på tværs:",
    "  Kort yderfag, vind fra Nord:", "  Langt yderfag, vind fra Nord:",
    "  Kort yderfag, vind fra Syd:",  "  Langt yderfag, vind fra Syd:",
};

int ForsteDelliste(int retning) {
  if (VindPaaTvaers(retning)) return 0;
  return retning == RetningNord ? 2 : 4;
}

}  // namespace

void BygVindlastGavl(TTilfaelde& t, const Inddata& ind, const TSupplData& sd,
                     TBrugerDialog& dialog) {
  for (int f = 1; f <= 3; ++f) {
    t.FagRes[f].N = 0.0;
    t.FagRes[f].NTryk = 0.0;
  }
  if (ind.NormalKraftFaktor == 0.0) return;
  if (!HarVindLK(t.LK)) return;

  const char c = VindTilfaelde(t.LK, t.LT);
  const int retning = VindRetning(c);
  const bool detaljeret = ind.RappOmfang > 0;

  auto& l = t.Linier;
  l.push_back("");
  l.push_back(Format("Detaljer vedr. vindlast på gavlvægge (Part.koeff. eller psi = %4.2f):",
                     {t.LastfaktorW}));
  l.push_back(Format("  Normalkraftfaktor = %4.2f", {ind.NormalKraftFaktor}));
  l.push_back(Format("  Kar. hastighedstryk ude/inde = %4.2f/%4.2f kN/m2:", {sd.qku, sd.qki}));
  l.push_back("  Område N er inde, øvrige delområder er ude.");
  l.push_back("  Område   Form-      Karakt.      Del-       Regn.mæss.");
  l.push_back("           faktor     fladelast    areal      dellast");

  std::array<std::vector<std::string>, 6> dellister;
  for (int i = 0; i < 6; ++i) dellister[i].push_back(DellisteTitler[i]);
  const int kort = ForsteDelliste(retning);
  const int lang = kort + 1;

  // A purlin number outside 1..3 has no band on the gable walls.
  const int p = t.Aas;
  const bool gyldigAas = p >= 1 && p <= 3;

  double sSyd = 0.0;
  double sNord = 0.0;
  for (const char* z = GavlZoner; *z; ++z) {
    const char zone = *z;
    const TGavl gavl = GavlAfZone(zone, retning);
    if (gavl == IngenGavl || !gyldigAas) continue;
    const TGavlInterval iv = GavlZone(zone, c, ind.FacUdh, sd.LHus, ind.HusBr, sd.HRef);
    if (!iv.Findes()) continue;

    const double cp = Formfaktor(dialog, zone, c, sd.LHus, ind.HusBr, sd.HRef, 15.0);
    const double areal =
        Overlap(iv.a1, iv.a2, sd.GavlFeltStart[p], sd.GavlFeltSlut[p]) * sd.GavlFeltHojde[p];
    // Pressure on the outside (cp > 0) pushes the wall in, towards the
    // building, and so pushes the purlin end: a negative partial load.
    const double q = zone == 'N' ? sd.qki * cp : -sd.qku * cp;
    const double dellast = ind.NormalKraftFaktor * t.LastfaktorW * q * areal;

    if (dellast != 0.0 && detaljeret) {
      const std::string linje = Format("%6s%10.2f%9.2f kN/m2%8.2f m2%9.2f kN",
                                       {std::string(1, zone), cp, q, areal, dellast});
      if (gavl == SydGavl || gavl == BeggeGavle) dellister[kort].push_back(linje);
      if (gavl == NordGavl || gavl == BeggeGavle) dellister[lang].push_back(linje);
    }
    if (gavl == SydGavl || gavl == BeggeGavle) sSyd += dellast;
    if (gavl == NordGavl || gavl == BeggeGavle) sNord += dellast;
  }

  // The south gable acts on the short end bay, the north gable on the long
  // one; the middle bays see the larger of the two.
  if (sSyd >= 0.0) t.FagRes[1].N = sSyd;
  else t.FagRes[1].NTryk = -sSyd;
  if (sNord >= 0.0) t.FagRes[3].N = sNord;
  else t.FagRes[3].NTryk = -sNord;
  t.FagRes[2].N = std::max(t.FagRes[1].N, t.FagRes[3].N);
  t.FagRes[2].NTryk = std::max(t.FagRes[1].NTryk, t.FagRes[3].NTryk);

  // A sub-list with only its title and the internal-pressure line says
  // nothing worth printing.
  for (const auto& d : dellister)
    if (d.size() > 2) l.insert(l.end(), d.begin(), d.end());
}

}  // namespace kvistor
