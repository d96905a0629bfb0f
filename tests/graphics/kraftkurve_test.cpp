// The force diagrams: the curves' extremes are the report's own for the case,
// and the drawing marks every support, hinge and extreme.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/optagende_dialog.h"
#include "graphics/kraftkurvetegning.h"
#include "calculation/projektberegning.h"
#include "graphics/svg_laerred.h"
#include "hjaelp/projekt.h"
#include "calculation/beregning.h"

namespace kvistor {
namespace {

TEST(Kraftkurver, EkstremerneErRapportensMyMaxOgMyMin) {
  Inddata ind = test::StandardProjekt();
  ind.RappOmfang = 1;  // the curves come whatever the extent
  TSkriptetDialog dlg;
  std::vector<TTilfaeldeId> valgt = BoejningsgivendeTilfaelde(ind, dlg);
  ASSERT_FALSE(valgt.empty());
  // A point load, tilting moments, a deflection case and purlin 1 beside them.
  for (TTilfaeldeId t : {TTilfaeldeId{2, 8, 'f'}, TTilfaeldeId{2, 3, 'c'},
                         TTilfaeldeId{2, 12, 'b'}, TTilfaeldeId{1, 9, 'x'}})
    valgt.push_back(t);
  const auto kurver = BeregnKraftkurver(ind, valgt, dlg);
  ASSERT_TRUE(kurver);
  ASSERT_EQ(kurver->size(), valgt.size());
  EXPECT_TRUE(dlg.kald.empty());

  TProjektberegning koersel;
  ASSERT_EQ(BeregnProjekt(koersel, ind, dlg), TBeregningsUdfald::Gennemfoert);
  const TBeregning& ber = koersel.Beregning;
  for (const TKraftkurve& k : *kurver) {
    SCOPED_TRACE(TilfaeldeNavn(k.Tilfaelde));
    const auto c = std::find_if(ber.Tilfaelde.begin(), ber.Tilfaelde.end(), [&](const TTilfaelde& c) {
      return c.Aas == k.Tilfaelde.Aas && c.LK == k.Tilfaelde.LK && c.LT == k.Tilfaelde.LT;
    });
    ASSERT_NE(c, ber.Tilfaelde.end());
    double maks = 0, min = 0;
    for (int t = 1; t <= 3; ++t) {
      maks = std::max(maks, c->FagRes[t].MyMax);
      min = std::min(min, c->FagRes[t].MyMin);
    }
    EXPECT_EQ(k.MyMax, maks);
    EXPECT_EQ(k.MyMin, min);
    // The shear at the hinges is what the hardware check takes.
    double fMax = 0;
    for (int t = 1; t <= 3; ++t) fMax = std::max(fMax, std::max(c->FagRes[t].F2, c->FagRes[t].F1));
    EXPECT_GE(std::max(k.VzMax, -k.VzMin), fMax);
    EXPECT_TRUE(std::is_sorted(k.Punkter.begin(), k.Punkter.end(),
                               [](const TKurvePunkt& a, const TKurvePunkt& b) { return a.x < b.x; }));
    EXPECT_EQ(k.Understoetninger.size(), 9u);  // 8 bays: 9 supports
    EXPECT_EQ(k.Charnierer.size(), 7u);
  }

  // One pair of diagrams per case, each with its supports, hinges and two
  // labelled extremes.
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  TSvgLaerred svg(1000, 600);
  TegnKraftkurver(linjer, tekster, *kurver, svg, 1000, 600 * static_cast<int>(kurver->size()));
  const auto antal = [&](int markoer) {
    std::size_t n = 0;
    for (const LinjeType& l : linjer)
      if (l.Markoer == markoer) n += l.Punkter.size();
    return n;
  };
  EXPECT_EQ(antal(6), 2 * 9 * kurver->size());
  EXPECT_EQ(antal(5), 2 * 7 * kurver->size());
  std::size_t titler = 0;
  for (const TekstGruppeType& g : tekster)
    for (const TekstType& t : g.Tekster)
      if (t.Tekst.find("moment My") != std::string::npos) ++titler;
  EXPECT_EQ(titler, kurver->size());
}

TEST(Kraftkurver, TilfaeldeDerIkkeRegnesAfvisesMedBesked) {
  const Inddata ind = test::StandardProjekt();
  TSkriptetDialog dlg;
  EXPECT_FALSE(BeregnKraftkurver(ind, {TTilfaeldeId{1, 8, 'a'}}, dlg));
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].tekst, "Lasttilfældet Ås 1, LK 8, LT a findes ikke i denne beregning.");
}

}  // namespace
}  // namespace kvistor
