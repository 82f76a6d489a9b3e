#include "framework/core/date.hpp"

#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>

namespace framework {

namespace {

Clock& CurrentClock() {
  static Clock clock;
  return clock;
}

std::locale UserLocale() {
  try {
    return std::locale("");
  } catch (const std::runtime_error&) {
    return std::locale::classic();
  }
}

std::string LocalText(std::chrono::system_clock::time_point moment, const char* pattern) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  std::ostringstream out;
  out.imbue(UserLocale());
  out << std::put_time(&local, pattern);
  return out.str();
}

}  // namespace

void SetClock(Clock clock) {
  CurrentClock() = std::move(clock);
}

std::chrono::system_clock::time_point Now() {
  const Clock& clock = CurrentClock();
  return clock ? clock() : std::chrono::system_clock::now();
}

std::string Date::ShortDate() const { return LocalText(moment_, "%x"); }

std::string Date::ShortTime() const { return LocalText(moment_, "%H:%M"); }

}  // namespace framework
