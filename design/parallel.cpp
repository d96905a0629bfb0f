#include "design/parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace kvistor {

bool KoerParallelt(std::size_t antal, const TSoegeStyring& styring,
                   const std::function<void(std::size_t)>& arbejde) {
  int traade = styring.Traade > 0 ? styring.Traade
                                  : static_cast<int>(std::thread::hardware_concurrency());
  traade = std::clamp(traade, 1, 64);
  if (static_cast<std::size_t>(traade) > antal) traade = static_cast<int>(std::max<std::size_t>(antal, 1));

  std::atomic<std::size_t> naeste{0};
  std::size_t faerdige = 0;
  std::mutex fremdriftLaas;
  std::exception_ptr fejl;
  std::atomic<bool> fejlet{false};
  auto arbejder = [&] {
    for (;;) {
      if (styring.Stop.stop_requested() || fejlet.load()) return;
      const std::size_t i = naeste.fetch_add(1, std::memory_order_relaxed);
      if (i >= antal) return;
      try {
        arbejde(i);
      } catch (...) {
        // An exception (out of memory) must not end the program from a
        // helper thread: it is handed to the caller after the join.
        std::lock_guard<std::mutex> laas(fremdriftLaas);
        if (!fejl) fejl = std::current_exception();
        fejlet = true;
        return;
      }
      std::lock_guard<std::mutex> laas(fremdriftLaas);
      ++faerdige;
      if (styring.Fremdrift) styring.Fremdrift(faerdige, antal);
    }
  };
  {
    // The caller's thread works too; the others join at the end of the block.
    std::vector<std::jthread> hjaelpere;
    hjaelpere.reserve(static_cast<std::size_t>(traade - 1));
    for (int t = 1; t < traade; ++t) hjaelpere.emplace_back(arbejder);
    arbejder();
  }
  if (fejl) std::rethrow_exception(fejl);
  return faerdige == antal;
}

}  // namespace kvistor
