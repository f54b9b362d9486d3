// The main window's menu commands.
#include "app/ini.h"
#include "app/open_save_file.h"

namespace brevane {

namespace {
/// Where the first occurrence of `name` starts in `path`, ignoring ASCII letter case.
std::optional<std::size_t> findIgnoreCase(const std::string& path, std::string_view name) {
    for (std::size_t s = 0; s + name.size() <= path.size(); ++s)
        if (equalsIgnoreCase(std::string_view(path).substr(s, name.size()), name)) return s;
    return std::nullopt;
}
} // namespace

void INI::mnuFileNew_Click() {
    state.SystemFolder = state.ProgramFolder + "Default/";
    state.DefaultsLoaded = true;
    Load_INI_Form();
}

void INI::mnuFileOpen_Click() {
    const std::string chosen = OpenFileDialog(services.files, state.SystemFolder);
    // Only the folder of the chosen file counts: both files are loaded from it, whichever was picked.
    // The cut at "UT2004.ini" comes second, so it wins when the path holds both names.
    std::optional<std::string> folder;
    if (auto at = findIgnoreCase(chosen, "User.ini")) folder = chosen.substr(0, *at);
    if (auto at = findIgnoreCase(chosen, "UT2004.ini")) folder = chosen.substr(0, *at);
    // DefaultsLoaded stays as it is: after File > New the next save still goes into the installation,
    // whichever folder was opened since.
    if (folder) state.SystemFolder = *folder;
    // A cancel or another file name reloads from the folder used before; unsaved edits are dropped.
    Load_INI_Form();
}

void INI::frmFileSave_Click() {
    saveDocuments();
}

void INI::mnuFileReview_Click() {
    const PendingChanges pending = pendingChanges();
    if (!pending.ok) {
        message("Brevane cannot tell what a save would change:\r\n\r\n    " + pending.error, tk::MessageButtons::Ok,
                tk::MessageIcon::Warning);
        return;
    }
    if (showReview) showReview(pending);
}

void INI::mnuFileExit_Click() {
    if (requestClose) requestClose();
}

void INI::mnuPlay_Click() {
    mmcMP3.setCommand("Play");
}

void INI::mnuStop_Click() {
    mmcMP3.setCommand("Stop");
}

void INI::mnuPlayUT2k4_Click() {
    const tk::MessageAnswer answer = message("Closing Brevane....\r\n\r\nDo You Want To Save?",
                                             tk::MessageButtons::YesNo, tk::MessageIcon::Question);
    // A save that failed has said why; closing now would throw away the edits the user just asked
    // to keep, so the window stays and the game is not started.
    if (answer == tk::MessageAnswer::Yes && !saveDocuments()) return;
    // Both answers start the game; the window goes first, so the music stops before it starts.
    if (requestClose) requestClose();
    if (!services.launcher) return;
    const std::string reason = services.launcher->start(state.GamePath);
    if (!reason.empty())
        message("Brevane could not start the game\r\n\r\n    " + state.GamePath + "\r\n\r\n" + reason,
                tk::MessageButtons::Ok, tk::MessageIcon::Warning);
}

void INI::mnuAbout_Click() {
    if (aboutOpen) return;
    aboutOpen = true;
    if (showAbout) showAbout();
}

} // namespace brevane
