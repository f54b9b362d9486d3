#pragma once
// The switches of the 16 weapon frames: fire-mode swap and old mesh per weapon, each read from the
// weapon's own section of User.ini, plus the previous-weapon switch in the last frame.
#include <string>

#include "settings/table_page.h"
#include "toolkit/check_box.h"
#include "toolkit/control_array.h"
#include "toolkit/picture_box.h"

namespace brevane {

class WeaponSettings : public TablePage {
public:
    WeaponSettings(tk::Form& form, AppState& state);

    /// c_SwapFire(i) "Switch Fire Mode", i = 0..15.
    tk::ControlArray<tk::CheckBox> c_SwapFire;
    /// c_OldMesh(i) "Use Old Weapon Mesh", i = 0..15; c_OldMesh(16) "Previous Weapon Switch".
    tk::ControlArray<tk::CheckBox> c_OldMesh;
    /// The fixed picture of each frame's weapon.
    tk::ControlArray<tk::PictureBox> p_WeaponSpecPic;

    /// "Images/Weapon Frames/<display name>.gif" beside the program.
    std::string framePicturePath(int index) const;
    /// Puts each frame's weapon picture in place (once the program folder is known).
    void showFramePictures();
};

} // namespace brevane
