#include "settings/weapon_settings.h"

#include "settings/rules.h"
#include "settings/weapon_frames.h"

namespace brevane {

WeaponSettings::WeaponSettings(tk::Form& form, AppState& state)
    : TablePage(state), c_SwapFire(form, "c_SwapFire"), c_OldMesh(form, "c_OldMesh"),
      p_WeaponSpecPic(form, "p_WeaponSpecPic") {
    const auto user = IniFile::User;
    for (int i = 0; i < kWeaponFrameCount; ++i) {
        const std::string section = weaponFrameSection(i);
        addRow(c_SwapFire.add(i), "Switch Fire Mode", user, section, "ExchangeFireModes", rules::UnlessZero());
        addRow(c_OldMesh.add(i), "Use Old Weapon Mesh", user, section, "bUseOldWeaponMesh", rules::UnlessFalse());
        p_WeaponSpecPic.add(i);
    }
    addRow(c_OldMesh.add(16), "Previous Weapon Switch", user, weaponFrameSection(15), "bPrevWeaponSwitch",
           rules::UnlessFalse());
}

std::string WeaponSettings::framePicturePath(int index) const {
    return m_state.ProgramFolder + "Images/Weapon Frames/" + kWeaponFrames.at(index).displayName + ".gif";
}

void WeaponSettings::showFramePictures() {
    for (int i = 0; i < kWeaponFrameCount; ++i)
        p_WeaponSpecPic[i].setPicture(framePicturePath(i));
}

} // namespace brevane
