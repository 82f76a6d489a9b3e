#pragma once

#include <chrono>
#include <string>

namespace framework {

// A moment, taken when the Date is made, shown in the user's short forms.
class Date {
 public:
  Date() : moment_(std::chrono::system_clock::now()) {}
  explicit Date(std::chrono::system_clock::time_point moment) : moment_(moment) {}

  std::string ShortDate() const;
  std::string ShortTime() const;

 private:
  std::chrono::system_clock::time_point moment_;
};

}  // namespace framework
