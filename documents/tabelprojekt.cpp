#include "documents/tabelprojekt.h"

#include <algorithm>
#include <functional>

#include "calculation/beregning.h"
#include "calculation/projektberegning.h"
#include "common/tegnsaet.h"
#include "common/ur.h"
#include "project/katalog.h"
#include "purlin/nedbojning.h"
#include "report/rapport.h"

namespace kvistor {

namespace {

// A message as one line of a cell: its lines (CR LF, as the message boxes
// break them) joined by one blank.
std::string EnLinje(const std::string& t) {
  std::string s;
  s.reserve(t.size());
  for (std::size_t i = 0; i < t.size(); ++i)
    if (!(t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n')) s += t[i];
  return RensTekst(s);
}

// Passes every message on and keeps the first, which becomes the row's
// reason when the project is refused or stopped.
class THuskendeDialog : public TBrugerDialog {
 public:
  explicit THuskendeDialog(TBrugerDialog& videre) : videre_(videre) {}
  std::string Foerste;
  TSvar Meddel(TBeskedArt art, const std::string& titel, const std::string& t,
               TKnapper knapper) override {
    if (art != TBeskedArt::Bip) Husk(t);
    return videre_.Meddel(art, titel, t, knapper);
  }
  std::optional<std::string> AabnFilnavn(const TFilDialog& d) override {
    return videre_.AabnFilnavn(d);
  }
  std::optional<std::string> GemFilnavn(const TFilDialog& d) override {
    return videre_.GemFilnavn(d);
  }

 private:
  void Husk(const std::string& t) {
    if (Foerste.empty()) Foerste = EnLinje(t);
  }
  TBrugerDialog& videre_;
};

// The class as the input page names it, without the page's default mark.
std::string KlasseNavn(int klasse) {
  if (klasse < 0 || klasse >= static_cast<int>(StyrkeKlasseTekster.size())) return "";
  std::string s(StyrkeKlasseTekster[static_cast<std::size_t>(klasse)]);
  while (!s.empty() && (s.back() == '#' || s.back() == ' ')) s.pop_back();
  return s;
}

// The governing case of ranking q for bay type t, with its value as the
// detailed table shows it.
void Dimensionsgivende(const TBeregning& ber, int q, int t, bool streg,
                       const std::function<double(const TFagResultat&)>& vaerdi, double& v,
                       TDimGivende& giv) {
  const auto& liste = ber.Dimensionsgivende[q][t];
  if (liste.empty() || !liste.front().Tilfaelde) return;
  const TTilfaelde& c = *liste.front().Tilfaelde;
  v = vaerdi(c.FagRes[t]);
  giv.LK = c.LK;
  giv.Aas = c.Aas;
  giv.LT = (streg && c.LK == 1) ? std::string("-") : std::string(1, c.LT);
}

}  // namespace

std::string UdfaldTekst(TTabelUdfald u) {
  switch (u) {
    case TTabelUdfald::Beregnet: return "Beregnet";
    case TTabelUdfald::Afvist: return "Afvist";
    case TTabelUdfald::Afbrudt: return "Afbrudt";
    case TTabelUdfald::Fejl: break;
  }
  return "Fejl";
}

std::string TDimGivende::Tekst() const {
  if (LK == 0) return "";
  return std::to_string(LK) + "/" + LT + "/" + std::to_string(Aas);
}

std::string FagtypeNavn(int t) {
  switch (t) {
    case 1: return "Kort endefag";
    case 2: return "Mellemfag";
    case 3: return "Langt endefag";
    default: return "";
  }
}

TTabelProjekt IkkeBeregnetProjekt(const std::string& fil, TTabelUdfald udfald,
                                  const std::string& aarsag, const Inddata* ind) {
  TTabelProjekt p;
  p.Fil = fil;
  p.Udfald = udfald;
  p.Aarsag = EnLinje(aarsag);
  if (ind) {
    p.Laest = true;
    p.Projektnavn = ind->Projektnavn;
    p.Bygningsdel = ind->Bygningsdel;
    p.AaseBredde = ind->AaseBredde;
    p.AaseHojde = ind->AaseHojde;
    p.Styrkeklasse = KlasseNavn(ind->StyrkeKlasse);
    if (const TBData* b = BeslagData(ind->Beslag)) {
      // The catalogue pads its names for the drop-down list.
      p.Beslag = std::string(b->Navn);
      while (!p.Beslag.empty() && p.Beslag.back() == ' ') p.Beslag.pop_back();
    }
  }
  return p;
}

TTabelProjekt BeregnTabelProjekt(const std::string& fil, const Inddata& ind,
                                 TBrugerDialog& dialog) {
  TTabelProjekt p = IkkeBeregnetProjekt(fil, TTabelUdfald::Afvist, "", &ind);
  THuskendeDialog dlg(dialog);

  // The calculation with its guards, as the report's.
  TProjektberegning k;
  const TBeregningsUdfald u = BeregnProjekt(k, ind, dlg);
  if (u != TBeregningsUdfald::Gennemfoert) {
    p.Udfald = u == TBeregningsUdfald::Afvist ? TTabelUdfald::Afvist : TTabelUdfald::Afbrudt;
    p.Aarsag = dlg.Foerste;
    return p;
  }
  const TSupplData& sd = k.Suppl;
  TBeregning& ber = k.Beregning;

  // The summary as the report builds it: the head's clock does not matter
  // here, the lateral deflections and the verdicts do.
  const TFastUr ur(TTidspunkt{});
  TRapportByg b{ind, sd, ber, ur, "", {}, {}, {}, {}, {}, {}, {}};
  BygResultat(b);
  p.Resume = SamlResume(b);
  p.Noter = b.ud.Noter;

  const std::array<int, 4> L{0, sd.LKE, sd.LMF, sd.LLE};
  for (int t = 1; t <= 3; ++t) {
    TFagtypeTal& f = p.Fag[t];
    Dimensionsgivende(ber, RangUGBoej, t, false, [](const TFagResultat& r) { return r.UGBoej; },
                      f.UGBoej, f.BoejGiv);
    Dimensionsgivende(ber, RangUGForsk, t, true, [](const TFagResultat& r) { return r.UGForsk; },
                      f.UGForsk, f.ForskGiv);
    Dimensionsgivende(ber, RangUGBeslag, t, true,
                      [](const TFagResultat& r) { return r.UGBeslag; }, f.UGBeslag, f.BeslagGiv);
    f.BeslagUdenBaereevne = f.UGBeslag > UGIngenBaereevne;
    Dimensionsgivende(ber, RangRzMax, t, false,
                      [](const TFagResultat& r) { return r.RzMax < 0 ? 0.0 : r.RzMax; },
                      f.RzTraek, f.TraekGiv);
    Dimensionsgivende(ber, RangRzMin, t, true, [](const TFagResultat& r) { return -r.RzMin; },
                      f.RzTryk, f.TrykGiv);
    Dimensionsgivende(ber, RangRyMin, t, true, [](const TFagResultat& r) { return -r.RyMin; },
                      f.Ry, f.RyGiv);
    f.L = L[t] / 1000.0;
    f.uEgen = ber.uMaks[t][0];
    f.uSne = ber.uMaks[t][1];
    f.uPunkt = ber.uMaks[t][2];
    f.LuEgen = ber.LuForhold[t][0];
    f.LuSne = ber.LuForhold[t][1];
    f.LuPunkt = ber.LuForhold[t][2];
    f.wEgen = b.wEgen[t];
    f.wSne = b.wSne[t];
    f.LwEgen = b.LwEgen[t];
    f.LwSne = b.LwSne[t];
  }

  for (const TTilfaelde& c : ber.Tilfaelde) {
    TTilfaeldeTal k;
    k.Aas = c.Aas;
    k.LK = c.LK;
    k.LT = c.LT;
    k.FagRes = c.FagRes;
    // A deflection case's own ratio, by the rule of the run-wide ones.
    if (c.LK >= 10)
      for (int t = 1; t <= 3; ++t) {
        const double u = c.LK == 10 ? c.FagRes[t].uG : c.LK == 11 ? c.FagRes[t].uS : c.FagRes[t].uQ;
        k.Lu[t] = c.LK == 12 ? LuForholdPunktlast(L[t], u) : LuForholdEgenSne(L[t], u);
      }
    p.Tilfaelde.push_back(k);
  }

  // The curves of the cases that govern bending, each once, with the bay
  // types it governs.
  std::vector<TTilfaeldeId> ids;
  for (int t = 1; t <= 3; ++t) {
    const auto& liste = ber.Dimensionsgivende[RangUGBoej][t];
    if (liste.empty() || !liste.front().Tilfaelde) continue;
    const TTilfaelde& c = *liste.front().Tilfaelde;
    const TTilfaeldeId id{c.Aas, c.LK, c.LT};
    const auto it = std::find(ids.begin(), ids.end(), id);
    if (it == ids.end()) {
      ids.push_back(id);
      p.KurveFagtyper.push_back({t});
    } else {
      p.KurveFagtyper[static_cast<std::size_t>(it - ids.begin())].push_back(t);
    }
  }
  if (auto kurver = BeregnKraftkurver(ind, ids, dlg)) p.Kurver = std::move(*kurver);
  else p.KurveFagtyper.clear();

  p.Supplerende = BeregnSupplerendeNoegletal(
      ind, {ind.SkaerpetKontrol != 0, ind.Brandmodstand, ind.BrandSider});
  p.Udfald = TTabelUdfald::Beregnet;
  return p;
}

}  // namespace kvistor
