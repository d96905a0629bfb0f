#pragma once
// The worked example of the load tests: a 10 m wide house with 0,5 m eaves
// overhang, 30° roof, purlins 1,2 m apart, 3,0 m facade, 200 mm deep purlins,
// six bays of 4,8 m with 2,4 m gable bays (24 m between the gable frames)
// and 0,3 m gable overhang.
#include <gtest/gtest.h>

#include "common/optagende_dialog.h"
#include "loads/lastkombinationer.h"
#include "calculation/tvaersnit_byg.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor::test {

inline Inddata EksempelInddata() {
  return Inddata{
      .Projektnavn = "Eksempel", .Bygningsdel = "", .Medarb = "",
      .HusBr = 10.0, .FacHjd = 3.0, .TagVink = 30.0, .AaseAfst = 1.2, .FacUdh = 0.5,
      .AntalFag = 6, .Rammeafstand = 4.8, .GavlRammeAfst = 2.4,
      .CharnForskStd = 1, .CharnForsk = 0.686, .GavlUdh = 0.3,
      .EL1Mat = 2, .EL1 = 0.48,  // concrete or clay tiles
      .EL3Mat = 1, .EL3 = 0.03,
      .TerrKat = 1, .AfstVesterhav = 10.0,
      .NormSneFormFak = 1, .SneFormFak = 0.8, .SneFormFakNormal = 0.8, .SneFormFakForhojet = 1.2,
      .StyrkeKlasse = 2, .AaseHojde = 200.0, .AaseBredde = 50.0, .AnvKlasse = 1, .Sikkl = 1,
      .NormalKraftFaktor = 1.0, .Beslag = 12, .RappOmfang = 1};
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

// The example's project, working record and error box, and its case records.
class EksempelTest : public ::testing::Test {
 protected:
  TTilfaelde Tilfaelde(int aas, int lk, char lt) {
    TTilfaelde t;
    BygTilfaelde(t, aas, lk, lt, ind, sd);
    return t;
  }
  Inddata ind = EksempelInddata();
  TSupplData sd = EksempelSuppl(ind);
  TSkriptetDialog dlg;
};

}  // namespace kvistor::test
