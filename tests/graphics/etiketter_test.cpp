// The labels of the drawings as the user sees them: every text inside the
// picture, clear of every line, marker and other text, measured with the SVG
// canvas's own text metric (the window's fonts are tested in tests/app).
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "calculation/tvaersnit_byg.h"
#include "graphics/kontroltegning.h"
#include "graphics/kraftkurvetegning.h"
#include "graphics/svg_laerred.h"
#include "hjaelp/dialog_fake.h"
#include "hjaelp/optagende_laerred.h"
#include "hjaelp/projekt.h"

namespace kvistor {
namespace {

// The picture of the command line and the golden files, and the paint boxes
// of the two pages in the window at its default and its smallest size.
constexpr std::pair<int, int> Stoerrelser[] = {{760, 520}, {626, 529}, {626, 415}, {626, 545},
                                               {626, 431}};

Inddata MedFag(int fag) {
  Inddata d = test::StandardProjekt();
  d.AntalFag = fag;
  return d;
}

TEST(Etiketter, KontroltegningernesTeksterStaarFrit) {
  // The shipped project (8 bays), a hall of 4 and one of 3 (the fewest bays
  // the drawing may be asked for while the field still holds them).
  const std::pair<Inddata, std::string> projekter[] = {
      {test::StandardProjekt(), "Standard"}, {MedFag(4), "4 fag"}, {MedFag(3), "3 fag"}};
  for (const auto& [ind, navn] : projekter)
    for (auto art : {TKontroltegning::Tvaer, TKontroltegning::Laengde})
      for (const auto& [b, h] : Stoerrelser) {
        TSvgLaerred svg(b, h);
        TOptagendeLaerred l(svg);
        TegnKontroltegning(art, ind, l, b, h);
        SCOPED_TRACE(navn + (art == TKontroltegning::Tvaer ? " tvær " : " længde ") +
                     std::to_string(b) + " x " + std::to_string(h));
        EXPECT_EQ(Tekstkonflikter(l, b, h), std::vector<std::string>{});
      }
}

TEST(Etiketter, KraftkurvernesTeksterStaarIndeOgFrit) {
  const Inddata ind = test::StandardProjekt();
  TSupplData sd;
  BestemTvaersnit(ind, sd);
  TSkriptetDialog dlg;
  // Purlin 1 under LK 9/w has its largest shear just inside the left end:
  // its label, minus sign first, once ran off the picture. Beside it the
  // cases that govern bending, as the page "Kurver" first shows them, and
  // three cases, the most that page shows at once.
  const auto enkelt = BeregnKraftkurver(ind, sd, {{1, 9, 'w'}}, dlg);
  const auto givende = BeregnKraftkurver(ind, sd, BoejningsgivendeTilfaelde(ind, sd, dlg), dlg);
  const auto tre = BeregnKraftkurver(ind, sd, {{1, 9, 'w'}, {2, 3, 'b'}, {2, 3, 'h'}}, dlg);
  ASSERT_TRUE(enkelt && givende && tre);
  // The export's picture, the page's paint box at the window's default and
  // smallest size, and for one case a small picture from the command line.
  for (const auto* kurver : {&*enkelt, &*givende, &*tre}) {
    const int n = static_cast<int>(kurver->size());
    for (const auto& [b, h] :
         {std::pair{1000, 600 * n}, {614, 512}, {614, 398}, {400, n == 1 ? 300 : 398}}) {
      TSvgLaerred svg(b, h);
      TOptagendeLaerred l(svg);
      TegnKraftkurveDiagram(*kurver, l, b, h);
      SCOPED_TRACE(std::to_string(n) + " tilfælde, " + std::to_string(b) + " x " +
                   std::to_string(h));
      EXPECT_EQ(Tekstkonflikter(l, b, h), std::vector<std::string>{});
      EXPECT_EQ(l.Tekster.size(), 6u * kurver->size());  // two titles, four extremes
    }
  }
}

}  // namespace
}  // namespace kvistor
