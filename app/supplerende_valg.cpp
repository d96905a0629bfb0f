#include "app/supplerende_valg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

namespace kvistor {

TSupplerendeValgBoks::TSupplerendeValgBoks(const Inddata& ind, TVedAendring vedAendring, QWidget* foraelder)
    : QWidget(foraelder), projekt_(ProjektetsSupplerendeValg(ind)) {
  auto* h = new QHBoxLayout(this);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(new QLabel(QStringLiteral("Varianterne skal også bestå:")));
  skaerpet_ = new QCheckBox(QStringLiteral("Skærpet kontrol"));
  skaerpet_->setToolTip(QStringLiteral("Revnefaktor 0,67 i forskydning og qki med spidsfaktor kp = 3,5"));
  const bool krav = projekt_.BrandMinutter > 0;
  brand_ = new QCheckBox(krav ? QStringLiteral("Brandmodstand R%1 (%2 sider)")
                                    .arg(projekt_.BrandMinutter)
                                    .arg(projekt_.BrandSider)
                              : QStringLiteral("Brandmodstand (intet krav på \"Inddata 2\")"));
  brand_->setEnabled(krav);
  h->addWidget(skaerpet_);
  h->addWidget(brand_);
  h->addStretch();
  for (QCheckBox* b : {skaerpet_, brand_})
    connect(b, &QCheckBox::toggled, this, [this, vedAendring] { vedAendring(Valg()); });
}

TSupplerendeValg TSupplerendeValgBoks::Valg() const {
  TSupplerendeValg v;
  v.Skaerpet = skaerpet_->isChecked();
  v.BrandMinutter = brand_->isChecked() ? projekt_.BrandMinutter : 0;
  v.BrandSider = projekt_.BrandSider;
  return v;
}

TSupplerendeValgBoks* TilfoejSupplerendeValg(
    THjaelpemiddelDialog& d, const Inddata& ind,
    std::function<THjaelpemiddelDialog::TSoegning(const TSupplerendeValg&)> lav) {
  auto* boks = new TSupplerendeValgBoks(
      ind, [&d, lav](const TSupplerendeValg& v) { d.Genstart(lav(v)); }, &d);
  d.TilfoejValg(boks);
  return boks;
}

}  // namespace kvistor
