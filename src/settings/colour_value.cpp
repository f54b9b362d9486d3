#include "settings/colour_value.h"

#include <algorithm>

#include "settings/number_text.h"

namespace brevane {

namespace {

/// Position (from 1) of the first "=" at or after position `from`, or 0 when there is none.
std::size_t equalsSignFrom(std::string_view text, std::size_t from) {
    if (from < 1 || from > text.size()) return 0;
    const std::size_t found = text.find('=', from - 1);
    return found == std::string_view::npos ? 0 : found + 1;
}

/// The whole number of the text from position `from` (counted from 1) to the end.
std::int16_t numberFrom(std::string_view text, std::size_t from) {
    if (from < 1 || from > text.size()) return 0;
    return componentNumber(text.substr(from - 1));
}

int toByte(int component) {
    return std::clamp(component, 0, 255);
}

} // namespace

void GetRGB(ColourComponents& rgb, std::string_view value) {
    const std::size_t a = equalsSignFrom(value, 1);
    const std::size_t b = equalsSignFrom(value, a + 1);
    const std::size_t c = equalsSignFrom(value, b + 1);
    rgb[0] = numberFrom(value, c + 1);
    rgb[1] = numberFrom(value, b + 1);
    rgb[2] = numberFrom(value, a + 1);
}

std::int16_t componentNumber(std::string_view text) {
    return wholeNumber16(leadingNumber(text));
}

std::string colourValueText(const std::string& red, const std::string& green, const std::string& blue) {
    return "(B=" + blue + ",G=" + green + ",R=" + red + ",A=255)";
}

tk::Color previewColour(int red, int green, int blue) {
    return tk::rgb(toByte(red), toByte(green), toByte(blue));
}

} // namespace brevane
