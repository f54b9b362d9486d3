#pragma once
// Comparing and hashing the game's keys, headers and commands ignoring ASCII letter case. Only 'A'-'Z'
// fold: every other byte (Windows-1252 letters included) compares exactly, as the game's files are
// written in ASCII names.
#include <cstddef>
#include <string_view>

namespace brevane {

constexpr char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

/// ASCII case-insensitive equality. Inline: the writer and the index ask it for every line.
inline bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

/// A hash of `text` that is the same for texts equal ignoring ASCII letter case.
std::size_t hashIgnoreCase(std::string_view text);

/// Hash and equality for unordered containers keyed by text ignoring ASCII letter case; transparent, so a
/// lookup by std::string_view makes no copy.
struct IgnoreCaseHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return hashIgnoreCase(text); }
};

struct IgnoreCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return equalsIgnoreCase(a, b); }
};

} // namespace brevane
