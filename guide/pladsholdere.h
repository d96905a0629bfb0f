#pragma once
// The guide's generated parts. A line "{{navn}}" or "{{navn:argument}}" in the
// Markdown is replaced by Markdown built from the program's own tables and
// routines (catalogues, strength classes, load combinations and case
// headings, the report of Standard.aid); "{{tal:navn}}" inside a line by a
// number. A change in the code thus shows up in the guide.
#include <QString>
#include <QStringList>

#include "guide/kilde.h"

namespace kvistor {

// Returns the Markdown with every placeholder filled; an unknown placeholder
// is named in `fejl` and left out.
QString UdfyldPladsholdere(const QString& md, const TVejledningsKilde& k, QStringList& fejl);

}  // namespace kvistor
