#pragma once
// Small helpers the window's page builders share.
#include <string>
#include <string_view>
#include <vector>

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QString>
#include <QStringList>

namespace kvistor {

inline QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Report lines as one text, a line each.
inline QString SomTekst(const std::vector<std::string>& linjer) {
  QStringList l;
  for (const std::string& s : linjer) l << Q(s);
  return l.join(QLatin1Char('\n'));
}

// The fixed-pitch font the reports are shown in, 13 pixels high.
inline QFont RapportSkrift() {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::TypeWriter);
  f.setPixelSize(13);
  return f;
}

// A paragraph of plain text that wraps.
inline QLabel* NyTekst(const QString& tekst) {
  auto* l = new QLabel(tekst);
  l->setWordWrap(true);
  l->setTextFormat(Qt::PlainText);
  return l;
}

// A page that scrolls when the window is smaller than the page.
inline QWidget* IRulle(QWidget* side) {
  auto* rulle = new QScrollArea;
  rulle->setWidget(side);
  rulle->setWidgetResizable(true);
  rulle->setFrameShape(QFrame::NoFrame);
  rulle->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return rulle;
}

}  // namespace kvistor
