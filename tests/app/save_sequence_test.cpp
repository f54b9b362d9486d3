// The save as the window runs it: the key lookups the pages store through, the alias boxes
// written back in place of the lines they came from, and Play UT2004 after a save that failed.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ini.h"
#include "app/key_lookups.h"
#include "support/scripted_services.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;

struct Loaded {
    TempDir dir;
    ScriptedServices s;
    brevane::INI ini{s.services(), "/nonexistent/"};
    Loaded(const std::string& user, const std::string& game) {
        writeBytes(dir.path() / "User.ini", user);
        writeBytes(dir.path() / "UT2004.ini", game);
        ini.state.SystemFolder = ini.state.InstalledSystemFolder = dir.folder();
        ini.Load_INI_Form();
    }
    std::string user() const { return readBytes(dir.path() / "User.ini"); }
    std::string game() const { return readBytes(dir.path() / "UT2004.ini"); }
};

TEST(KeyLookups, CompareExactlyAndTellNotFoundFromLineZero) {
    Loaded w(crlf({"Name=Zero", "[Engine.Engine]", "bPlayershadows=True", "[XGame.XPlayer]", "Name=Later"}),
             crlf({"[Engine.Engine]", "RenderDevice=D3DDrv.D3DRenderDevice"}));
    const auto& state = w.ini.state;
    using brevane::FindUserKey, brevane::FindUserKeyInSection, brevane::FindGameKey, brevane::FindGameKeyInSection;
    EXPECT_EQ(FindUserKey(state, "Name"), 0u);
    EXPECT_EQ(FindUserKey(state, "bPlayerShadows"), std::nullopt) << "letter case matters when storing";
    EXPECT_EQ(FindUserKeyInSection(state, "Name", "[XGame.XPlayer]"), 4u);
    EXPECT_EQ(FindUserKeyInSection(state, "Name", "[xgame.xplayer]"), std::nullopt);
    EXPECT_EQ(FindUserKeyInSection(state, "[Engine.Engine]", "[Engine.Engine]"), 1u) << "the header line counts";
    EXPECT_EQ(FindGameKey(state, "RenderDevice"), 1u);
    EXPECT_EQ(FindGameKeyInSection(state, "RenderDevice", "[Missing]"), std::nullopt);
}

TEST(SaveSequence, AValueForAMissingKeyChangesNoByte) {
    const std::string user =
        crlf({"Name=Zero", "[Engine.Engine]", "Aliases=(MatchWords=(\"a\"),ReplaceWord=\"b\")"});
    const std::string game = crlf({"Port=7777", "[URL]"});
    Loaded w(user, game);
    ASSERT_TRUE(w.ini.saveDocuments());
    const std::string firstUser = w.user(), firstGame = w.game();
    EXPECT_EQ(firstUser, user + "\r\n") << "the final line break reads as an empty last line";
    EXPECT_FALSE(brevane::storeValue(w.ini.state.userIni, brevane::FindUserKey(w.ini.state, "Missing"), "X"));
    EXPECT_FALSE(brevane::storeValue(w.ini.state.gameIni, brevane::FindGameKey(w.ini.state, "port"), "X"));
    ASSERT_TRUE(w.ini.saveDocuments());
    EXPECT_EQ(w.user(), firstUser);
    EXPECT_EQ(w.game(), firstGame);
}

TEST(SaveSequence, TheAliasBoxesReplaceTheirLinesAtTheFirstOne) {
    Loaded w(crlf({"[XGame.XPlayer]", "Aliases[0]=(Command=\"say hi\",Alias=Hi)", "Aliases[1]=(Command=,Alias=)",
                   "Aliases[2]=(Command=\"suicide\",Alias=Die)", "[Engine.PlayerInput]",
                   "aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")", "Name=x",
                   "Aliases=(MatchWords=(\"brb\"),ReplaceWord=\"be right back\")"}),
             crlf({"[URL]"}));
    w.ini.aliasPages.cb_Aliases.userClicks();
    ASSERT_TRUE(w.ini.saveDocuments());
    // The lower-case "aliases" line is shown in the box, and the box stands at the first alias line
    // of any letter case: each line once, so a later save does not add another copy.
    EXPECT_EQ(w.user(), crlf({"[XGame.XPlayer]", "Aliases[0]=(Command=\"say hi\",Alias=Hi)",
                              "Aliases[2]=(Command=\"suicide\",Alias=Die)", "Aliases[2]=(Command=,Alias=)",
                              "[Engine.PlayerInput]", "aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")",
                              "Aliases=(MatchWords=(\"brb\"),ReplaceWord=\"be right back\")", "Name=x", ""}));
}

TEST(SaveSequence, PlayUT2004KeepsTheWindowAndTheEditsWhenTheSaveFails) {
    Loaded w(crlf({"[XGame.XPlayer]", "Aliases=(MatchWords=(\"a\"),ReplaceWord=\"b\")"}), crlf({"[URL]"}));
    bool closed = false;
    w.ini.requestClose = [&closed] { closed = true; };
    std::filesystem::remove(w.dir.path() / "UT2004.ini");
    std::filesystem::create_directory(w.dir.path() / "UT2004.ini"); // cannot be replaced, not even by root
    w.ini.RTB_TextToSpeechAlias.userTypes("Aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")");
    w.s.messages.answers = {tk::MessageAnswer::Yes};
    w.ini.mnuPlayUT2k4_Click();
    ASSERT_EQ(w.s.messages.shown.size(), 2u);
    EXPECT_NE(w.s.messages.shown[1].text.find(w.dir.folder() + "UT2004.ini"), std::string::npos);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(w.s.launcher.started.empty());
    EXPECT_EQ(w.ini.RTB_TextToSpeechAlias.text(), "Aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")");
}

} // namespace
