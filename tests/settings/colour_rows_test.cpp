// Colour values: parsed by position, shown as three clamped component boxes and a preview, written
// back with alpha 255; the component buttons step by 5 within 0..255.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "settings/colour_value.h"
#include "support/test_support.h"

namespace {

using brevane::ColourComponents;
using settings_test::PageHarness;
using settings_test::writtenLines;
using testing_support::crlf;

TEST(GetRGB, ReadsNumbersByPositionOfTheEqualsSigns) {
    struct Case {
        const char* value;
        int red, green, blue;
    };
    const Case cases[] = {
        {"(B=10,G=20,R=30,A=128)", 30, 20, 10},
        {"(R=30,G=20,B=10,A=255)", 10, 20, 30}, // positions decide, not letters
        {"(B= 10,G=20,R=30,A=255)", 30, 20, 10},
        {"(B=10)", 10, 0, 10}, // the third search wraps round to the first "="
        {"", 0, 0, 0},
        {"(B=300,G=0,R=0,A=255)", 0, 0, 300},
        {"(B=2.5,G=3.5,R=-1.5,A=1)", -2, 4, 2}, // halves to the even neighbour
        {"(B=99999,G=-99999,R=7)", 7, -32768, 32767},
        {"(B=,G=,R=)", 0, 0, 0},
        {"=", 0, 0, 0},
    };
    for (const Case& c : cases) {
        ColourComponents rgb{1, 1, 1};
        brevane::GetRGB(rgb, c.value);
        EXPECT_EQ(rgb[0], c.red) << c.value;
        EXPECT_EQ(rgb[1], c.green) << c.value;
        EXPECT_EQ(rgb[2], c.blue) << c.value;
    }
}

TEST(ColourRows, LoadShowsClampedComponentsAndCollectWritesAlpha255) {
    struct Case {
        const char* value;
        const char *red, *green, *blue;
        tk::Color preview;
        const char* written;
    };
    const Case cases[] = {
        {"(B=10,G=20,R=30,A=128)", "30", "20", "10", tk::rgb(30, 20, 10), "(B=10,G=20,R=30,A=255)"},
        {"(B=300,G=0,R=0,A=255)", "0", "0", "255", tk::rgb(0, 0, 255), "(B=255,G=0,R=0,A=255)"},
        {"(B=99999,G=-4,R=1)", "1", "0", "255", tk::rgb(1, 0, 255), "(B=255,G=0,R=1,A=255)"},
        {"", "0", "0", "0", tk::rgb(0, 0, 0), "(B=0,G=0,R=0,A=255)"},
    };
    for (const Case& c : cases) {
        PageHarness h;
        auto& rows = h.ini.pages.colourRows;
        h.open(crlf({std::string("CustomHUDColor=") + c.value}));
        rows.load();
        EXPECT_EQ(rows.txb_IRC_Red(8).text(), c.red) << c.value;
        EXPECT_EQ(rows.txb_IRC_Green(8).text(), c.green) << c.value;
        EXPECT_EQ(rows.txb_IRC_Blue(8).text(), c.blue) << c.value;
        EXPECT_EQ(rows.tbx_IRCColor[8].backColor(), c.preview) << c.value;
        EXPECT_EQ(rows.tbx_IRCColor[8].text(), "Hud Color");
        rows.collect();
        EXPECT_EQ(h.ini.state.userIni.values[0], c.written) << c.value;
    }
}

TEST(ColourRows, WeaponRowsUseTheirSectionAndMissingKeysStoreNothing) {
    PageHarness h;
    auto& rows = h.ini.pages.colourRows;
    h.open(crlf({"CustomCrossHairColor=(B=1,G=2,R=3,A=4)", "[XWeapons.ShieldGun]",
                 "CustomCrossHairColor=(B=40,G=50,R=60,A=255)"}));
    rows.load();
    EXPECT_EQ(rows.txb_IRC_Red(23).text(), "60"); // frame 14, the shield gun
    EXPECT_EQ(rows.txb_IRC_Red(9).text(), "0");   // the redeemer has no section here
    EXPECT_EQ(rows.txb_IRC_Red(0).text(), "0");
    rows.txb_IRC_Blue(23).userTypes("41");
    rows.collect();
    EXPECT_EQ(writtenLines(h.ini.state.userIni),
              (std::vector<std::string>{"CustomCrossHairColor=(B=1,G=2,R=3,A=4)", "[XWeapons.ShieldGun]",
                                        "CustomCrossHairColor=(B=41,G=50,R=60,A=255)", ""}));
}

TEST(ColourRows, ButtonsStepByFiveWithinTheByteRangeAndRepaint) {
    PageHarness h;
    auto& rows = h.ini.pages.colourRows;
    tk::TextBox& red = rows.txb_IRC_Red(5);
    red.setText("250");
    rows.red.plus(5).Click();
    EXPECT_EQ(red.text(), "255");
    rows.red.plus(5).Click();
    EXPECT_EQ(red.text(), "255");
    EXPECT_EQ(rows.tbx_IRCColor[5].backColor(), tk::rgb(255, 0, 0));
    tk::TextBox& green = rows.txb_IRC_Green(5);
    green.setText("3");
    rows.green.minus(5).Click();
    EXPECT_EQ(green.text(), "0");
    rows.blue.plus(5).Click(); // an empty box counts as 0
    EXPECT_EQ(rows.txb_IRC_Blue(5).text(), "5");
    EXPECT_EQ(rows.tbx_IRCColor[5].backColor(), tk::rgb(255, 0, 5));
}

TEST(ColourRows, TypedTextIsGuardedByTheTextRememberedAtFocus) {
    PageHarness h;
    auto& rows = h.ini.pages.colourRows;
    h.open(crlf({"IRCTextColor=(B=40,G=0,R=0,A=0)"}));
    rows.load();
    tk::TextBox& blue = rows.txb_IRC_Blue(0);
    h.ini.form.setFocus(&blue);
    blue.userTypes("40x");
    EXPECT_EQ(blue.text(), "40");
    blue.userTypes("2.5"); // kept as typed, counts as 2 in the preview
    EXPECT_EQ(blue.text(), "2.5");
    EXPECT_EQ(rows.tbx_IRCColor[0].backColor(), tk::rgb(0, 0, 2));
    blue.userTypes("300");
    EXPECT_EQ(blue.text(), "255");
    blue.userTypes("-7");
    EXPECT_EQ(blue.text(), "0");
    blue.userTypes("2.5");
    rows.collect();
    EXPECT_EQ(h.ini.state.userIni.values[0], "(B=2.5,G=0,R=0,A=255)");
}

} // namespace
