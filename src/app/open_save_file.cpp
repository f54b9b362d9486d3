#include "app/open_save_file.h"

#include <exception>

namespace brevane {

std::string OpenFileDialog(tk::FileDialogService* files, const std::string& initialDir) {
    if (!files) return {};
    try {
        return files->openFile(kIniFileFilter, "ini", initialDir);
    } catch (const std::exception&) {
        return {};
    }
}

std::string SaveFileDialog(tk::FileDialogService* files, const std::string& initialDir) {
    if (!files) return {};
    try {
        return files->saveFile(kIniFileFilter, "ini", initialDir);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace brevane
