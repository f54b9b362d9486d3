#include "bindings/bind_keys_page.h"

#include "app/app_state.h"
#include "bindings/bind_catalogue.h"
#include "bindings/binding_store.h"

namespace brevane {

namespace {
const tk::Color kRestingBack = tk::rgb(192, 192, 255);
const tk::Color kCapturingBack = tk::rgb(128, 128, 255);
const tk::Color kCapturingFore = tk::rgb(128, 0, 0);
constexpr double kCapturingFontSize = 10;

const char* keyColumn(int box) {
    return box % 2 == 0 ? "K E Y 1" : "K E Y 2";
}
} // namespace

BindKeysPage::BindKeysPage(tk::Form& form, AppState& state, tk::PictureBox& parking)
    : tbx_Bind(form, "tbx_Bind"), m_state(state), m_parking(parking) {
    for (int i = 0; i < kBindBoxCount; ++i) {
        tk::TextBox& box = tbx_Bind.add(i);
        // The text is only ever set by a capture; every key pressed in the box is a key to bind, and
        // the box takes the focus only from a click, so that no key is unbound without the user asking.
        box.setLocked(true);
        box.setCapturesAllKeys(true);
        box.setTabStop(false);
        box.setToolTip(std::string(kBindCatalogue[i / 2].caption) + ", " + keyColumn(i) +
                       ": click, then press a key or a mouse button");
        showResting(box);
        box.GotFocus = [this, i] { tbx_Bind_GotFocus(i); };
        box.LostFocus = [this, i] { tbx_Bind_LostFocus(i); };
        box.KeyUp = [this, i](int code) { tbx_Bind_KeyUp(i, code); };
        box.MouseDown = [this, i](int button) { tbx_Bind_MouseDown(i, button); };
    }
}

void BindKeysPage::load() {
    const ConfigDocument& user = m_state.userIni;
    std::vector<std::string_view> commands;
    for (const BindRow& row : kBindCatalogue) commands.push_back(row.command);
    const BindingLines bindings(user.keys, user.values, commands);
    for (int row = 0; row < kBindRowCount; ++row) {
        const char* command = kBindCatalogue[row].command;
        tbx_Bind[firstKeyBox(row)].setText(bindings.first(command));
        tbx_Bind[secondKeyBox(row)].setText(bindings.second(command));
    }
}

void BindKeysPage::collect() {
    for (int i = 0; i < kBindBoxCount; ++i) {
        // A box still capturing when the settings are collected (the user clicked it, then saved from
        // the menu) keeps the key it showed: its line was emptied when the capture began, and storing
        // "???" would save the command without that key.
        const std::string& text = tbx_Bind[i].text();
        const std::string& shown = text == kCapturingText ? m_state.TextBeforeCapture : text;
        storeBinding(m_state.userIni, shown, kBindCatalogue[i / 2].command);
    }
}

std::vector<RowInfo> BindKeysPage::rows() const {
    std::vector<RowInfo> rows;
    rows.reserve(kBindBoxCount);
    for (int i = 0; i < kBindBoxCount; ++i) {
        RowInfo row;
        row.control = &tbx_Bind[i];
        row.name = tbx_Bind[i].name();
        row.caption = std::string(kBindCatalogue[i / 2].caption) + " (" + keyColumn(i) + ")";
        row.file = IniFile::User;
        rows.push_back(std::move(row));
    }
    return rows;
}

void BindKeysPage::FinalPass::load() {
    // A freshly read file is shown as it is: the key of the last capture is not cleared from other
    // boxes here, since that capture belonged to the documents this load replaced.
    for (const auto& entry : page.tbx_Bind.members())
        entry.second->setFontSize(restingFontSize(entry.second->text()));
}

void BindKeysPage::tbx_Bind_GotFocus(int index) {
    tk::TextBox& box = tbx_Bind[index];
    m_state.TextBeforeCapture = box.text();
    unbindKey(m_state.userIni, m_state.TextBeforeCapture);
    if (equalsIgnoreCase(box.text(), "RightMouse")) {
        // The right button that gave this box the focus must not be taken for a new binding at once.
        box.setText("RightMouse");
        return;
    }
    showCapturing(box);
    box.setText(kCapturingText);
}

void BindKeysPage::tbx_Bind_KeyUp(int index, int keyCode) {
    // Only keys released while the box has the focus bind: after a chord such as Ctrl+S has bound "S",
    // the release of Ctrl must not overwrite it.
    if (tbx_Bind[index].form().focused() != &tbx_Bind[index]) return;
    Bind(m_state, tbx_Bind, index, keyCode, m_parking);
    DelKey(m_state, tbx_Bind);
}

void BindKeysPage::tbx_Bind_MouseDown(int index, int button) {
    if (tbx_Bind[index].text() != kCapturingText) return;
    Bind(m_state, tbx_Bind, index, button, m_parking);
    DelKey(m_state, tbx_Bind);
}

void BindKeysPage::tbx_Bind_LostFocus(int index) {
    tk::TextBox& box = tbx_Bind[index];
    if (box.text() == kCapturingText) box.setText(m_state.TextBeforeCapture);
    showResting(box);
}

void BindKeysPage::showCapturing(tk::TextBox& box) {
    box.setFontSize(kCapturingFontSize);
    box.setBackColor(kCapturingBack);
    box.setForeColor(kCapturingFore);
}

void BindKeysPage::showResting(tk::TextBox& box) {
    box.setFontSize(restingFontSize(box.text()));
    box.setBackColor(kRestingBack);
    box.setForeColor(tk::DefaultColor);
}

} // namespace brevane
