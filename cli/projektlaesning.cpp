#include "cli/projektlaesning.h"

#include <cerrno>

#include "cli/standardstroemme.h"
#include "common/format.h"
#include "project/inddatafil.h"

namespace kvistor {

std::string Projektnavn(const std::string& projekt) {
  return projekt == Standardstroem ? "standard-input" : projekt;
}

int LaesProjektTilKommando(const std::string& projekt, bool tolerant, TInddataside& side,
                           TKommandolinjeDialog& dlg) {
  std::vector<TErstatning> erstatninger;
  const std::string navn = Projektnavn(projekt);
  // A closed standard input has nothing to read; say so in plain words.
  if (projekt == Standardstroem && !StandardInputAaben()) {
    dlg.Fejl(BeskedKanIkkeHente(navn, StroemAarsag(EBADF, "Standard-input")));
    return KodeBrug;
  }
  switch (LaesProjekt(navn, projekt == Standardstroem, side, dlg,
                      tolerant ? nullptr : &erstatninger)) {
    case TProjektLaesning::KanIkkeHente: return KodeBrug;
    case TProjektLaesning::Afvist: return KodeAfvist;
    case TProjektLaesning::Laest: break;
  }
  if (erstatninger.empty()) return KodeOk;
  std::string t;
  for (const TErstatning& e : erstatninger) t += BeskedErstatning(e) + "\r\n";
  const int n = static_cast<int>(erstatninger.size());
  t += Format("Projektfilen %s er afvist: %d %s kan ikke bruges som %s står. Med --tolerant "
              "regnes der med de erstattede værdier.",
              {navn, n, std::string(n == 1 ? "værdi" : "værdier"),
               std::string(n == 1 ? "den" : "de")});
  dlg.Fejl(t);
  return KodeAfvist;
}

std::optional<TFilIdentitet> ProjektIdentitet(const std::string& projekt) {
  return projekt == Standardstroem ? StandardInputIdentitet() : FindFilIdentitet(projekt);
}

bool ErProjektfilen(const std::optional<TFilIdentitet>& projekt, const std::string& udfil) {
  if (!projekt || udfil.empty() || udfil == Standardstroem) return false;
  const std::optional<TFilIdentitet> ud = FindFilIdentitet(udfil);
  // Only a regular file is lost by being replaced; a device such as
  // /dev/null may well be both the input and the output.
  return ud && ud->almindeligFil && *ud == *projekt;
}

}  // namespace kvistor
