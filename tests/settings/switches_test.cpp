// The game and HUD switches: the switch rule for all 39 rows and the Quiet Menu flag.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using settings_test::writtenLines;
using testing_support::crlf;

TEST(Switches, RoundTripReadsTrueInAnyCaseAndWritesTrueOrFalse) {
    PageHarness h;
    h.open(crlf({"[Engine.PlayerController]", "bHideHUD=true", "bNoVoiceMessages=TRUE", "bPlayerShadows=1",
                 "bEnableDodging=True", "bLandingShake=", "bSomethingElse=true", "bQuietMenu=True"}));
    auto& s = h.ini.pages.switches;
    s.load();
    EXPECT_TRUE(s.c_Hud[0].checked());
    EXPECT_TRUE(s.c_Comm[0].checked());
    EXPECT_FALSE(s.c_Player_Shadow.checked());
    EXPECT_TRUE(s.dodging.checked());
    EXPECT_EQ(s.dodging.name(), "c_Mouse(1)");
    EXPECT_FALSE(h.ini.state.QuietMenuMissing);
    s.c_Comm[0].setChecked(false);
    s.collect();
    EXPECT_EQ(writtenLines(h.ini.state.userIni),
              (std::vector<std::string>{"[Engine.PlayerController]", "bHideHUD=True", "bNoVoiceMessages=False",
                                        "bPlayerShadows=False", "bEnableDodging=True", "bLandingShake=False",
                                        "bSomethingElse=true", "bQuietMenu=True", ""}));
}

TEST(Switches, TableHoldsThirtyNineRowsWithTheirCaptions) {
    PageHarness h;
    auto rows = h.ini.pages.switches.rows();
    ASSERT_EQ(rows.size(), 39u);
    EXPECT_EQ(rows[0].caption, "Player Shadows");
    EXPECT_EQ(h.ini.pages.switches.c_Hud[8].caption(), "Quiet Menu");
    EXPECT_EQ(h.ini.pages.switches.c_Hud[16].caption(), "KeyBoard Look");
    EXPECT_EQ(rows.back().key, "bLandingShake");
}

TEST(Switches, QuietMenuWithoutValueKeepsTheBoxAndRaisesTheFlag) {
    for (const char* line : {"bNoToolTips=True", "bQuietMenu="}) {
        PageHarness h;
        auto& quiet = h.ini.pages.switches.c_Hud[8];
        h.open(crlf({"bQuietMenu=TRUE"}));
        h.ini.pages.switches.load();
        EXPECT_TRUE(quiet.checked());
        EXPECT_FALSE(h.ini.state.QuietMenuMissing);

        h.open(crlf({line}));
        h.ini.pages.switches.load();
        EXPECT_TRUE(quiet.checked()) << line; // kept from the earlier load
        EXPECT_TRUE(h.ini.state.QuietMenuMissing) << line;

        h.open(crlf({"bQuietMenu=False"}));
        h.ini.pages.switches.load();
        EXPECT_FALSE(quiet.checked());
        EXPECT_FALSE(h.ini.state.QuietMenuMissing);
    }
}

} // namespace
