// Files that are huge, binary or not files at all: the full load and the save either keep every
// byte or say clearly what went wrong, and never write over what they could not read.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ini.h"
#include "documents/writer.h"
#include "support/scripted_services.h"
#include "support/test_support.h"
#include "toolkit/check_box.h"

namespace {

using namespace testing_support;

struct Editor {
    TempDir dir;
    ScriptedServices s;
    brevane::INI ini{s.services(), BREVANE_BIN_DIR "/"};
    std::filesystem::path user() const { return dir.path() / "User.ini"; }
    std::filesystem::path game() const { return dir.path() / "UT2004.ini"; }
    void load() {
        ini.state.SystemFolder = dir.folder();
        ini.Load_INI_Form();
    }
};

// A file the save gives back byte for byte: CR LF after every line and one empty line at its end.
std::string settled(std::string text) {
    return text + "\r\n";
}

TEST(BadInput, HugeBinaryAndLongLinedFilesLoadAndSaveWithoutLosingAByte) {
    std::string kilobyte(1000, 'x');
    std::string fiftyMegabytes = "[DefaultPlayer]\r\nName=Player\r\n";
    for (int i = 0; fiftyMegabytes.size() < 50'000'000; ++i)
        fiftyMegabytes +=
            (i % 1000 == 0 ? "[Filler" + std::to_string(i) + "]\r\n" : "Key" + std::to_string(i) + "=") +
            kilobyte + "\r\n";
    const char withNuls[] = "[Engine.PlayerInput]\r\nKey\0Name=Va\0lue\r\n\0\0\0\r\nName=Pl\0ayer\r\n";
    const std::string nulBytes(withNuls, sizeof withNuls - 1);
    std::string megabyteLine = "[DefaultPlayer]\r\nLongLine=" + std::string(1'000'000, 'y') + "\r\n" +
                               std::string(1'000'000, 'z') + "\r\n";
    struct Case {
        const char* name;
        std::string user, game;
    } cases[] = {
        {"a 50 MB file", settled(fiftyMegabytes), settled("[URL]\r\nPort=7777\r\n")},
        {"NUL bytes", settled(nulBytes), settled(nulBytes)},
        {"a single 1 MB line", settled(megabyteLine), settled(std::string(1'000'000, 'k') + "=\r\n")},
    };
    for (const Case& c : cases) {
        Editor e;
        writeBytes(e.user(), c.user);
        writeBytes(e.game(), c.game);
        e.load();
        EXPECT_TRUE(e.ini.state.documentsLoaded) << c.name;
        EXPECT_TRUE(e.s.messages.shown.empty()) << c.name;
        ASSERT_TRUE(e.ini.saveDocuments()) << c.name;
        EXPECT_TRUE(readBytes(e.user()) == c.user) << c.name << ": User.ini changed";
        EXPECT_TRUE(readBytes(e.game()) == c.game) << c.name << ": UT2004.ini changed";
    }
}

TEST(BadInput, AFolderWhereAFileShouldBeIsNamedAndNothingIsLoaded) {
    for (const char* folderName : {"User.ini", "UT2004.ini"}) {
        Editor e;
        writeBytes(e.user(), crlf({"[DefaultPlayer]", "Name=Player"}));
        writeBytes(e.game(), crlf({"[URL]"}));
        std::filesystem::remove(e.dir.path() / folderName);
        std::filesystem::create_directory(e.dir.path() / folderName);
        e.load();
        EXPECT_FALSE(e.ini.state.documentsLoaded) << folderName;
        ASSERT_EQ(e.s.messages.shown.size(), 1u) << folderName;
        const std::string& text = e.s.messages.shown[0].text;
        EXPECT_NE(text.find(e.dir.folder() + folderName), std::string::npos) << text;
        EXPECT_NE(text.find("Is a directory"), std::string::npos) << text;
        EXPECT_TRUE(std::filesystem::is_directory(e.dir.path() / folderName)) << folderName;
    }
}

TEST(BadInput, AFileThatVanishesBeforeTheSaveIsWrittenAgainFromWhatWasLoaded) {
    Editor e;
    const std::string user = crlf({"[DefaultPlayer]", "Name=Player", "; kept", ""});
    const std::string game = crlf({"[URL]", "Port=7777", ""});
    writeBytes(e.user(), user);
    writeBytes(e.game(), game);
    e.load();
    std::filesystem::remove(e.user());
    ASSERT_TRUE(e.ini.saveDocuments());
    EXPECT_TRUE(e.s.messages.shown.empty());
    EXPECT_EQ(readBytes(e.user()), user);
    EXPECT_EQ(readBytes(e.game()), game);
    EXPECT_FALSE(std::filesystem::exists(e.dir.path() / "User.ini.bak")); // nothing was there to keep

    // With its whole folder gone the save fails, naming the file and the reason.
    std::filesystem::remove_all(e.dir.path());
    EXPECT_FALSE(e.ini.saveDocuments());
    ASSERT_EQ(e.s.messages.shown.size(), 1u);
    const std::string& message = e.s.messages.shown[0].text;
    EXPECT_NE(message.find(e.dir.folder()), std::string::npos) << message;
    EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
    std::filesystem::create_directory(e.dir.path()); // for TempDir's clean-up
}

} // namespace
