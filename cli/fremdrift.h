#pragma once
// A long search of a design aid on the command line (dimensioner and
// charnier take many seconds on a long purlin): on a terminal it shows how
// far it is, and Ctrl+C stops it cleanly through the search's stop token,
// with nothing written.
#include <signal.h>

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <stop_token>

#include "design/parallel.h"

namespace kvistor {

class TSoegeVisning {
 public:
  // `terminal`: standard error is a terminal, where the progress line is
  // shown. Ctrl+C stops the search either way.
  TSoegeVisning(std::ostream& fejl, bool terminal);
  ~TSoegeVisning();
  TSoegeVisning(const TSoegeVisning&) = delete;
  TSoegeVisning& operator=(const TSoegeVisning&) = delete;

  // The steering for the search: its stop token and its progress.
  TSoegeStyring Styring();
  // Whether Ctrl+C came; the search has then stopped early.
  bool Stoppet() const;
  // Clears the progress line and says that the search was stopped after
  // how many calculations; returns KodeStoppet.
  int MeldStop();

 private:
  void Fremdrift(std::size_t faerdige, std::size_t ialt);
  void RydLinje();
  std::ostream& fejl_;
  bool terminal_;
  struct sigaction foer_ {};  // the handler of SIGINT before, put back at the end
  std::stop_source stop_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point vist_{};
  std::size_t linjelaengde_ = 0;
  std::size_t faerdige_ = 0, ialt_ = 0;
};

}  // namespace kvistor
