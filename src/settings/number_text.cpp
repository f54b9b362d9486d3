#include "settings/number_text.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace brevane {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

/// The characters of the leading number of `text` with the blanks inside it dropped, ready for strtod;
/// empty when no digit was read.
std::string leadingNumberChars(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    bool digits = false;
    bool point = false;
    for (;;) {
        skipBlanks();
        if (i >= text.size()) break;
        if (isDigit(text[i])) {
            out += text[i++];
            digits = true;
        } else if (text[i] == '.' && !point) {
            out += text[i++];
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return {};
    skipBlanks();
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        while (j < text.size() && isBlank(text[j]))
            ++j;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool expDigits = false;
        for (;;) {
            while (j < text.size() && isBlank(text[j]))
                ++j;
            if (j >= text.size() || !isDigit(text[j])) break;
            exponent += text[j++];
            expDigits = true;
        }
        if (expDigits) out += exponent;
    }
    return out;
}

} // namespace

double leadingNumber(std::string_view text) {
    std::string chars = leadingNumberChars(text);
    if (chars.empty()) return 0;
    double value = std::strtod(chars.c_str(), nullptr);
    // A huge exponent would give infinity; the largest finite number keeps later arithmetic sane.
    if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

bool isNumeric(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < end; ++i) {
        if (isDigit(text[i]))
            digits = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digits) return false;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
        bool expDigits = false;
        while (i < end && isDigit(text[i])) {
            ++i;
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    return i == end;
}

std::string numberText(double value) {
    if (std::isnan(value)) return "0";
    if (value == 0) return "0"; // also -0
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    // Exponent form: "1e+20" becomes "1E+20", "1.5e-07" becomes "1.5E-07".
    text[e] = 'E';
    return text;
}

double roundHalfEven(double value) {
    // nearbyint follows the current rounding mode, which is round-to-nearest-even unless changed.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return rounded;
}

std::int16_t wholeNumber16(double value) {
    double rounded = roundHalfEven(value);
    if (std::isnan(rounded)) return 0;
    if (rounded < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    if (rounded > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(rounded);
}

std::string firstChars(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, n));
}

} // namespace brevane
