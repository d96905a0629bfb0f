// The lean calculation's figures and verdicts against the report's summary
// on the same record, over projects that pass and fail each verdict.
#include <functional>
#include <gtest/gtest.h>

#include "design/noegletal.h"
#include "design/projekter.h"
#include "common/optagende_dialog.h"
#include "calculation/tvaersnit_byg.h"
#include "report/rapport.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

using test::Standardprojekt;
using test::Testprojekt;

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
      {"Standard", [] { return Standardprojekt(); }},
      {"Standard detaljeret",
       [] { return Aendret(Standardprojekt(), [](Inddata& d) { d.RappOmfang = 1; }); }},
      {"flad", [] { return Testprojekt("flad_uden_gavludhaeng.aid"); }},
      {"limtræ", [] { return Testprojekt("forhojet_sne_limtrae.aid"); }},
      {"lille tværsnit",
       [] { return Aendret(Standardprojekt(), [](Inddata& d) { d.AaseHojde = 150; d.AaseBredde = 75; }); }},
      {"svagt beslag", [] { return Aendret(Standardprojekt(), [](Inddata& d) { d.Beslag = 0; }); }},
      {"lang gavlfag",
       [] { return Aendret(Standardprojekt(), [](Inddata& d) { d.Rammeafstand = d.GavlRammeAfst = 7.5; }); }},
  };
  const TFastUr ur(TTidspunkt{});
  bool nogenFejler = false, nogenBestaar = false;
  for (const auto& r : raekker) {
    SCOPED_TRACE(r.navn);
    const Inddata ind = r.projekt();
    const TNoegletalResultat n = BeregnNoegletal(ind);
    ASSERT_TRUE(n.Beregnet()) << n.Besked;

    TSkriptetDialog dlg;
    TSupplData sd;
    BestemTvaersnit(ind, sd);
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
    const Inddata ind = Aendret(Standardprojekt(), r.aendr);
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
  const TNoegletalResultat n = BeregnNoegletal(Aendret(Standardprojekt(), [](Inddata& d) { d.Beslag = -1; }));
  EXPECT_EQ(n.Udfald, TNoegletalUdfald::Afvist);
  EXPECT_EQ(n.Besked, TekstIntetBeslag);
  EXPECT_FALSE(n.Felt);
}

}  // namespace
}  // namespace kvistor
