#include "documents/installation.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "documents/config_document.h"
#include "documents/registry.h"

namespace fs = std::filesystem;

namespace brevane {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::optional<std::string> nonEmpty(const std::optional<std::string>& text) {
    if (text && !text->empty()) return text;
    return std::nullopt;
}

std::optional<std::string> fromEnv(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

std::string withSeparator(std::string path) {
    if (path.empty() || (path.back() != '/' && path.back() != kSeparator)) path += kSeparator;
    return path;
}

// The child of `parent` called `name`, matching letter case as Windows does when the exact name is
// not there (an installation copied from Windows may say "system" or "SYSTEM").
std::optional<fs::path> childIgnoringCase(const fs::path& parent, const std::string& name) {
    std::error_code ec;
    if (fs::exists(parent / name, ec)) return parent / name;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec))
        if (equalsIgnoreCase(it->path().filename().string(), name)) return it->path();
    return std::nullopt;
}

// The System folder of an installation folder: its own "System" child in whatever letter case it
// has, or "System" when there is none yet.
std::string systemFolderOf(const std::string& installationFolder) {
    std::string base = withSeparator(installationFolder);
    std::optional<fs::path> existing = childIgnoringCase(base, "System");
    std::string name = existing ? existing->filename().string() : "System";
    return withSeparator(base + name);
}

// A folder given on the command line is kept as an absolute path: it is shown to the user and every
// later save must land in the same place.
std::string absolute(const std::string& path) {
    std::error_code ec;
    fs::path full = fs::absolute(path, ec);
    return ec ? path : full.string();
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// "SOFTWARE\Wow6432Node\..." for a key under SOFTWARE: where a 64-bit registry keeps a 32-bit
// program's entries.
std::string wow6432Form(const std::string& key) {
    std::size_t cut = key.find('\\');
    if (cut == std::string::npos) return key;
    return key.substr(0, cut + 1) + "Wow6432Node\\" + key.substr(cut + 1);
}

LocateResult found(LocateResult result, const std::string& systemFolder, InstallationSource source) {
    result.SystemFolder = systemFolder;
    result.InstalledSystemFolder = systemFolder;
    result.GamePath = systemFolder + "UT2004.exe";
    result.source = source;
    return result;
}

#ifndef _WIN32
std::optional<std::string> winePrefixOf(const LocateEnvironment& env) {
    if (auto prefix = nonEmpty(env.winePrefix)) return prefix;
    if (auto home = nonEmpty(env.home)) return withSeparator(*home) + ".wine";
    return std::nullopt;
}

// The game's entry in the Wine registry, when the folder it names exists.
std::optional<std::string> fromWineRegistry(const std::string& prefix, std::vector<std::string>& places) {
    places.push_back("Wine registry " + withSeparator(prefix) + "system.reg, HKEY_LOCAL_MACHINE\\" +
                     kGameRegistryKey + " (also under Wow6432Node), value \"" + kGameRegistryValue + "\"");
    for (const std::string& key : {std::string(kGameRegistryKey), wow6432Form(kGameRegistryKey)}) {
        std::string folder =
            registryText(ReadWineRegistryValue(prefix, RegistryRoot::LocalMachine, key, kGameRegistryValue));
        if (folder.empty()) continue;
        std::optional<std::string> local = winePathToLocal(prefix, folder);
        if (local) {
            std::string system = systemFolderOf(*local);
            if (isFolder(system)) return system;
            places.push_back(system + " (registered as " + folder + ", no System folder)");
        } else {
            places.push_back(folder + " (registered, but not found under " + withSeparator(prefix) +
                             "dosdevices)");
        }
    }
    return std::nullopt;
}
#endif

std::optional<std::string> sandboxDataHome(const LocateEnvironment& env) {
    // Relative values of XDG_DATA_HOME are to be ignored, like an unset one.
    if (auto xdg = nonEmpty(env.xdgDataHome); xdg && fs::path(*xdg).is_absolute()) return *xdg;
    if (auto home = nonEmpty(env.home)) return withSeparator(*home) + ".local" + kSeparator + "share";
    return std::nullopt;
}

void makeSandbox(LocateResult& result, const LocateOptions& options) {
    std::optional<std::string> dataHome = sandboxDataHome(options.environment);
    if (!dataHome) {
        result.sandboxError = "Neither XDG_DATA_HOME nor HOME is set.";
        return;
    }
    std::string system = withSeparator(withSeparator(withSeparator(*dataHome) + "brevane") + "System");
    result = found(std::move(result), system, InstallationSource::Sandbox);
    result.sandbox = true;

    std::error_code ec;
    fs::create_directories(system, ec);
    if (ec) {
        result.sandboxError = system + ": " + ec.message();
        return;
    }
    const std::string defaults = withSeparator(withSeparator(options.programFolder) + "Default");
    for (const char* name : {"User.ini", "UT2004.ini"}) {
        // The user's earlier edits in the sandbox stay.
        if (fs::exists(system + name, ec)) continue;
        fs::copy_file(defaults + name, system + name, fs::copy_options::skip_existing, ec);
        if (ec && result.sandboxError.empty()) result.sandboxError = defaults + name + ": " + ec.message();
    }
}

} // namespace

LocateEnvironment LocateEnvironment::fromProcess() {
    return LocateEnvironment{fromEnv("BREVANE_GAME_DIR"), fromEnv("WINEPREFIX"), fromEnv("HOME"),
                             fromEnv("XDG_DATA_HOME")};
}

std::optional<std::string> winePathToLocal(const std::string& winePrefix, const std::string& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(windowsPath[0])))
        return std::nullopt;
    const char drive[] = {static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0]))), ':', '\0'};
    std::error_code ec;
    fs::path base = fs::canonical(fs::path(winePrefix) / "dosdevices" / drive, ec);
    if (ec) return std::nullopt;

    std::size_t start = 2;
    while (start <= windowsPath.size()) {
        std::size_t end = windowsPath.find_first_of("\\/", start);
        if (end == std::string::npos) end = windowsPath.size();
        std::string part = windowsPath.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        std::optional<fs::path> child = childIgnoringCase(base, part);
        if (!child) return std::nullopt;
        base = *child;
    }
    return base.string();
}

LocateResult locateInstallation(const LocateOptions& options) {
    LocateResult result;
    const LocateEnvironment& env = options.environment;
    if (auto dir = nonEmpty(options.gameDir))
        return found(std::move(result), systemFolderOf(absolute(*dir)), InstallationSource::GameDirOption);
    if (auto dir = nonEmpty(env.brevaneGameDir))
        return found(std::move(result), systemFolderOf(absolute(*dir)), InstallationSource::GameDirVariable);

#ifdef _WIN32
    result.placesLooked.push_back(std::string("Registry HKEY_LOCAL_MACHINE\\") + kGameRegistryKey + ", value \"" +
                                  kGameRegistryValue + "\"");
    for (const std::string& key : {std::string(kGameRegistryKey), wow6432Form(kGameRegistryKey)}) {
        std::string folder = registryText(ReadRegistryValue(RegistryRoot::LocalMachine, key, kGameRegistryValue));
        if (!folder.empty() && isFolder(systemFolderOf(folder)))
            return found(std::move(result), systemFolderOf(folder), InstallationSource::WineRegistry);
    }
#else
    if (auto prefix = winePrefixOf(env)) {
        if (auto system = fromWineRegistry(*prefix, result.placesLooked))
            return found(std::move(result), *system, InstallationSource::WineRegistry);
    }
    if (auto home = nonEmpty(env.home)) {
        std::string native = withSeparator(withSeparator(withSeparator(*home) + ".ut2004") + "System");
        result.placesLooked.push_back("Native port folder " + native);
        if (isFolder(native)) return found(std::move(result), native, InstallationSource::NativePort);
    }
#endif

    makeSandbox(result, options);
    return result;
}

std::string installationNotFoundMessage(const LocateResult& result) {
    std::string text = "Brevane could not find Unreal Tournament 2004. It looked at:\n";
    for (const std::string& place : result.placesLooked)
        text += "  " + place + "\n";
    text += "\nStart Brevane with --game-dir DIR, or set BREVANE_GAME_DIR, to name the game's folder "
            "(the one that holds System).\n";
    if (result.sandboxError.empty())
        text += "\nBrevane now edits copies of the default settings in " + result.SystemFolder;
    else
        text += "\nBrevane could not prepare copies of the default settings: " + result.sandboxError;
    return text;
}

} // namespace brevane
