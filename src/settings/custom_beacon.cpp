#include "settings/custom_beacon.h"

#include "settings/rules.h"

namespace brevane {

CustomBeacon::CustomBeacon(tk::Form& form, AppState& state)
    : TablePage(state), c_CustomBeacon(form, "c_CustomBeacon") {
    addRow(c_CustomBeacon, "Use Custom beacon Color", IniFile::User, "", "TeamBeaconUseCustomColor",
           rules::Switch());
}

} // namespace brevane
