#pragma once
// The game and HUD switches of User.ini: three in the frame "Player Information", thirty-six on the
// tab "&Communication / Hud". Every one is a Switch row; "Quiet Menu" also reports a missing value.
#include "settings/shared_controls.h"
#include "settings/table_page.h"
#include "toolkit/check_box.h"
#include "toolkit/control_array.h"

namespace brevane {

class Switches : public TablePage {
public:
    Switches(tk::Form& form, AppState& state, SharedControls& shared);

    /// Clears QuietMenuMissing, then loads every row.
    void load() override;

    tk::CheckBox c_Player_Shadow;
    tk::CheckBox c_Footsteps;
    tk::ControlArray<tk::CheckBox> c_Comm; ///< 0..9
    tk::ControlArray<tk::CheckBox> c_Hud;  ///< 0..25
    tk::CheckBox& dodging;                 ///< c_Mouse(1), shared with the mouse options
};

} // namespace brevane
