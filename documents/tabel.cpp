#include "documents/tabel.h"

#include <functional>

namespace kvistor {

namespace {

using TUdtraek = std::function<TCelle(const TTabelProjekt&)>;

struct TFelt {
  TKolonne Kolonne;
  TUdtraek Vaerdi;
};

// A figure that exists only for a computed project.
TUdtraek Beregnet(std::function<TCelle(const TTabelProjekt&)> f) {
  return [f = std::move(f)](const TTabelProjekt& p) -> TCelle {
    return p.Udfald == TTabelUdfald::Beregnet ? f(p) : TCelle{};
  };
}

// A figure that exists once the file could be read.
TUdtraek Laest(std::function<TCelle(const TTabelProjekt&)> f) {
  return [f = std::move(f)](const TTabelProjekt& p) -> TCelle { return p.Laest ? f(p) : TCelle{}; };
}

// A figure of the stricter check, where the project asks for it and it was
// computed.
TUdtraek Skaerpet(std::function<TCelle(const TNoegletal&)> f) {
  return Beregnet([f = std::move(f)](const TTabelProjekt& p) -> TCelle {
    const auto& s = p.Supplerende.Skaerpet;
    return s && s->Beregnet() ? f(s->Tal) : TCelle{};
  });
}

// The columns of "Oversigt", one line each: a further check of the project
// adds its figures here and nowhere else. The governing figures are the
// summary's own (rounded as the report prints them), the verdicts those
// that raise the window's notes.
const std::vector<TFelt>& OversigtFelter() {
  using A = TKolonneArt;
  static const std::vector<TFelt> felter{
      {{"Fil", "", "Fil", A::Tekst}, [](const TTabelProjekt& p) -> TCelle { return p.Fil; }},
      {{"Status", "", "Status", A::Tekst},
       [](const TTabelProjekt& p) -> TCelle { return UdfaldTekst(p.Udfald); }},
      {{"Årsag", "", "Aarsag", A::Tekst},
       [](const TTabelProjekt& p) -> TCelle { return p.Aarsag; }},
      {{"Sag/Projekt", "", "Projektnavn", A::Tekst}, Laest([](auto& p) { return p.Projektnavn; })},
      {{"Afsnit/Delprojekt", "", "Bygningsdel", A::Tekst},
       Laest([](auto& p) { return p.Bygningsdel; })},
      {{"Åsebredde", "mm", "AaseBredde_mm", A::Tal, 0}, Laest([](auto& p) { return p.AaseBredde; })},
      {{"Åsehøjde", "mm", "AaseHoejde_mm", A::Tal, 0}, Laest([](auto& p) { return p.AaseHojde; })},
      {{"Styrkeklasse", "", "Styrkeklasse", A::Tekst}, Laest([](auto& p) { return p.Styrkeklasse; })},
      {{"Gerberbeslag", "", "Gerberbeslag", A::Tekst}, Laest([](auto& p) { return p.Beslag; })},
      {{"Udnyttelse åsetværsnit", "%", "UdnyttelseTvaersnit_pct", A::Andel, 0},
       Beregnet([](auto& p) { return p.Resume.UGTvaersnit; })},
      {{"Åsetværsnit OK", "", "TvaersnitOk", A::JaNej}, Beregnet([](auto& p) { return !p.Noter.Aas; })},
      // A hanger that takes nothing of a force has no percentage worth showing.
      {{"Udnyttelse gerbersamling", "%", "UdnyttelseSamling_pct", A::Andel, 0},
       Beregnet([](auto& p) -> TCelle {
         if (p.Resume.UGBeslag > UGIngenBaereevne) return {};
         return p.Resume.UGBeslag;
       })},
      {{"Gerbersamling OK", "", "SamlingOk", A::JaNej},
       Beregnet([](auto& p) { return !p.Noter.Samling; })},
      {{"Mindste L/u", "", "LuMindst", A::Heltal},
       Beregnet([](auto& p) { return static_cast<double>(p.Resume.LuMindst); })},
      {{"Stivhed OK", "", "StivhedOk", A::JaNej}, Beregnet([](auto& p) { return !p.Noter.Nedbojn; })},
      {{"Mindste L/w", "", "LwMindst", A::Heltal},
       Beregnet([](auto& p) { return static_cast<double>(p.Resume.LwMindst); })},
      {{"Forankring træk", "kN", "ForankringTraek_kN", A::Tal},
       Beregnet([](auto& p) { return p.Resume.Traek; })},
      {{"Forankring tværkraft", "kN", "ForankringTvaerkraft_kN", A::Tal},
       Beregnet([](auto& p) { return p.Resume.Tvaerkraft; })},
      {{"Gavlramme træk", "kN", "GavlrammeTraek_kN", A::Tal},
       Beregnet([](auto& p) { return p.Resume.GavlTraek; })},
      {{"Gavlramme tryk", "kN", "GavlrammeTryk_kN", A::Tal},
       Beregnet([](auto& p) { return p.Resume.GavlTryk; })},
      // The supplementary checks, empty where the project does not ask for
      // them.
      {{"Skærpet: udnyttelse åsetværsnit", "%", "SkaerpetUdnyttelseTvaersnit_pct", A::Andel, 0},
       Skaerpet([](const TNoegletal& t) -> TCelle { return t.UGTvaersnit; })},
      {{"Skærpet: udnyttelse gerbersamling", "%", "SkaerpetUdnyttelseSamling_pct", A::Andel, 0},
       Skaerpet([](const TNoegletal& t) -> TCelle {
         if (t.UGBeslag > UGIngenBaereevne) return {};
         return t.UGBeslag;
       })},
      {{"Skærpet: forankring træk", "kN", "SkaerpetForankringTraek_kN", A::Tal},
       Skaerpet([](const TNoegletal& t) -> TCelle { return t.Traek; })},
      {{"Skærpet kontrol OK", "", "SkaerpetOk", A::JaNej}, Beregnet([](auto& p) -> TCelle {
         const auto& s = p.Supplerende.Skaerpet;
         if (!s) return {};
         return s->Beregnet() && s->Tal.AlleOk();
       })},
      {{"Brandmodstand krævet", "min", "BrandKrav_min", A::Heltal},
       Beregnet([](auto& p) -> TCelle {
         const auto& b = p.Supplerende.Brand;
         if (!b || !b->Beregnet()) return {};
         return static_cast<double>(b->Brand.Tvaersnit.Minutter);
       })},
      {{"Brandmodstand opnået", "min", "BrandOpnaaet_min", A::Heltal},
       Beregnet([](auto& p) -> TCelle {
         const auto& b = p.Supplerende.Brand;
         if (!b || !b->Beregnet()) return {};
         return static_cast<double>(b->Brand.OpnaaetMinutter);
       })},
      {{"Brandmodstand OK", "", "BrandOk", A::JaNej}, Beregnet([](auto& p) -> TCelle {
         if (!p.Supplerende.Brand) return {};
         return p.Supplerende.Brand->KravOpfyldt();
       })},
  };
  return felter;
}

std::vector<TKolonne> Kolonner(const std::vector<TFelt>& felter) {
  std::vector<TKolonne> k;
  for (const TFelt& f : felter) k.push_back(f.Kolonne);
  return k;
}

struct TFagFelt {
  TKolonne Kolonne;
  std::function<TCelle(const TFagtypeTal&)> Vaerdi;
};

// The detailed table's column of one bay type, row by row.
const std::vector<TFagFelt>& FagtypeFelter() {
  using A = TKolonneArt;
  using F = std::function<TCelle(const TFagtypeTal&)>;
  auto Giv = [](TDimGivende TFagtypeTal::*m) {
    return F([m](const TFagtypeTal& f) -> TCelle { return (f.*m).Tekst(); });
  };
  auto Hel = [](int TFagtypeTal::*m) {
    return F([m](const TFagtypeTal& f) -> TCelle { return static_cast<double>(f.*m); });
  };
  auto Tal = [](double TFagtypeTal::*m) {
    return F([m](const TFagtypeTal& f) -> TCelle { return f.*m; });
  };
  static const std::vector<TFagFelt> felter{
      {{"Udnyttelse bøjning", "%", "UdnyttelseBoejning_pct", A::Andel, 0}, Tal(&TFagtypeTal::UGBoej)},
      {{"Dim.giv. bøjning", "LK/LT/ås", "BoejningDimGiv", A::Tekst}, Giv(&TFagtypeTal::BoejGiv)},
      {{"Udnyttelse forskydning", "%", "UdnyttelseForskydning_pct", A::Andel, 0},
       Tal(&TFagtypeTal::UGForsk)},
      {{"Dim.giv. forskydning", "LK/LT/ås", "ForskydningDimGiv", A::Tekst},
       Giv(&TFagtypeTal::ForskGiv)},
      // A hanger that takes nothing of a force has no percentage worth showing.
      {{"Udnyttelse gerbersamling", "%", "UdnyttelseSamling_pct", A::Andel, 0},
       [](const TFagtypeTal& f) -> TCelle {
         if (f.BeslagUdenBaereevne) return {};
         return f.UGBeslag;
       }},
      {{"Dim.giv. gerbersamling", "LK/LT/ås", "SamlingDimGiv", A::Tekst},
       Giv(&TFagtypeTal::BeslagGiv)},
      {{"Negativ reaktion (træk) z", "kN", "ReaktionTraekZ_kN", A::Tal}, Tal(&TFagtypeTal::RzTraek)},
      {{"Dim.giv. træk z", "LK/LT/ås", "ReaktionTraekZDimGiv", A::Tekst},
       Giv(&TFagtypeTal::TraekGiv)},
      {{"Positiv reaktion (tryk) z", "kN", "ReaktionTrykZ_kN", A::Tal}, Tal(&TFagtypeTal::RzTryk)},
      {{"Dim.giv. tryk z", "LK/LT/ås", "ReaktionTrykZDimGiv", A::Tekst},
       Giv(&TFagtypeTal::TrykGiv)},
      {{"Reaktion y (på tværs)", "kN", "ReaktionY_kN", A::Tal}, Tal(&TFagtypeTal::Ry)},
      {{"Dim.giv. reaktion y", "LK/LT/ås", "ReaktionYDimGiv", A::Tekst}, Giv(&TFagtypeTal::RyGiv)},
      {{"Referencelængde L", "m", "Referencelaengde_m", A::Tal}, Tal(&TFagtypeTal::L)},
      {{"Nedbøjning u egenlast", "mm", "NedbojningEgenlast_mm", A::Tal, 1},
       Tal(&TFagtypeTal::uEgen)},
      {{"L/u egenlast", "", "LuEgenlast", A::Heltal}, Hel(&TFagtypeTal::LuEgen)},
      {{"Nedbøjning u sne", "mm", "NedbojningSne_mm", A::Tal, 1}, Tal(&TFagtypeTal::uSne)},
      {{"L/u sne", "", "LuSne", A::Heltal}, Hel(&TFagtypeTal::LuSne)},
      {{"Nedbøjning u punktlast", "mm", "NedbojningPunktlast_mm", A::Tal, 1},
       Tal(&TFagtypeTal::uPunkt)},
      {{"L/u punktlast", "", "LuPunktlast", A::Heltal}, Hel(&TFagtypeTal::LuPunkt)},
      {{"Tværudbøjning w egenlast", "mm", "TvaerudbojningEgenlast_mm", A::Tal, 1},
       Tal(&TFagtypeTal::wEgen)},
      {{"L/w egenlast", "", "LwEgenlast", A::Heltal}, Hel(&TFagtypeTal::LwEgen)},
      {{"Tværudbøjning w sne", "mm", "TvaerudbojningSne_mm", A::Tal, 1}, Tal(&TFagtypeTal::wSne)},
      {{"L/w sne", "", "LwSne", A::Heltal}, Hel(&TFagtypeTal::LwSne)},
  };
  return felter;
}

}  // namespace

std::string KolonneOverskrift(const TKolonne& k) {
  return k.Enhed.empty() ? k.Overskrift : k.Overskrift + " (" + k.Enhed + ")";
}

TResultattabeller BygResultattabeller(const std::vector<TTabelProjekt>& projekter) {
  using A = TKolonneArt;
  TResultattabeller r;

  r.Oversigt.Navn = "Oversigt";
  r.Oversigt.Kolonner = Kolonner(OversigtFelter());
  for (std::size_t i = 0; i < projekter.size(); ++i) {
    std::vector<TCelle> raekke;
    for (const TFelt& f : OversigtFelter()) raekke.push_back(f.Vaerdi(projekter[i]));
    r.Oversigt.Raekker.push_back(std::move(raekke));
    r.Oversigt.Projekt.push_back(i);
  }

  r.Fagtyper.Navn = "Fagtyper";
  r.Fagtyper.Kolonner = {{"Fil", "", "Fil", A::Tekst}, {"Fagtype", "", "Fagtype", A::Tekst}};
  for (const TFagFelt& f : FagtypeFelter()) r.Fagtyper.Kolonner.push_back(f.Kolonne);

  r.Tilfaelde.Navn = "Tilfælde";
  r.Tilfaelde.Kolonner = {
      {"Fil", "", "Fil", A::Tekst},
      {"Ås", "", "Aas", A::Heltal},
      {"LK", "", "LK", A::Heltal},
      {"LT", "", "LT", A::Tekst},
      {"Fagtype", "", "Fagtype", A::Tekst},
      {"Udnyttelse bøjning", "%", "UdnyttelseBoejning_pct", A::Andel, 0},
      {"Udnyttelse forskydning", "%", "UdnyttelseForskydning_pct", A::Andel, 0},
      {"Udnyttelse gerbersamling", "%", "UdnyttelseSamling_pct", A::Andel, 0},
      {"Rz max", "kN", "RzMax_kN", A::Tal},
      {"Rz min", "kN", "RzMin_kN", A::Tal},
      {"Ry max", "kN", "RyMax_kN", A::Tal},
      {"Ry min", "kN", "RyMin_kN", A::Tal},
      {"N træk", "kN", "NTraek_kN", A::Tal},
      {"N tryk", "kN", "NTryk_kN", A::Tal},
      {"Nedbøjning u", "mm", "Nedbojning_mm", A::Tal, 1},
      {"L/u", "", "Lu", A::Heltal},
  };

  r.Kurver.Navn = "Kurver";
  r.Kurver.Kolonner = {
      {"Fil", "", "Fil", A::Tekst},
      {"Lasttilfælde", "", "Lasttilfaelde", A::Tekst},
      {"Dimensionsgivende for bøjning i", "", "Fagtyper", A::Tekst},
      {"x", "m", "x_m", A::Tal, 3},
      {"V", "kN", "V_kN", A::Tal, 2},
      {"M", "kNm", "M_kNm", A::Tal, 2},
  };

  for (std::size_t i = 0; i < projekter.size(); ++i) {
    const TTabelProjekt& p = projekter[i];
    if (p.Udfald != TTabelUdfald::Beregnet) continue;
    for (int t = 1; t <= 3; ++t) {
      std::vector<TCelle> raekke{p.Fil, FagtypeNavn(t)};
      for (const TFagFelt& f : FagtypeFelter()) raekke.push_back(f.Vaerdi(p.Fag[t]));
      r.Fagtyper.Raekker.push_back(std::move(raekke));
      r.Fagtyper.Projekt.push_back(i);
    }
    for (const TTilfaeldeTal& c : p.Tilfaelde) {
      for (int t = 1; t <= 3; ++t) {
        const TFagResultat& f = c.FagRes[t];
        std::vector<TCelle> raekke{p.Fil, static_cast<double>(c.Aas), static_cast<double>(c.LK),
                                   std::string(1, c.LT), FagtypeNavn(t)};
        if (c.LK < 10) {
          // A hanger without capacity for a force gives no percentage.
          const TCelle samling = f.UGBeslag > UGIngenBaereevne ? TCelle{} : TCelle{f.UGBeslag};
          for (const TCelle& v : {TCelle{f.UGBoej}, TCelle{f.UGForsk}, samling, TCelle{f.RzMax},
                                  TCelle{f.RzMin}, TCelle{f.RyMax}, TCelle{f.RyMin}, TCelle{f.N},
                                  TCelle{f.NTryk}, TCelle{}, TCelle{}})
            raekke.push_back(v);
        } else {
          raekke.resize(raekke.size() + 9);
          const double u = c.LK == 10 ? f.uG : c.LK == 11 ? f.uS : f.uQ;
          raekke.push_back(u);
          raekke.push_back(static_cast<double>(c.Lu[t]));
        }
        r.Tilfaelde.Raekker.push_back(std::move(raekke));
        r.Tilfaelde.Projekt.push_back(i);
      }
    }
    for (std::size_t k = 0; k < p.Kurver.size(); ++k) {
      std::string fag;
      for (int t : p.KurveFagtyper[k]) fag += (fag.empty() ? "" : ", ") + FagtypeNavn(t);
      const std::string navn = TilfaeldeNavn(p.Kurver[k].Tilfaelde);
      for (const TKurvePunkt& q : p.Kurver[k].Punkter) {
        r.Kurver.Raekker.push_back({p.Fil, navn, fag, q.x, q.V, q.M});
        r.Kurver.Projekt.push_back(i);
      }
    }
  }
  return r;
}

}  // namespace kvistor
