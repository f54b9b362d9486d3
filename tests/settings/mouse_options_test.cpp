// The "Mouse" frame: its rows, and the steps and bounds of the whole tbx_Mouse family after a load.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using testing_support::crlf;

TEST(MouseOptions, RowsLoadFirstFourOrWholeAndTheClampsActAtLoad) {
    struct Case {
        int box;
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {
        {2, "MouseSensitivity=3.000000", "3.00"}, {4, "MouseAccelThreshold=0.000000", "0"},
        {5, "DoubleClickTime=0.250000", "0.25"},  {0, "MouseSmoothingMode=1", "1"},
        {1, "MouseSmoothingStrength=-0.5", "0"},  {3, "MouseSamplingTime=0.008333", "0.008333"},
    };
    for (const Case& c : cases) {
        PageHarness h;
        h.open(crlf({"[Engine.PlayerInput]", c.stored}));
        auto& mouse = h.ini.pages.mouseOptions;
        mouse.load();
        EXPECT_EQ(mouse.numbers.box(c.box).text(), c.shown) << c.stored;
        mouse.collect();
        EXPECT_EQ(h.ini.state.userIni.values[1], c.shown) << c.stored;
    }
}

TEST(MouseOptions, SwitchesAreMembersZeroAndTwoOfTheSharedArray) {
    PageHarness h;
    h.open(crlf({"bInvertMouse=TRUE", "bAlwaysMouseLook=no", "bEnableDodging=True"}));
    auto& mouse = h.ini.pages.mouseOptions;
    mouse.load();
    EXPECT_EQ(mouse.invertMouse.name(), "c_Mouse(0)");
    EXPECT_EQ(mouse.alwaysMouseLook.name(), "c_Mouse(2)");
    EXPECT_EQ(mouse.alwaysMouseLook.caption(), "Always Mouse Look");
    EXPECT_TRUE(mouse.invertMouse.checked());
    EXPECT_FALSE(mouse.alwaysMouseLook.checked());
    EXPECT_FALSE(h.ini.pages.switches.dodging.checked()) << "c_Mouse(1) is the switches' to load";
    mouse.collect();
    EXPECT_EQ(h.ini.state.userIni.values[0], "True");
    EXPECT_EQ(h.ini.state.userIni.values[1], "False");
    EXPECT_EQ(h.ini.state.userIni.values[2], "True");
}

TEST(MouseOptions, FamilyStepsAndFloorsAfterALoad) {
    PageHarness h;
    h.open(crlf({"MouseSamplingTime=0.008333", "DoubleClickTime=0.250000", "MouseSmoothingMode=1"}));
    h.ini.pages.mouseOptions.load();
    auto& mouse = h.ini.pages.shared.mouse;
    mouse.box(8).setText("0");
    mouse.box(9).setText("0.05");
    mouse.box(11).setText("3.95");
    const std::tuple<int, bool, const char*> clicks[] = {
        {3, true, "0.009333"}, {3, false, "0.008333"}, {3, false, "0.007333"},
        {5, false, "0.15"},    {5, false, "0.05"},     {5, false, "0"}, // -0.05 is shown as 0
        {0, false, "0.9"},     {8, false, "0"},        {8, true, "1"},  // box 8: its change clamp
        {9, false, "0"},       {9, true, "0.1"},       {11, true, "4"}, // 4.05 clamps to 4
    };
    for (const auto& [index, plus, expected] : clicks) {
        (plus ? mouse.plus(index) : mouse.minus(index)).userClicks();
        EXPECT_EQ(mouse.box(index).text(), expected) << mouse.box(index).name() << (plus ? " +" : " -");
    }
}

} // namespace
