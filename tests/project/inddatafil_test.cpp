// The project file: line layout, round trip, defaults of damaged choice
// lines, damaged files, and the save, load and start-up commands.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>
#include <tuple>

#include "hjaelp/dialog_fake.h"
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
  l[26] = "0.75";  // lines 26 and 27 also take a decimal point
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
  EXPECT_NAER(s.Inddata.SneFormFakNormal, 0.75);
  EXPECT_NAER(s.Inddata.SneFormFakForhojet, 99.0);
  EXPECT_EQ(dlg.Tekster("Besked").size(), 3u);  // one message per number
  std::vector<std::string> linjer;
  for (const TErstatning& e : erst) linjer.push_back(BeskedErstatning(e));
  EXPECT_EQ(linjer, (Linier{
      "Linie 4: \"12.00\" kan ikke bruges som det står; i stedet ville 99,00 blive brugt.",
      "Linie 9: \"1e3\" kan ikke bruges som det står; i stedet ville 4 blive brugt.",
      "Linie 12: \"7\" kan ikke bruges som det står; i stedet ville 1 blive brugt.",
      "Linie 17: \"abc\" kan ikke bruges som det står; i stedet ville 1 blive brugt.",
      "Linie 23: \"9\" kan ikke bruges som det står; i stedet ville 3 blive brugt.",
      "Linie 28: \"1e999\" kan ikke bruges som det står; i stedet ville 99,00 blive brugt.",
      "Linie 35: \"x\" kan ikke bruges som det står; i stedet ville 5 blive brugt."}));
  // The standard project substitutes nothing.
  erst.clear();
  ASSERT_TRUE(LaesInddatafil(s, StandardLinier(), "x.aid", dlg, &erst));
  EXPECT_TRUE(erst.empty());
}

TEST(Inddatafil, BytesDerIkkeErEnProjektfilAfvisesOgByteordensmaerketFjernes) {
  std::string standard;
  ASSERT_TRUE(LaesFil(Kilde + "/Standard.aid", standard));
  TSkriptetDialog dlg;
  const auto l = ProjektfilLinier("\xEF\xBB\xBF" + standard, "p.aid", dlg);
  ASSERT_TRUE(l.has_value());
  EXPECT_EQ(*l, StandardLinier());
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
  EXPECT_EQ(LaesProjekt("/dev/zero", false, s, dlg), TProjektLaesning::Afvist);
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
  // 40 lines: the extra lines are ignored.
  auto lang = std;
  lang.insert(lang.end(), {"a", "b", "c"});
  TSkriptetDialog dlg;
  Laes(lang, dlg);
  EXPECT_TRUE(dlg.kald.empty());
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
    EXPECT_EQ(ud.size(), 37u);
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
  EXPECT_EQ(dlg.Tekster("JaNej"), Linier{"Skal nuværende inddata først gemmes?"});
  EXPECT_NAER(s.Inddata.HusBr, 12.0);
  EXPECT_EQ(s.InddataAendret, 0);
  EXPECT_FALSE(s.Rapport.has_value());
  EXPECT_EQ(s.AktivSide, TSide::Inddata1);

  // Unchanged input: no question. A file that cannot be read: the message.
  dlg = Bruger((m / "mangler.aid"));
  EXPECT_FALSE(HentProjektdata(s, dlg));
  EXPECT_EQ(dlg.Tekster("JaNej").size(), 0u);
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

TEST(LaesProjektfil, KunFejlNaarFilenLaesesUdenSider) {
  test::TTestMappe m;
  auto l = Med(StandardLinier(), 34, "25");  // a hardware message while reading
  l[5] = "x";                                 // and an invalid number
  ASSERT_TRUE(SkrivTekstfil((m / "p.aid"), l));
  TInddataside s;
  s.Firmanavn = "Firma A/S";
  TSkriptetDialog dlg;
  EXPECT_TRUE(LaesProjektfil((m / "p.aid"), s, dlg));
  EXPECT_EQ(s.Firmanavn, "Firma A/S");
  EXPECT_EQ(s.Inddata.Beslag, 0);
  EXPECT_EQ(s.InddataAendret, 0);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "Besked");
  dlg.kald.clear();
  EXPECT_FALSE(LaesProjektfil((m / "ingen.aid"), s, dlg));
  EXPECT_EQ(dlg.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(s.Inddata.Beslag, 0);
}

}  // namespace
}  // namespace kvistor
