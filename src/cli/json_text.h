#pragma once
#include <string>
#include <string_view>

namespace brevane::cli {

/// `utf8` as a JSON string literal, quotes included.
std::string jsonString(std::string_view utf8);

} // namespace brevane::cli
