// The bind boxes through the main window model: the full load, a capture by key and by mouse, leaving
// a box without a key, the final pass of a reload, and collecting.
#include <gtest/gtest.h>

#include "app/ini.h"
#include "bindings/bind_catalogue.h"
#include "support/test_support.h"

namespace {

using namespace brevane;

const tk::Color kResting = tk::rgb(192, 192, 255);
const tk::Color kCapturing = tk::rgb(128, 128, 255);

struct BindKeys : ::testing::Test {
    INI ini{{}, BREVANE_BIN_DIR "/"};
    BindKeysPage& page = ini.pages.bindKeys;

    void SetUp() override {
        ini.state.SystemFolder = testing_support::fixture("bindings").string() + "/";
        ini.Load_INI_Form();
        ASSERT_TRUE(ini.state.documentsLoaded);
    }
    tk::TextBox& box(int i) { return page.tbx_Bind[i]; }
    /// The value of the first User.ini line whose key is exactly `key`.
    std::string line(const std::string& key) {
        auto index = findKey(ini.state.userIni, key);
        return index ? ini.state.userIni.values[*index] : "<no line>";
    }
    void click(int i) { ini.form.setFocus(&box(i)); }
};

TEST_F(BindKeys, LoadShowsTheFirstTwoKeysOfEveryCommand) {
    const struct {
        int box;
        const char* text;
    } cases[] = {
        {0, "j"},          {1, "NumPad1"}, // taunt pthrust
        {8, "Up"},         {9, "W"},       // MoveForward: the third key (Mouse4) is not shown
        {10, "Down"},      {11, ""},       // MoveBackward, bound once
        {20, ""},          {21, ""},       // Duck, not bound at all
        {38, "LeftMouse"}, {39, "NumPadPeriod"},
        {52, "F10"}, // "stat fps" is a binding of "Stat FPS"
        {76, "E"},         {77, "I"},
        {112, "U"},        {116, "O"}, // "Public Channel" and "Team Channel", crossed
    };
    for (const auto& c : cases)
        EXPECT_EQ(box(c.box).text(), c.text) << box(c.box).name();
    EXPECT_EQ(box(39).fontSize(), 6);
    EXPECT_EQ(box(38).fontSize(), 7);
    EXPECT_EQ(box(20).fontSize(), 7);
    EXPECT_EQ(box(8).backColor(), kResting);
}

TEST_F(BindKeys, AFullCaptureUnbindsAtOnceThenBindsTheKeyInOneBoxOnly) {
    click(16); // Jump, showing "Space"
    EXPECT_EQ(box(16).text(), "???");
    EXPECT_EQ(box(16).fontSize(), 10);
    EXPECT_EQ(box(16).backColor(), kCapturing);
    EXPECT_EQ(box(16).foreColor(), tk::rgb(128, 0, 0));
    EXPECT_EQ(line("Space"), "") << "the old key is unbound the moment the box gets the focus";

    box(16).fireKeyUp(38); // the Up arrow
    EXPECT_EQ(box(16).text(), "Up");
    EXPECT_EQ(box(8).text(), "") << "Up was MoveForward's first key";
    EXPECT_EQ(ini.form.focused(), &ini.pb_Player);
    EXPECT_EQ(box(16).backColor(), kResting);
    EXPECT_EQ(box(16).foreColor(), tk::DefaultColor);
    EXPECT_EQ(box(16).fontSize(), 7);
    EXPECT_EQ(ini.state.LastBoundKey, "Up");
    EXPECT_EQ(ini.state.LastBoundIndex, 16);

    ini.CollectSettings();
    EXPECT_EQ(line("Up"), "Jump");
    EXPECT_EQ(line("Space"), "");
    EXPECT_EQ(line("W"), "MoveForward");
}

TEST_F(BindKeys, AKeyReleasedAfterTheCaptureEndedBindsNothing) {
    click(8);
    box(8).fireKeyUp(83); // S of Ctrl+S
    box(8).fireKeyUp(17); // then Ctrl, released after the focus moved on
    EXPECT_EQ(box(8).text(), "S");
    EXPECT_EQ(ini.state.LastBoundKey, "S");
}

TEST_F(BindKeys, BindingAKeyOfTheSameRowEmptiesTheOtherBox) {
    click(8);
    box(8).fireKeyUp(87); // W, MoveForward's second key
    EXPECT_EQ(box(8).text(), "W");
    EXPECT_EQ(box(9).text(), "");
}

TEST_F(BindKeys, LeavingWithoutAKeyRestoresTheTextAndTheLineComesBackAtCollect) {
    click(8);
    ini.form.setFocus(&ini.pb_Player);
    EXPECT_EQ(box(8).text(), "Up");
    EXPECT_EQ(box(8).backColor(), kResting);
    EXPECT_EQ(box(8).fontSize(), 7);
    EXPECT_EQ(line("Up"), "");
    ini.CollectSettings();
    EXPECT_EQ(line("Up"), "MoveForward");
}

TEST_F(BindKeys, MovingFromOneCapturingBoxToAnotherRestoresTheFirst) {
    click(8);
    click(10);
    EXPECT_EQ(box(8).text(), "Up");
    EXPECT_EQ(box(10).text(), "???");
    EXPECT_EQ(ini.state.TextBeforeCapture, "Down");
}

TEST_F(BindKeys, APressBeforeTheFocusOnlyStartsTheCapture) {
    // The view reports the press that gives a box the focus before the focus itself.
    box(20).fireMouseDown(1);
    click(20);
    EXPECT_EQ(box(20).text(), "???");
    box(20).fireMouseDown(1);
    EXPECT_EQ(box(20).text(), "LeftMouse");
    EXPECT_EQ(box(38).text(), "") << "LeftMouse was Fire's first key";
}

TEST_F(BindKeys, RightMouseIsCapturedAndItsBoxDoesNotCaptureMouseButtons) {
    click(20);
    box(20).fireMouseDown(2);
    EXPECT_EQ(box(20).text(), "RightMouse");
    EXPECT_EQ(box(40).text(), "") << "RightMouse was AltFire's first key";

    click(20);
    EXPECT_EQ(box(20).text(), "RightMouse") << "no \"???\": the right click that focused it binds nothing";
    EXPECT_EQ(box(20).backColor(), kResting);
    EXPECT_EQ(line("RightMouse"), "");
    box(20).fireMouseDown(1);
    EXPECT_EQ(box(20).text(), "RightMouse");
    EXPECT_EQ(ini.form.focused(), &box(20));
    box(20).fireKeyUp(69);
    EXPECT_EQ(box(20).text(), "E");
    EXPECT_EQ(box(76).text(), "") << "E was Use's first key";
}

TEST_F(BindKeys, IBindsLowerCaseAndIsStoredOnlyOnTheLineNamedExactlyI) {
    click(20);
    box(20).fireKeyUp(73);
    EXPECT_EQ(box(20).text(), "i");
    EXPECT_EQ(box(77).text(), "") << "the duplicate pass ignores letter case";
    ini.CollectSettings();
    EXPECT_EQ(line("i"), "Duck");
    EXPECT_EQ(line("I"), "Use") << "no box shows I any more, so its line keeps its value";
}

TEST_F(BindKeys, AKeyWithoutANameEmptiesTheBoxAndTheCommandLosesThatKey) {
    click(10);
    box(10).fireKeyUp(231);
    EXPECT_EQ(box(10).text(), "");
    ini.CollectSettings();
    EXPECT_EQ(line("Down"), "");
}

TEST_F(BindKeys, AReloadShowsTheFreshFileAsItIsAndKeepsTheLastCapture) {
    click(16);
    box(16).fireKeyUp(38);
    box(4).setText("MiddleMouse"); // a long name left over before the reload
    ini.Load_INI_Form();
    EXPECT_EQ(box(8).text(), "Up") << "the file binds Up to MoveForward";
    EXPECT_EQ(box(16).text(), "Space");
    EXPECT_EQ(box(4).fontSize(), 7);
    EXPECT_EQ(ini.state.LastBoundKey, "Up");
    EXPECT_EQ(ini.state.LastBoundIndex, 16);
}

TEST_F(BindKeys, CollectingStoresEachBoxOnTheLineNamedExactlyByItsText) {
    ini.state.userIni.values.assign(ini.state.userIni.values.size(), "");
    for (int i = 0; i < kBindBoxCount; ++i)
        box(i).setText("");
    box(112).setText("O"); // Public Channel
    box(116).setText("U"); // Team Channel
    box(0).setText("Z");
    box(1).setText("z");      // no line "z": stores nothing
    box(2).setText("Mouse5"); // no line at all
    ini.CollectSettings();
    EXPECT_EQ(line("O"), "ToggleTeamChat");
    EXPECT_EQ(line("U"), "TogglePublicChat");
    EXPECT_EQ(line("Z"), "taunt pthrust");
    // Nothing else in the bindings section got a value (other pages store their own sections).
    const ConfigDocument& doc = ini.state.userIni;
    int stored = 0;
    bool inInput = false;
    for (std::size_t i = 0; i < doc.lineCount(); ++i) {
        if (doc.kinds[i] == LineKind::Header)
            inInput = doc.keys[i] == "[Engine.Input]";
        else if (inInput)
            stored += !doc.values[i].empty();
    }
    EXPECT_EQ(stored, 3);
}

TEST_F(BindKeys, SavingWhileABoxCapturesKeepsItsKey) {
    click(8);
    ini.CollectSettings();
    EXPECT_EQ(line("Up"), "MoveForward");
}

TEST_F(BindKeys, ListsItsBoxesAndRunsBeforeItsFinalPassWhichComesLast) {
    const auto rows = page.rows();
    ASSERT_EQ(rows.size(), 140u);
    EXPECT_EQ(rows[0].name, "tbx_Bind(0)");
    EXPECT_EQ(rows[139].name, "tbx_Bind(139)");
    EXPECT_EQ(rows[113].caption, "Public Channel (K E Y 2)");
    const auto order = ini.pages.loadOrder();
    EXPECT_EQ(order.back(), &page.finalPass());
    EXPECT_NE(std::find(order.begin(), order.end(), &page), order.end());
    for (const auto& entry : page.tbx_Bind.members()) {
        EXPECT_FALSE(entry.second->tabStop());
        EXPECT_TRUE(entry.second->capturesAllKeys());
    }
}

} // namespace
