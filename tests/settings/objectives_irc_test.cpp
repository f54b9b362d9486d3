// The Assault frame and the IRC frame: switches, numbers shown by their first characters, free texts,
// and the remembered text shared by every number box.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using settings_test::writtenLines;
using testing_support::crlf;

TEST(ObjectivesIrc, RoundTripKeepsTextsAndCutsNumbers) {
    PageHarness h;
    auto& page = h.ini.pages.objectivesIrc;
    h.open(crlf({"bDrawRadar=TRUE", "bShowInfoPods=true", "bShow3DArrow=1", "ObjectiveScale=1.000000",
                 "ASRadarPosX=0.9", "ASRadarPosY=0.125000", "ObjectiveProgressPulseTime=3.000000",
                 "NickName=A very long nick name = with; odd signs", "FullName=", "MaxChatScrollback=250",
                 "InputHistorySize=16", "DefaultChannel=#mychannel", "bIRCTextToSpeechEnabled=True"}));
    page.load();
    EXPECT_TRUE(page.c_Assault[5].checked());
    EXPECT_TRUE(page.c_Assault[1].checked());
    EXPECT_FALSE(page.c_Assault[3].checked());
    EXPECT_EQ(page.assaultNumber(11).text(), "1.00");
    EXPECT_EQ(page.assaultNumber(11).name(), "tbx_Mouse(11)");
    EXPECT_EQ(page.assaultNumber(10).text(), "0.9");
    EXPECT_EQ(page.assaultNumber(9).text(), "0.12"); // the box shows, and saves, its first four characters
    EXPECT_EQ(page.assaultNumber(8).text(), "3.00");
    EXPECT_EQ(page.cbx_Channel.text(), "#mychannel");
    EXPECT_TRUE(page.c_IRC.checked());
    page.collect();
    EXPECT_EQ(writtenLines(h.ini.state.userIni),
              (std::vector<std::string>{
                  "bDrawRadar=True", "bShowInfoPods=True", "bShow3DArrow=False", "ObjectiveScale=1.00",
                  "ASRadarPosX=0.9", "ASRadarPosY=0.12", "ObjectiveProgressPulseTime=3.00",
                  "NickName=A very long nick name = with; odd signs", "FullName=", "MaxChatScrollback=250",
                  "InputHistorySize=16", "DefaultChannel=#mychannel", "bIRCTextToSpeechEnabled=True", ""}));
}

TEST(ObjectivesIrc, AssaultButtonsStepAndClampToTheirLimits) {
    PageHarness h;
    auto& page = h.ini.pages.objectivesIrc;
    struct Case {
        int index;
        const char* start;
        bool plus;
        const char* result;
    };
    const Case cases[] = {
        {11, "3.95", true, "4"},  {11, "0.05", false, "0"}, {11, "1", true, "1.1"}, {10, "0.95", true, "1"},
        {9, "0.3", false, "0.2"}, {8, "0", false, "0"},     {8, "7", true, "8"},
    };
    for (const Case& c : cases) {
        page.assaultNumber(c.index).setText(c.start);
        if (c.plus)
            page.mouse().plus(c.index).Click();
        else
            page.mouse().minus(c.index).Click();
        EXPECT_EQ(page.assaultNumber(c.index).text(), c.result) << c.index << " " << c.start;
    }
}

TEST(ObjectivesIrc, SizeBoxesRestoreTheirOwnTextAfterANameBoxHadTheFocus) {
    PageHarness h;
    auto& page = h.ini.pages.objectivesIrc;
    h.open(crlf({"NickName=Player", "MaxChatScrollback=250"}));
    page.load();
    h.ini.form.setFocus(&page.tbx_IRC[0]);
    EXPECT_EQ(h.ini.state.LastGoodText, "Player");
    page.tbx_IRC[0].userTypes("Player=;x"); // names take any text
    EXPECT_EQ(page.tbx_IRC[0].text(), "Player=;x");
    h.ini.form.setFocus(&page.tbx_IRC[2]);
    page.tbx_IRC[2].userTypes("250a");
    EXPECT_EQ(page.tbx_IRC[2].text(), "250");
    page.tbx_IRC[2].userTypes("99999"); // no bounds
    EXPECT_EQ(page.tbx_IRC[2].text(), "99999");
}

TEST(ObjectivesIrc, MissingNumbersTakeTheRememberedText) {
    PageHarness h;
    auto& page = h.ini.pages.objectivesIrc;
    h.open(crlf({"bDrawRadar=True", "ASRadarPosY=0.3", "InputHistorySize=8"}));
    page.load();
    EXPECT_EQ(page.cbx_Channel.list().size(), 3u);
    // The keys go missing: the empty text is not a number, so the remembered text takes its place.
    h.ini.state.LastGoodText = "0.5";
    h.open(crlf({"bDrawRadar=True"}));
    page.load();
    EXPECT_EQ(page.assaultNumber(9).text(), "0.5");
    EXPECT_EQ(page.tbx_IRC[3].text(), "0.5");
    EXPECT_EQ(page.tbx_IRC[1].text(), "");
}

} // namespace
