#pragma once
// Wind on the gable walls: the purlin ends carry their share of each gable
// wall, so the purlins act as ties or struts. For a wind case of LK 5, 6 or
// 9 this sums the partial loads of the gable-wall zones on the purlin's band
// of the south and north gable and stores the resulting hinge tension N and
// compression NTryk per bay type.
#include "common/dialog.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"

namespace kvistor {

// Sets N and NTryk of FagRes[1..3] (0 unless NormalKraftFaktor ≠ 0 and LK is
// 5, 6 or 9) and, in the detailed report extent, appends the table "Detaljer
// vedr. vindlast på gavlvægge" to tilfaelde.Linier.
void BygVindlastGavl(TTilfaelde& tilfaelde, const Inddata& inddata, const TSupplData& suppl,
                     TBrugerDialog& dialog);

}  // namespace kvistor
