// The lean calculation's figures and verdicts against the report's summary
// on the same record, over projects that pass and fail each verdict, for the
// ordinary calculation and the stricter check; and the supplementary
// checks' record.
#include <functional>
#include <gtest/gtest.h>

#include "common/format.h"
#include "design/noegletal.h"
#include "hjaelp/projekt.h"
#include "common/optagende_dialog.h"
#include "calculation/tvaersnit_byg.h"
#include "report/rapport.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

using test::StandardProjekt;

struct TTilfaeldeRaekke {
  const char* navn;
  std::function<Inddata()> projekt;
};

Inddata Aendret(Inddata d, const std::function<void(Inddata&)>& f) {
  f(d);
  return d;
}

TEST(Noegletal, SammeTalOgDommeSomRapportensResume) {
  const TTilfaeldeRaekke raekker[] = {
      {"Standard", [] { return StandardProjekt(); }},
      {"Standard detaljeret",
       [] { return Aendret(StandardProjekt(), [](Inddata& d) { d.RappOmfang = 1; }); }},
      {"flad", [] { return test::LaesProjekt(KVISTOR_TESTDATA "/flad_uden_gavludhaeng.aid"); }},
      {"limtræ", [] { return test::LaesProjekt(KVISTOR_TESTDATA "/forhojet_sne_limtrae.aid"); }},
      {"lille tværsnit",
       [] { return Aendret(StandardProjekt(), [](Inddata& d) { d.AaseHojde = 150; d.AaseBredde = 75; }); }},
      {"svagt beslag", [] { return Aendret(StandardProjekt(), [](Inddata& d) { d.Beslag = 0; }); }},
      {"lang gavlfag",
       [] { return Aendret(StandardProjekt(), [](Inddata& d) { d.Rammeafstand = d.GavlRammeAfst = 7.5; }); }},
  };
  const TFastUr ur(TTidspunkt{});
  bool nogenFejler = false, nogenBestaar = false;
  for (const auto& r : raekker)
    for (bool skaerpet : {false, true}) {
      SCOPED_TRACE(std::string(r.navn) + (skaerpet ? " skærpet" : ""));
      const Inddata ind = r.projekt();
      const TNoegletalResultat n = skaerpet ? BeregnSkaerpetNoegletal(ind) : BeregnNoegletal(ind);
      ASSERT_TRUE(n.Beregnet()) << n.Besked;

      TSkriptetDialog dlg;
      TSupplData sd;
      BestemTvaersnit(ind, sd, skaerpet);
      TBeregning ber;
      ASSERT_EQ(BeregnAlleTilfaelde(ber, ind, sd, dlg), TBeregningsUdfald::Gennemfoert);
      TRapportByg b{ind, sd, ber, ur, "", {}, {}, {}, {}, {}, {}, {}};
      BygResultat(b);
      const TResume res = SamlResume(b);
      EXPECT_EQ(n.Tal.UGTvaersnit, res.UGTvaersnit);
      EXPECT_EQ(n.Tal.UGBeslag, res.UGBeslag);
      EXPECT_EQ(n.Tal.LuMindst, res.LuMindst);
      EXPECT_EQ(n.Tal.AasOk, !b.ud.Noter.Aas);
      EXPECT_EQ(n.Tal.SamlingOk, !b.ud.Noter.Samling);
      EXPECT_EQ(n.Tal.NedbojningOk, !b.ud.Noter.Nedbojn);
      EXPECT_EQ(n.Tal.Traek, res.Traek);
      EXPECT_EQ(n.Tal.Tvaerkraft, res.Tvaerkraft);
      EXPECT_EQ(n.Tal.GavlTraek, res.GavlTraek);
      EXPECT_EQ(n.Tal.GavlTryk, res.GavlTryk);
      nogenFejler = nogenFejler || !n.Tal.AlleOk();
      nogenBestaar = nogenBestaar || n.Tal.AlleOk();
    }
  EXPECT_TRUE(nogenFejler && nogenBestaar);
}

TEST(Noegletal, AfvisningNaevnerFeltetOgRapportensBesked) {
  const struct {
    std::function<void(Inddata&)> aendr;
    TKontrol felt;
  } raekker[] = {
      {[](Inddata& d) { d.AaseBredde = 0; }, TKontrol::EditAaseBredde},
      {[](Inddata& d) { d.CharnForsk = d.GavlRammeAfst; }, TKontrol::EditCharnForsk},
      {[](Inddata& d) { d.GavlRammeAfst = d.Rammeafstand + 1; }, TKontrol::EditGavlRammeAfst},
      {[](Inddata& d) { d.AntalFag = 1001; }, TKontrol::EditAntalFag},
  };
  for (const auto& r : raekker) {
    const Inddata ind = Aendret(StandardProjekt(), r.aendr);
    const TNoegletalResultat n = BeregnNoegletal(ind);
    EXPECT_EQ(n.Udfald, TNoegletalUdfald::Afvist);
    EXPECT_EQ(n.Felt, r.felt);
    TSkriptetDialog dlg;
    TRapportResultat ud;
    EXPECT_EQ(BeregnRapport(ud, ind, dlg, TFastUr(TTidspunkt{}), ""), TRapportUdfald::Afvist);
    ASSERT_EQ(dlg.kald.size(), 1u);
    EXPECT_EQ(n.Besked, dlg.kald[0].tekst);
  }
  // No hardware: the calculation itself refuses, with its own message.
  const TNoegletalResultat n = BeregnNoegletal(Aendret(StandardProjekt(), [](Inddata& d) { d.Beslag = -1; }));
  EXPECT_EQ(n.Udfald, TNoegletalUdfald::Afvist);
  EXPECT_EQ(n.Besked, TekstIntetBeslag);
  EXPECT_FALSE(n.Felt);
}

// The record of the supplementary checks: what was asked for, the same
// figures as the lean stricter run and the fire run, and a refusal carried
// with its field.
TEST(Noegletal, SupplerendeKontrollerSomDeresEgneKoersler) {
  const Inddata ind = StandardProjekt();
  const TSupplerendeNoegletal ingen = BeregnSupplerendeNoegletal(ind, {false, 0, 3});
  EXPECT_FALSE(ingen.Skaerpet || ingen.Brand);
  EXPECT_TRUE(ingen.AlleOk());

  const TSupplerendeNoegletal begge = BeregnSupplerendeNoegletal(ind, {true, 30, 3});
  ASSERT_TRUE(begge.Skaerpet && begge.Brand);
  const TNoegletalResultat skaerpet = BeregnSkaerpetNoegletal(ind);
  EXPECT_EQ(begge.Skaerpet->Tal.UGTvaersnit, skaerpet.Tal.UGTvaersnit);
  EXPECT_EQ(begge.Skaerpet->Tal.Traek, skaerpet.Tal.Traek);
  EXPECT_EQ(Format("%4.2n", {begge.Skaerpet->Tal.Traek}), "7,12");  // 6,53 in the ordinary run
  EXPECT_TRUE(begge.Skaerpet->Tal.AlleOk());
  // The fire check of Standard.aid fails R30 (24 minutes are achieved).
  EXPECT_TRUE(begge.Brand->Beregnet());
  EXPECT_FALSE(begge.Brand->KravOpfyldt());
  EXPECT_EQ(begge.Brand->Brand.OpnaaetMinutter, 24);
  EXPECT_EQ(begge.Brand->Brand.Boejning[3].Vaerdi, 2.13);
  EXPECT_FALSE(begge.AlleOk());
  EXPECT_TRUE(BeregnSupplerendeNoegletal(ind, {true, 15, 3}).AlleOk());

  const TSupplerendeNoegletal afvist =
      BeregnSupplerendeNoegletal(Aendret(ind, [](Inddata& d) { d.AaseBredde = 0; }), {true, 30, 3});
  ASSERT_TRUE(afvist.Skaerpet && afvist.Brand);
  EXPECT_EQ(afvist.Brand->Udfald, TNoegletalUdfald::Afvist);
  EXPECT_EQ(afvist.Brand->Felt, TKontrol::EditAaseBredde);
  EXPECT_EQ(afvist.Brand->Besked, afvist.Skaerpet->Besked);
  EXPECT_FALSE(afvist.AlleOk());
}

}  // namespace
}  // namespace kvistor
