#include "loads/lastkombinationer.h"

#include <algorithm>
#include <string_view>

#include "common/format.h"
#include "loads/snelast.h"
#include "purlin/brandtvaersnit.h"
#include "purlin/traemateriale.h"

namespace kvistor {

namespace {

// Characteristic-to-design factors by load combination (rows 1..13, row 0
// unused) and load type (columns g, s, w, q, Q), before K_FI. The rows of the
// deflection combinations 10..12 are the unit factors of their one load; the
// factors actually used there (1 + kdef for the dead load) are set by
// BygTilfaelde.
constexpr double FaktorTabel[14][5] = {
    {0.0, 0.0, 0.0, 0.0, 0.0},     //
    {1.2, 0.0, 0.0, 0.0, 0.0},     // 1
    {1.0, 0.0, 0.0, 1.5, 0.0},     // 2
    {1.0, 1.5, 0.0, 0.75, 0.0},    // 3
    {1.0, 0.45, 0.0, 1.5, 0.0},    // 4
    {1.0, 1.5, 0.45, 0.75, 0.0},   // 5
    {1.0, 0.0, 1.5, 0.75, 0.0},    // 6
    {1.0, 0.45, 0.45, 1.5, 0.0},   // 7
    {1.0, 0.0, 0.0, 0.0, 1.5},     // 8
    {0.9, 0.0, 1.5, 0.0, 0.0},     // 9
    {1.0, 0.0, 0.0, 0.0, 0.0},     // 10
    {0.0, 1.0, 0.0, 0.0, 0.0},     // 11
    {0.0, 0.0, 0.0, 0.0, 1.0},     // 12
    {0.0, 0.0, 0.0, 0.0, 0.0},     // 13
};

constexpr std::string_view LKTekster[10] = {
    "",
    "1,2 g",
    "1,0 g",
    "1,0 g + 1,5 s + evt. Mkip",
    "1,0 g + 0,45 s",
    "1,0 g + 1,5 s + 0,45 w",
    "1,0 g + 1,5 w",
    "1,0 g + 0,45 s + 0,45 w",
    "1,0 g + 1,5 Q",
    "0,9 g + 1,5 w",
};

constexpr const char* Stjerner =
    "***************************************************************";

// The design factor without any messages; the callers below pass only
// valid letters and combinations.
double Faktor(int lastType, int lk, int sikkl) {
  if (lk < 1 || lk > 13 || lastType < 0 || lastType > 4) return 0.0;
  double f = FaktorTabel[lk][lastType];
  if (lk <= 8 || (lk == 9 && lastType != LastEgen)) f *= KFI(sikkl);
  return f;
}

bool Mellem(char c, char fra, char til) { return c >= fra && c <= til; }

// "vest." etc. for the wind letters of the load cases that carry wind.
const char* Retningsord(char lt) {
  if (Mellem(lt, 'a', 'c')) return "vest.";
  if (Mellem(lt, 'j', 'l')) return "nord.";
  if (Mellem(lt, 'm', 'o')) return "øst.";
  if (Mellem(lt, 'v', 'x')) return "syd.";
  return "";
}

int TypeAfBogstav(char b) {
  switch (b) {
    case 'V': case 'W': case 'X': case 'Y': return LastEgen;
    case 'O': case 'P': return LastSne;
    case '1': case '2': return LastVind;
    case 'Q': case 'R': case 'S': case 'T': case 'U': return LastNyttig;
    case 'A': case 'Z': return LastPunkt;
    default: break;
  }
  if (Mellem(b, 'B', 'N')) return LastVind;
  return LastUgyldig;
}

std::string Bogstav(char c) { return std::string(1, c); }

// The load-case line of the heading; empty when the combination has none
// for this letter.
std::string LasttilfaeldeLinje(const TTilfaelde& t, const TRammePlaceringer& rammePlaceringer,
                               const TPunktLastPlaceringer& punktLastPlaceringer) {
  const char lt = t.LT;
  const std::string s = Bogstav(lt);
  switch (t.LK) {
    case 1:
    case 10:
      if (lt == 'a') return "Lasttilfælde a: Kun egenlast.";
      break;
    case 3:
      if (Mellem(lt, 'b', 'g')) {
        const double x = rammePlaceringer[lt - 'a'] / 1000.0;
        return Format("Lasttilfælde %s: Sne(0) + primært kipn-moment i punktet x = %4.2n m",
                      {s, x});
      }
      [[fallthrough]];
    case 14:
      if (lt == 'a' && t.LK == 14)
        return Format("Lasttilfælde %s: Sne(0) uden kipn-momenter.", {s});
      if (lt == 'h') return Format("Lasttilfælde %s: Sne(1) uden kipn-momenter.", {s});
      if (lt == 'i') return Format("Lasttilfælde %s: Sne(2) uden kipn-momenter.", {s});
      break;
    case 5: {
      const char* sne = nullptr;
      if (lt == 'a' || lt == 'j' || lt == 'm' || lt == 'v') sne = "Sne(0)";
      else if (lt == 'b' || lt == 'k' || lt == 'n' || lt == 'w') sne = "Sne(1)";
      else if (lt == 'c') sne = "Sne(2)";
      if (sne)
        return Format("Lasttilfælde %s: %s", {s, sne}) + " + nedadrett. vind fra " +
               Retningsord(lt);
      break;
    }
    case 6:
    case 15:
      if (lt == 'a' || lt == 'j' || lt == 'm' || lt == 'v')
        return Format("Lasttilfælde %s: Nedadrettet vind fra ", {s}) + Retningsord(lt);
      break;
    case 8:
      if (Mellem(lt, 'a', 'k')) {
        const double x = punktLastPlaceringer[lt - 'a' + 1] / 1000.0;
        return Format("Lasttilfælde %s: Punktlast i punktet x = %4.2n m.", {s, x});
      }
      break;
    case 9:
      if (std::string_view("bcklnowx").find(lt) != std::string_view::npos)
        return Format("Lasttilfælde %s: Opadrettet vind fra ", {s}) + Retningsord(lt);
      break;
    case 11:
      if (lt == 'a') return Format("Lasttilfælde %s: Sne(0).", {s});
      break;
    case 12: {
      const char* fag = nullptr;
      if (lt == 'a') fag = "kort endefag";
      else if (lt == 'b') fag = "første (sydligste) mellemfag";
      else if (lt == 'c') fag = "langt endefag";
      if (fag) return Format("Lasttilfælde %s: Én punktlast midt i ", {s}) + fag + ".";
      break;
    }
    default:
      break;
  }
  return {};
}

}  // namespace

int FindLastbidrag(char bogstav, TBrugerDialog& dialog) {
  const int type = TypeAfBogstav(bogstav);
  if (type == LastUgyldig)
    dialog.Fejl("function FindLastbidrag: Omraade " + Bogstav(bogstav) + " er ugyldigt.");
  return type;
}

double KFI(int sikkl) {
  if (sikkl == 0) return 0.9;
  if (sikkl == 2) return 1.1;
  return 1.0;
}

double Kdef(int anvKlasse) {
  // A damaged index is taken as the nearest service class.
  if (anvKlasse <= 0) return 0.6;
  if (anvKlasse == 1) return 0.8;
  return 2.0;
}

double LastFaktor09(char bogstav, int lk, int sikkl, TBrugerDialog& dialog) {
  if (lk < 1 || lk > 13) {
    dialog.Fejl(Format("function LastFaktor09: Ugyldig lastkombination: %d. Skal være fra 1 til 13.",
                       {lk}));
    return 0.0;
  }
  return Faktor(FindLastbidrag(bogstav, dialog), lk, sikkl);
}

double Punktlast(char placering, TBrugerDialog& dialog) {
  if (placering == 'A') return 1.5;
  if (placering == 'Z') return 2.0;
  dialog.Fejl("Ugyldig punktlastplacering: " + Bogstav(placering) + ". Skal være A eller Z.");
  return 0.0;
}

const TBrandKombination* BrandKombination(int lk) {
  for (const TBrandKombination& b : BrandKombinationer)
    if (b.LK == lk) return &b;
  return nullptr;
}

std::string LKTekst(int lk) {
  if (const TBrandKombination* b = BrandKombination(lk)) return b->Tekst;
  if (!ErBrudLK(lk)) return {};
  return std::string(LKTekster[lk]);
}

char VindTilfaelde(int lk, char lt) {
  if (lk == 5) {
    switch (lt) {
      case 'b': case 'c': return 'a';
      case 'k': return 'j';
      case 'n': return 'm';
      case 'w': return 'v';
      default: break;
    }
  }
  return lt;
}

void BygTilfaelde(TTilfaelde& t, int aas, int lk, char lt, const Inddata& inddata,
                  const TSupplData& suppl) {
  // A fresh record: empty text lists, every result 0 (N and NTryk are set
  // for every case by BygVindlastGavl), not governing.
  t = TTilfaelde{};
  t.Aas = aas;
  t.LK = lk;
  t.LT = lt;

  // A purlin number outside 1..3 has no place on the roof: it keeps an empty
  // strip and so carries no roof load, rather than reading past the table.
  const bool gyldigAas = aas >= 1 && aas <= 3;
  t.AasPlacering = gyldigAas ? suppl.xAas[aas] : 0.0;

  if (gyldigAas) {
    const double w = inddata.AaseAfst * suppl.CosV;
    t.StrimmelStart = std::max(t.AasPlacering - w / 2.0, 0.0);
    t.StrimmelSlut = std::min(t.AasPlacering + w / 2.0, suppl.BTag / 2.0);
    // A purlin spacing so wide that the purlin would lie past the ridge
    // leaves no roof between the bounds; its strip is empty, never negative.
    t.StrimmelSlut = std::max(t.StrimmelSlut, t.StrimmelStart);
  } else {
    t.StrimmelStart = t.StrimmelSlut = 0.0;
  }
  const double b = t.StrimmelSlut - t.StrimmelStart;

  // Dead load per m² of roof surface on the sloped width; snow on the
  // horizontal width.
  const double egenlast = suppl.CosV != 0.0 ? b * suppl.EgenlastIalt / suppl.CosV : 0.0;
  const double sne = KarakteristiskSnelinie(inddata, lk, lt, b);
  constexpr double punktlast = 1.5;  // placement 'A'

  t.LastfaktorG = t.LastfaktorS = t.LastfaktorQ = t.LastfaktorW = 0.0;
  if (ErBrudLK(lk)) {
    // The letters 'Y', 'P', 'A', 'B' stand for dead load, snow, point load
    // and wind.
    t.LastfaktorG = Faktor(LastEgen, lk, suppl.Sikkl);
    t.LastfaktorS = Faktor(LastSne, lk, suppl.Sikkl);
    t.LastfaktorQ = Faktor(LastPunkt, lk, suppl.Sikkl);
    t.LastfaktorW = Faktor(LastVind, lk, suppl.Sikkl);
  } else if (lk == 10) {
    t.LastfaktorG = 1.0 + Kdef(inddata.AnvKlasse);
  } else if (lk == 11) {
    t.LastfaktorS = 1.0;
  } else if (lk == 12) {
    t.LastfaktorQ = 1.0;
  } else if (const TBrandKombination* brand = BrandKombination(lk)) {
    // The accidental situation: the frequent value of the one variable load
    // and no point load.
    t.LastfaktorG = brand->GammaG;
    const double psi = brand->GammaQ * brand->Psi1;
    if (HarSneLK(lk)) t.LastfaktorS = psi;
    if (HarVindLK(lk)) t.LastfaktorW = psi;
  }

  t.gLinie = t.LastfaktorG * egenlast;
  t.sLinie = t.LastfaktorS * sne;
  t.Q = t.LastfaktorQ * punktlast;

  if (ErBrandLK(lk)) {
    // The fire check works on the residual section with strengths of its own.
    t.kmod = BrandVaerdier.kmodfi;
    t.fmkd = t.fvkd = 0.0;
    return;
  }
  t.kmod = Kmod(inddata.AnvKlasse, lk);
  t.fmkd = suppl.fmd * t.kmod;
  t.fvkd = suppl.fvd * t.kmod;
}

void SkrivTilfaeldeTekst(TTilfaelde& t, const TRammePlaceringer& rammePlaceringer,
                         const TPunktLastPlaceringer& punktLastPlaceringer) {
  auto& l = t.Linier;
  l.push_back(Stjerner);
  if (ErBrudLK(t.LK) || ErBrandLK(t.LK))
    l.push_back(Format("Lastkombination %d: ", {t.LK}) + LKTekst(t.LK) + ".");
  else if (t.LK == 10)
    l.push_back("Lastkombination 10: 1,0 g.");
  else if (t.LK == 11)
    l.push_back("Lastkombination 11: 0,0 g + 1,0 s.");
  else if (t.LK == 12)
    l.push_back("Lastkombination 12: 0,0 g + 1,0 Q.");
  else
    l.push_back("Udefineret lastkombinationsbeskrivelse!");
  std::string tilf = LasttilfaeldeLinje(t, rammePlaceringer, punktLastPlaceringer);
  if (!tilf.empty()) l.push_back(std::move(tilf));
  l.push_back(Format("Aas nr %d.", {t.Aas}));
  l.push_back(Stjerner);
}

}  // namespace kvistor
