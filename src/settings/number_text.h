#pragma once
// How every numeric box of the window reads, tests and prints numbers. The decimal point is always
// ".", whatever the user's regional settings, because the game's files are written that way.
#include <cstdint>
#include <string>
#include <string_view>

namespace brevane {

/// The leading number of `text`: blanks are skipped (also between the characters of the number), then
/// an optional sign, digits with at most one ".", and an optional exponent ("E"/"e", sign, digits).
/// Reading stops at the first character that does not fit: "1.5abc" reads 1.5; "", "abc" and "-" read 0.
double leadingNumber(std::string_view text);

/// True when `text`, apart from blanks at both ends, is exactly one number of the form above with at
/// least one digit. "", "-", ".", "1.2.3" and "1 2" are not numeric; "1.", ".5" and "-2e3" are.
bool isNumeric(std::string_view text);

/// The number text of `value`: at most 15 significant digits, no trailing zeros or point, "0." before
/// fractions, "." as the point, no separators. Integers print without a point. Magnitudes that need
/// more than 15 digits before the point, or fractions below 0.0001, print with an exponent ("1E+20").
std::string numberText(double value);

/// Rounds to the nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);

/// A whole-number box value (colour components, weapon priorities): rounded half to even and held as
/// a signed 16-bit number. Values beyond that range are pinned to its ends instead of failing.
std::int16_t wholeNumber16(double value);

/// The first `n` characters of `text`, or all of it when shorter (the "First n" load rules).
std::string firstChars(std::string_view text, std::size_t n);

} // namespace brevane
