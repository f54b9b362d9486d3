// The game's key names: the runs, the single names and the codes without a name.
#include <gtest/gtest.h>

#include <set>

#include "bindings/key_names.h"

namespace {

using brevane::KeyCodeToName;

TEST(KeyCodeToName, NamesTheRunsAndTheSpecialCodes) {
    const struct {
        int code;
        const char *name;
    } cases[] = {
        {0, "None"},
        {1, "LeftMouse"},
        {2, "RightMouse"},
        {3, "Cancel"},
        {4, "MiddleMouse"},
        {5, ""},
        {48, "0"},
        {57, "9"},
        {65, "A"},
        {72, "H"},
        {73, "i"},
        {74, "j"},
        {75, "K"},
        {90, "Z"},
        {96, "NumPad0"},
        {105, "NumPad9"},
        {110, "NumPadPeriod"},
        {112, "F1"},
        {135, "F24"},
        {136, ""},
        {160, "LShift"},
        {163, "RControl"},
        {164, ""},
        {193, "Mouse4"},
        {197, "Mouse8"},
        {198, ""},
        {200, "Joy1"},
        {215, "Joy16"},
        {216, ""},
        {228, "MouseX"},
        {230, "MouseZ"},
        {231, ""},
        {232, "JoyU"},
        {236, "MWheelUp"},
        {237, "MWheelDown"},
        {238, ""},
        {254, "OEMClear"},
        {255, ""},
        {256, ""},
        {1000, ""},
        {-1, ""},
        {-32768, ""},
        {32767, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(KeyCodeToName(c.code), c.name) << "code " << c.code;
}

TEST(KeyCodeToName, HasOneHundredSixtySevenDistinctNames) {
    std::set<std::string> names;
    int named = 0;
    for (int code = -5; code < 300; ++code) {
        std::string name = KeyCodeToName(code);
        if (name.empty()) continue;
        ++named;
        EXPECT_TRUE(names.insert(name).second) << name << " is given to two codes";
        EXPECT_GE(code, 0);
        EXPECT_LE(code, 254);
    }
    EXPECT_EQ(named, 167);
}

} // namespace
