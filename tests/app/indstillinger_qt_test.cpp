// The window keeps its settings with QSettings; the core reads and writes
// the same file without Qt. Each side must read what the other wrote, with
// the awkward texts a firm name or a file name can hold.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "common/indstillinger.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

const std::vector<std::string> Tekster = {
    "Rådgivende \"Ingeniører\", A/S; x=y \\ b",
    "  blanke før og efter  ",
    "@at",
    "@@to",
    "@String(x)",
    std::string("nul\0" "1a", 6),
    "a\tb\nc\r\x01" "d\x7F" "e € \xE2\x80\xAE" "x",
    "",
    "😀",
    "#ikke en kommentar",
    ";heller ikke",
    "slut \\",
};

// A fresh folder as XDG_CONFIG_HOME. QSettings("Kvistor", "Kvistor") finds
// its file through QStandardPaths, but only once per process, so the tests
// name the file QStandardPaths gives and check that it is the core's.
struct TIndstillingsmappe : test::TKonfigmappe {
  TIndstillingsmappe() {
    const QString qt = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       "/Kvistor/Kvistor.conf";
    EXPECT_EQ(qt.toStdString(), IndstillingsfilNavn());
  }
  QString Fil() const { return QString::fromStdString(IndstillingsfilNavn()); }
};

TEST(IndstillingerQt, KernenLaeserHvadQSettingsSkriver) {
  TIndstillingsmappe mappe;
  {
    QSettings s(mappe.Fil(), QSettings::NativeFormat);
    for (std::size_t i = 0; i < Tekster.size(); ++i)
      s.setValue(QString("Tekst%1").arg(i), QString::fromUtf8(Tekster[i].data(),
                                                               static_cast<qsizetype>(Tekster[i].size())));
    s.setValue("Firma", "Tømrer & Søn ApS");
    s.setValue("Priser/GL 32h", 3.5);
    s.setValue("Seneste", QStringList{"/a b/x.aid", "/c,d.aid", " e"});
    s.setValue("Geometri", QByteArray("\x01\xd9\xd0", 3));
  }
  TIndstillinger ind;
  ASSERT_TRUE(LaesIndstillinger(IndstillingsfilNavn(), ind));
  for (std::size_t i = 0; i < Tekster.size(); ++i)
    EXPECT_EQ(LaesTekst(ind, "Tekst" + std::to_string(i)), Tekster[i]) << i;
  EXPECT_EQ(LaesTekst(ind, NoegleFirma), "Tømrer & Søn ApS");
  EXPECT_EQ(LaesTal(ind, "Priser/GL 32h"), 3.5);
  EXPECT_EQ(LaesListe(ind, "Seneste"), (std::vector<std::string>{"/a b/x.aid", "/c,d.aid", " e"}));

  // Written back by the core with one value changed: QSettings still reads
  // every value it wrote, the binary one included.
  SaetTekst(ind, NoegleFirma, "Ny Firma, A/S");
  ASSERT_TRUE(GemIndstillinger(IndstillingsfilNavn(), ind));
  QSettings s(mappe.Fil(), QSettings::NativeFormat);
  EXPECT_EQ(s.value("Firma").toString(), QString("Ny Firma, A/S"));
  EXPECT_EQ(s.value("Geometri").toByteArray(), QByteArray("\x01\xd9\xd0", 3));
  EXPECT_EQ(s.value("Seneste").toStringList(), (QStringList{"/a b/x.aid", "/c,d.aid", " e"}));
}

TEST(IndstillingerQt, QSettingsLaeserHvadKernenSkriver) {
  TIndstillingsmappe mappe;
  TIndstillinger ind;
  for (std::size_t i = 0; i < Tekster.size(); ++i) SaetTekst(ind, "Tekst" + std::to_string(i), Tekster[i]);
  SaetTekst(ind, "Nøgle/Med blank", "æ");
  SaetListe(ind, "Seneste", {"/a b/x.aid", "/c,d.aid"});
  SaetTal(ind, "Priser/C24", 2.25);
  ASSERT_TRUE(GemIndstillinger(IndstillingsfilNavn(), ind));
  QSettings s(mappe.Fil(), QSettings::NativeFormat);
  for (std::size_t i = 0; i < Tekster.size(); ++i)
    EXPECT_EQ(s.value(QString("Tekst%1").arg(i)).toString().toStdString(), Tekster[i]) << i;
  EXPECT_EQ(s.value("Nøgle/Med blank").toString(), QString("æ"));
  EXPECT_EQ(s.value("Seneste").toStringList(), (QStringList{"/a b/x.aid", "/c,d.aid"}));
  EXPECT_EQ(s.value("Priser/C24").toDouble(), 2.25);
}

}  // namespace
}  // namespace kvistor
