// kvistor-cli dokumentation in-process: the names come from the settings
// unless given, the same date gives the same file on the standard output,
// a calculation with a failing verdict is written with exit code 4, and a
// failing supplementary check is told.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/kommandoer.h"
#include "common/indstillinger.h"
#include "hjaelp/pdf_vaerktoej.h"
#include "hjaelp/program.h"
#include "hjaelp/projekt.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

const std::string Standard =
    (std::filesystem::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();

test::TKoersel Koer(const test::Args& a, const TMiljoe& miljoe) {
  return test::KoerInternt({"dokumentation"}, a, miljoe);
}

TEST(DokumentationKommando, NavneFraIndstillingerneMedmindreDeGives) {
  const test::TTestMappe m;
  TIndstillinger ind;
  SaetTekst(ind, NoegleFirma, "Indstillet Firma A/S");
  SaetTekst(ind, NoegleUdfoertAf, "Ida Indstillet");
  SaetTekst(ind, NoegleKontrolleretAf, "Karl Kontrol");
  ASSERT_TRUE(GemIndstillinger(m / "Kvistor.conf", ind));
  const TMiljoe miljoe{m / "Kvistor.conf"};

  const auto r = Koer({Standard, "-o", m / "a.pdf", "--dato", "2026-03-01,14:05:00",
                       "--udfoert-af", "Anne Andersen"},
                      miljoe);
  ASSERT_EQ(r.kode, KodeOk) << r.fejl;
  const std::string forside = test::TPdfFil(test::Bytes(m / "a.pdf"), "kommando").Sider().at(0);
  for (const char* navn : {"Indstillet Firma A/S", "Anne Andersen", "Karl Kontrol"})
    EXPECT_NE(forside.find(navn), std::string::npos) << navn;
  EXPECT_EQ(forside.find("Ida Indstillet"), std::string::npos);

  // The standard output gets the very same file.
  const auto s = Koer({Standard, "-o", "-", "--dato", "2026-03-01,14:05:00", "--udfoert-af",
                       "Anne Andersen"},
                      miljoe);
  EXPECT_EQ(s.kode, KodeOk) << s.fejl;
  EXPECT_EQ(s.ud, test::Bytes(m / "a.pdf"));
}

TEST(DokumentationKommando, EnAdvarselGiverSlutkode4OgDokumentet) {
  const test::TTestMappe m;
  // Ten times the roof covering is far too much for Standard.aid's purlin.
  const auto r = Koer({test::StandardMed(m, "lille.aid", {{15, "      2,00"}}), "-o", m / "lille.pdf"}, {});
  EXPECT_EQ(r.kode, KodeAdvarsel) << r.fejl;
  EXPECT_NE(r.fejl.find("Bemærk: Åsedimensionen er utilstrækkelig"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(m / "lille.pdf"));

  // A supplementary check that fails is told beside the report's verdicts,
  // which alone decide the exit code.
  const auto b = Koer({test::StandardMed(m, "r30.aid", {}, {"Brandmodstand=30"}), "-o", m / "r30.pdf"}, {});
  EXPECT_EQ(b.kode, KodeOk) << b.fejl;
  EXPECT_EQ(b.fejl, "Bemærk: Brandmodstanden R30 er ikke opfyldt (opnået 24 min)\n");
}

}  // namespace
}  // namespace kvistor
