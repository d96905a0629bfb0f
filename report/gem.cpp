#include "report/gem.h"

#include "common/tegnsaet.h"
#include "project/inddatafil.h"

namespace kvistor {

std::string UdenEfternavn(const std::string& filnavn) {
  const std::size_t skille = filnavn.find_last_of("/\\");
  const std::size_t start = skille == std::string::npos ? 0 : skille + 1;
  const std::size_t punktum = filnavn.rfind('.');
  // ".rapport" is a name without an extension, as "rapport" is.
  if (punktum == std::string::npos || punktum <= start) return filnavn;
  return filnavn.substr(0, punktum);
}

std::string QKurveFilnavn(const std::string& basis) { return basis + " Q-kurver.txt"; }
std::string MKurveFilnavn(const std::string& basis) { return basis + " M-kurver.txt"; }

int GemResultat(const TRapportResultat* resultat, int rappOmfang, const std::string& mappe,
                TBrugerDialog& dialog, const std::string& forslag) {
  if (resultat == nullptr) {
    dialog.FejlDialog(TekstIkkeBeregnet);
    return 0;
  }
  TFilDialog fd;
  fd.titel = "Gem resultat";
  fd.filter = "Tekstfil (*.txt)|*.txt";
  fd.standardExt = "txt";
  fd.mappe = mappe;
  fd.forslag = forslag;
  fd.spoergOmOverskriv = true;

  int gemt = 0;
  std::string basis;
  if (const auto navn = dialog.GemFilnavn(fd)) {
    basis = UdenEfternavn(*navn);
    if (const TFilUdfald u = SkrivTekstfil(*navn, resultat->Rapport)) {
      ++gemt;
      if (!u.note.empty()) dialog.Advarsel(u.note);
    } else {
      dialog.Besked(BeskedKanIkkeGemme(*navn, u));
    }
  } else {
    dialog.Besked("Resultatet er ikke gemt, da filnavn ikke er angivet");
  }

  if (rappOmfang >= 1 && !basis.empty() &&
      dialog.JaNej("Skal data til forskydningskraft- og momentkurver gemmes?")) {
    const std::string q = QKurveFilnavn(basis);
    const std::string m = MKurveFilnavn(basis);
    const TFilUdfald qOk = SkrivTekstfil(q, resultat->QKurver);
    if (!qOk) dialog.Besked(BeskedKanIkkeGemme(q, qOk));
    const TFilUdfald mOk = SkrivTekstfil(m, resultat->MKurver);
    if (!mOk) dialog.Besked(BeskedKanIkkeGemme(m, mOk));
    for (const TFilUdfald* u : {&qOk, &mOk})
      if (!u->note.empty()) dialog.Advarsel(u->note);
    gemt += int(qOk.ok) + int(mOk.ok);
    if (qOk && mOk)
      dialog.Besked("Data til forskydningskraft- og momentkurver er gemt i filerne\r\n" + q +
                    " og " + "\r\n" + m);
  }
  return gemt;
}

int GemResultat(const TInddataside& side, TBrugerDialog& dialog) {
  if (!side.Rapport) return GemResultat(nullptr, side.Inddata.RappOmfang, FildialogMappe(side), dialog);
  TRapportResultat r;
  r.Rapport = *side.Rapport;
  r.QKurver = side.QKurveLinier;
  r.MKurver = side.MKurveLinier;
  return GemResultat(&r, side.Inddata.RappOmfang, FildialogMappe(side), dialog, FilnavnForslag(side, ".txt"));
}

}  // namespace kvistor
