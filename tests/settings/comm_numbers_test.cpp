// The communication and HUD numbers: each box shows the first characters of its value, the change
// limits act on the loaded text, and a missing value brings back the window's remembered text.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using testing_support::crlf;

TEST(CommNumbers, LoadShowsTheFirstCharactersWithinTheLimits) {
    struct Case {
        int box;
        const char* stored;
        const char* shown; ///< and written back
    };
    const Case cases[] = {
        {0, "TextToSpeechVoiceVolume=6.000000", "6"},
        {3, "AmbientSoundScaling=0.600000", "0.6"},
        {4, "HudOpacity=255.000000", "255"},
        {5, "HudScale=0.800000", "0.80"},
        {5, "HudScale=1.000000", "1"},
        {5, "HudScale=1.5", "1"},
        {6, "ConsoleMessageCount=12", "10"},
        {8, "MessageFontOffset=-2", "0"},
        {9, "DynamicPingThreshold=400.000000", "400"},
        {10, "ConfiguredInternetSpeed=10000", "10000"},
        {11, "ConfiguredLanSpeed=100000", "10000"},
    };
    for (const Case& c : cases) {
        PageHarness h;
        h.open(crlf({"[Engine.PlayerController]", c.stored}));
        auto& comm = h.ini.pages.commNumbers;
        comm.load();
        EXPECT_EQ(comm.numbers.box(c.box).text(), c.shown) << c.stored;
        comm.collect();
        EXPECT_EQ(h.ini.state.userIni.values[1], c.shown) << c.stored;
    }
}

TEST(CommNumbers, LoadedBoxesStepToTheirLimits) {
    PageHarness h;
    h.open(crlf({"AmbientSoundScaling=0.950000", "HudOpacity=252", "HudScale=0.95", "DynamicPingThreshold=50",
                 "ConfiguredInternetSpeed=99000", "AnnouncerVolume=9"}));
    h.ini.pages.commNumbers.load();
    auto& comm = h.ini.pages.shared.comm;
    const std::tuple<int, bool, const char*> clicks[] = {
        {3, true, "1"},  {3, false, "0.9"},    {4, true, "255"},     {4, false, "250"}, {5, true, "1"},
        {9, false, "0"}, {10, true, "100000"}, {10, true, "101000"}, {1, true, "9"},    {1, false, "8"},
    };
    for (const auto& [index, plus, expected] : clicks) {
        (plus ? comm.plus(index) : comm.minus(index)).userClicks();
        EXPECT_EQ(comm.box(index).text(), expected) << comm.box(index).name() << (plus ? " +" : " -");
    }
}

TEST(CommNumbers, TypedValuesAreHeldWithinTheLimits) {
    PageHarness h;
    auto& opacity = h.ini.pages.shared.comm.box(4);
    opacity.setText("100");
    h.ini.form.setFocus(&opacity);
    const std::pair<const char*, const char*> typed[] = {{"300", "255"}, {"-4", "0"}, {"12x", "100"}, {"", "100"}};
    for (const auto& [text, shown] : typed) {
        opacity.userTypes(text);
        EXPECT_EQ(opacity.text(), shown) << text;
    }
    // Non-numbers bring back what the box showed when it got the focus.
    EXPECT_EQ(h.ini.state.LastGoodText, "100");
}

TEST(CommNumbers, AMissingValueShowsTheRememberedTextOfTheBoxLastFocused) {
    PageHarness h;
    auto& comm = h.ini.pages.commNumbers;
    h.open(crlf({"DynamicPingThreshold=400", "ConfiguredInternetSpeed=10000", "ConfiguredLanSpeed=8000"}));
    comm.load();
    h.ini.form.setFocus(&comm.numbers.box(10));

    // Reopen files where the ping threshold is missing and the LAN speed has no value.
    h.open(crlf({"ConfiguredInternetSpeed=5000", "ConfiguredLanSpeed=", "[Engine.PlayerController]"}));
    comm.load();
    EXPECT_EQ(comm.numbers.box(9).text(), "10000");
    EXPECT_EQ(comm.numbers.box(11).text(), "10000");
    comm.collect();
    // The empty value gets the shown number; the missing key changes no line (line 0 included).
    EXPECT_EQ(h.ini.state.userIni.values[0], "5000");
    EXPECT_EQ(h.ini.state.userIni.values[1], "10000");
    EXPECT_EQ(h.ini.state.userIni.lineCount(), 4u);
}

} // namespace
