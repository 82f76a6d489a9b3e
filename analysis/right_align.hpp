#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "framework/core/text.hpp"

// Right-aligns a text in a column of a fixed width, the idiom of every listing and report
// column. A text wider than its column is kept whole, so that a large value never loses its
// leading digits or its minus sign; its row is then wider. This is the form for the first
// value of a row, which has nothing to its left.
inline std::string RightAlign(const std::string& text, int64_t width) {
  const int64_t length = framework::Len(text);
  if (length > width) return text;
  // The last `width` characters of 20 blanks and the text: the text behind as many blanks as
  // fill the column, 20 at the most.
  const auto blanks = static_cast<std::size_t>(std::min<int64_t>(width - length, 20));
  std::string aligned;
  aligned.reserve(blanks + text.size());
  aligned.append(blanks, ' ');
  aligned += text;
  return aligned;
}

// Right-aligns a value that follows another in its row. A value that fills or overflows its
// column gets one blank in front, so that a reader or a program can still split the row into
// its values; the rest of the row moves right by that much. A shorter value comes out as
// RightAlign sets it.
inline std::string RightAlignAfter(const std::string& text, int64_t width) {
  if (framework::Len(text) >= width) return " " + text;
  return RightAlign(text, width);
}
