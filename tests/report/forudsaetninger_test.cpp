// The report head and the assumptions section.
#include <gtest/gtest.h>

#include "faelles/tegnsaet.h"
#include "project/katalog.h"
#include "purlin/suppldata.h"
#include "report/forklaring.h"
#include "report/hoved.h"

namespace kvistor {
namespace {

Inddata Projekt() {
  Inddata d;
  d.Projektnavn = "Hal 3";
  d.Bygningsdel = "Tag over lager";
  d.Medarb = "ÅBJ";
  d.HusBr = 12;
  d.FacHjd = 4.5;
  d.TagVink = 20;
  d.AaseAfst = 1.2;
  d.FacUdh = 0.5;
  d.AntalFag = 8;
  d.Rammeafstand = 6;
  d.GavlRammeAfst = 5.5;
  d.CharnForsk = 0.86;
  d.GavlUdh = 0.3;
  d.EL1 = 0.05;
  d.EL2 = 0;
  d.EL3 = 0.12;
  d.EL4 = 0;
  d.TerrKat = 1;
  d.AfstVesterhav = 30;
  d.NormSneFormFak = 1;
  d.SneFormFakNormal = 0.8;
  d.SneFormFakForhojet = 1.2;
  d.StyrkeKlasse = 1;
  d.AaseHojde = 200;
  d.AaseBredde = 75;
  d.AnvKlasse = 1;
  d.Sikkl = 1;
  d.NormalKraftFaktor = 0;
  d.KipnMoment = 0;
  return d;
}

TValgteNavne Navne(int beslag) {
  TValgteNavne n;
  n.lag[1] = std::string(EL1Tabel[1].Navn);
  n.lag[2] = std::string(EL2Tabel[1].Navn);
  n.lag[3] = std::string(EL3Tabel[6].Navn);
  n.lag[4] = std::string(EL4Tabel[1].Navn);
  n.beslag = std::string(BeslagTabel[beslag].Navn);
  return n;
}

TEST(Hoved, SyvLinjerMellemStreger) {
  Inddata d = Projekt();
  TTekstlinjer r;
  SkrivHoved(r, BygRapportHoved(d, "Tegnestue A/S", TTidspunkt{2026, 1, 2, 3, 4, 5}));
  ASSERT_EQ(r.size(), 9u);
  EXPECT_EQ(r[0], Streg(70));
  EXPECT_EQ(AntalTegn(r[0]), 70u);
  EXPECT_EQ(Utf8TilCp1252(Streg(3)), "\x97\x97\x97");
  EXPECT_EQ(r[1], "Kvistor  *  Dimensionering af tagåse og tilhørende forbindelser");
  EXPECT_EQ(r[2], "");
  EXPECT_EQ(r[3], Streg(70));
  EXPECT_EQ(r[4], "Firma:             Tegnestue A/S");
  EXPECT_EQ(r[5], "Sag/Projekt:       Hal 3");
  EXPECT_EQ(r[6], "Afsnit/Delprojekt: Tag over lager");
  EXPECT_EQ(r[7], "Beregnet:          2026-01-02,03:04:05 af ÅBJ");
  EXPECT_EQ(r[8], Streg(70));
  EXPECT_EQ(Blanke(3), "   ");
  EXPECT_EQ(Streg(0), "");
}

TEST(Forudsaetninger, LagUdenLastGiverIngenLinjeTagdaekningAltid) {
  Inddata d = Projekt();
  d.EL1 = 0;  // the roof covering keeps its line even with no load
  TSupplData sd;
  sd.AaseEgenlast = 0.0625;
  sd.EgenlastIalt = 0.25;
  TTekstlinjer r;
  BygForudsaetninger(r, d, sd, Navne(0));
  EXPECT_EQ(r[0], Streg(70));
  EXPECT_EQ(r[1], "FORUDSÆTNINGER");
  EXPECT_EQ(r[3], "  Tværsnitshøjde     : 200 mm          Tværsnitsbredde       :  75 mm");
  EXPECT_EQ(r[4], "  Charnierforskydning: 0,86 m          Styrkeklasse      : Nåletræ C18");
  EXPECT_EQ(r[5], "  Normalkraftfaktor  : 0,0         Regnm. kipningsmoment Mkip: 0,00 kNm");
  EXPECT_EQ(r[6], "  Gerberbeslag og udsømning: Simpson GER W90 m. 4 søm pr. flig");
  EXPECT_EQ(r[7], "  Til hver samling bruges to beslag og fire gange det angivne sømantal.");
  EXPECT_EQ(r[8], "  Der forudsættes 4x40 mm beslagsøm som placeres i de to yderste rækker.");
  EXPECT_EQ(r[11], "  Spændvidde normalfag : 6,00 m           Bygningsbredde      :12,00 m");
  EXPECT_EQ(r[12], "  Spændvidde gavlfag   : 5,50 m           Tagvinkel           :   20 °");
  EXPECT_EQ(r[13], "  Antal åsefag         :    8             Facadehøjde         : 4,50 m");
  EXPECT_EQ(r[18], "  Egenlast:");
  EXPECT_EQ(r[19], "    tagdækning    :    Bølgeplader af stål eller aluminium  0,00 kN/m²");
  EXPECT_EQ(r[20], "    isolering     :                      400 mm mineraluld  0,12 kN/m²");
  EXPECT_EQ(r[21], "    åse           :                                         0,06 kN/m²");
  EXPECT_EQ(r[22], "    I alt         :                                         0,25 kN/m²");
  EXPECT_EQ(r[23], "  Vindlast, Terrænkategori:                                 II  Land   ");
  EXPECT_EQ(r[24], "  Afstand til Vesterhavet/Ringkøbing Fjord:                 30   km");
  EXPECT_EQ(r[25], "  Karakteristisk snelast - Normal værdi,(fkt. af tagvinkel: 0,80 kN/m²");
  EXPECT_EQ(r[26], "");
  EXPECT_EQ(r[29], "  Anvendelsesklasse: 2              Konsekvensklasse: Normal (CC2)");
  EXPECT_EQ(r[30], Streg(70));
  ASSERT_EQ(r.size(), 31u);
  // Some of the section's own formats end at column 69 or 71.
  for (int i : {11, 12, 13, 19, 20, 21, 22, 25}) EXPECT_EQ(AntalTegn(r[i]), 70u) << r[i];
}

TEST(Forudsaetninger, BeslagsteksterOgForhojetSne) {
  Inddata d = Projekt();
  d.NormSneFormFak = 0;
  d.EL2 = 0.01;
  d.EL4 = 0.18;
  TSupplData sd;
  TTekstlinjer r;
  BygForudsaetninger(r, d, sd, Navne(1));  // "Simpson GER W90 fuldt udsømmet  "
  EXPECT_EQ(r[6], "  Gerberbeslag og udsømning: Simpson GER W90 fuldt udsømmet  ");
  EXPECT_EQ(r[7], "  Til hver samling bruges to beslag.");
  EXPECT_EQ(r[8], "  Der forudsættes 4x40 mm beslagsøm i alle huller.");
  EXPECT_EQ(r[20], "    undertag      :                                  Intet  0,01 kN/m²");
  EXPECT_EQ(r[22], "    loftbeklædning:                                  Intet  0,18 kN/m²");
  EXPECT_EQ(r[28], "  Indtastet forhøjet værdi for jævnt fordelt sne (bunden):  1,20 kN/m²");
  EXPECT_EQ(r[29], "  (Normal værdi bruges til omfordelt sne (fri last)");

  // A name longer than its 38 places is never cut; the line grows.
  TValgteNavne lang = Navne(1);
  lang.lag[1] = "Tagpap på 25 mm rupløjede brædder og lægter";  // 43 characters
  r.clear();
  BygForudsaetninger(r, d, sd, lang);
  EXPECT_EQ(r[19], "    tagdækning    : Tagpap på 25 mm rupløjede brædder og lægter  0,05 kN/m²");
  EXPECT_EQ(AntalTegn(r[19]), 75u);

  // "Fuldt" with a capital F is not "fuldt": the test is case-sensitive.
  r.clear();
  BygForudsaetninger(r, d, sd, Navne(5));  // "Paslode 3-120 Fuldt udsømmet"
  EXPECT_EQ(r[7], "  Til hver samling bruges to beslag og fire gange det angivne sømantal.");
  EXPECT_EQ(r[8], "  Der forudsættes 4x40 mm beslagsøm som placeres i 1. og 3. række.");
}

}  // namespace
}  // namespace kvistor
