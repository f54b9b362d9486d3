#pragma once
// The Assault objective display ("Assault Settings" on "Audio / Misc") and the game's IRC client ("IRC
// System" on "Player Settings"). The IRC colours are rows 0..4 of the colour rows, loaded right after.
#include <string>
#include <vector>

#include "settings/shared_controls.h"
#include "settings/table_page.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/control_array.h"
#include "toolkit/text_box.h"

namespace brevane {

/// The channels `cbx_Channel` lists; any other text may be typed.
const std::vector<std::string>& ircChannels();

class ObjectivesIrc : public TablePage {
public:
    ObjectivesIrc(tk::Form& form, AppState& state, SharedControls& shared);

    tk::ControlArray<tk::CheckBox> c_Assault; ///< 0..7
    /// tbx_Mouse(8..11) of the shared mouse family: pulse time, radar Y, radar X, objective scale.
    tk::TextBox& assaultNumber(int index) const { return m_mouse.box(index); }
    NumericBoxFamily& mouse() const { return m_mouse; }
    /// 0 "Nick Name", 1 "Full Name", 2 "Max Chat Scroll Back", 3 "Input History Size".
    tk::ControlArray<tk::TextBox> tbx_IRC;
    tk::ComboBox cbx_Channel;
    tk::CheckBox c_IRC;

private:
    NumericBoxFamily& m_mouse;
};

} // namespace brevane
