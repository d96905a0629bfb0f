#include "project/inddataside.h"

#include <algorithm>

#include "common/dialog.h"
#include "common/format.h"
#include "project/feltregler.h"
#include "project/sneformfaktor.h"

namespace kvistor {

namespace {

using K = TKontrol;

constexpr int Feltbredde = 10;

// The radio group's warning has no blank after "evt."; the field's has one.
constexpr const char* AdvarselCharnForskRadio =
    "Charnierforskydningen er meget lille.\r\n"
    "Kontroler om der er plads til gerberbeslag og evt.kipningsbeslag.";
constexpr const char* AdvarselSne =
    "Den angivne forhøjede formfaktor er mindre end normalværdien.\r\n"
    "Se brugervejledningen under Laster.";

// A broken rule: the error box, then the page of the field that is to be
// corrected becomes the active page and that field gets the focus.
void VisFejl(TInddataside& side, TBrugerDialog& dlg, std::string_view besked, TKontrol fokus) {
  dlg.Fejl(std::string(besked));
  side.AktivSide = SideFor(fokus);
  side.Fokus = fokus;
  side.MarkerFokustekst = false;
}

void SkrivTekstfelt(TInddataside& side, TEditFelt& e, std::string& felt, std::size_t kapacitet) {
  e.Tekst = Afkort(e.Tekst, kapacitet);
  felt = e.Tekst;
  MarkerInddataAendret(side);
}

// The value a field shows in the standard layout, read back (the record
// then holds exactly what the user sees).
double TilbageLaest(const TEditFelt& e) { return TolkTal(e.Tekst).vaerdi.value_or(0.0); }

// Hinge offset from the normal frame spacing as the field shows it, read
// back from the rounded text.
void StandardCharnForsk(TInddataside& side) {
  SkrivTal(Feltbredde, 2, side.EditCharnForsk, side.Inddata.Rammeafstand / 7.0);
  side.Inddata.CharnForsk = TilbageLaest(side.EditCharnForsk);
}

// The caption as a message names the field: on one line.
std::string Feltnavn(const TFeltRaekke& r) {
  std::string t(r.Ledetekst);
  std::replace(t.begin(), t.end(), '\n', ' ');
  return t;
}

// What is said about a text that is no number of the field. A full stop is
// the usual slip (the decimal point of other settings), so it is named.
std::string BeskedUlaeseligt(const TFeltRaekke& r, std::string_view tekst) {
  const std::string_view slags = r.Art == TFeltArt::Heltal ? "et helt tal" : "et tal";
  std::string t;
  if (tekst.find_first_not_of(" \t") == std::string_view::npos)
    t = "Feltet " + Feltnavn(r) + " er tomt; skriv " + std::string(slags) + ".";
  else
    t = "\"" + std::string(tekst) + "\" i feltet " + Feltnavn(r) + " er ikke " +
        std::string(slags) + ".";
  if (r.Art == TFeltArt::Tal && tekst.find('.') != std::string_view::npos)
    t += "\r\nBrug komma som decimaltegn.";
  return t + "\r\nDen hidtidige værdi er sat tilbage.";
}

// The value is refused: the field's old text comes back (the record was not
// touched) and the field gets the focus with its text selected.
void Afvis(TInddataside& side, TEditFelt& e, std::string forrige, const TFeltRaekke& r,
           TBrugerDialog& dlg, const std::string& besked) {
  e.Tekst = std::move(forrige);
  VisFejl(side, dlg, besked, r.Kontrol);
  side.MarkerFokustekst = true;
}

void ForladTalfelt(TInddataside& side, const TFeltRaekke& f, TEditFelt& e, std::string forrige,
                   TBrugerDialog& dlg) {
  Inddata& d = side.Inddata;
  const K k = f.Kontrol;

  // Read and check the range before anything is stored: a value that
  // cannot be used never replaces the one the field had.
  double v = 0;
  if (f.Art == TFeltArt::Heltal) {
    const std::optional<int> heltal = TolkHeltal(e.Tekst).vaerdi;
    if (!heltal) return Afvis(side, e, std::move(forrige), f, dlg, BeskedUlaeseligt(f, e.Tekst));
    v = *heltal;
  } else {
    const std::optional<double> tal = TolkTal(e.Tekst).vaerdi;
    if (!tal) return Afvis(side, e, std::move(forrige), f, dlg, BeskedUlaeseligt(f, e.Tekst));
    // The value as the field shows it: 75,4 degrees is 75.
    v = *TolkTal(Format("%*.*f", {Feltbredde, f.Decimaler, *tal})).vaerdi;
  }
  // Below the rule's bound the rule speaks; the range guards the other end.
  if (RegelHolder(f.Regel, v) && !IOmraade(f, v))
    return Afvis(side, e, std::move(forrige), f, dlg, BeskedUdenforOmraade(f));

  if (f.Art == TFeltArt::Heltal) {
    e.Tekst = Format("%*d", {Feltbredde, static_cast<int>(v)});
    d.AntalFag = static_cast<int>(v);
    MarkerInddataAendret(side);
    if (!RegelHolder(f.Regel, v)) VisFejl(side, dlg, f.Besked, k);
    return;
  }

  SkrivTal(Feltbredde, f.Decimaler, e, v);
  if (k == K::EditKaraktSneLast) {
    d.SneFormFakForhojet = v;
    d.SneFormFak = v;
  } else {
    d.*f.Tal = v;
  }
  // The purlin's dimensions mark the change only after the lists are
  // rebuilt.
  const bool dimension = k == K::EditAaseHojde || k == K::EditAaseBredde;
  if (!dimension) MarkerInddataAendret(side);

  if (k == K::EditCharnForsk) {
    // The warning comes before the rules, so a negative offset gives both.
    if (v < LilleCharnForsk) dlg.Advarsel(AdvarselCharnForskFelt);
    if (!RegelHolder(f.Regel, v))
      VisFejl(side, dlg, f.Besked, k);
    else if (!(v < d.Rammeafstand))
      VisFejl(side, dlg, BeskedCharnForskRamme, k);
    return;
  }

  if (!RegelHolder(f.Regel, v)) VisFejl(side, dlg, f.Besked, k);

  switch (k) {
    case K::EditTagVink:
      if (RegelHolder(TRegelArt::Tagvinkel, v)) {
        d.SneFormFakNormal = NormalSneFormfaktor(v);
        if (d.NormSneFormFak == 1) {
          SkrivTal(Feltbredde, 2, side.EditKaraktSneLast, d.SneFormFakNormal);
          d.SneFormFak = TilbageLaest(side.EditKaraktSneLast);
          side.EditKaraktSneLast.Aktiv = false;
        }
      }
      // The roof angle decides whether the hardware must carry a force
      // parallel to the roof, also when the angle was refused.
      BygComboBoxBeslag(side, dlg);
      break;
    case K::EditRammeafstand:
      if (d.Rammeafstand < d.GavlRammeAfst) {
        d.GavlRammeAfst = d.Rammeafstand;
        SkrivTal(Feltbredde, 2, side.EditGavlRammeAfst, d.GavlRammeAfst);
        VisFejl(side, dlg, BeskedRammeReduceret, K::EditRammeafstand);
      }
      if (d.CharnForskStd == 1) StandardCharnForsk(side);
      break;
    case K::EditGavlRammeAfst:
      if (d.GavlRammeAfst > d.Rammeafstand) {
        d.GavlRammeAfst = d.Rammeafstand;
        SkrivTal(Feltbredde, 2, side.EditGavlRammeAfst, d.GavlRammeAfst);
        VisFejl(side, dlg, BeskedGavlReduceret, K::EditRammeafstand);
      }
      break;
    case K::EditKaraktSneLast:
      if (d.SneFormFakForhojet < d.SneFormFakNormal) dlg.Advarsel(AdvarselSne);
      break;
    case K::EditAaseHojde:
    case K::EditAaseBredde:
      BygComboBoxBeslag(side, dlg);
      FixStyrkeKlasse(side);
      MarkerInddataAendret(side);
      break;
    case K::EditNormalKraftFaktor:
      BygComboBoxBeslag(side, dlg);
      break;
    default:
      break;
  }
}

void ForladMedForrige(TInddataside& side, TKontrol k, std::string forrige, TBrugerDialog& dlg) {
  TEditFelt* e = EditFelt(side, k);
  if (e == nullptr || !e->Aktiv) return;
  Inddata& d = side.Inddata;
  const TFeltRaekke& r = FeltRaekke(k);
  switch (r.Art) {
    case TFeltArt::Tekst:
      SkrivTekstfelt(side, *e, d.*r.Tekst, static_cast<std::size_t>(r.Kapacitet));
      return;
    case TFeltArt::Tal:
    case TFeltArt::Heltal: ForladTalfelt(side, r, *e, std::move(forrige), dlg); return;
    default: return;
  }
}

// The text a number field shows for the record's value.
std::string Standardtekst(const TFeltRaekke& r, const Inddata& d) {
  if (r.Art == TFeltArt::Heltal) return Format("%*d", {Feltbredde, static_cast<int>(FeltVaerdi(r, d))});
  return Format("%*.*f", {Feltbredde, r.Decimaler, FeltVaerdi(r, d)});
}

// A material picked (or none, -1) in the list of layer 1..4.
void MaterialeValgt(TInddataside& side, int lag, int position, TBrugerDialog& dlg) {
  static constexpr std::array<int Inddata::*, 4> matFelt{&Inddata::EL1Mat, &Inddata::EL2Mat,
                                                         &Inddata::EL3Mat, &Inddata::EL4Mat};
  static constexpr std::array<K, 4> edit{K::EditEL1, K::EditEL2, K::EditEL3, K::EditEL4};
  int& mat = side.Inddata.*matFelt[static_cast<std::size_t>(lag - 1)];
  if (position != mat) {
    mat = position;
    MarkerInddataAendret(side);
  }
  // The working record takes the row from the stored position when a
  // calculation starts; here the dead-load field shows its value and is
  // handled as if the user had left it.
  const TELData& raekke = ELData(lag, position);
  const K k = edit[static_cast<std::size_t>(lag - 1)];
  EditFelt(side, k)->Tekst = Format("%10.2f", {raekke.Egenlast});
  ForladFelt(side, k, dlg);
}

int MaterialeLag(K k) {
  switch (k) {
    case K::ComboBoxEL1: return 1;
    case K::ComboBoxEL2: return 2;
    case K::ComboBoxEL3: return 3;
    case K::ComboBoxEL4: return 4;
    default: return 0;
  }
}

bool GyldigPosition(const TListeFelt& l, int position) {
  return position >= 0 && static_cast<std::size_t>(position) < l.Elementer.size();
}

}  // namespace

TInddataside NyInddataside() {
  TInddataside side;
  FixEL1Data(side);
  FixEL2Data(side);
  FixEL3Data(side);
  FixEL4Data(side);
  FixStyrkeKlasse(side);
  return side;
}

void NulstilResultat(TInddataside& side) {
  side.Rapport.reset();
  side.QKurveLinier.clear();
  side.MKurveLinier.clear();
  side.AdvarAas = false;
  side.AdvarSamling = false;
  side.AdvarNedbojn = false;
  if (side.VedNulstilResultat) side.VedNulstilResultat();
}

void MarkerInddataAendret(TInddataside& side) {
  side.InddataAendret = 1;
  NulstilResultat(side);
}

TEditFelt* EditFelt(TInddataside& s, TKontrol k) {
  switch (k) {
    case K::EditProjektnavn: return &s.EditProjektnavn;
    case K::EditBygningsdel: return &s.EditBygningsdel;
    case K::EditMedarb: return &s.EditMedarb;
    case K::EditHusBr: return &s.EditHusBr;
    case K::EditFacHjd: return &s.EditFacHjd;
    case K::EditTagVink: return &s.EditTagVink;
    case K::EditAaseAfst: return &s.EditAaseAfst;
    case K::EditFacUdh: return &s.EditFacUdh;
    case K::EditAntalFag: return &s.EditAntalFag;
    case K::EditRammeafstand: return &s.EditRammeafstand;
    case K::EditGavlRammeAfst: return &s.EditGavlRammeAfst;
    case K::EditCharnForsk: return &s.EditCharnForsk;
    case K::EditGavlUdh: return &s.EditGavlUdh;
    case K::EditEL1: return &s.EditEL1;
    case K::EditEL2: return &s.EditEL2;
    case K::EditEL3: return &s.EditEL3;
    case K::EditEL4: return &s.EditEL4;
    case K::EditAfstVesterhav: return &s.EditAfstVesterhav;
    case K::EditKaraktSneLast: return &s.EditKaraktSneLast;
    case K::EditAaseHojde: return &s.EditAaseHojde;
    case K::EditAaseBredde: return &s.EditAaseBredde;
    case K::EditNormalKraftFaktor: return &s.EditNormalKraftFaktor;
    case K::EditKipnMoment: return &s.EditKipnMoment;
    default: return nullptr;
  }
}

TListeFelt* ListeFelt(TInddataside& s, TKontrol k) {
  switch (k) {
    case K::ComboBoxEL1: return &s.ComboBoxEL1;
    case K::ComboBoxEL2: return &s.ComboBoxEL2;
    case K::ComboBoxEL3: return &s.ComboBoxEL3;
    case K::ComboBoxEL4: return &s.ComboBoxEL4;
    case K::ComboBoxHojde: return &s.ComboBoxHojde;
    case K::ComboBoxBredde: return &s.ComboBoxBredde;
    case K::ComboBoxBeslag: return &s.ComboBoxBeslag;
    default: return nullptr;
  }
}

int* RadioFelt(TInddataside& s, TKontrol k) {
  switch (k) {
    case K::RadioGroupCharnForsk: return &s.RadioGroupCharnForsk;
    case K::RadioGroupTerrKat: return &s.RadioGroupTerrKat;
    case K::RadioGroupNormSneFormFak: return &s.RadioGroupNormSneFormFak;
    case K::RadioGroupStyrkeKlasse: return &s.RadioGroupStyrkeKlasse;
    case K::RadioGroupAnvKlasse: return &s.RadioGroupAnvKlasse;
    case K::RadioGroupSikkl: return &s.RadioGroupSikkl;
    case K::RadioGroupRappOmfang: return &s.RadioGroupRappOmfang;
    case K::CheckBoxSkaerpetKontrol: return &s.CheckBoxSkaerpetKontrol;
    case K::RadioGroupBrandmodstand: return &s.RadioGroupBrandmodstand;
    case K::RadioGroupBrandSider: return &s.RadioGroupBrandSider;
    default: return nullptr;
  }
}

const TEditFelt* EditFelt(const TInddataside& s, TKontrol k) {
  return EditFelt(const_cast<TInddataside&>(s), k);
}
const TListeFelt* ListeFelt(const TInddataside& s, TKontrol k) {
  return ListeFelt(const_cast<TInddataside&>(s), k);
}
const int* RadioFelt(const TInddataside& s, TKontrol k) {
  return RadioFelt(const_cast<TInddataside&>(s), k);
}

int AntalRadioPunkter(TKontrol k) {
  const TFeltRaekke& r = FeltRaekke(k);
  const bool valg = r.Art == TFeltArt::Radio || r.Art == TFeltArt::Afkrydsning;
  return valg ? static_cast<int>(r.Punkter.size()) : 0;
}

void ForladFelt(TInddataside& side, TKontrol k, TBrugerDialog& dlg) {
  const TFeltRaekke& r = FeltRaekke(k);
  const bool tal = r.Art == TFeltArt::Tal || r.Art == TFeltArt::Heltal;
  ForladMedForrige(side, k, tal ? Standardtekst(r, side.Inddata) : std::string(), dlg);
}

void Indtast(TInddataside& side, TKontrol k, std::string_view tekst, TBrugerDialog& dlg) {
  TEditFelt* e = EditFelt(side, k);
  if (e == nullptr || !e->Aktiv) return;
  std::string forrige = std::move(e->Tekst);
  e->Tekst = Afkort(tekst, KapEditTekst);
  ForladMedForrige(side, k, std::move(forrige), dlg);
}

void KlikRadio(TInddataside& side, TKontrol k, int indeks, TBrugerDialog& dlg) {
  int* radio = RadioFelt(side, k);
  if (radio == nullptr || indeks < 0 || indeks >= AntalRadioPunkter(k)) return;
  *radio = indeks;
  Inddata& d = side.Inddata;
  switch (k) {
    case K::RadioGroupCharnForsk:
      if (indeks == 1) {  // "Nej": the user types the offset
        d.CharnForskStd = 0;
        side.EditCharnForsk.Aktiv = true;
        SkrivTal(Feltbredde, 2, side.EditCharnForsk, d.CharnForsk);
      } else {  // "Ja": 1/7 of the normal frame spacing
        d.CharnForskStd = 1;
        StandardCharnForsk(side);
        side.EditCharnForsk.Aktiv = false;
      }
      if (d.CharnForsk < LilleCharnForsk) dlg.Advarsel(AdvarselCharnForskRadio);
      break;
    case K::RadioGroupTerrKat: d.TerrKat = indeks; break;
    case K::RadioGroupNormSneFormFak:
      if (indeks == 1) {  // "Forhøjet"
        d.NormSneFormFak = 0;
        d.SneFormFak = d.SneFormFakForhojet;
        side.EditKaraktSneLast.Aktiv = true;
      } else {
        d.NormSneFormFak = 1;
        d.SneFormFak = d.SneFormFakNormal;
        side.EditKaraktSneLast.Aktiv = false;
      }
      SkrivTal(Feltbredde, 2, side.EditKaraktSneLast, d.SneFormFak);
      break;
    case K::RadioGroupStyrkeKlasse:
      d.StyrkeKlasse = indeks;
      FixStyrkeKlasse(side);
      break;
    case K::RadioGroupAnvKlasse: d.AnvKlasse = indeks; break;
    case K::RadioGroupSikkl: d.Sikkl = indeks; break;
    case K::RadioGroupRappOmfang: d.RappOmfang = indeks; break;
    case K::CheckBoxSkaerpetKontrol:
    case K::RadioGroupBrandmodstand:
    case K::RadioGroupBrandSider: {
      const TFeltRaekke& r = FeltRaekke(k);
      if (r.Flag) d.*r.Flag = static_cast<std::uint8_t>(ValgVaerdi(r, indeks));
      else d.*r.Heltal = ValgVaerdi(r, indeks);
      break;
    }
    default: break;
  }
  MarkerInddataAendret(side);
}

void VaelgListepunkt(TInddataside& side, TKontrol k, int position, TBrugerDialog& dlg) {
  TListeFelt* l = ListeFelt(side, k);
  if (l == nullptr) return;
  if (const int lag = MaterialeLag(k); lag > 0) {
    if (!GyldigPosition(*l, position)) position = -1;
    l->Valgt = position;
    l->Tekst = position >= 0 ? l->Elementer[static_cast<std::size_t>(position)] : "";
    MaterialeValgt(side, lag, position, dlg);
    return;
  }
  if (!GyldigPosition(*l, position)) return;
  const auto p = static_cast<std::size_t>(position);
  // The position maps cover every position the catalogues can fill.
  const std::size_t kort =
      k == K::ComboBoxBeslag ? side.BeslagIndeks.size() : side.HojdeIndeks.size();
  if (p >= kort) return;
  switch (k) {
    case K::ComboBoxHojde: {
      const double v = HojdeTabel[static_cast<std::size_t>(side.HojdeIndeks[p])].Vaerdi;
      l->Valgt = position;
      l->Tekst = l->Elementer[p];
      side.Inddata.AaseHojde = v;
      side.EditAaseHojde.Tekst = Format("%10.0f", {v});
      ForladFelt(side, K::EditAaseHojde, dlg);
      break;
    }
    case K::ComboBoxBredde: {
      const double v = BreddeTabel[static_cast<std::size_t>(side.BreddeIndeks[p])].Vaerdi;
      l->Valgt = position;
      l->Tekst = l->Elementer[p];
      side.Inddata.AaseBredde = v;
      side.EditAaseBredde.Tekst = Format("%10.0f", {v});
      ForladFelt(side, K::EditAaseBredde, dlg);
      break;
    }
    case K::ComboBoxBeslag:
      l->Valgt = position;
      l->Tekst = l->Elementer[p];
      side.Inddata.Beslag = side.BeslagIndeks[p];
      MarkerInddataAendret(side);
      break;
    default: break;
  }
}

void SkrivIListe(TInddataside& side, TKontrol k, std::string_view tekst, TBrugerDialog& dlg) {
  TListeFelt* l = ListeFelt(side, k);
  // The hardware list only allows picking.
  if (l == nullptr || k == K::ComboBoxBeslag) return;
  l->Tekst = Afkort(tekst, KapEditTekst);
  l->Valgt = -1;
  if (const int lag = MaterialeLag(k); lag > 0) MaterialeValgt(side, lag, -1, dlg);
}

void GaaIndIListe(TInddataside& side, TKontrol k, TBrugerDialog& dlg) {
  if (k == K::ComboBoxBeslag) BygComboBoxBeslag(side, dlg);
}

void SaetInddata(TInddataside& side, const Inddata& inddata) {
  Inddata& d = side.Inddata;
  d = inddata;
  for (const TFeltRaekke& r : FeltTabel()) {
    const K k = r.Kontrol;
    switch (r.Art) {
      case TFeltArt::Tekst: EditFelt(side, k)->Tekst = d.*r.Tekst; break;
      case TFeltArt::Tal:
      case TFeltArt::Heltal: EditFelt(side, k)->Tekst = Standardtekst(r, d); break;
      case TFeltArt::Radio:
      case TFeltArt::Afkrydsning: {
        // A value no item stands for shows the nearest end of the group.
        const int punkt = ValgPunkt(r, static_cast<int>(FeltVaerdi(r, d)));
        *RadioFelt(side, k) = std::clamp(punkt, 0, AntalRadioPunkter(k) - 1);
        break;
      }
      case TFeltArt::Liste:
        if (const int lag = MaterialeLag(k); lag > 0) {
          TListeFelt& l = *ListeFelt(side, k);
          l.Valgt = GyldigPosition(l, d.*r.Heltal) ? d.*r.Heltal : -1;
          l.Tekst = l.Valgt >= 0 ? l.Elementer[static_cast<std::size_t>(l.Valgt)] : "";
        }
        break;
      case TFeltArt::Gemt: break;
    }
  }
  side.EditCharnForsk.Aktiv = d.CharnForskStd == 0;
  side.EditKaraktSneLast.Aktiv = d.NormSneFormFak == 0;
  FixStyrkeKlasse(side);
  FyldBeslagListe(side);
  side.Fokus.reset();
  side.MarkerFokustekst = false;
  MarkerInddataAendret(side);
}

}  // namespace kvistor
