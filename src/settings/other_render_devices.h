#pragma once
// The frames "OpenGL" and "Software" of the tab "Video" and "Pixomatic Render" of the tab
// "Audio / Misc": each reads and writes only under its own device's section of UT2004.ini.
#include "settings/shared_controls.h"
#include "settings/table_page.h"
#include "toolkit/check_box.h"
#include "toolkit/control_array.h"

namespace brevane {

class OtherRenderDevices : public TablePage {
public:
    OtherRenderDevices(tk::Form& form, AppState& state, SharedControls& shared);

    tk::ControlArray<tk::CheckBox> c_OpenGL;   ///< 0..9
    tk::ControlArray<tk::CheckBox> c_Software; ///< 0..5
    tk::ControlArray<tk::CheckBox> c_Pixo;     ///< 0..14
};

} // namespace brevane
