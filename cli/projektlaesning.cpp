#include "cli/projektlaesning.h"

#include <cerrno>

#include "cli/standardstroemme.h"
#include "common/format.h"
#include "project/inddatafil.h"

namespace kvistor {

std::string Projektnavn(const std::string& projekt) {
  return projekt == Standardstroem ? "standard-input" : projekt;
}

namespace {

// A batch run refuses a file whose values the reader had to substitute.
int AfvisErstatninger(const std::vector<TErstatning>& erstatninger, const std::string& navn,
                      TKommandolinjeDialog& dlg) {
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

// A closed standard input has nothing to read; say so in plain words.
bool StandardInputLukket(const std::string& projekt, TKommandolinjeDialog& dlg) {
  if (projekt != Standardstroem || StandardInputAaben()) return false;
  dlg.Fejl(BeskedKanIkkeHente(Projektnavn(projekt), StroemAarsag(EBADF, "Standard-input")));
  return true;
}

}  // namespace

int LaesProjektTilKommando(const std::string& projekt, bool tolerant, TInddataside& side,
                           TKommandolinjeDialog& dlg) {
  std::vector<TErstatning> erstatninger;
  const std::string navn = Projektnavn(projekt);
  if (StandardInputLukket(projekt, dlg)) return KodeBrug;
  switch (LaesProjekt(navn, projekt == Standardstroem, side, dlg,
                      tolerant ? nullptr : &erstatninger)) {
    case TProjektLaesning::KanIkkeHente: return KodeBrug;
    case TProjektLaesning::Afvist: return KodeAfvist;
    case TProjektLaesning::Laest: break;
  }
  return AfvisErstatninger(erstatninger, navn, dlg);
}

int LaesProjektTilKommando(const std::string& projekt, bool tolerant, TInddataside& side,
                           TKommandolinjeDialog& dlg, std::string& bytes) {
  const std::string navn = Projektnavn(projekt);
  if (StandardInputLukket(projekt, dlg)) return KodeBrug;
  const TFilUdfald u = projekt == Standardstroem ? LaesStandardInput(bytes, MaksProjektfilBytes)
                                                 : LaesFil(projekt, bytes, MaksProjektfilBytes);
  if (u.forStor) {
    dlg.Fejl(BeskedIkkeProjektfil(navn, "den er større end 64 KiB"));
    return KodeAfvist;
  }
  if (!u) {
    dlg.Fejl(BeskedKanIkkeHente(navn, u.aarsag));
    return KodeBrug;
  }
  const std::optional<std::vector<std::string>> linier = ProjektfilLinier(bytes, navn, dlg);
  if (!linier) return KodeAfvist;
  std::vector<TErstatning> erstatninger;
  TInddataside ny = NyInddataside();
  ny.Firmanavn = side.Firmanavn;
  ny.Programmappe = side.Programmappe;
  if (!LaesInddatafil(ny, *linier, navn, dlg, tolerant ? nullptr : &erstatninger))
    return KodeAfvist;
  side = std::move(ny);
  side.InddataAendret = 0;
  return AfvisErstatninger(erstatninger, navn, dlg);
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
