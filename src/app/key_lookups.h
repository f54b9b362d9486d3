#pragma once
// Module Save: where each collected value goes. The save steps of every page find the line of a
// key with these, comparing keys and headers exactly (a key the file writes in another letter case
// is read at load but not written at save). "Not found" is std::nullopt, never line 0, so a value
// whose key the file lacks is stored nowhere (see storeValue).
#include <cstddef>
#include <optional>
#include <string_view>

#include "app/app_state.h"

namespace brevane {

/// First line of the User.ini document whose key is `key`.
std::optional<std::size_t> FindUserKey(const AppState &state, std::string_view key);
/// First line of the UT2004.ini document whose key is `key`.
std::optional<std::size_t> FindGameKey(const AppState &state, std::string_view key);
/// First line of the User.ini document whose key is `key`, at or after the header line `header`
/// (the search runs past the end of that section).
std::optional<std::size_t> FindUserKeyInSection(const AppState &state, std::string_view key,
                                                std::string_view header);
/// As FindUserKeyInSection, in the UT2004.ini document.
std::optional<std::size_t> FindGameKeyInSection(const AppState &state, std::string_view key,
                                                std::string_view header);

} // namespace brevane
