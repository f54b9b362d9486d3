#include "bindings/binding_store.h"

#include <algorithm>

#include "app/app_state.h"
#include "bindings/key_names.h"
#include "toolkit/form.h"

namespace brevane {

namespace {

/// The key of the `wanted`-th (1-based) binding line of `command`, or "". Only a line whose key is
/// one of the game's key names binds: another setting that happens to hold the same word (such as
/// EditPackages=Fire) is never shown in a bind box, so a capture or a save can never overwrite it.
std::string nthBinding(const std::vector<std::string> &keys, const std::vector<std::string> &values,
                       std::string_view command, int wanted) {
    const std::size_t lines = std::min(keys.size(), values.size());
    int seen = 0;
    for (std::size_t i = 0; i < lines; ++i) {
        if (!equalsIgnoreCase(values[i], command) || !isKeyName(keys[i])) continue;
        if (++seen == wanted) return keys[i];
    }
    return {};
}

} // namespace

std::string GetBind(const std::vector<std::string> &keys, const std::vector<std::string> &values,
                    std::string_view command) {
    return nthBinding(keys, values, command, 1);
}

std::string GetBind2(const std::vector<std::string> &keys, const std::vector<std::string> &values,
                     std::string_view command) {
    return nthBinding(keys, values, command, 2);
}

bool storeBinding(ConfigDocument &userIni, std::string_view keyName, std::string_view command) {
    if (keyName.empty()) return false;
    const std::optional<std::size_t> first = findKey(userIni, keyName);
    if (!first) return false;
    // A file may name the same key twice. The line the box was read from already holds the command:
    // that one is stored (which leaves it as it is), and the other line keeps its own value.
    if (!equalsIgnoreCase(userIni.values[*first], command))
        for (std::size_t i = *first + 1; i < userIni.lineCount(); ++i)
            if (userIni.keys[i] == keyName && equalsIgnoreCase(userIni.values[i], command))
                return storeValue(userIni, i, command);
    return storeValue(userIni, first, command);
}

bool unbindKey(ConfigDocument &userIni, std::string_view keyName) {
    if (keyName.empty()) return false;
    return storeValue(userIni, findKey(userIni, keyName), "");
}

double restingFontSize(std::string_view text) {
    return text.size() > 10 ? 6.0 : 7.0;
}

void Bind(AppState &state, tk::ControlArray<tk::TextBox> &boxes, int index, int keyCode, tk::Control &parking) {
    std::string name = KeyCodeToName(keyCode);
    state.LastBoundKey = name;
    state.LastBoundIndex = index;
    if (boxes.has(index)) boxes[index].setText(std::move(name));
    parking.form().setFocus(&parking);
}

void DelKey(const AppState &state, tk::ControlArray<tk::TextBox> &boxes) {
    for (const auto &[index, box] : boxes.members()) {
        if (index != state.LastBoundIndex && equalsIgnoreCase(box->text(), state.LastBoundKey)) box->setText("");
        box->setFontSize(restingFontSize(box->text()));
    }
}

} // namespace brevane
