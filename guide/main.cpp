// Sets the user guide: reads the Markdown source, fills its generated parts
// from the program's own tables and a calculation of Standard.aid, and sets
// it with the calculation document's layout on the shared PDF device: a
// title page with edition and date, the contents with links, numbered
// headings in the outline, page numbers, the program's own figures and the
// screenshots the program took of its window. Runs at build time without a
// display.
//
//   kvistor_vejledning_generator KILDE.md PROJEKT.aid SKAERMBILLEDER DATO UD.pdf [UDFYLDT.md]
//
// DATO (yyyy-MM-dd) is the edition's date: the title page and the example
// reports carry it, so the same sources give the same guide. UDFYLDT.md
// receives the Markdown with every generated part filled in.
#include <QString>
#include <algorithm>
#include <cstdio>
#include <string>

#include "common/filer.h"
#include "common/version.h"
#include "documents/pdfsprog.h"
#include "documents/sats.h"
#include "guide/figurer.h"
#include "guide/kilde.h"
#include "guide/markdown.h"
#include "guide/pladsholdere.h"

using namespace kvistor;

namespace {

constexpr TFarve Titelfarve{0x1d, 0x3c, 0x6e};
constexpr TFarve Graa{0x59, 0x59, 0x59};
constexpr TFarve Linjefarve{0x99, 0x99, 0x99};

// The edition of the guide, counted apart from the program's version: a new
// edition when the guide itself is rewritten.
constexpr const char* Udgave = "2. udgave";

int Fejl(const std::string& t) {
  std::fprintf(stderr, "kvistor_vejledning_generator: %s\n", t.c_str());
  return 1;
}

std::string ProgramNavn() { return "Kvistor " + std::string(ProgramVersion.substr(0, 3)); }

std::optional<TTidspunkt> LaesDato(const std::string& s) {
  TTidspunkt t;
  if (std::sscanf(s.c_str(), "%d-%d-%d", &t.aar, &t.maaned, &t.dag) != 3 || t.maaned < 1 ||
      t.maaned > 12 || t.dag < 1 || t.dag > 31)
    return std::nullopt;
  return t;
}

std::string DanskDato(const TTidspunkt& t) {
  static const char* const maaneder[] = {"januar", "februar", "marts",     "april",   "maj",      "juni",
                                         "juli",   "august",  "september", "oktober", "november", "december"};
  return std::to_string(t.dag) + ". " + maaneder[t.maaned - 1] + " " + std::to_string(t.aar);
}

TAfsnitBlok Linje(std::string tekst, double punkt, bool fed = false, double efter = 6) {
  TAfsnitBlok a;
  a.Tekst = std::move(tekst);
  a.Punkt = punkt;
  a.Fed = fed;
  a.Just = TSatsJust::Midte;
  a.LuftEfter = efter;
  return a;
}

void TilfoejTitelside(TDokument& d, const TTidspunkt& dato) {
  auto& b = d.Blokke;
  b.push_back(TLuftBlok{170});
  TAfsnitBlok titel = Linje(ProgramNavn(), 34, true, 10);
  titel.Farve = Titelfarve;
  b.push_back(titel);
  b.push_back(Linje("Brugervejledning", 22, false, 24));
  b.push_back(Linje("Dimensionering af tagåse og gerbersamlinger i træ", 13, false, 14));
  b.push_back(Linje("Tagåse lagt som gerberkæde på rammer under et saddeltag\nEN 1990, EN 1991-1-3, "
                    "EN 1991-1-4 og EN 1995-1-1 med danske nationale annekser",
                    10.5, false, 40));
  b.push_back(Linje(std::string(Udgave) + ", " + DanskDato(dato), 12, true, 4));
  b.push_back(Linje("Til Kvistor " + std::string(ProgramVersion), 10.5, false, 6));
  b.push_back(TFyldBlok{});
  TAfsnitBlok note = Linje(
      "Vejledningen sættes af programmet selv, når det bygges: alle tabeller over inddata, "
      "kataloger, materialer, lastkombinationer og lasttilfælde, alle eksempler, figurer og "
      "skærmbilleder kommer fra programmets egne tabeller, beregninger af Standard.aid og "
      "programmets eget vindue.",
      9, false, 0);
  note.Farve = Graa;
  b.push_back(note);
  b.push_back(TSideskiftBlok{});
  TOverskriftBlok indhold;
  indhold.Tekst = "Indhold";
  indhold.Nummereret = false;
  indhold.IIndhold = false;
  indhold.Maal = "indhold";
  b.push_back(indhold);
  b.push_back(TIndholdBlok{});
}

void SaetSidefod(TDokument& d) {
  d.Sidefod = [](TPdfDokument& pdf, const TSideopsaetning& s, const TSideInfo& i) {
    if (i.Side == 1) return;  // the title page
    const TSkrift skrift{SkriftSans, 8.5};
    const double y = s.Hoejde - s.Bund + 12 * PtPrMm;
    const double x1 = s.Bredde - s.Hoejre;
    TegnStreg(pdf, s.Venstre, y - 9, x1, y - 9, 0.4, Linjefarve);
    SkrivTekst(pdf, s.Venstre, y, ProgramNavn() + " · Brugervejledning", skrift, TTekstJust::Venstre, Graa);
    SkrivTekst(pdf, x1, y, "Side " + std::to_string(i.Side) + " af " + std::to_string(i.Antal), skrift,
               TTekstJust::Hoejre, Graa);
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7)
    return Fejl("brug: kvistor_vejledning_generator KILDE.md PROJEKT.aid SKAERMBILLEDER DATO UD.pdf [UDFYLDT.md]");
  const std::string kildeFil = argv[1], projekt = argv[2], billedmappe = argv[3], udFil = argv[5];
  const auto dato = LaesDato(argv[4]);
  if (!dato) return Fejl(std::string("datoen skal skrives yyyy-MM-dd: ") + argv[4]);

  std::string md;
  if (const TFilUdfald u = LaesFil(kildeFil, md); !u) return Fejl("kan ikke læse " + kildeFil);

  QString fejl;
  const auto k = ByggKilde(QString::fromStdString(projekt), *dato, fejl);
  if (!k) return Fejl(fejl.toStdString());

  QStringList mangler;
  const QString udfyldt = UdfyldPladsholdere(QString::fromUtf8(md.data(), static_cast<qsizetype>(md.size())),
                                             *k, mangler);
  if (!mangler.isEmpty()) return Fejl(mangler.join("\n").toStdString());

  TDokument d;
  d.Side.Venstre = 22 * PtPrMm;
  d.Side.Hoejre = 20 * PtPrMm;
  d.Side.Top = 20 * PtPrMm;
  d.Side.Bund = 24 * PtPrMm;
  TBilledKilder billeder;
  billeder.Figur = [&k](const QString& navn, const std::string& tekst) {
    return GuidensFigur(*k, navn.toStdString(), tekst);
  };
  // Every screenshot at one print scale, so the window's type prints at one
  // size (about 7,5 points) and a small dialog stays small.
  constexpr double PtPrPixel = 0.6;
  const double tekstBredde = d.Side.TekstBredde();
  billeder.Skaermbillede = [&billedmappe, tekstBredde](const QString& navn) -> std::optional<TBilledBlok> {
    TBilledBlok b;
    const std::string fil = billedmappe + "/" + navn.toStdString() + ".png";
    if (!LaesFil(fil, b.Png)) return std::nullopt;
    const auto str = PngStoerrelse(b.Png);
    if (!str) return std::nullopt;
    b.Bredde = std::min(1.0, str->first * PtPrPixel / tekstBredde);
    return b;
  };
  TMarkdownResultat r = MarkdownTilBlokke(udfyldt, billeder, d.Side.TekstBredde());
  // A link must lead somewhere: to a heading or a mark of the guide.
  for (const QString& maal : r.Maal) {
    bool findes = maal == "indhold" || r.Maerker.contains(maal);
    for (const TOverskrift& o : r.Overskrifter) findes = findes || o.Maal == maal;
    if (!findes) r.Fejl << "Link til et ukendt mål: #" + maal;
  }
  if (!r.Fejl.isEmpty()) return Fejl(r.Fejl.join("\n").toStdString());

  TilfoejTitelside(d, *dato);
  for (TBlok& b : r.Blokke) d.Blokke.push_back(std::move(b));
  SaetSidefod(d);

  TPdfMetadata m;
  m.Titel = ProgramNavn() + " – Brugervejledning";
  m.Forfatter = "Kvistor";
  m.Emne = "Brugervejledning til Kvistor, " + std::string(Udgave);
  m.Noegleord = "tagåse, gerberkæde, EN 1995-1-1, brugervejledning";
  m.Skaber = "kvistor_vejledning_generator";
  m.Tidspunkt = *dato;
  TPdfDokument pdf(m);
  const TSatsResultat sat = SaetDokument(pdf, d);
  std::string pdfFejl;
  std::optional<std::string> bytes = pdf.Afslut(pdfFejl);
  if (bytes) bytes = SaetPdfSprog(*bytes, "da", pdfFejl);
  if (!bytes) return Fejl(pdfFejl);
  if (const TFilUdfald u = SkrivFil(udFil, *bytes); !u) return Fejl(BeskedKanIkkeGemme(udFil, u));
  if (argc == 7) {
    const std::string udfyldtFil = argv[6];
    if (const TFilUdfald u = SkrivFil(udfyldtFil, udfyldt.toStdString()); !u)
      return Fejl(BeskedKanIkkeGemme(udfyldtFil, u));
  }
  std::printf("Brugervejledningen er sat: %d sider, %lld figurer\n", sat.Sider,
              static_cast<long long>(r.Figurer.size()));
  return 0;
}
