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

TSupplerendeStrimmel BygSupplerendeStrimmel(const TSupplerendeNoegletal& s, int brandMinutter) {
  TSupplerendeStrimmel ud;
  if (s.Skaerpet) ud.Skaerpet = BygDomStrimmel(*s.Skaerpet);
  if (s.Brand) {
    const std::string krav = Format("Brand R%d ", {brandMinutter});
    if (!s.Brand->Beregnet())
      ud.Brand = TStrimmelFelt{krav + "ikke beregnet", false};
    else
      ud.Brand = TStrimmelFelt{krav + (s.Brand->KravOpfyldt() ? "opfyldt" : "ikke opfyldt") +
                                   Format(" (%d min)", {s.Brand->Brand.OpnaaetMinutter}),
                               s.Brand->KravOpfyldt()};
  }
  return ud;
}

TSupplerendeStrimmel OpdaterSupplerendeStrimmel(const TInddataside& side) {
  const TSupplerendeValg valg = ProjektetsSupplerendeValg(side.Inddata);
  // While a field rule is broken the first block already names it.
  if (!valg.Nogen() || AfvisInddata(side.Inddata)) return {};
  return BygSupplerendeStrimmel(BeregnSupplerendeNoegletal(side.Inddata, valg), valg.BrandMinutter);
}

}  // namespace kvistor
