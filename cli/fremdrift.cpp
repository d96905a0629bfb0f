#include "cli/fremdrift.h"

#include <csignal>
#include <ostream>
#include <string>

#include "cli/kommandoer.h"

namespace kvistor {

namespace {

// Set by the signal handler, read by the search's progress calls: a signal
// handler can do no more than set such a flag. A second Ctrl+C ends the
// program at once, for a user who will not wait for the calculations under
// way.
volatile std::sig_atomic_t CtrlC = 0;

extern "C" void VedCtrlC(int signal) {
  if (CtrlC) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  CtrlC = 1;
}

// The line is shown after a second and renewed ten times a second.
constexpr auto Ventetid = std::chrono::seconds(1);
constexpr auto Interval = std::chrono::milliseconds(100);

}  // namespace

TSoegeVisning::TSoegeVisning(std::ostream& fejl, bool terminal) : fejl_(fejl), terminal_(terminal) {
  CtrlC = 0;
  struct sigaction ny {};
  ny.sa_handler = VedCtrlC;
  sigemptyset(&ny.sa_mask);
  ::sigaction(SIGINT, &ny, &foer_);
}

TSoegeVisning::~TSoegeVisning() {
  ::sigaction(SIGINT, &foer_, nullptr);
  RydLinje();
}

TSoegeStyring TSoegeVisning::Styring() {
  TSoegeStyring s;
  s.Stop = stop_.get_token();
  s.Fremdrift = [this](std::size_t faerdige, std::size_t ialt) { Fremdrift(faerdige, ialt); };
  return s;
}

bool TSoegeVisning::Stoppet() const { return CtrlC != 0; }

void TSoegeVisning::Fremdrift(std::size_t faerdige, std::size_t ialt) {
  faerdige_ = faerdige;
  ialt_ = ialt;
  if (CtrlC) stop_.request_stop();
  if (!terminal_ || faerdige >= ialt) return;
  const auto nu = std::chrono::steady_clock::now();
  if (nu - start_ < Ventetid || nu - vist_ < Interval) return;
  vist_ = nu;
  const std::string linje =
      "Beregning " + std::to_string(faerdige) + " af " + std::to_string(ialt) + " ...";
  // Written over the previous one in place; blanks wipe a longer one.
  const std::size_t rest = linjelaengde_ > linje.size() ? linjelaengde_ - linje.size() : 0;
  fejl_ << '\r' << linje << std::string(rest, ' ') << std::flush;
  linjelaengde_ = linje.size();
}

void TSoegeVisning::RydLinje() {
  if (linjelaengde_ == 0) return;
  fejl_ << '\r' << std::string(linjelaengde_, ' ') << '\r' << std::flush;
  linjelaengde_ = 0;
}

int TSoegeVisning::MeldStop() {
  RydLinje();
  fejl_ << "Stoppet med Ctrl+C efter " << faerdige_ << " af " << ialt_
        << " beregninger; der er ikke skrevet noget resultat.\n";
  return KodeStoppet;
}

}  // namespace kvistor
