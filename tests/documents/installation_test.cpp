#include "documents/installation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace brevane {
namespace {

namespace fs = std::filesystem;
using testing_support::fixture;
using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

// A Wine prefix as the game's installer leaves it: the registry file, drive C: and its dosdevices link.
void makeWinePrefix(const fs::path& prefix, const std::string& regFixture, const fs::path& gameFolder) {
    fs::create_directories(prefix / "dosdevices");
    fs::create_directories(prefix / "drive_c");
    fs::copy_file(fixture(regFixture + "/system.reg"), prefix / "system.reg");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    if (!gameFolder.empty()) fs::create_directories(prefix / "drive_c" / gameFolder);
}

std::string folderOf(const fs::path& path) {
    return fs::canonical(path).string() + "/";
}

LocateOptions optionsWithHome(const TempDir& dir) {
    LocateOptions options;
    options.environment.home = (dir.path() / "home").string();
    options.programFolder = (dir.path() / "program").string();
    fs::create_directories(dir.path() / "home");
    return options;
}

TEST(Installation, FindsTheGameInTheDefaultWinePrefix) {
    TempDir dir;
    LocateOptions options = optionsWithHome(dir);
    makeWinePrefix(dir.path() / "home/.wine", "documents/wine", "Games/UT2004/System");
    LocateResult result = locateInstallation(options);
    const std::string system = folderOf(dir.path() / "home/.wine/drive_c/Games/UT2004/System");
    EXPECT_EQ(result.source, InstallationSource::WineRegistry);
    EXPECT_FALSE(result.sandbox);
    EXPECT_EQ(result.SystemFolder, system);
    EXPECT_EQ(result.InstalledSystemFolder, system);
    EXPECT_EQ(result.GamePath, system + "UT2004.exe");
}

TEST(Installation, FindsA64BitPrefixEntryWhateverTheLetterCase) {
    TempDir dir;
    LocateOptions options = optionsWithHome(dir);
    // The registry says c:\games\ut2004\ ; the disk has Games/UT2004/system.
    makeWinePrefix(dir.path() / "prefix64", "documents/wine64", "Games/UT2004/system");
    options.environment.winePrefix = (dir.path() / "prefix64").string();
    LocateResult result = locateInstallation(options);
    EXPECT_EQ(result.source, InstallationSource::WineRegistry);
    EXPECT_EQ(result.SystemFolder, folderOf(dir.path() / "prefix64/drive_c/Games/UT2004/system"));
}

TEST(Installation, WinePathsGoThroughTheDriveLinks) {
    TempDir dir;
    makeWinePrefix(dir.path() / "p", "documents/wine", "Games/UT2004");
    const std::string prefix = (dir.path() / "p").string();
    const std::string game = fs::canonical(dir.path() / "p/drive_c/Games/UT2004").string();
    struct Case {
        std::string windows;
        std::optional<std::string> local;
    } cases[] = {
        {"C:\\Games\\UT2004", game},          {"c:\\GAMES\\ut2004\\", game},       {"C:/Games/UT2004", game},
        {"D:\\Games\\UT2004", std::nullopt}, // no link for drive D:
        {"C:\\Games\\Missing", std::nullopt}, {"\\\\server\\share", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(winePathToLocal(prefix, c.windows), c.local) << c.windows;
}

TEST(Installation, RegisteredFolderThatIsGoneFallsBackToTheNativePort) {
    TempDir dir;
    LocateOptions options = optionsWithHome(dir);
    makeWinePrefix(dir.path() / "home/.wine", "documents/wine", "");
    fs::create_directories(dir.path() / "home/.ut2004/System");
    LocateResult result = locateInstallation(options);
    EXPECT_EQ(result.source, InstallationSource::NativePort);
    EXPECT_EQ(result.SystemFolder, (dir.path() / "home/.ut2004/System").string() + "/");
    EXPECT_EQ(result.GamePath, result.SystemFolder + "UT2004.exe");
    EXPECT_EQ(result.placesLooked.size(), 3u); // the registry, the missing registered folder, the port
}

TEST(Installation, WineRegistryComesBeforeTheNativePort) {
    TempDir dir;
    LocateOptions options = optionsWithHome(dir);
    makeWinePrefix(dir.path() / "home/.wine", "documents/wine", "Games/UT2004/System");
    fs::create_directories(dir.path() / "home/.ut2004/System");
    EXPECT_EQ(locateInstallation(options).source, InstallationSource::WineRegistry);
}

TEST(Installation, OptionThenVariableOverrideDiscovery) {
    TempDir dir;
    LocateOptions options = optionsWithHome(dir);
    makeWinePrefix(dir.path() / "home/.wine", "documents/wine", "Games/UT2004/System");
    fs::create_directories(dir.path() / "opt/System");
    fs::create_directories(dir.path() / "var/system");
    const std::string opt = dir.folder() + "opt";
    const std::string var = dir.folder() + "var";
    struct Case {
        std::optional<std::string> option;
        std::optional<std::string> variable;
        InstallationSource source;
        std::string system;
    } cases[] = {
        {opt, var, InstallationSource::GameDirOption, opt + "/System/"},
        {opt + "/", std::nullopt, InstallationSource::GameDirOption, opt + "/System/"},
        {std::nullopt, var, InstallationSource::GameDirVariable, var + "/system/"},
        {std::string(), var, InstallationSource::GameDirVariable, var + "/system/"}, // empty = not given
        {dir.folder() + "absent", std::nullopt, InstallationSource::GameDirOption,
         dir.folder() + "absent/System/"},
        {"relative/game", std::nullopt, InstallationSource::GameDirOption,
         fs::absolute("relative/game").string() + "/System/"},
    };
    for (const auto& c : cases) {
        options.gameDir = c.option;
        options.environment.brevaneGameDir = c.variable;
        LocateResult result = locateInstallation(options);
        EXPECT_EQ(result.source, c.source) << c.system;
        EXPECT_EQ(result.SystemFolder, c.system);
        EXPECT_EQ(result.GamePath, c.system + "UT2004.exe");
        EXPECT_FALSE(result.sandbox);
    }
}

TEST(Installation, NothingFoundMakesASandboxFromTheDefaultCopies) {
    TempDir dir;
    LocateOptions options = optionsWithHome(dir);
    writeBytes(dir.path() / "program/Default/User.ini", "[DefaultPlayer]\r\n");
    writeBytes(dir.path() / "program/Default/UT2004.ini", "[URL]\r\n");
    const std::string sandbox = (dir.path() / "home/.local/share/brevane/System").string() + "/";

    LocateResult result = locateInstallation(options);
    EXPECT_TRUE(result.sandbox);
    EXPECT_EQ(result.source, InstallationSource::Sandbox);
    EXPECT_EQ(result.SystemFolder, sandbox);
    EXPECT_EQ(result.InstalledSystemFolder, sandbox);
    EXPECT_EQ(result.GamePath, sandbox + "UT2004.exe");
    EXPECT_EQ(result.sandboxError, "");
    EXPECT_EQ(readBytes(sandbox + "User.ini"), "[DefaultPlayer]\r\n");
    EXPECT_EQ(readBytes(sandbox + "UT2004.ini"), "[URL]\r\n");

    const std::string message = installationNotFoundMessage(result);
    ASSERT_EQ(result.placesLooked.size(), 2u);
    EXPECT_NE(result.placesLooked[0].find(dir.folder() + "home/.wine/system.reg"), std::string::npos);
    EXPECT_NE(result.placesLooked[1].find(dir.folder() + "home/.ut2004/System/"), std::string::npos);
    for (const auto& place : result.placesLooked)
        EXPECT_NE(message.find(place), std::string::npos);
    EXPECT_NE(message.find(sandbox), std::string::npos);

    // A second start keeps what the user saved in the sandbox.
    writeBytes(sandbox + "User.ini", "edited\r\n");
    result = locateInstallation(options);
    EXPECT_EQ(readBytes(sandbox + "User.ini"), "edited\r\n");
}

TEST(Installation, SandboxFollowsXdgDataHomeAndReportsMissingCopies) {
    TempDir dir;
    LocateOptions options = optionsWithHome(dir);
    options.environment.xdgDataHome = (dir.path() / "data").string();
    LocateResult result = locateInstallation(options);
    EXPECT_TRUE(result.sandbox);
    EXPECT_EQ(result.SystemFolder, (dir.path() / "data/brevane/System").string() + "/");
    EXPECT_TRUE(fs::is_directory(result.SystemFolder));
    EXPECT_NE(result.sandboxError.find("Default/User.ini"), std::string::npos) << result.sandboxError;

    options.environment.xdgDataHome = "relative/data"; // not absolute: ignored
    EXPECT_EQ(locateInstallation(options).SystemFolder,
              (dir.path() / "home/.local/share/brevane/System").string() + "/");
}

} // namespace
} // namespace brevane
