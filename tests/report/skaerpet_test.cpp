// The stricter check's report: its three opening lines, the shear and the
// anchoring it changes, and a hand calculation of its shear lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/format.h"
#include "common/optagende_dialog.h"
#include "hjaelp/projekt.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

TRapportResultat Rapport(Inddata ind, bool skaerpet, int rappOmfang = 0) {
  ind.RappOmfang = rappOmfang;
  TSkriptetDialog dlg;
  TFastUr ur(TTidspunkt{2026, 3, 1, 14, 5, 0});
  TRapportResultat r;
  const TRapportUdfald u = skaerpet ? BeregnSkaerpetRapport(r, ind, dlg, ur, "")
                                    : BeregnRapport(r, ind, dlg, ur, "");
  EXPECT_EQ(u, TRapportUdfald::Bygget);
  return r;
}

// The line that begins with `start`, and the one after it.
std::pair<std::string, std::string> Linjer(const TTekstlinjer& r, const std::string& start) {
  const auto it = std::find_if(r.begin(), r.end(),
                               [&](const std::string& l) { return l.rfind(start, 0) == 0; });
  if (it == r.end() || it + 1 == r.end()) return {"(mangler) " + start, ""};
  return {*it, *(it + 1)};
}

// Standard.aid: shear 11 / 15 / 14 % becomes 17 / 22 / 22 % (the crack
// factor takes a third of the strength), and the upward pull at the frames
// grows from 6,53 to 7,12 kN with the internal pressure of kp = 3,5 in the
// upward wind of LK 9. The three lines follow "RESULTAT"; the detailed
// stricter report is the stricter normal one followed by its extended part,
// with curve data.
TEST(Skaerpet, StandardprojektetsForskydningOgForankring) {
  const Inddata ind = test::StandardProjekt();
  const TRapportResultat normal = Rapport(ind, false);
  const TRapportResultat skaerpet = Rapport(ind, true);

  const auto resultat = std::find(skaerpet.Rapport.begin(), skaerpet.Rapport.end(), "RESULTAT");
  ASSERT_TRUE(resultat + 3 < skaerpet.Rapport.end());
  EXPECT_EQ(resultat[1], "  Skærpet kontrol: revnefaktor 0,67 i forskydning (EN 1995-1-1 6.1.7)");
  EXPECT_EQ(resultat[2], "  og qki med spidsfaktor kp = 3,5 (EN 1991-1-4 7.2.9).");
  EXPECT_EQ(resultat[3], "");
  EXPECT_EQ(skaerpet.Rapport.size(), normal.Rapport.size() + 3);
  EXPECT_EQ(std::count(normal.Rapport.begin(), normal.Rapport.end(), resultat[1]), 0);

  EXPECT_EQ(Linjer(normal.Rapport, "Udnyttelsesgrad forskydning").first,
            "Udnyttelsesgrad forskydning            :      11 %      15 %      14 %");
  EXPECT_EQ(Linjer(skaerpet.Rapport, "Udnyttelsesgrad forskydning").first,
            "Udnyttelsesgrad forskydning            :      17 %      22 %      22 %");
  const std::string traek = "  - opadrettet træk (vinkelret på tagfladen) på ";
  EXPECT_EQ(Linjer(normal.Rapport, traek).first, traek + "6,53 kN og");
  EXPECT_EQ(Linjer(skaerpet.Rapport, traek).first, traek + "7,12 kN og");

  const TRapportResultat detaljeret = Rapport(ind, true, 1);
  ASSERT_GT(detaljeret.Rapport.size(), skaerpet.Rapport.size());
  EXPECT_TRUE(std::equal(skaerpet.Rapport.begin(), skaerpet.Rapport.end(), detaljeret.Rapport.begin()));
  EXPECT_FALSE(detaljeret.QKurver.empty() || detaljeret.MKurver.empty());
  // The extended part states the stricter internal pressure (kp = 3,5:
  // qki = qku; the ordinary report has 0,50).
  EXPECT_NE(std::find(detaljeret.Rapport.begin(), detaljeret.Rapport.end(),
                      "  Terrænkategori: II Land => qku = 0,75 kN/m2; qki = 0,75 kN/m2"),
            detaljeret.Rapport.end());
}

// The flat carport (roof angle 0, so no shear in y; no gable overhang; four
// bays: gable bays 4,5 m, middle bays 5,0 m, hinges 0,7 m left of the frames
// at 4,5 / 9,5 / 14,5 m, i.e. at 3,8 / 8,8 / 13,8 m; right support 19,0 m).
// C24, 200 × 75 mm, service class 3, consequence class "Lav" (K_FI 0,9).
// Every bay type is governed by snow in LK 3, worked here by hand.
TEST(Skaerpet, ForskydningPaaFladtTagRegnetIHaanden) {
  const Inddata ind =
      test::LaesProjekt(std::filesystem::path(KVISTOR_TESTDATA) / "flad_uden_gavludhaeng.aid");
  // Purlin 2's strip is 1,0 m wide. Dead load 0,05 + 0,10 kN/m² + the purlin
  // 0,2·0,075·5 kN/m³ / 1,0 m = 0,075 kN/m², so 0,225 kN/m; snow 0,80 kN/m.
  // LK 3: 1,0·0,9 g + 1,5·0,9 s.
  const double g = 0.9 * 0.225, s = 1.35 * 0.80;
  const double fuld = g + s, halv = g + s / 2;  // 1,2825 and 0,7425 kN/m
  // Strength: kmod 0,70 (short-term, service class 3), fvd = 0,67·4,0/1,35.
  const double fvkd = 0.67 * 4.0 / 1.35 * 0.70;  // 1,3896 MPa
  const double A = 200.0 * 75.0;
  auto ug = [&](double V) { return 1.5 * V * 1000 / A / fvkd * 100; };

  // Short end bay, LK 3 "b" (uniform snow, Mkip 0): the first piece spans
  // 0..3,8 m, simply supported by the gable support and the first hinge, so
  // V = q·3,8/2 at either end.
  const double vKort = fuld * 3.8 / 2;  // 2,437 kN
  // Middle bays, same case: the second piece (3,8..8,8 m, support at 4,5 m)
  // carries the first hinge's 1,9·q at its tip; just left of the frame
  // V = 1,9·q + 0,7·q.
  const double vMidt = fuld * (1.9 + 0.7);  // 3,335 kN
  // Long end bay, LK 3 "i" (Sne(2): full snow on 0..4,5 and 9,5..14,5 m, half
  // elsewhere), piece by piece, each hinge force from the moment about the
  // next hinge being zero:
  const double H1 = fuld * 1.9;  // 2,437 kN
  const double R1 = (H1 * 5.0 + fuld * 0.7 * 4.65 + halv * 4.3 * 2.15) / 4.3;
  const double H2 = H1 + fuld * 0.7 + halv * 4.3 - R1;  // 1,127 kN
  const double R2 = (H2 * 5.0 + halv * 0.7 * 4.65 + fuld * 4.3 * 2.15) / 4.3;
  const double H3 = H2 + halv * 0.7 + fuld * 4.3 - R2;  // 2,532 kN
  // Just left of the last frame, on the last piece.
  const double vLang = H3 + fuld * 0.7;  // 3,429 kN

  const TRapportResultat r = Rapport(ind, true);
  const auto [linje, givende] = Linjer(r.Rapport, "Udnyttelsesgrad forskydning");
  EXPECT_EQ(linje, Format("Udnyttelsesgrad forskydning            :%8.0n %%%8.0n %%%8.0n %%",
                          {ug(vKort), ug(vMidt), ug(vLang)}));
  EXPECT_EQ(givende, "  Dim.giv. lastkomb./lasttilf./ås      :     3/b/2     3/b/2     3/i/2");
}

}  // namespace
}  // namespace kvistor
