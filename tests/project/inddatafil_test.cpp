// The project file: line layout, round trip, defaults of damaged choice
// lines, damaged files, and the save, load and start-up commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "faelles/dialog_fake.h"
#include "faelles/tegnsaet.h"
#include "hjaelp/naer.h"
#include "project/inddatafil.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using K = TKontrol;

const std::string Kilde = KVISTOR_KILDEMAPPE;

TInddataside Standard() {
  TSkriptetDialog dlg;
  return StartInddataside(Kilde, dlg);
}

std::vector<std::string> StandardLinier() {
  std::vector<std::string> l;
  EXPECT_TRUE(LaesTekstfil(Kilde + "/Standard.aid", l));
  return l;
}

// A folder of its own for each test, removed afterwards.
class Mappe {
 public:
  Mappe() {
    const auto* t = ::testing::UnitTest::GetInstance()->current_test_info();
    sti_ = fs::temp_directory_path() /
           (std::string("kvistor_project_") + t->test_suite_name() + "_" + t->name());
    fs::remove_all(sti_);
    fs::create_directories(sti_);
  }
  ~Mappe() {
    std::error_code e;
    fs::remove_all(sti_, e);
  }
  std::string Fil(const std::string& navn) const { return (sti_ / navn).string(); }

 private:
  fs::path sti_;
};

void ForventSammeInddata(const Inddata& a, const Inddata& b) {
  EXPECT_EQ(a.Projektnavn, b.Projektnavn);
  EXPECT_EQ(a.Bygningsdel, b.Bygningsdel);
  EXPECT_EQ(a.Medarb, b.Medarb);
  for (double Inddata::*f :
       {&Inddata::HusBr, &Inddata::FacHjd, &Inddata::TagVink, &Inddata::AaseAfst,
        &Inddata::FacUdh, &Inddata::Rammeafstand, &Inddata::GavlRammeAfst, &Inddata::CharnForsk,
        &Inddata::GavlUdh, &Inddata::EL1, &Inddata::EL2, &Inddata::EL3, &Inddata::EL4,
        &Inddata::AfstVesterhav, &Inddata::SneFormFak, &Inddata::SneFormFakNormal,
        &Inddata::SneFormFakForhojet, &Inddata::AaseHojde, &Inddata::AaseBredde,
        &Inddata::NormalKraftFaktor, &Inddata::KipnMoment})
    EXPECT_NAER(a.*f, b.*f);
  for (int Inddata::*f : {&Inddata::AntalFag, &Inddata::EL1Mat, &Inddata::EL2Mat,
                          &Inddata::EL3Mat, &Inddata::EL4Mat, &Inddata::TerrKat,
                          &Inddata::StyrkeKlasse, &Inddata::AnvKlasse, &Inddata::Sikkl,
                          &Inddata::Beslag, &Inddata::RappOmfang})
    EXPECT_EQ(a.*f, b.*f);
  EXPECT_EQ(a.CharnForskStd, b.CharnForskStd);
  EXPECT_EQ(a.NormSneFormFak, b.NormSneFormFak);
}

TEST(Inddatafil, StandardprojektetLaesesOgSkrivesEns) {
  TSkriptetDialog dlg;
  TInddataside s = StartInddataside(Kilde, dlg);
  EXPECT_TRUE(dlg.kald.empty());
  EXPECT_EQ(s.InddataAendret, 0);
  const Inddata& d = s.Inddata;
  EXPECT_NAER(d.HusBr, 12.0);
  EXPECT_EQ(d.AntalFag, 8);
  EXPECT_EQ(d.CharnForskStd, 1);
  EXPECT_NAER(d.CharnForsk, 0.86);
  EXPECT_EQ(d.EL1Mat, 1);
  EXPECT_EQ(d.StyrkeKlasse, 2);
  EXPECT_EQ(d.Beslag, 19);
  EXPECT_EQ(s.ComboBoxBeslag.Tekst, "Simpson GER W200 fuldt udsømmet  ");
  EXPECT_FALSE(s.EditCharnForsk.Aktiv);
  EXPECT_FALSE(s.EditKaraktSneLast.Aktiv);
  std::vector<std::string> l;
  SkrivInddatafil(s, l);
  EXPECT_EQ(l, StandardLinier());  // the writer mirrors the reader
  EXPECT_EQ(l[3], "     12,00");
}

TEST(Inddatafil, GemOgHentGiverSammeInddata) {
  Mappe m;
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditProjektnavn, "Lagerhal Ærø", dlg);
  Indtast(s, K::EditTagVink, "40", dlg);  // normal factor 0,5333
  KlikRadio(s, K::RadioGroupNormSneFormFak, 1, dlg);
  Indtast(s, K::EditKaraktSneLast, "1,237", dlg);
  KlikRadio(s, K::RadioGroupCharnForsk, 1, dlg);
  Indtast(s, K::EditCharnForsk, "0,75", dlg);
  VaelgListepunkt(s, K::ComboBoxEL3, 4, dlg);
  KlikRadio(s, K::RadioGroupTerrKat, 3, dlg);
  KlikRadio(s, K::RadioGroupStyrkeKlasse, 5, dlg);
  VaelgListepunkt(s, K::ComboBoxHojde, 2, dlg);  // 200 mm glulam
  KlikRadio(s, K::RadioGroupRappOmfang, 1, dlg);
  ASSERT_TRUE(dlg.Tekster("Fejl").empty());

  std::vector<std::string> l;
  SkrivInddatafil(s, l);
  ASSERT_EQ(l.size(), 37u);
  EXPECT_EQ(l[25], "      1,24");
  EXPECT_EQ(l[26], "      0,53");
  ASSERT_TRUE(SkrivTekstfil(m.Fil("p.aid"), l));
  std::vector<std::string> l2;
  ASSERT_TRUE(LaesTekstfil(m.Fil("p.aid"), l2));
  TInddataside t = NyInddataside();
  TSkriptetDialog dlg2;
  ASSERT_TRUE(LaesInddatafil(t, l2, m.Fil("p.aid"), dlg2));
  Inddata ventet = s.Inddata;
  // The snow factors are stored with two decimals.
  ventet.SneFormFakNormal = 0.53;
  ventet.SneFormFak = 1.24;
  ventet.SneFormFakForhojet = 1.24;
  ForventSammeInddata(t.Inddata, ventet);
  EXPECT_TRUE(t.EditCharnForsk.Aktiv);
  EXPECT_TRUE(t.EditKaraktSneLast.Aktiv);
  EXPECT_EQ(t.ComboBoxHojde.Elementer.front(), "133 mm");
}

std::vector<std::string> Med(std::vector<std::string> l, std::size_t nr, std::string tekst) {
  l[nr] = std::move(tekst);
  return l;
}

TEST(Inddatafil, ValglinierStandardOgGraenser) {
  const auto std = StandardLinier();
  auto laes = [](const std::vector<std::string>& l) {
    TInddataside s = Standard();
    TSkriptetDialog dlg;
    EXPECT_TRUE(LaesInddatafil(s, l, "x.aid", dlg));
    return s;
  };
  EXPECT_EQ(laes(Med(std, 36, "3")).Inddata.RappOmfang, 1);
  TInddataside s = laes(Med(std, 36, "2"));
  EXPECT_EQ(s.Inddata.RappOmfang, 1);
  EXPECT_EQ(s.RadioGroupRappOmfang, 1);
  EXPECT_EQ(laes(Med(std, 22, "x")).Inddata.TerrKat, 1);
  EXPECT_EQ(laes(Med(std, 22, "-3")).Inddata.TerrKat, 1);  // negative: the default
  EXPECT_EQ(laes(Med(std, 28, "-1")).Inddata.StyrkeKlasse, 1);
  EXPECT_EQ(laes(Med(std, 28, "17")).Inddata.StyrkeKlasse, 6);
  EXPECT_EQ(laes(Med(std, 31, "")).Inddata.AnvKlasse, 1);
  EXPECT_EQ(laes(Med(std, 32, "-5")).Inddata.Sikkl, 1);
  s = laes(Med(std, 24, "-1"));
  EXPECT_EQ(s.Inddata.NormSneFormFak, 1);
  EXPECT_EQ(s.RadioGroupNormSneFormFak, 0);
  // Material lines: default 1; -1 or beyond the list: no item.
  EXPECT_EQ(laes(Med(std, 14, "abc")).Inddata.EL1Mat, 1);
  EXPECT_EQ(laes(Med(std, 14, "4")).Inddata.EL1Mat, -1);
  s = laes(Med(std, 16, "-1"));
  EXPECT_EQ(s.Inddata.EL2Mat, -1);
  EXPECT_EQ(s.ComboBoxEL2.Valgt, -1);
  EXPECT_EQ(laes(Med(std, 18, "6")).Inddata.EL3Mat, 6);
  // Line 11: 0 is "Ja", anything else "Nej".
  s = laes(Med(std, 11, "7"));
  EXPECT_EQ(s.Inddata.CharnForskStd, 0);
  EXPECT_EQ(s.RadioGroupCharnForsk, 1);
  EXPECT_TRUE(s.EditCharnForsk.Aktiv);
  // Hardware: default row 5 when the line is not a whole number.
  s = laes(Med(Med(std, 34, "x"), 29, "       130"));
  EXPECT_EQ(s.Inddata.Beslag, 5);
}

TEST(Inddatafil, BeslagDerIkkePasserVaelgesOm) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  ASSERT_TRUE(LaesInddatafil(s, Med(StandardLinier(), 34, "25"), "x.aid", dlg));
  EXPECT_EQ(s.Inddata.Beslag, 0);
  EXPECT_EQ(dlg.Tekster("Bip").size(), 1u);
  EXPECT_EQ(dlg.Tekster("Information").size(), 1u);
  TSkriptetDialog dlg2;
  ASSERT_TRUE(LaesInddatafil(s, Med(StandardLinier(), 34, "1000"), "x.aid", dlg2));
  EXPECT_EQ(s.Inddata.Beslag, 0);
}

TEST(Inddatafil, KlikVedSkiftAfValgViserAdvarsel) {
  // The current project has "Ja" and a small offset; a file with "Nej" runs
  // the group's click handling, which warns about the small offset before
  // line 12 sets the final value.
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditRammeafstand, "2,5", dlg);
  EXPECT_NAER(s.Inddata.CharnForsk, 0.36);
  TSkriptetDialog dlg2;
  ASSERT_TRUE(LaesInddatafil(s, Med(StandardLinier(), 11, "1"), "x.aid", dlg2));
  EXPECT_EQ(dlg2.Tekster("Advarsel").size(), 1u);
  EXPECT_NAER(s.Inddata.CharnForsk, 0.86);
  EXPECT_EQ(s.Inddata.CharnForskStd, 0);
}

TEST(Inddatafil, UgyldigeTal) {
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  auto l = Med(Med(StandardLinier(), 3, "tolv"), 8, "1e3");
  l[26] = "0.75";  // lines 26 and 27 also take a decimal point
  l[27] = "1e999";
  ASSERT_TRUE(LaesInddatafil(s, l, "x.aid", dlg));
  EXPECT_NAER(s.Inddata.HusBr, 99.0);
  EXPECT_EQ(s.EditHusBr.Tekst, "tolv");  // the field keeps the line
  EXPECT_EQ(s.Inddata.AntalFag, 4);
  EXPECT_NAER(s.Inddata.SneFormFakNormal, 0.75);
  EXPECT_NAER(s.Inddata.SneFormFakForhojet, 99.0);
  const auto b = dlg.Tekster("Besked");
  ASSERT_EQ(b.size(), 3u);
  EXPECT_TRUE(b[0].ends_with("Værdien er sat til 99,00."));
  EXPECT_TRUE(b[1].ends_with("Værdien er sat til 4."));
  EXPECT_TRUE(b[2].ends_with("Værdien er sat til 99,00."));
}

TEST(Inddatafil, DefektFilAendrerIntet) {
  const auto std = StandardLinier();
  const std::string ventetBesked =
      "Uventet fejl i inddatafilen /x/p.aid\r\n"
      "Der er måske for få linier i den, eller den er helt tom.\r\n"
      "Den stammer måske fra en tidligere version af programmet.\r\n";
  for (const auto& l : {std::vector<std::string>(std.begin(), std.end() - 1),
                        std::vector<std::string>{}, Med(std, 11, "Ja"), Med(std, 11, "")}) {
    TInddataside s = Standard();
    TSkriptetDialog dlg0;
    Indtast(s, K::EditHusBr, "15", dlg0);
    s.Rapport = std::vector<std::string>{"r"};
    TSkriptetDialog dlg;
    EXPECT_FALSE(LaesInddatafil(s, l, "/x/p.aid", dlg));
    ASSERT_EQ(dlg.kald.size(), 1u);
    EXPECT_EQ(dlg.kald[0].art, "Fejl");
    EXPECT_EQ(dlg.kald[0].tekst.rfind(ventetBesked, 0), 0u);
    EXPECT_NE(dlg.kald[0].tekst.find("Kvarnløkkedata", ventetBesked.size()), std::string::npos);
    EXPECT_NAER(s.Inddata.HusBr, 15.0);
    EXPECT_EQ(s.InddataAendret, 1);
    EXPECT_TRUE(s.Rapport.has_value());
  }
  // 40 lines: the extra lines are ignored.
  auto lang = std;
  lang.insert(lang.end(), {"a", "b", "c"});
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  EXPECT_TRUE(LaesInddatafil(s, lang, "p.aid", dlg));
  EXPECT_TRUE(dlg.kald.empty());
}

TEST(Inddatafil, VilkaarligeBytesGiverIntetNedbrud) {
  Mappe m;
  std::mt19937 tilfaeldig(20261206);
  for (int runde = 0; runde < 40; ++runde) {
    std::string bytes;
    const int n = static_cast<int>(tilfaeldig() % 3000);
    for (int i = 0; i < n; ++i) {
      const unsigned v = tilfaeldig() % 8 == 0 ? (tilfaeldig() % 2 ? '\n' : '\r') : tilfaeldig() % 256;
      bytes.push_back(static_cast<char>(v));
    }
    // Every other round a file with enough lines and a valid line 11.
    if (runde % 2 == 1) {
      auto l = DelLinjer(bytes);
      l.resize(40);
      l[11] = "0";
      bytes.clear();
      for (const auto& x : l) bytes += x + "\r\n";
    }
    std::vector<std::string> linier = DelLinjer(Cp1252TilUtf8(bytes));
    TInddataside s = Standard();
    TSkriptetDialog dlg;
    const bool ok = LaesInddatafil(s, linier, "x.aid", dlg);
    EXPECT_EQ(ok, runde % 2 == 1);
    std::vector<std::string> ud;
    SkrivInddatafil(s, ud);
    EXPECT_EQ(ud.size(), 37u);
  }
  // An overlong line is cut to the capacity of its field.
  auto l = StandardLinier();
  l[0] = std::string(100000, 'x');
  l[3] = std::string(100000, '9');
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  ASSERT_TRUE(LaesInddatafil(s, l, "x.aid", dlg));
  EXPECT_EQ(s.Inddata.Projektnavn.size(), 70u);
  EXPECT_EQ(s.EditHusBr.Tekst.size(), KapEditTekst);
}

TEST(GemProjektdata, FilnavneOgSpoergsmaal) {
  Mappe m;
  TInddataside s = Standard();
  s.Programmappe = m.Fil("");
  s.InddataAendret = 1;

  TSkriptetDialog dlg;
  dlg.filnavne.push_back(m.Fil("projekt"));
  EXPECT_TRUE(GemProjektdata(s, dlg));
  ASSERT_EQ(dlg.kald.size(), 2u);
  EXPECT_EQ(dlg.kald[0].tekst, "Gem projektdata");
  EXPECT_EQ(dlg.kald[1].art, "InformationOkAnnuller");
  EXPECT_EQ(dlg.kald[1].tekst,
            "Filnavnet er ændret til " + m.Fil("projekt.aid") + "\r\nGemme under dette navn?");
  EXPECT_TRUE(fs::exists(m.Fil("projekt.aid")));
  EXPECT_EQ(s.InddataAendret, 0);
  std::string bytes;
  ASSERT_TRUE(LaesFil(m.Fil("projekt.aid"), bytes));
  std::string standard;
  ASSERT_TRUE(LaesFil(Kilde + "/Standard.aid", standard));
  EXPECT_EQ(bytes, standard);  // Windows-1252 with CR LF, line for line

  // Upper-case extension: no question, the name as typed.
  TSkriptetDialog dlg2;
  dlg2.filnavne.push_back(m.Fil("projekt.AID"));
  EXPECT_TRUE(GemProjektdata(s, dlg2));
  EXPECT_EQ(dlg2.kald.size(), 1u);
  EXPECT_TRUE(fs::exists(m.Fil("projekt.AID")));

  // .txt proposed as .aid; Cancel writes nothing.
  TSkriptetDialog dlg3;
  dlg3.filnavne.push_back(m.Fil("ny.txt"));
  dlg3.svar.push_back(false);
  s.InddataAendret = 1;
  EXPECT_FALSE(GemProjektdata(s, dlg3));
  EXPECT_EQ(dlg3.Tekster("InformationOkAnnuller")[0],
            "Filnavnet er ændret til " + m.Fil("ny.aid") + "\r\nGemme under dette navn?");
  EXPECT_EQ(dlg3.Tekster("Information"), (std::vector<std::string>{"Resultatet er ikke gemt"}));
  EXPECT_FALSE(fs::exists(m.Fil("ny.aid")));
  EXPECT_EQ(s.InddataAendret, 1);

  // A changed name that hits an existing file asks before replacing it.
  TSkriptetDialog dlg4;
  dlg4.filnavne.push_back(m.Fil("projekt.åpd"));
  dlg4.svar = {true, false};
  Indtast(s, K::EditHusBr, "20", dlg4);
  EXPECT_FALSE(GemProjektdata(s, dlg4));
  ASSERT_EQ(dlg4.Tekster("JaNej").size(), 1u);
  EXPECT_EQ(dlg4.Tekster("JaNej")[0],
            "Filen " + m.Fil("projekt.aid") + " findes allerede.\r\nSkal den erstattes?");
  ASSERT_TRUE(LaesFil(m.Fil("projekt.aid"), bytes));
  EXPECT_EQ(bytes, standard);
  EXPECT_EQ(s.InddataAendret, 1);

  // Cancelling the dialog does nothing.
  TSkriptetDialog dlg5;
  EXPECT_FALSE(GemProjektdata(s, dlg5));
  EXPECT_EQ(dlg5.kald.size(), 1u);
}

TEST(GemProjektdata, FejlVedSkrivning) {
  Mappe m;
  TInddataside s = Standard();
  s.InddataAendret = 1;
  TSkriptetDialog dlg;
  dlg.filnavne.push_back(m.Fil("findes/ikke/p.aid"));
  EXPECT_FALSE(GemProjektdata(s, dlg));
  EXPECT_EQ(dlg.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(s.InddataAendret, 1);
}

TEST(HentProjektdata, HenterOgNulstiller) {
  Mappe m;
  TInddataside s = Standard();
  TSkriptetDialog dlg0;
  Indtast(s, K::EditHusBr, "20", dlg0);
  s.Rapport = std::vector<std::string>{"r"};
  s.AktivSide = TSide::Inddata2;

  TSkriptetDialog dlg;
  dlg.filnavne.push_back(Kilde + "/Standard.aid");
  dlg.svar.push_back(false);  // do not save first
  EXPECT_TRUE(HentProjektdata(s, dlg));
  EXPECT_EQ(dlg.kald[0].art, "AabnFilnavn");
  EXPECT_EQ(dlg.kald[0].tekst, "Hent projektdata");
  EXPECT_EQ(dlg.Tekster("JaNej"),
            (std::vector<std::string>{"Skal nuværende inddata først gemmes?"}));
  EXPECT_NAER(s.Inddata.HusBr, 12.0);
  EXPECT_EQ(s.InddataAendret, 0);
  EXPECT_FALSE(s.Rapport.has_value());
  EXPECT_EQ(s.AktivSide, TSide::Inddata1);

  // Unchanged input: no question. A file that cannot be read: the message.
  TSkriptetDialog dlg2;
  dlg2.filnavne.push_back(m.Fil("mangler.aid"));
  EXPECT_FALSE(HentProjektdata(s, dlg2));
  EXPECT_EQ(dlg2.Tekster("JaNej").size(), 0u);
  EXPECT_EQ(dlg2.Tekster("Fejl"),
            (std::vector<std::string>{"Programmet har forgæves prøvet at hente inddatafilen " +
                                      m.Fil("mangler.aid")}));

  // A damaged file: the message, and the changed project, its result and
  // the page stay as they were (nothing is reset to "unchanged").
  auto kort = StandardLinier();
  kort.resize(36);
  ASSERT_TRUE(SkrivTekstfil(m.Fil("kort.aid"), kort));
  TSkriptetDialog dlg3;
  Indtast(s, K::EditHusBr, "20", dlg3);
  s.Rapport = std::vector<std::string>{"r"};
  s.AktivSide = TSide::Inddata2;
  dlg3.filnavne.push_back(m.Fil("kort.aid"));
  dlg3.svar.push_back(false);  // do not save first
  EXPECT_FALSE(HentProjektdata(s, dlg3));
  ASSERT_EQ(dlg3.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(dlg3.Tekster("Fejl")[0].rfind("Uventet fejl i inddatafilen " + m.Fil("kort.aid"), 0),
            0u);
  EXPECT_NAER(s.Inddata.HusBr, 20.0);
  EXPECT_EQ(s.InddataAendret, 1);
  EXPECT_TRUE(s.Rapport.has_value());
  EXPECT_EQ(s.AktivSide, TSide::Inddata2);
}

TEST(Opstart, UdenEllerMedDefektStandardfil) {
  Mappe m;
  TSkriptetDialog dlg;
  TInddataside s = StartInddataside(m.Fil(""), dlg);
  EXPECT_EQ(dlg.Tekster("Fejl"),
            (std::vector<std::string>{"Programmet har forgæves prøvet at hente inddatafilen " +
                                      m.Fil("Standard.aid")}));
  EXPECT_EQ(s.InddataAendret, 0);
  EXPECT_EQ(s.Inddata.Beslag, -1);
  EXPECT_NAER(s.Inddata.HusBr, 0.0);
  EXPECT_EQ(s.Inddata.TerrKat, 1);
  EXPECT_EQ(s.RadioGroupTerrKat, 1);
  EXPECT_EQ(s.Inddata.StyrkeKlasse, 1);
  EXPECT_EQ(s.Inddata.NormSneFormFak, 1);
  EXPECT_EQ(s.Inddata.CharnForskStd, 1);
  EXPECT_EQ(s.ComboBoxEL4.Tekst, "Vælg materiale");

  auto l = StandardLinier();
  l.resize(20);
  ASSERT_TRUE(SkrivTekstfil(m.Fil("Standard.aid"), l));
  TSkriptetDialog dlg2;
  s = StartInddataside(m.Fil(""), dlg2);
  ASSERT_EQ(dlg2.kald.size(), 1u);
  EXPECT_EQ(dlg2.kald[0].tekst.rfind("Uventet fejl i inddatafilen " + m.Fil("Standard.aid"), 0),
            0u);
  EXPECT_EQ(s.Inddata.Beslag, -1);
  EXPECT_NAER(s.Inddata.HusBr, 0.0);
  EXPECT_EQ(s.InddataAendret, 0);
}

TEST(LaesProjektfil, KunFejlNaarFilenLaesesUdenSider) {
  Mappe m;
  auto l = Med(StandardLinier(), 34, "25");  // a hardware message while reading
  l[5] = "x";                                 // and an invalid number
  ASSERT_TRUE(SkrivTekstfil(m.Fil("p.aid"), l));
  TInddataside s;
  s.Firmanavn = "Firma A/S";
  TSkriptetDialog dlg;
  EXPECT_TRUE(LaesProjektfil(m.Fil("p.aid"), s, dlg));
  EXPECT_EQ(s.Firmanavn, "Firma A/S");
  EXPECT_EQ(s.Inddata.Beslag, 0);
  EXPECT_EQ(s.InddataAendret, 0);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "Besked");

  TSkriptetDialog dlg2;
  EXPECT_FALSE(LaesProjektfil(m.Fil("ingen.aid"), s, dlg2));
  EXPECT_EQ(dlg2.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(s.Inddata.Beslag, 0);
}

}  // namespace
}  // namespace kvistor
