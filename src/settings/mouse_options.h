#pragma once
// The frame "Mouse": the mouse settings of User.ini. The switches are members 0 and 2 of the shared
// c_Mouse array (1, "Dodging", is a game switch); the numbers are tbx_Mouse(0..5), whose family (with
// the assault numbers 8..11) is declared with the other shared controls.
#include "settings/shared_controls.h"
#include "settings/table_page.h"
#include "toolkit/check_box.h"

namespace brevane {

class MouseOptions : public TablePage {
public:
    MouseOptions(AppState& state, SharedControls& shared);

    static constexpr int kLastNumber = 5;

    tk::CheckBox& invertMouse;     ///< c_Mouse(0)
    tk::CheckBox& alwaysMouseLook; ///< c_Mouse(2)
    NumericBoxFamily& numbers;     ///< tbx_Mouse, of which 0..5 are this frame's
};

} // namespace brevane
