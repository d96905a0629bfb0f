#include "guide/markdown.h"

#include <QRegularExpression>
#include <algorithm>
#include <numeric>

#include "graphics/pdf_dokument.h"

namespace kvistor {

namespace {

std::string S(const QString& s) { return s.toStdString(); }

// A table row split at its pipes, the outer ones dropped.
QStringList TabelCeller(const QString& linje) {
  QString t = linje.trimmed();
  if (t.startsWith('|')) t.remove(0, 1);
  if (t.endsWith('|')) t.chop(1);
  QStringList celler = t.split('|');
  for (QString& c : celler) c = c.trimmed();
  return celler;
}

bool ErSkillelinje(const QString& linje) {
  static const QRegularExpression re(R"(^\s*\|?\s*:?-{3,}:?\s*(\|\s*:?-{3,}:?\s*)*\|?\s*$)");
  return re.match(linje).hasMatch();
}

// The widths of a table's columns in points, and its type size. A column
// gets at least its longest word (a cell breaks between words only, and a
// word wider than its column would be split), then a share of what is left
// by how much more its longest cell asks for. When even the words do not
// fit, the type goes down, but not below 7 points.
struct TKolonner {
  std::vector<double> Bredder;
  double Punkt = 8.5;
};

TKolonner Kolonner(const std::vector<QStringList>& raekker, qsizetype antal, double tekstBredde) {
  constexpr double TegnPrPunkt = 0.52;  // an average letter of the sans, per point of type
  constexpr double Luft = 8;            // the cell's padding, points
  std::vector<double> ord(static_cast<std::size_t>(antal), 2), laengst(ord);
  for (std::size_t r = 0; r < raekker.size(); ++r) {
    const double fed = r == 0 ? 1.08 : 1.0;  // the head is bold
    for (qsizetype k = 0; k < antal && k < raekker[r].size(); ++k) {
      QString t = raekker[r][k];
      t.remove('*').remove('`');
      auto& o = ord[static_cast<std::size_t>(k)];
      auto& l = laengst[static_cast<std::size_t>(k)];
      l = std::max(l, fed * static_cast<double>(t.size()));
      for (const QString& w : t.split(' ', Qt::SkipEmptyParts)) o = std::max(o, fed * static_cast<double>(w.size()));
    }
  }
  TKolonner ud;
  const auto sum = [](const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0); };
  const double ordSum = sum(ord);
  const double luftSum = Luft * static_cast<double>(antal);
  if (ordSum * TegnPrPunkt * ud.Punkt + luftSum > tekstBredde)
    ud.Punkt = std::max(7.0, (tekstBredde - luftSum) / (ordSum * TegnPrPunkt));
  const double tegn = TegnPrPunkt * ud.Punkt;
  std::vector<double> mindst, gerne;
  for (std::size_t k = 0; k < ord.size(); ++k) {
    mindst.push_back(ord[k] * tegn + Luft);
    gerne.push_back(std::max(ord[k], std::min(laengst[k], 40.0)) * tegn + Luft);
  }
  const double mindstSum = sum(mindst), gerneSum = sum(gerne);
  for (std::size_t k = 0; k < ord.size(); ++k) {
    if (gerneSum <= tekstBredde)
      ud.Bredder.push_back(gerne[k] * tekstBredde / gerneSum);
    else if (gerneSum > mindstSum && mindstSum < tekstBredde)
      ud.Bredder.push_back(mindst[k] + (tekstBredde - mindstSum) * (gerne[k] - mindst[k]) / (gerneSum - mindstSum));
    else
      ud.Bredder.push_back(mindst[k]);
  }
  return ud;
}

// A fenced block: short ones (an excerpt, a command) stay whole; a long one
// breaks anywhere but leaves no two lines behind or alone.
TKodeblok Kodeblok(const QStringList& linjer, bool rapport) {
  TKodeblok k;
  k.Punkt = rapport ? 8.2 : 8.6;
  for (const QString& l : linjer) k.Linjer.push_back(S(l));
  const std::size_t n = k.Linjer.size();
  k.BrudFoer.assign(n, n > 30);
  for (std::size_t i = 0; i < n; ++i)
    if (i < 3 || i + 2 >= n) k.BrudFoer[i] = false;
  return k;
}

}  // namespace

std::string IndlejretTilMarkering(const QString& tekst) {
  // Code spans first, so that their stars stay stars; then the pairs of
  // bold and italic marks; every other mark character is taken as it stands.
  QString ud;
  static const QRegularExpression fed(R"(\*\*(.+?)\*\*)");
  static const QRegularExpression kursiv(R"((?<![\w*])\*(?!\s)(.+?)(?<!\s)\*(?![\w*]))");
  static const QRegularExpression link(R"(\[([^\]]+)\]\(#([A-Za-z0-9_-]+)\))");
  const auto almindelig = [&](QString t) {
    // Pairs become private characters, so the escaping leaves them alone.
    t.replace(fed, QString(QChar(0xE001)) + "\\1" + QChar(0xE001));
    t.replace(kursiv, QString(QChar(0xE002)) + "\\1" + QChar(0xE002));
    t.replace(link, QString(QChar(0xE003)) + "\\1" + QChar(0xE004) + "\\2" + QChar(0xE005));
    QString u = QString::fromStdString(UdenMarkering(t.toStdString()));
    u.replace(QChar(0xE001), "**").replace(QChar(0xE002), "*");
    u.replace(QChar(0xE003), "[").replace(QChar(0xE004), "](#").replace(QChar(0xE005), ")");
    return u;
  };
  qsizetype fra = 0;
  while (fra < tekst.size()) {
    const qsizetype start = tekst.indexOf('`', fra);
    const qsizetype slut = start < 0 ? -1 : tekst.indexOf('`', start + 1);
    if (slut < 0) {
      ud += almindelig(tekst.mid(fra));
      break;
    }
    ud += almindelig(tekst.mid(fra, start - fra));
    QString kode = tekst.mid(start + 1, slut - start - 1);
    kode.replace("\\", "\\\\");
    // A command line never breaks inside an option: no break after a hyphen.
    kode.replace("-", QString("-") + QChar(0x2060));
    ud += "`" + kode + "`";
    fra = slut + 1;
  }
  return S(ud);
}

TMarkdownResultat MarkdownTilBlokke(const QString& md, const TBilledKilder& billeder,
                                    double tekstBredde) {
  TMarkdownResultat r;
  const QStringList linjer = md.split('\n');
  auto& b = r.Blokke;

  int kapitel = 0, afsnit = 0, underafsnit = 0, figur = 0;
  QString bilag;  // the appendix letter once the appendices have begun

  static const QRegularExpression overskriftRe(R"(^(#{1,3})\s+(.*?)(?:\s*\{#([A-Za-z0-9_-]+)\})?$)");
  static const QRegularExpression figurRe(R"(^!\[(.*)\]\((figur|skaermbillede):([A-Za-z0-9_-]+)\)\s*$)");
  static const QRegularExpression punktRe(R"(^[-*]\s+(.*)$)");
  static const QRegularExpression nummerRe(R"(^\d+[.)]\s+(.*)$)");
  static const QRegularExpression bilagRe(R"(^Bilag\s+([A-Z])\b)");
  static const QRegularExpression linkRe(R"(\]\(#([A-Za-z0-9_-]+)\))");

  // Every link target the text uses, on any line outside the writer's
  // comments and the code blocks.
  bool kommentar = false, kode = false;
  for (const QString& l : linjer) {
    const QString t = l.trimmed();
    if (!kode && t.startsWith("<!--")) kommentar = true;
    if (!kommentar && t.startsWith("```")) kode = !kode;
    if (!kommentar && !kode)
      for (auto it = linkRe.globalMatch(t); it.hasNext();) r.Maal << it.next().captured(1);
    if (kommentar && t.contains("-->")) kommentar = false;
  }

  qsizetype i = 0;
  const qsizetype n = linjer.size();
  while (i < n) {
    const QString linje = linjer[i];
    const QString t = linje.trimmed();
    if (t.isEmpty()) {
      ++i;
      continue;
    }
    if (t == "\\newpage") {
      b.push_back(TSideskiftBlok{});
      ++i;
      continue;
    }
    static const QRegularExpression maerkeRe(R"(^\{#([A-Za-z0-9_-]+)\}$)");
    if (const auto m = maerkeRe.match(t); m.hasMatch()) {
      b.push_back(TMaerkeBlok{S(m.captured(1))});
      r.Maerker << m.captured(1);
      ++i;
      continue;
    }
    if (t.startsWith("<!--")) {  // a comment for the writer, never printed
      while (i < n && !linjer[i].contains("-->")) ++i;
      ++i;
      continue;
    }
    if (const auto m = overskriftRe.match(t); m.hasMatch()) {
      TOverskrift o;
      o.Niveau = static_cast<int>(m.captured(1).size());
      o.Tekst = m.captured(2).trimmed();
      if (o.Niveau == 1) {
        if (const auto bm = bilagRe.match(o.Tekst); bm.hasMatch()) bilag = bm.captured(1);
        else if (bilag.isEmpty()) o.Nummer = QString::number(++kapitel);
        afsnit = underafsnit = 0;
      } else if (o.Niveau == 2) {
        ++afsnit;
        underafsnit = 0;
        o.Nummer = (bilag.isEmpty() ? QString::number(kapitel) : bilag) + "." + QString::number(afsnit);
      } else {
        ++underafsnit;
        o.Nummer = (bilag.isEmpty() ? QString::number(kapitel) : bilag) + "." +
                   QString::number(afsnit) + "." + QString::number(underafsnit);
      }
      o.Maal = m.captured(3);
      if (o.Maal.isEmpty())
        o.Maal = o.Nummer.isEmpty() ? "bilag-" + bilag.toLower()
                                    : "afsnit-" + QString(o.Nummer).replace('.', '-');
      TOverskriftBlok ob;
      ob.Niveau = o.Niveau;
      ob.Tekst = IndlejretTilMarkering(o.Tekst);
      ob.Nummer = S(o.Nummer);
      ob.Nummereret = !o.Nummer.isEmpty();
      ob.NySide = o.Niveau == 1;
      ob.Maal = S(o.Maal);
      b.push_back(ob);
      r.Overskrifter.push_back(o);
      ++i;
      continue;
    }
    if (const auto m = figurRe.match(t); m.hasMatch()) {
      const QString navn = m.captured(3);
      r.Figurer << navn;
      const std::string tekst = "Figur " + std::to_string(++figur) + ". " +
                                IndlejretTilMarkering(m.captured(1));
      if (m.captured(2) == "figur") {
        auto f = billeder.Figur ? billeder.Figur(navn, tekst) : std::nullopt;
        if (!f) r.Fejl << "Ukendt figur: " + navn;
        else b.push_back(std::move(*f));
      } else {
        auto s = billeder.Skaermbillede ? billeder.Skaermbillede(navn) : std::nullopt;
        if (!s) r.Fejl << "Skærmbilledet mangler: " + navn;
        else {
          s->Tekst = tekst;
          b.push_back(*s);
        }
      }
      ++i;
      continue;
    }
    if (t.startsWith("```")) {
      const QString art = t.mid(3).trimmed();
      QStringList kode;
      ++i;
      while (i < n && !linjer[i].trimmed().startsWith("```")) kode << linjer[i++];
      ++i;  // the closing fence
      if (art == "register") {
        TRegisterBlok reg;
        for (const QString& l : kode) {
          const qsizetype skel = l.lastIndexOf('|');
          if (l.trimmed().isEmpty()) continue;
          if (skel < 0) {
            r.Fejl << "Registerlinje uden |: " + l;
            continue;
          }
          TRegisterBlok::TOpslag o;
          o.Ord = IndlejretTilMarkering(l.left(skel).trimmed());
          for (const QString& maal : l.mid(skel + 1).split(',', Qt::SkipEmptyParts)) {
            o.Maerker.push_back(S(maal.trimmed()));
            r.Maal << maal.trimmed();
          }
          reg.Opslag.push_back(o);
        }
        b.push_back(reg);
      } else {
        // A fixed-pitch line is never broken, so it must fit the text width
        // (about 90 characters at the block's type).
        for (const QString& l : kode)
          if (l.size() > 90) r.Fejl << "Kodelinjen er for lang til siden: " + l;
        b.push_back(Kodeblok(kode, art == "rapport"));
      }
      continue;
    }
    if (t.startsWith('|')) {
      QStringList raekker;
      while (i < n && linjer[i].trimmed().startsWith('|')) raekker << linjer[i++].trimmed();
      if (raekker.size() < 2 || !ErSkillelinje(raekker[1])) {
        r.Fejl << "Tabel uden skillelinje: " + raekker.first();
        continue;
      }
      std::vector<QStringList> celler{TabelCeller(raekker[0])};
      for (qsizetype rr = 2; rr < raekker.size(); ++rr) {
        celler.push_back(TabelCeller(raekker[rr]));
        if (celler.back().size() != celler.front().size())
          r.Fejl << QString("Tabelrække med %1 celler, hovedet har %2: %3")
                        .arg(celler.back().size())
                        .arg(celler.front().size())
                        .arg(raekker[rr]);
      }
      TTabelBlok tb;
      const TKolonner kolonner = Kolonner(celler, celler.front().size(), tekstBredde);
      tb.Punkt = kolonner.Punkt;
      tb.Bredder = kolonner.Bredder;
      for (const QString& s : TabelCeller(raekker[1]))
        tb.Just.push_back(s.startsWith(':') && s.endsWith(':') ? TSatsJust::Midte
                          : s.endsWith(':')                    ? TSatsJust::Hoejre
                                                               : TSatsJust::Venstre);
      const auto omsaet = [](const QStringList& l) {
        std::vector<std::string> v;
        for (const QString& c : l) v.push_back(IndlejretTilMarkering(c));
        return v;
      };
      tb.Hoved.push_back(omsaet(celler.front()));
      for (std::size_t rr = 1; rr < celler.size(); ++rr) tb.Raekker.push_back(omsaet(celler[rr]));
      b.push_back(tb);
      continue;
    }
    const bool punkt = punktRe.match(t).hasMatch();
    const bool nummer = nummerRe.match(t).hasMatch();
    if (punkt || nummer) {
      const QRegularExpression& re = punkt ? punktRe : nummerRe;
      TPunktlisteBlok l;
      l.Nummereret = nummer;
      while (i < n) {
        const QString li = linjer[i];
        const QString lt = li.trimmed();
        if (lt.isEmpty()) break;
        if (const auto m = re.match(lt); m.hasMatch() && !li.startsWith("  ")) {
          l.Punkter.push_back(IndlejretTilMarkering(m.captured(1)));
        } else if (!l.Punkter.empty() && li.startsWith("  ")) {
          l.Punkter.back() += " " + IndlejretTilMarkering(lt);
        } else {
          break;
        }
        ++i;
      }
      b.push_back(l);
      continue;
    }
    // A paragraph: every following line up to an empty line or a block.
    QString afsnitTekst = t;
    ++i;
    while (i < n) {
      const QString lt = linjer[i].trimmed();
      if (lt.isEmpty() || lt.startsWith('#') || lt.startsWith('|') || lt.startsWith("```") ||
          lt.startsWith("![") || punktRe.match(lt).hasMatch() || nummerRe.match(lt).hasMatch() ||
          lt == "\\newpage")
        break;
      afsnitTekst += " " + lt;
      ++i;
    }
    TAfsnitBlok a;
    a.Tekst = IndlejretTilMarkering(afsnitTekst);
    a.LuftEfter = 6;
    // A paragraph that ends in a colon introduces what follows it.
    a.HoldMedNaeste = afsnitTekst.endsWith(':');
    b.push_back(a);
  }
  r.Maal.removeDuplicates();
  return r;
}

}  // namespace kvistor
