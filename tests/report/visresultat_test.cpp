// The result of the input pages: when it is computed, what it keeps, the
// refusal of a record that breaks a field rule, and saving it.
#include <gtest/gtest.h>

#include <filesystem>

#include "faelles/dialog_fake.h"
#include "faelles/tegnsaet.h"
#include "project/inddatafil.h"
#include "report/gem.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

const TFastUr Ur(TTidspunkt{2026, 3, 1, 14, 5, 0});

TInddataside Standard() {
  TSkriptetDialog dlg;
  TInddataside side = NyInddataside();
  EXPECT_TRUE(LaesProjektfil((fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string(), side, dlg));
  return side;
}

TEST(VisResultat, BeregnerKunNaarInddataErAendretEllerRapportMangler) {
  TInddataside side = Standard();
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
  EXPECT_FALSE(side.QKurveLinier.empty());
  EXPECT_FALSE(side.MKurveLinier.empty());
  EXPECT_EQ(side.InddataAendret, 1);  // left as it was
  EXPECT_TRUE(dlg.Tekster("Fejl").empty());
}

TEST(VisResultat, AdvarselsnoterFoelgerDomOgNulstilles) {
  TInddataside side = Standard();
  TSkriptetDialog dlg;
  // A much longer span: the 100x225 purlin is overloaded and too soft.
  Indtast(side, TKontrol::EditRammeafstand, "9", dlg);
  Indtast(side, TKontrol::EditGavlRammeAfst, "9", dlg);
  dlg.kald.clear();
  EXPECT_TRUE(BeregnOgVisResultat(side, dlg, Ur));
  EXPECT_TRUE(side.AdvarAas);
  EXPECT_TRUE(side.AdvarNedbojn);
  NulstilResultat(side);
  EXPECT_FALSE(side.AdvarAas || side.AdvarSamling || side.AdvarNedbojn);
  EXPECT_FALSE(side.Rapport.has_value());
}

struct TBrud {
  const char* hvad;
  void (*saet)(Inddata&);
  const char* besked;
};

TEST(VisResultat, BrudtFeltregelGiverReglensBeskedOgIngenRapport) {
  const TBrud brud[] = {
      {"husbredde", [](Inddata& d) { d.HusBr = 0; }, "Huskropbredden skal være positiv"},
      {"antal fag", [](Inddata& d) { d.AntalFag = 3; }, "Der skal mindst være 4 fag"},
      {"tagvinkel", [](Inddata& d) { d.TagVink = 76; },
       "Tagvinklen skal være mellem 0 og 75 grader"},
      // Without this the chain has no first span: the hinge would lie left
      // of the gable support.
      {"charnierforskydning mod gavlfag",
       [](Inddata& d) {
         d.GavlRammeAfst = 0.8;
         d.CharnForsk = 0.86;
       },
       "Charnierforskydningen skal være mindre end gavlrammeafstanden"},
      {"charnierforskydning mod rammeafstand",
       [](Inddata& d) { d.CharnForsk = d.Rammeafstand; },
       "Charnierforskydningen skal være mindre end Rammeafstanden"},
      {"åsebredde", [](Inddata& d) { d.AaseBredde = -1; }, "Åsebredden skal være positiv"},
  };
  for (const auto& b : brud) {
    SCOPED_TRACE(b.hvad);
    TInddataside side = Standard();
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

TEST(VisResultat, GavlfagStoerreEndRammeafstandReduceresIkke) {
  TInddataside side = Standard();
  side.Inddata.GavlRammeAfst = 6.5;  // normal spacing 6,00
  TSkriptetDialog dlg;
  EXPECT_FALSE(BeregnOgVisResultat(side, dlg, Ur));
  ASSERT_EQ(dlg.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(side.Inddata.GavlRammeAfst, 6.5);
  EXPECT_FALSE(side.Rapport.has_value());
}

TEST(VisResultat, IntetBeslagAfvises) {
  TInddataside side = Standard();
  side.Inddata.Beslag = -1;
  TSkriptetDialog dlg;
  TRapportUdfald udfald = TRapportUdfald::Bygget;
  EXPECT_FALSE(BeregnOgVisResultat(side, dlg, Ur, &udfald));
  EXPECT_EQ(udfald, TRapportUdfald::Afvist);
  EXPECT_FALSE(side.Rapport.has_value());
  EXPECT_FALSE(dlg.kald.empty());
}

TEST(VisResultat, GemEfterAendringSigerIkkeBeregnet) {
  TInddataside side = Standard();
  side.Programmappe = fs::temp_directory_path().string() + "/";
  TSkriptetDialog dlg;
  ASSERT_TRUE(BeregnOgVisResultat(side, dlg, Ur));
  const fs::path fil = fs::temp_directory_path() / "kvistor_visresultat_gem.txt";
  dlg.filnavne.push_back(fil.string());
  EXPECT_EQ(GemResultat(side, dlg), 1);
  std::vector<std::string> linjer;
  ASSERT_TRUE(LaesTekstfil(fil.string(), linjer));
  EXPECT_EQ(linjer, *side.Rapport);
  fs::remove(fil);

  Indtast(side, TKontrol::EditKipnMoment, "0,75", dlg);
  dlg.kald.clear();
  EXPECT_EQ(GemResultat(side, dlg), 0);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "FejlDialog");
  EXPECT_EQ(dlg.kald[0].tekst, "Resultatet er endnu ikke beregnet");
}

}  // namespace
}  // namespace kvistor
