// The window's full load: both files into the documents and the raw pages, or, when a file cannot be
// read, one message naming it and the reason and nothing loaded.
#include <gtest/gtest.h>

#include "app/ini.h"
#include "support/scripted_services.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;

brevane::LocateResult pathsFor(const std::string& folder) {
    brevane::LocateResult p;
    p.SystemFolder = p.InstalledSystemFolder = folder;
    p.GamePath = folder + "UT2004.exe";
    return p;
}

TEST(FullLoad, ReadsBothFilesIntoDocumentsAndRawPages) {
    TempDir dir;
    writeBytes(dir.path() / "User.ini", crlf({"[DefaultPlayer]", "Name=Player"}));
    writeBytes(dir.path() / "UT2004.ini", crlf({"[URL]", "Port=7777"}));
    ScriptedServices s;
    brevane::INI ini(s.services(), BREVANE_BIN_DIR "/");
    ini.Form_Load(pathsFor(dir.folder()));
    EXPECT_TRUE(ini.state.documentsLoaded);
    EXPECT_TRUE(s.messages.shown.empty());
    EXPECT_EQ(ini.RTB_User[0].text(), crlf({"[DefaultPlayer]", "Name=Player"}));
    EXPECT_EQ(ini.RTB_User[1].text(), crlf({"[URL]", "Port=7777"}));
    EXPECT_EQ(brevane::GetVal(ini.state.gameIni, "port"), "7777");
    EXPECT_EQ(ini.state.GamePath, dir.folder() + "UT2004.exe");
    EXPECT_EQ(ini.caption(), "Brevane");
}

TEST(FullLoad, AnUnreadableFileIsNamedWithItsReasonAndNothingStaysLoaded) {
    struct Case {
        const char* name;
        bool userPresent, gamePresent;
        const char* missing;
    };
    for (Case c : {Case{"no User.ini", false, true, "User.ini"}, Case{"no UT2004.ini", true, false, "UT2004.ini"},
                   Case{"empty folder", false, false, "User.ini"}}) {
        TempDir dir;
        ScriptedServices s;
        brevane::INI ini(s.services(), BREVANE_BIN_DIR "/");
        // A good load first: a failed reload must not leave the old files' values behind.
        writeBytes(dir.path() / "User.ini", crlf({"Name=Old"}));
        writeBytes(dir.path() / "UT2004.ini", crlf({"Port=1"}));
        ini.Form_Load(pathsFor(dir.folder()));
        ASSERT_TRUE(ini.state.documentsLoaded) << c.name;
        if (!c.userPresent) std::filesystem::remove(dir.path() / "User.ini");
        if (!c.gamePresent) std::filesystem::remove(dir.path() / "UT2004.ini");
        ini.Load_INI_Form();
        EXPECT_FALSE(ini.state.documentsLoaded) << c.name;
        ASSERT_EQ(s.messages.shown.size(), 1u) << c.name;
        EXPECT_NE(s.messages.shown[0].text.find(dir.folder() + c.missing), std::string::npos) << c.name;
        EXPECT_NE(s.messages.shown[0].text.find("No such file or directory"), std::string::npos) << c.name;
        EXPECT_EQ(brevane::GetVal(ini.state.userIni, "Name"), "") << c.name;
        EXPECT_EQ(ini.RTB_User[0].text(), "") << c.name;
    }
}

TEST(FullLoad, ASandboxIsAnnouncedOnceWithEveryPlaceLookedAt) {
    TempDir dir;
    writeBytes(dir.path() / "User.ini", crlf({"Name=P"}));
    writeBytes(dir.path() / "UT2004.ini", crlf({"Port=1"}));
    ScriptedServices s;
    brevane::INI ini(s.services(), BREVANE_BIN_DIR "/");
    brevane::LocateResult paths = pathsFor(dir.folder());
    paths.sandbox = true;
    paths.placesLooked = {"the Wine registry in /home/p/.wine", "/home/p/.ut2004/System/"};
    ini.Form_Load(paths);
    ASSERT_EQ(s.messages.shown.size(), 1u);
    for (const auto& place : paths.placesLooked)
        EXPECT_NE(s.messages.shown[0].text.find(place), std::string::npos) << place;
    EXPECT_NE(ini.caption().find(dir.folder()), std::string::npos);
    EXPECT_TRUE(ini.state.documentsLoaded);
}

} // namespace
