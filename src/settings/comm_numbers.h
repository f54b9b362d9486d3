#pragma once
// The communication and HUD numbers of User.ini: tbx_Comm(0..8) on the "&Communication / Hud" tab and
// tbx_Comm(9..11), the network speeds, on "Bind Keys". Their family (with the crosshair scales 12..27)
// is declared with the other shared controls.
#include "settings/shared_controls.h"
#include "settings/table_page.h"

namespace brevane {

class CommNumbers : public TablePage {
public:
    CommNumbers(AppState& state, SharedControls& shared);

    /// The last box on the communication tab; the boxes after it, up to kLastNumber, are on "Bind Keys".
    static constexpr int kLastHudNumber = 8;
    static constexpr int kLastNumber = 11;

    NumericBoxFamily& numbers; ///< tbx_Comm, of which 0..11 are this page's
};

} // namespace brevane
