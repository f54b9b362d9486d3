#include "settings/audio_options.h"

#include "settings/rules.h"

namespace brevane {

namespace {

struct AudioLine {
    const char* caption;
    const char* key;
};

constexpr AudioLine kSwitches[] = {
    {"Use EAX", "UseEAX"},
    {"Use 3D Sound", "Use3DSound"},
    {"Use Default Driver", "UseDefaultDriver"},
    {"Combatibility Mode", "CompatibilityMode"},
    {"Precache", "UsePrecache"},
    {"Reverse Stereo", "ReverseStereo"},
    {"Disable Pitch", "DisablePitch"},
    {"Low Quality Sound", "LowQualitySound"},
    {"Voice Over IP", "UseVoIP"},
    {"VAD", "UseVAD"},
    {"Spatialized Voice", "UseSpatializedVoice"},
    {"Enhanced Denoiser", "EnhancedDenoiser"},
};

/// tbx_video(22) onwards. The first two are whole counts kept as written; the rest are shown as
/// numbers cut to four characters.
constexpr AudioLine kNumbers[] = {
    {"Max EAX Version", "MaxEAXVersion"},
    {"Channels", "Channels"},
    {"Music Volume", "MusicVolume"},
    {"Ambient Volume", "AmbientVolume"},
    {"Sound Volume", "SoundVolume"},
    {"Voice Volume", "VoiceVolume"},
    {"Volume Scale Rec", "VolumeScaleRec"},
    {"Doppler Factor", "DopplerFactor"},
    {"Rolloff", "Rolloff"},
    {"Time Btwn HW Updates", "TimeBetweenHWUpdates"},
    {"Spatialized Voice Radius", "SpatializedVoiceRadius"},
    {"Local Offset", "LocalZOffset"},
};

} // namespace

AudioOptions::AudioOptions(tk::Form& form, AppState& state, SharedControls& shared)
    : TablePage(state), c_Audio(form, "c_Audio"), numbers(shared.video) {
    const auto game = IniFile::Game;
    int index = 0;
    for (const AudioLine& line : kSwitches)
        addRow(c_Audio.add(index++), line.caption, game, kSection, line.key, rules::Switch());
    index = kFirstNumber;
    for (const AudioLine& line : kNumbers) {
        const bool count = index < kFirstNumber + 2;
        addRow(numbers.box(index++), line.caption, game, kSection, line.key,
               count ? rules::Text() : rules::Number4());
    }
}

} // namespace brevane
