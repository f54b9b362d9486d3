#include "settings/shared_controls.h"

#include "app/app_state.h"

namespace brevane {

namespace {

NumericRules stepOf(double step, bool minusStopsAtZero = true) {
    NumericRules rules;
    rules.step = step;
    rules.minusStopsAtZero = minusStopsAtZero;
    return rules;
}

NumericRules clamped(double step, std::optional<double> lower, std::optional<double> upper) {
    NumericRules rules = stepOf(step);
    rules.lower = lower;
    rules.upper = upper;
    return rules;
}

void declareVideoNumbers(NumericBoxFamily& video, tk::TextBox& minRefRate) {
    for (int i = 0; i <= 2; ++i)
        video.add(i, clamped(0.1, 0, 1)); // gamma, brightness, contrast
    for (int i = 3; i <= 6; ++i)
        video.add(i, stepOf(0.1));    // client LODs
    video.add(7, stepOf(5));          // desired refresh rate
    video.add(8, stepOf(0.1));        // Direct3D anisotropy
    video.add(9, stepOf(0.1, false)); // Direct3D mip biases go below 0
    video.add(10, stepOf(0.1, false));
    video.add(11, stepOf(0.1));
    video.add(12, stepOf(0.1));
    video.add(13, stepOf(1)); // OpenGL
    video.add(14, stepOf(0.1));
    video.add(15, stepOf(0.1, false));
    video.add(16, stepOf(1));
    video.add(17, stepOf(0.1));
    video.add(18, stepOf(1, false));
    for (int i = 19; i <= 21; ++i)
        video.add(i, stepOf(1)); // Pixomatic
    video.add(22, stepOf(5));    // audio: max EAX version
    video.add(23, stepOf(1));    // channels
    for (int i = 24; i <= 30; ++i)
        video.add(i, stepOf(0.1));
    video.add(31, stepOf(5));
    video.add(32, stepOf(1000));
    video.add(33, stepOf(0.1));
    video.addExternal(34, minRefRate, stepOf(5, false));
}

void declareMouseNumbers(NumericBoxFamily& mouse) {
    for (int i : {0, 1, 2, 4, 5})
        mouse.add(i, clamped(0.1, 0, std::nullopt));
    mouse.add(3, clamped(0.001, 0, std::nullopt));
    // Its change clamp already turns a minus click below 0 into "0".
    NumericRules pulse = clamped(1, 0, std::nullopt);
    pulse.minusStopsAtZero = false;
    mouse.add(8, pulse);
    mouse.add(9, clamped(0.1, 0, 1));
    mouse.add(10, clamped(0.1, 0, 1));
    mouse.add(11, clamped(0.1, 0, 4));
}

void declareCommNumbers(NumericBoxFamily& comm) {
    auto limited = [](double step, double limit) {
        NumericRules rules = clamped(step, 0, limit);
        rules.plusLimit = limit;
        return rules;
    };
    for (int i = 0; i <= 2; ++i)
        comm.add(i, limited(1, 9)); // voice and announcer volumes, level
    comm.add(3, limited(0.1, 1));   // ambient sound scaling
    comm.add(4, limited(5, 255));   // HUD opacity
    comm.add(5, limited(0.1, 1));   // HUD scale: a fraction of the screen, 0 to 1
    for (int i = 6; i <= 8; ++i)
        comm.add(i, limited(1, 10));              // console messages and fonts
    comm.add(9, clamped(100, 0, std::nullopt));   // ping threshold
    comm.add(10, clamped(1000, 0, std::nullopt)); // internet and LAN speeds
    comm.add(11, clamped(1000, 0, std::nullopt));
    for (int i = 12; i <= 27; ++i) { // crosshair scales: no change clamps
        NumericRules rules = stepOf(0.2);
        rules.plusLimit = 2;
        comm.add(i, rules);
    }
}

} // namespace

SharedControls::SharedControls(tk::Form& form, AppState& state)
    : tbx_MinRefRate(form, "tbx_MinRefRate"),
      video(form, state.LastGoodText, "tbx_video", "b_VideoSub", "b_VideoAdd"),
      mouse(form, state.LastGoodText, "tbx_Mouse", "b_MouseSub", "b_MouseAdd"),
      comm(form, state.LastGoodText, "tbx_Comm", "b_Sub", "b_Add"), c_Video(form, "c_Video"),
      cbx_Video(form, "cbx_Video"), c_Mouse(form, "c_Mouse") {
    declareVideoNumbers(video, tbx_MinRefRate);
    declareMouseNumbers(mouse);
    declareCommNumbers(comm);
    c_Video.add(0, "Full Screen");
    c_Video.add(1, "Screen Flashes");
}

} // namespace brevane
