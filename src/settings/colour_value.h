#pragma once
// The game's colour values: "(B=10,G=20,R=30,A=255)". The numbers are read by position, not by letter:
// after the first "=" is blue, after the second green, after the third red; the alpha is not kept.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/control.h"

namespace brevane {

/// Red, green, blue (elements 0, 1, 2) as whole numbers, rounded half to even and limited to 16 bits.
using ColourComponents = std::array<std::int16_t, 3>;

/// Fills `rgb` from the colour value `value`. Never fails: a missing "=" or number reads 0, and a single
/// "=" gives its number to red and blue alike, because the third search wraps round to the first sign.
void GetRGB(ColourComponents& rgb, std::string_view value);

/// The whole number a component text counts as: its leading number, rounded half to even, in 16 bits.
std::int16_t componentNumber(std::string_view text);

/// The value written back: "(B=" + blue + ",G=" + green + ",R=" + red + ",A=255)", texts as they stand.
std::string colourValueText(const std::string& red, const std::string& green, const std::string& blue);

/// The preview colour of three components; above 255 counts as 255, below 0 as 0.
tk::Color previewColour(int red, int green, int blue);

} // namespace brevane
