#pragma once
// Where the game is: the System folder the two files are read from and written to, and the game's
// program. The environment is passed in, never read here, so every path can be driven by tests.
#include <optional>
#include <string>
#include <vector>

namespace brevane {

/// The registry entry the game's installer writes.
inline constexpr const char* kGameRegistryKey = "SOFTWARE\\Unreal Technology\\Installed Apps\\UT2004";
inline constexpr const char* kGameRegistryValue = "Folder";

/// The parts of the process environment that decide where to look. Unset and empty are the same.
struct LocateEnvironment {
    std::optional<std::string> brevaneGameDir; ///< BREVANE_GAME_DIR
    std::optional<std::string> winePrefix;     ///< WINEPREFIX
    std::optional<std::string> home;           ///< HOME
    std::optional<std::string> xdgDataHome;    ///< XDG_DATA_HOME

    /// The values of the running process.
    static LocateEnvironment fromProcess();
};

struct LocateOptions {
    std::optional<std::string> gameDir; ///< --game-dir: the installation folder that holds System/
    LocateEnvironment environment;
    std::string programFolder; ///< the running program's folder; its Default/ holds the bundled copies
};

enum class InstallationSource { GameDirOption, GameDirVariable, WineRegistry, NativePort, Sandbox };

struct LocateResult {
    std::string SystemFolder;          ///< ends with a separator
    std::string InstalledSystemFolder; ///< the same folder; it survives File > New
    std::string GamePath;              ///< UT2004.exe in the System folder
    InstallationSource source = InstallationSource::Sandbox;
    /// Nothing was found: SystemFolder is a sandbox made from the bundled default copies.
    bool sandbox = false;
    /// Every place looked at, in order, one readable line each (for the one message shown when
    /// nothing was found).
    std::vector<std::string> placesLooked;
    /// Set when the sandbox could not be made or filled; the paths are still set.
    std::string sandboxError;
};

/// Finds the installation: the --game-dir option, then BREVANE_GAME_DIR (both taken as given, made
/// absolute), then the game's entry in Wine's registry (also under Wow6432Node) when its folder
/// exists, then the native port's ~/.ut2004/System. When none is there, makes the sandbox
/// $XDG_DATA_HOME/brevane/System/ (default ~/.local/share/...) and copies the bundled User.ini and
/// UT2004.ini into it, never overwriting files a sandbox already has.
LocateResult locateInstallation(const LocateOptions& options);

/// A Windows path (such as C:\UT2004) as a path under the Wine prefix, through its dosdevices drive
/// links; letter case of each folder is matched as Windows would. nullopt when the drive has no link
/// or the folder does not exist.
std::optional<std::string> winePathToLocal(const std::string& winePrefix, const std::string& windowsPath);

/// The text the program shows once when nothing was found: every place looked at and the sandbox.
std::string installationNotFoundMessage(const LocateResult& result);

} // namespace brevane
