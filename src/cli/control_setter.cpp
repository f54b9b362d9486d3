#include "cli/control_setter.h"

#include "app/ini.h"
#include "bindings/key_names.h"
#include "cli/closest_names.h"
#include "cli/terminal_text.h"
#include "documents/config_document.h"
#include "settings/number_text.h"
#include "settings/weapon_sections.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/option_button.h"
#include "toolkit/text_box.h"

namespace brevane::cli {

namespace {

/// A caption without its access-key marker: "&Blue" is "Blue".
std::string plainCaption(const std::string& caption) {
    std::string out;
    for (char c : caption)
        if (c != '&') out += c;
    return out;
}

std::optional<bool> switchValue(const std::string& value) {
    if (value == "1" || equalsIgnoreCase(value, "true")) return true;
    if (value == "0" || equalsIgnoreCase(value, "false")) return false;
    return std::nullopt;
}

/// An empty value, or the game's name of "no key", empties a bind box.
bool unbinds(const std::string& value) {
    return value.empty() || equalsIgnoreCase(value, KeyCodeToName(0));
}

/// A key the game has no name for: capturing it empties the box, which is how the window unbinds.
int unnamedKeyCode() {
    for (int code = 1; code <= 254; ++code)
        if (KeyCodeToName(code).empty()) return code;
    return -1; // never: the table leaves codes without a name
}

std::vector<std::string> keyNames() {
    std::vector<std::string> names;
    for (int code = 1; code <= 254; ++code)
        if (!KeyCodeToName(code).empty()) names.push_back(KeyCodeToName(code));
    return names;
}

/// The display name of the weapon called `value`, ignoring letter case, or nullptr.
const char* weaponNamed(const std::string& value) {
    for (const WeaponSection& weapon : kWeaponSections)
        if (equalsIgnoreCase(weapon.displayName, value)) return weapon.displayName;
    return nullptr;
}

std::vector<std::string> captionsOf(const tk::OptionGroup& group) {
    std::vector<std::string> captions;
    for (const tk::OptionButton* button : group.buttons())
        captions.push_back(forTerminal(plainCaption(button->caption())));
    return captions;
}

tk::OptionButton* buttonCaptioned(const tk::OptionGroup& group, const std::string& caption) {
    for (tk::OptionButton* button : group.buttons())
        if (equalsIgnoreCase(plainCaption(button->caption()), plainCaption(caption))) return button;
    return nullptr;
}

template <class Array>
std::optional<int> indexIn(const Array& array, const tk::Control* control) {
    for (const auto& [index, member] : array.members())
        if (member.get() == control) return index;
    return std::nullopt;
}

} // namespace

ControlSetter::ControlSetter(INI& ini, std::vector<std::string>& messageTexts)
    : m_ini(ini), m_messageTexts(messageTexts) {
    for (SettingsStep* step : m_ini.pages.loadOrder())
        for (const RowInfo& row : step->rows())
            addTarget(row.name, {row.group ? nullptr : m_ini.form.find(row.name), row.group});
    // A colour row shows only a preview; its numbers are typed into these boxes.
    ColourRows& colours = m_ini.pages.colourRows;
    for (int row = 0; row < kColourRowCount; ++row)
        for (tk::TextBox* box : {&colours.txb_IRC_Red(row), &colours.txb_IRC_Green(row), &colours.txb_IRC_Blue(row)})
            addTarget(box->name(), {box, nullptr});
}

void ControlSetter::addTarget(const std::string& name, Target target) {
    if (!target.control && !target.group) return;
    if (m_targets.emplace(name, target).second) m_names.push_back(name);
}

ControlSetter::Kind ControlSetter::kindOf(const Target& target) const {
    if (target.group) return Kind::Group;
    if (indexIn(m_ini.pages.bindKeys.tbx_Bind, target.control)) return Kind::BindBox;
    if (indexIn(m_ini.pages.weaponPriority.tbx_WeaponPriority, target.control)) return Kind::PrioritySlot;
    if (auto* box = dynamic_cast<tk::TextBox*>(target.control)) return box->locked() ? Kind::ReadOnly : Kind::Text;
    if (dynamic_cast<tk::CheckBox*>(target.control)) return Kind::Check;
    if (dynamic_cast<tk::ComboBox*>(target.control)) return Kind::Combo;
    return Kind::ReadOnly;
}

std::string ControlSetter::whatItTakes(const Target& target) const {
    switch (kindOf(target)) {
    case Kind::Check: return "it is a check box and takes 1, 0, true or false";
    case Kind::Group: return "it takes the caption of one of its buttons: " + listOfNames(captionsOf(*target.group));
    case Kind::BindBox:
        return "it takes a key name, such as W, F1, Space, LeftMouse, Mouse4 or MWheelUp, or an empty value or "
               "None to unbind it";
    case Kind::PrioritySlot: {
        std::vector<std::string> weapons;
        for (const WeaponSection& weapon : kWeaponSections)
            weapons.push_back(weapon.displayName);
        return "it takes the name of the weapon to move there: " + listOfNames(weapons);
    }
    case Kind::ReadOnly: {
        ColourRows& colours = m_ini.pages.colourRows;
        if (auto row = indexIn(colours.tbx_IRCColor, target.control))
            return "it only shows its row's colour: set " + colours.txb_IRC_Red(*row).name() + ", " +
                   colours.txb_IRC_Green(*row).name() + " and " + colours.txb_IRC_Blue(*row).name() + " (0 to 255)";
        return "it cannot be edited: the window only shows its value";
    }
    case Kind::Text:
    case Kind::Combo: break;
    }
    return "it takes any text";
}

std::optional<std::string> ControlSetter::check(const std::string& name, const std::string& value) const {
    auto found = m_targets.find(name);
    if (found == m_targets.end()) {
        std::string error = "no managed control is named " + name;
        const std::vector<std::string> close = closestNames(name, m_names);
        if (!close.empty()) error += " (did you mean " + listOfNames(close) + "?)";
        return error;
    }
    const Target& target = found->second;
    if (!fromTerminal(value).representable)
        return name + ": " + quoted(value) +
               " has characters that User.ini and UT2004.ini cannot hold (they are Windows-1252 text)";
    if (target.control && !target.control->enabled()) return name + " is disabled in the window";
    const std::string bytes = fromTerminal(value).bytes;
    bool takes = true;
    std::string hint;
    switch (kindOf(target)) {
    case Kind::Check: takes = switchValue(value).has_value(); break;
    case Kind::Group: takes = buttonCaptioned(*target.group, bytes) != nullptr; break;
    case Kind::BindBox:
        takes = unbinds(value) || isKeyName(value);
        if (!takes) {
            const std::vector<std::string> close = closestNames(value, keyNames());
            if (!close.empty()) hint = " (did you mean " + listOfNames(close) + "?)";
        }
        break;
    case Kind::PrioritySlot: takes = weaponNamed(bytes) != nullptr; break;
    case Kind::ReadOnly: takes = false; break;
    case Kind::Text:
    case Kind::Combo: break;
    }
    if (takes) return std::nullopt;
    return name + " does not take " + quoted(value) + ": " + whatItTakes(target) + hint;
}

bool ControlSetter::leave(tk::Control& control) {
    m_ini.form.setFocus(&m_ini.pb_Player);
    return m_ini.form.focused() != &control;
}

std::vector<std::string> ControlSetter::takeMessages() {
    std::vector<std::string> texts;
    for (const std::string& text : m_messageTexts)
        texts.push_back(forTerminal(text));
    m_messageTexts.clear();
    return texts;
}

AssignmentOutcome ControlSetter::apply(const std::string& name, const std::string& value) {
    const Target& target = m_targets.at(name);
    const std::string bytes = fromTerminal(value).bytes;
    takeMessages(); // anything said before belongs to earlier steps
    AssignmentOutcome outcome;
    switch (kindOf(target)) {
    case Kind::Text: outcome = applyText(name, *target.control, bytes); break;
    case Kind::Check: outcome = applyCheck(*target.control, value); break;
    case Kind::Combo: outcome = applyCombo(name, *target.control, bytes); break;
    case Kind::Group: outcome = applyGroup(*target.group, bytes); break;
    case Kind::BindBox:
        outcome = applyBindBox(name, *indexIn(m_ini.pages.bindKeys.tbx_Bind, target.control), value);
        break;
    case Kind::PrioritySlot:
        outcome = applyPrioritySlot(*indexIn(m_ini.pages.weaponPriority.tbx_WeaponPriority, target.control), bytes);
        break;
    case Kind::ReadOnly: outcome.error = name + ": " + whatItTakes(target); break;
    }
    // What the window said in its message boxes, in the order it said it.
    for (const std::string& text : takeMessages())
        outcome.notes.push_back(name + ": the window says: " + text);
    return outcome;
}

AssignmentOutcome ControlSetter::applyText(const std::string& name, tk::Control& control, const std::string& value) {
    auto& box = static_cast<tk::TextBox&>(control);
    AssignmentOutcome outcome;
    m_ini.form.setFocus(&box);
    // The whole value at once, as a paste over the selected text: the guards see it once, whole.
    box.userTypes(value);
    if (!leave(box)) {
        // A check on leaving refused the text and kept the focus there (a stats name under six
        // characters): the window would not let the user go on.
        std::string reason;
        for (const std::string& text : takeMessages())
            reason += (reason.empty() ? "" : "; ") + text;
        // A password box shows stars in the window; its refused text is not echoed either.
        const std::string asked = box.passwordChar() ? "the text given" : quoted(forTerminal(value));
        outcome.error = name + " does not take " + asked + (reason.empty() ? "" : ": " + reason);
        return outcome;
    }
    const std::string& shown = box.text();
    if (shown == value) return outcome;
    const std::string asked = forTerminal(value), now = forTerminal(shown);
    if (isNumeric(value) && isNumeric(shown))
        outcome.notes.push_back(name + ": " + asked + " was limited to " + now);
    else if (!isNumeric(value))
        outcome.notes.push_back(name + ": " + quoted(asked) + " is not a number; the box keeps " + quoted(now));
    else
        outcome.notes.push_back(name + ": shows " + quoted(now) + " rather than " + quoted(asked));
    return outcome;
}

AssignmentOutcome ControlSetter::applyCheck(tk::Control& control, const std::string& value) {
    auto& box = static_cast<tk::CheckBox&>(control);
    const bool on = *switchValue(value);
    // A click focuses the box, then toggles it; asking for the state it already has is no click.
    m_ini.form.setFocus(&box);
    if (box.checked() != on) box.setChecked(on);
    leave(box);
    return {};
}

AssignmentOutcome ControlSetter::applyCombo(const std::string& name, tk::Control& control, const std::string& value) {
    auto& combo = static_cast<tk::ComboBox&>(control);
    AssignmentOutcome outcome;
    m_ini.form.setFocus(&combo);
    const std::vector<std::string>& list = combo.list();
    int picked = -1;
    for (std::size_t i = 0; i < list.size() && picked < 0; ++i)
        if (list[i] == value) picked = static_cast<int>(i);
    if (picked >= 0) {
        combo.userPicks(picked); // a pick from the list runs the box's Click (portraits, crosshairs)
    } else {
        combo.userTypes(value);
        for (const std::string& entry : list)
            if (equalsIgnoreCase(entry, value)) {
                outcome.notes.push_back(name + ": " + quoted(forTerminal(value)) +
                                        " is not an entry of the list, so it was typed as given (the list has " +
                                        quoted(forTerminal(entry)) + ")");
                break;
            }
    }
    leave(combo);
    if (combo.text() != value)
        outcome.notes.push_back(name + ": shows " + quoted(forTerminal(combo.text())) + " rather than " +
                                quoted(forTerminal(value)));
    return outcome;
}

AssignmentOutcome ControlSetter::applyGroup(const tk::OptionGroup& group, const std::string& value) {
    tk::OptionButton* button = buttonCaptioned(group, value);
    m_ini.form.setFocus(button);
    button->setValue(true);
    leave(*button);
    return {};
}

AssignmentOutcome ControlSetter::applyBindBox(const std::string& name, int index, const std::string& value) {
    tk::ControlArray<tk::TextBox>& boxes = m_ini.pages.bindKeys.tbx_Bind;
    tk::TextBox& box = boxes[index];
    const int code = unbinds(value) ? unnamedKeyCode() : *KeyNameToCode(value);
    std::map<int, std::string> before;
    for (const auto& [i, member] : boxes.members())
        before[i] = member->text();

    // A capture: the focus unbinds the box's key and shows "???"; the key or button then binds and
    // sends the focus on, and every other box showing the same key is emptied.
    m_ini.form.setFocus(&box);
    if (isMouseButtonCode(code))
        box.fireMouseDown(code);
    else
        box.fireKeyUp(code);
    leave(box);

    AssignmentOutcome outcome;
    const std::string expected = KeyCodeToName(code);
    if (!equalsIgnoreCase(box.text(), expected)) {
        if (isMouseButtonCode(code) && equalsIgnoreCase(before[index], KeyCodeToName(2)))
            outcome.error = name + " does not take " + quoted(value) + ": a box showing RightMouse takes keys but " +
                            "no mouse button, as in the window; unbind it first: '" + name + "=' '" + name + "=" +
                            value + "'";
        else
            outcome.error = name + " does not take " + quoted(value) + ": it shows " + quoted(forTerminal(box.text()));
        return outcome;
    }
    for (const auto& [i, member] : boxes.members())
        if (i != index && !before[i].empty() && member->text().empty())
            outcome.notes.push_back(member->name() + ": " + forTerminal(before[i]) + " now belongs to " + name +
                                    ", so this box is empty");
    return outcome;
}

AssignmentOutcome ControlSetter::applyPrioritySlot(int slot, const std::string& value) {
    WeaponPriority& priority = m_ini.pages.weaponPriority;
    const std::string weapon = weaponNamed(value);
    std::optional<int> from;
    for (const auto& [i, member] : priority.tbx_WeaponPriority.members())
        if (member->text() == weapon) from = i;
    AssignmentOutcome outcome;
    if (!from) {
        outcome.error = priority.tbx_WeaponPriority[slot].name() + ": " + weapon + " is in no slot of the list";
        return outcome;
    }
    // Select the weapon, then click the arrow towards the slot until it is there; the weapons it
    // passes move one slot the other way.
    m_ini.form.setFocus(&priority.tbx_WeaponPriority[*from]);
    tk::CommandButton& arrow = priority.b_WeaponMove[slot > *from ? 0 : 1];
    for (int at = *from; at != slot; at += slot > *from ? 1 : -1)
        arrow.userClicks();
    leave(priority.tbx_WeaponPriority[slot]);
    if (priority.tbx_WeaponPriority[slot].text() != weapon)
        outcome.error = priority.tbx_WeaponPriority[slot].name() + ": " + weapon + " could not be moved there";
    return outcome;
}

} // namespace brevane::cli
