#include "app/pages.h"

namespace brevane {

Pages::Pages(tk::Form& form, AppState& state, tk::PictureBox& pb_Player, tk::Services& services)
    : shared(form, state), playerProfile(form, state, pb_Player, services), switches(form, state, shared),
      displayOptions(form, state, shared), otherRenderDevices(form, state, shared),
      resolutionRender(form, state, shared), bindKeys(form, state, pb_Player), audioOptions(form, state, shared),
      mouseOptions(state, shared), commNumbers(state, shared),
      objectivesIrc(form, state, shared), colourRows(form, state), weaponSettings(form, state),
      crosshairChooser(form, state, shared), customBeacon(form, state), weaponPriority(form, state) {}

std::vector<SettingsStep*> Pages::loadOrder() {
    // One line per slot, in the order of the full load and of the collect.
    return {
        &playerProfile,      // player profile
        &switches,           // game and HUD switches
        &displayOptions,     // display options: client and Direct3D
        &otherRenderDevices, // display options: OpenGL, software and Pixomatic
        &audioOptions,       // audio options
        &mouseOptions,       // mouse options
        &objectivesIrc,    // objectives and IRC settings
        &colourRows,       // colour rows
        &weaponSettings,   // weapon settings
        &crosshairChooser, // crosshair chooser
        &customBeacon,     // custom beacon switch
        &resolutionRender, // resolution, brightness and render device
        &bindKeys,         // Bind Keys page
        &commNumbers,      // communication and HUD numbers
        &weaponPriority,   // weapon priority editor
        &bindKeys.finalPass(), // duplicate-key pass
    };
}

} // namespace brevane
