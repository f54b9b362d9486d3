#include "bindings/binding_store.h"

#include <algorithm>

#include "app/app_state.h"
#include "bindings/key_names.h"
#include "toolkit/form.h"

namespace brevane {

BindingLines::BindingLines(const std::vector<std::string> &keys, const std::vector<std::string> &values,
                           const std::vector<std::string_view> &commands) {
    for (std::string_view command : commands) m_keysByCommand.try_emplace(std::string(command));
    // Only a line whose key is one of the game's key names binds: another setting that happens to hold
    // the same word (such as EditPackages=Fire) is never shown in a bind box, so a capture or a save can
    // never overwrite it.
    const std::size_t lines = std::min(keys.size(), values.size());
    for (std::size_t i = 0; i < lines; ++i) {
        auto wanted = m_keysByCommand.find(std::string_view(values[i]));
        if (wanted == m_keysByCommand.end() || wanted->second.size() == 2 || !isKeyName(keys[i])) continue;
        wanted->second.push_back(keys[i]);
    }
}

std::string BindingLines::nth(std::string_view command, std::size_t n) const {
    auto found = m_keysByCommand.find(command);
    return found != m_keysByCommand.end() && n < found->second.size() ? found->second[n] : std::string();
}

std::string GetBind(const std::vector<std::string> &keys, const std::vector<std::string> &values,
                    std::string_view command) {
    return BindingLines(keys, values, {command}).first(command);
}

std::string GetBind2(const std::vector<std::string> &keys, const std::vector<std::string> &values,
                     std::string_view command) {
    return BindingLines(keys, values, {command}).second(command);
}

bool storeBinding(ConfigDocument &userIni, std::string_view keyName, std::string_view command) {
    if (keyName.empty()) return false;
    const std::optional<std::size_t> first = findKey(userIni, keyName);
    if (!first) return false;
    // A file may name the same key twice. The line the box was read from already holds the command:
    // that one is stored (which leaves it as it is), and the other line keeps its own value.
    if (!equalsIgnoreCase(userIni.values[*first], command))
        for (auto i = userIni.keys.firstExactly(keyName, *first + 1); i;
             i = userIni.keys.firstExactly(keyName, *i + 1))
            if (equalsIgnoreCase(userIni.values[*i], command)) return storeValue(userIni, i, command);
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
