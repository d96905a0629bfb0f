#include "project/inddatafil.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/dialog.h"
#include "common/filer.h"
#include "common/format.h"
#include "common/tegnsaet.h"
#include "project/sneformfaktor.h"

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
std::string Decimal(double v) { return Format("%10.2f", {v}); }

// Lets through only what the user must know when a file is read without
// the input pages in view: errors and, unless the substitutions are
// gathered, the messages about numbers that could not be read.
class TKunFejlDialog : public TBrugerDialog {
 public:
  TKunFejlDialog(TBrugerDialog& ind, bool udenBesked) : ind_(ind), udenBesked_(udenBesked) {}
  TSvar Meddel(TBeskedArt art, const std::string& titel, const std::string& tekst,
               TKnapper knapper) override {
    const bool fejl = art == TBeskedArt::Fejl || art == TBeskedArt::FejlDialog ||
                      (art == TBeskedArt::Advarsel && knapper != TKnapper::Ok);
    if (fejl || (art == TBeskedArt::Besked && !udenBesked_))
      return ind_.Meddel(art, titel, tekst, knapper);
    // Nothing the reading asks stops it.
    return knapper == TKnapper::OkAnnuller ? TSvar::Ok : SikkertSvar(knapper);
  }
  std::optional<std::string> AabnFilnavn(const TFilDialog&) override { return std::nullopt; }
  std::optional<std::string> GemFilnavn(const TFilDialog&) override { return std::nullopt; }

 private:
  TBrugerDialog& ind_;
  bool udenBesked_;
};

// The line as it may be quoted in a message: one line of fair length.
std::string Citat(const std::string& linje) {
  std::string t = RensTekst(linje);
  if (AntalTegn(t) > 40) t = KlipTilTegn(t, 40) + "…";
  return t;
}

std::string Trimmet(std::string_view s) {
  const auto a = s.find_first_not_of(" \t");
  if (a == std::string_view::npos) return {};
  const auto b = s.find_last_not_of(" \t");
  return std::string(s.substr(a, b - a + 1));
}

// A number of the snow lines, which have always taken a decimal point too.
std::optional<double> SnetalUdenBesked(std::string t) {
  if (const auto p = t.find('.'); p != std::string::npos) t[p] = ',';
  return TolkTal(t).vaerdi;
}

// The value a two-decimal field shows, read back.
double ToDecimaler(double v) { return TolkTal(Decimal(v)).vaerdi.value_or(v); }

class TLaeser {
 public:
  TLaeser(TInddataside& s, const std::vector<std::string>& l, TBrugerDialog& dlg,
          std::vector<TErstatning>* erst)
      : s_(s), d_(s.Inddata), l_(l), dlg_(dlg), erst_(erst) {}

  // The 37 lines in the order of the field table, so that the coupled
  // updates happen as they always have; then the extension lines.
  void Laes() {
    for (const TFeltRaekke& r : FilRaekker()) LaesLinje(r, static_cast<std::size_t>(r.Linje - 1));
    s_.EditCharnForsk.Aktiv = d_.CharnForskStd == 0;
    s_.EditKaraktSneLast.Aktiv = d_.NormSneFormFak == 0;
    LaesUdvidelser();
  }

 private:
  void Noter(std::size_t linje, std::string brugt) {
    if (erst_) erst_->push_back({static_cast<int>(linje) + 1, Citat(l_[linje]), std::move(brugt)});
  }
  // A substitution the reader decides itself (not one that LaesTal has
  // already told): noted, and told unless the caller gathers them.
  void Fortael(std::size_t linje, const std::string& hvorfor, std::string brugt) {
    dlg_.Besked(Format("Linie %d i projektfilen: %s\r\nProgrammet bruger %s.",
                       {static_cast<int>(linje) + 1, hvorfor, brugt}));
    Noter(linje, std::move(brugt));
  }
  void NoterHeltal(std::size_t linje, int brugt) {
    const std::optional<int> v = TolkHeltalUdenBesked(l_[linje]);
    if (!v || *v != brugt) Noter(linje, Heltal(brugt));
  }

  // A number field: the field keeps the line, the record what LaesTal makes
  // of it (99 after its message for a line that is no number).
  double Tal(K k, std::size_t linje) {
    TEditFelt& e = *EditFelt(s_, k);
    e.Tekst = Afkort(l_[linje], KapEditTekst);
    const double v = LaesTal(e, dlg_);
    // A line cut to the field's capacity may read as another number.
    const std::optional<double> helt = TolkTal(l_[linje]).vaerdi;
    if (!helt || *helt != v) Noter(linje, Format("%1.2f", {v}));
    return v;
  }

  // A choice line: a whole number selects the item; a line that is not one,
  // or a negative one (which would leave the group without an item), takes
  // the default; an index beyond the last item selects the last item. A
  // change of the shown item runs the group's click handling.
  int Radio(const TFeltRaekke& r, std::size_t linje) {
    const std::optional<int> v = TolkHeltalUdenBesked(l_[linje]);
    int i = v && *v >= 0 ? *v : r.Standard;
    i = std::min(i, AntalRadioPunkter(r.Kontrol) - 1);
    NoterHeltal(linje, i);
    if (*RadioFelt(s_, r.Kontrol) != i) KlikRadio(s_, r.Kontrol, i, dlg_);
    return i;
  }

  void SaetValg(const TFeltRaekke& r, int punkt) {
    const int v = ValgVaerdi(r, punkt);
    if (r.Flag) d_.*r.Flag = static_cast<std::uint8_t>(v);
    if (r.Heltal) d_.*r.Heltal = v;
  }

  void LaesLinje(const TFeltRaekke& r, std::size_t linje) {
    const std::string& l = l_[linje];
    switch (r.Art) {
      case TFeltArt::Tekst: {
        TEditFelt& e = *EditFelt(s_, r.Kontrol);
        e.Tekst = Afkort(RensTekst(l), static_cast<std::size_t>(r.Kapacitet));
        d_.*r.Tekst = e.Tekst;
        break;
      }
      case TFeltArt::Tal:
        // The snow value in use is read with the other snow lines.
        if (r.Kontrol != K::EditKaraktSneLast) d_.*r.Tal = Tal(r.Kontrol, linje);
        break;
      case TFeltArt::Heltal: {
        TEditFelt& e = *EditFelt(s_, r.Kontrol);
        e.Tekst = Afkort(l, KapEditTekst);
        d_.*r.Heltal = LaesHeltal(e, dlg_);
        NoterHeltal(linje, d_.*r.Heltal);
        break;
      }
      case TFeltArt::Radio:
      case TFeltArt::Afkrydsning:
        if (r.Kontrol == K::RadioGroupCharnForsk) {
          // Checked to be a whole number: 0 is "Ja", anything else "Nej".
          const int i = *TolkHeltalUdenBesked(l) == 0 ? 0 : 1;
          NoterHeltal(linje, i);
          if (*RadioFelt(s_, r.Kontrol) != i) KlikRadio(s_, r.Kontrol, i, dlg_);
          SaetValg(r, i);
        } else {
          SaetValg(r, Radio(r, linje));
        }
        if (r.Kontrol == K::RadioGroupStyrkeKlasse) FixStyrkeKlasse(s_);
        break;
      case TFeltArt::Liste:
        if (r.Kontrol == K::ComboBoxBeslag)
          LaesBeslag(linje);
        else
          d_.*r.Heltal = LaesMateriale(r.Kontrol, linje);
        break;
      case TFeltArt::Gemt:
        if (r.Tal == &Inddata::SneFormFakForhojet) LaesSne();
        break;
    }
  }

  // A material line: an item of the list, or none (-1) for -1 and for any
  // index outside the list.
  int LaesMateriale(K k, std::size_t linje) {
    TListeFelt& liste = *ListeFelt(s_, k);
    int i = TolkHeltalUdenBesked(l_[linje]).value_or(FeltRaekke(k).Standard);
    if (i < 0 || static_cast<std::size_t>(i) >= liste.Elementer.size()) i = -1;
    NoterHeltal(linje, i);
    liste.Valgt = i;
    liste.Tekst = i >= 0 ? liste.Elementer[static_cast<std::size_t>(i)] : "";
    return i;
  }

  // A row number outside the catalogue means no hardware; the list then
  // picks the first that fits, as it does for a row that no longer fits the
  // purlin.
  void LaesBeslag(std::size_t linje) {
    int beslag = TolkHeltalUdenBesked(l_[linje]).value_or(FeltRaekke(K::ComboBoxBeslag).Standard);
    if (beslag < 0 || beslag >= AntalBeslag) beslag = -1;
    d_.Beslag = beslag;
    BygComboBoxBeslag(s_, dlg_);
    NoterHeltal(linje, d_.Beslag);
  }

  // Lines 26 to 28: the snow value in use, the normal value and the
  // elevated one. The normal value belongs to the roof angle and the value
  // in use to the choice, so a file whose lines disagree with them (edited
  // by hand) would have the calculation use one value while the report
  // prints another; the reader takes the value the program derives, and
  // says so. Stored and derived values are compared as the file shows them,
  // with two decimals.
  void LaesSne() {
    constexpr std::size_t iBrug = 25, normal = 26, forhojet = 27;
    // What is to be said about each of the three lines, said in their order.
    std::optional<std::string> brugt[3];
    std::string hvorfor[3];

    const std::optional<double> f = SnetalUdenBesked(l_[forhojet]);
    d_.SneFormFakForhojet = f ? *f : TekstTilTal(l_[forhojet], dlg_);
    if (!f) brugt[2] = Format("%1.2f", {d_.SneFormFakForhojet});

    const std::optional<double> n = SnetalUdenBesked(l_[normal]);
    const std::optional<double> vinkel = TolkTal(l_[5]).vaerdi;
    if (vinkel && *vinkel >= 0 && *vinkel <= 75) {
      const double afledt = NormalSneFormfaktor(*vinkel);
      d_.SneFormFakNormal = n ? *n : afledt;
      if (!n || Decimal(*n) != Decimal(afledt)) {
        d_.SneFormFakNormal = afledt;
        brugt[1] = Format("%1.2f", {afledt});
        hvorfor[1] =
            Format("den normale formfaktor for snelast \"%s\" passer ikke til tagvinklen %1.0f°.",
                   {Trimmet(Citat(l_[normal])), *vinkel});
      }
    } else {
      // Without a usable roof angle there is nothing to derive it from.
      d_.SneFormFakNormal = n ? *n : TekstTilTal(l_[normal], dlg_);
      if (!n) brugt[1] = Format("%1.2f", {d_.SneFormFakNormal});
    }

    const double valgt = ToDecimaler(d_.NormSneFormFak == 1 ? d_.SneFormFakNormal
                                                            : d_.SneFormFakForhojet);
    const std::optional<double> i = TolkTal(l_[iBrug]).vaerdi;
    TEditFelt& e = s_.EditKaraktSneLast;
    if (i && Decimal(*i) == Decimal(valgt)) {
      e.Tekst = Afkort(l_[iBrug], KapEditTekst);
      d_.SneFormFak = *i;
    } else {
      e.Tekst = Decimal(valgt);
      d_.SneFormFak = valgt;
      brugt[0] = Format("%1.2f", {valgt});
      hvorfor[0] = Format("snelasten \"%s\" passer ikke til valget \"%s\".",
                          {Trimmet(Citat(l_[iBrug])),
                           std::string(SneValgTekster[d_.NormSneFormFak == 1 ? 0 : 1])});
    }
    for (std::size_t j = 0; j < 3; ++j) {
      if (!brugt[j]) continue;
      // A line LaesTal has already told about is only noted.
      if (hvorfor[j].empty())
        Noter(iBrug + j, *brugt[j]);
      else
        Fortael(iBrug + j, hvorfor[j], *brugt[j]);
    }
  }

  // The lines after the 37: "Nøgle=værdi". Keys this version knows set
  // their fields (those not in the file take their defaults); others are
  // kept as they stand. A line that is no such line, or whose value is not
  // one of its key's, is told and passed over.
  void LaesUdvidelser() {
    s_.UkendteUdvidelser.clear();
    for (const TFeltRaekke& r : UdvidelsesRaekker()) SaetUdvidelse(r, r.Standard);
    for (std::size_t linje = AntalInddatalinier; linje < l_.size(); ++linje) {
      const std::string& l = l_[linje];
      if (Trimmet(l).empty()) continue;
      const auto lig = l.find('=');
      if (lig == std::string::npos) {
        Forbigaa(linje, "er ingen linie af formen Nøgle=værdi.");
        continue;
      }
      const std::string noegle = Trimmet(std::string_view(l).substr(0, lig));
      const auto r = std::find_if(UdvidelsesRaekker().begin(), UdvidelsesRaekker().end(),
                                  [&](const TFeltRaekke& x) { return x.Noegle == noegle; });
      if (r == UdvidelsesRaekker().end()) {
        s_.UkendteUdvidelser.push_back(l);
        continue;
      }
      const std::optional<int> v = TolkHeltalUdenBesked(std::string_view(l).substr(lig + 1));
      const int punkt = v ? ValgPunkt(*r, *v) : -1;
      if (punkt < 0) {
        std::string tilladt;
        for (std::size_t p = 0; p < r->Punkter.size(); ++p)
          tilladt += (p == 0 ? "" : p + 1 == r->Punkter.size() ? " eller " : ", ") +
                     Heltal(ValgVaerdi(*r, static_cast<int>(p)));
        Forbigaa(linje, std::string(r->Noegle) + " kan kun være " + tilladt + ".");
        continue;
      }
      SaetUdvidelse(*r, punkt);
    }
  }
  void SaetUdvidelse(const TFeltRaekke& r, int punkt) {
    if (*RadioFelt(s_, r.Kontrol) != punkt) KlikRadio(s_, r.Kontrol, punkt, dlg_);
    SaetValg(r, punkt);
  }
  void Forbigaa(std::size_t linje, const std::string& hvorfor) {
    dlg_.Besked(Format("Linie %d i projektfilen, \"%s\", %s\r\nLinien springes over.",
                       {static_cast<int>(linje) + 1, Citat(l_[linje]), hvorfor}));
    Noter(linje, "");
  }

  TInddataside& s_;
  Inddata& d_;
  const std::vector<std::string>& l_;
  TBrugerDialog& dlg_;
  std::vector<TErstatning>* erst_;
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

std::string MedSkilletegn(std::string mappe) {
  if (!mappe.empty() && mappe.back() != '/' && mappe.back() != '\\') mappe += '/';
  return mappe;
}

}  // namespace

void SkrivInddatafil(const TInddataside& s, std::vector<std::string>& l) {
  const Inddata& d = s.Inddata;
  for (const TFeltRaekke& r : FilRaekker()) {
    switch (r.Fil) {
      case TFilForm::Tekst: l.push_back(EnLinje(EditFelt(s, r.Kontrol)->Tekst)); break;
      case TFilForm::Indeks:
        l.push_back(Heltal(r.Art == TFeltArt::Liste ? ListeFelt(s, r.Kontrol)->Valgt
                                                    : *RadioFelt(s, r.Kontrol)));
        break;
      case TFilForm::Heltal: l.push_back(Heltal(d.*r.Heltal)); break;
      case TFilForm::Decimal: l.push_back(Decimal(d.*r.Tal)); break;
      case TFilForm::Ingen:
      case TFilForm::Udvidelse: break;
    }
  }
  // Only what differs from the defaults, so that a project using none of
  // the extensions is the file it has always been.
  for (const TFeltRaekke& r : UdvidelsesRaekker()) {
    const int v = static_cast<int>(FeltVaerdi(r, d));
    if (v != ValgVaerdi(r, r.Standard)) l.push_back(std::string(r.Noegle) + "=" + Heltal(v));
  }
  for (const std::string& u : s.UkendteUdvidelser) l.push_back(EnLinje(u));
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
  if (e.brugt.empty())
    return Format("Linie %d: \"%s\" er ingen gyldig udvidelseslinie og ville blive sprunget over.",
                  {e.linje, e.laest});
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
  // An editor that saves UTF-8 may mark it with a byte-order mark; such a
  // file is UTF-8. Without the mark, or behind a mark that the bytes then
  // belie, the file is the program's own Windows-1252.
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    bytes.remove_prefix(3);
    if (ErGyldigUtf8(bytes)) return DelLinjer(bytes);
  }
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
  const std::size_t charnLinje =
      static_cast<std::size_t>(FeltRaekke(K::RadioGroupCharnForsk).Linje - 1);
  if (!TolkHeltalUdenBesked(linier[charnLinje])) {
    dlg.Fejl(BeskedIkkeProjektfil(filnavn, Format("linie %d er ikke et helt tal",
                                                  {static_cast<int>(charnLinje) + 1})));
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
  TLaeser(ny, linier, dlg, erstatninger).Laes();
  ny.Fokus.reset();
  ny.MarkerFokustekst = false;
  ny.InddataAendret = side.InddataAendret;
  ny.VedNulstilResultat = std::move(side.VedNulstilResultat);
  side = std::move(ny);
  // A result of the previous project no longer belongs to the input.
  NulstilResultat(side);
  return true;
}

TProjektLaesning AabnProjekt(const std::string& filnavn, TInddataside& side, TBrugerDialog& dlg,
                             const TAabning& a) {
  TKunFejlDialog kunFejl(dlg, a.Erstatninger != nullptr);
  TBrugerDialog& d = a.KunFejl ? static_cast<TBrugerDialog&>(kunFejl) : dlg;
  std::string bytes;
  const TFilUdfald u = a.StandardInput ? LaesStandardInput(bytes, MaksProjektfilBytes)
                                       : LaesFil(filnavn, bytes, MaksProjektfilBytes);
  if (u.forStor) {
    d.Fejl(BeskedIkkeProjektfil(filnavn, "den er større end 64 KiB"));
    return TProjektLaesning::Afvist;
  }
  if (!u) {
    d.Fejl(BeskedKanIkkeHente(filnavn, u.aarsag));
    return TProjektLaesning::KanIkkeHente;
  }
  const std::optional<std::vector<std::string>> linier = ProjektfilLinier(bytes, filnavn, d);
  if (!linier || !LaesInddatafil(side, *linier, filnavn, d, a.Erstatninger))
    return TProjektLaesning::Afvist;
  side.InddataAendret = 0;
  if (a.Bytes) *a.Bytes = std::move(bytes);
  return TProjektLaesning::Laest;
}

std::string BrugerStandardfil() {
  std::string mappe;
  // An XDG folder that is not absolute is to be ignored.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
    mappe = xdg;
  else if (const char* hjem = std::getenv("HOME"); hjem && *hjem)
    mappe = std::string(hjem) + "/.config";
  else
    return {};
  return MedSkilletegn(mappe) + "Kvistor/" + std::string(StandardInddatafil);
}

std::string StandardProjektfil(const std::string& programmappe) {
  const std::string egen = BrugerStandardfil();
  if (!egen.empty() && FilFindes(egen)) return egen;
  return MedSkilletegn(programmappe) + std::string(StandardInddatafil);
}

TInddataside StartInddataside(const std::string& programmappe, TBrugerDialog& dlg,
                              const std::string& projekt, std::string* aabnet) {
  TInddataside side = NyInddataside();
  side.Programmappe = MedSkilletegn(programmappe);
  std::string fil;
  // A file that cannot be opened keeps what was there before it.
  if (const std::string standard = StandardProjektfil(side.Programmappe);
      AabnProjekt(standard, side, dlg) == TProjektLaesning::Laest)
    fil = standard;
  if (!projekt.empty() && AabnProjekt(projekt, side, dlg) == TProjektLaesning::Laest) fil = projekt;
  if (aabnet) *aabnet = fil;
  side.InddataAendret = 0;
  return side;
}

std::string FildialogMappe(const TInddataside& side) {
  if (!side.Filmappe.empty()) return side.Filmappe;
  const char* hjem = std::getenv("HOME");
  return hjem ? hjem : "";
}

std::string FilnavnForslag(const TInddataside& side, std::string_view efternavn) {
  std::string navn;
  for (const char c : side.Inddata.Projektnavn) {
    // Characters a file name cannot hold on any of the usual systems.
    const bool forbudt = std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
                         static_cast<unsigned char>(c) < 0x20;
    navn += forbudt ? '_' : c;
  }
  while (!navn.empty() && (navn.back() == ' ' || navn.back() == '.')) navn.pop_back();
  while (!navn.empty() && (navn.front() == ' ' || navn.front() == '.')) navn.erase(0, 1);
  return navn.empty() ? std::string() : navn + std::string(efternavn);
}

bool SkrivProjektfil(TInddataside& side, const std::string& navn, TBrugerDialog& dlg) {
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

bool GemProjektdata(TInddataside& side, TBrugerDialog& dlg, std::string* filnavn) {
  const TFilDialog fd{"Gem projektdata", "Kvistor-projekter (*.aid)|*.aid", "aid", FildialogMappe(side),
                      false, FilnavnForslag(side, ".aid")};
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
  if (!SkrivProjektfil(side, navn, dlg)) return false;
  if (filnavn) *filnavn = navn;
  return true;
}

bool GemBrugerStandard(const TInddataside& side, TBrugerDialog& dlg) {
  const std::string navn = BrugerStandardfil();
  if (navn.empty()) {
    dlg.Fejl("Der er ingen hjemmemappe at gemme standardprojektet i.");
    return false;
  }
  std::error_code fejl;
  std::filesystem::create_directories(std::filesystem::path(navn).parent_path(), fejl);
  TInddataside kopi = side;
  kopi.VedNulstilResultat = nullptr;
  return SkrivProjektfil(kopi, navn, dlg);
}

bool CheckGemProjektdata(TInddataside& side, TBrugerDialog& dlg) {
  switch (dlg.JaNejAnnuller("Skal nuværende inddata først gemmes?")) {
    case TSvar::Ja:
      return side.Projektfil.empty() ? GemProjektdata(side, dlg) : SkrivProjektfil(side, side.Projektfil, dlg);
    case TSvar::Nej: return true;
    default: return false;
  }
}

bool MaaLukke(TInddataside& side, TBrugerDialog& dlg) {
  return side.InddataAendret == 0 || CheckGemProjektdata(side, dlg);
}

bool HentProjektfil(TInddataside& side, const std::string& filnavn, TBrugerDialog& dlg) {
  if (side.InddataAendret == 1 && !CheckGemProjektdata(side, dlg)) return false;
  if (AabnProjekt(filnavn, side, dlg) != TProjektLaesning::Laest) return false;
  side.AktivSide = TSide::Inddata1;
  return true;
}

bool HentProjektdata(TInddataside& side, TBrugerDialog& dlg, std::string* filnavn) {
  const TFilDialog fd{"Hent projektdata", "Kvistor-projekter (*.aid)|*.aid", "", FildialogMappe(side),
                      false, {}};
  const std::optional<std::string> navn = dlg.AabnFilnavn(fd);
  if (!navn || !HentProjektfil(side, *navn, dlg)) return false;
  if (filnavn) *filnavn = *navn;
  return true;
}

}  // namespace kvistor
