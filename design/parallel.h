#pragma once
// The searches of the design aids run many independent whole calculations.
// They are shared out over a few threads by an atomic counter; every result
// lands in its own slot, so what a search returns never depends on the
// number of threads or on which thread computed what.
#include <cstddef>
#include <functional>
#include <stop_token>

namespace kvistor {

// How the caller steers a search.
struct TSoegeStyring {
  // Threads to use; 0 = as many as the machine has cores (at least 1).
  int Traade = 0;
  // Set by the caller (the window's "Annuller") to end the search early;
  // the calculations under way finish, no new ones start.
  std::stop_token Stop;
  // Called after each finished calculation with the number done so far and
  // the total. It is called from the worker threads, one call at a time and
  // with rising counts; a window forwards it to its own thread.
  std::function<void(std::size_t faerdige, std::size_t ialt)> Fremdrift;
};

// Runs arbejde(i) for every i in 0..antal-1 under `styring`. Returns false
// when the search was stopped before every i had run.
bool KoerParallelt(std::size_t antal, const TSoegeStyring& styring,
                   const std::function<void(std::size_t)>& arbejde);

}  // namespace kvistor
