// The weapon frames' switches: fire-mode "unless zero", old mesh "unless False", read and written in
// the weapon's own section or, when it lacks the key, at the first such key after its header.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "settings/weapon_frames.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using settings_test::writtenLines;
using testing_support::crlf;

TEST(WeaponSettings, SwitchRulesReadAndWriteEachForm) {
    struct Case {
        const char* swapLine;
        bool swapChecked;
        const char* swapWritten;
        const char* meshLine;
        bool meshChecked;
        const char* meshWritten;
    };
    const Case cases[] = {
        {"ExchangeFireModes=1", true, "ExchangeFireModes=1", "bUseOldWeaponMesh=false", false,
         "bUseOldWeaponMesh=False"},
        {"ExchangeFireModes=2", true, "ExchangeFireModes=1", "bUseOldWeaponMesh=True", true,
         "bUseOldWeaponMesh=True"},
        {"ExchangeFireModes=0", false, "ExchangeFireModes=0", "bUseOldWeaponMesh=FALSE", false,
         "bUseOldWeaponMesh=False"},
        {"ExchangeFireModes=", true, "ExchangeFireModes=1", "bUseOldWeaponMesh=", true, "bUseOldWeaponMesh=True"},
        {"ExchangeFireModes=x", true, "ExchangeFireModes=1", "bUseOldWeaponMesh=0", true,
         "bUseOldWeaponMesh=True"},
    };
    for (const Case& c : cases) {
        PageHarness h;
        auto& page = h.ini.pages.weaponSettings;
        h.open(crlf({"[XWeapons.ShockRifle]", c.swapLine, c.meshLine}));
        page.load();
        EXPECT_EQ(page.c_SwapFire[10].checked(), c.swapChecked) << c.swapLine;
        EXPECT_EQ(page.c_OldMesh[10].checked(), c.meshChecked) << c.meshLine;
        page.collect();
        EXPECT_EQ(writtenLines(h.ini.state.userIni),
                  (std::vector<std::string>{"[XWeapons.ShockRifle]", c.swapWritten, c.meshWritten, ""}))
            << c.swapLine << " " << c.meshLine;
    }
}

TEST(WeaponSettings, MissingKeysCheckTheBoxesAndWriteNothing) {
    PageHarness h;
    auto& page = h.ini.pages.weaponSettings;
    const std::string text = crlf({"[XWeapons.Redeemer]", "Priority=1"});
    h.open(text);
    page.load();
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(page.c_SwapFire[i].checked()) << i;
        EXPECT_TRUE(page.c_OldMesh[i].checked()) << i;
    }
    EXPECT_TRUE(page.c_OldMesh[16].checked());
    page.collect();
    EXPECT_EQ(writtenLines(h.ini.state.userIni),
              (std::vector<std::string>{"[XWeapons.Redeemer]", "Priority=1", ""}));
}

TEST(WeaponSettings, SectionWithoutTheKeyReadsAndWritesTheNextSectionsLine) {
    PageHarness h;
    auto& page = h.ini.pages.weaponSettings;
    // The sniper (frame 3) lacks ExchangeFireModes; the rocket launcher (frame 4) after it has one.
    h.open(crlf({"[XWeapons.SniperRifle]", "bUseOldWeaponMesh=False", "[XWeapons.RocketLauncher]",
                 "ExchangeFireModes=0", "bUseOldWeaponMesh=True"}));
    page.load();
    EXPECT_FALSE(page.c_SwapFire[3].checked()); // the rocket launcher's value
    EXPECT_FALSE(page.c_SwapFire[4].checked());
    // The sniper's box is written first, then the rocket launcher's own box overwrites the same line.
    page.c_SwapFire[3].setChecked(true);
    page.collect();
    EXPECT_EQ(h.ini.state.userIni.values[3], "0");
    page.c_SwapFire[4].setChecked(true);
    page.c_SwapFire[3].setChecked(false);
    page.collect();
    EXPECT_EQ(h.ini.state.userIni.values[3], "1");
}

TEST(WeaponSettings, PreviousWeaponSwitchIsReadAfterTheTranslauncherHeader) {
    PageHarness h;
    auto& page = h.ini.pages.weaponSettings;
    h.open(crlf({"bPrevWeaponSwitch=True", "[XWeapons.Translauncher]", "ExchangeFireModes=0", "[XWeapons.Other]",
                 "bPrevWeaponSwitch=false"}));
    page.load();
    EXPECT_FALSE(page.c_OldMesh[16].checked());
    EXPECT_EQ(page.c_OldMesh[16].caption(), "Previous Weapon Switch");
    page.c_OldMesh[16].setChecked(true);
    page.collect();
    EXPECT_EQ(h.ini.state.userIni.values[0], "True");
    EXPECT_EQ(h.ini.state.userIni.values[4], "True");
    EXPECT_EQ(h.ini.state.userIni.values[2], "0");
}

TEST(WeaponSettings, TableRunsFrameByFrameAndEveryFramePictureExists) {
    PageHarness h;
    auto rows = h.ini.pages.weaponSettings.rows();
    ASSERT_EQ(rows.size(), 33u);
    EXPECT_EQ(rows[0].name, "c_SwapFire(0)");
    EXPECT_EQ(rows[1].name, "c_OldMesh(0)");
    EXPECT_EQ(rows[1].section, "[XWeapons.Redeemer]");
    EXPECT_EQ(rows[27].section, "[XWeapons.AssaultRifle]");
    EXPECT_EQ(rows[32].name, "c_OldMesh(16)");
    for (int i = 0; i < brevane::kWeaponFrameCount; ++i) {
        EXPECT_FALSE(brevane::weaponFrameSection(i).empty()) << i;
        const std::string file = std::string(brevane::kWeaponFrames[i].displayName) + ".gif";
        EXPECT_TRUE(std::filesystem::exists(testing_support::assetsDir() / "Images" / "Weapon Frames" / file))
            << file;
    }
    EXPECT_EQ(h.ini.pages.weaponSettings.p_WeaponSpecPic[13].picture(),
              "/program/Images/Weapon Frames/Assault Rifle.gif");
}

} // namespace
