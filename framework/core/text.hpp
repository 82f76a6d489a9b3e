#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text and number services. Texts are UTF-8; lengths and positions count characters.
namespace framework {

std::string Chr(int code);
int64_t Len(std::string_view text);
// The last `count` characters of the text (the whole text when it is shorter).
std::string Right(std::string_view text, int64_t count);

// The number of fields that `separator` divides the text into; the empty text has none.
int64_t CountFields(std::string_view text, std::string_view separator);
// Field `n`, counted from 1; empty when the text has fewer fields.
std::string NthField(std::string_view text, std::string_view separator, int64_t n);

// The number the text begins with, read in the C locale: leading blanks, an optional sign,
// digits with an optional decimal point, an optional exponent. 0 when no number begins the
// text; an infinity beyond the range of a Double.
double Val(std::string_view text);

// The default text of a number: an Integer's digits; a Double with at most 7 significant
// digits in its shortest form ("99", "2.7", "-0.5").
std::string Str(int64_t value);
std::string Str(int value);
std::string Str(double value);

// A number under a mask of '#' (a digit shown only where needed), '0' (a digit always
// shown), '.' and an optional leading '-'. The digits after the point are fixed and rounded
// half away from zero; a negative value always shows its minus sign; infinities and
// not-a-number print as "INF", "-INF" and "NAN".
std::string Format(double value, std::string_view mask);

}  // namespace framework
