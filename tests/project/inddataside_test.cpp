// Sessions of edits, clicks and picks on the input pages from the shipped
// default project: every step with its dialogs, the page and field that got
// the focus, every number field's text, the record and the lists, compared
// with the golden file.
#include <gtest/gtest.h>

#include <functional>

#include "common/optagende_dialog.h"
#include "hjaelp/golden.h"
#include "project/feltregler.h"
#include "project/inddatafil.h"
#include "project/inddataside.h"

namespace kvistor {
namespace {

using K = TKontrol;

struct TForloeb {
  TSkriptetDialog dlg;
  TInddataside s;
  int nulstillet = 0;
  std::vector<std::string> ud;

  void Ny(const std::string& navn) {
    dlg = TSkriptetDialog();
    s = StartInddataside(KVISTOR_KILDEMAPPE, dlg);
    EXPECT_TRUE(dlg.kald.empty());
    s.VedNulstilResultat = [this] { ++nulstillet; };
    ud.push_back("### " + navn);
  }
  // The step runs with the other page active, so that a switch shows.
  void Skridt(const std::string& hvad, K k, const std::function<void()>& handling) {
    dlg.kald.clear();
    s.AktivSide = SideFor(k) == TSide::Inddata1 ? TSide::Inddata2 : TSide::Inddata1;
    s.Fokus.reset();
    s.MarkerFokustekst = false;
    handling();
    ud.push_back("> " + hvad);
    for (const auto& kald : dlg.kald) ud.push_back("  " + kald.art + ": " + kald.tekst);
    ud.push_back("  side " + std::to_string(static_cast<int>(s.AktivSide)) + ", fokus " +
                 (s.Fokus ? std::to_string(static_cast<int>(*s.Fokus)) : "-") +
                 (s.MarkerFokustekst ? " markeret" : "") + ", ændret " +
                 std::to_string(s.InddataAendret) + ", nulstillet " + std::to_string(nulstillet) +
                 (s.Rapport ? ", rapport" : ""));
    std::string felter = " ", record = " ";
    for (int i = 0; i < AntalKontroller; ++i) {
      const TFeltRaekke& f = FeltRaekke(static_cast<K>(i));
      if (f.Art != TFeltArt::Tal && f.Art != TFeltArt::Heltal) continue;
      const TEditFelt* e = EditFelt(s, f.Kontrol);
      felter += " " + e->Tekst + (e->Aktiv ? "|" : "(inaktiv)|");
      record += f.Tal ? test::Tal(s.Inddata.*f.Tal, 4) : " " + std::to_string(s.Inddata.AntalFag);
    }
    const Inddata& d = s.Inddata;
    ud.push_back(felter);
    ud.push_back(record + " |" + test::Tal(d.CharnForskStd, 0) + test::Tal(d.NormSneFormFak, 0) +
                 test::Tal(d.SneFormFakNormal, 4) + test::Tal(d.SneFormFakForhojet, 4) + test::Tal(d.EL1Mat, 0) +
                 test::Tal(d.Beslag, 0) + test::Tal(d.Sikkl, 0) + " " + d.Medarb);
    ud.push_back("  EL1 " + s.ComboBoxEL1.Tekst + ", beslag " + std::to_string(s.ComboBoxBeslag.Elementer.size()) +
                 "/" + std::to_string(s.ComboBoxBeslag.Valgt) + ", højde " + std::to_string(s.ComboBoxHojde.Valgt));
  }
  void Tast(K k, const std::string& tekst) {
    Skridt("tast " + std::to_string(static_cast<int>(k)) + " '" + tekst + "'", k, [&] { Indtast(s, k, tekst, dlg); });
  }
  void Klik(K k, int i) {
    Skridt("klik " + std::to_string(static_cast<int>(k)) + " " + std::to_string(i), k, [&] { KlikRadio(s, k, i, dlg); });
  }
  void Vaelg(K k, int i) {
    Skridt("vælg " + std::to_string(static_cast<int>(k)) + " " + std::to_string(i), k,
           [&] { VaelgListepunkt(s, k, i, dlg); });
  }
};

TEST(Golden, InddatasideForloeb) {
  TForloeb f;
  f.Ny("talfelter: ugyldigt tal, afrunding, regler, intervaller");
  // Text that is no number, and a number beyond the range, never replace
  // the old value; a broken rule is told and the value stays.
  for (const char* t : {"6.5", "  14,255 ", "12,5x", "", "1e9"}) f.Tast(K::EditHusBr, t);
  f.Tast(K::EditFacHjd, "-1");
  for (const char* t : {"fire", "3", "2000"}) f.Tast(K::EditAntalFag, t);

  f.Ny("tagvinkel, sneformfaktor og beslagliste");
  for (const char* t : {"75", "75,4", "76", "40"}) f.Tast(K::EditTagVink, t);  // 40°: 0,8·20/30
  f.Tast(K::EditAaseHojde, "125");  // W200 no longer fits: W90 chosen
  f.s.Inddata.Beslag = 26;
  f.Tast(K::EditTagVink, "80");  // even a refused angle rebuilds the list; B125 fits

  f.Ny("gavlrammeafstand reduceres");
  for (const char* t : {"6", "6,5"}) f.Tast(K::EditGavlRammeAfst, t);
  f.Tast(K::EditRammeafstand, "5");

  f.Ny("charnierforskydning");
  f.Klik(K::RadioGroupCharnForsk, 1);
  for (const char* t : {"6", "-0,1"}) f.Tast(K::EditCharnForsk, t);
  f.Tast(K::EditRammeafstand, "2,5");
  f.Klik(K::RadioGroupCharnForsk, 0);  // "Ja": 2,50 / 7 = 0,357, warning without blank
  f.Tast(K::EditCharnForsk, "3");      // a disabled field cannot be left
  f.Tast(K::EditRammeafstand, "2,8");  // 0,40: no warning
  f.Klik(K::RadioGroupCharnForsk, 0);

  f.Ny("forhøjet sne under normal");
  f.s.Inddata.SneFormFakForhojet = 1.2;
  f.Klik(K::RadioGroupNormSneFormFak, 1);
  f.Tast(K::EditKaraktSneLast, "0,5");
  f.Klik(K::RadioGroupNormSneFormFak, 0);

  f.Ny("lister");
  f.s.InddataAendret = 0;
  f.Vaelg(K::ComboBoxEL1, 2);
  f.Skridt("skriv Skifer i EL1", K::ComboBoxEL1, [&] { SkrivIListe(f.s, K::ComboBoxEL1, "Skifer", f.dlg); });
  f.Vaelg(K::ComboBoxHojde, 3);  // 200 mm: W200 needs 220 mm
  f.Vaelg(K::ComboBoxBeslag, 19);
  f.Vaelg(K::ComboBoxBeslag, 20);  // no such position
  f.s.Inddata.NormalKraftFaktor = 1;  // changed behind the list's back
  f.Skridt("gå ind i beslaglisten", K::ComboBoxBeslag, [&] { GaaIndIListe(f.s, K::ComboBoxBeslag, f.dlg); });
  f.Tast(K::EditAaseBredde, "0");

  f.Ny("ændring kasserer resultatet, tekst afkortes i tegn");
  f.s.Rapport = std::vector<std::string>{"linje"};
  f.s.AdvarAas = true;
  f.s.QKurveLinier = {"q"};
  f.Klik(K::RadioGroupSikkl, 2);
  f.Klik(K::RadioGroupSikkl, 3);  // not an item
  f.Tast(K::EditMedarb, std::string(28, 'a') + "æøåÆØ");
  EXPECT_TRUE(!f.s.AdvarAas && f.s.QKurveLinier.empty());
  test::SammenlignMedGolden("inddataside forloeb.txt", f.ud);
}

// The first control, position map or record value in which two models
// differ; empty when they show the same.
std::string Forskel(const TInddataside& a, const TInddataside& b) {
  for (const TFeltRaekke& r : FeltTabel()) {
    const K k = r.Kontrol;
    const std::string navn(r.Navn);
    if (FeltVaerdi(r, a.Inddata) != FeltVaerdi(r, b.Inddata)) return "post " + navn;
    if (r.Tekst && a.Inddata.*r.Tekst != b.Inddata.*r.Tekst) return "post " + navn;
    if (const TEditFelt* e = EditFelt(a, k))
      if (e->Tekst != EditFelt(b, k)->Tekst || e->Aktiv != EditFelt(b, k)->Aktiv) return navn;
    if (const TListeFelt* l = ListeFelt(a, k)) {
      const TListeFelt* m = ListeFelt(b, k);
      if (l->Elementer != m->Elementer || l->Valgt != m->Valgt || l->Tekst != m->Tekst) return navn;
    }
    if (const int* v = RadioFelt(a, k))
      if (*v != *RadioFelt(b, k)) return navn;
  }
  if (a.HojdeIndeks != b.HojdeIndeks || a.BreddeIndeks != b.BreddeIndeks ||
      a.BeslagIndeks != b.BeslagIndeks)
    return "positionskort";
  return "";
}

// Undo and redo of the window: the whole record is put back through the
// model, and every control, list and coupled field follows, silently.
TEST(SaetInddata, TilbageOgFremGiverSammeKontroller) {
  TSkriptetDialog dlg;
  const TInddataside start = StartInddataside(KVISTOR_KILDEMAPPE, dlg);
  TInddataside s = start;
  Indtast(s, K::EditTagVink, "40", dlg);      // the snow value follows
  Indtast(s, K::EditRammeafstand, "5", dlg);  // gable span and hinge offset follow
  KlikRadio(s, K::RadioGroupStyrkeKlasse, 5, dlg);  // glulam dimensions
  VaelgListepunkt(s, K::ComboBoxHojde, 2, dlg);     // another hardware list
  VaelgListepunkt(s, K::ComboBoxEL2, 3, dlg);
  KlikRadio(s, K::RadioGroupNormSneFormFak, 1, dlg);
  KlikRadio(s, K::RadioGroupBrandmodstand, 3, dlg);
  KlikRadio(s, K::CheckBoxSkaerpetKontrol, 0, dlg);
  Indtast(s, K::EditProjektnavn, "Andet", dlg);
  ASSERT_NE(Forskel(s, start), "");
  const TInddataside efter = s;
  s.Rapport = std::vector<std::string>{"r"};
  dlg.kald.clear();
  SaetInddata(s, start.Inddata);
  EXPECT_EQ(Forskel(s, start), "");
  EXPECT_FALSE(s.Rapport.has_value());
  EXPECT_EQ(s.InddataAendret, 1);
  SaetInddata(s, efter.Inddata);
  EXPECT_EQ(Forskel(s, efter), "");
  EXPECT_TRUE(dlg.kald.empty());
}

}  // namespace
}  // namespace kvistor
