#pragma once
// What a purlin costs, relatively: a price per m³ of timber for each
// strength class, so that the design aids rank sections by price × area
// rather than by area alone (the strongest glulam would nearly always win on
// area). The prices are relative, C24 = 1,00; only their ratios matter.
//
// The defaults follow the usual ratios of Danish list prices for planed
// structural timber and glulam in stock sizes: a higher strength class
// costs more, as a smaller share of the sawn timber reaches it, and glulam
// costs 40-70 % more than solid timber per m³ for its lamination, gluing and
// planing. They are a guide only; the engineer sets his own prices in the
// settings or in a price file.
//
// A price file holds one line a class, "C24=1,00", with a decimal comma;
// blank lines and lines beginning with ';' or '#' are left alone, a line
// "[Priser]" may head the prices, and a class not named keeps its default.
// The settings keep them in their section [Priser].
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/indstillinger.h"
#include "purlin/traemateriale.h"

namespace kvistor {

struct TPrisTabel {
  // Relative price per m³ by strength class (the order of StyrkeKlasser).
  std::array<double, AntalStyrkeKlasser> PrisPrM3{};
  friend bool operator==(const TPrisTabel&, const TPrisTabel&) = default;
};

inline constexpr TPrisTabel StandardPriser{{0.90, 0.95, 1.00, 1.15, 1.45, 1.55, 1.70}};

// A price must lie in this range (a price file's number beyond it is refused).
inline constexpr double MindstePris = 0.01;
inline constexpr double StoerstePris = 100.0;

// "C14", "C18", "C24", "C30", "GL24c", "GL28c", "GL32c"; "?" outside.
std::string_view KlasseNavn(int styrkeKlasse);

// The relative price of one metre of purlin: price per m³ times the area
// in m² (depth and width in mm).
double PrisPrMeter(const TPrisTabel& priser, int styrkeKlasse, double hoejdeMm, double breddeMm);

// The prices of a price file's text. `kilde` names the file in messages.
// A damaged line refuses the whole text: Fejl then says which line and why.
struct TPrisLaesning {
  std::optional<TPrisTabel> Priser;
  std::string Fejl;
};
TPrisLaesning LaesPriser(std::string_view tekst, const std::string& kilde);

// The prices of the settings: the keys "Priser/C14" .. "Priser/GL32c"
// (section [Priser] of Kvistor.conf), each a number with a decimal comma
// as the window writes it ("1,10", quoted) or with a point as a number is
// written there ("1.1"). A class without a key keeps its default; a value
// that is no price refuses them all, and Fejl says which and why.
TPrisLaesning LaesPriserFraIndstillinger(const TIndstillinger& indstillinger,
                                         const std::string& kilde);

// The key of a class's price in the settings: "Priser/C24".
std::string PrisNoegle(int styrkeKlasse);

// "Priser pr. m³ (C24 = 1,00): C14 0,90  C18 0,95 ...", and whether they
// are the defaults, for the aids' notes.
std::string PrisGrundlag(const TPrisTabel& priser);

// A price file of these prices, for the engineer to edit.
std::string SkrivPrisfil(const TPrisTabel& priser);

}  // namespace kvistor
