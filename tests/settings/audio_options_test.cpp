// The "Audio System" frame: switches, the two counts kept as written, and the numbers shown as number
// text cut to four characters.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using testing_support::crlf;

TEST(AudioOptions, NumbersShowTheirNumberTextCutToFourCharactersAndStoreThat) {
    struct Case {
        int box;
        const char* stored;
        const char* shown; ///< also what the collect stores, when the key is there
    };
    const Case cases[] = {
        {24, "MusicVolume=0.800000", "0.8"},
        {24, "MusicVolume=1.000000", "1"},
        {24, "MusicVolume=0.125", "0.12"},
        {24, "MusicVolume=12345", "1234"},
        {24, "MusicVolume=abc", "0"},
        {24, "MusicVolume=", "0"},
        {24, "Other=1", "0"},
        {33, "LocalZOffset=-12.5", "-12."},
        {23, "Channels=32", "32"},
        {22, "MaxEAXVersion=3", "3"},
    };
    for (const Case& c : cases) {
        PageHarness h;
        h.open({}, crlf({"[ALAudio.ALAudioSubsystem]", c.stored}));
        auto& audio = h.ini.pages.audioOptions;
        audio.load();
        EXPECT_EQ(audio.numbers.box(c.box).text(), c.shown) << c.stored;
        audio.collect();
        const bool present = std::string(c.stored).rfind("Other", 0) != 0;
        EXPECT_EQ(h.ini.state.gameIni.values[1], present ? c.shown : "1") << c.stored;
    }
}

TEST(AudioOptions, ValuesAreReadFromTheAudioSectionOn) {
    PageHarness h;
    h.open({}, crlf({"[Engine.GameInfo]", "MusicVolume=0.3", "UseEAX=True", "[alaudio.alaudiosubsystem]",
                     "musicvolume=0.9", "[Later]", "UseEAX=true"}));
    auto& audio = h.ini.pages.audioOptions;
    audio.load();
    EXPECT_EQ(audio.numbers.box(24).text(), "0.9");
    // The search runs past the end of the section, as the game's own lookups do.
    EXPECT_TRUE(audio.c_Audio[0].checked());
    EXPECT_EQ(audio.c_Audio[3].caption(), "Combatibility Mode");
    EXPECT_EQ(audio.c_Audio[0].name(), "c_Audio(0)");

    // Stores compare the header exactly: the lower-case header is not found, so no line changes.
    audio.numbers.box(24).setText("0.5");
    audio.c_Audio[0].setChecked(false);
    audio.collect();
    EXPECT_EQ(h.ini.state.gameIni.values[4], "0.9");
    EXPECT_EQ(h.ini.state.gameIni.values[6], "true");
    EXPECT_EQ(h.ini.state.gameIni.values[2], "True");
}

TEST(AudioOptions, LoadedNumbersStepByTheirOwnSteps) {
    PageHarness h;
    h.open({}, crlf({"[ALAudio.ALAudioSubsystem]", "MaxEAXVersion=3", "Channels=32", "SpatializedVoiceRadius=2000",
                     "TimeBetweenHWUpdates=15.000000", "Rolloff=0.05"}));
    auto& audio = h.ini.pages.audioOptions;
    audio.load();
    auto& video = audio.numbers;
    const std::tuple<int, bool, const char*> clicks[] = {
        {22, true, "8"},    {22, true, "13"},    {23, true, "33"},    {23, false, "32"},
        {32, true, "3000"}, {32, false, "2000"}, {32, false, "1000"}, {32, false, "0"},
        {32, false, "0"},   {31, false, "10"},   {30, false, "0"},    {30, true, "0.1"},
    };
    for (const auto& [index, plus, expected] : clicks) {
        (plus ? video.plus(index) : video.minus(index)).userClicks();
        EXPECT_EQ(video.box(index).text(), expected) << video.box(index).name() << (plus ? " +" : " -");
    }
}

TEST(AudioOptions, TableListsTwentyFourRowsOfTheGameFile) {
    PageHarness h;
    const auto rows = h.ini.pages.audioOptions.rows();
    ASSERT_EQ(rows.size(), 24u);
    for (const auto& row : rows) {
        EXPECT_EQ(row.file, brevane::IniFile::Game) << row.name;
        EXPECT_EQ(row.section, "[ALAudio.ALAudioSubsystem]") << row.name;
    }
    EXPECT_EQ(rows[12].name, "tbx_video(22)");
    EXPECT_EQ(rows[12].caption, "Max EAX Version");
    EXPECT_EQ(rows[23].name, "tbx_video(33)");
    EXPECT_EQ(rows[23].key, "LocalZOffset");
}

} // namespace
