#pragma once
// The frame "Audio System": the game's sound settings in UT2004.ini, section [ALAudio.ALAudioSubsystem].
// Twelve switches of its own and twelve numbers, tbx_video(22..33), whose events belong to the shared
// video family.
#include "settings/shared_controls.h"
#include "settings/table_page.h"
#include "toolkit/check_box.h"
#include "toolkit/control_array.h"

namespace brevane {

class AudioOptions : public TablePage {
public:
    AudioOptions(tk::Form& form, AppState& state, SharedControls& shared);

    static constexpr const char* kSection = "[ALAudio.ALAudioSubsystem]";
    /// The video family's members this page loads and stores.
    static constexpr int kFirstNumber = 22;
    static constexpr int kLastNumber = 33;
    /// The last number of the frame's left label column; the rest stand in the right one.
    static constexpr int kLastLeftNumber = 27;

    tk::ControlArray<tk::CheckBox> c_Audio; ///< 0..11
    NumericBoxFamily& numbers;              ///< tbx_video, of which 22..33 are the audio numbers
};

} // namespace brevane
