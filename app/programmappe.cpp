#include "app/programmappe.h"

#include <filesystem>
#include <system_error>

#include "project/inddatafil.h"

namespace kvistor {

std::string BestemProgrammappe(const std::string& exeMappe) {
  namespace fs = std::filesystem;
  const fs::path exe(exeMappe);
  const fs::path standard{std::string(StandardInddatafil)};
  std::error_code fejl;
  fs::path mappe = exe;
  if (!fs::exists(exe / standard, fejl)) {
    const fs::path installeret = exe / ".." / "share" / "kvistor";
    if (fs::exists(installeret / standard, fejl)) mappe = fs::weakly_canonical(installeret, fejl);
  }
  std::string ud = mappe.string();
  if (ud.empty() || ud.back() != '/') ud += '/';
  return ud;
}

}  // namespace kvistor
