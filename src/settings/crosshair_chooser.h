#pragma once
// The crosshair of each weapon frame: its scale (a box of the tbx_Comm family, stepped by 0.2 up to 2)
// and its crosshair, picked by display name from a list, with the picture of the chosen one.
#include <string>

#include "settings/shared_controls.h"
#include "settings/table_page.h"
#include "toolkit/combo_box.h"
#include "toolkit/control_array.h"
#include "toolkit/picture_box.h"

namespace brevane {

class CrosshairChooser : public TablePage {
public:
    CrosshairChooser(tk::Form& form, AppState& state, SharedControls& shared);

    /// cbx_Cross(i), i = 0..15: editable, listing the crosshairs' display names.
    tk::ControlArray<tk::ComboBox> cbx_Cross;
    /// p_CrossPic(i): the picture of the display name in cbx_Cross(i).
    tk::ControlArray<tk::PictureBox> p_CrossPic;
    /// The scale box of frame i, tbx_Comm(12 + i), with its b_Sub / b_Add buttons.
    tk::TextBox& scaleBox(int frame) const { return m_comm.box(kFirstScale + frame); }
    NumericBoxFamily& comm() const { return m_comm; }

    static constexpr int kFirstScale = 12;

    /// "Images/CrossHairs/<display name>.jpg" beside the program.
    std::string picturePath(const std::string& displayName) const;

private:
    NumericBoxFamily& m_comm;
};

} // namespace brevane
