#include "project/inddatafil.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/dialog.h"
#include "common/format.h"
#include "common/tegnsaet.h"

namespace kvistor {

namespace {

using K = TKontrol;

// A line of the file is one line: any line break inside a text would shift
// every following line.
std::string EnLinje(std::string s) {
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

std::string Heltal(int v) { return Format("%1d", {v}); }

// Lets through only what the user must know when a file is read without
// the input pages in view: errors and the messages about numbers that could
// not be read.
class TKunFejlDialog : public TBrugerDialog {
 public:
  explicit TKunFejlDialog(TBrugerDialog& ind) : ind_(ind) {}
  void Fejl(const std::string& t) override { ind_.Fejl(t); }
  void Advarsel(const std::string&) override {}
  void Besked(const std::string& t) override { ind_.Besked(t); }
  void Information(const std::string&) override {}
  bool InformationOkAnnuller(const std::string&) override { return true; }
  void FejlDialog(const std::string& t) override { ind_.FejlDialog(t); }
  bool FejlDialogOkAnnuller(const std::string& t) override { return ind_.FejlDialogOkAnnuller(t); }
  bool JaNej(const std::string&) override { return false; }
  void Bip() override {}
  std::optional<std::string> AabnFilnavn(const TFilDialog&) override { return std::nullopt; }
  std::optional<std::string> GemFilnavn(const TFilDialog&) override { return std::nullopt; }

 private:
  TBrugerDialog& ind_;
};

// The line as it may be quoted in a message: one line of fair length.
std::string Citat(const std::string& linje) {
  std::string t = RensTekst(linje);
  if (AntalTegn(t) > 40) t = KlipTilTegn(t, 40) + "…";
  return t;
}

// Reads the (already checked) lines into the model, line by line in the
// order of the file, so that the coupled updates happen as they always have.
// A value that cannot be taken as it stands gets its substitute, as the
// input pages have always done, and is noted in `erst` when given.
void LaesLinier(TInddataside& s, const std::vector<std::string>& l, TBrugerDialog& dlg,
                std::vector<TErstatning>* erst) {
  Inddata& d = s.Inddata;
  auto noter = [&](std::size_t linje, std::string brugt) {
    if (erst) erst->push_back({static_cast<int>(linje) + 1, Citat(l[linje]), std::move(brugt)});
  };
  auto decimaltal = [&](std::size_t linje, double brugt) {
    noter(linje, Format("%1.2f", {brugt}));
  };

  auto tal = [&](K k, std::size_t linje) {
    TEditFelt& e = *EditFelt(s, k);
    e.Tekst = Afkort(l[linje], KapEditTekst);
    const double v = LaesTal(e, dlg);
    // A line cut to the field's capacity may read as another number.
    const std::optional<double> helt = TolkTal(l[linje]).vaerdi;
    if (!helt || *helt != v) decimaltal(linje, v);
    return v;
  };
  auto heltal = [&](std::size_t linje, int brugt) {
    const std::optional<int> v = TolkHeltalUdenBesked(l[linje]);
    if (!v || *v != brugt) noter(linje, Format("%1d", {brugt}));
  };
  // A choice line: a whole number selects the item; a line that is not one,
  // or a negative one (which would leave the group without an item), takes
  // the default; an index beyond the last item selects the last item. A
  // change of the shown item runs the group's click handling.
  auto radio = [&](K k, std::size_t linje, int standard) {
    const std::optional<int> v = TolkHeltalUdenBesked(l[linje]);
    int i = v && *v >= 0 ? *v : standard;
    i = std::min(i, AntalRadioPunkter(k) - 1);
    heltal(linje, i);
    if (*RadioFelt(s, k) != i) KlikRadio(s, k, i, dlg);
    return i;
  };
  // A material line: an item of the list, or none (-1) for -1 and for any
  // index outside the list.
  auto materiale = [&](K k, std::size_t linje) {
    TListeFelt& liste = *ListeFelt(s, k);
    int i = TolkHeltalUdenBesked(l[linje]).value_or(1);
    if (i < 0 || static_cast<std::size_t>(i) >= liste.Elementer.size()) i = -1;
    heltal(linje, i);
    liste.Valgt = i;
    liste.Tekst = i >= 0 ? liste.Elementer[static_cast<std::size_t>(i)] : "";
    return i;
  };
  auto tekst = [&](std::size_t linje, std::size_t kapacitet) {
    return Afkort(RensTekst(l[linje]), kapacitet);
  };

  s.EditProjektnavn.Tekst = tekst(0, KapProjektnavn);
  d.Projektnavn = s.EditProjektnavn.Tekst;
  s.EditBygningsdel.Tekst = tekst(1, KapBygningsdel);
  d.Bygningsdel = s.EditBygningsdel.Tekst;
  d.Medarb = tekst(2, KapMedarb);
  s.EditMedarb.Tekst = d.Medarb;
  d.HusBr = tal(K::EditHusBr, 3);
  d.FacHjd = tal(K::EditFacHjd, 4);
  d.TagVink = tal(K::EditTagVink, 5);
  d.AaseAfst = tal(K::EditAaseAfst, 6);
  d.FacUdh = tal(K::EditFacUdh, 7);
  s.EditAntalFag.Tekst = Afkort(l[8], KapEditTekst);
  d.AntalFag = LaesHeltal(s.EditAntalFag, dlg);
  heltal(8, d.AntalFag);
  d.Rammeafstand = tal(K::EditRammeafstand, 9);
  d.GavlRammeAfst = tal(K::EditGavlRammeAfst, 10);

  // Line 11 was checked to be a whole number: 0 is "Ja", anything else "Nej".
  const int charn = *TolkHeltalUdenBesked(l[11]) == 0 ? 0 : 1;
  heltal(11, charn);
  if (s.RadioGroupCharnForsk != charn) KlikRadio(s, K::RadioGroupCharnForsk, charn, dlg);
  d.CharnForskStd = charn == 0 ? 1 : 0;
  s.EditCharnForsk.Aktiv = charn != 0;
  d.CharnForsk = tal(K::EditCharnForsk, 12);
  d.GavlUdh = tal(K::EditGavlUdh, 13);

  d.EL1Mat = materiale(K::ComboBoxEL1, 14);
  d.EL1 = tal(K::EditEL1, 15);
  d.EL2Mat = materiale(K::ComboBoxEL2, 16);
  d.EL2 = tal(K::EditEL2, 17);
  d.EL3Mat = materiale(K::ComboBoxEL3, 18);
  d.EL3 = tal(K::EditEL3, 19);
  d.EL4Mat = materiale(K::ComboBoxEL4, 20);
  d.EL4 = tal(K::EditEL4, 21);

  d.TerrKat = radio(K::RadioGroupTerrKat, 22, 1);
  d.AfstVesterhav = tal(K::EditAfstVesterhav, 23);
  const int sne = radio(K::RadioGroupNormSneFormFak, 24, 0);
  d.NormSneFormFak = sne == 0 ? 1 : 0;
  d.SneFormFak = tal(K::EditKaraktSneLast, 25);
  s.EditKaraktSneLast.Aktiv = sne == 1;
  for (std::size_t linje : {26u, 27u}) {
    const double v = TekstTilTal(l[linje], dlg);
    std::string t = l[linje];
    if (const auto p = t.find('.'); p != std::string::npos) t[p] = ',';
    if (!TolkTal(t).vaerdi) decimaltal(linje, v);
    (linje == 26 ? d.SneFormFakNormal : d.SneFormFakForhojet) = v;
  }

  d.StyrkeKlasse = radio(K::RadioGroupStyrkeKlasse, 28, 1);
  FixStyrkeKlasse(s);
  d.AaseHojde = tal(K::EditAaseHojde, 29);
  d.AaseBredde = tal(K::EditAaseBredde, 30);
  d.AnvKlasse = radio(K::RadioGroupAnvKlasse, 31, 1);
  d.Sikkl = radio(K::RadioGroupSikkl, 32, 1);
  d.NormalKraftFaktor = tal(K::EditNormalKraftFaktor, 33);

  // A row number outside the catalogue means no hardware; the list then
  // picks the first that fits, as it does for a row that no longer fits the
  // purlin.
  int beslag = TolkHeltalUdenBesked(l[34]).value_or(5);
  if (beslag < 0 || beslag >= AntalBeslag) beslag = -1;
  d.Beslag = beslag;
  BygComboBoxBeslag(s, dlg);
  heltal(34, d.Beslag);

  d.KipnMoment = tal(K::EditKipnMoment, 35);
  d.RappOmfang = radio(K::RadioGroupRappOmfang, 36, 0);
}

// Passes nothing but errors: the substituted values are gathered instead
// of told one by one.
class TUdenBeskedDialog : public TKunFejlDialog {
 public:
  using TKunFejlDialog::TKunFejlDialog;
  void Besked(const std::string&) override {}
};

std::string SmaaBogstaver(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool FilFindes(const std::string& navn) {
  std::error_code fejl;
  return std::filesystem::exists(std::filesystem::path(navn), fejl);
}


// The lines of a project file for the window, read once and bounded, with
// the messages of an unreadable file or one that is no project file.
std::optional<std::vector<std::string>> HentLinier(const std::string& navn, TBrugerDialog& dlg) {
  std::string bytes;
  const TFilUdfald u = LaesFil(navn, bytes, MaksProjektfilBytes);
  if (u.forStor) {
    dlg.Fejl(BeskedIkkeProjektfil(navn, "den er større end 64 KiB"));
    return std::nullopt;
  }
  if (!u) {
    dlg.Fejl(BeskedKanIkkeHente(navn, u.aarsag));
    return std::nullopt;
  }
  return ProjektfilLinier(bytes, navn, dlg);
}

}  // namespace

void SkrivInddatafil(const TInddataside& s, std::vector<std::string>& l) {
  const Inddata& d = s.Inddata;
  auto tekst = [&](const TEditFelt& e) { l.push_back(EnLinje(e.Tekst)); };
  tekst(s.EditProjektnavn);
  tekst(s.EditBygningsdel);
  tekst(s.EditMedarb);
  tekst(s.EditHusBr);
  tekst(s.EditFacHjd);
  tekst(s.EditTagVink);
  tekst(s.EditAaseAfst);
  tekst(s.EditFacUdh);
  tekst(s.EditAntalFag);
  tekst(s.EditRammeafstand);
  tekst(s.EditGavlRammeAfst);
  l.push_back(Heltal(s.RadioGroupCharnForsk));
  tekst(s.EditCharnForsk);
  tekst(s.EditGavlUdh);
  l.push_back(Heltal(s.ComboBoxEL1.Valgt));
  tekst(s.EditEL1);
  l.push_back(Heltal(s.ComboBoxEL2.Valgt));
  tekst(s.EditEL2);
  l.push_back(Heltal(s.ComboBoxEL3.Valgt));
  tekst(s.EditEL3);
  l.push_back(Heltal(s.ComboBoxEL4.Valgt));
  tekst(s.EditEL4);
  l.push_back(Heltal(s.RadioGroupTerrKat));
  tekst(s.EditAfstVesterhav);
  l.push_back(Heltal(s.RadioGroupNormSneFormFak));
  l.push_back(Format("%10.2f", {d.SneFormFak}));
  l.push_back(Format("%10.2f", {d.SneFormFakNormal}));
  l.push_back(Format("%10.2f", {d.SneFormFakForhojet}));
  l.push_back(Heltal(s.RadioGroupStyrkeKlasse));
  tekst(s.EditAaseHojde);
  tekst(s.EditAaseBredde);
  l.push_back(Heltal(s.RadioGroupAnvKlasse));
  l.push_back(Heltal(s.RadioGroupSikkl));
  tekst(s.EditNormalKraftFaktor);
  l.push_back(Heltal(d.Beslag));
  tekst(s.EditKipnMoment);
  l.push_back(Heltal(s.RadioGroupRappOmfang));
}

std::string BeskedDefektInddatafil(const std::string& filnavn) {
  return "Uventet fejl i inddatafilen " + filnavn +
         "\r\nDer er måske for få linier i den, eller den er helt tom."
         "\r\nDen stammer måske fra en tidligere version af programmet."
         "\r\nKontakt Kvarnløkkedata på telefon 86 24 51 70.";
}

std::string BeskedIkkeProjektfil(const std::string& filnavn, const std::string& grund) {
  return "Uventet fejl i inddatafilen " + filnavn + "\r\nDen er ikke en Kvistor-projektfil: " +
         grund + ".";
}

std::string BeskedKanIkkeHente(const std::string& filnavn, const std::string& aarsag) {
  std::string t = "Programmet har forgæves prøvet at hente inddatafilen " + filnavn;
  if (!aarsag.empty()) t += "\r\n" + aarsag;
  return t;
}

std::string BeskedErstatning(const TErstatning& e) {
  return Format("Linie %d: \"%s\" kan ikke bruges som det står; i stedet ville %s blive brugt.",
                {e.linje, e.laest, e.brugt});
}

std::optional<std::vector<std::string>> ProjektfilLinier(std::string_view bytes,
                                                         const std::string& filnavn,
                                                         TBrugerDialog& dlg) {
  if (bytes.size() > MaksProjektfilBytes) {
    dlg.Fejl(BeskedIkkeProjektfil(filnavn, "den er større end 64 KiB"));
    return std::nullopt;
  }
  // No line of a project file holds a NUL byte; UTF-16 text and binary
  // files are full of them.
  if (bytes.find('\0') != std::string_view::npos) {
    dlg.Fejl(BeskedIkkeProjektfil(filnavn, "den indeholder binære data eller UTF-16-tekst"));
    return std::nullopt;
  }
  // A file saved as UTF-8 by an editor may begin with a byte-order mark,
  // which is no part of the project name.
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return DelLinjer(Cp1252TilUtf8(bytes));
}

bool LaesInddatafil(TInddataside& side, const std::vector<std::string>& linier,
                    const std::string& filnavn, TBrugerDialog& dlg,
                    std::vector<TErstatning>* erstatninger) {
  // Everything that can make the file unreadable is checked before anything
  // is read, and the reading goes into a copy: a damaged file never leaves a
  // half-read project behind.
  if (linier.size() < static_cast<std::size_t>(AntalInddatalinier)) {
    dlg.Fejl(BeskedDefektInddatafil(filnavn));
    return false;
  }
  // Enough lines, but the first choice line is no whole number: a report,
  // or some other text, given as a project.
  if (!TolkHeltalUdenBesked(linier[11])) {
    dlg.Fejl(BeskedIkkeProjektfil(filnavn, "linie 12 er ikke et helt tal"));
    return false;
  }
  TInddataside ny = side;
  ny.VedNulstilResultat = nullptr;
  // A model that was never given its material lists would turn every
  // material line into "no item".
  if (ny.ComboBoxEL1.Elementer.empty()) FixEL1Data(ny);
  if (ny.ComboBoxEL2.Elementer.empty()) FixEL2Data(ny);
  if (ny.ComboBoxEL3.Elementer.empty()) FixEL3Data(ny);
  if (ny.ComboBoxEL4.Elementer.empty()) FixEL4Data(ny);
  LaesLinier(ny, linier, dlg, erstatninger);
  ny.InddataAendret = side.InddataAendret;
  ny.VedNulstilResultat = std::move(side.VedNulstilResultat);
  side = std::move(ny);
  // A result of the previous project no longer belongs to the input.
  NulstilResultat(side);
  return true;
}

bool GemProjektdata(TInddataside& side, TBrugerDialog& dlg) {
  const TFilDialog fd{"Gem projektdata", "DeduDovIvir (*.aid)|*.aid", "åpd", side.Programmappe,
                      false};
  const std::optional<std::string> valgt = dlg.GemFilnavn(fd);
  if (!valgt) return false;
  std::string navn = *valgt;

  const std::size_t skille = navn.find_last_of("/\\:");
  std::size_t punktum = navn.rfind('.');
  if (punktum == std::string::npos || (skille != std::string::npos && punktum < skille))
    punktum = navn.size();
  if (SmaaBogstaver(navn.substr(punktum)) != ".aid") {
    navn = navn.substr(0, punktum) + ".aid";
    if (!dlg.InformationOkAnnuller("Filnavnet er ændret til " + navn +
                                   "\r\nGemme under dette navn?")) {
      dlg.Information("Resultatet er ikke gemt");
      return false;
    }
    // The user chose another name than this one, so a file of this name
    // was never shown to him: ask before it is replaced.
    if (FilFindes(navn) &&
        !dlg.JaNej("Filen " + navn + " findes allerede.\r\nSkal den erstattes?")) {
      dlg.Information("Resultatet er ikke gemt");
      return false;
    }
  }

  std::vector<std::string> linier;
  SkrivInddatafil(side, linier);
  if (const TFilUdfald u = SkrivTekstfil(navn, linier); !u) {
    dlg.Fejl("Kan ikke skrive filen " + navn + ".\r\n" + u.aarsag + "\r\nInddata er ikke gemt.");
    return false;
  } else if (!u.note.empty()) {
    dlg.Advarsel(u.note);
  }
  side.InddataAendret = 0;
  return true;
}

void CheckGemProjektdata(TInddataside& side, TBrugerDialog& dlg) {
  if (dlg.JaNej("Skal nuværende inddata først gemmes?")) GemProjektdata(side, dlg);
}

bool HentProjektdata(TInddataside& side, TBrugerDialog& dlg) {
  const TFilDialog fd{"Hent projektdata", "ZuvEreVizu (*.aid)|*.aid", "", side.Programmappe,
                      false};
  const std::optional<std::string> navn = dlg.AabnFilnavn(fd);
  if (!navn) return false;
  if (side.InddataAendret == 1) CheckGemProjektdata(side, dlg);
  const std::optional<std::vector<std::string>> linier = HentLinier(*navn, dlg);
  if (!linier || !LaesInddatafil(side, *linier, *navn, dlg)) return false;
  side.InddataAendret = 0;
  NulstilResultat(side);
  side.AktivSide = TSide::Inddata1;
  return true;
}

TInddataside StartInddataside(const std::string& programmappe, TBrugerDialog& dlg) {
  TInddataside side = NyInddataside();
  side.Programmappe = programmappe;
  if (!side.Programmappe.empty() && side.Programmappe.back() != '/' &&
      side.Programmappe.back() != '\\')
    side.Programmappe += '/';
  const std::string navn = side.Programmappe + std::string(StandardInddatafil);
  if (const auto linier = HentLinier(navn, dlg))
    LaesInddatafil(side, *linier, navn, dlg);  // a damaged file keeps the start values
  side.InddataAendret = 0;
  return side;
}

TProjektLaesning LaesProjekt(const std::string& filnavn, bool standardInput, TInddataside& side,
                             TBrugerDialog& dlg, std::vector<TErstatning>* erstatninger) {
  TKunFejlDialog kunFejl(dlg);
  TUdenBeskedDialog udenBesked(dlg);
  TBrugerDialog& fejl = erstatninger ? static_cast<TBrugerDialog&>(udenBesked) : kunFejl;
  std::string bytes;
  const TFilUdfald u = standardInput ? LaesStandardInput(bytes, MaksProjektfilBytes)
                                     : LaesFil(filnavn, bytes, MaksProjektfilBytes);
  if (u.forStor) {
    fejl.Fejl(BeskedIkkeProjektfil(filnavn, "den er større end 64 KiB"));
    return TProjektLaesning::Afvist;
  }
  if (!u) {
    fejl.Fejl(BeskedKanIkkeHente(filnavn, u.aarsag));
    return TProjektLaesning::KanIkkeHente;
  }
  const std::optional<std::vector<std::string>> linier = ProjektfilLinier(bytes, filnavn, fejl);
  if (!linier) return TProjektLaesning::Afvist;
  TInddataside ny = NyInddataside();
  ny.Firmanavn = side.Firmanavn;
  ny.Programmappe = side.Programmappe;
  if (!LaesInddatafil(ny, *linier, filnavn, fejl, erstatninger)) return TProjektLaesning::Afvist;
  ny.VedNulstilResultat = std::move(side.VedNulstilResultat);
  side = std::move(ny);
  side.InddataAendret = 0;
  NulstilResultat(side);
  return TProjektLaesning::Laest;
}

bool LaesProjektfil(const std::string& filnavn, TInddataside& side, TBrugerDialog& dlg) {
  return LaesProjekt(filnavn, false, side, dlg) == TProjektLaesning::Laest;
}

}  // namespace kvistor
