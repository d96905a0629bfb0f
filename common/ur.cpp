#include "common/ur.h"

#include <ctime>

namespace kvistor {

TTidspunkt TSystemUr::Nu() const {
  const std::time_t nu = std::time(nullptr);
  std::tm lokal{};
  TTidspunkt t;
  if (localtime_r(&nu, &lokal) == nullptr) return t;
  t.aar = lokal.tm_year + 1900;
  t.maaned = lokal.tm_mon + 1;
  t.dag = lokal.tm_mday;
  t.time = lokal.tm_hour;
  t.minut = lokal.tm_min;
  // A leap second (60) is shown as 59 so the report's time stays ordinary.
  t.sekund = lokal.tm_sec > 59 ? 59 : lokal.tm_sec;
  return t;
}

}  // namespace kvistor
