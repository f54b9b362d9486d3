#include "app/pages.h"

namespace brevane {

Pages::Pages(tk::Form& form, AppState& state, tk::PictureBox& pb_Player) {
    (void)form;
    (void)state;
    (void)pb_Player;
}

std::vector<SettingsStep*> Pages::loadOrder() { return {}; }

} // namespace brevane
