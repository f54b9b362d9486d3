#pragma once
// Module Open_Save_File: the platform's Open and Save As dialogs as the program uses them, always
// for INI files and never failing outwards.
#include <string>

#include "toolkit/services.h"

namespace brevane {

/// The one filter the program's dialogs show.
inline constexpr const char* kIniFileFilter = "INI files (*.ini)|*.ini|All files (*.*)|*.*";

/// The Open dialog starting in `initialDir`: the chosen full path, or "" on cancel, on any failure,
/// or when there is no dialog service.
std::string OpenFileDialog(tk::FileDialogService* files, const std::string& initialDir);
/// The Save As dialog, in the same way. It does not ask before replacing a file.
std::string SaveFileDialog(tk::FileDialogService* files, const std::string& initialDir);

} // namespace brevane
