#pragma once
// NAME=VALUE on the window model, done the way a user does it in the window: the focus goes to the
// control, the value is typed, clicked, picked or captured, and the focus moves on to the player
// picture. Every handler of the window therefore acts as it does there: the numeric guards and
// clamps with `LastGoodText`, the stats name checks, the bind box capture with its duplicate clearing.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tk {
class Control;
class OptionGroup;
} // namespace tk

namespace brevane {
class INI;
}

namespace brevane::cli {

struct AssignmentOutcome {
    /// Why the control did not take the value (terminal text); empty when it did.
    std::string error;
    /// What the control made of the value when that is not what was asked, and what else changed.
    std::vector<std::string> notes;
    bool ok() const { return error.empty(); }
};

class ControlSetter {
public:
    /// `messageTexts` is where the window's message boxes land; each assignment reports the ones its
    /// handlers showed.
    ControlSetter(INI& ini, std::vector<std::string>& messageTexts);

    /// What is wrong with the assignment before anything is done (unknown name, a value the control can
    /// never take), or nullopt. `value` is UTF-8 as given on the command line.
    std::optional<std::string> check(const std::string& name, const std::string& value) const;
    /// Carries out an assignment that passed `check`.
    AssignmentOutcome apply(const std::string& name, const std::string& value);

    /// Every name an assignment may use: the managed controls in page order, then the colour
    /// component boxes.
    const std::vector<std::string>& names() const { return m_names; }

private:
    struct Target {
        tk::Control* control = nullptr;
        const tk::OptionGroup* group = nullptr;
    };
    enum class Kind { Text, Check, Combo, Group, BindBox, PrioritySlot, ReadOnly };

    void addTarget(const std::string& name, Target target);
    Kind kindOf(const Target& target) const;
    /// "it takes ...": what the control accepts, for messages.
    std::string whatItTakes(const Target& target) const;
    /// Moves the focus off `control` as a click elsewhere does; false when a handler sent it back.
    bool leave(tk::Control& control);
    std::vector<std::string> takeMessages();

    AssignmentOutcome applyText(const std::string& name, tk::Control& control, const std::string& value);
    AssignmentOutcome applyCheck(tk::Control& control, const std::string& value);
    AssignmentOutcome applyCombo(const std::string& name, tk::Control& control, const std::string& value);
    AssignmentOutcome applyGroup(const tk::OptionGroup& group, const std::string& value);
    AssignmentOutcome applyBindBox(const std::string& name, int index, const std::string& value);
    AssignmentOutcome applyPrioritySlot(int slot, const std::string& value);

    INI& m_ini;
    std::vector<std::string>& m_messageTexts;
    std::map<std::string, Target> m_targets;
    std::vector<std::string> m_names;
};

} // namespace brevane::cli
