// The live-verdict strip on the input-page model: red at once after a field
// leave that makes the purlin fail, while the notes stay hidden and no report
// is built; the same figures as the report once the result page is shown;
// the blocking field while a rule is broken.
#include <gtest/gtest.h>

#include <algorithm>

#include "design/domstrimmel.h"
#include "common/optagende_dialog.h"
#include "project/inddatafil.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

bool Har(const std::vector<std::string>& rapport, const std::string& linje) {
  return std::find(rapport.begin(), rapport.end(), linje) != rapport.end();
}

TEST(DomStrimmel, RoedStraksUdenRapportOgSammeTalSomRapporten) {
  TSkriptetDialog dlg;
  TInddataside side = StartInddataside(std::string(KVISTOR_KILDEMAPPE) + "/", dlg);
  ASSERT_EQ(side.Inddata.AaseBredde, 100);
  TDomStrimmel s = OpdaterDomStrimmel(side);
  ASSERT_TRUE(s.Beregnet);
  EXPECT_TRUE(s.Felter[0].Ok && s.Felter[1].Ok && s.Felter[2].Ok);

  // 225 x 75 mm is below the smallest section that carries the project.
  dlg.kald.clear();
  Indtast(side, TKontrol::EditAaseBredde, "75", dlg);
  EXPECT_TRUE(dlg.kald.empty());
  s = OpdaterDomStrimmel(side);
  ASSERT_TRUE(s.Beregnet);
  EXPECT_FALSE(s.Felter[0].Ok);
  EXPECT_FALSE(side.AdvarAas || side.AdvarSamling || side.AdvarNedbojn);
  EXPECT_FALSE(side.Rapport);
  EXPECT_EQ(side.InddataAendret, 1);

  const TFastUr ur(TTidspunkt{});
  ASSERT_TRUE(BeregnOgVisResultat(side, dlg, ur));
  ASSERT_TRUE(side.Rapport);
  EXPECT_EQ(side.AdvarAas, !s.Felter[0].Ok);
  EXPECT_EQ(side.AdvarSamling, !s.Felter[1].Ok);
  EXPECT_EQ(side.AdvarNedbojn, !s.Felter[2].Ok);
  // "Åsetværsnit 135 %" beside "... for åsetværsnittet er 135 %.", and so on.
  const std::string ug = s.Felter[0].Tekst.substr(std::string("Åsetværsnit ").size());
  EXPECT_TRUE(Har(*side.Rapport, "  Den største udnyttelsesgrad for åsetværsnittet er " + ug + "."))
      << ug;
  const std::string samling = s.Felter[1].Tekst.substr(std::string("Samling ").size());
  EXPECT_TRUE(Har(*side.Rapport,
                  "  Den største udnyttelsesgrad for en gerberbeslag-samling er " + samling + "."));
  const std::string lu = s.Felter[2].Tekst.substr(std::string("Nedbøjning ").size());
  EXPECT_TRUE(Har(*side.Rapport,
                  "  Den største nedbøjning for egenlast eller snelast er: u = " + lu + "."));

  // A broken rule blocks the strip and names its field.
  Indtast(side, TKontrol::EditAaseBredde, "0", dlg);
  s = OpdaterDomStrimmel(side);
  EXPECT_FALSE(s.Beregnet);
  EXPECT_EQ(s.Felt, TKontrol::EditAaseBredde);
  EXPECT_EQ(s.Besked, "Åsebredden skal være positiv");
}

}  // namespace
}  // namespace kvistor
