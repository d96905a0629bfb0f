#include "guide/pladsholdere.h"

#include <QRegularExpression>
#include <functional>
#include <map>
#include <set>

#include "common/optagende_dialog.h"
#include "common/format.h"
#include "design/aaseoptimering.h"
#include "design/hjaelpemiddeltabeller.h"
#include "design/priser.h"
#include "report/antagelser.h"
#include "loads/hastighedstryk.h"
#include "loads/lastkombinationer.h"
#include "project/sneformfaktor.h"
#include "loads/vindzoner.h"
#include "project/antalfag.h"
#include "project/feltregler.h"
#include "project/felttabel.h"
#include "project/katalog.h"
#include "purlin/traemateriale.h"
#include "report/visresultat.h"

namespace kvistor {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A number as the program shows it: decimal comma, no thousands point.
QString Tal(double v, int decimaler) { return Q(FormaterFast(v, decimaler, false)); }

// A cell may not hold the table's pipe; trailing blanks of catalogue names are
// kept in the program but mean nothing on paper.
QString Celle(QString s) { return s.replace('|', '/').trimmed(); }

// One line of a message as the guide quotes it: the line breaks of the
// message box become blanks.
QString Besked(std::string_view b) { return Q(b).replace("\r\n", " ").replace('\n', ' '); }

QString Raekke(const QStringList& celler) {
  QStringList c;
  for (const QString& s : celler) c << Celle(s);
  return "| " + c.join(" | ") + " |\n";
}

QString Hoved(const QStringList& celler, const QString& just) {
  QString s = Raekke(celler);
  QStringList skil;
  for (qsizetype i = 0; i < celler.size(); ++i) {
    const QChar j = i < just.size() ? just[i] : QChar('l');
    skil << (j == 'r' ? "---:" : j == 'c' ? ":---:" : "---");
  }
  return s + "| " + skil.join(" | ") + " |\n";
}

QString Kodeblok(const TTekstlinjer& linjer, std::size_t fra, std::size_t til) {
  QString s = "```rapport\n";
  for (std::size_t i = fra; i < til && i < linjer.size(); ++i) s += Q(linjer[i]) + "\n";
  return s + "```\n";
}

// ---------------------------------------------------------------------------
// The input fields.

QString Valg(std::span<const std::string_view> tekster, int i) {
  if (i < 0 || i >= static_cast<int>(tekster.size())) return "-";
  return Q(tekster[static_cast<std::size_t>(i)]).trimmed();
}

// A caption on one line.
QString Ledetekst(const TFeltRaekke& r) { return Q(r.Ledetekst).replace('\n', ' '); }

// The value a row holds in the project, as the page shows it.
QString Vaerdi(const TFeltRaekke& r, const Inddata& d) {
  switch (r.Art) {
    case TFeltArt::Tekst: return Q(d.*r.Tekst);
    case TFeltArt::Tal:
    case TFeltArt::Gemt: return Tal(FeltVaerdi(r, d), r.Decimaler);
    case TFeltArt::Heltal: return QString::number(static_cast<int>(FeltVaerdi(r, d)));
    case TFeltArt::Radio:
    case TFeltArt::Afkrydsning:
      return Valg(r.Punkter, ValgPunkt(r, static_cast<int>(FeltVaerdi(r, d))));
    case TFeltArt::Liste:
      if (r.Kontrol == TKontrol::ComboBoxBeslag) {
        const TBData* b = BeslagData(d.Beslag);
        return b ? Q(b->Navn) : QString("(intet valgt)");
      } else {
        const int lag = static_cast<int>(r.Kontrol) - static_cast<int>(TKontrol::ComboBoxEL1) + 1;
        const TELData& m = ELData(lag, d.*r.Heltal);
        return m.Navn.empty() ? QString("(intet valgt)") : Q(m.Navn);
      }
  }
  return {};
}

QString RegelTekst(TRegelArt r) {
  switch (r) {
    case TRegelArt::Ingen: return "";
    case TRegelArt::Positiv: return "> 0";
    case TRegelArt::IkkeNegativ: return "≥ 0";
    case TRegelArt::Tagvinkel: return "0 til 75";
    case TRegelArt::MindstFire: return "helt tal ≥ 4";
  }
  return "";
}

QString Interval(const TFeltRaekke& r) {
  if (!r.HarOmraade) return "";
  const QString enhed = r.Enhed.empty() ? QString() : " " + Q(r.Enhed);
  return Tal(r.Min, 0) + " – " + Tal(r.Max, 0) + enhed;
}

// The fields of one page as the field table gives them, with the values of
// the guide's project; the choices show their items.
QString FeltTabelForSide(TSide side, const Inddata& d) {
  QString s = Hoved({"Felt", "Enhed", "Standard.aid", "Regel", "Meddelelse når reglen brydes"},
                    "llrll");
  for (const TFeltRaekke& r : FeltTabel()) {
    // The standard-dimension lists only fill the depth and width fields.
    if (r.Side != side || r.Fil == TFilForm::Ingen || r.Art == TFeltArt::Gemt) continue;
    const bool valg = r.Art == TFeltArt::Radio || r.Art == TFeltArt::Afkrydsning ||
                      r.Art == TFeltArt::Liste;
    QString regel = valg ? QString("valg") : RegelTekst(r.Regel);
    if (r.Art == TFeltArt::Tekst) regel = "tekst, højst " + QString::number(r.Kapacitet) + " tegn";
    s += Raekke({Ledetekst(r), Q(r.Enhed), Vaerdi(r, d), regel,
                 r.Besked.empty() ? QString() : "»" + Besked(r.Besked) + "«"});
  }
  return s;
}

// ---------------------------------------------------------------------------
// Catalogues and materials.

QString Tagmaterialer() {
  const char* lag[] = {"", "Tagdækning", "Undertag", "Isolering", "Loftbeklædning"};
  QString s = Hoved({"Lag", "Materiale i listen", "Egenlast (kN/m²)"}, "llr");
  for (int l = 1; l <= 4; ++l) {
    const auto tabel = ELTabel(l);
    for (std::size_t r = 1; r < tabel.size(); ++r)
      s += Raekke({r == 1 ? QString(lag[l]) : QString(), Q(tabel[r].Navn),
                   Tal(tabel[r].Egenlast, 2)});
  }
  return s;
}

QString Standardmaal() {
  QString s = Hoved({"Styrkeklasser", "Standardhøjder (mm)", "Standardbredder (mm)"}, "lll");
  for (char art : {'K', 'L'}) {
    QStringList h, b;
    for (const auto& r : HojdeTabel)
      if (r.Art == art) h << Tal(r.Vaerdi, 0);
    for (const auto& r : BreddeTabel)
      if (r.Art == art) b << Tal(r.Vaerdi, 0);
    s += Raekke({art == 'K' ? "Konstruktionstræ C14 til C30" : "Limtræ GL24c til GL32c",
                 h.join(", "), b.join(", ")});
  }
  return s;
}

QString Kapacitet(double v) { return v == 0 ? QString("–") : Tal(v, 2); }

QString BeslagKapaciteter() {
  QString s = Hoved({"Række", "Beslag og udsømning", "F1k (kN)", "F2k (kN)", "F3k (kN)", "Nk (kN)"},
                    "rlrrrr");
  for (int r = 0; r < AntalBeslag; ++r) {
    const TBData& b = BeslagTabel[static_cast<std::size_t>(r)];
    s += Raekke({QString::number(r), Q(b.Navn), Kapacitet(b.F1k), Kapacitet(b.F2k),
                 Kapacitet(b.F3k), Kapacitet(b.Nk)});
  }
  return s;
}

QString Mm(double v) { return v == 0 ? QString("–") : Tal(v, 0); }

QString BeslagGeometri() {
  QString s = Hoved({"Række", "Beslag", "Åsehøjde (mm)", "Min. bredde (mm)", "H1/H2/H3 (mm)",
                     "Y1/Y2/Y3 (mm)"},
                    "rlrrrr");
  for (int r = 0; r < AntalBeslag; ++r) {
    const TBData& b = BeslagTabel[static_cast<std::size_t>(r)];
    // The whole name, nailing too: rows of one hanger with other nailing
    // share its geometry, and without it they would read as duplicates.
    const QString navn = Q(b.Navn).trimmed();
    const QString hoejde = b.HMinW > 0 ? "mindst " + Mm(b.HMinW)
                                       : Mm(b.HMinB - 5) + " til " + Mm(b.HMinB);
    s += Raekke({QString::number(r), navn, hoejde, Mm(b.BMin),
                 Mm(b.H1) + "/" + Mm(b.H2) + "/" + Mm(b.H3),
                 Tal(b.Y1, 0) + "/" + Tal(b.Y2, 0) + "/" + Tal(b.Y3, 0)});
  }
  return s;
}

QString BeslagStandard(const Inddata& d) {
  QString s = Hoved({"Plads i listen", "Gerberbeslag", "Valgt i Standard.aid"}, "rll");
  int p = 0;
  for (int r : PassendeBeslag(d))
    s += Raekke({QString::number(++p), Q(BeslagTabel[static_cast<std::size_t>(r)].Navn),
                 r == d.Beslag ? "valgt" : ""});
  return s;
}

QString Styrkeklasser() {
  QString s = Hoved({"Styrkeklasse", "E0,mean (MPa)", "fm,k (MPa)", "fv,k (MPa)", "γM",
                     "c i kipslankheden"},
                    "lrrrrr");
  for (int i = 0; i < AntalStyrkeKlasser; ++i) {
    const TStyrkeKlasse& k = StyrkeKlasser[static_cast<std::size_t>(i)];
    s += Raekke({Q(StyrkeKlasseTekster[static_cast<std::size_t>(i)]).remove('#').trimmed(),
                 Tal(k.E0mean, 0), Tal(k.fmk, 0), Tal(k.fvk, 1), Tal(GammaM(1, i), 2),
                 Tal(k.c, 3)});
  }
  return s;
}

QString KmodTabel() {
  QString s = Hoved({"Lastkombination", "Lastvarighedsklasse", "kmod, anv.klasse 1", "kmod, anv.klasse 2",
                     "kmod, anv.klasse 3"},
                    "lcrrr");
  const char* varighed[] = {"", "1 (permanent)", "2 (lang)", "3 (middel)", "4 (kort)",
                            "5 (øjeblikkelig)", "6 (nedbøjning)"};
  for (int lk = 1; lk <= 12; ++lk) {
    const int v = LastVarighedsKlasse(lk);
    if (v < 1 || v > 6) continue;
    s += Raekke({QString::number(lk), varighed[v], Tal(Kmod(0, lk), 2), Tal(Kmod(1, lk), 2),
                 Tal(Kmod(2, lk), 2)});
  }
  return s;
}

QString KdefTabel() {
  QString s = Hoved({"Anvendelsesklasse", "kdef", "Faktor på egenlast i lastkombination 10"}, "lrr");
  for (int a = 0; a < 3; ++a)
    s += Raekke({Q(AnvKlasseTekster[static_cast<std::size_t>(a)]).remove('#').trimmed(),
                 Tal(Kdef(a), 1), Tal(1 + Kdef(a), 1)});
  return s;
}

QString KfiTabel() {
  QString s = Hoved({"Konsekvensklasse", "KFI", "γM for gerberbeslag"}, "lrr");
  const char* cc[] = {"CC1", "CC2", "CC3"};
  for (int i = 0; i < 3; ++i)
    s += Raekke({Q(SikklTekster[static_cast<std::size_t>(i)]).remove('#').trimmed() + " (" + cc[i] + ")",
                 Tal(KFI(i), 1), Tal(GammaMBeslag(i), 2)});
  return s;
}

QString Terraen(const TVejledningsKilde& k) {
  const Inddata& d = k.Side.Inddata;
  const double h = k.Suppl.HRef;
  QString s = Hoved({"Kategori", "z0 (m)", "zmin (m)",
                     QString("qp,ude for h = %1 m (kN/m²)").arg(Tal(h, 2)),
                     QString("qp,inde (kN/m²)")},
                    "lrrrr");
  for (int i = 0; i < 4; ++i)
    s += Raekke({Q(TerrKatTekster[static_cast<std::size_t>(i)]), Tal(TerrKatTabel[i].z0, 2),
                 Tal(TerrKatTabel[i].zmin, 0),
                 Tal(Hastighedstryk(i, 3.5, 1.0, h, d.AfstVesterhav), 2),
                 Tal(Hastighedstryk(i, 1.5, 1.0, h, d.AfstVesterhav), 2)});
  return s;
}

QString Basisvind() {
  QString s = Hoved({"Afstand til kysten (km)", "qb (kN/m²)"}, "rr");
  for (double a : {0.0, 5.0, 10.0, 15.0, 20.0, 25.0})
    s += Raekke({Tal(a, 0) + (a >= 25 ? " eller mere" : ""), Tal(BasisHastighedstryk(a), 3)});
  return s;
}

QString Sneformfaktor() {
  QString s = Hoved({"Tagvinkel (grader)", "Normal karakt. snelast (kN/m²)"}, "rr");
  for (double v : {0.0, 15.0, 30.0, 35.0, 40.0, 45.0, 50.0, 55.0, 60.0, 75.0})
    s += Raekke({Tal(v, 0), Tal(NormalSneFormfaktor(v), 2)});
  return s;
}

// ---------------------------------------------------------------------------
// Load combinations and load cases.

std::string KombinationsLinje(int lk) {
  TTilfaelde t;
  t.Aas = 2;
  t.LK = lk;
  t.LT = 'a';
  const TRammePlaceringer r{};
  const TPunktLastPlaceringer p{};
  SkrivTilfaeldeTekst(t, r, p);
  return t.Linier.size() > 1 ? t.Linier[1] : std::string();
}

QString Aasliste(int lk, char lt) {
  QStringList a;
  for (int aas = 1; aas <= 3; ++aas)
    if (TilfaeldeFindes(aas, lk, lt)) a << QString::number(aas);
  return a.join(", ");
}

bool HarTilfaelde(int lk) {
  for (char lt = 'a'; lt <= 'x'; ++lt)
    if (!Aasliste(lk, lt).isEmpty()) return true;
  return false;
}

QString Lastkombinationer() {
  TSkriptetDialog dlg;
  QString s = Hoved({"LK", "Beskrivelse", "g", "s", "w", "Q", "kmod (anv.kl. 1-2)", "Åse"},
                    "rlrrrrrl");
  QStringList medQ;  // the combinations of the live load, for the footnote
  for (int lk = 1; lk <= 13; ++lk) {
    QString tekst = lk <= 9 ? "Lastkombination " + QString::number(lk) + ": " + Q(LKTekst(lk)) + "."
                            : Q(KombinationsLinje(lk));
    if (lk == 13) tekst = "Lastkombination 13: ingen (regnes ikke).";
    QString g, sn, w, q;
    if (lk <= 9) {
      g = Tal(LastFaktor09('Y', lk, 1, dlg), 2);
      sn = Tal(LastFaktor09('P', lk, 1, dlg), 2);
      w = Tal(LastFaktor09('B', lk, 1, dlg), 2);
      q = Tal(LastFaktor09('A', lk, 1, dlg), 2);
    } else if (lk <= 12) {
      g = lk == 10 ? "1 + kdef" : "0";
      sn = lk == 11 ? "1,00" : "0";
      w = "0";
      q = lk == 12 ? "1,00" : "0";
    } else {
      g = sn = w = q = "–";
    }
    const QString aase = HarTilfaelde(lk) ? [&] {
      std::set<int> a;
      for (char lt = 'a'; lt <= 'x'; ++lt)
        for (int aas = 1; aas <= 3; ++aas)
          if (TilfaeldeFindes(aas, lk, lt)) a.insert(aas);
      QStringList l;
      for (int x : a) l << QString::number(x);
      return l.join(", ");
    }() : QString("regnes ikke");
    // A combination of the live load q: the table holds no factor for q,
    // and no case puts one on a roof.
    if (lk <= 9 && !HarTilfaelde(lk)) {
      tekst += " Desuden nyttelast q.¹";
      medQ << QString::number(lk);
    }
    s += Raekke({QString::number(lk), tekst, g, sn, w, q,
                 lk <= 12 ? Tal(Kmod(1, lk), 2) : QString("–"), aase});
  }
  const QString sidste = medQ.takeLast();
  return s + "\n¹ Lastkombination " + medQ.join(", ") + " og " + sidste +
         " har nyttelasten q som dominerende eller ledsagende last. "
             "Programmet har ingen faktor for q, og intet lasttilfælde påfører et tag nyttelast, "
             "så de regnes ikke; kolonnerne viser kun deres øvrige laster.\n";
}

QString Retningsord(int r) {
  switch (r) {
    case RetningNord: return "nord";
    case RetningVest: return "vest";
    case RetningSyd: return "syd";
    case RetningOest: return "øst";
  }
  return "";
}

QString BilagB(const TVejledningsKilde& k, int lk) {
  QString s;
  if (!HarTilfaelde(lk)) {
    s += "```rapport\n";
    s += (lk <= 9 ? "Lastkombination " + QString::number(lk) + ": " + Q(LKTekst(lk)) + "."
                  : QString("Lastkombination 13: ingen beskrivelse.")) + "\n";
    s += "```\n";
    return s;
  }
  s += "```rapport\n" + Q(KombinationsLinje(lk)) + "\n```\n\n";
  const bool vind = HarVindLK(lk);
  QStringList hoved{"LT", "Overskrift i de detaljerede resultater"};
  QString just = "cl";
  if (vind) {
    hoved << "Vindtilfælde";
    just += "c";
  }
  hoved << "Åse" << "Standard.aid";
  just += "cl";
  s += Hoved(hoved, just);
  for (char lt = 'a'; lt <= 'x'; ++lt) {
    const QString aase = Aasliste(lk, lt);
    if (aase.isEmpty()) continue;
    TTilfaelde t;
    t.Aas = aase.left(1).toInt();
    t.LK = lk;
    t.LT = lt;
    SkrivTilfaeldeTekst(t, k.Beregning.RammePlaceringer, k.Beregning.PunktLastPlaceringer);
    QStringList r{QString(QChar(lt)), t.Linier.size() > 2 ? Q(t.Linier[2]) : QString()};
    if (vind) {
      const char v = VindTilfaelde(lk, lt);
      r << QString(QChar(v)) + " (" + Retningsord(VindRetning(v)) + ")";
    }
    r << aase << (TilfaeldeSkippes(k.Beregning, lk, lt) ? "udelades (ingen placering)" : "regnes");
    s += Raekke(r);
  }
  return s;
}

QString Vindtilfaelde() {
  TSkriptetDialog dlg;
  // The wind cases the load combinations use, with the combinations.
  std::map<char, std::set<int>> brugt;
  for (int lk : {5, 6, 9})
    for (char lt = 'a'; lt <= 'x'; ++lt)
      if (!Aasliste(lk, lt).isEmpty()) brugt[VindTilfaelde(lk, lt)].insert(lk);
  const auto ts = [&](const char* zoner, char c) {
    QStringList l;
    for (const char* z = zoner; *z; ++z) l << (TrykSugTilf98(dlg, *z, c) ? "sug" : "tryk");
    l.removeDuplicates();
    return l.join("/");
  };
  QString s = Hoved({"Vindtilfælde", "Vind fra", "Tag F, G, H", "Tag I, J", "Udhæng 1, B, C",
                     "Udhæng 2, L, M", "Indvendig N", "Bruges i LK"},
                    "cllllllc");
  for (const auto& [c, lks] : brugt) {
    QStringList l;
    for (int x : lks) l << QString::number(x);
    s += Raekke({QString(QChar(c)), Retningsord(VindRetning(c)), ts("FGH", c), ts("IJ", c),
                 ts("1BC", c), ts("2LM", c), ts("N", c), l.join(", ")});
  }
  return s;
}

// ---------------------------------------------------------------------------
// The report of Standard.aid, cut at its section titles.

std::size_t FindLinje(const TTekstlinjer& l, const std::string& start, std::size_t fra = 0) {
  for (std::size_t i = fra; i < l.size(); ++i)
    if (l[i].rfind(start, 0) == 0) return i;
  return l.size();
}

QString RapportUddrag(const TVejledningsKilde& k, const QString& del, QStringList& fejl) {
  const TTekstlinjer& l = k.Normal.Rapport;
  const std::size_t resultat = FindLinje(l, "RESULTAT");
  const std::size_t detaljer = FindLinje(l, "DETALJEREDE RESULTATER");
  const std::size_t forud = FindLinje(l, "FORUDSÆTNINGER");
  const std::size_t forkl = FindLinje(l, "FORKLARING");
  if (forkl >= l.size() || forud >= forkl || detaljer >= forud || resultat >= detaljer) {
    fejl << "Rapporten af Standard.aid har ikke de ventede afsnit";
    return {};
  }
  // A rule closes the section before each of the later titles.
  if (del == "hoved") return Kodeblok(l, 0, resultat);
  if (del == "resultat") return Kodeblok(l, resultat, detaljer);
  if (del == "detaljer") return Kodeblok(l, detaljer, forud - 1);
  if (del == "forudsaetninger") return Kodeblok(l, forud - 1, forkl - 1);
  if (del == "forklaring") return Kodeblok(l, forkl - 1, l.size());
  fejl << "Ukendt rapportafsnit: " + del;
  return {};
}

QString Udvidet(const TVejledningsKilde& k, int antal) {
  const TTekstlinjer& l = k.Detaljeret.Rapport;
  const std::size_t start = FindLinje(l, "Detaljerede resultater for dim.givende");
  return Kodeblok(l, start, start + static_cast<std::size_t>(antal));
}

QString Kurvefil(const TVejledningsKilde& k) {
  const TTekstlinjer& m = k.Detaljeret.MKurver;
  return Kodeblok(m, 0, 22);
}

QString Graenser() {
  // The field table the pre-calculation check itself reads, so the guide
  // cannot promise other bounds than the program keeps.
  QString t = "| Felt | Interval |\n|---|---|\n";
  for (const TFeltRaekke& r : FeltTabel())
    if (r.HarOmraade) t += "| " + Ledetekst(r) + " | " + Interval(r) + " |\n";
  return t;
}


// Every message of a field rule and of a range, built from the field table
// as the checks themselves build them.
QString FeltBeskeder() {
  QString s = Hoved({"Meddelelse", "Felt", "Hvad du gør"}, "lll");
  for (const TFeltRaekke& r : FeltTabel()) {
    if (r.Fil == TFilForm::Ingen || r.Art == TFeltArt::Gemt) continue;
    const QString felt = Ledetekst(r);
    if (!r.Besked.empty())
      s += Raekke({"»" + Besked(r.Besked) + "«", felt,
                   r.Regel == TRegelArt::MindstFire ? "Skriv mindst 4 fag."
                   : r.Regel == TRegelArt::Tagvinkel ? "Skriv 0 til 75 grader."
                                                      : "Værdien står; ret den, før der regnes."});
    if (r.HarOmraade)
      s += Raekke({"»" + Besked(BeskedUdenforOmraade(r)) + "«", felt,
                   "Større end nogen bygning har, ofte mm for m; ret den."});
  }
  return s;
}

// The words the report's FORUDSÆTNINGER use for the input fields.
QString RapportOrd(TKontrol k) {
  switch (k) {
    case TKontrol::EditHusBr: return "Bygningsbredde";
    case TKontrol::EditRammeafstand: return "Spændvidde normalfag";
    case TKontrol::EditGavlRammeAfst: return "Spændvidde gavlfag";
    case TKontrol::EditAntalFag: return "Antal åsefag";
    case TKontrol::EditAaseAfst: return "Skrå åseafstand";
    case TKontrol::EditFacUdh: return "Tagudhæng (facade)";
    case TKontrol::EditGavlUdh: return "Tagudhæng (gavl)";
    case TKontrol::EditAaseHojde: return "Tværsnitshøjde";
    case TKontrol::EditAaseBredde: return "Tværsnitsbredde";
    default: return {};
  }
}

// A field's caption beside the words the messages and the report use for
// it, where one of them is another word (not the caption's definite form).
QString Feltnavne() {
  QString s = Hoved({"Felt på inddatasiden", "I meddelelserne", "I rapporten"}, "lll");
  for (const TFeltRaekke& r : FeltTabel()) {
    const QString besked = Q(r.OmraadeNavn), rapport = RapportOrd(r.Kontrol);
    const bool andetOrd = !besked.isEmpty() && !besked.toLower().startsWith(Ledetekst(r).toLower().left(6));
    if (andetOrd || !rapport.isEmpty()) s += Raekke({Ledetekst(r), besked, rapport});
  }
  return s;
}

QString Priser() {
  QStringList klasser, priser;
  for (int k = 0; k < 7; ++k) {
    klasser << Q(KlasseNavn(k));
    priser << Tal(StandardPriser.PrisPrM3[static_cast<std::size_t>(k)], 2);
  }
  return Hoved(QStringList{"Styrkeklasse"} + klasser, "lrrrrrrr") + Raekke(QStringList{"Standardpris pr. m³"} + priser);
}

QString Antagelser() {
  QString s = Hoved({"Forudsætning", "Følge"}, "ll");
  for (const TAntagelse& a : ProgrammetsAntagelser()) s += Raekke({Q(a.Antagelse), Q(a.Konsekvens)});
  return s;
}

// The joint search on the guide's project, as the command line prints it:
// its first line and its first rows.
QString Optimering(const TVejledningsKilde& k) {
  const Inddata& d = k.Side.Inddata;
  const TAaseValg valg;
  const TTabel t = OptimeringsTabel(FindBilligsteAas(d, valg), d, valg);
  QString s = "```\n" + (t.Hoved.empty() ? QString() : Q(t.Hoved.front())) + "\n```\n\n";
  QString just;
  for (bool h : t.Hoejrestillet) just += h ? 'r' : 'l';
  QStringList hoved;
  for (const std::string& o : t.Overskrifter) hoved << Q(o);
  s += Hoved(hoved, just);
  for (std::size_t r = 0; r < t.Raekker.size() && r < 3; ++r) {
    QStringList celler;
    // A figure and its unit stay on one line; only the hanger's name breaks.
    for (std::size_t c = 0; c < t.Raekker[r].size(); ++c)
      celler << (c + 1 < t.Raekker[r].size() ? Q(t.Raekker[r][c]).replace(' ', QChar(0x00A0))
                                             : Q(t.Raekker[r][c]));
    s += Raekke(celler);
  }
  for (const std::string& n : t.Noter) s += "\n" + Q(n) + "\n";
  return s;
}

}  // namespace

QString UdfyldPladsholdere(const QString& md, const TVejledningsKilde& k, QStringList& fejl) {
  const Inddata& d = k.Side.Inddata;
  std::map<QString, QString> tal{
      {"antal_tilfaelde", QString::number(k.Beregning.Tilfaelde.size())},
      {"antal_beslag", QString::number(AntalBeslag)},
      {"antal_passende_beslag", QString::number(PassendeBeslag(d).size())},
      {"charnforsk", Tal(d.CharnForsk, 2)},
      {"rammeafstand", Tal(d.Rammeafstand, 2)},
      {"href", Tal(k.Suppl.HRef, 2)},
      {"qku", Tal(k.Suppl.qku, 2)},
      {"qki", Tal(k.Suppl.qki, 2)},
      {"kcr", Tal(k.Suppl.kcr, 3)},
      {"egenlast_ialt", Tal(k.Suppl.EgenlastIalt, 2)},
      {"aaseegenlast", Tal(k.Suppl.AaseEgenlast, 2)},
      {"sne_normal", Tal(d.SneFormFakNormal, 2)},
      {"maks_fag", QString::number(MaksFagIBeregning)},
  };
  static const QRegularExpression linjeRe(R"(^\s*\{\{([a-z0-9_]+)(?::([a-z0-9_]+))?\}\}\s*$)");
  static const QRegularExpression talRe(R"(\{\{tal:([a-z_]+)\}\})");
  QString ud;
  bool kommentar = false;  // the writer's notes pass untouched
  for (const QString& linje : md.split('\n')) {
    if (kommentar || linje.trimmed().startsWith("<!--")) {
      kommentar = !linje.contains("-->");
      ud += linje + "\n";
      continue;
    }
    if (const auto m = linjeRe.match(linje); m.hasMatch()) {
      const QString navn = m.captured(1), arg = m.captured(2);
      QString blok;
      if (navn == "felter_side1") blok = FeltTabelForSide(TSide::Inddata1, d);
      else if (navn == "felter_side2") blok = FeltTabelForSide(TSide::Inddata2, d);
      else if (navn == "tagmaterialer") blok = Tagmaterialer();
      else if (navn == "standardmaal") blok = Standardmaal();
      else if (navn == "beslag_kapaciteter") blok = BeslagKapaciteter();
      else if (navn == "beslag_geometri") blok = BeslagGeometri();
      else if (navn == "beslag_standard") blok = BeslagStandard(d);
      else if (navn == "styrkeklasser") blok = Styrkeklasser();
      else if (navn == "kmod") blok = KmodTabel();
      else if (navn == "kdef") blok = KdefTabel();
      else if (navn == "kfi") blok = KfiTabel();
      else if (navn == "terraen") blok = Terraen(k);
      else if (navn == "basisvind") blok = Basisvind();
      else if (navn == "sneformfaktor") blok = Sneformfaktor();
      else if (navn == "lastkombinationer") blok = Lastkombinationer();
      else if (navn == "vindtilfaelde") blok = Vindtilfaelde();
      else if (navn == "bilag_b" && arg.toInt() >= 1 && arg.toInt() <= 13)
        blok = BilagB(k, arg.toInt());
      else if (navn == "rapport") blok = RapportUddrag(k, arg, fejl);
      else if (navn == "udvidet") blok = Udvidet(k, arg.isEmpty() ? 40 : arg.toInt());
      else if (navn == "kurvefil") blok = Kurvefil(k);
      else if (navn == "graenser") blok = Graenser();
      else if (navn == "meddelelser_felter") blok = FeltBeskeder();
      else if (navn == "priser") blok = Priser();
      else if (navn == "feltnavne") blok = Feltnavne();
      else if (navn == "antagelser") blok = Antagelser();
      else if (navn == "optimer") blok = Optimering(k);
      else fejl << "Ukendt pladsholder: " + linje.trimmed();
      ud += "\n" + blok + "\n";
      continue;
    }
    QString l = linje;
    auto it = talRe.globalMatch(linje);
    while (it.hasNext()) {
      const auto m = it.next();
      const auto f = tal.find(m.captured(1));
      if (f == tal.end()) fejl << "Ukendt tal: " + m.captured(0);
      else l.replace(m.captured(0), f->second);
    }
    if (l.contains("{{")) fejl << "Pladsholder der ikke kan udfyldes: " + l.trimmed();
    ud += l + "\n";
  }
  return ud;
}

}  // namespace kvistor
