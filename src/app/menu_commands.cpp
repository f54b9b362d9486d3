// The main window's menu commands.
#include "app/ini.h"

namespace brevane {

void INI::mnuFileNew_Click() {}

void INI::mnuFileOpen_Click() {}

void INI::frmFileSave_Click() {}

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
    if (answer == tk::MessageAnswer::Yes) frmFileSave_Click();
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
