// The main window's menu commands.
#include "app/ini.h"

namespace brevane {

void INI::mnuFileNew_Click() {}

void INI::mnuFileOpen_Click() {}

void INI::frmFileSave_Click() {}

void INI::mnuFileExit_Click() {
    if (requestClose) requestClose();
}

void INI::mnuPlay_Click() {}

void INI::mnuStop_Click() {}

void INI::mnuPlayUT2k4_Click() {}

void INI::mnuAbout_Click() {
    if (showAbout) showAbout();
}

} // namespace brevane
