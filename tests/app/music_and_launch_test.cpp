// The menu music's commands and Play ▸ Play UT2004: the question, the save on Yes, the window
// closing before the game starts from GamePath, and a start that fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ini.h"
#include "support/scripted_services.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

/// An INI window over a game installation in a temporary folder (System/ with the default files)
/// and a program folder whose Default/ holds different copies, so a save from them shows.
struct GameFixture {
    TempDir dir;
    RecordingMessages messages;
    RecordingFiles files;
    RecordingLauncher launcher;
    RecordingMedia media;
    std::vector<std::string> events; // "close" and "start", in order
    std::string userIniAtStart;      // the installation's User.ini as the game found it
    struct OrderedLauncher : tk::ProcessLauncher {
        GameFixture* f;
        std::string start(const std::string& program) override {
            f->events.push_back("start");
            f->userIniAtStart = readBytes(f->system() + "User.ini");
            return f->launcher.start(program);
        }
    } ordered;
    std::unique_ptr<brevane::INI> ini;

    std::string system() const { return dir.folder() + "Game/System/"; }

    GameFixture() {
        ordered.f = this;
        fs::create_directories(system());
        fs::copy_file(assetsDir() / "Default/User.ini", system() + "User.ini");
        fs::copy_file(assetsDir() / "Default/UT2004.ini", system() + "UT2004.ini");
        const std::string program = dir.folder() + "Program/";
        writeBytes(program + "Default/User.ini",
                   readBytes(assetsDir() / "Default/User.ini") + "\r\n[Test.Marker]\r\nX=1\r\n");
        writeBytes(program + "Default/UT2004.ini", readBytes(assetsDir() / "Default/UT2004.ini"));
        tk::Services services{&messages, &files, nullptr, &ordered, &media};
        ini = std::make_unique<brevane::INI>(services, program);
        ini->requestClose = [this] {
            events.push_back("close");
            ini->Form_Unload();
        };
        brevane::LocateResult found;
        found.SystemFolder = found.InstalledSystemFolder = system();
        found.GamePath = system() + "UT2004.exe";
        ini->Form_Load(found);
    }
};

TEST(MenuMusic, StartSendsDeviceTypeFileOpenPlayAndTheMenusSendTheirCommand) {
    RecordingMedia media;
    brevane::INI ini({nullptr, nullptr, nullptr, nullptr, &media}, "/opt/brevane/");
    ini.StartMenuMusic();
    ASSERT_EQ(media.commands.size(), 2u);
    for (const auto& c : media.commands) {
        EXPECT_EQ(c.deviceType, "MPEGVideo");
        EXPECT_EQ(c.fileName, "/opt/brevane/Music/Brevane Menu Music.mp3");
    }
    ini.mnuStop_Click();
    ini.mnuPlay_Click();
    ini.mnuPlay_Click();
    ini.mnuStop_Click();
    ini.mnuStop_Click();
    ini.Form_Unload();
    EXPECT_EQ(media.names(),
              (std::vector<std::string>{"Open", "Play", "Stop", "Play", "Play", "Stop", "Stop", "Stop", "Close"}));
}

TEST(PlayUT2004, AsksThenNoStartsTheGameWithoutWritingEitherFile) {
    GameFixture f;
    const std::string user = readBytes(f.system() + "User.ini");
    const std::string game = readBytes(f.system() + "UT2004.ini");
    f.ini->mnuPlayUT2k4_Click();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Closing Brevane....\r\n\r\nDo You Want To Save?");
    EXPECT_EQ(f.messages.shown[0].buttons, tk::MessageButtons::YesNo);
    EXPECT_EQ(f.messages.shown[0].icon, tk::MessageIcon::Question);
    EXPECT_EQ(f.events, (std::vector<std::string>{"close", "start"}));
    EXPECT_EQ(f.media.names(), (std::vector<std::string>{"Stop", "Close"}));
    EXPECT_EQ(f.launcher.started, std::vector<std::string>{f.system() + "UT2004.exe"});
    EXPECT_EQ(readBytes(f.system() + "User.ini"), user);
    EXPECT_EQ(readBytes(f.system() + "UT2004.ini"), game);
    EXPECT_FALSE(fs::exists(f.system() + "User.ini.bak"));
}

TEST(PlayUT2004, YesAfterFileNewWritesTheDefaultsIntoTheInstallationThenStarts) {
    GameFixture f;
    f.ini->mnuFileNew_Click();
    f.messages.answers = {tk::MessageAnswer::Yes};
    f.ini->mnuPlayUT2k4_Click();
    EXPECT_NE(f.userIniAtStart.find("[Test.Marker]"), std::string::npos)
        << "the default copies were saved into the installation's System folder before the game started";
    EXPECT_EQ(f.events, (std::vector<std::string>{"close", "start"}));
    EXPECT_EQ(f.launcher.started, std::vector<std::string>{f.system() + "UT2004.exe"});
}

TEST(PlayUT2004, StartsGamePathEvenAfterFileOpenElsewhere) {
    GameFixture f;
    const std::string elsewhere = f.dir.folder() + "Backup/";
    fs::create_directories(elsewhere);
    fs::copy_file(f.system() + "User.ini", elsewhere + "User.ini");
    fs::copy_file(f.system() + "UT2004.ini", elsewhere + "UT2004.ini");
    f.files.nextPath = elsewhere + "User.ini";
    f.ini->mnuFileOpen_Click();
    ASSERT_EQ(f.ini->state.SystemFolder, elsewhere);
    f.ini->mnuPlayUT2k4_Click();
    EXPECT_EQ(f.launcher.started, std::vector<std::string>{f.system() + "UT2004.exe"});
}

TEST(PlayUT2004, AGameThatCannotStartIsNamedWithTheReason) {
    GameFixture f;
    f.launcher.failure = "No such file or directory";
    f.ini->mnuPlayUT2k4_Click();
    ASSERT_EQ(f.messages.shown.size(), 2u);
    const std::string& text = f.messages.shown[1].text;
    EXPECT_NE(text.find(f.system() + "UT2004.exe"), std::string::npos) << text;
    EXPECT_NE(text.find("No such file or directory"), std::string::npos) << text;
    EXPECT_EQ(f.messages.shown[1].buttons, tk::MessageButtons::Ok);
}

} // namespace
