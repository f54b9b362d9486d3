#pragma once
// Program-wide state, alive from start to exit and shared by direct access between the window's
// pages, as the program has always worked: the two documents, the path variables and the few
// remembered values that several handlers share.
#include <string>

#include "documents/config_document.h"

namespace brevane {

struct AppState {
    // The two documents of the full load.
    ConfigDocument userIni;
    ConfigDocument gameIni;
    /// False until a full load has read both files; a save refuses to write while it is false, so a
    /// failed load can never be written over the real files.
    bool documentsLoaded = false;

    // Paths; folders end with a separator.
    std::string SystemFolder;
    std::string InstalledSystemFolder;
    std::string GamePath;
    bool DefaultsLoaded = false;
    /// The folder of the running program, holding Default/, Images/ and Music/.
    std::string ProgramFolder;
    /// Set when no installation was found and a sandbox copy of the default files is edited.
    bool sandbox = false;

    /// The one remembered text of all numeric boxes.
    std::string LastGoodText;
    /// The bQuietMenu key had no value at the last load; the writer then adds the menu lines.
    bool QuietMenuMissing = false;
    /// The section of the Direct3D options, decided by each load from the render device in use:
    /// "[D3D9Drv.D3D9RenderDevice]" or "[D3DDrv.D3DRenderDevice]".
    std::string Direct3DSection = "[D3DDrv.D3DRenderDevice]";
    /// The first RenderDevice value of UT2004.ini at the last load.
    std::string LoadedRenderDevice;

    // Key capture on the bind boxes; kept for the whole run, a reload does not reset them.
    /// The key name most recently put into a bind box by a capture.
    std::string LastBoundKey;
    /// The index of that bind box.
    int LastBoundIndex = 0;
    /// The text of the bind box that most recently received the focus, given back when it loses the
    /// focus without a capture.
    std::string TextBeforeCapture;
};

} // namespace brevane
