#include "settings/crosshair_chooser.h"

#include "settings/crosshairs.h"
#include "settings/rules.h"
#include "settings/weapon_frames.h"

namespace brevane {

namespace {

/// The crosshair of one frame: its combo box shows the display name of the stored texture and its
/// picture follows; the combo box's text is stored as its texture name.
Rule crosshairRule(tk::ComboBox& combo, tk::PictureBox& picture, const CrosshairChooser& page) {
    return {"Crosshair",
            [&combo, &picture, &page](const Row&, const std::string& stored) {
                combo.setText(GetCrosshair(stored));
                picture.setPicture(page.picturePath(combo.text()));
            },
            [&combo](const Row&) { return CrosshairTextureFor(combo.text()); },
            {},
            {}};
}

} // namespace

CrosshairChooser::CrosshairChooser(tk::Form& form, AppState& state, SharedControls& shared)
    : TablePage(state), cbx_Cross(form, "cbx_Cross"), p_CrossPic(form, "p_CrossPic"), m_comm(shared.comm) {
    const auto user = IniFile::User;
    for (int i = 0; i < kWeaponFrameCount; ++i)
        addRow(scaleBox(i), "Cross Hair Scale", user, weaponFrameSection(i), "CustomCrossHairScale",
               rules::FirstN(3));
    for (int i = 0; i < kWeaponFrameCount; ++i) {
        tk::ComboBox& combo = cbx_Cross.add(i, crosshairList());
        tk::PictureBox& picture = p_CrossPic.add(i);
        addRow(combo, "Cross Hair", user, weaponFrameSection(i), "CustomCrossHairTextureName",
               crosshairRule(combo, picture, *this));
        // Only a pick from the list changes the picture; typed text leaves it as it was.
        combo.Click = [this, &combo, &picture] { picture.setPicture(picturePath(combo.text())); };
    }
}

std::string CrosshairChooser::picturePath(const std::string& displayName) const {
    return m_state.ProgramFolder + "Images/CrossHairs/" + displayName + ".jpg";
}

} // namespace brevane
