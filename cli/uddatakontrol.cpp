#include "cli/uddatakontrol.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "cli/projektlaesning.h"
#include "common/filer.h"

namespace kvistor {

namespace {

namespace fs = std::filesystem;

// Which file a name stands for: an existing file by its identity, a file
// still to be made by the full path it will get (a dangling symbolic link
// by the path it points to, as the writer writes there).
struct TNoegle {
  std::optional<TFilIdentitet> identitet;
  std::string sti;
  bool almindelig = true;
  bool operator==(const TNoegle& a) const {
    return identitet ? a.identitet && *identitet == *a.identitet : !a.identitet && sti == a.sti;
  }
};

TNoegle Noegle(const std::string& navn) {
  TNoegle n;
  n.identitet = navn == Standardstroem ? StandardInputIdentitet() : FindFilIdentitet(navn);
  if (n.identitet) {
    n.almindelig = n.identitet->almindeligFil;
    return n;
  }
  std::error_code ec;
  fs::path p = fs::absolute(navn, ec);
  for (int led = 0; led < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++led) {
    const fs::path maal = fs::read_symlink(p, ec);
    if (ec) break;
    p = maal.is_absolute() ? maal : p.parent_path() / maal;
  }
  const fs::path fuld = fs::weakly_canonical(p, ec);
  n.sti = (ec ? p : fuld).lexically_normal().string();
  return n;
}

}  // namespace

std::optional<std::string> FindSammenstoed(const std::vector<std::string>& projekter,
                                           const std::vector<TUddata>& uddata) {
  std::vector<TNoegle> ind;
  for (const std::string& p : projekter) ind.push_back(Noegle(p));
  std::vector<std::optional<TNoegle>> ud;
  for (const TUddata& u : uddata)
    ud.push_back(u.navn == Standardstroem ? std::nullopt : std::optional(Noegle(u.navn)));
  for (std::size_t i = 0; i < uddata.size(); ++i) {
    if (!ud[i] || !ud[i]->almindelig) continue;
    for (std::size_t j = 0; j < projekter.size(); ++j)
      if (ind[j].almindelig && ind[j] == *ud[i])
        return uddata[i].hvad + " kan ikke gemmes oven i " +
               (projekter[j] == Standardstroem ? "projektfilen på standard-input"
                                               : "projektfilen " + projekter[j]) +
               (uddata[i].navn == projekter[j] ? "" : " (" + uddata[i].navn + ")");
    for (std::size_t j = 0; j < i; ++j)
      if (ud[j] && *ud[j] == *ud[i]) {
        std::string andet = uddata[i].hvad;
        if (!andet.empty() && andet[0] >= 'A' && andet[0] <= 'Z') andet[0] += 'a' - 'A';
        return uddata[j].hvad + " og " + andet + " ville blive gemt i samme fil, " +
               uddata[i].navn + "; der er ikke gemt noget.";
      }
  }
  return std::nullopt;
}

bool AlmindeligFilEllerNy(const std::string& navn) {
  if (navn == Standardstroem) return false;
  struct stat st {};
  if (::stat(navn.c_str(), &st) != 0) return errno == ENOENT;
  return S_ISREG(st.st_mode);
}

}  // namespace kvistor
