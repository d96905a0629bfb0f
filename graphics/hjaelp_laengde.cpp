#include "graphics/hjaelp_laengde.h"

#include <algorithm>
#include <array>

namespace kvistor {

namespace {

constexpr const char* Overskrift = "Forudsætninger";
constexpr std::array<const char*, 3> Afsnit{
    "Åsenes understøtninger (fx stål- eller limtrærammer eller evt. primære spær) er "
    "markeret med trekanter. Åsenes charniersamlinger er markeret med boller.",
    "Det forudsættes at åsenes understøtninger er placeret med konstant indbyrdes afstand, "
    "undtagen for gavlfagenes vedkommende. Disse afstande benævnes Normalrammeafstanden, "
    "hhv. Gavlramme-afstanden.",
    "Antallet af fag er altid én mindre end antallet af understøtninger. Nedenstående "
    "eksempel har 6 understøtninger og 5 fag."};

// The example purlin in world units: its ends, the gable overhang, the two
// spans and the hinge offset, the height of its axis and its depth.
constexpr double Venstre = 40;
constexpr double Hoejre = 680;
constexpr double Gavludhaeng = 30;
constexpr double Gavlfag = 110;
constexpr double Normalfag = 120;
constexpr double Forskydning = 18;
constexpr double Akse = 116;  // lowest place of the purlin's axis
constexpr double HalvDybde = 7;
constexpr double Spids = 7;

constexpr double Margen = 24;       // text's left and right margin
constexpr double TekstBund = 190;  // the text ends above this

// The supports from left to right.
std::array<double, HjaelpLaengdeUnderstoetninger> Understoetninger() {
  std::array<double, HjaelpLaengdeUnderstoetninger> x{};
  x[0] = Venstre + Gavludhaeng;
  for (std::size_t i = 1; i < x.size(); ++i)
    x[i] = x[i - 1] + (i == 1 || i + 1 == x.size() ? Gavlfag : Normalfag);
  return x;
}

// The heading and the paragraphs from `top` down; returns the bottom.
double Tekst(TLinjeListe* linjer, TTekstGruppeListe& tekster, const TTekstmaal& m,
             double top) {
  const double bredde = HjaelpLaengdeBredde - 2 * Margen;
  const double l = Linjeafstand(m);
  TekstGruppeType& overskrift = NyTekstGruppe(tekster, Blaa, 0, 2);
  TilfoejTekst(overskrift, Overskrift, Margen, top);
  if (linjer != nullptr) {
    const double y = top - 1.15 * TekstHoejdeVerden(m);
    Linjestykke(*linjer, Blaa, 1, {Margen, y}, {Margen + TekstBreddeVerden(m, Overskrift), y});
  }
  TekstGruppeType& afsnit = NyTekstGruppe(tekster, Sort, 0, 2);
  double y = top - 1.7 * l;
  for (const char* a : Afsnit) y = SkrivAfsnit(afsnit, m, a, Margen, y, bredde) - 0.45 * l;
  // On a surface far too small to read, lines that would run into the
  // example are left out.
  const double th = TekstHoejdeVerden(m);
  std::erase_if(afsnit.Tekster, [&](const TekstType& t) { return t.Y - th < TekstBund - 0.2 * l; });
  return y + 0.45 * l;
}

// The example with the purlin's axis at height `akse`.
void Eksempel(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TTekstmaal& m,
              double akse) {
  const auto x = Understoetninger();
  const double th = TekstHoejdeVerden(m);
  const double underside = akse - HalvDybde;

  // The purlin pieces, joined at the hinges.
  double fra = Venstre;
  for (std::size_t i = 1; i + 1 < x.size(); ++i) {
    const double c = x[i] - Forskydning;
    Flade(linjer, Sort, Trae,
          {{fra, akse + HalvDybde}, {c, akse + HalvDybde}, {c, underside}, {fra, underside}});
    fra = c;
  }
  Flade(linjer, Sort, Trae,
        {{fra, akse + HalvDybde}, {Hoejre, akse + HalvDybde}, {Hoejre, underside}, {fra, underside}});

  // Supports: triangles with their apex under the purlin, on a short base line.
  for (double s : x) {
    Flade(linjer, Sort, Hvid, {{s, underside}, {s - 9, underside - 18}, {s + 9, underside - 18}});
    Linjestykke(linjer, Sort, 1, {s - 13, underside - 18}, {s + 13, underside - 18});
  }
  // Hinges: small circles a little to the left of every interior support.
  for (std::size_t i = 1; i + 1 < x.size(); ++i)
    Cirkel(linjer, Sort, Hvid, x[i] - Forskydning, akse, 5);

  // Below: the frame spacings, as a chain from support to support.
  const double yM = underside - 40;
  TekstGruppeType& midt = NyTekstGruppe(tekster, Sort, 1, 1);
  for (std::size_t i = 0; i < x.size(); ++i)
    Linjestykke(linjer, Graa, 1, {x[i], underside - 22}, {x[i], yM - 6});
  for (std::size_t i = 0; i + 1 < x.size(); ++i) {
    Maallinje(linjer, Blaa, {x[i], yM}, {x[i + 1], yM}, Spids);
    const bool gavl = i == 0 || i + 2 == x.size();
    const double xm = (x[i] + x[i + 1]) / 2;
    TilfoejTekst(midt, gavl ? "Gavl-" : "Normal-", xm, yM - 4 - 0.6 * th);
    TilfoejTekst(midt, "rammeafstand", xm, yM - 4 - 1.75 * th);
  }

  // Above: the gable overhang at the left end and the hinge offset at the
  // fourth support.
  const double yO = akse + HalvDybde + 26;
  Linjestykke(linjer, Graa, 1, {Venstre, akse + HalvDybde + 3}, {Venstre, yO + 6});
  Linjestykke(linjer, Graa, 1, {x[0], akse - 3}, {x[0], yO + 6});
  Maallinje(linjer, Blaa, {Venstre, yO}, {x[0], yO}, Spids);
  TekstGruppeType& venstre = NyTekstGruppe(tekster, Sort, 0, 1);
  TilfoejTekst(venstre, "Gavludhæng", Venstre - 4, yO + 6 + 0.6 * th);

  const double s = x[3], c = s - Forskydning;
  Linjestykke(linjer, Graa, 1, {c, akse + 6}, {c, yO + 6});
  Linjestykke(linjer, Graa, 1, {s, akse + HalvDybde + 3}, {s, yO + 6});
  Maallinje(linjer, Blaa, {c, yO}, {s, yO}, Spids);
  TilfoejTekst(midt, "Charnierforskydning", (c + s) / 2, yO + 6 + 0.6 * th);
}

}  // namespace

void TegnHjaelpLaengde(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TTekstmaal& m) {
  // Measure the text first; lift the frame's top as far as the text reaches
  // below its place.
  TTekstGruppeListe proeve;
  const double top0 = HjaelpLaengdeHoejde - 18;
  // At most by half the height: below that the window is too small to read
  // anyway, and the growing would never end.
  const double mangler = std::clamp(TekstBund - Tekst(nullptr, proeve, m, top0), 0.0,
                                    HjaelpLaengdeHoejde / 2);
  Ramme(linjer, HjaelpLaengdeBredde, HjaelpLaengdeHoejde + mangler);
  // Where the text is short (a large window) the example follows right
  // below it, and the room left over stays at the bottom.
  const double bund = Tekst(&linjer, tekster, m, top0 + mangler);
  Eksempel(linjer, tekster, m, Akse + std::max(0.0, bund - TekstBund));
}

}  // namespace kvistor
