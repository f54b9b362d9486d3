#include "app/key_lookups.h"

namespace brevane {

std::optional<std::size_t> FindUserKey(const AppState &state, std::string_view key) {
    return findKey(state.userIni, key);
}

std::optional<std::size_t> FindGameKey(const AppState &state, std::string_view key) {
    return findKey(state.gameIni, key);
}

std::optional<std::size_t> FindUserKeyInSection(const AppState &state, std::string_view key,
                                                std::string_view header) {
    return findKeyInSection(state.userIni, key, header);
}

std::optional<std::size_t> FindGameKeyInSection(const AppState &state, std::string_view key,
                                                std::string_view header) {
    return findKeyInSection(state.gameIni, key, header);
}

} // namespace brevane
