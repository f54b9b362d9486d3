// Help ▸ About and the About window's model: one window at a time, the mail link, OK, and the
// address's colour cycle (which the window does not run).
#include <gtest/gtest.h>

#include "app/frm_about.h"
#include "app/ini.h"
#include "support/scripted_services.h"

namespace {

using namespace testing_support;

TEST(HelpAbout, TwiceWithoutOkShowsOneWindowAndAfterOkAnotherMayOpen) {
    brevane::INI ini({}, "/opt/brevane/");
    int shown = 0;
    ini.showAbout = [&] { ++shown; };
    ini.mnuAbout_Click();
    ini.mnuAbout_Click();
    EXPECT_EQ(shown, 1);
    ini.frmAbout_Unload();
    ini.mnuAbout_Click();
    EXPECT_EQ(shown, 2);
}

TEST(FrmAbout, TheAddressOpensANewMailAndOkClosesTheWindow) {
    RecordingShell shell;
    tk::Services services;
    services.shell = &shell;
    brevane::frmAbout about(services, "/opt/brevane/");
    int closed = 0;
    about.closeWindow = [&] { ++closed; };
    EXPECT_EQ(about.Label1[0].caption(), "Brevane - Version 1.0");
    EXPECT_EQ(about.Label1[3].caption(), "Send Any Comments, Questions Or Bugs to:");
    EXPECT_EQ(about.lbl_Send_Email[4].caption(), brevane::kContactAddress);
    EXPECT_EQ(about.lbl_Send_Email[4].toolTip(), "Click To Send Mail");
    EXPECT_EQ(about.lbl_Send_Email[4].foreColor(), brevane::kAboutMidBlue);
    EXPECT_EQ(about.b_About.caption(), "OK");
    EXPECT_EQ(about.Picture1.picture(), "/opt/brevane/Images/About.jpg");

    about.lbl_Send_Email[4].userClicks();
    about.lbl_Send_Email_Click(3); // only the address acts
    EXPECT_EQ(shell.urls, std::vector<std::string>{std::string("mailto:") + brevane::kContactAddress});
    EXPECT_EQ(closed, 0);
    about.b_About.userClicks();
    EXPECT_EQ(closed, 1);
}

TEST(FrmAbout, ColourCycleIsNotRunningAndStepsThroughNineColoursWhenTicked) {
    brevane::frmAbout about({}, "/");
    EXPECT_EQ(about.AboutTimer.interval(), 0);
    about.AboutTimer.fire(); // no interval: the tick never runs
    EXPECT_EQ(about.lbl_Send_Email[4].foreColor(), brevane::kAboutMidBlue);
    const tk::Color expected[] = {0xFFC0C0, 0xFF8080, 0xFF0000, 0xC00000, 0x800000,
                                  0xC00000, 0xFF0000, 0xFF8080, 0xFFC0C0, 0xFFC0C0};
    for (tk::Color colour : expected) {
        about.AboutTimer_Timer();
        EXPECT_EQ(about.lbl_Send_Email[4].foreColor(), colour);
    }
}

} // namespace
