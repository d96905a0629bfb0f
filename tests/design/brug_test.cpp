// "Brug" on the input-page model: the chosen variant ends up in the record
// through the lists and fields, and computes to the figures of the table.
#include <gtest/gtest.h>

#include "design/brug.h"
#include "design/charnieroptimering.h"
#include "common/optagende_dialog.h"
#include "common/format.h"
#include "project/inddatafil.h"

namespace kvistor {
namespace {

TEST(Brug, VariantOgCharnierforskydningGaarGennemSiderne) {
  TSkriptetDialog dlg;
  TInddataside side = StartInddataside(std::string(KVISTOR_KILDEMAPPE) + "/", dlg);
  // All classes, with cheap glulam, so the best variant changes the
  // strength class too.
  TTvaersnitsValg valg;
  valg.AlleKlasser = true;
  valg.Priser.PrisPrM3.fill(1.0);
  valg.Priser.PrisPrM3[4] = 0.5;
  const TTvaersnitsSoegning s = FindMindsteTvaersnit(side.Inddata, valg);
  ASSERT_FALSE(s.Bestaaede.empty());
  const TTvaersnitsVariant& v = s.Bestaaede.front();
  ASSERT_EQ(v.StyrkeKlasse, 4);
  ASSERT_TRUE(BrugTvaersnitsVariant(side, v, dlg));
  EXPECT_EQ(side.Inddata.StyrkeKlasse, v.StyrkeKlasse);
  EXPECT_EQ(side.Inddata.AaseHojde, v.Hoejde);
  EXPECT_EQ(side.Inddata.AaseBredde, v.Bredde);
  EXPECT_EQ(side.Inddata.Beslag, v.Beslag);
  EXPECT_EQ(side.EditAaseHojde.Tekst, Format("%10.0f", {v.Hoejde}));
  EXPECT_EQ(side.InddataAendret, 1);
  EXPECT_FALSE(side.Rapport);
  const TNoegletalResultat r = BeregnNoegletal(side.Inddata);
  EXPECT_EQ(r.Tal.UGTvaersnitUafrundet, v.Tal.UGTvaersnitUafrundet);
  EXPECT_EQ(r.Tal.UGBeslag, v.Tal.UGBeslag);

  // From "Ja": the group turns to "Nej" and the field takes the offset.
  KlikRadio(side, TKontrol::RadioGroupCharnForsk, 0, dlg);
  ASSERT_EQ(side.Inddata.CharnForskStd, 1);
  BrugCharnierforskydning(side, 1200, dlg);
  EXPECT_EQ(side.Inddata.CharnForskStd, 0);
  EXPECT_EQ(side.Inddata.CharnForsk, 1.2);
  EXPECT_EQ(side.EditCharnForsk.Tekst, "      1,20");
}

}  // namespace
}  // namespace kvistor
