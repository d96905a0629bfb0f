// The two searches: the section search's best variant against every smaller
// section computed by hand, the hinge scan against the 1/7 rule and a 1 mm
// scan, and both the same on one and two threads and stoppable.
#include <gtest/gtest.h>

#include <stop_token>

#include "design/charnieroptimering.h"
#include "design/projekter.h"
#include "design/tvaersnitssoegning.h"
#include "project/katalog.h"

namespace kvistor {
namespace {

using test::Standardprojekt;

TSoegeStyring Traade(int n) {
  TSoegeStyring s;
  s.Traade = n;
  return s;
}

// Whether two results are the same to the last bit.
bool Ens(const TNoegletalResultat& a, const TNoegletalResultat& b) {
  return a.Udfald == b.Udfald && a.Besked == b.Besked && a.Tal.UGTvaersnit == b.Tal.UGTvaersnit &&
         a.Tal.UGBeslag == b.Tal.UGBeslag && a.Tal.LuMindst == b.Tal.LuMindst &&
         a.Tal.UGTvaersnitUafrundet == b.Tal.UGTvaersnitUafrundet &&
         a.Tal.UGBeslagUafrundet == b.Tal.UGBeslagUafrundet && a.Tal.AlleOk() == b.Tal.AlleOk();
}

// A short chain of short bays: a 1 mm scan of it stays cheap.
Inddata LilleProjekt() {
  Inddata d = Standardprojekt();
  d.AntalFag = 4;
  d.Rammeafstand = d.GavlRammeAfst = 1.5;
  d.CharnForsk = 0.21;
  return d;
}

TEST(Tvaersnitssoegning, BedsteBestaarOgHvertMindreTvaersnitDumperMedHvertBeslag) {
  const Inddata ind = Standardprojekt();
  const TTvaersnitsSoegning s = FindMindsteTvaersnit(ind, false, Traade(2));
  ASSERT_FALSE(s.Bestaaede.empty());
  EXPECT_FALSE(s.Annulleret);
  const TTvaersnitsVariant& bedst = s.Bestaaede.front();
  EXPECT_EQ(bedst.StyrkeKlasse, ind.StyrkeKlasse);
  EXPECT_EQ(s.AntalProevede, StandardTvaersnit(ind.StyrkeKlasse, false).size());
  EXPECT_EQ(s.AntalProevede, s.Bestaaede.size() + s.AntalDumpede + s.AntalSprunget);
  for (std::size_t i = 1; i < s.Bestaaede.size(); ++i)
    EXPECT_LE(s.Bestaaede[i - 1].Areal(), s.Bestaaede[i].Areal());

  // The best variant passes when computed as the user would enter it.
  Inddata d = ind;
  d.AaseHojde = bedst.Hoejde;
  d.AaseBredde = bedst.Bredde;
  d.Beslag = bedst.Beslag;
  EXPECT_TRUE(BeregnNoegletal(d).Tal.AlleOk());
  // No hanger earlier in the list passes with it.
  for (int b : PassendeBeslag(d)) {
    if (b == bedst.Beslag) break;
    d.Beslag = b;
    EXPECT_FALSE(BeregnNoegletal(d).Tal.AlleOk()) << BeslagTabel[b].Navn;
  }
  // Every smaller standard section fails with every hanger offered for it.
  int mindre = 0;
  for (const TTvaersnit& t : StandardTvaersnit(ind.StyrkeKlasse, false)) {
    if (!(t.Hoejde * t.Bredde < bedst.Areal())) continue;
    ++mindre;
    d.AaseHojde = t.Hoejde;
    d.AaseBredde = t.Bredde;
    for (int b : PassendeBeslag(d)) {
      d.Beslag = b;
      EXPECT_FALSE(BeregnNoegletal(d).Tal.AlleOk()) << t.Hoejde << " x " << t.Bredde << " " << b;
    }
  }
  EXPECT_GT(mindre, 0);
}

TEST(Tvaersnitssoegning, EnOgToTraadeGiverSammeTabel) {
  const Inddata ind = Standardprojekt();
  const TTvaersnitsSoegning a = FindMindsteTvaersnit(ind, false, Traade(1));
  const TTvaersnitsSoegning b = FindMindsteTvaersnit(ind, false, Traade(2));
  ASSERT_EQ(a.Bestaaede.size(), b.Bestaaede.size());
  for (std::size_t i = 0; i < a.Bestaaede.size(); ++i) {
    const auto &x = a.Bestaaede[i], &y = b.Bestaaede[i];
    EXPECT_TRUE(x.Hoejde == y.Hoejde && x.Bredde == y.Bredde && x.Beslag == y.Beslag &&
                x.Tal.UGTvaersnitUafrundet == y.Tal.UGTvaersnitUafrundet);
  }
  EXPECT_EQ(a.AntalDumpede, b.AntalDumpede);
  EXPECT_EQ(a.AntalSprunget, b.AntalSprunget);
  EXPECT_EQ(a.AntalBeregninger, b.AntalBeregninger);
}

TEST(Charnieroptimering, SlaarSyvendedelsreglenPaaStandardprojektet) {
  const Inddata ind = Standardprojekt();
  const TCharnierScanning s = OptimerCharnierforskydning(ind, Traade(2));
  ASSERT_TRUE(s.Bedste && s.Regel17);
  // 6,00 m / 7 = 0,857 m, shown as 0,86: the curve holds 0, 10, ... 5990 mm.
  EXPECT_EQ(s.Kurve[*s.Regel17].ForskydningMm, 860);
  EXPECT_EQ(s.Kurve.size(), 600u);
  const TNoegletal& bedst = s.Kurve[*s.Bedste].Resultat.Tal;
  const TNoegletal& regel = s.Kurve[*s.Regel17].Resultat.Tal;
  EXPECT_LE(bedst.UGTvaersnitUafrundet, regel.UGTvaersnitUafrundet);
  EXPECT_LE(bedst.UGTvaersnit, regel.UGTvaersnit);
}

TEST(Charnieroptimering, TiMmSkridtRammerEnMmScanningOgErUafhaengigAfTraade) {
  const Inddata ind = LilleProjekt();
  const TCharnierScanning s = OptimerCharnierforskydning(ind, Traade(2));
  ASSERT_TRUE(s.Bedste);
  // The test's own scan in whole millimetres: smallest raw bending/shear
  // utilisation, then smallest raw joint utilisation.
  std::int32_t bedstMm = -1;
  double bedstUG = 0, bedstBeslag = 0;
  for (std::int32_t mm = 0; mm < 1500; ++mm) {
    Inddata d = ind;
    d.CharnForskStd = 0;
    d.CharnForsk = mm / 1000.0;
    const TNoegletalResultat r = BeregnNoegletal(d);
    if (!r.Beregnet()) continue;
    const double ug = r.Tal.UGTvaersnitUafrundet, ub = r.Tal.UGBeslagUafrundet;
    if (bedstMm < 0 || ug < bedstUG || (ug == bedstUG && ub < bedstBeslag)) {
      bedstMm = mm;
      bedstUG = ug;
      bedstBeslag = ub;
    }
  }
  ASSERT_GE(bedstMm, 0);
  EXPECT_LE(std::abs(s.Kurve[*s.Bedste].ForskydningMm - bedstMm), 10)
      << s.Kurve[*s.Bedste].ForskydningMm << " mod " << bedstMm;

  const TCharnierScanning en = OptimerCharnierforskydning(ind, Traade(1));
  ASSERT_EQ(en.Kurve.size(), s.Kurve.size());
  EXPECT_EQ(en.Bedste, s.Bedste);
  for (std::size_t i = 0; i < s.Kurve.size(); ++i)
    EXPECT_TRUE(en.Kurve[i].ForskydningMm == s.Kurve[i].ForskydningMm &&
                Ens(en.Kurve[i].Resultat, s.Kurve[i].Resultat))
        << i;
}

TEST(Soegestyring, AnnulleringStopperOgFremdriftStigerTilIalt) {
  const Inddata ind = LilleProjekt();
  std::stop_source stop;
  std::size_t sidste = 0, ialt = 0, kald = 0;
  TSoegeStyring styring = Traade(2);
  styring.Stop = stop.get_token();
  styring.Fremdrift = [&](std::size_t f, std::size_t n) {
    EXPECT_GT(f, sidste);
    sidste = f;
    ialt = n;
    if (++kald == 5) stop.request_stop();
  };
  const TCharnierScanning s = OptimerCharnierforskydning(ind, styring);
  EXPECT_TRUE(s.Annulleret);
  EXPECT_FALSE(s.Bedste);
  EXPECT_EQ(ialt, 150u);
  EXPECT_LT(s.Kurve.size(), ialt);
  EXPECT_GE(s.Kurve.size(), 5u);

  // Run to the end, the progress reaches the total.
  styring.Stop = {};
  kald = sidste = 0;
  const TTvaersnitsSoegning t = FindMindsteTvaersnit(ind, false, styring);
  EXPECT_FALSE(t.Annulleret);
  EXPECT_EQ(sidste, StandardTvaersnit(ind.StyrkeKlasse, false).size());
}

}  // namespace
}  // namespace kvistor
