// kvistor-cli: computes project files and writes reports, drawings and the
// design aids' tables without a window.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/kommandoer.h"
#include "cli/standardstroemme.h"

int main(int argc, char** argv) {
  using namespace kvistor;
  // A reader that goes away (kvistor-cli ... | head) is reported as a write
  // error with its reason, rather than ending the program silently.
  std::signal(SIGPIPE, SIG_IGN);
  SikrStandardstroemme();
  TStandardOutputBuffer udbuffer(STDOUT_FILENO);
  std::ostream ud(&udbuffer);
  const TMiljoe miljoe{IndstillingsfilNavn(), ::isatty(STDERR_FILENO) == 1};
  int kode = KoerKvistorCli({argv + 1, argv + argc}, ud, std::cerr, miljoe);
  // Every command, the helps and --version alike: output the standard
  // output did not take is a failed call, never a success.
  if (const auto aarsag = udbuffer.Luk()) {
    std::cerr << "Fejl: Uddata kan ikke skrives på standard-output.\n" << *aarsag << "\n";
    kode = AlvorligsteKode(kode, KodeBrug);
  }
  return kode;
}
