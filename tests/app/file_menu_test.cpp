// File > New, Open and Save on real folders, with the Open dialog answered by a script.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ini.h"
#include "support/scripted_services.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

/// A program folder with its Default copies, an installation, and a window loaded from it.
struct Desk {
    TempDir root;
    fs::path program = root.path() / "Brevane";
    fs::path install = root.path() / "UT2004" / "System";
    ScriptedServices s;
    std::unique_ptr<brevane::INI> ini;

    Desk() {
        put(program / "Default", "Default");
        put(install, "Installed");
        ini = std::make_unique<brevane::INI>(s.services(), program.string() + "/");
        brevane::LocateResult found;
        found.SystemFolder = found.InstalledSystemFolder = install.string() + "/";
        ini->Form_Load(found);
    }
    /// A User.ini and UT2004.ini pair in `folder` whose Name and Port say where they came from.
    static void put(const fs::path& folder, const std::string& tag) {
        fs::create_directories(folder);
        writeBytes(folder / "User.ini", crlf({"[DefaultPlayer]", "Name=" + tag}));
        writeBytes(folder / "UT2004.ini", crlf({"[URL]", "Port=" + tag}));
    }
    std::string loadedName() const { return brevane::GetVal(ini->state.userIni, "Name"); }
};

TEST(FileMenu, OpenLoadsBothFilesFromTheChosenFilesFolderAndSaveWritesThere) {
    struct Case {
        const char* name;
        std::string folder; ///< under the root
        std::string chosen; ///< the file name picked in that folder
    };
    const Case cases[] = {
        {"User.ini picked", "Backup", "User.ini"},
        {"UT2004.ini picked", "Backup", "UT2004.ini"},
        {"other letter case", "Backup", "user.INI"},
        // Both names in the path: the cut at "UT2004.ini" is made last and wins.
        {"both names in the path", "User.ini copies", "UT2004.ini"},
    };
    for (const Case& c : cases) {
        Desk d;
        const fs::path folder = d.root.path() / c.folder;
        Desk::put(folder, "Backup");
        d.s.files.answers.push_back((folder / c.chosen).string());
        d.ini->mnuFileOpen_Click();
        ASSERT_EQ(d.s.files.asked.size(), 1u);
        EXPECT_FALSE(d.s.files.asked[0].save);
        EXPECT_EQ(d.s.files.asked[0].filter, "INI files (*.ini)|*.ini|All files (*.*)|*.*");
        EXPECT_EQ(d.s.files.asked[0].defaultExt, "ini");
        EXPECT_EQ(d.s.files.asked[0].initialDir, d.install.string() + "/") << "starts in the System folder";
        EXPECT_EQ(d.ini->state.SystemFolder, folder.string() + "/") << c.name;
        EXPECT_EQ(d.loadedName(), "Backup") << c.name;
        EXPECT_EQ(brevane::GetVal(d.ini->state.gameIni, "Port"), "Backup") << c.name;

        d.ini->RTB_TextToSpeechAlias.userTypes("Aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")");
        d.ini->frmFileSave_Click();
        EXPECT_TRUE(d.s.messages.shown.empty()) << c.name << ": a good save says nothing";
        EXPECT_TRUE(fs::exists(folder / "User.ini.bak")) << c.name;
        EXPECT_EQ(readBytes(d.install / "User.ini"), crlf({"[DefaultPlayer]", "Name=Installed"})) << c.name;
        EXPECT_FALSE(fs::exists(d.install / "User.ini.bak")) << c.name;
    }
}

TEST(FileMenu, OpenWithoutEitherNameOrCancelledReloadsFromTheSameFolder) {
    for (const std::string& answer : {std::string(), std::string("/somewhere/else/Settings.ini")}) {
        Desk d;
        d.s.files.answers.push_back(answer);
        d.ini->RTB_Aliases.userTypes("Aliases[0]=(Command=\"typed\",Alias=Lost)");
        writeBytes(d.install / "User.ini", crlf({"[DefaultPlayer]", "Name=ChangedOnDisk"}));
        d.ini->mnuFileOpen_Click();
        EXPECT_EQ(d.ini->state.SystemFolder, d.install.string() + "/") << answer;
        EXPECT_EQ(d.loadedName(), "ChangedOnDisk") << answer << ": the files are read again";
        EXPECT_EQ(d.ini->RTB_Aliases.text(), "") << answer << ": unsaved edits are dropped";
    }
}

TEST(FileMenu, NewLoadsTheDefaultCopiesAndSaveWritesThemIntoTheInstallation) {
    Desk d;
    d.ini->mnuFileNew_Click();
    EXPECT_TRUE(d.ini->state.DefaultsLoaded);
    EXPECT_EQ(d.ini->state.SystemFolder, (d.program / "Default").string() + "/");
    EXPECT_EQ(d.loadedName(), "Default");

    d.ini->frmFileSave_Click();
    EXPECT_TRUE(d.s.messages.shown.empty());
    EXPECT_FALSE(d.ini->state.DefaultsLoaded);
    EXPECT_EQ(d.ini->state.SystemFolder, d.install.string() + "/");
    // A file that ended with a line break comes back with one empty line at its end.
    EXPECT_EQ(readBytes(d.install / "User.ini"), crlf({"[DefaultPlayer]", "Name=Default", ""}));
    EXPECT_EQ(readBytes(d.install / "UT2004.ini"), crlf({"[URL]", "Port=Default", ""}));
    EXPECT_EQ(readBytes(d.install / "User.ini.bak"), crlf({"[DefaultPlayer]", "Name=Installed"}));
    EXPECT_EQ(readBytes(d.program / "Default" / "User.ini"), crlf({"[DefaultPlayer]", "Name=Default"}));
    EXPECT_FALSE(fs::exists(d.program / "Default" / "User.ini.bak"));
}

TEST(FileMenu, OpenAfterNewKeepsTheSaveGoingIntoTheInstallation) {
    Desk d;
    const fs::path backup = d.root.path() / "Backup";
    Desk::put(backup, "Backup");
    d.ini->mnuFileNew_Click();
    d.s.files.answers.push_back((backup / "User.ini").string());
    d.ini->mnuFileOpen_Click();
    EXPECT_EQ(d.loadedName(), "Backup");
    EXPECT_TRUE(d.ini->state.DefaultsLoaded) << "Open leaves the flag of File > New alone";
    d.ini->frmFileSave_Click();
    EXPECT_EQ(readBytes(d.install / "User.ini"), crlf({"[DefaultPlayer]", "Name=Backup", ""}));
    EXPECT_EQ(readBytes(backup / "User.ini"), crlf({"[DefaultPlayer]", "Name=Backup"}));
    EXPECT_FALSE(d.ini->state.DefaultsLoaded);

    // Once that save has happened, a folder opened later is saved back into itself.
    d.s.files.answers.push_back((backup / "User.ini").string());
    d.ini->mnuFileOpen_Click();
    d.ini->frmFileSave_Click();
    EXPECT_TRUE(fs::exists(backup / "User.ini.bak"));
}

TEST(FileMenu, NewWithoutTheDefaultFolderSaysSoAndASaveWritesNothing) {
    Desk d;
    fs::remove_all(d.program / "Default");
    d.ini->mnuFileNew_Click();
    ASSERT_EQ(d.s.messages.shown.size(), 1u);
    EXPECT_NE(d.s.messages.shown[0].text.find((d.program / "Default" / "User.ini").string()), std::string::npos);

    d.ini->frmFileSave_Click();
    ASSERT_EQ(d.s.messages.shown.size(), 2u);
    EXPECT_EQ(d.s.messages.shown[1].text.rfind("Nothing was saved", 0), 0u) << d.s.messages.shown[1].text;
    EXPECT_EQ(readBytes(d.install / "User.ini"), crlf({"[DefaultPlayer]", "Name=Installed"}));
    EXPECT_EQ(readBytes(d.install / "UT2004.ini"), crlf({"[URL]", "Port=Installed"}));
    EXPECT_FALSE(fs::exists(d.install / "User.ini.bak"));
}

TEST(FileMenu, AFailedSaveNamesTheFileAndReasonAndReplacesNeitherFile) {
    Desk d;
    // Something no user can write over, root included: UT2004.ini has become a folder.
    fs::remove(d.install / "UT2004.ini");
    fs::create_directory(d.install / "UT2004.ini");
    d.ini->RTB_TextToSpeechAlias.userTypes("Aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")");
    EXPECT_FALSE(d.ini->saveDocuments());
    ASSERT_EQ(d.s.messages.shown.size(), 1u);
    const std::string& text = d.s.messages.shown[0].text;
    EXPECT_NE(text.find((d.install / "UT2004.ini").string()), std::string::npos) << text;
    EXPECT_EQ(d.s.messages.shown[0].icon, tk::MessageIcon::Critical);
    EXPECT_EQ(readBytes(d.install / "User.ini"), crlf({"[DefaultPlayer]", "Name=Installed"}));
    for (const auto& entry : fs::directory_iterator(d.install))
        EXPECT_TRUE(entry.path().filename() == "User.ini" || entry.path().filename() == "UT2004.ini")
            << "left behind: " << entry.path();
}

} // namespace
