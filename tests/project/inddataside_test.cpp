// Leaving fields, clicking radio items and picking list items on the input
// pages: parsing, the standard layout, rules with their messages and focus,
// and the coupled updates.
#include <gtest/gtest.h>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "project/inddatafil.h"
#include "project/inddataside.h"

namespace kvistor {
namespace {

using K = TKontrol;
using Beskeder = std::vector<std::string>;

// The shipped default project: 6,00 m frames, "Ja", C24 225 x 100, 20°.
class Inddataside : public ::testing::Test {
 protected:
  void SetUp() override {
    s = StartInddataside(KVISTOR_KILDEMAPPE, dlg);
    ASSERT_TRUE(dlg.kald.empty());
    s.AktivSide = TSide::Inddata2;
  }
  Beskeder Fejl() const { return dlg.Tekster("Fejl"); }
  // A field's rule was broken: its message and no other error since the last
  // check, its page made active and the focus in it. Then the other page is
  // shown again, without focus or calls.
  void ForventFejl(const std::string& besked, K felt, TSide side = TSide::Inddata1) {
    EXPECT_EQ(Fejl(), Beskeder{besked});
    EXPECT_EQ(s.AktivSide, side);
    EXPECT_EQ(s.Fokus, felt);
    s.AktivSide = side == TSide::Inddata1 ? TSide::Inddata2 : TSide::Inddata1;
    s.Fokus.reset();
    dlg.kald.clear();
  }
  TInddataside s;
  TSkriptetDialog dlg;
};
using Talfelter = Inddataside;
using Rammeafstand = Inddataside;
using Charnierforskydning = Inddataside;
using Snevalg = Inddataside;
using Lister = Inddataside;

TEST_F(Talfelter, UgyldigtTalOgRegler) {
  Indtast(s, K::EditHusBr, "6.5", dlg);  // a decimal point is no Danish number
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "Besked");
  EXPECT_TRUE(dlg.kald[0].tekst.ends_with("\r\nVærdien er sat til 99,00."));
  EXPECT_EQ(s.EditHusBr.Tekst, "     99,00");
  EXPECT_NAER(s.Inddata.HusBr, 99.0);
  EXPECT_EQ(s.InddataAendret, 1);
  Indtast(s, K::EditHusBr, "  14,255 ", dlg);
  EXPECT_EQ(s.EditHusBr.Tekst, "     14,26");  // half away from zero on 14,255
  EXPECT_NAER(s.Inddata.HusBr, 14.26);         // read back from the field
  Indtast(s, K::EditFacHjd, "-1", dlg);
  ForventFejl("Facadehøjden skal være positiv", K::EditFacHjd);
  EXPECT_NAER(s.Inddata.FacHjd, -1.0);  // the refused value stays

  Indtast(s, K::EditAntalFag, "fire", dlg);
  ASSERT_EQ(dlg.kald.size(), 1u);  // no error about the number of bays follows
  EXPECT_TRUE(dlg.kald[0].tekst.ends_with("\r\nVærdien er sat til 4."));
  EXPECT_EQ(s.EditAntalFag.Tekst, "         4");
  EXPECT_EQ(s.Inddata.AntalFag, 4);
  Indtast(s, K::EditAntalFag, "3", dlg);
  ForventFejl("Der skal mindst være 4 fag", K::EditAntalFag);
  EXPECT_EQ(s.Inddata.AntalFag, 3);
}

TEST_F(Talfelter, TagvinkelSneOgBeslagliste) {
  Indtast(s, K::EditTagVink, "75", dlg);
  Indtast(s, K::EditTagVink, "75,4", dlg);
  EXPECT_EQ(s.EditTagVink.Tekst, "        75");
  EXPECT_NAER(s.Inddata.TagVink, 75.0);
  EXPECT_TRUE(Fejl().empty());
  Indtast(s, K::EditTagVink, "76", dlg);
  ForventFejl("Tagvinklen skal være mellem 0 og 75 grader", K::EditTagVink);
  // 40°: 0,8 * 20 / 30 = 0,5333 (hand calculation); the factor in use is read from "0,53".
  Indtast(s, K::EditTagVink, "40", dlg);
  EXPECT_NAER(s.Inddata.SneFormFakNormal, 0.8 * 20 / 30);
  EXPECT_NAER(s.Inddata.SneFormFak, 0.53);
  EXPECT_FALSE(s.EditKaraktSneLast.Aktiv);

  Indtast(s, K::EditAaseHojde, "125", dlg);  // W200 no longer fits: W90 chosen
  EXPECT_EQ(s.Inddata.Beslag, 0);
  EXPECT_EQ(dlg.Tekster("Bip").size(), 1u);
  // Even a refused angle rebuilds the list.
  s.Inddata.Beslag = 26;
  Indtast(s, K::EditTagVink, "80", dlg);
  EXPECT_EQ(s.Inddata.Beslag, 26);  // B125 fits 125 mm at any angle
  EXPECT_EQ(s.ComboBoxBeslag.Elementer.size(), 4u);
}

TEST_F(Rammeafstand, GavlrammeafstandenReduceres) {
  Indtast(s, K::EditGavlRammeAfst, "6", dlg);  // equal to the frame spacing
  EXPECT_TRUE(dlg.kald.empty());
  Indtast(s, K::EditGavlRammeAfst, "6,5", dlg);
  // The normal spacing gets the focus.
  ForventFejl("Gavlrammeafstanden må ikke være større end normalrammeafstanden.\r\n"
              "Den er derfor reduceret.", K::EditRammeafstand);
  EXPECT_NAER(s.Inddata.GavlRammeAfst, 6.0);

  Indtast(s, K::EditRammeafstand, "5", dlg);
  ForventFejl("Normalrammeafstanden må ikke være mindre end gavlrammeafstanden.\r\n"
              "Gavlrammeafstanden er derfor reduceret.", K::EditRammeafstand);
  EXPECT_NAER(s.Inddata.GavlRammeAfst, 5.0);
  EXPECT_EQ(s.EditGavlRammeAfst.Tekst, "      5,00");
  // "Ja": 5,00 / 7 = 0,714, shown as 0,71 and read back.
  EXPECT_NAER(s.Inddata.CharnForsk, 0.71);
}

TEST_F(Charnierforskydning, StandardVaerdiAdvarslerOgRegler) {
  EXPECT_NAER(s.Inddata.CharnForsk, 0.86);  // "Ja": 6,00 / 7 = 0,857 shown as 0,86
  KlikRadio(s, K::RadioGroupCharnForsk, 1, dlg);  // "Nej"
  EXPECT_EQ(s.Inddata.CharnForskStd, 0);
  EXPECT_TRUE(s.EditCharnForsk.Aktiv);
  EXPECT_TRUE(dlg.kald.empty());
  Indtast(s, K::EditCharnForsk, "6", dlg);  // equal to the frame spacing
  ForventFejl("Charnierforskydningen skal være mindre end Rammeafstanden", K::EditCharnForsk);
  Indtast(s, K::EditCharnForsk, "-0,1", dlg);
  ASSERT_EQ(dlg.kald.size(), 2u);  // the field's warning first, then the error
  EXPECT_EQ(dlg.kald[0].art, "Advarsel");
  EXPECT_EQ(dlg.kald[0].tekst,
            "Charnierforskydningen er meget lille.\r\nKontroler om der er plads til "
            "gerberbeslag og evt. kipningsbeslag.");
  EXPECT_EQ(dlg.kald[1].tekst, "Charnierforskydningen må ikke være negativ");

  dlg.kald.clear();
  Indtast(s, K::EditRammeafstand, "2,5", dlg);
  KlikRadio(s, K::RadioGroupCharnForsk, 0, dlg);  // "Ja": 2,50 / 7 = 0,357
  EXPECT_NAER(s.Inddata.CharnForsk, 0.36);
  EXPECT_FALSE(s.EditCharnForsk.Aktiv);
  // The radio group's warning, without a blank after "evt.".
  EXPECT_EQ(dlg.Tekster("Advarsel"),
            Beskeder{"Charnierforskydningen er meget lille.\r\nKontroler om der "
                     "er plads til gerberbeslag og evt.kipningsbeslag."});
  Indtast(s, K::EditCharnForsk, "3", dlg);  // a disabled field cannot be left
  EXPECT_NAER(s.Inddata.CharnForsk, 0.36);
  dlg.kald.clear();
  Indtast(s, K::EditRammeafstand, "2,8", dlg);  // 2,80 / 7 = 0,40: no warning
  KlikRadio(s, K::RadioGroupCharnForsk, 0, dlg);
  EXPECT_NAER(s.Inddata.CharnForsk, 0.40);
  EXPECT_TRUE(dlg.Tekster("Advarsel").empty());
}

TEST_F(Snevalg, ForhoejetUnderNormal) {
  s.Inddata.SneFormFakForhojet = 1.2;
  KlikRadio(s, K::RadioGroupNormSneFormFak, 1, dlg);
  EXPECT_EQ(s.Inddata.NormSneFormFak, 0);
  EXPECT_NAER(s.Inddata.SneFormFak, 1.2);
  EXPECT_EQ(s.EditKaraktSneLast.Tekst, "      1,20");
  EXPECT_TRUE(s.EditKaraktSneLast.Aktiv);
  Indtast(s, K::EditKaraktSneLast, "0,5", dlg);
  EXPECT_NAER(s.Inddata.SneFormFakForhojet, 0.5);
  EXPECT_NAER(s.Inddata.SneFormFak, 0.5);
  EXPECT_EQ(dlg.Tekster("Advarsel"),
            Beskeder{"Den angivne forhøjede formfaktor er mindre end normalværdien.\r\n"
                     "Se brugervejledningen under Laster."});
  KlikRadio(s, K::RadioGroupNormSneFormFak, 0, dlg);
  EXPECT_NAER(s.Inddata.SneFormFak, 0.8);
  EXPECT_FALSE(s.EditKaraktSneLast.Aktiv);
}

TEST_F(Lister, MaterialeUdfylderEgenlast) {
  s.InddataAendret = 0;
  VaelgListepunkt(s, K::ComboBoxEL1, 2, dlg);
  EXPECT_EQ(s.Inddata.EL1Mat, 2);
  EXPECT_NAER(s.Inddata.EL1, 0.48);
  EXPECT_EQ(s.InddataAendret, 1);
  EXPECT_EQ(s.ComboBoxEL1.Tekst, "Beton ell. vingetegl, lægter, sek.spær");
  // Typed text is no catalogue row: no item, the empty row, 0,00.
  SkrivIListe(s, K::ComboBoxEL1, "Skifer", dlg);
  EXPECT_EQ(s.Inddata.EL1Mat, -1);
  EXPECT_EQ(s.EditEL1.Tekst, "      0,00");
  EXPECT_EQ(s.ComboBoxEL1.Tekst, "Skifer");
  EXPECT_TRUE(dlg.kald.empty());
}

TEST_F(Lister, StandardHoejdeOgBeslag) {
  VaelgListepunkt(s, K::ComboBoxHojde, 3, dlg);  // "200 mm"
  EXPECT_NAER(s.Inddata.AaseHojde, 200.0);
  EXPECT_EQ(s.ComboBoxHojde.Valgt, -1);  // the lists are rebuilt
  // W200 needs 220 mm: the smallest that fits is chosen.
  EXPECT_EQ(s.Inddata.Beslag, 0);
  s.InddataAendret = 0;
  VaelgListepunkt(s, K::ComboBoxBeslag, 19, dlg);
  EXPECT_EQ(s.Inddata.Beslag, 33);
  EXPECT_EQ(s.InddataAendret, 1);
  VaelgListepunkt(s, K::ComboBoxBeslag, 20, dlg);  // no such position
  EXPECT_EQ(s.Inddata.Beslag, 33);
  // Entering the list rebuilds it: a normal force changed behind its back
  // leaves W120 m. 9 søm, the first with Nk.
  dlg.kald.clear();
  s.Inddata.NormalKraftFaktor = 1;
  GaaIndIListe(s, K::ComboBoxBeslag, dlg);
  EXPECT_EQ(s.Inddata.Beslag, 2);
  EXPECT_EQ(dlg.Tekster("Bip").size(), 1u);

  s.AktivSide = TSide::Inddata1;
  Indtast(s, K::EditAaseBredde, "0", dlg);
  ForventFejl("Åsebredden skal være positiv", K::EditAaseBredde, TSide::Inddata2);
}

TEST_F(Inddataside, AendringKasseresResultatetOgTekstAfkortes) {
  int kaldt = 0;
  s.VedNulstilResultat = [&] { ++kaldt; };
  s.Rapport = std::vector<std::string>{"linje"};
  s.QKurveLinier = {"q"};
  s.AdvarAas = s.AdvarSamling = s.AdvarNedbojn = true;
  KlikRadio(s, K::RadioGroupSikkl, 2, dlg);
  EXPECT_EQ(s.Inddata.Sikkl, 2);
  EXPECT_FALSE(s.Rapport.has_value() || s.AdvarAas || s.AdvarSamling || s.AdvarNedbojn);
  EXPECT_TRUE(s.QKurveLinier.empty());
  EXPECT_EQ(kaldt, 1);
  KlikRadio(s, K::RadioGroupSikkl, 3, dlg);  // not an item
  EXPECT_EQ(s.Inddata.Sikkl, 2);
  EXPECT_EQ(kaldt, 1);
  // Text fields are cut to their capacity in characters, not bytes.
  s.InddataAendret = 0;
  Indtast(s, K::EditMedarb, std::string(28, 'a') + "æøåÆØ", dlg);
  EXPECT_EQ(s.Inddata.Medarb, std::string(28, 'a') + "æø");  // 30 characters
  EXPECT_EQ(s.EditMedarb.Tekst, s.Inddata.Medarb);
  EXPECT_EQ(s.InddataAendret, 1);
}

}  // namespace
}  // namespace kvistor
