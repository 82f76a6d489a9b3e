#pragma once

#include <cstdint>
#include <string>

#include "framework/core/text.hpp"

// Right-aligns a text in a column of a fixed width, the idiom of every listing and report
// column. A text wider than its column is kept whole, so that a large value never loses its
// leading digits or its minus sign; its row is then wider.
inline std::string RightAlign(const std::string& text, int64_t width) {
  static const std::string pad(20, ' ');
  if (framework::Len(text) > width) return text;
  return framework::Right(pad + text, width);
}
