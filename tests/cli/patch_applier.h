#pragma once
// Applies a unified diff to a text, strictly: every context and removed line must match. It lets the
// tests check a printed diff by what it does rather than by its exact shape.
#include <optional>
#include <string>

namespace testing_support {

/// `original` with `diff` applied (one file's diff, "---"/"+++" lines included), or nullopt when the
/// diff is malformed or does not fit the text.
std::optional<std::string> applyUnifiedDiff(const std::string& original, const std::string& diff);

} // namespace testing_support
