#include <ostream>

#include "cli/kommandoer.h"

namespace kvistor {

int RapportKommando(const std::vector<std::string>&, std::ostream&, std::ostream& fejl) {
  fejl << "Beregningen er endnu ikke en del af kommandolinjeprogrammet.\n";
  return 1;
}

void SkrivHjaelp(std::ostream& ud) {
  ud << "Brug: kvistor-cli rapport PROJEKT.aid [-o RAPPORT.txt] [--kurver] "
        "[--dato \"yyyy-MM-dd,HH:mm:ss\"] [--firma NAVN]\n"
        "      kvistor-cli tegning tvaer|laengde PROJEKT.aid -o FIL.svg "
        "[--bredde B --hoejde H]\n";
}

}  // namespace kvistor
