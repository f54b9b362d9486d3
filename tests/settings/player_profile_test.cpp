// The player profile: its nine rows load and collect by their rules; the portrait; the stats boxes.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using settings_test::writtenLines;
using testing_support::crlf;

TEST(PlayerProfile, RoundTripShowsEachRule) {
    PageHarness h;
    h.open(crlf({"[Engine.PlayerController]", "Name=Big Cheese", "Character=jakob", "StatsUsername=abc",
                 "StatsPassword=secret99", "team=0", "Bob=0.012500", "DesiredFOV=90.000000", "DefaultFOV=200",
                 "OtherKey=90.000000", "[Other]", "Bob=5"}));
    auto& p = h.ini.pages.playerProfile;
    p.load();
    EXPECT_EQ(p.tbx_Name.text(), "Big Cheese");
    EXPECT_EQ(p.cb_Character.text(), "jakob");
    EXPECT_EQ(h.ini.pb_Player.picture(), "/program/Images/Characters/Jakob.jpg");
    EXPECT_EQ(h.ini.pb_Player.fallbackPicture(), "/program/Images/Player.jpg");
    EXPECT_EQ(p.tbx_Stat_Name.text(), "abc"); // a load never tests the length
    EXPECT_TRUE(p.rb_Red.value());
    EXPECT_EQ(p.tbx_Bob.text(), "0.012");
    EXPECT_EQ(p.tbx_FOV.text(), "90.0");
    EXPECT_EQ(p.tbx_FOV2.text(), "180");
    EXPECT_EQ(p.tbx_Total_Unockedl_Char.text(), "0"); // missing key

    p.collect();
    EXPECT_EQ(writtenLines(h.ini.state.userIni),
              (std::vector<std::string>{"[Engine.PlayerController]", "Name=Big Cheese", "Character=jakob",
                                        "StatsUsername=abc", "StatsPassword=secret99", "team=0", "Bob=0.012",
                                        "DesiredFOV=90.0", "DefaultFOV=180", "OtherKey=90.000000", "[Other]",
                                        "Bob=5", ""}));
}

TEST(PlayerProfile, BobAboveOneIsClampedAtLoad) {
    PageHarness h;
    h.open(crlf({"Bob=1.5", "DesiredFOV=-5"}));
    h.ini.pages.playerProfile.load();
    h.ini.pages.playerProfile.collect();
    EXPECT_EQ(writtenLines(h.ini.state.userIni), (std::vector<std::string>{"Bob=1", "DesiredFOV=0", ""}));
}

TEST(PlayerProfile, TeamZeroIsRedEverythingElseBlue) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"team=0"}, "team=0"}, {{"team=1"}, "team=1"}, {{"team=255"}, "team=1"}, {{"team="}, "team=1"}};
    for (const auto& [lines, written] : cases) {
        PageHarness h;
        h.open(crlf({lines[0]}));
        auto& p = h.ini.pages.playerProfile;
        p.load();
        EXPECT_NE(p.rb_Red.value(), p.rb_Blue.value());
        p.collect();
        EXPECT_EQ(h.ini.state.userIni.keys[0] + "=" + h.ini.state.userIni.values[0], written);
    }
    PageHarness missing;
    missing.open(crlf({"Name=x"}));
    missing.ini.pages.playerProfile.load();
    EXPECT_TRUE(missing.ini.pages.playerProfile.rb_Blue.value());
    missing.ini.pages.playerProfile.collect();
    EXPECT_EQ(writtenLines(missing.ini.state.userIni), (std::vector<std::string>{"Name=x", ""}));
}

TEST(PlayerProfile, UnknownCharacterKeepsWhatWasShown) {
    PageHarness h;
    h.open(crlf({"Character=Nobody"}));
    auto& p = h.ini.pages.playerProfile;
    p.load();
    EXPECT_EQ(p.cb_Character.text(), "");
    EXPECT_EQ(h.ini.pb_Player.picture(), "/program/Images/Player.jpg");
    p.collect();
    EXPECT_EQ(h.ini.state.userIni.values[0], "");

    h.open(crlf({"Character=Gorge"}));
    p.load();
    h.open(crlf({"Name=x"}));
    p.load();
    EXPECT_EQ(p.cb_Character.text(), "Gorge");
    EXPECT_EQ(h.ini.pb_Player.picture(), "/program/Images/Characters/Gorge.jpg");
}

TEST(PlayerProfile, PickingACharacterShowsItsPortraitTypingDoesNot) {
    PageHarness h;
    auto& p = h.ini.pages.playerProfile;
    ASSERT_EQ(p.cb_Character.list().size(), 82u);
    EXPECT_EQ(p.cb_Character.list().front(), "Ambrosia");
    EXPECT_EQ(p.cb_Character.list().back(), "Abaddon");
    p.cb_Character.userPicks(65);
    EXPECT_EQ(p.cb_Character.text(), "Jakob");
    EXPECT_EQ(h.ini.pb_Player.picture(), "/program/Images/Characters/Jakob.jpg");
    p.cb_Character.userTypes("Somebody");
    EXPECT_EQ(h.ini.pb_Player.picture(), "/program/Images/Characters/Jakob.jpg");
}

TEST(PlayerProfile, StatsBoxesWantSixCharactersWhenLeftOrOnEnter) {
    PageHarness h;
    auto& p = h.ini.pages.playerProfile;
    auto& form = h.ini.form;
    p.tbx_Stat_Name.setText("abc");
    form.setFocus(&p.tbx_Stat_Name);
    form.setFocus(&p.tbx_Name);
    ASSERT_EQ(h.messages.shown, std::vector<std::string>{"'Stat Name' Must Be At Least 6 Characters Long"});
    EXPECT_EQ(p.tbx_Stat_Name.text(), "");
    EXPECT_EQ(form.focused(), &p.tbx_Stat_Name);

    p.tbx_Stat_Name.userTypes("player1");
    form.setFocus(&p.tbx_Name);
    EXPECT_EQ(form.focused(), &h.ini.pb_Player);
    EXPECT_EQ(h.messages.shown.size(), 1u);

    form.setFocus(&p.tbx_Stat_Pass);
    p.tbx_Stat_Pass.userTypes("12345");
    p.tbx_Stat_Pass.fireKeyDown(13);
    EXPECT_EQ(h.messages.shown.back(), "'Stat Password' Must Be At Least 6 Characters Long");
    EXPECT_EQ(p.tbx_Stat_Pass.text(), "");
    EXPECT_EQ(form.focused(), &p.tbx_Stat_Pass);
    EXPECT_EQ(p.tbx_Stat_Pass.passwordChar(), '*');

    // Leaving one short box for the other short box asks once, not twice.
    p.tbx_Stat_Pass.userTypes("longpass");
    form.setFocus(&h.ini.pb_Player);
    p.tbx_Stat_Name.setText("ab");
    form.setFocus(&p.tbx_Stat_Name);
    p.tbx_Stat_Pass.setText("");
    const std::size_t before = h.messages.shown.size();
    form.setFocus(&p.tbx_Stat_Pass);
    EXPECT_EQ(h.messages.shown.size(), before + 1);
    EXPECT_EQ(form.focused(), &p.tbx_Stat_Name);
}

} // namespace
