#include "settings/mouse_options.h"

#include "settings/rules.h"

namespace brevane {

MouseOptions::MouseOptions(AppState& state, SharedControls& shared)
    : TablePage(state), invertMouse(shared.c_Mouse.add(0)), alwaysMouseLook(shared.c_Mouse.add(2)),
      numbers(shared.mouse) {
    const auto user = IniFile::User;
    addRow(invertMouse, "Invert Mouse", user, "", "bInvertMouse", rules::Switch());
    addRow(alwaysMouseLook, "Always Mouse Look", user, "", "bAlwaysMouseLook", rules::Switch());
    addRow(numbers.box(0), "Smoothing Mode", user, "", "MouseSmoothingMode", rules::FirstN(4));
    addRow(numbers.box(1), "Smoothing Strength", user, "", "MouseSmoothingStrength", rules::FirstN(4));
    addRow(numbers.box(2), "Sensitivity", user, "", "MouseSensitivity", rules::FirstN(4));
    // The sampling time needs all its digits (0.008333): a cut would step it to nothing.
    addRow(numbers.box(3), "Sampling Time", user, "", "MouseSamplingTime", rules::Text());
    addRow(numbers.box(4), "Accel Threshold", user, "", "MouseAccelThreshold", rules::FirstN(4));
    addRow(numbers.box(5), "Doublbe Click Time", user, "", "DoubleClickTime", rules::FirstN(4));
}

} // namespace brevane
