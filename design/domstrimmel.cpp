#include "design/domstrimmel.h"

#include "common/format.h"
#include "common/tegnsaet.h"
#include "report/resume.h"

namespace kvistor {

namespace {

// A message box's text on one line for the strip.
std::string EnLinje(const std::string& besked) {
  std::string r;
  for (const std::string& l : DelLinjer(besked)) r += (r.empty() ? "" : " ") + l;
  return r;
}

}  // namespace

TDomStrimmel BygDomStrimmel(const TNoegletalResultat& r) {
  TDomStrimmel s;
  if (!r.Beregnet()) {
    s.Besked = EnLinje(r.Besked);
    s.Felt = r.Felt;
    return s;
  }
  const TNoegletal& t = r.Tal;
  s.Beregnet = true;
  s.Felter[0] = {Format("Åsetværsnit %1.0n %%", {t.UGTvaersnit * 100}), t.AasOk};
  s.Felter[1] = {t.UGBeslag > UGIngenBaereevne
                     ? std::string("Samling bærer ikke")
                     : Format("Samling %1.0n %%", {t.UGBeslag * 100}),
                 t.SamlingOk};
  s.Felter[2] = {Format("Nedbøjning L/%d", {t.LuMindst}), t.NedbojningOk};
  return s;
}

TDomStrimmel OpdaterDomStrimmel(const TInddataside& side) {
  return BygDomStrimmel(BeregnNoegletal(side.Inddata));
}

}  // namespace kvistor
