#pragma once
// The platform services of the window, implemented with Qt.
#include "toolkit/services.h"

class QWidget;

namespace brevane::qt {

class QtMessageBoxes : public tk::MessageBoxService {
public:
    tk::MessageAnswer show(const std::string& text, tk::MessageButtons buttons, tk::MessageIcon icon) override;
};

class QtFileDialogs : public tk::FileDialogService {
public:
    std::string openFile(const std::string& filter, const std::string& defaultExt,
                         const std::string& initialDir) override;
    std::string saveFile(const std::string& filter, const std::string& defaultExt,
                         const std::string& initialDir) override;
};

class QtShell : public tk::ShellService {
public:
    void openUrl(const std::string& url) override;
};

} // namespace brevane::qt
