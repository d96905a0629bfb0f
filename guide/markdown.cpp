#include "guide/markdown.h"

#include <QRegularExpression>

namespace kvistor {

namespace {

QString Px(double v, double skala) { return QString::number(v * skala, 'f', 1) + "px"; }

QString Escape(const QString& s) { return s.toHtmlEscaped(); }

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

}  // namespace

QString IndlejretTilHtml(const QString& tekst) {
  // Code spans first, so that their stars stay stars.
  QStringList kode;
  QString t;
  for (qsizetype i = 0; i < tekst.size(); ++i) {
    if (tekst[i] == '`') {
      const qsizetype slut = tekst.indexOf('`', i + 1);
      if (slut > i) {
        kode << tekst.mid(i + 1, slut - i - 1);
        t += QString("\x01%1\x02").arg(kode.size() - 1);
        i = slut;
        continue;
      }
    }
    t += tekst[i];
  }
  t = Escape(t);
  static const QRegularExpression fed(R"(\*\*(.+?)\*\*)");
  static const QRegularExpression kursiv(R"((?<![\w*])\*(?!\s)(.+?)(?<!\s)\*(?![\w*]))");
  t.replace(fed, "<b>\\1</b>");
  t.replace(kursiv, "<i>\\1</i>");
  static const QRegularExpression plads("\x01(\\d+)\x02");
  QString ud;
  qsizetype fra = 0;
  auto it = plads.globalMatch(t);
  while (it.hasNext()) {
    const auto m = it.next();
    ud += t.mid(fra, m.capturedStart() - fra);
    ud += "<span style=\"font-family:'Liberation Mono'\">" + Escape(kode[m.captured(1).toInt()]) +
          "</span>";
    fra = m.capturedEnd();
  }
  ud += t.mid(fra);
  return ud;
}

TMarkdownResultat MarkdownTilHtml(const QString& md, double pxSkala) {
  TMarkdownResultat r;
  const QStringList linjer = md.split('\n');
  const auto px = [pxSkala](double v) { return Px(v, pxSkala); };
  QString& h = r.Html;

  int kapitel = 0, afsnit = 0, underafsnit = 0, figur = 0;
  QString bilag;  // the appendix letter once the appendices have begun

  static const QRegularExpression overskriftRe(R"(^(#{1,3})\s+(.*)$)");
  static const QRegularExpression figurRe(R"(^!\[(.*)\]\(figur:([A-Za-z0-9_]+)\)\s*$)");
  static const QRegularExpression punktRe(R"(^[-*]\s+(.*)$)");
  static const QRegularExpression nummerRe(R"(^\d+[.)]\s+(.*)$)");
  static const QRegularExpression bilagRe(R"(^Bilag\s+([A-Z])\b)");

  const QString afsnitStil =
      QString("margin-top:0px; margin-bottom:%1; line-height:125%;").arg(px(7));

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
      h += "<p style=\"page-break-before:always; margin:0px\"></p>\n";
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
        if (const auto b = bilagRe.match(o.Tekst); b.hasMatch()) {
          bilag = b.captured(1);
        } else if (bilag.isEmpty()) {
          o.Nummer = QString::number(++kapitel);
        }
        afsnit = underafsnit = 0;
      } else if (o.Niveau == 2) {
        ++afsnit;
        underafsnit = 0;
        o.Nummer = (bilag.isEmpty() ? QString::number(kapitel) : bilag) + "." +
                   QString::number(afsnit);
      } else {
        ++underafsnit;
        o.Nummer = (bilag.isEmpty() ? QString::number(kapitel) : bilag) + "." +
                   QString::number(afsnit) + "." + QString::number(underafsnit);
      }
      const QString fuld = o.Nummer.isEmpty() ? o.Tekst : o.Nummer + "  " + o.Tekst;
      const double stoerrelse[] = {0, 17, 13, 11};
      const double over[] = {0, 0, 14, 10};
      const double under[] = {0, 12, 6, 4};
      QString stil = QString("font-size:%1pt; font-weight:bold; margin-top:%2; margin-bottom:%3;")
                         .arg(stoerrelse[o.Niveau])
                         .arg(px(over[o.Niveau]))
                         .arg(px(under[o.Niveau]));
      if (o.Niveau == 1) stil += " page-break-before:always; color:#1d3c6e;";
      h += QString("<h%1 style=\"%2\">%3</h%1>\n")
               .arg(o.Niveau)
               .arg(stil, IndlejretTilHtml(fuld));
      r.Overskrifter.push_back(o);
      ++i;
      continue;
    }
    if (const auto m = figurRe.match(t); m.hasMatch()) {
      ++figur;
      const QString navn = m.captured(2);
      r.Figurer << navn;
      h += QString("<p align=\"center\" style=\"margin-top:%1; margin-bottom:%2;\">"
                   "<img src=\"figur:%3\" /></p>\n")
               .arg(px(6), px(2), navn);
      h += QString("<p align=\"center\" style=\"font-size:9pt; margin-top:0px; margin-bottom:%1;\">"
                   "<i>Figur %2. %3</i></p>\n")
               .arg(px(10))
               .arg(figur)
               .arg(IndlejretTilHtml(m.captured(1)));
      ++i;
      continue;
    }
    if (t.startsWith("```")) {
      const QString art = t.mid(3).trimmed();
      QStringList kode;
      ++i;
      while (i < n && !linjer[i].trimmed().startsWith("```")) kode << linjer[i++];
      ++i;  // the closing fence
      const double pt = art == "rapport" ? 7.6 : 8.5;
      QString indhold;
      for (const QString& k : kode) indhold += Escape(k) + "\n";
      if (indhold.endsWith('\n')) indhold.chop(1);
      h += QString("<pre style=\"font-family:'Liberation Mono'; font-size:%1pt; "
                   "background-color:#f3f3ef; margin-top:%2; margin-bottom:%3; "
                   "margin-left:%4;\">%5</pre>\n")
               .arg(pt)
               .arg(px(2), px(9), px(8), indhold);
      continue;
    }
    if (t.startsWith('|')) {
      QStringList raekker;
      while (i < n && linjer[i].trimmed().startsWith('|')) raekker << linjer[i++].trimmed();
      if (raekker.size() < 2 || !ErSkillelinje(raekker[1])) {
        r.Fejl << "Tabel uden skillelinje: " + raekker.first();
        continue;
      }
      const QStringList hoved = TabelCeller(raekker[0]);
      QStringList just;
      for (const QString& s : TabelCeller(raekker[1])) {
        if (s.startsWith(':') && s.endsWith(':')) just << "center";
        else if (s.endsWith(':')) just << "right";
        else just << "left";
      }
      // A narrow table of two columns would look lost across the page.
      const QString bredde = hoved.size() <= 2 ? "55%" : "100%";
      h += QString("<table border=\"1\" cellspacing=\"0\" cellpadding=\"%1\" width=\"" + bredde + "\" "
                   "style=\"border-collapse:collapse; border-color:#9a9a9a; "
                   "font-size:8.5pt; margin-top:%2; margin-bottom:%3;\">\n<thead><tr>")
               .arg(3 * pxSkala, 0, 'f', 1)
               .arg(px(2), px(10));
      for (qsizetype k = 0; k < hoved.size(); ++k)
        h += QString("<th bgcolor=\"#e4e8ef\" align=\"%1\">%2</th>")
                 .arg(k < just.size() ? just[k] : "left", IndlejretTilHtml(hoved[k]));
      h += "</tr></thead>\n";
      for (qsizetype rr = 2; rr < raekker.size(); ++rr) {
        const QStringList celler = TabelCeller(raekker[rr]);
        if (celler.size() != hoved.size())
          r.Fejl << QString("Tabelrække med %1 celler, hovedet har %2: %3")
                        .arg(celler.size())
                        .arg(hoved.size())
                        .arg(raekker[rr]);
        h += "<tr>";
        for (qsizetype k = 0; k < celler.size(); ++k)
          h += QString("<td align=\"%1\">%2</td>")
                   .arg(k < just.size() ? just[k] : "left", IndlejretTilHtml(celler[k]));
        h += "</tr>\n";
      }
      h += "</table>\n";
      continue;
    }
    const bool punkt = punktRe.match(t).hasMatch();
    const bool nummer = nummerRe.match(t).hasMatch();
    if (punkt || nummer) {
      const QRegularExpression& re = punkt ? punktRe : nummerRe;
      QStringList punkter;
      while (i < n) {
        const QString l = linjer[i];
        const QString lt = l.trimmed();
        if (lt.isEmpty()) break;
        if (const auto m = re.match(lt); m.hasMatch() && !l.startsWith("  ")) {
          punkter << m.captured(1);
        } else if (!punkter.isEmpty() && l.startsWith("  ")) {
          punkter.last() += " " + lt;
        } else {
          break;
        }
        ++i;
      }
      const QString tag = punkt ? "ul" : "ol";
      h += QString("<%1 style=\"margin-top:0px; margin-bottom:%2; -qt-list-indent:1;\">\n")
               .arg(tag, px(6));
      for (const QString& p : punkter)
        h += QString("<li style=\"margin-bottom:%1; line-height:125%;\">%2</li>\n")
                 .arg(px(2), IndlejretTilHtml(p));
      h += QString("</%1>\n").arg(tag);
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
    h += QString("<p style=\"%1\">%2</p>\n").arg(afsnitStil, IndlejretTilHtml(afsnitTekst));
  }
  return r;
}

}  // namespace kvistor
