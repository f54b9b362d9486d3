#pragma once
// Text of the core (Windows-1252 bytes, CR LF line ends) as a terminal shows it, and back.
#include <string>
#include <string_view>

namespace brevane::cli {

/// LF line ends, UTF-8.
std::string forTerminal(std::string_view text);

/// Terminal text in double quotes, for messages about values.
inline std::string quoted(const std::string& utf8) {
    return "\"" + utf8 + "\"";
}

/// A command-line argument (UTF-8) as the core's Windows-1252 bytes. `representable` is false when a
/// character has no Windows-1252 byte (it became "?") or the argument is not valid UTF-8.
struct CoreText {
    std::string bytes;
    bool representable = true;
};
CoreText fromTerminal(std::string_view utf8);

} // namespace brevane::cli
