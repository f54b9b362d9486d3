#pragma once
// The settings pages of the main window. Each page owns its controls and table; the main window
// runs their steps in the one fixed order of `loadOrder`, for the full load and for the collect.
#include <vector>

#include "app/app_state.h"
#include "settings/settings_step.h"
#include "toolkit/form.h"
#include "toolkit/picture_box.h"

namespace brevane {

struct Pages {
    Pages(tk::Form& form, AppState& state, tk::PictureBox& pb_Player);

    /// The steps in load (and collect) order.
    std::vector<SettingsStep*> loadOrder();
};

} // namespace brevane
