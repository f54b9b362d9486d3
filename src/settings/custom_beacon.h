#pragma once
// "Use Custom beacon Color" in the beacon colour frame. It is loaded and collected after the crosshairs,
// not beside the colour rows, so it is a step of its own.
#include "settings/table_page.h"
#include "toolkit/check_box.h"

namespace brevane {

class CustomBeacon : public TablePage {
public:
    CustomBeacon(tk::Form& form, AppState& state);

    tk::CheckBox c_CustomBeacon;
};

} // namespace brevane
