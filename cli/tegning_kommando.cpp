#include <ostream>

#include "cli/kommandoer.h"

namespace kvistor {

int TegningKommando(const std::vector<std::string>&, std::ostream&, std::ostream& fejl) {
  fejl << "Kontroltegningerne er endnu ikke en del af kommandolinjeprogrammet.\n";
  return 1;
}

}  // namespace kvistor
