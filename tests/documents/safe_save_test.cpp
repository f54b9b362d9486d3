#include "documents/safe_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "documents/writer.h"
#include "support/test_support.h"

namespace brevane {
namespace {

namespace fs = std::filesystem;
using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

ConfigDocument loaded(const std::string& text) {
    ConfigDocument doc;
    doc.load(text);
    return doc;
}

TEST(SafeSave, ReplacesBothFilesKeepingBackupsAndPermissions) {
    TempDir dir;
    writeBytes(dir.path() / "User.ini", "[DefaultPlayer]\r\nName=Old\r\n");
    writeBytes(dir.path() / "UT2004.ini", "[URL]\r\nPort=7777\r\n");
    ::chmod((dir.path() / "User.ini").c_str(), 0640);
    ::chmod((dir.path() / "UT2004.ini").c_str(), 0600);

    ConfigDocument user = loaded(readBytes(dir.path() / "User.ini"));
    ConfigDocument game = loaded(readBytes(dir.path() / "UT2004.ini"));
    storeValue(user, findKey(user, "Name"), "New");
    SaveOutcome outcome = WriteDocuments(dir.folder(), user, game, WriterInputs{});
    ASSERT_TRUE(outcome.ok) << outcome.file << ": " << outcome.reason;

    EXPECT_EQ(readBytes(dir.path() / "User.ini"), "[DefaultPlayer]\r\nName=New\r\n\r\n");
    EXPECT_EQ(readBytes(dir.path() / "User.ini.bak"), "[DefaultPlayer]\r\nName=Old\r\n");
    EXPECT_EQ(readBytes(dir.path() / "UT2004.ini.bak"), "[URL]\r\nPort=7777\r\n");
    EXPECT_EQ(fs::status(dir.path() / "User.ini").permissions(), fs::perms(0640));
    EXPECT_EQ(fs::status(dir.path() / "UT2004.ini").permissions(), fs::perms(0600));
    EXPECT_EQ(namesIn(dir.path()),
              (std::set<std::string>{"User.ini", "User.ini.bak", "UT2004.ini", "UT2004.ini.bak"}));

    // The next save keeps what the first one wrote as the backup.
    storeValue(user, findKey(user, "Name"), "Newer");
    ASSERT_TRUE(WriteDocuments(dir.folder(), user, game, WriterInputs{}).ok);
    EXPECT_EQ(readBytes(dir.path() / "User.ini.bak"), "[DefaultPlayer]\r\nName=New\r\n\r\n");
}

TEST(SafeSave, CreatesMissingFilesWithoutBackups) {
    TempDir dir;
    ASSERT_TRUE(writeFilesSafely({{dir.folder() + "User.ini", "a\r\n"}, {dir.folder() + "UT2004.ini", ""}}).ok);
    EXPECT_EQ(readBytes(dir.path() / "User.ini"), "a\r\n");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"User.ini", "UT2004.ini"}));
}

TEST(SafeSave, FollowsALinkAndKeepsIt) {
    TempDir dir;
    writeBytes(dir.path() / "real/User.ini", "old");
    fs::create_directories(dir.path() / "System");
    fs::create_symlink(dir.path() / "real/User.ini", dir.path() / "System/User.ini");
    ASSERT_TRUE(writeFilesSafely({{dir.folder() + "System/User.ini", "new"}}).ok);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "System/User.ini"));
    EXPECT_EQ(readBytes(dir.path() / "real/User.ini"), "new");
    EXPECT_EQ(readBytes(dir.path() / "real/User.ini.bak"), "old");
}

TEST(SafeSave, AnyFailureReplacesNothingAndLeavesNoTemporary) {
    TempDir dir;
    const fs::path good = dir.path() / "good";
    writeBytes(good / "User.ini", "user-old");
    writeBytes(good / "UT2004.ini", "game-old");
    writeBytes(dir.path() / "plain", "a regular file");
    fs::create_directories(dir.path() / "dirs/UT2004.ini"); // a folder where the file should be
    writeBytes(dir.path() / "dirs/User.ini", "dirs-old");
    writeBytes(dir.path() / "readonly/User.ini", "ro-user");
    writeBytes(dir.path() / "readonly/UT2004.ini", "ro-game");
    ::chmod((dir.path() / "readonly/UT2004.ini").c_str(), 0444);

    const std::string user = good.string() + "/User.ini";
    struct Case {
        std::vector<FileToWrite> files;
        std::string failedFile;
        std::string reason;
        bool rootCanBypass;
    } cases[] = {
        {{{user, "new"}, {dir.folder() + "missing/UT2004.ini", "new"}},
         dir.folder() + "missing/UT2004.ini",
         "No such file or directory",
         false},
        {{{user, "new"}, {dir.folder() + "plain/UT2004.ini", "new"}},
         dir.folder() + "plain/UT2004.ini",
         "Not a directory",
         false},
        {{{dir.folder() + "dirs/User.ini", "new"}, {dir.folder() + "dirs/UT2004.ini", "new"}},
         dir.folder() + "dirs/UT2004.ini",
         "Is a directory",
         false},
        {{{dir.folder() + "readonly/User.ini", "new"}, {dir.folder() + "readonly/UT2004.ini", "new"}},
         dir.folder() + "readonly/UT2004.ini",
         "Permission denied",
         true},
    };
    const auto before = [&](const fs::path& folder) {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& name : namesIn(folder))
            files.emplace_back(name, fs::is_regular_file(folder / name) ? readBytes(folder / name) : "<dir>");
        return files;
    };
    for (const auto& c : cases) {
        if (c.rootCanBypass && ::geteuid() == 0) continue; // root writes read-only files
        const fs::path firstFolder = fs::path(c.files[0].path).parent_path();
        const auto firstBefore = before(firstFolder);
        SaveOutcome outcome = writeFilesSafely(c.files);
        EXPECT_FALSE(outcome.ok) << c.failedFile;
        EXPECT_EQ(outcome.file, c.failedFile);
        EXPECT_EQ(outcome.reason, c.reason) << c.failedFile;
        EXPECT_EQ(before(firstFolder), firstBefore) << c.failedFile; // same names, same bytes
        const std::string message = saveFailureMessage(outcome);
        EXPECT_NE(message.find(c.failedFile), std::string::npos);
        EXPECT_NE(message.find(c.reason), std::string::npos);
    }
}

} // namespace
} // namespace brevane
