// kvistor-cli: computes project files and writes reports and control drawings
// without a window.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/kommandoer.h"
#include "common/filer.h"
#include "common/version.h"

int main(int argc, char** argv) {
  // A reader that goes away (kvistor-cli ... | head) is reported as a write
  // error with its reason, rather than ending the program silently.
  std::signal(SIGPIPE, SIG_IGN);
  kvistor::InstallerSignalOprydning();
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "hjaelp") {
    kvistor::SkrivHjaelp(std::cout);
    return args.empty() ? kvistor::KodeBrug : kvistor::KodeOk;
  }
  if (args[0] == "--version") {
    std::cout << "kvistor-cli " << kvistor::ProgramVersion << "\n";
    return kvistor::KodeOk;
  }
  const std::string kommando = args[0];
  args.erase(args.begin());
  if (kommando == "rapport") return kvistor::RapportKommando(args, std::cout, std::cerr);
  if (kommando == "tegning") return kvistor::TegningKommando(args, std::cout, std::cerr);
  if (kommando == "dimensioner") return kvistor::DimensionerKommando(args, std::cout, std::cerr);
  if (kommando == "charnier") return kvistor::CharnierKommando(args, std::cout, std::cerr);
  if (kommando == "kurver") return kvistor::KurverKommando(args, std::cout, std::cerr);
  std::cerr << "Ukendt kommando: " << kommando << "\n";
  kvistor::SkrivHjaelp(std::cerr);
  return kvistor::KodeBrug;
}
