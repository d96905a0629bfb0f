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
// A price file (and the settings file's section [Priser]) holds one line a
// class, "C24=1,00", with a decimal comma; blank lines and lines beginning
// with ';' or '#' are left alone, a line "[Priser]" may head the prices,
// and a class not named keeps its default.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvistor {

struct TPrisTabel {
  // Relative price per m³ by strength class 0..6 (C14 .. GL32c).
  std::array<double, 7> PrisPrM3{};
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

// The same from a settings file (plain INI): only its section [Priser] is
// read, the other sections are the settings of others.
TPrisLaesning LaesPriserFraIndstillinger(std::string_view iniTekst, const std::string& kilde);

// "Priser pr. m³ (C24 = 1,00): C14 0,90  C18 0,95 ...", and whether they
// are the defaults, for the aids' notes.
std::string PrisGrundlag(const TPrisTabel& priser);

// A price file of these prices, for the engineer to edit.
std::string SkrivPrisfil(const TPrisTabel& priser);

}  // namespace kvistor
