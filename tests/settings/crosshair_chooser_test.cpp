// Crosshairs: texture names shown as display names with their pictures, written back as textures; the
// scale boxes of the tbx_Comm family step by 0.2 up to 2.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "settings/crosshairs.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using testing_support::crlf;

TEST(Crosshairs, TranslateBothWays) {
    struct Case {
        const char* texture;
        const char* display;
    };
    const Case toDisplay[] = {
        {"crosshairs.hud.crosshair_dot", "Dot"},
        {"ONSInterface-TX.avrilRETICLE", "Avril"},
        {"onsinterface-tx.avrilreticletrack", "Avril Track"},
        {"ONSInterface-TX.TankRectile", "Tank"},
        {"", "Cross 1"},
        {"OtherPack.Crosshair_Dot", "Cross 1"},
    };
    for (const Case& c : toDisplay)
        EXPECT_EQ(brevane::GetCrosshair(c.texture), c.display) << c.texture;
    const Case toTexture[] = {
        {"Crosshairs.HUD.Crosshair_Dot", "Dot"},
        {"", "dot"},
        {"", "Cross1"},
        {"", ""},
        {"ONSInterface-TX.grenadeLauncherReticle", "Grenade Launcher"},
    };
    for (const Case& c : toTexture)
        EXPECT_EQ(brevane::CrosshairTextureFor(c.display), c.texture) << c.display;
    // Every listed name has a texture and a picture.
    ASSERT_EQ(brevane::crosshairList().size(), 20u);
    for (const std::string& name : brevane::crosshairList()) {
        EXPECT_EQ(brevane::GetCrosshair(brevane::CrosshairTextureFor(name)), name);
        EXPECT_TRUE(
            std::filesystem::exists(testing_support::assetsDir() / "Images" / "CrossHairs" / (name + ".jpg")))
            << name;
    }
}

TEST(CrosshairChooser, LoadShowsNameAndPictureAndCollectWritesTheTexture) {
    PageHarness h;
    auto& page = h.ini.pages.crosshairChooser;
    h.open(crlf({"[XWeapons.Redeemer]", "CustomCrossHairTextureName=crosshairs.hud.crosshair_dot",
                 "CustomCrossHairScale=0.750000", "[XWeapons.Painter]", "CustomCrossHairTextureName=Other.Thing",
                 "CustomCrossHairScale=1", "[XWeapons.ShieldGun]", "CustomCrossHairTextureName=x"}));
    page.load();
    EXPECT_EQ(page.cbx_Cross[0].text(), "Dot");
    EXPECT_EQ(page.p_CrossPic[0].picture(), "/program/Images/CrossHairs/Dot.jpg");
    EXPECT_EQ(page.cbx_Cross[1].text(), "Cross 1");
    EXPECT_EQ(page.scaleBox(0).text(), "0.7"); // the box shows, and saves, its first three characters
    EXPECT_EQ(page.scaleBox(0).name(), "tbx_Comm(12)");
    EXPECT_EQ(page.scaleBox(1).text(), "1");
    page.cbx_Cross[14].userPicks(16); // "Tank"
    EXPECT_EQ(page.p_CrossPic[14].picture(), "/program/Images/CrossHairs/Tank.jpg");
    page.cbx_Cross[1].userTypes("triad 1"); // typed: no picture change, not a name
    EXPECT_EQ(page.p_CrossPic[1].picture(), "/program/Images/CrossHairs/Cross 1.jpg");
    page.collect();
    const auto& values = h.ini.state.userIni.values;
    EXPECT_EQ(values[1], "Crosshairs.HUD.Crosshair_Dot");
    EXPECT_EQ(values[2], "0.7");
    EXPECT_EQ(values[4], "");
    EXPECT_EQ(values[7], "ONSInterface-TX.TankRectile");
}

TEST(CrosshairChooser, ScaleButtonsStopAtTwoAndZeroButTypingIsFree) {
    PageHarness h;
    auto& page = h.ini.pages.crosshairChooser;
    tk::TextBox& scale = page.scaleBox(15);
    struct Case {
        const char* start;
        bool plus;
        const char* result;
    };
    const Case cases[] = {{"1.9", true, "2"}, {"2", true, "2"},  {"0.1", false, "0"},
                          {"1", true, "1.2"}, {"", true, "0.2"}, {"5", false, "4.8"}};
    for (const Case& c : cases) {
        scale.setText(c.start);
        (c.plus ? page.comm().plus(27) : page.comm().minus(27)).Click();
        EXPECT_EQ(scale.text(), c.result) << c.start;
    }
    h.ini.form.setFocus(&scale); // remembers "4.8"
    scale.userTypes("5");
    EXPECT_EQ(scale.text(), "5");
    scale.userTypes("5q");
    EXPECT_EQ(scale.text(), "4.8");
}

} // namespace
