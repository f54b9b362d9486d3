// The weapon priority list: which slot each weapon lands in at load, the numbers the collect writes
// back, the two move buttons and what a slot shows when it gets the focus.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>

#include "app/ini.h"
#include "documents/config_document.h"
#include "settings/weapon_info.h"
#include "settings/weapon_priority.h"
#include "settings/weapon_sections.h"
#include "support/test_support.h"

namespace {

using brevane::kWeaponSections;
using brevane::WeaponPriority;
using testing_support::crlf;

constexpr int kWeapons = 17;

/// A User.ini with every weapon's section: a line the page must leave alone, then Priority with the
/// weapon's value (no Priority line for std::nullopt). `before` comes ahead of the weapon sections.
std::string userIniWith(const std::array<std::optional<std::string>, kWeapons>& priorities,
                        const std::string& before = "") {
    std::string text = before;
    for (int k = 0; k < kWeapons; ++k) {
        text += std::string(kWeaponSections[k].header) + "\r\nExchangeFireModes=0\r\n";
        if (priorities[k]) text += "Priority=" + *priorities[k] + "\r\n";
        text += "\r\n";
    }
    return text;
}

std::array<std::optional<std::string>, kWeapons> numbered(const std::array<int, kWeapons>& values) {
    std::array<std::optional<std::string>, kWeapons> out;
    for (int k = 0; k < kWeapons; ++k)
        out[k] = std::to_string(values[k]);
    return out;
}

/// The Priority value of weapon k's section as the document holds it now.
std::string storedPriority(const brevane::ConfigDocument& doc, int k) {
    auto index = brevane::findKeyInSection(doc, "Priority", kWeaponSections[k].header);
    return index ? doc.values[*index] : "<no line>";
}

struct PriorityPage : ::testing::Test {
    tk::Form form;
    brevane::AppState state;
    WeaponPriority page{form, state};

    void open(const std::string& userText) { state.userIni.load(userText); }
    std::string slot(int s) const { return page.tbx_WeaponPriority[s].text(); }
    void focusSlot(int s) { form.setFocus(&page.tbx_WeaponPriority[s]); }
    /// A click on a move button: the button takes the focus first, as a mouse click does.
    void click(int button) {
        form.setFocus(&page.b_WeaponMove[button]);
        page.b_WeaponMove[button].userClicks();
    }
};

// A scrambled but complete ranking.
constexpr std::array<int, kWeapons> kDistinct = {16, 3, 9, 0, 12, 5, 14, 1, 7, 10, 2, 15, 8, 11, 4, 13, 6};

TEST_F(PriorityPage, DistinctPrioritiesFillTheirSlotsAndCollectWritesThemBackUnchanged) {
    const std::string text = userIniWith(numbered(kDistinct));
    open(text);
    page.load();
    for (int k = 0; k < kWeapons; ++k)
        EXPECT_EQ(slot(kDistinct[k]), kWeaponSections[k].displayName);

    page.collect();
    for (int k = 0; k < kWeapons; ++k)
        EXPECT_EQ(storedPriority(state.userIni, k), std::to_string(kDistinct[k]));
    brevane::ConfigDocument original;
    original.load(text);
    EXPECT_EQ(state.userIni.values, original.values) << "only Priority values may change, and none did";
}

TEST_F(PriorityPage, NumbersAreWrittenAsPlainSlotNumbers) {
    std::array<std::optional<std::string>, kWeapons> values = numbered(kDistinct);
    values[0] = "16.000000"; // Redeemer
    values[3] = "  0";       // Classic Sniper
    open(userIniWith(values));
    page.load();
    page.collect();
    EXPECT_EQ(storedPriority(state.userIni, 0), "16");
    EXPECT_EQ(storedPriority(state.userIni, 3), "0");
}

TEST_F(PriorityPage, ReadsPrioritiesRoundedHalfToEven) {
    struct Case {
        const char* stored;
        int read;
    };
    const Case cases[] = {{"7.5", 8},    {"6.5", 6},    {"0.5", 0},      {"1.5", 2}, {"2.4999", 2},
                          {"15.51", 16}, {"3abc", 3},   {"1 2", 12},     {"", 0},    {"abc", 0},
                          {"-0.5", 0},   {"1.6e1", 16}, {"99999", 32767}};
    for (const Case& c : cases) {
        std::array<std::optional<std::string>, kWeapons> values{};
        values[8] = c.stored; // Minigun
        open(userIniWith(values));
        page.load();
        EXPECT_EQ(page.PriorityTable[8], c.read) << c.stored;
    }
    // And the slot follows the rounded number. The weapons without a value all read 0.
    std::array<std::optional<std::string>, kWeapons> values{};
    values[0] = "7.5"; // Redeemer
    values[1] = "6.5"; // Ion Painter
    open(userIniWith(values));
    page.load();
    EXPECT_EQ(slot(8), "Redeemer");
    EXPECT_EQ(slot(6), "Ion Painter");
    EXPECT_EQ(slot(0), "Translauncher");
}

TEST_F(PriorityPage, EqualPrioritiesGiveTheSlotToTheLaterWeaponAndTheUnclaimedSlotWritesNothing) {
    // Flak Cannon (6) and Minigun (8) both claim 16; slot 5 is left to nobody.
    std::array<int, kWeapons> ranks = {0, 1, 2, 3, 4, 6, 16, 7, 16, 8, 9, 10, 11, 12, 13, 14, 15};
    // An earlier section with a Priority line after an empty line: the empty slot must not reach it.
    const std::string before = crlf({"[Engine.GameInfo]", "", "Priority=99", ""});
    open(userIniWith(numbered(ranks), before));
    page.load();
    EXPECT_EQ(slot(16), "Minigun");
    EXPECT_EQ(slot(5), "");
    for (int s = 0; s < kWeapons; ++s)
        EXPECT_NE(slot(s), "Flak Cannon") << s;

    page.collect();
    EXPECT_EQ(brevane::GetVal(state.userIni, "Priority"), "99");
    EXPECT_EQ(storedPriority(state.userIni, 6), "16") << "the Flak Cannon's line keeps its value";
    EXPECT_EQ(storedPriority(state.userIni, 8), "16");
    EXPECT_EQ(storedPriority(state.userIni, 5), "6");
}

TEST_F(PriorityPage, AWeaponWithoutSlotGoesAfterTheOthersIntoTheLowestFreeSlot) {
    // Everything else holds 2..16; Redeemer reads 17 and Ion Painter -3 (both name no slot).
    std::array<int, kWeapons> ranks = {17, -3, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    open(userIniWith(numbered(ranks)));
    page.load();
    EXPECT_EQ(slot(0), "Redeemer");
    EXPECT_EQ(slot(1), "Ion Painter");
    EXPECT_EQ(slot(16), "Translauncher");
    page.collect();
    EXPECT_EQ(storedPriority(state.userIni, 0), "0");
    EXPECT_EQ(storedPriority(state.userIni, 1), "1");
    EXPECT_EQ(storedPriority(state.userIni, 2), "2");
}

TEST_F(PriorityPage, AWeaponWithoutSlotNeverPushesOutAWeaponThatHasOne) {
    // Redeemer reads 40 and comes first in the order; Translauncher, the last, holds slot 0.
    std::array<int, kWeapons> ranks = {40, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0};
    open(userIniWith(numbered(ranks)));
    page.load();
    EXPECT_EQ(slot(0), "Translauncher");
    EXPECT_EQ(slot(1), "Redeemer");
    page.collect();
    EXPECT_EQ(storedPriority(state.userIni, 0), "1");
    EXPECT_EQ(storedPriority(state.userIni, 16), "0");
}

TEST_F(PriorityPage, MissingPrioritiesCountAsZeroAndSlotsNoWeaponNamesAreEmptied) {
    open(userIniWith(numbered(kDistinct)));
    page.load();
    const std::string withoutPriorities = userIniWith({});
    open(withoutPriorities);
    page.load();
    EXPECT_EQ(slot(0), "Translauncher") << "the last weapon of the order wins slot 0";
    EXPECT_EQ(slot(16), "") << "a slot nobody claimed does not keep the weapon of the files before";
    page.collect();
    brevane::ConfigDocument original;
    original.load(withoutPriorities);
    EXPECT_EQ(state.userIni.values, original.values) << "no Priority line, nothing written";
}

TEST_F(PriorityPage, AReloadNeverStoresAWeaponOfTheFilesBefore) {
    // The first files put the Redeemer into slot 5; the next ones give it slot 0 and leave slot 5 to
    // nobody. Had slot 5 kept its text, the save would overwrite the Redeemer's 0 with 5.
    open(userIniWith(numbered({5, 1, 2, 3, 4, 0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})));
    page.load();
    const std::string shared = userIniWith(numbered({0, 1, 2, 3, 4, 6, 16, 7, 16, 8, 9, 10, 11, 12, 13, 14, 15}));
    open(shared);
    page.load();
    EXPECT_EQ(slot(5), "");
    page.collect();
    brevane::ConfigDocument original;
    original.load(shared);
    EXPECT_EQ(state.userIni.values, original.values);
}

TEST_F(PriorityPage, MoveButtonsSwapWithTheNeighbourAndFollowTheWeapon) {
    struct Case {
        int selected; // -1: no slot had the focus yet
        int button;
        int focusAfter;
        bool swaps;
    };
    const Case cases[] = {
        {3, 0, 4, true},  {16, 0, 16, false}, {3, 1, 2, true},
        {0, 1, 0, false}, {-1, 0, 1, true},   {15, 0, 16, true},
    };
    for (const Case& c : cases) {
        tk::Form form;
        brevane::AppState state;
        WeaponPriority page(form, state);
        state.userIni.load(userIniWith(numbered(kDistinct)));
        page.load();
        if (c.selected >= 0) form.setFocus(&page.tbx_WeaponPriority[c.selected]);
        const int from = c.selected < 0 ? 0 : c.selected;
        const std::string moving = page.tbx_WeaponPriority[from].text();
        const std::string neighbour = page.tbx_WeaponPriority[c.focusAfter].text();

        form.setFocus(&page.b_WeaponMove[c.button]);
        page.b_WeaponMove[c.button].userClicks();

        SCOPED_TRACE(testing::Message() << "slot " << c.selected << ", button " << c.button);
        EXPECT_EQ(form.focused(), &page.tbx_WeaponPriority[c.focusAfter]);
        EXPECT_EQ(page.SelectedPrioritySlot, c.focusAfter);
        EXPECT_EQ(page.tbx_WeaponPriority[c.focusAfter].text(), moving);
        if (c.swaps) {
            EXPECT_EQ(page.tbx_WeaponPriority[from].text(), neighbour);
        }
        EXPECT_EQ(page.tbx_WeaponPriority[c.focusAfter].backColor(), WeaponPriority::kFocusBack);
        EXPECT_EQ(page.tbx_WeaponPriority[from].backColor(),
                  c.swaps ? WeaponPriority::kRestingBack : WeaponPriority::kFocusBack);
    }
}

TEST_F(PriorityPage, AMovedListIsCollectedInItsNewOrder) {
    open(userIniWith(numbered(kDistinct)));
    page.load();
    focusSlot(3); // Ion Painter
    click(0);
    click(0);
    page.collect();
    EXPECT_EQ(storedPriority(state.userIni, 1), "5");
    EXPECT_EQ(storedPriority(state.userIni, 14), "3") << "Assault Rifle was at 4, moved down once";
    EXPECT_EQ(storedPriority(state.userIni, 5), "4") << "Rocket Launcher was at 5, moved down once";
}

TEST_F(PriorityPage, TheFocusedSlotIsHighlightedAndShowsItsWeapon) {
    state.ProgramFolder = "/program/";
    page.showStartPictures();
    EXPECT_EQ(page.lbl_Movement[0].caption(), "W E A P O N S   P R I O R I T Y");
    EXPECT_EQ(page.lbl_Movement[1].caption(), "W E A P O N  I N F O ");
    EXPECT_EQ(page.lbl_WeaponInfo.caption(), brevane::startInfoDescription());
    EXPECT_EQ(page.pic_WeaponPriorityBig.picture(), "/program/Images/Weapon Pics/Translauncher.gif");
    EXPECT_EQ(page.pic_WeaponPrioritySmall.picture(), "/program/Images/Weapon Small Pics/sTranslauncher.gif");
    EXPECT_EQ(page.tbx_WeaponPriority[7].backColor(), 16761024);
    EXPECT_EQ(page.lbl_WeaponPriority[16].caption(), "17");

    open(userIniWith(numbered(kDistinct)));
    page.load();
    focusSlot(0); // Classic Sniper
    const tk::TextBox& box = page.tbx_WeaponPriority[0];
    EXPECT_EQ(box.backColor(), 16744576);
    EXPECT_EQ(box.foreColor(), 128);
    EXPECT_EQ(box.fontSize(), 12);
    EXPECT_EQ(page.SelectedPrioritySlot, 0);
    EXPECT_EQ(page.lbl_Movement[1].caption(), "C l a s s i c   S n i p e r");
    EXPECT_EQ(page.lbl_WeaponInfo.caption(), brevane::weaponInfoFor("Sniper Rifle")->description);
    EXPECT_EQ(page.pic_WeaponPriorityBig.picture(), "/program/Images/Weapon Pics/Classic Sniper.gif");
    EXPECT_EQ(page.pic_WeaponPrioritySmall.picture(), "/program/Images/Weapon Small Pics/sClassic Sniper.gif");

    focusSlot(9); // ONS-Painter
    EXPECT_EQ(box.backColor(), 16761024);
    EXPECT_EQ(box.foreColor(), tk::DefaultColor);
    EXPECT_EQ(box.fontSize(), 10);
    EXPECT_EQ(page.lbl_Movement[1].caption(), "O N S -  P a i n t e r");
    EXPECT_NE(page.lbl_WeaponInfo.caption().find("The ONS-Painter is"), std::string::npos);
    EXPECT_EQ(page.lbl_WeaponInfo.caption().find("Ion"), std::string::npos);
}

TEST_F(PriorityPage, AnEmptySlotShowsNoPictureAndKeepsTheInformation) {
    state.ProgramFolder = "/program/";
    std::array<int, kWeapons> ranks = {0, 1, 2, 3, 4, 6, 16, 7, 16, 8, 9, 10, 11, 12, 13, 14, 15};
    open(userIniWith(numbered(ranks)));
    page.load();
    focusSlot(16);
    focusSlot(5); // nobody claimed it
    EXPECT_EQ(page.pic_WeaponPriorityBig.picture(), "");
    EXPECT_EQ(page.pic_WeaponPrioritySmall.picture(), "");
    EXPECT_EQ(page.lbl_Movement[1].caption(), "M i n i g u n");
    EXPECT_EQ(page.SelectedPrioritySlot, 5);
}

TEST(WeaponInfo, EveryWeaponOfTheListHasItsInformationAndBothPictures) {
    for (const auto& weapon : kWeaponSections) {
        const brevane::WeaponInfo* info = brevane::weaponInfoFor(weapon.displayName);
        ASSERT_NE(info, nullptr) << weapon.displayName;
        EXPECT_GT(info->description.size(), 300u) << weapon.displayName;
        const auto images = testing_support::assetsDir() / "Images";
        EXPECT_TRUE(std::filesystem::exists(images / "Weapon Pics" / (std::string(weapon.displayName) + ".gif")))
            << weapon.displayName;
        EXPECT_TRUE(std::filesystem::exists(images / "Weapon Small Pics" /
                                            ("s" + std::string(weapon.displayName) + ".gif")))
            << weapon.displayName;
    }
    EXPECT_EQ(brevane::weaponInfoTable().size(), 19u);
    EXPECT_EQ(brevane::weaponInfoFor("classic SNIPER"), brevane::weaponInfoFor("Classic Sniper"));
    EXPECT_EQ(brevane::weaponInfoFor("Link Gun"), nullptr);
    EXPECT_EQ(brevane::weaponInfoFor(""), nullptr);
}

TEST(WeaponSectionFor, NamesMapExactlyToTheirSections) {
    EXPECT_EQ(brevane::WeaponSectionFor("Shield Gun"), "[XWeapons.ShieldGun]");
    EXPECT_EQ(brevane::WeaponSectionFor("ONS-Painter"), "[OnslaughtFull.ONSPainter]");
    EXPECT_EQ(brevane::WeaponSectionFor("shield gun"), "");
    EXPECT_EQ(brevane::WeaponSectionFor("Link Gun"), "");
    EXPECT_EQ(brevane::WeaponSectionFor(""), "");
}

TEST(WeaponPriorityInWindow, TheFullLoadFillsTheListAndTheSaveWritesIt) {
    testing_support::TempDir dir;
    std::array<int, kWeapons> ranks = kDistinct;
    std::swap(ranks[0], ranks[16]); // Redeemer and Translauncher trade places
    testing_support::writeBytes(dir.path() / "User.ini", userIniWith(numbered(ranks)));
    testing_support::writeBytes(dir.path() / "UT2004.ini", crlf({"[URL]"}));
    brevane::INI ini({}, BREVANE_BIN_DIR "/");
    brevane::LocateResult paths;
    paths.SystemFolder = paths.InstalledSystemFolder = dir.folder();
    ini.Form_Load(paths);
    WeaponPriority& page = ini.pages.weaponPriority;
    EXPECT_EQ(page.tbx_WeaponPriority[6].text(), "Redeemer");
    EXPECT_EQ(page.pic_WeaponPriorityBig.picture(), BREVANE_BIN_DIR "/Images/Weapon Pics/Translauncher.gif");
    ini.form.setFocus(&page.tbx_WeaponPriority[6]);
    ini.form.setFocus(&page.b_WeaponMove[1]);
    page.b_WeaponMove[1].userClicks();
    ini.CollectSettings();
    EXPECT_EQ(storedPriority(ini.state.userIni, 0), "5");
    EXPECT_EQ(storedPriority(ini.state.userIni, 16), "16");
    EXPECT_EQ(storedPriority(ini.state.userIni, 5), "6") << "Rocket Launcher moved up into slot 6";
}

} // namespace
