#pragma once
// The settings pages of the main window. Each page owns its controls and table; the main window
// runs their steps in the one fixed order of `loadOrder`, for the full load and for the collect.
#include <vector>

#include "app/app_state.h"
#include "bindings/bind_keys_page.h"
#include "settings/audio_options.h"
#include "settings/comm_numbers.h"
#include "settings/mouse_options.h"
#include "settings/colour_rows.h"
#include "settings/crosshair_chooser.h"
#include "settings/custom_beacon.h"
#include "settings/objectives_irc.h"
#include "settings/weapon_settings.h"
#include "settings/display_options.h"
#include "settings/other_render_devices.h"
#include "settings/player_profile.h"
#include "settings/resolution_render.h"
#include "settings/settings_step.h"
#include "settings/shared_controls.h"
#include "settings/switches.h"
#include "settings/weapon_priority.h"
#include "toolkit/form.h"
#include "toolkit/picture_box.h"
#include "toolkit/services.h"

namespace brevane {

struct Pages {
    Pages(tk::Form& form, AppState& state, tk::PictureBox& pb_Player, tk::Services& services);

    /// The steps in load (and collect) order.
    std::vector<SettingsStep*> loadOrder();

    /// Arrays and numeric families shared by several pages; constructed before the pages.
    SharedControls shared;
    PlayerProfile playerProfile;
    Switches switches;
    DisplayOptions displayOptions;
    OtherRenderDevices otherRenderDevices;
    ResolutionRender resolutionRender;
    /// The 140 bind boxes `tbx_Bind` of the "Player Settings", "Bind Keys" and "&Communication / Hud" tabs.
    BindKeysPage bindKeys;
    AudioOptions audioOptions;
    MouseOptions mouseOptions;
    CommNumbers commNumbers;
    ObjectivesIrc objectivesIrc;
    ColourRows colourRows;
    WeaponSettings weaponSettings;
    CrosshairChooser crosshairChooser;
    CustomBeacon customBeacon;
    WeaponPriority weaponPriority;
};

} // namespace brevane
