#include "loads/vindzoner.h"

#include <algorithm>
#include <string>

#include "common/format.h"

namespace kvistor {

namespace {

bool GyldigZone(char z) { return z == '1' || z == '2' || (z >= 'B' && z <= 'N'); }
bool GyldigTilfaelde(char c) { return c >= 'a' && c <= 'x'; }

// A number in a consistency message: two decimals, a point as the decimal
// separator (these messages have always been written that way), at least 4
// characters wide.
std::string MeddelelsesTal(double v) {
  std::string s = Format("%4.2f", {v});
  std::replace(s.begin(), s.end(), ',', '.');
  return s;
}

// A letter as itself; a byte that is no printable ASCII character would make
// the message unreadable (or invalid UTF-8), so it is shown as '?'.
std::string MeddelelsesTegn(char c) {
  return std::string(1, (c >= 0x20 && c < 0x7f) ? c : '?');
}

// Pressure ('T') or suction ('S') per wind case 'a'..'x' for the zone groups
// F/G/H/K, I/J, 1/B/C, 2/L/M and N (internal).
constexpr const char* TrykSugTabel[24] = {
    "TTSSS", "SSTST", "SSSTT", "TSTST", "TSSTT", "TSSSS", "STTST", "STSTT", "STSSS",  // a..i vest
    "TTSSS", "SSTST", "SSSTT",                                                       // j..l nord
    "TTSSS", "SSTST", "SSSTT", "TSTST", "TSSTT", "TSSSS", "STTST", "STSTT", "STSSS",  // m..u øst
    "TTSSS", "SSTST", "SSSTT",                                                       // v..x syd
};

int TrykSugGruppe(char z) {
  switch (z) {
    case 'F': case 'G': case 'H': case 'K': return 0;
    case 'I': case 'J': return 1;
    case '1': case 'B': case 'C': return 2;
    case '2': case 'L': case 'M': return 3;
    case 'N': return 4;
    default: return -1;
  }
}

}  // namespace

int VindRetning(char tilfaelde) {
  if (tilfaelde >= 'a' && tilfaelde <= 'i') return RetningVest;
  if (tilfaelde >= 'j' && tilfaelde <= 'l') return RetningNord;
  if (tilfaelde >= 'm' && tilfaelde <= 'u') return RetningOest;
  if (tilfaelde >= 'v' && tilfaelde <= 'x') return RetningSyd;
  return RetningVest;
}

TZoneRektangel VindlastOmraade09(TBrugerDialog& dialog, char omraade, char tilfaelde, double t,
                                 double g, double u, double L, double B, double h) {
  // Only a message needs the routine's name; the routine runs thousands of
  // times a calculation, so the text is not made beforehand.
  const std::string_view p = "procedure VindlastOmraade09: ";
  if (h <= 0)
    dialog.Fejl(std::string(p) + "Ugyldig tagkiphøjde: " + MeddelelsesTal(h) + ". Skal være større end 0.");
  if (B <= 0)
    dialog.Fejl(std::string(p) + "Ugyldig huskropbredde: " + MeddelelsesTal(B) + ". Skal være større end 0.");
  if (L <= 0)
    dialog.Fejl(std::string(p) + "Ugyldig huskroplængde: " + MeddelelsesTal(L) + ". Skal være større end 0.");
  if (u < 0)
    dialog.Fejl(std::string(p) + "Ugyldigt facadeudhæng: " + MeddelelsesTal(u) +
                ". Skal være større end eller lig med 0.");
  if (g < 0)
    dialog.Fejl(std::string(p) + "Ugyldigt gavludhæng: " + MeddelelsesTal(g) +
                ". Skal være større end eller lig med 0.");
  if (t < 0)
    dialog.Fejl(std::string(p) + "Ugyldig vægtykkelse: " + MeddelelsesTal(t) +
                ". Skal være større end eller lig med 0.");
  if (!GyldigZone(omraade))
    dialog.Fejl(std::string(p) + "Ugyldigt område: " + MeddelelsesTegn(omraade) +
                ". Skal være 1, 2 eller i intervallet B til N.");
  if (!GyldigTilfaelde(tilfaelde))
    dialog.Fejl(std::string(p) + "Ugyldigt vindtilfælde: " + MeddelelsesTegn(tilfaelde) +
                ". Skal være i intervallet a til x.");

  const double Bt = B + 2 * u;
  const double Lt = L + 2 * g;
  // Extent of the overhang zones above the walls parallel to the wind.
  const double ew = std::min(2 * h, std::max(B, L));
  const int retning = VindRetning(tilfaelde);
  const bool tvaers = VindPaaTvaers(retning);
  // Extents of the roof zones: e runs along the ridge for wind across it and
  // across the roof for wind along it.
  const double e = tvaers ? std::min(2 * h, Lt) : std::min(2 * h, Bt);
  const double e10 = tvaers ? std::min(Bt / 2, e / 10) : std::min(Lt, e / 10);
  const double e4 = tvaers ? std::min(Lt / 2, e / 4) : std::min(Bt / 2, e / 4);
  const double e2 = tvaers ? std::min(Bt, e / 2) : std::min(Lt, e / 2);

  double y1 = 0, y2 = 0, x1 = 0, x2 = 0;
  auto saet = [&](double a1, double a2, double b1, double b2) {
    y1 = a1; y2 = a2; x1 = b1; x2 = b2;
  };
  if (omraade == 'N') {
    saet(u + t, Bt - u - t, g + t, Lt - g - t);
  } else if (retning == RetningVest) {
    switch (omraade) {
      case '1': saet(u, u + ew / 5, Lt - g, Lt); break;
      case '2': saet(u, u + ew / 5, 0, g); break;
      case 'B': saet(u + ew / 5, u + ew, Lt - g, Lt); break;
      case 'C': saet(u + ew, Bt - u, Lt - g, Lt); break;
      case 'L': saet(u + ew / 5, u + ew, 0, g); break;
      case 'M': saet(u + ew, Bt - u, 0, g); break;
      case 'D': saet(0, u, 0, Lt); break;
      case 'E': saet(Bt - u, Bt, 0, Lt); break;
      case 'F': saet(0, e10, Lt - e4, Lt); break;
      case 'K': saet(0, e10, 0, e4); break;
      case 'G': saet(0, e10, e4, Lt - e4); break;
      case 'H': saet(e10, Bt / 2, 0, Lt); break;
      case 'J': saet(Bt / 2, Bt / 2 + e10, 0, Lt); break;
      case 'I': saet(Bt / 2 + e10, Bt, 0, Lt); break;
      default: break;
    }
  } else if (retning == RetningOest) {
    switch (omraade) {
      case '1': saet(Bt - u - ew / 5, Bt - u, Lt - g, Lt); break;
      case '2': saet(Bt - u - ew / 5, Bt - u, 0, g); break;
      case 'B': saet(Bt - u - ew, Bt - u - ew / 5, Lt - g, Lt); break;
      case 'C': saet(u, Bt - u - ew, Lt - g, Lt); break;
      case 'L': saet(Bt - u - ew, Bt - u - ew / 5, 0, g); break;
      case 'M': saet(u, Bt - u - ew, 0, g); break;
      case 'D': saet(Bt - u, Bt, 0, Lt); break;
      case 'E': saet(0, u, 0, Lt); break;
      case 'F': saet(Bt - e10, Bt, Lt - e4, Lt); break;
      case 'K': saet(Bt - e10, Bt, 0, e4); break;
      case 'G': saet(Bt - e10, Bt, e4, Lt - e4); break;
      case 'H': saet(Bt / 2, Bt - e10, 0, Lt); break;
      case 'J': saet(Bt / 2 - e10, Bt / 2, 0, Lt); break;
      case 'I': saet(0, Bt / 2 - e10, 0, Lt); break;
      default: break;
    }
  } else if (retning == RetningNord) {
    switch (omraade) {
      case '1': saet(0, u, Lt - g - ew / 5, Lt - g); break;
      case '2': saet(Bt - u, Bt, Lt - g - ew / 5, Lt - g); break;
      case 'B': saet(0, u, Lt - g - ew, Lt - g - ew / 5); break;
      case 'C': saet(0, u, g, Lt - g - ew); break;
      case 'L': saet(Bt - u, Bt, Lt - g - ew, Lt - g - ew / 5); break;
      case 'M': saet(Bt - u, Bt, g, Lt - g - ew); break;
      case 'D': saet(0, Bt, Lt - g, Lt); break;
      case 'E': saet(0, Bt, 0, g); break;
      case 'F': saet(0, e4, Lt - e10, Lt); break;
      case 'K': saet(Bt - e4, Bt, Lt - e10, Lt); break;
      case 'G': saet(e4, Bt - e4, Lt - e10, Lt); break;
      case 'H': saet(0, Bt, Lt - e2, Lt - e10); break;
      case 'I': saet(0, Bt, 0, Lt - e2); break;
      default: break;  // 'J' has no area in wind along the ridge
    }
  } else {  // RetningSyd
    switch (omraade) {
      case '1': saet(0, u, g, g + ew / 5); break;
      case '2': saet(Bt - u, Bt, g, g + ew / 5); break;
      case 'B': saet(0, u, g + ew / 5, g + ew); break;
      case 'C': saet(0, u, g + ew, Lt - g); break;
      case 'L': saet(Bt - u, Bt, g + ew / 5, g + ew); break;
      case 'M': saet(Bt - u, Bt, g + ew, Lt - g); break;
      case 'D': saet(0, Bt, 0, g); break;
      case 'E': saet(0, Bt, Lt - g, Lt); break;
      case 'F': saet(0, e4, 0, e10); break;
      case 'K': saet(Bt - e4, Bt, 0, e10); break;
      case 'G': saet(e4, Bt - e4, 0, e10); break;
      case 'H': saet(0, Bt, e10, e2); break;
      case 'I': saet(0, Bt, e2, Lt); break;
      default: break;
    }
  }

  // The formulas above assume a building longer and wider than ew. When ew
  // exceeds the width (wind across) or the length (wind along), 'C' and 'M'
  // come out reversed and 'B', 'L' reach past the roof. The line-load builder
  // adds a zone's load at its first along bound and removes it at the second,
  // so a reversed zone would act with the opposite sign, and a bound outside
  // the roof would put a load change off the purlin. Each zone is therefore
  // clipped to the roof here, and a zone left without area carries nothing.
  y1 = std::max(y1, 0.0);
  y2 = std::min(y2, Bt);
  x1 = std::max(x1, 0.0);
  x2 = std::min(x2, Lt);
  TZoneRektangel r;
  if (y2 > y1 && x2 > x1) {
    r.y1 = y1; r.y2 = y2; r.x1 = x1; r.x2 = x2;
  }
  return r;
}

bool TrykSugTilf98(TBrugerDialog& dialog, char omraade, char tilfaelde) {
  const bool gyldigZone = GyldigZone(omraade);
  const bool gyldigTilf = GyldigTilfaelde(tilfaelde);
  if (!gyldigZone) dialog.Fejl("function TrykSugTilf98: Ugyldigt område: " + MeddelelsesTegn(omraade));
  if (!gyldigTilf)
    dialog.Fejl("function TrykSugTilf98: Ugyldigt vindtilfælde: " + MeddelelsesTegn(tilfaelde));
  // The windward wall always takes pressure, the leeward wall always suction.
  if (omraade == 'D') return false;
  if (omraade == 'E') return true;
  const int gruppe = TrykSugGruppe(omraade);
  if (gruppe < 0 || !gyldigTilf) return false;
  return TrykSugTabel[tilfaelde - 'a'][gruppe] == 'S';
}

TGavlInterval GavlZone(char omraade, char tilfaelde, double u, double L, double B, double h) {
  const double e = std::min(2 * h, L);
  const int retning = VindRetning(tilfaelde);
  double a1 = u, a2 = u;  // empty
  if (omraade == 'N') {
    a1 = u; a2 = u + B;
  } else if (retning == RetningVest) {
    switch (omraade) {
      case '1': case '2': a1 = u; a2 = u + e / 5; break;
      case 'B': case 'L': a1 = u + e / 5; a2 = u + e; break;
      case 'C': case 'M': a1 = u + e; a2 = u + B; break;
      default: break;
    }
  } else if (retning == RetningOest) {
    switch (omraade) {
      case '1': case '2': a1 = u + B - e / 5; a2 = u + B; break;
      case 'B': case 'L': a1 = u + B - e; a2 = u + B - e / 5; break;
      case 'C': case 'M': a1 = u; a2 = u + B - e; break;
      default: break;
    }
  } else {  // north or south: the gable walls are the windward and leeward walls
    if (omraade == 'D' || omraade == 'E') {
      a1 = u; a2 = u + B;
    }
  }
  // As on the roof: when e exceeds the wall's width, 'C' and 'M' would come
  // out reversed and 'B', 'L' would reach past the wall. Clipped to the wall,
  // a zone without width is the empty [u, u].
  a1 = std::max(a1, u);
  a2 = std::min(a2, u + B);
  TGavlInterval r;
  r.a1 = u;
  r.a2 = u;
  if (a2 > a1) {
    r.a1 = a1;
    r.a2 = a2;
  }
  return r;
}

}  // namespace kvistor
