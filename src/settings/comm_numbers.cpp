#include "settings/comm_numbers.h"

#include <cstddef>

#include "settings/rules.h"

namespace brevane {

namespace {

struct CommLine {
    const char* caption;
    const char* key;
    std::size_t shown; ///< how many characters of the stored value the box shows
};

// HudScale shows four characters: one would turn the usual 0.800000 into 0 and write that back.
constexpr CommLine kNumbers[] = {
    {"Text To Speach Vol", "TextToSpeechVoiceVolume", 1},
    {"Announcer Volume", "AnnouncerVolume", 1},
    {"Announcer Level", "AnnouncerLevel", 1},
    {"Ambient Sound", "AmbientSoundScaling", 3},
    {"Hud Opaciity", "HudOpacity", 3},
    {"Hud Scale", "HudScale", 4},
    {"Message Count", "ConsoleMessageCount", 2},
    {"Font Size", "ConsoleFontSize", 2},
    {"Msg Font Offset", "MessageFontOffset", 2},
    {"Ping Threshold", "DynamicPingThreshold", 3},
    {"Internet Speed", "ConfiguredInternetSpeed", 5},
    {"Lan Speed", "ConfiguredLanSpeed", 5},
};

} // namespace

CommNumbers::CommNumbers(AppState& state, SharedControls& shared) : TablePage(state), numbers(shared.comm) {
    int index = 0;
    for (const CommLine& line : kNumbers)
        addRow(numbers.box(index++), line.caption, IniFile::User, "", line.key, rules::FirstN(line.shown));
}

} // namespace brevane
