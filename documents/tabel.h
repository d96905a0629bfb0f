#pragma once
// The result tables, built once from the projects' figures and then written
// as a spreadsheet (XLSX), as CSV and as JSON (documents/tabelskrivning.h).
// A table is a plain record: columns with their header, unit, JSON key,
// kind and shown decimals, and rows of cells that are empty, a text, a
// number or a yes/no.
#include <string>
#include <variant>
#include <vector>

#include "documents/tabelprojekt.h"

namespace kvistor {

enum class TKolonneArt {
  Tekst,
  Tal,     // a number in the column's unit, shown with Decimaler
  Heltal,  // a whole number (L/u, a load combination)
  Andel,   // a ratio (1 = 100 %), shown and written for scripts as a percentage
  JaNej,   // a verdict: "OK" / "Ikke OK", true / false for scripts
};

struct TKolonne {
  std::string Overskrift;  // Danish header, "Forankring træk"
  std::string Enhed;       // "kN", "mm", "%"; empty for none
  std::string JsonNavn;    // "ForankringTraek_kN"
  TKolonneArt Art = TKolonneArt::Tekst;
  int Decimaler = 2;
};

using TCelle = std::variant<std::monostate, std::string, double, bool>;

struct TEksportTabel {
  std::string Navn;  // the sheet's name
  std::vector<TKolonne> Kolonner;
  std::vector<std::vector<TCelle>> Raekker;
  // The project of each row: its row in "Oversigt".
  std::vector<std::size_t> Projekt;
};

struct TResultattabeller {
  TEksportTabel Oversigt;   // one row per project, in the order given
  TEksportTabel Fagtyper;   // the detailed table: per project that was computed and bay type
  TEksportTabel Tilfaelde;  // per computed case and bay type
  TEksportTabel Kurver;     // x, V and M of the cases that govern bending
};

// The header cell as the spreadsheet and the CSV show it: "Forankring træk
// (kN)".
std::string KolonneOverskrift(const TKolonne& k);

TResultattabeller BygResultattabeller(const std::vector<TTabelProjekt>& projekter);

}  // namespace kvistor
