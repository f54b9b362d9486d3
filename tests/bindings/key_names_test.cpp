// The game's key names: the runs, the single names and the codes without a name.
#include <gtest/gtest.h>

#include <cctype>
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

TEST(KeyNameToCode, GivesBackTheCodeOfEveryNameInAnyLetterCase) {
    for (int code = 0; code <= 254; ++code) {
        const std::string name = KeyCodeToName(code);
        if (name.empty()) continue;
        std::string upper = name, lower = name;
        for (char &c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (char &c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(brevane::KeyNameToCode(upper), code) << name;
        EXPECT_EQ(brevane::KeyNameToCode(lower), code) << name;
    }
    for (const char *notAName : {"", "Mouse9", "LeftMouse ", "Joy17", "F25", "W=Fire"})
        EXPECT_EQ(brevane::KeyNameToCode(notAName), std::nullopt) << notAName;
}

TEST(KeyNameToCode, MouseButtonsAreTheCodesOfTheMouseNames) {
    for (int code = -1; code <= 255; ++code) {
        const std::string name = KeyCodeToName(code);
        const bool mouseButton = name == "LeftMouse" || name == "RightMouse" || name == "MiddleMouse" ||
                                 (name.size() == 6 && name.rfind("Mouse", 0) == 0 && std::isdigit(static_cast<unsigned char>(name[5])));
        EXPECT_EQ(brevane::isMouseButtonCode(code), mouseButton) << code << " " << name;
    }
}

} // namespace
