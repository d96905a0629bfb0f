#pragma once
// The worked example of the load tests: a 10 m wide house with 0,5 m eaves
// overhang, 30° roof, purlins 1,2 m apart, 3,0 m facade, 200 mm deep purlins,
// six bays of 4,8 m with 2,4 m gable bays (24 m between the gable frames)
// and 0,3 m gable overhang.
#include "loads/tvaersnit.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor::test {

inline Inddata EksempelInddata() {
  Inddata d;
  d.Projektnavn = "Eksempel";
  d.HusBr = 10.0;
  d.FacHjd = 3.0;
  d.TagVink = 30.0;
  d.AaseAfst = 1.2;
  d.FacUdh = 0.5;
  d.AntalFag = 6;
  d.Rammeafstand = 4.8;
  d.GavlRammeAfst = 2.4;
  d.CharnForskStd = 1;
  d.CharnForsk = 0.686;
  d.GavlUdh = 0.3;
  d.EL1Mat = 2;  // concrete or clay tiles, 0,48
  d.EL1 = 0.48;
  d.EL2Mat = 0;
  d.EL2 = 0.0;
  d.EL3Mat = 1;
  d.EL3 = 0.03;
  d.EL4Mat = 0;
  d.EL4 = 0.0;
  d.TerrKat = 1;
  d.AfstVesterhav = 10.0;
  d.NormSneFormFak = 1;
  d.SneFormFak = 0.8;
  d.SneFormFakNormal = 0.8;
  d.SneFormFakForhojet = 1.2;
  d.StyrkeKlasse = 2;
  d.AaseHojde = 200.0;
  d.AaseBredde = 50.0;
  d.AnvKlasse = 1;
  d.Sikkl = 1;
  d.NormalKraftFaktor = 1.0;
  d.Beslag = 12;
  d.KipnMoment = 0.0;
  d.RappOmfang = 1;
  return d;
}

// The working record of the example, with round wind pressures (qku = 1,0,
// qki = 0,6 kN/m²) so that the wind loads can be checked by hand.
inline TSupplData EksempelSuppl(const Inddata& d) {
  TSupplData sd;
  BestemTvaersnit(d, sd);
  sd.qku = 1.0;
  sd.qki = 0.6;
  return sd;
}

}  // namespace kvistor::test
