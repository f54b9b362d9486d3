#pragma once
// Controls that several pages share: the numeric box families whose members stand on different tabs,
// and the check box / combo box arrays whose members belong to more than one page. Pages take them
// from here instead of owning them, so each array exists once, with one set of events.
#include "settings/numeric_box.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/control_array.h"
#include "toolkit/text_box.h"

namespace brevane {

struct AppState;

struct SharedControls {
    SharedControls(tk::Form& form, AppState& state);

    /// "Min Refresh Rate"; stepped by b_VideoSub(34) / b_VideoAdd(34).
    tk::TextBox tbx_MinRefRate;
    /// tbx_video(0..33) with b_VideoSub / b_VideoAdd (0..34): gamma, brightness and contrast (0..2), client
    /// and Direct3D numbers (3..12), OpenGL (13..18), Pixomatic (19..21), audio (22..33).
    NumericBoxFamily video;
    /// tbx_Mouse(0..5, 8..11) with b_MouseSub / b_MouseAdd: mouse (0..5) and assault (8..11) numbers.
    NumericBoxFamily mouse;
    /// tbx_Comm(0..27) with b_Sub / b_Add: communication and HUD numbers (0..11), crosshair scales (12..27).
    NumericBoxFamily comm;

    /// c_Video(0) "Full Screen" and c_Video(1) "Screen Flashes" (shared by the client options and the
    /// resolution frame); the display page adds 2..11.
    tk::ControlArray<tk::CheckBox> c_Video;
    /// cbx_Video(0), (1), (9): resolutions; (2..8): texture detail levels.
    tk::ControlArray<tk::ComboBox> cbx_Video;
    /// c_Mouse(1) "Dodging" belongs to the switches, (0) and (2) to the mouse options.
    tk::ControlArray<tk::CheckBox> c_Mouse;
};

} // namespace brevane
