#include "framework/core/text.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace framework {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string Chr(int code) {
  std::string out;
  const auto cp = static_cast<uint32_t>(code);
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | ((cp >> 18) & 0x07));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

int64_t Len(std::string_view text) {
  int64_t count = 0;
  for (char c : text) {
    if (!IsContinuationByte(c)) ++count;
  }
  return count;
}

std::string Right(std::string_view text, int64_t count) {
  if (count <= 0) return {};
  std::size_t start = text.size();
  int64_t taken = 0;
  while (start > 0 && taken < count) {
    --start;
    if (!IsContinuationByte(text[start])) ++taken;
  }
  return std::string(text.substr(start));
}

int64_t CountFields(std::string_view text, std::string_view separator) {
  if (text.empty()) return 0;
  if (separator.empty()) return 1;
  int64_t fields = 1;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, at + separator.size())) {
    ++fields;
  }
  return fields;
}

std::string NthField(std::string_view text, std::string_view separator, int64_t n) {
  if (n < 1 || text.empty()) return {};
  if (separator.empty()) return n == 1 ? std::string(text) : std::string();
  std::size_t begin = 0;
  for (int64_t field = 1; field < n; ++field) {
    const std::size_t at = text.find(separator, begin);
    if (at == std::string_view::npos) return {};
    begin = at + separator.size();
  }
  const std::size_t end = text.find(separator, begin);
  return std::string(text.substr(begin, end == std::string_view::npos ? end : end - begin));
}

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t numberBegin = i;
  std::size_t integerDigits = 0;
  std::size_t leadingZeros = 0;
  while (i < text.size() && IsDigit(text[i])) {
    if (integerDigits == leadingZeros && text[i] == '0') ++leadingZeros;
    ++integerDigits;
    ++i;
  }
  std::size_t fractionDigits = 0;
  if (i < text.size() && text[i] == '.') {
    std::size_t j = i + 1;
    while (j < text.size() && IsDigit(text[j])) ++j;
    fractionDigits = j - i - 1;
    if (integerDigits > 0 || fractionDigits > 0) i = j;
  }
  if (integerDigits == 0 && fractionDigits == 0) return 0.0;
  // An exponent counts only when at least one digit follows its letter and sign.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  const std::string_view number = text.substr(numberBegin, i - numberBegin);
  if (number.size() == integerDigits && integerDigits <= 15) {
    // A whole number below 10^15 is exact as a Double; most scores are such numbers, and
    // adding up their digits is much quicker than the general conversion.
    int64_t whole = 0;
    for (char digit : number) whole = whole * 10 + (digit - '0');
    const auto value = static_cast<double>(whole);
    return negative ? -value : value;
  }
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Too large or too small for a Double: decide by the decimal magnitude of the text.
    const bool significantIntegerDigits = integerDigits > leadingZeros;
    long long exponent = 0;
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
      std::string_view digits = number.substr(e + 1);
      const bool negativeExponent = !digits.empty() && digits[0] == '-';
      if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
      const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
      if (parsed.ec == std::errc::result_out_of_range) {
        exponent = std::numeric_limits<long long>::max();
      }
      if (negativeExponent) exponent = -exponent;
    }
    const bool overflow = significantIntegerDigits ? exponent > -308 : exponent > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

std::string Str(int64_t value) { return std::to_string(value); }

std::string Str(int value) { return std::to_string(value); }

// The form of printf's "%.7g", which to_chars gives without a locale. Scores are mostly whole
// numbers or short decimals, and those have quicker roads to the same text than the
// seven-digit conversion, which the listing of a large file would otherwise spend most of
// its time in.
std::string Str(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0.0) return "0";  // also for minus zero
  std::array<char, 32> buffer{};
  char* const first = buffer.data();
  char* const last = first + buffer.size();
  const bool whole = std::trunc(value) == value;
  if (whole && std::fabs(value) < 1e7) {
    // At most seven digits: "%.7g" shows the whole number as it is.
    return std::string(first, std::to_chars(first, last, static_cast<int64_t>(value)).ptr);
  }
  if (!whole) {
    // The shortest text that reads back as the value: with at most seven significant digits
    // it is what "%.7g" gives, since rounding the value to seven digits lands on that text,
    // and "%g" with that many digits picks fixed or exponent notation as "%.7g" does for a
    // number that is not whole.
    char* const end = std::to_chars(first, last, value, std::chars_format::general).ptr;
    int significant = 0;
    bool leading = true;
    for (const char* c = first; c != end && *c != 'e'; ++c) {
      if (*c < '0' || *c > '9') continue;
      if (leading && *c == '0') continue;
      leading = false;
      ++significant;
    }
    if (significant <= 7) return std::string(first, end);
  }
  return std::string(first, std::to_chars(first, last, value, std::chars_format::general, 7).ptr);
}

std::string Format(double value, std::string_view mask) {
  if (!std::isfinite(value)) return NonFiniteText(value);

  const std::size_t point = mask.find('.');
  const std::string_view integerMask = mask.substr(0, point);
  const int decimals =
      point == std::string_view::npos ? 0 : static_cast<int>(mask.size() - point - 1);
  int requiredIntegerDigits = 0;
  for (char c : integerMask) {
    if (c == '0') ++requiredIntegerDigits;
  }

  // The exact decimal expansion of the Double, so that rounding half away from zero looks at
  // the value itself and not at an already rounded text. to_chars, not printf: printf takes
  // the decimal point of the C locale, which Qt sets from the user's environment, and a comma
  // there would make nonsense of every figure.
  static constexpr int kExactDigits = 1080;
  std::array<char, 1500> exact{};
  const auto written = std::to_chars(exact.data(), exact.data() + exact.size(), std::fabs(value),
                                     std::chars_format::fixed, kExactDigits);
  std::string digits(exact.data(), written.ptr);
  const std::size_t dot = digits.find('.');
  std::string integerPart = digits.substr(0, dot);
  std::string fraction = digits.substr(dot + 1, static_cast<std::size_t>(decimals));
  const bool roundUp = digits[dot + 1 + static_cast<std::size_t>(decimals)] >= '5';
  if (roundUp) {
    std::string all = integerPart + fraction;
    int carryAt = static_cast<int>(all.size()) - 1;
    while (carryAt >= 0 && all[static_cast<std::size_t>(carryAt)] == '9') {
      all[static_cast<std::size_t>(carryAt)] = '0';
      --carryAt;
    }
    if (carryAt < 0) {
      all.insert(all.begin(), '1');
    } else {
      ++all[static_cast<std::size_t>(carryAt)];
    }
    integerPart = all.substr(0, all.size() - fraction.size());
    fraction = all.substr(all.size() - fraction.size());
  }

  const std::size_t firstSignificant = integerPart.find_first_not_of('0');
  integerPart = firstSignificant == std::string::npos ? "" : integerPart.substr(firstSignificant);
  while (static_cast<int>(integerPart.size()) < requiredIntegerDigits) {
    integerPart.insert(integerPart.begin(), '0');
  }
  const bool roundedToZero = integerPart.find_first_not_of('0') == std::string::npos &&
                             fraction.find_first_not_of('0') == std::string::npos;

  std::string out;
  if (value < 0 && !roundedToZero) out += '-';
  out += integerPart;
  if (point != std::string_view::npos) {
    out += '.';
    out += fraction;
  }
  if (out.empty()) out.push_back('0');
  return out;
}

}  // namespace framework
