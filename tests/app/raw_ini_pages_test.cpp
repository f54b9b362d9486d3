// The raw-text pages: case-insensitive search from the start, jumping to a listed header, the
// "String not found." path, and the saved copy.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/raw_ini_pages.h"
#include "documents/raw_pages.h"
#include "support/scripted_services.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;

struct RawPagesFixture {
    tk::Form form;
    tk::ControlArray<tk::RichTextBox> RTB_User{form, "RTB_User"};
    brevane::AppState state;
    RecordingMessages messages;
    RecordingFiles files;
    tk::Services services{&messages, &files, nullptr, nullptr, nullptr};
    brevane::RawIniPages pages{form, RTB_User, state, services};
    tk::Control other{form, "other", true};

    RawPagesFixture(const std::string &userText, const std::string &gameText) {
        RTB_User.add(0).setText(userText);
        RTB_User.add(1).setText(gameText);
        form.setFocus(&other);
    }
};

int sectionIndex(int page, const std::string &header) {
    const auto &list = page == 0 ? brevane::kUserIniSections : brevane::kGameIniSections;
    for (int i = 0; i < 66; ++i)
        if (header == list[i]) return i;
    return -1;
}

const std::string kUserText = crlf({"[Engine.Input]", "Aliases[0]=(Command=\"X\")", "[XInterface.GUIController]",
                                    "bQuietMenu=False", "[Engine.PlayerInput]", "BQUIETMENU=True"});
const std::string kGameText = crlf({"[URL]", "Port=7777", "[Default\033DM MaplistRecord]", "Maps=DM-Rankin",
                                    "[1 on 1 Deathmatch MaplistRecord]"});

TEST(RawIniPages, SectionListsAreFixedAndCarryTheEscapeCharacter) {
    EXPECT_STREQ(brevane::kUserIniSections.front(), "[DefaultPlayer]");
    EXPECT_STREQ(brevane::kUserIniSections.back(), "[XGame.xPawn]");
    EXPECT_STREQ(brevane::kGameIniSections.front(), "[URL]");
    EXPECT_STREQ(brevane::kGameIniSections.back(), "[Onslaught.ONSOnslaughtGame]");
    EXPECT_EQ(std::string(brevane::kGameIniSections[36]), "[1\x1bon\x1b"
                                                          "1\x1bTeam\x1b"
                                                          "Deathmatch MaplistRecord]");
    RawPagesFixture f("", "");
    EXPECT_EQ(f.pages.cbx_Search_UserINI[0].list().size(), 66u);
    EXPECT_EQ(f.pages.cbx_Search_UserINI[1].list()[34], "[Default\x1b"
                                                        "DM MaplistRecord]");
    EXPECT_EQ(f.pages.cbx_Search_UserINI[0].text(), "");
    EXPECT_EQ(f.pages.tbxSearch[1].text(), "");
    EXPECT_EQ(f.pages.Label15[1].caption(), "UT2004.ini");
    EXPECT_EQ(f.pages.cb_SaveUserText[0].caption(), "S A V E");
}

TEST(RawIniPages, SearchSelectsTheFirstOccurrenceIgnoringCaseOrSaysNotFound) {
    enum Source { Button, EnterKey, Pick };
    struct Case {
        const char *name;
        int page;
        Source source;
        std::string what; // search text, or the header to pick
        long start;       // -1: not found; found text is selected over its whole length
    };
    const long quietMenu = static_cast<long>(kUserText.find("bQuietMenu"));
    const Case cases[] = {
        {"lower case finds the first bQuietMenu", 0, Button, "bquietmenu", quietMenu},
        {"again: still the first one", 0, EnterKey, "BQuietMenu", quietMenu},
        {"picking a listed header", 0, Pick, "[Engine.Input]", 0},
        {"picking a header the file lacks", 0, Pick, "[Engine.HUD]", -1},
        {"text not there", 0, Button, "nothing like it", -1},
        {"empty text in a non-empty page: caret at the start", 0, Button, "", 0},
        {"header with ESC where the text has it", 1, Pick,
         "[Default\x1b"
         "DM MaplistRecord]",
         static_cast<long>(kGameText.find("[Default"))},
        {"header with ESC where the text has blanks", 1, Pick,
         "[1\x1bon\x1b"
         "1\x1b"
         "Deathmatch MaplistRecord]",
         -1},
    };
    for (const Case &c : cases) {
        RawPagesFixture f(kUserText, kGameText);
        if (c.source == Pick) {
            int index = sectionIndex(c.page, c.what);
            ASSERT_GE(index, 0) << c.name;
            f.pages.cbx_Search_UserINI[c.page].userPicks(index);
        } else {
            f.pages.tbxSearch[c.page].userTypes(c.what);
            if (c.source == Button)
                f.pages.cbSearch[c.page].userClicks();
            else
                f.pages.tbxSearch[c.page].fireKeyPress(13);
        }
        tk::RichTextBox &box = f.RTB_User[c.page];
        if (c.start >= 0) {
            EXPECT_TRUE(f.messages.shown.empty()) << c.name;
            EXPECT_EQ(f.form.focused(), &box) << c.name;
            EXPECT_EQ(box.selStart(), c.start) << c.name;
            EXPECT_EQ(box.selLength(), static_cast<long>(c.what.size())) << c.name;
        } else {
            ASSERT_EQ(f.messages.shown.size(), 1u) << c.name;
            EXPECT_EQ(f.messages.shown[0].text, "String not found.") << c.name;
            EXPECT_EQ(f.messages.shown[0].buttons, tk::MessageButtons::Ok) << c.name;
            EXPECT_EQ(f.form.focused(), &f.other) << c.name;
            EXPECT_EQ(c.source == Pick ? f.pages.cbx_Search_UserINI[c.page].text()
                                       : f.pages.tbxSearch[c.page].text(),
                      "")
                << c.name << ": the source of the search text is emptied";
        }
    }
}

TEST(RawIniPages, EmptySearchOnAnEmptyPageIsNotFoundAndOtherKeysDoNothing) {
    RawPagesFixture f("", kGameText);
    f.pages.tbxSearch[0].fireKeyPress('a');
    EXPECT_TRUE(f.messages.shown.empty());
    f.pages.tbxSearch[0].fireKeyPress(13);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "String not found.");
}

TEST(RawIniPages, FindIgnoresCaseOfWindows1252LettersToo) {
    EXPECT_EQ(brevane::findIgnoringCase("Name=J\xc9R\xd4ME", "j\xe9r\xf4me"), 6u);
    EXPECT_EQ(brevane::findIgnoringCase("a\xd7"
                                        "b",
                                        "a\xf7"
                                        "b"),
              0u)
        << "the multiplication sign is no letter";
    EXPECT_EQ(brevane::findIgnoringCase("abc", "abcd"), 0u);
}

TEST(RawIniPages, SaveWritesThePageTextPlusOneCrLf) {
    const std::string texts[] = {"", "[URL]", "[URL]\r\n", "a\r\n\r\n", std::string("\x80\xe9\x1b\0z", 5)};
    for (const std::string &text : texts) {
        TempDir dir;
        RawPagesFixture f(text, "other page");
        f.state.SystemFolder = dir.folder();
        f.files.nextPath = dir.folder() + "copy of User.ini";
        writeBytes(f.files.nextPath, "an older file that is longer than the new one");
        f.pages.cb_SaveUserText[0].userClicks();
        EXPECT_EQ(readBytes(f.files.nextPath), text + "\r\n");
        EXPECT_EQ(f.files.initialDirs, std::vector<std::string>{dir.folder()});
        EXPECT_TRUE(f.messages.shown.empty());
        EXPECT_EQ(f.RTB_User[0].text(), text);
    }
}

TEST(RawIniPages, SaveCancelledWritesNothingAndAFailedSaveNamesTheFile) {
    TempDir dir;
    RawPagesFixture f(kUserText, kGameText);
    f.files.nextPath = "";
    f.pages.cb_SaveUserText[1].userClicks();
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

    f.files.nextPath = dir.folder() + "missing folder/UT2004.ini";
    f.pages.cb_SaveUserText[1].userClicks();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].text.find(f.files.nextPath), std::string::npos);
    EXPECT_NE(f.messages.shown[0].text.find("No such file or directory"), std::string::npos);
    EXPECT_EQ(f.RTB_User[1].text(), kGameText);
}

} // namespace
