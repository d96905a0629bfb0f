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

// The shipped default project: 6,00 m frames, "Ja", C24 225 x 100, 20°.
TInddataside Standard() {
  TSkriptetDialog dlg;
  TInddataside s = StartInddataside(KVISTOR_KILDEMAPPE, dlg);
  EXPECT_TRUE(dlg.kald.empty());
  return s;
}

TEST(Talfelter, DecimalpunktGiver99) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditHusBr, "6.5", dlg);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "Besked");
  EXPECT_EQ(dlg.kald[0].tekst.rfind("Det indtastede er ugyldigt som tal\r\n", 0), 0u);
  EXPECT_NE(dlg.kald[0].tekst.find("\r\n'6.5' "), std::string::npos);
  EXPECT_TRUE(dlg.kald[0].tekst.ends_with("\r\nVærdien er sat til 99,00."));
  EXPECT_EQ(s.EditHusBr.Tekst, "     99,00");
  EXPECT_NAER(s.Inddata.HusBr, 99.0);
  EXPECT_EQ(s.InddataAendret, 1);
}

TEST(Talfelter, KommaOgBlanke) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditHusBr, "  14,255 ", dlg);
  EXPECT_EQ(s.EditHusBr.Tekst, "     14,26");  // half away from zero on 14,255
  EXPECT_NAER(s.Inddata.HusBr, 14.26);         // read back from the field
  Indtast(s, K::EditFacHjd, "-1", dlg);
  EXPECT_EQ(dlg.Tekster("Fejl"), (std::vector<std::string>{"Facadehøjden skal være positiv"}));
  EXPECT_NAER(s.Inddata.FacHjd, -1.0);  // the refused value stays
  EXPECT_EQ(s.Fokus, K::EditFacHjd);
}

TEST(Talfelter, AntalFag) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditAntalFag, "fire", dlg);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "Besked");
  EXPECT_EQ(dlg.kald[0].tekst.rfind("Det indtastede er ugyldigt som heltal\r\n", 0), 0u);
  EXPECT_TRUE(dlg.kald[0].tekst.ends_with("\r\nVærdien er sat til 4."));
  EXPECT_EQ(s.EditAntalFag.Tekst, "         4");
  EXPECT_EQ(s.Inddata.AntalFag, 4);

  TSkriptetDialog dlg2;
  s.AktivSide = TSide::Inddata2;
  Indtast(s, K::EditAntalFag, "3", dlg2);
  EXPECT_EQ(dlg2.Tekster("Fejl"), (std::vector<std::string>{"Der skal mindst være 4 fag"}));
  EXPECT_EQ(s.AktivSide, TSide::Inddata1);
  EXPECT_EQ(s.Fokus, K::EditAntalFag);
  EXPECT_EQ(s.Inddata.AntalFag, 3);
}

TEST(Talfelter, TagvinkelOgSne) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditTagVink, "75", dlg);
  EXPECT_TRUE(dlg.Tekster("Fejl").empty());
  Indtast(s, K::EditTagVink, "75,4", dlg);
  EXPECT_EQ(s.EditTagVink.Tekst, "        75");
  EXPECT_NAER(s.Inddata.TagVink, 75.0);
  EXPECT_TRUE(dlg.Tekster("Fejl").empty());
  Indtast(s, K::EditTagVink, "76", dlg);
  EXPECT_EQ(dlg.Tekster("Fejl"),
            (std::vector<std::string>{"Tagvinklen skal være mellem 0 og 75 grader"}));

  // 45°: 0,8 * 15 / 30 = 0,40 (hand calculation), shown and read back.
  Indtast(s, K::EditTagVink, "45", dlg);
  EXPECT_NAER(s.Inddata.SneFormFakNormal, 0.4);
  EXPECT_EQ(s.EditKaraktSneLast.Tekst, "      0,40");
  EXPECT_NAER(s.Inddata.SneFormFak, 0.4);
  EXPECT_FALSE(s.EditKaraktSneLast.Aktiv);
  // 40°: 0,8 * 20 / 30 = 0,5333; the factor in use is read from "0,53".
  Indtast(s, K::EditTagVink, "40", dlg);
  EXPECT_NAER(s.Inddata.SneFormFakNormal, 0.8 * 20 / 30);
  EXPECT_NAER(s.Inddata.SneFormFak, 0.53);
}

TEST(Talfelter, TagvinkelGenopbyggerBeslaglisten) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditAaseHojde, "125", dlg);  // W200 no longer fits: W90 chosen
  EXPECT_EQ(s.Inddata.Beslag, 0);
  EXPECT_EQ(dlg.Tekster("Bip").size(), 1u);
  // Even a refused angle rebuilds the list.
  s.Inddata.Beslag = 26;
  Indtast(s, K::EditTagVink, "80", dlg);
  EXPECT_EQ(s.Inddata.Beslag, 26);  // B125 fits 125 mm at any angle
  EXPECT_EQ(s.ComboBoxBeslag.Elementer.size(), 4u);
}

TEST(Rammeafstand, ReducererGavlrammeafstand) {
  TInddataside s = Standard();  // both 6,00
  TSkriptetDialog dlg;
  s.AktivSide = TSide::Inddata2;
  Indtast(s, K::EditRammeafstand, "5", dlg);
  EXPECT_EQ(dlg.Tekster("Fejl"),
            (std::vector<std::string>{"Normalrammeafstanden må ikke være mindre end "
                                      "gavlrammeafstanden.\r\nGavlrammeafstanden er derfor "
                                      "reduceret."}));
  EXPECT_NAER(s.Inddata.GavlRammeAfst, 5.0);
  EXPECT_EQ(s.EditGavlRammeAfst.Tekst, "      5,00");
  EXPECT_EQ(s.AktivSide, TSide::Inddata1);
  EXPECT_EQ(s.Fokus, K::EditRammeafstand);
  // "Ja": 5,00 / 7 = 0,714 shown as 0,71 and read back.
  EXPECT_EQ(s.EditCharnForsk.Tekst, "      0,71");
  EXPECT_NAER(s.Inddata.CharnForsk, 0.71);
}

TEST(Rammeafstand, GavlrammeafstandLigMedEllerStoerre) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditGavlRammeAfst, "6", dlg);
  EXPECT_TRUE(dlg.kald.empty());
  Indtast(s, K::EditGavlRammeAfst, "6,5", dlg);
  EXPECT_EQ(dlg.Tekster("Fejl"),
            (std::vector<std::string>{"Gavlrammeafstanden må ikke være større end "
                                      "normalrammeafstanden.\r\nDen er derfor reduceret."}));
  EXPECT_NAER(s.Inddata.GavlRammeAfst, 6.0);
  EXPECT_EQ(s.EditGavlRammeAfst.Tekst, "      6,00");
  EXPECT_EQ(s.Fokus, K::EditRammeafstand);  // the normal spacing gets the focus
}

TEST(Charnierforskydning, StandardVaerdiOgAdvarsel) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  EXPECT_NAER(s.Inddata.CharnForsk, 0.86);  // 6,00 / 7 = 0,857 shown as 0,86
  KlikRadio(s, K::RadioGroupCharnForsk, 1, dlg);  // "Nej"
  EXPECT_EQ(s.Inddata.CharnForskStd, 0);
  EXPECT_TRUE(s.EditCharnForsk.Aktiv);
  EXPECT_TRUE(dlg.kald.empty());

  Indtast(s, K::EditRammeafstand, "2,5", dlg);
  KlikRadio(s, K::RadioGroupCharnForsk, 0, dlg);  // "Ja": 2,50 / 7 = 0,357
  EXPECT_EQ(s.EditCharnForsk.Tekst, "      0,36");
  EXPECT_NAER(s.Inddata.CharnForsk, 0.36);
  EXPECT_FALSE(s.EditCharnForsk.Aktiv);
  // The radio group's warning, without a blank after "evt.".
  EXPECT_EQ(dlg.Tekster("Advarsel"),
            (std::vector<std::string>{"Charnierforskydningen er meget lille.\r\nKontroler om der "
                                      "er plads til gerberbeslag og evt.kipningsbeslag."}));

  TSkriptetDialog dlg2;
  Indtast(s, K::EditRammeafstand, "2,8", dlg2);  // 2,80 / 7 = 0,40
  KlikRadio(s, K::RadioGroupCharnForsk, 0, dlg2);
  EXPECT_NAER(s.Inddata.CharnForsk, 0.40);
  EXPECT_TRUE(dlg2.Tekster("Advarsel").empty());
}

TEST(Charnierforskydning, Feltregler) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  KlikRadio(s, K::RadioGroupCharnForsk, 1, dlg);
  Indtast(s, K::EditCharnForsk, "6", dlg);
  EXPECT_EQ(dlg.Tekster("Fejl"), (std::vector<std::string>{
                                     "Charnierforskydningen skal være mindre end Rammeafstanden"}));
  EXPECT_EQ(s.Fokus, K::EditCharnForsk);

  TSkriptetDialog dlg2;
  Indtast(s, K::EditCharnForsk, "-0,1", dlg2);
  ASSERT_EQ(dlg2.kald.size(), 2u);  // the warning first, then the error
  EXPECT_EQ(dlg2.kald[0].art, "Advarsel");
  EXPECT_EQ(dlg2.kald[0].tekst,
            "Charnierforskydningen er meget lille.\r\nKontroler om der er plads til "
            "gerberbeslag og evt. kipningsbeslag.");
  EXPECT_EQ(dlg2.kald[1].tekst, "Charnierforskydningen må ikke være negativ");

  // A disabled field cannot be left.
  KlikRadio(s, K::RadioGroupCharnForsk, 0, dlg2);
  Indtast(s, K::EditCharnForsk, "3", dlg2);
  EXPECT_NAER(s.Inddata.CharnForsk, 0.86);
}

TEST(Snevalg, ForhoejetUnderNormal) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
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
            (std::vector<std::string>{"Den angivne forhøjede formfaktor er mindre end "
                                      "normalværdien.\r\nSe brugervejledningen under Laster."}));
  KlikRadio(s, K::RadioGroupNormSneFormFak, 0, dlg);
  EXPECT_NAER(s.Inddata.SneFormFak, 0.8);
  EXPECT_FALSE(s.EditKaraktSneLast.Aktiv);
}

TEST(Lister, MaterialeUdfylderEgenlast) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  s.InddataAendret = 0;
  VaelgListepunkt(s, K::ComboBoxEL1, 2, dlg);
  EXPECT_EQ(s.Inddata.EL1Mat, 2);
  EXPECT_EQ(s.EditEL1.Tekst, "      0,48");
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

TEST(Lister, StandardHoejdeOgBeslag) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  VaelgListepunkt(s, K::ComboBoxHojde, 3, dlg);  // "200 mm"
  EXPECT_NAER(s.Inddata.AaseHojde, 200.0);
  EXPECT_EQ(s.EditAaseHojde.Tekst, "       200");
  EXPECT_EQ(s.ComboBoxHojde.Valgt, -1);  // the lists are rebuilt
  // W200 needs 220 mm: the smallest that fits is chosen.
  EXPECT_EQ(s.Inddata.Beslag, 0);
  EXPECT_EQ(s.ComboBoxBeslag.Elementer.size(), 20u);
  s.InddataAendret = 0;
  VaelgListepunkt(s, K::ComboBoxBeslag, 19, dlg);
  EXPECT_EQ(s.Inddata.Beslag, 33);
  EXPECT_EQ(s.InddataAendret, 1);
  VaelgListepunkt(s, K::ComboBoxBeslag, 20, dlg);  // no such position
  EXPECT_EQ(s.Inddata.Beslag, 33);

  TSkriptetDialog dlg2;
  Indtast(s, K::EditAaseBredde, "0", dlg2);
  EXPECT_EQ(dlg2.Tekster("Fejl"), (std::vector<std::string>{"Åsebredden skal være positiv"}));
  EXPECT_EQ(s.AktivSide, TSide::Inddata2);
  EXPECT_EQ(s.Fokus, K::EditAaseBredde);
}

TEST(Lister, IndIBeslaglistenGenopbygger) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  s.Inddata.NormalKraftFaktor = 1;  // changed behind the list's back
  GaaIndIListe(s, K::ComboBoxBeslag, dlg);
  EXPECT_EQ(s.Inddata.Beslag, 2);  // W120 m. 9 søm, the first with Nk
  EXPECT_EQ(dlg.Tekster("Bip").size(), 1u);
}

TEST(Resultat, AendringKasseresResultatet) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  int kaldt = 0;
  s.VedNulstilResultat = [&] { ++kaldt; };
  s.Rapport = std::vector<std::string>{"linje"};
  s.QKurveLinier = {"q"};
  s.AdvarAas = s.AdvarSamling = s.AdvarNedbojn = true;
  KlikRadio(s, K::RadioGroupSikkl, 2, dlg);
  EXPECT_EQ(s.Inddata.Sikkl, 2);
  EXPECT_FALSE(s.Rapport.has_value());
  EXPECT_TRUE(s.QKurveLinier.empty());
  EXPECT_FALSE(s.AdvarAas || s.AdvarSamling || s.AdvarNedbojn);
  EXPECT_EQ(kaldt, 1);
  KlikRadio(s, K::RadioGroupSikkl, 3, dlg);  // not an item
  EXPECT_EQ(s.Inddata.Sikkl, 2);
  EXPECT_EQ(kaldt, 1);
}

TEST(Tekstfelter, AfkortesEfterTegn) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  const std::string lang = std::string(28, 'a') + "æøåÆØ";
  Indtast(s, K::EditMedarb, lang, dlg);
  EXPECT_EQ(s.Inddata.Medarb, std::string(28, 'a') + "æø");  // 30 characters
  EXPECT_EQ(s.EditMedarb.Tekst, s.Inddata.Medarb);
  EXPECT_EQ(s.InddataAendret, 1);
}

}  // namespace
}  // namespace kvistor
