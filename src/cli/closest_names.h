#pragma once
// Suggestions for a mistyped name: the known names a user most likely meant.
#include <string>
#include <vector>

namespace brevane::cli {

/// Up to `limit` of `known` closest to `asked`, best first: names equal to it apart from letter case,
/// then names it begins (or that begin it), then names a few edits away (letter case ignored). Among
/// equals, fewer edits first, then the order of `known`. Empty when nothing is close.
std::vector<std::string> closestNames(const std::string& asked, const std::vector<std::string>& known,
                                      std::size_t limit = 5);

/// "a, b or c", for messages.
std::string listOfNames(const std::vector<std::string>& names, const char* lastJoin = " or ");

} // namespace brevane::cli
