#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace framework {

// Where a new Date takes its moment from: the system clock, unless a clock has been set in
// its place (a test's, that it moves on by itself).
using Clock = std::function<std::chrono::system_clock::time_point()>;
// An empty clock puts the system clock back.
void SetClock(Clock clock);
std::chrono::system_clock::time_point Now();

// A moment, taken when the Date is made, shown in the user's short forms.
class Date {
 public:
  Date() : moment_(Now()) {}
  explicit Date(std::chrono::system_clock::time_point moment) : moment_(moment) {}

  std::string ShortDate() const;
  std::string ShortTime() const;

 private:
  std::chrono::system_clock::time_point moment_;
};

}  // namespace framework
