// The result of the input pages: when it is computed, what it keeps, the
// refusal of a record that breaks a field rule, and saving it.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/optagende_dialog.h"
#include "hjaelp/projekt.h"
#include "calculation/beregning.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

const TFastUr Ur(TTidspunkt{2026, 3, 1, 14, 5, 0});

TEST(VisResultat, BeregnerKunNaarInddataErAendretEllerRapportMangler) {
  TInddataside side = test::LaesSide(fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid");
  side.Firmanavn = "Firma X";
  TSkriptetDialog dlg;
  ASSERT_EQ(side.InddataAendret, 0);
  EXPECT_TRUE(BeregnOgVisResultat(side, dlg, Ur));
  ASSERT_TRUE(side.Rapport.has_value());
  EXPECT_EQ((*side.Rapport)[4], "Firma:             Firma X");
  EXPECT_FALSE(side.AdvarAas || side.AdvarSamling || side.AdvarNedbojn);
  EXPECT_TRUE(side.QKurveLinier.empty());  // "Normalt #"

  // Unchanged input and a report: nothing is done.
  side.Rapport->push_back("markering");
  EXPECT_FALSE(BeregnOgVisResultat(side, dlg, Ur));
  EXPECT_EQ(side.Rapport->back(), "markering");

  // An accepted change discards the result; showing the page computes anew.
  KlikRadio(side, TKontrol::RadioGroupRappOmfang, 1, dlg);
  EXPECT_EQ(side.InddataAendret, 1);
  EXPECT_FALSE(side.Rapport.has_value());
  EXPECT_TRUE(BeregnOgVisResultat(side, dlg, Ur));
  EXPECT_NE(side.Rapport->back(), "markering");
  EXPECT_FALSE(side.QKurveLinier.empty() || side.MKurveLinier.empty());
  EXPECT_EQ(side.InddataAendret, 1);  // left as it was
  EXPECT_TRUE(dlg.Tekster("Fejl").empty());

  // A much longer span: the 100x225 purlin is overloaded and too soft; the
  // notes follow the verdicts and go with the result.
  Indtast(side, TKontrol::EditRammeafstand, "9", dlg);
  Indtast(side, TKontrol::EditGavlRammeAfst, "9", dlg);
  EXPECT_TRUE(BeregnOgVisResultat(side, dlg, Ur));
  EXPECT_TRUE(side.AdvarAas && side.AdvarNedbojn);
  NulstilResultat(side);
  EXPECT_FALSE(side.AdvarAas || side.AdvarSamling || side.AdvarNedbojn);
  EXPECT_FALSE(side.Rapport.has_value());
}

TEST(VisResultat, BrudtFeltregelGiverFoersteReglensBeskedOgIngenRapport) {
  struct TBrud {
    const char* hvad;
    void (*saet)(Inddata&);
    const char* besked;
  };
  // The rules' order and messages are checked with FoersteBrudteRegel.
  const TBrud brud[] = {
      {"antal fag", [](Inddata& d) { d.AntalFag = 3; }, "Der skal mindst være 4 fag"},
      // Refused as it stands, and the message says so (not "reduced").
      {"gavlfag større end rammeafstand", [](Inddata& d) { d.GavlRammeAfst = 6.5; },
       "Gavlrammeafstanden må ikke være større end normalrammeafstanden.\r\n"
       "Ret gavlrammeafstanden eller normalrammeafstanden."},
      // Otherwise the hinge would lie left of the gable support: no first span.
      {"charnier mod gavlfag", [](Inddata& d) { d.GavlRammeAfst = 0.8, d.CharnForsk = 0.86; },
       "Charnierforskydningen skal være mindre end gavlrammeafstanden"},
      {"intet beslag", [](Inddata& d) { d.Beslag = -1; }, TekstIntetBeslag},
  };
  for (const auto& b : brud) {
    SCOPED_TRACE(b.hvad);
    TInddataside side = test::LaesSide(fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid");
    b.saet(side.Inddata);
    const Inddata foer = side.Inddata;
    TSkriptetDialog dlg;
    TRapportUdfald udfald = TRapportUdfald::Bygget;
    EXPECT_FALSE(BeregnOgVisResultat(side, dlg, Ur, &udfald));
    EXPECT_EQ(udfald, TRapportUdfald::Afvist);
    EXPECT_FALSE(side.Rapport.has_value());
    ASSERT_EQ(dlg.kald.size(), 1u);
    EXPECT_EQ(dlg.kald[0].art, "Fejl");
    EXPECT_EQ(dlg.kald[0].tekst, b.besked);
    EXPECT_EQ(side.Inddata.GavlRammeAfst, foer.GavlRammeAfst);
  }
}

}  // namespace
}  // namespace kvistor
