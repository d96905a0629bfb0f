#include "report/udskrift.h"

#include "report/gem.h"

namespace kvistor {

std::vector<TUdskriftLinje> UdskriftForloeb(const TTekstlinjer& rapport) {
  std::vector<TUdskriftLinje> ud;
  ud.reserve(rapport.size() + 2);
  ud.push_back({false, ""});
  ud.push_back({false, ""});
  const std::string margen = Blanke(10);
  for (const auto& linje : rapport) {
    if (!linje.empty() && linje[0] == '\f') {
      ud.push_back({true, ""});
      ud.push_back({false, ""});
      ud.push_back({false, margen + linje.substr(1)});
    } else {
      ud.push_back({false, margen + linje});
    }
  }
  return ud;
}

bool ResultatFindes(const TTekstlinjer* rapport, TBrugerDialog& dialog) {
  if (rapport) return true;
  dialog.FejlDialog(TekstIkkeBeregnet);
  return false;
}

}  // namespace kvistor
