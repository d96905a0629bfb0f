#include "project/inddataside.h"

#include "common/dialog.h"
#include "common/format.h"
#include "project/sneformfaktor.h"
#include "project/feltregler.h"

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
}

void SkrivTekstfelt(TInddataside& side, TEditFelt& e, std::string& felt, std::size_t kapacitet) {
  e.Tekst = Afkort(e.Tekst, kapacitet);
  felt = e.Tekst;
  MarkerInddataAendret(side);
}

// Hinge offset from the normal frame spacing as the field shows it, read
// back from the rounded text.
void StandardCharnForsk(TInddataside& side, TBrugerDialog& dlg) {
  SkrivTal(Feltbredde, 2, side.EditCharnForsk, LaesTal(side.EditRammeafstand, dlg) / 7.0);
  side.Inddata.CharnForsk = LaesTal(side.EditCharnForsk, dlg);
}

void ForladTalfelt(TInddataside& side, const TTalFelt& f, TEditFelt& e, TBrugerDialog& dlg) {
  Inddata& d = side.Inddata;
  const K k = f.kontrol;

  if (f.decimaler < 0) {
    FormaterHeltal(e, Feltbredde, dlg);
    d.AntalFag = LaesHeltal(e, dlg);
    MarkerInddataAendret(side);
    if (!RegelHolder(f.regel, d.AntalFag)) VisFejl(side, dlg, f.besked, k);
    return;
  }

  FormaterTal(e, Feltbredde, f.decimaler, dlg);
  const double v = LaesTal(e, dlg);
  if (k == K::EditKaraktSneLast) {
    d.SneFormFakForhojet = v;
    d.SneFormFak = v;
  } else {
    d.*f.felt = v;
  }
  // The purlin's dimensions mark the change only after the lists are
  // rebuilt.
  const bool dimension = k == K::EditAaseHojde || k == K::EditAaseBredde;
  if (!dimension) MarkerInddataAendret(side);

  if (k == K::EditCharnForsk) {
    // The warning comes before the rules, so a negative offset gives both.
    if (v < LilleCharnForsk) dlg.Advarsel(AdvarselCharnForskFelt);
    if (!RegelHolder(f.regel, v))
      VisFejl(side, dlg, f.besked, k);
    else if (!(v < d.Rammeafstand))
      VisFejl(side, dlg, BeskedCharnForskRamme, k);
    return;
  }

  if (!RegelHolder(f.regel, v)) VisFejl(side, dlg, f.besked, k);

  switch (k) {
    case K::EditTagVink:
      if (RegelHolder(TRegelArt::Tagvinkel, v)) {
        d.SneFormFakNormal = NormalSneFormfaktor(v);
        if (d.NormSneFormFak == 1) {
          SkrivTal(Feltbredde, 2, side.EditKaraktSneLast, d.SneFormFakNormal);
          d.SneFormFak = LaesTal(side.EditKaraktSneLast, dlg);
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
      if (d.CharnForskStd == 1) StandardCharnForsk(side, dlg);
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

TSide SideFor(TKontrol k) {
  return static_cast<int>(k) >= static_cast<int>(K::RadioGroupStyrkeKlasse) ? TSide::Inddata2
                                                                            : TSide::Inddata1;
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
    default: return nullptr;
  }
}

int AntalRadioPunkter(TKontrol k) {
  switch (k) {
    case K::RadioGroupCharnForsk: return static_cast<int>(CharnForskTekster.size());
    case K::RadioGroupTerrKat: return static_cast<int>(TerrKatTekster.size());
    case K::RadioGroupNormSneFormFak: return static_cast<int>(SneValgTekster.size());
    case K::RadioGroupStyrkeKlasse: return static_cast<int>(StyrkeKlasseTekster.size());
    case K::RadioGroupAnvKlasse: return static_cast<int>(AnvKlasseTekster.size());
    case K::RadioGroupSikkl: return static_cast<int>(SikklTekster.size());
    case K::RadioGroupRappOmfang: return static_cast<int>(RappOmfangTekster.size());
    default: return 0;
  }
}

void ForladFelt(TInddataside& side, TKontrol k, TBrugerDialog& dlg) {
  TEditFelt* e = EditFelt(side, k);
  if (e == nullptr || !e->Aktiv) return;
  Inddata& d = side.Inddata;
  switch (k) {
    case K::EditProjektnavn: SkrivTekstfelt(side, *e, d.Projektnavn, KapProjektnavn); return;
    case K::EditBygningsdel: SkrivTekstfelt(side, *e, d.Bygningsdel, KapBygningsdel); return;
    case K::EditMedarb: SkrivTekstfelt(side, *e, d.Medarb, KapMedarb); return;
    default: break;
  }
  if (const TTalFelt* f = FindTalFelt(k)) ForladTalfelt(side, *f, *e, dlg);
}

void Indtast(TInddataside& side, TKontrol k, std::string_view tekst, TBrugerDialog& dlg) {
  TEditFelt* e = EditFelt(side, k);
  if (e == nullptr || !e->Aktiv) return;
  e->Tekst = Afkort(tekst, KapEditTekst);
  ForladFelt(side, k, dlg);
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
        StandardCharnForsk(side, dlg);
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

}  // namespace kvistor
