#pragma once
// One step of the full load and of the save's collect pass. The main window runs the steps in one
// fixed order for both; a page may contribute more than one step where the order interleaves.
#include <string>
#include <vector>

namespace tk {
class Control;
class OptionGroup;
} // namespace tk

namespace brevane {

enum class IniFile { User, Game };

/// What a page table says about one managed control, for listing and scripting (brevane-cli).
struct RowInfo {
    const tk::Control* control = nullptr;   ///< the control, or nullptr for an option group
    const tk::OptionGroup* group = nullptr; ///< the option group, when the row is one
    std::string name;                       ///< the control's name, "tbx_FOV", "c_Hud(8)"
    std::string caption;
    IniFile file = IniFile::User;
    std::string section; ///< header line the lookup starts at, "" for anywhere
    std::string key;
};

class SettingsStep {
public:
    virtual ~SettingsStep() = default;
    /// Fills the step's controls from the documents. Reads only.
    virtual void load() = 0;
    /// Stores the controls' values into the documents' value tables.
    virtual void collect() = 0;
    /// The rows of the step's table, in table order.
    virtual std::vector<RowInfo> rows() const { return {}; }
};

/// The value a control shows, as brevane-cli prints it: a check box "1" or "0", an option group the
/// caption of its selected button (or ""), a text or combo box its text.
std::string shownValue(const RowInfo& row);

} // namespace brevane
