#pragma once
// The project record: all user input of one project. Lengths of the building
// in metres, cross-section dimensions in millimetres, area loads in kN/m²,
// moments in kNm. Texts are UTF-8 here; their capacities count characters.
#include <cstdint>
#include <string>

namespace kvistor {

constexpr int KapProjektnavn = 70;
constexpr int KapBygningsdel = 70;
constexpr int KapMedarb = 30;
constexpr int KapFirmanavn = 70;

struct Inddata {
  std::string Projektnavn;   // at most 70 characters
  std::string Bygningsdel;   // at most 70 characters
  std::string Medarb;        // at most 30 characters
  double HusBr = 0;          // m, between the outer faces of the facades
  double FacHjd = 0;         // m, ground to top of roof in the facade line
  double TagVink = 0;        // degrees
  double AaseAfst = 0;       // m, purlin spacing along the roof plane
  double FacUdh = 0;         // m, eaves overhang, horizontal
  std::int32_t AntalFag = 0; // number of bays
  double Rammeafstand = 0;   // m, normal frame spacing
  double GavlRammeAfst = 0;  // m, span of the end bays
  std::uint8_t CharnForskStd = 0; // 1: hinge offset is Rammeafstand/7 ("Ja")
  double CharnForsk = 0;     // m, hinge offset
  double GavlUdh = 0;        // m, gable overhang
  std::int32_t EL1Mat = 0;   // roof covering, list item, -1 none
  double EL1 = 0;            // kN/m²
  std::int32_t EL2Mat = 0;   // underlay
  double EL2 = 0;
  std::int32_t EL3Mat = 0;   // insulation
  double EL3 = 0;
  std::int32_t EL4Mat = 0;   // ceiling lining
  double EL4 = 0;
  std::int32_t TerrKat = 0;  // terrain category 0..3
  double AfstVesterhav = 0;  // km
  std::uint8_t NormSneFormFak = 0; // 1 "Normal", 0 "Forhøjet"
  double SneFormFak = 0;          // snow value in use (kN/m²)
  double SneFormFakNormal = 0;    // derived from the roof angle
  double SneFormFakForhojet = 0;  // typed by the user
  std::int32_t StyrkeKlasse = 0;  // 0..6
  double AaseHojde = 0;      // mm, perpendicular to the roof plane
  double AaseBredde = 0;     // mm, parallel to the roof plane
  std::int32_t AnvKlasse = 0;     // service class 0..2
  std::int32_t Sikkl = 0;         // consequence class 0..2
  double NormalKraftFaktor = 0;
  std::int32_t Beslag = -1;  // hardware catalogue row, -1 none
  double KipnMoment = 0;     // kNm
  std::int32_t RappOmfang = 0;    // 0 "Normalt #", 1 "Detaljeret"
  // The supplementary checks beside the report, kept in the project file's
  // extension lines.
  std::uint8_t SkaerpetKontrol = 1;  // 1: also check under the current rules
  std::int32_t Brandmodstand = 0;    // required fire resistance, minutes: 0, 15, 30, 60
  std::int32_t BrandSider = 3;       // sides exposed to fire: 3 (not the top) or 4

  // Member by member (the window's undo history compares records).
  friend bool operator==(const Inddata&, const Inddata&) = default;
};

// The record at program start, before any project file is read: numbers
// zero, no hardware, and the choices the radio groups show by default
// (terrain "II  Land", snow "Normal", hinge offset "Ja", strength class C18,
// service class 2, consequence class "Normal #", report "Normalt #") and no
// material picked, so that the record never disagrees with what the input
// pages show.
inline Inddata StartInddata() {
  Inddata d;
  d.EL1Mat = d.EL2Mat = d.EL3Mat = d.EL4Mat = -1;
  d.CharnForskStd = 1;
  d.TerrKat = 1;
  d.NormSneFormFak = 1;
  d.StyrkeKlasse = 1;
  d.AnvKlasse = 1;
  d.Sikkl = 1;
  d.RappOmfang = 0;
  d.Beslag = -1;
  return d;
}

}  // namespace kvistor
