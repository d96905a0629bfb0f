// The project file: line layout, round trip, defaults of damaged choice
// lines, damaged files, and the save, load and start-up commands.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>
#include <tuple>

#include "common/optagende_dialog.h"
#include "common/tegnsaet.h"
#include "hjaelp/naer.h"
#include "project/inddatafil.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using K = TKontrol;
using Linier = std::vector<std::string>;

const std::string Kilde = KVISTOR_KILDEMAPPE;

TInddataside Standard() {
  TSkriptetDialog dlg;
  return StartInddataside(Kilde, dlg);
}

Linier StandardLinier() {
  Linier l;
  EXPECT_TRUE(LaesTekstfil(Kilde + "/Standard.aid", l));
  return l;
}

Linier Med(Linier l, std::size_t nr, std::string tekst) {
  l[nr] = std::move(tekst);
  return l;
}

// The standard project with the lines read over it.
TInddataside Laes(const Linier& l, TSkriptetDialog& dlg) {
  TInddataside s = Standard();
  EXPECT_TRUE(LaesInddatafil(s, l, "x.aid", dlg));
  return s;
}
TInddataside Laes(const Linier& l) {
  TSkriptetDialog dlg;
  return Laes(l, dlg);
}

// A user who types `navn` in the file dialog (or cancels it) and answers
// the questions in turn.
TSkriptetDialog Bruger(std::optional<std::string> navn, std::deque<bool> svar = {}) {
  TSkriptetDialog dlg;
  dlg.filnavne.push_back(std::move(navn));
  dlg.svar = std::move(svar);
  return dlg;
}

void ForventSammeInddata(const Inddata& a, const Inddata& b) {
  const auto ikkeTal = [](const Inddata& d) {
    return std::tie(d.Projektnavn, d.Bygningsdel, d.Medarb, d.AntalFag, d.CharnForskStd,
                    d.EL1Mat, d.EL2Mat, d.EL3Mat, d.EL4Mat, d.TerrKat, d.NormSneFormFak,
                    d.StyrkeKlasse, d.AnvKlasse, d.Sikkl, d.Beslag, d.RappOmfang);
  };
  EXPECT_EQ(ikkeTal(a), ikkeTal(b));
  for (double Inddata::*f :
       {&Inddata::HusBr, &Inddata::FacHjd, &Inddata::TagVink, &Inddata::AaseAfst,
        &Inddata::FacUdh, &Inddata::Rammeafstand, &Inddata::GavlRammeAfst, &Inddata::CharnForsk,
        &Inddata::GavlUdh, &Inddata::EL1, &Inddata::EL2, &Inddata::EL3, &Inddata::EL4,
        &Inddata::AfstVesterhav, &Inddata::SneFormFak, &Inddata::SneFormFakNormal,
        &Inddata::SneFormFakForhojet, &Inddata::AaseHojde, &Inddata::AaseBredde,
        &Inddata::NormalKraftFaktor, &Inddata::KipnMoment})
    EXPECT_NAER(a.*f, b.*f);
}

TEST(Inddatafil, StandardprojektetLaesesOgSkrivesEns) {
  TSkriptetDialog dlg;
  const TInddataside s = StartInddataside(Kilde, dlg);
  EXPECT_TRUE(dlg.kald.empty());
  EXPECT_EQ(s.InddataAendret, 0);
  EXPECT_EQ(s.Inddata.Beslag, 19);
  EXPECT_EQ(s.ComboBoxBeslag.Tekst, "Simpson GER W200 fuldt udsømmet  ");
  EXPECT_FALSE(s.EditCharnForsk.Aktiv || s.EditKaraktSneLast.Aktiv);
  Linier l;
  SkrivInddatafil(s, l);
  EXPECT_EQ(l, StandardLinier());  // the writer mirrors the reader
}

TEST(Inddatafil, GemOgHentGiverSammeInddata) {
  test::TTestMappe m;
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

  Linier l, l2;
  SkrivInddatafil(s, l);
  ASSERT_EQ(l.size(), 37u);
  ASSERT_TRUE(SkrivTekstfil((m / "p.aid"), l));
  ASSERT_TRUE(LaesTekstfil((m / "p.aid"), l2));
  TInddataside t = NyInddataside();
  ASSERT_TRUE(LaesInddatafil(t, l2, (m / "p.aid"), dlg));
  Inddata ventet = s.Inddata;
  // The snow factors are stored with two decimals.
  ventet.SneFormFakNormal = 0.53;
  ventet.SneFormFak = ventet.SneFormFakForhojet = 1.24;
  ForventSammeInddata(t.Inddata, ventet);
  EXPECT_TRUE(t.EditCharnForsk.Aktiv && t.EditKaraktSneLast.Aktiv);
  EXPECT_EQ(t.ComboBoxHojde.Elementer.front(), "133 mm");
}

TEST(Inddatafil, ValglinierStandardOgGraenser) {
  const auto std = StandardLinier();
  // Line 36: beyond the radio group is its last item (more substitutes in
  // the test of the substitutions).
  TInddataside s = Laes(Med(std, 36, "2"));
  EXPECT_EQ(s.Inddata.RappOmfang, 1);
  EXPECT_EQ(s.RadioGroupRappOmfang, 1);
  // Not a whole number, or negative: the default.
  EXPECT_EQ(Laes(Med(std, 28, "x")).Inddata.StyrkeKlasse, 1);  // C24 in the file
  EXPECT_EQ(Laes(Med(std, 28, "-1")).Inddata.StyrkeKlasse, 1);
  s = Laes(Med(std, 24, "-1"));
  EXPECT_EQ(s.Inddata.NormSneFormFak, 1);
  EXPECT_EQ(s.RadioGroupNormSneFormFak, 0);
  // Material lines: default 1; -1 or beyond the list: no item.
  EXPECT_EQ(Laes(Med(std, 14, "4")).Inddata.EL1Mat, -1);
  s = Laes(Med(std, 16, "-1"));
  EXPECT_EQ(s.Inddata.EL2Mat, -1);
  EXPECT_EQ(s.ComboBoxEL2.Valgt, -1);
  EXPECT_EQ(Laes(Med(std, 18, "6")).Inddata.EL3Mat, 6);
  // Line 11: 0 is "Ja", anything else "Nej".
  s = Laes(Med(std, 11, "7"));
  EXPECT_EQ(s.Inddata.CharnForskStd, 0);
  EXPECT_EQ(s.RadioGroupCharnForsk, 1);
  EXPECT_TRUE(s.EditCharnForsk.Aktiv);
  // A row that no longer fits the purlin is chosen anew, with the beep and
  // the message; so is a row beyond the catalogue.
  TSkriptetDialog dlg;
  EXPECT_EQ(Laes(Med(std, 34, "25"), dlg).Inddata.Beslag, 0);
  EXPECT_EQ(dlg.Tekster("Bip").size(), 1u);
  EXPECT_EQ(dlg.Tekster("Information").size(), 1u);
  EXPECT_EQ(Laes(Med(std, 34, "1000")).Inddata.Beslag, 0);
}

TEST(Inddatafil, KlikVedSkiftAfValgViserAdvarsel) {
  // The current project has "Ja" and a small offset; a file with "Nej" runs
  // the group's click handling, which warns about the small offset before
  // line 12 sets the final value.
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditRammeafstand, "2,5", dlg);
  TSkriptetDialog dlg2;
  ASSERT_TRUE(LaesInddatafil(s, Med(StandardLinier(), 11, "1"), "x.aid", dlg2));
  EXPECT_EQ(dlg2.Tekster("Advarsel").size(), 1u);
  EXPECT_NAER(s.Inddata.CharnForsk, 0.86);
  EXPECT_EQ(s.Inddata.CharnForskStd, 0);
}

TEST(Inddatafil, ErstatningerNoteresMedLinieLaestOgBrugt) {
  // The window reads on with the substitutes and tells each number; the
  // command line gets the list (line numbers counted from 1).
  TSkriptetDialog dlg;
  auto l = Med(Med(StandardLinier(), 3, "12.00"), 8, "1e3");
  l[26] = "0.75";  // the snow lines also take a decimal point, but 20° gives 0,80
  l[27] = "1e999";
  l[16] = "abc";
  l[22] = "9";
  l[11] = "7";
  l[34] = "x";
  l[29] = "       130";  // so that the default hardware row 5 fits
  std::vector<TErstatning> erst;
  TInddataside s = Standard();
  ASSERT_TRUE(LaesInddatafil(s, l, "x.aid", dlg, &erst));
  EXPECT_NAER(s.Inddata.HusBr, 99.0);
  EXPECT_EQ(s.EditHusBr.Tekst, "12.00");  // the field keeps the line
  EXPECT_EQ(s.Inddata.AntalFag, 4);
  EXPECT_NAER(s.Inddata.SneFormFakNormal, 0.8);
  EXPECT_NAER(s.Inddata.SneFormFakForhojet, 99.0);
  EXPECT_EQ(dlg.Tekster("Besked").size(), 4u);  // one message per number
  std::vector<std::string> linjer;
  for (const TErstatning& e : erst) linjer.push_back(BeskedErstatning(e));
  EXPECT_EQ(linjer, (Linier{
      "Linie 4: \"12.00\" kan ikke bruges som det står; i stedet ville 99,00 blive brugt.",
      "Linie 9: \"1e3\" kan ikke bruges som det står; i stedet ville 4 blive brugt.",
      "Linie 12: \"7\" kan ikke bruges som det står; i stedet ville 1 blive brugt.",
      "Linie 17: \"abc\" kan ikke bruges som det står; i stedet ville 1 blive brugt.",
      "Linie 23: \"9\" kan ikke bruges som det står; i stedet ville 3 blive brugt.",
      "Linie 27: \"0.75\" kan ikke bruges som det står; i stedet ville 0,80 blive brugt.",
      "Linie 28: \"1e999\" kan ikke bruges som det står; i stedet ville 99,00 blive brugt.",
      "Linie 35: \"x\" kan ikke bruges som det står; i stedet ville 5 blive brugt."}));
  // The standard project substitutes nothing.
  erst.clear();
  ASSERT_TRUE(LaesInddatafil(s, StandardLinier(), "x.aid", dlg, &erst));
  EXPECT_TRUE(erst.empty());
}

// The supplementary checks' settings after the 37 lines: written only when
// they differ from their defaults, read back, and lines of keys this version
// does not know kept in their order.
TEST(Udvidelser, RundturUkendteNoeglerOgStandardvaerdier) {
  auto l = StandardLinier();
  l.insert(l.end(), {"Fremtid=7", "BrandSider=4", "x = y z"});
  TSkriptetDialog dlg;
  TInddataside s = Laes(l, dlg);
  EXPECT_TRUE(dlg.kald.empty());
  EXPECT_EQ(s.Inddata.BrandSider, 4);
  EXPECT_EQ(s.RadioGroupBrandSider, 1);
  EXPECT_EQ(s.Inddata.SkaerpetKontrol, 1);  // not in the file: its default
  KlikRadio(s, K::CheckBoxSkaerpetKontrol, 0, dlg);
  KlikRadio(s, K::RadioGroupBrandmodstand, 2, dlg);
  EXPECT_EQ(s.InddataAendret, 1);  // bound like every field
  EXPECT_EQ((std::tuple{int{s.Inddata.SkaerpetKontrol}, s.Inddata.Brandmodstand}),
            (std::tuple{0, 30}));
  Linier ud;
  SkrivInddatafil(s, ud);
  Linier ventet = StandardLinier();
  ventet.insert(ventet.end(),
                {"SkaerpetKontrol=0", "Brandmodstand=30", "BrandSider=4", "Fremtid=7", "x = y z"});
  EXPECT_EQ(ud, ventet);
  // Read over a model that holds other values, the file's come back; a
  // file without the lines gives the defaults and is written as it was.
  Linier igen;
  SkrivInddatafil(Laes(ud), igen);
  EXPECT_EQ(igen, ventet);
  const TInddataside uden = Laes(StandardLinier());
  EXPECT_EQ((std::tuple{int{uden.Inddata.SkaerpetKontrol}, uden.Inddata.Brandmodstand,
                        uden.Inddata.BrandSider, uden.UkendteUdvidelser.size()}),
            (std::tuple{1, 0, 3, std::size_t{0}}));
  TInddataside over = Laes(ud);
  ASSERT_TRUE(LaesInddatafil(over, StandardLinier(), "x.aid", dlg));
  EXPECT_EQ((std::tuple{int{over.Inddata.SkaerpetKontrol}, over.Inddata.Brandmodstand,
                        over.RadioGroupBrandSider, over.UkendteUdvidelser.size()}),
            (std::tuple{1, 0, 0, std::size_t{0}}));
}

TEST(Udvidelser, DefektLinieFaarSinMeddelelseOgIntetAndetTabes) {
  auto l = StandardLinier();
  l.insert(l.end(), {"Brandmodstand=45", "BrandSider=4", "uden lighedstegn", "SkaerpetKontrol=ja"});
  TSkriptetDialog dlg;
  std::vector<TErstatning> erst;
  TInddataside s = Standard();
  ASSERT_TRUE(LaesInddatafil(s, l, "x.aid", dlg, &erst));
  EXPECT_EQ(dlg.Tekster("Besked"),
            (Linier{"Linie 38 i projektfilen, \"Brandmodstand=45\", Brandmodstand kan kun være 0, "
                    "15, 30 eller 60.\r\nLinien springes over.",
                    "Linie 40 i projektfilen, \"uden lighedstegn\", er ingen linie af formen "
                    "Nøgle=værdi.\r\nLinien springes over.",
                    "Linie 41 i projektfilen, \"SkaerpetKontrol=ja\", SkaerpetKontrol kan kun være "
                    "0 eller 1.\r\nLinien springes over."}));
  EXPECT_EQ(s.Inddata.Brandmodstand, 0);
  EXPECT_EQ(s.Inddata.BrandSider, 4);
  EXPECT_EQ(s.Inddata.SkaerpetKontrol, 1);
  EXPECT_NAER(s.Inddata.HusBr, 12.0);
  // The command line refuses such a file unless told to be tolerant.
  ASSERT_EQ(erst.size(), 3u);
  EXPECT_EQ(BeskedErstatning(erst[1]),
            "Linie 40: \"uden lighedstegn\" er ingen gyldig udvidelseslinie og ville blive "
            "sprunget over.");
  // What was damaged is not written back.
  Linier ud;
  SkrivInddatafil(s, ud);
  EXPECT_EQ(Linier(ud.begin() + 37, ud.end()), Linier{"BrandSider=4"});
}

// The snow lines 26 to 28: the normal value belongs to the roof angle and
// the value in use to the choice. Values that agree as the file shows them
// (two decimals) are taken as they stand; others are replaced and told.
TEST(Inddatafil, SnelinierneFoelgerTagvinklenOgValget) {
  const auto std = StandardLinier();
  const auto laes = [](const Linier& l, std::vector<TErstatning>& erst, TSkriptetDialog& dlg) {
    TInddataside s = Standard();
    EXPECT_TRUE(LaesInddatafil(s, l, "x.aid", dlg, &erst));
    return s;
  };
  std::vector<TErstatning> erst;
  TSkriptetDialog dlg;
  // 40°: 0,8·20/30 = 0,5333 is stored as 0,53.
  auto l = std;
  l[5] = "        40";
  l[25] = l[26] = "      0,53";
  TInddataside s = laes(l, erst, dlg);
  EXPECT_TRUE(erst.empty() && dlg.kald.empty());
  EXPECT_NAER(s.Inddata.SneFormFakNormal, 0.53);
  // A normal value edited by hand, and a value in use that is not the
  // normal one while "Normal" is chosen.
  l = std;
  l[26] = "      0,50";
  l[25] = "      1,00";
  s = laes(l, erst, dlg);
  EXPECT_NAER(s.Inddata.SneFormFakNormal, 0.8);
  EXPECT_NAER(s.Inddata.SneFormFak, 0.8);
  EXPECT_EQ(s.EditKaraktSneLast.Tekst, "      0,80");
  EXPECT_EQ(dlg.Tekster("Besked"),
            (Linier{"Linie 26 i projektfilen: snelasten \"1,00\" passer ikke til valget "
                    "\"Normal\".\r\nProgrammet bruger 0,80.",
                    "Linie 27 i projektfilen: den normale formfaktor for snelast \"0,50\" passer "
                    "ikke til tagvinklen 20°.\r\nProgrammet bruger 0,80."}));
  ASSERT_EQ(erst.size(), 2u);
  EXPECT_EQ(erst[0].linje, 26);
  // "Forhøjet": the value in use is the elevated one.
  erst.clear();
  l = std;
  l[24] = "1";
  l[27] = "      1,50";
  s = laes(l, erst, dlg);
  EXPECT_NAER(s.Inddata.SneFormFak, 1.5);
  EXPECT_EQ(erst.size(), 1u);
  // The test projects read as they stand.
  for (const char* p : {"flad_uden_gavludhaeng.aid", "forhojet_sne_limtrae.aid"}) {
    Linier t;
    ASSERT_TRUE(LaesTekstfil(std::string(KVISTOR_TESTDATA) + "/" + p, t));
    erst.clear();
    laes(t, erst, dlg);
    EXPECT_TRUE(erst.empty()) << p;
  }
}

TEST(Inddatafil, BytesDerIkkeErEnProjektfilAfvisesOgByteordensmaerketFjernes) {
  std::string standard;
  ASSERT_TRUE(LaesFil(Kilde + "/Standard.aid", standard));
  TSkriptetDialog dlg;
  const auto l = ProjektfilLinier("\xEF\xBB\xBF" + standard, "p.aid", dlg);
  ASSERT_TRUE(l.has_value());
  EXPECT_EQ(*l, StandardLinier());
  // Without a mark the file is Windows-1252, and so it is behind a mark that
  // the bytes belie (the standard file above); a mark on UTF-8 is the
  // opener's test's.
  EXPECT_EQ(ProjektfilLinier("\xC6r\xF8\r\n", "p.aid", dlg)->at(0), "Ærø");
  std::string utf16 = "\xFF\xFE";
  for (char c : standard) utf16 += std::string{c, '\0'};
  const std::string grund = "Uventet fejl i inddatafilen p.aid\r\nDen er ikke en Kvistor-projektfil: ";
  EXPECT_FALSE(ProjektfilLinier(utf16, "p.aid", dlg));
  EXPECT_FALSE(ProjektfilLinier(standard + std::string(MaksProjektfilBytes, ' '), "p.aid", dlg));
  EXPECT_EQ(dlg.Tekster("Fejl"),
            (Linier{grund + "den indeholder binære data eller UTF-16-tekst.",
                    grund + "den er større end 64 KiB."}));
  // An endless device is read no further than the bound.
  TInddataside s;
  EXPECT_EQ(AabnProjekt("/dev/zero", s, dlg), TProjektLaesning::Afvist);
}

TEST(Inddatafil, DefektFilAendrerIntet) {
  const auto std = StandardLinier();
  const std::string foerste = "Uventet fejl i inddatafilen /x/p.aid\r\n";
  const std::string faa = "Der er måske for få linier i den, eller den er helt tom.\r\n";
  const std::string ikke = "Den er ikke en Kvistor-projektfil: linie 12 er ikke et helt tal.";
  for (const auto& [l, naeste] :
       {std::pair{Linier(std.begin(), std.end() - 1), faa}, std::pair{Linier{}, faa},
        std::pair{Med(std, 11, "Ja"), ikke}, std::pair{Med(std, 11, ""), ikke}}) {
    TInddataside s = Standard();
    TSkriptetDialog dlg;
    Indtast(s, K::EditHusBr, "15", dlg);
    s.Rapport = Linier{"r"};
    dlg.kald.clear();
    EXPECT_FALSE(LaesInddatafil(s, l, "/x/p.aid", dlg));
    ASSERT_EQ(dlg.kald.size(), 1u);
    EXPECT_EQ(dlg.kald[0].art, "Fejl");
    EXPECT_TRUE(dlg.kald[0].tekst.starts_with(foerste + naeste)) << dlg.kald[0].tekst;
    EXPECT_NAER(s.Inddata.HusBr, 15.0);
    EXPECT_EQ(s.InddataAendret, 1);
    EXPECT_TRUE(s.Rapport.has_value());
  }
  // Lines after the 37 that are no extension lines are told and passed over;
  // blank ones are nothing.
  auto lang = std;
  lang.insert(lang.end(), {"a", "", "Brandmodstand=30"});
  TSkriptetDialog dlg;
  EXPECT_EQ(Laes(lang, dlg).Inddata.Brandmodstand, 30);
  EXPECT_EQ(dlg.Tekster("Besked"),
            Linier{"Linie 38 i projektfilen, \"a\", er ingen linie af formen Nøgle=værdi.\r\n"
                   "Linien springes over."});
}

TEST(Inddatafil, VilkaarligeBytesGiverIntetNedbrud) {
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
    TInddataside s = Standard();
    TSkriptetDialog dlg;
    EXPECT_EQ(LaesInddatafil(s, DelLinjer(Cp1252TilUtf8(bytes)), "x.aid", dlg), runde % 2 == 1);
    Linier ud;
    SkrivInddatafil(s, ud);
    EXPECT_GE(ud.size(), 37u);
  }
  // An overlong line is cut to the capacity of its field.
  auto l = StandardLinier();
  l[0] = std::string(100000, 'x');
  l[3] = std::string(100000, '9');
  const TInddataside s = Laes(l);
  EXPECT_EQ(s.Inddata.Projektnavn.size(), 70u);
  EXPECT_EQ(s.EditHusBr.Tekst.size(), KapEditTekst);
}

TEST(GemProjektdata, FilnavneSpoergsmaalOgFejl) {
  test::TTestMappe m;
  TInddataside s = Standard();
  s.Programmappe = (m / "");
  s.InddataAendret = 1;
  const auto spoergsmaal = [&m](const std::string& navn) {
    return "Filnavnet er ændret til " + (m / navn) + "\r\nGemme under dette navn?";
  };
  auto dlg = Bruger((m / "projekt"));
  EXPECT_TRUE(GemProjektdata(s, dlg));
  ASSERT_EQ(dlg.kald.size(), 2u);
  EXPECT_EQ(dlg.kald[0].tekst, "Gem projektdata");
  EXPECT_EQ(dlg.kald[1].art, "InformationOkAnnuller");
  EXPECT_EQ(dlg.kald[1].tekst, spoergsmaal("projekt.aid"));
  EXPECT_EQ(s.InddataAendret, 0);
  std::string bytes, standard;
  ASSERT_TRUE(LaesFil((m / "projekt.aid"), bytes));
  ASSERT_TRUE(LaesFil(Kilde + "/Standard.aid", standard));
  EXPECT_EQ(bytes, standard);  // Windows-1252 with CR LF, line for line

  // Upper-case extension: no question, the name as typed.
  dlg = Bruger((m / "projekt.AID"));
  EXPECT_TRUE(GemProjektdata(s, dlg));
  EXPECT_EQ(dlg.kald.size(), 1u);
  EXPECT_TRUE(fs::exists((m / "projekt.AID")));

  // .txt proposed as .aid; Cancel writes nothing.
  s.InddataAendret = 1;
  dlg = Bruger((m / "ny.txt"), {false});
  EXPECT_FALSE(GemProjektdata(s, dlg));
  EXPECT_EQ(dlg.Tekster("InformationOkAnnuller"), Linier{spoergsmaal("ny.aid")});
  EXPECT_EQ(dlg.Tekster("Information"), Linier{"Resultatet er ikke gemt"});
  EXPECT_FALSE(fs::exists((m / "ny.aid")));
  EXPECT_EQ(s.InddataAendret, 1);

  // A changed name that hits an existing file asks before replacing it.
  Indtast(s, K::EditHusBr, "20", dlg);
  dlg = Bruger((m / "projekt.åpd"), {true, false});
  EXPECT_FALSE(GemProjektdata(s, dlg));
  EXPECT_EQ(dlg.Tekster("JaNej"),
            Linier{"Filen " + (m / "projekt.aid") + " findes allerede.\r\nSkal den erstattes?"});
  ASSERT_TRUE(LaesFil((m / "projekt.aid"), bytes));
  EXPECT_EQ(bytes, standard);
  EXPECT_EQ(s.InddataAendret, 1);

  // Cancelling the dialog does nothing; a file that cannot be written is reported.
  dlg = Bruger(std::nullopt);
  EXPECT_FALSE(GemProjektdata(s, dlg));
  EXPECT_EQ(dlg.kald.size(), 1u);
  dlg = Bruger((m / "findes/ikke/p.aid"));
  EXPECT_FALSE(GemProjektdata(s, dlg));
  EXPECT_EQ(dlg.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(s.InddataAendret, 1);
}

TEST(HentProjektdata, HenterOgNulstillerMenIkkeVedFejl) {
  test::TTestMappe m;
  TInddataside s = Standard();
  const auto aendr = [&s] {  // a changed project with a result, on page 2
    TSkriptetDialog d;
    Indtast(s, K::EditHusBr, "20", d);
    s.Rapport = Linier{"r"};
    s.AktivSide = TSide::Inddata2;
  };
  aendr();
  auto dlg = Bruger(Kilde + "/Standard.aid", {false});  // do not save first
  EXPECT_TRUE(HentProjektdata(s, dlg));
  EXPECT_EQ(dlg.kald[0].art, "AabnFilnavn");
  EXPECT_EQ(dlg.kald[0].tekst, "Hent projektdata");
  EXPECT_EQ(dlg.Tekster("JaNejAnnuller"), Linier{"Skal nuværende inddata først gemmes?"});
  EXPECT_NAER(s.Inddata.HusBr, 12.0);
  EXPECT_EQ(s.InddataAendret, 0);
  EXPECT_FALSE(s.Rapport.has_value());
  EXPECT_EQ(s.AktivSide, TSide::Inddata1);

  // Unchanged input: no question. A file that cannot be read: the message.
  dlg = Bruger((m / "mangler.aid"));
  EXPECT_FALSE(HentProjektdata(s, dlg));
  EXPECT_EQ(dlg.Tekster("JaNejAnnuller").size(), 0u);
  EXPECT_EQ(dlg.Tekster("Fejl"),
            Linier{"Programmet har forgæves prøvet at hente inddatafilen " + (m / "mangler.aid") +
                   "\r\nFilen eller mappen findes ikke."});

  // A damaged file: the message, and the changed project, its result and
  // the page stay as they were (nothing is reset to "unchanged").
  auto kort = StandardLinier();
  kort.resize(36);
  ASSERT_TRUE(SkrivTekstfil((m / "kort.aid"), kort));
  aendr();
  dlg = Bruger((m / "kort.aid"), {false});
  EXPECT_FALSE(HentProjektdata(s, dlg));
  ASSERT_EQ(dlg.Tekster("Fejl").size(), 1u);
  EXPECT_TRUE(
      dlg.Tekster("Fejl")[0].starts_with("Uventet fejl i inddatafilen " + (m / "kort.aid")));
  EXPECT_NAER(s.Inddata.HusBr, 20.0);
  EXPECT_EQ(s.InddataAendret, 1);
  EXPECT_TRUE(s.Rapport.has_value());
  EXPECT_EQ(s.AktivSide, TSide::Inddata2);
}

// Before another project replaces changed input (and before the window
// closes): Ja saves first, Nej goes on, and Annuller (Escape), a save that
// is cancelled or one that fails keep the input as it is.
TEST(HentProjektdata, SpoergsmaaletJaNejAnnuller) {
  test::TTestMappe m;
  const std::string andet = m / "andet.aid";
  auto l = StandardLinier();
  l[0] = "Andet";
  ASSERT_TRUE(SkrivTekstfil(andet, l));
  const auto aendret = [] {
    TInddataside s = Standard();
    TSkriptetDialog d;
    Indtast(s, K::EditHusBr, "20", d);
    return s;
  };
  const struct {
    std::deque<TSvar> svar;
    std::optional<std::string> gemSom;  // the save dialog's answer after "Ja"
    bool hentet, gemt;
  } fald[] = {{{TSvar::Annuller}, {}, false, false},
              {{TSvar::Ja}, std::nullopt, false, false},       // the save dialog cancelled
              {{TSvar::Ja}, m / "findes/ikke/p.aid", false, false},  // the save fails
              {{TSvar::Ja}, m / "gemt.aid", true, true},
              {{TSvar::Nej}, {}, true, false}};
  for (const auto& f : fald) {
    TInddataside s = aendret();
    TSkriptetDialog dlg;
    dlg.svarTre = f.svar;
    if (f.svar.front() == TSvar::Ja) dlg.filnavne.push_back(f.gemSom);
    EXPECT_EQ(HentProjektfil(s, andet, dlg), f.hentet);
    EXPECT_EQ(s.Inddata.Projektnavn, f.hentet ? "Andet" : "Standardprojekt");
    EXPECT_EQ(s.InddataAendret, f.hentet ? 0 : 1);
    EXPECT_EQ(fs::exists(m / "gemt.aid"), f.gemt);
    fs::remove(m / "gemt.aid");
    // Closing asks the same question.
    s = aendret();
    dlg.svarTre = f.svar;
    if (f.svar.front() == TSvar::Ja) dlg.filnavne.push_back(f.gemSom);
    EXPECT_EQ(MaaLukke(s, dlg), f.hentet);
    fs::remove(m / "gemt.aid");
  }
  TInddataside uaendret = Standard();
  TSkriptetDialog dlg;
  EXPECT_TRUE(MaaLukke(uaendret, dlg));
  EXPECT_TRUE(dlg.kald.empty());
}

// Start-up prefers the user's own default project to the one in the
// program folder, which an installation cannot change.
TEST(Opstart, BrugerensEgetStandardprojekt) {
  const test::TKonfigmappe m;
  EXPECT_EQ(BrugerStandardfil(), m / "Kvistor/Standard.aid");
  EXPECT_EQ(StandardProjektfil(Kilde), Kilde + "/Standard.aid");
  TInddataside s = Standard();
  TSkriptetDialog dlg;
  Indtast(s, K::EditProjektnavn, "Mit standardprojekt", dlg);
  ASSERT_TRUE(GemBrugerStandard(s, dlg));
  EXPECT_EQ(s.InddataAendret, 1);  // the project itself is not saved
  EXPECT_EQ(StandardProjektfil(Kilde), BrugerStandardfil());
  EXPECT_EQ(StartInddataside(Kilde, dlg).Inddata.Projektnavn, "Mit standardprojekt");
  EXPECT_TRUE(dlg.kald.empty());
}

TEST(Opstart, UdenEllerMedDefektStandardfil) {
  test::TTestMappe m;
  TSkriptetDialog dlg;
  TInddataside s = StartInddataside((m / ""), dlg);
  EXPECT_EQ(dlg.Tekster("Fejl"), Linier{"Programmet har forgæves prøvet at hente inddatafilen " +
                                        (m / "Standard.aid") + "\r\nFilen eller mappen findes ikke."});
  // Zeros, no hardware, and the choices the radio groups show by default.
  const Inddata& d = s.Inddata;
  EXPECT_EQ((std::array{d.Beslag, d.TerrKat, d.StyrkeKlasse, int{d.NormSneFormFak},
                        int{d.CharnForskStd}}),
            (std::array{-1, 1, 1, 1, 1}));
  EXPECT_NAER(d.HusBr, 0.0);
  EXPECT_EQ(s.RadioGroupTerrKat, 1);
  EXPECT_EQ(s.ComboBoxEL4.Tekst, "Vælg materiale");
  EXPECT_EQ(s.InddataAendret, 0);

  auto l = StandardLinier();
  l.resize(20);
  ASSERT_TRUE(SkrivTekstfil((m / "Standard.aid"), l));
  dlg.kald.clear();
  s = StartInddataside((m / ""), dlg);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_TRUE(
      dlg.kald[0].tekst.starts_with("Uventet fejl i inddatafilen " + (m / "Standard.aid")));
  EXPECT_NAER(s.Inddata.HusBr, 0.0);  // read before the failure, yet not kept
  EXPECT_EQ(s.InddataAendret, 0);
}

TEST(AabnProjekt, KunFejlNaarFilenLaesesUdenSider) {
  test::TTestMappe m;
  auto l = Med(StandardLinier(), 34, "25");  // a hardware message while reading
  l[5] = "x";                                 // and an invalid number
  ASSERT_TRUE(SkrivTekstfil((m / "p.aid"), l));
  TInddataside s;
  s.Firmanavn = "Firma A/S";
  TSkriptetDialog dlg;
  EXPECT_EQ(AabnProjekt((m / "p.aid"), s, dlg, {.KunFejl = true}), TProjektLaesning::Laest);
  EXPECT_EQ(s.Firmanavn, "Firma A/S");
  EXPECT_EQ(s.Inddata.Beslag, 0);
  EXPECT_EQ(s.InddataAendret, 0);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "Besked");
  dlg.kald.clear();
  EXPECT_EQ(AabnProjekt((m / "ingen.aid"), s, dlg, {.KunFejl = true}),
            TProjektLaesning::KanIkkeHente);
  EXPECT_EQ(dlg.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(s.Inddata.Beslag, 0);
}

}  // namespace
}  // namespace kvistor
