// The alias tabs: which User.ini lines each box shows, and what the two add buttons do to the text,
// the caret and the focus.
#include <gtest/gtest.h>

#include "app/ini.h"
#include "support/test_support.h"

namespace {

using brevane::INI;
using testing_support::crlf;
using testing_support::TempDir;
using testing_support::writeBytes;

/// A window model loaded from a folder holding `user` as User.ini and a small UT2004.ini.
struct LoadedWindow {
    TempDir dir;
    INI ini{{}, "/nonexistent/"};
    explicit LoadedWindow(const std::string &user) {
        writeBytes(dir.path() / "User.ini", user);
        writeBytes(dir.path() / "UT2004.ini", crlf({"[Engine.Engine]", "RenderDevice=D3DDrv.D3DRenderDevice"}));
        ini.state.SystemFolder = ini.state.InstalledSystemFolder = dir.folder();
        ini.Load_INI_Form();
    }
};

TEST(AliasPages, LoadShowsTheMatchingLinesInFileOrderAndHidesUnusedSlots) {
    LoadedWindow w(
        crlf({"[XGame.XPlayer]", "Aliases[0]=(Command=\"say hi\",Alias=Hi)",
              "aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")", "Aliases[1]=(command=,ALIAS=)",
              "[Engine.PlayerInput]", "Aliases[2]=(Command=\"suicide\",Alias=Die)",
              "Aliases=(MatchWords=(\"brb\"),ReplaceWord=\"be right back\")", "MyAliases[7]=x", "Aliases=", ""}));
    EXPECT_EQ(w.ini.RTB_Aliases.text(), "Aliases[0]=(Command=\"say hi\",Alias=Hi)\r\n"
                                        "Aliases[2]=(Command=\"suicide\",Alias=Die)\r\n"
                                        "MyAliases[7]=x");
    EXPECT_EQ(w.ini.RTB_TextToSpeechAlias.text(),
              "aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")\r\n"
              "Aliases=(MatchWords=(\"brb\"),ReplaceWord=\"be right back\")\r\n"
              "Aliases=");
}

TEST(AliasPages, AddAliasCountsTheShownLinesSoAHiddenSlotsIndexRepeats) {
    LoadedWindow w(crlf({"[XGame.XPlayer]", "Aliases[0]=(Command=\"say hi\",Alias=Hi)",
                         "Aliases[1]=(Command=,Alias=)", "Aliases[2]=(Command=\"suicide\",Alias=Die)"}));
    w.ini.aliasPages.cb_Aliases.userClicks();
    const std::string expected = "Aliases[0]=(Command=\"say hi\",Alias=Hi)\r\n"
                                 "Aliases[2]=(Command=\"suicide\",Alias=Die)\r\n"
                                 "Aliases[2]=(Command=,Alias=)";
    EXPECT_EQ(w.ini.RTB_Aliases.text(), expected);
    EXPECT_EQ(w.ini.form.focused(), &w.ini.RTB_Aliases);
    EXPECT_EQ(w.ini.RTB_Aliases.selStart(), static_cast<long>(expected.size())); // past the end, clamped
    EXPECT_EQ(w.ini.RTB_Aliases.selLength(), 0);
}

TEST(AliasPages, AddAliasEdgeCases) {
    struct Case {
        const char *name;
        std::string before;
        std::string after;
        long caret; ///< -1: the end of the text
    };
    const std::string slot0 = "Aliases[0]=(Command=,Alias=)";
    const std::string slot1 = "Aliases[1]=(Command=,Alias=)";
    const Case cases[] = {
        {"an empty box starts with a line break", "", "\r\n" + slot0, -1},
        {"lower-case keys are not counted", "aliases[5]=(Command=\"x\",Alias=y)",
         "aliases[5]=(Command=\"x\",Alias=y)\r\n" + slot0, -1},
        // The same line typed earlier: the caret lands one past the end of that earlier line.
        {"an equal earlier line takes the caret", slot1, slot1 + "\r\n" + slot1,
         static_cast<long>(slot1.size() + 1)},
    };
    for (const Case &c : cases) {
        LoadedWindow w(crlf({"[XGame.XPlayer]"}));
        w.ini.RTB_Aliases.userTypes(c.before);
        w.ini.aliasPages.cb_Aliases.userClicks();
        EXPECT_EQ(w.ini.RTB_Aliases.text(), c.after) << c.name;
        EXPECT_EQ(w.ini.RTB_Aliases.selStart(), c.caret < 0 ? static_cast<long>(c.after.size()) : c.caret)
            << c.name;
    }
}

TEST(AliasPages, AddTextToSpeechAliasPutsTheTemplateOnTopAndALineBreakAtTheEnd) {
    LoadedWindow w(crlf({"[XGame.XPlayer]"}));
    w.ini.form.setFocus(&w.ini.pb_Player);
    const std::string line = "Aliases=(MatchWords=(\"\"),ReplaceWord=\"\")";
    w.ini.aliasPages.cb_TxTAlias_Add.userClicks();
    w.ini.aliasPages.cb_TxTAlias_Add.userClicks();
    EXPECT_EQ(w.ini.RTB_TextToSpeechAlias.text(), line + "\r\n" + line + "\r\n\r\n\r\n");
    EXPECT_EQ(w.ini.form.focused(), &w.ini.pb_Player) << "the focus stays where it was";

    w.ini.RTB_TextToSpeechAlias.userTypes("Aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")");
    w.ini.aliasPages.cb_TxTAlias_Add.userClicks();
    EXPECT_EQ(w.ini.RTB_TextToSpeechAlias.text(),
              line + "\r\nAliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")\r\n");
}

TEST(AliasPages, EveryFullLoadRefillsTheBoxesDiscardingEdits) {
    LoadedWindow w(crlf({"[XGame.XPlayer]", "Aliases[0]=(Command=\"say hi\",Alias=Hi)"}));
    w.ini.aliasPages.cb_Aliases.userClicks();
    w.ini.RTB_TextToSpeechAlias.userTypes("typed");
    w.ini.Load_INI_Form();
    EXPECT_EQ(w.ini.RTB_Aliases.text(), "Aliases[0]=(Command=\"say hi\",Alias=Hi)");
    EXPECT_EQ(w.ini.RTB_TextToSpeechAlias.text(), "");
}

} // namespace
