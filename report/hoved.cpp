#include "report/hoved.h"

#include "common/tegnsaet.h"

namespace kvistor {

std::string RensFirmanavn(std::string_view navn) {
  return ForsteTegn(RensTekst(navn), KapFirmanavn);
}

std::string FirmanavnFraIndstillinger(const TIndstillinger& ind) {
  return RensFirmanavn(LaesTekst(ind, NoegleFirma).value_or(""));
}

TRapportHoved BygRapportHoved(const Inddata& ind, const std::string& firmanavn,
                              const TTidspunkt& nu) {
  TRapportHoved h;
  h[0] = "Kvistor  *  Dimensionering af tagåse og tilhørende forbindelser";
  h[1] = "";
  h[2] = Streg(RapportBredde);
  h[3] = "Firma:             " + firmanavn;
  h[4] = "Sag/Projekt:       " + ind.Projektnavn;
  h[5] = "Afsnit/Delprojekt: " + ind.Bygningsdel;
  h[6] = "Beregnet:          " + DatoOgTid(nu) + " af " + ind.Medarb;
  return h;
}

void SkrivHoved(TTekstlinjer& rapport, const TRapportHoved& hoved) {
  SkrivLinje(rapport, Streg(RapportBredde));
  for (const auto& linje : hoved) SkrivLinje(rapport, linje);
  SkrivLinje(rapport, hoved[2]);
}

}  // namespace kvistor
