// File > Review Changes and the command line's dry runs: what a save would write, without writing it.
#include <filesystem>

#include "app/ini.h"
#include "documents/read_file.h"
#include "documents/unified_diff.h"
#include "documents/writer.h"

namespace brevane {

INI::PendingChanges INI::pendingChanges() {
    PendingChanges result;
    if (!state.documentsLoaded) {
        result.error = "Nothing is loaded: User.ini and UT2004.ini could not be read from " + state.SystemFolder + ".";
        return result;
    }
    // The save after File > New goes into the installation, so that is what it would replace.
    result.folder = state.DefaultsLoaded ? state.InstalledSystemFolder : state.SystemFolder;

    // The collect stores into the documents' value tables; the edited copies are rendered and the
    // originals put back, so reviewing twice, or reviewing and then saving, works on the same input.
    const ConfigDocument userBefore = state.userIni;
    const ConfigDocument gameBefore = state.gameIni;
    CollectSettings();
    result.userBytes = renderUserIni(state.userIni, writerInputs());
    result.gameBytes = renderGameIni(state.gameIni);
    state.userIni = userBefore;
    state.gameIni = gameBefore;

    const struct {
        const char* name;
        const std::string& bytes;
    } files[] = {{"User.ini", result.userBytes}, {"UT2004.ini", result.gameBytes}};
    for (const auto& file : files) {
        const std::string path = result.folder + file.name;
        std::error_code ec;
        const bool missing = !std::filesystem::exists(path, ec) && !ec;
        FileText now = missing ? FileText{true, "", ""} : ReadFile(path);
        if (!now.ok) {
            result.error = path + ": " + now.error;
            return result;
        }
        // A file Save would create is compared with nothing, as diff -N shows it.
        result.diff += unifiedDiff(missing ? std::string("/dev/null") : std::string("a/") + file.name, std::string("b/") + file.name, now.text, file.bytes);
    }
    result.ok = true;
    return result;
}

} // namespace brevane
