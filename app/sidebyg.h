#pragma once
// Small helpers the window's page builders share.
#include <string_view>

#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QString>

namespace kvistor {

inline QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
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
