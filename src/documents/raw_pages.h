#pragma once
// The raw-text pages' own logic: the fixed lists of section headers to jump to, the search they use
// and the copy they save. Text is Windows-1252 bytes with CR LF line ends, as read.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace brevane {

/// The "Jump To Section" list of the User.ini page (66 headers, in the order the menu shows them).
extern const std::array<const char *, 66> kUserIniSections;
/// The same for the UT2004.ini page. The maplist record names hold the ESC character (0x1B)
/// between their words, as the game writes them.
extern const std::array<const char *, 66> kGameIniSections;

/// 1-based position of the first occurrence of `find` in `text`, ignoring letter case (ASCII and the
/// Windows-1252 letters), always searching from the start; 0 when none. An empty `find` is found at
/// 1 in any non-empty text; nothing is found in an empty text.
std::size_t findIgnoringCase(std::string_view text, std::string_view find);

/// Writes `text` followed by one CR LF to `path`, replacing any file there. Returns "" on success,
/// otherwise the operating system's reason.
std::string saveRawCopy(const std::string &path, std::string_view text);

} // namespace brevane
