#pragma once
#include "toolkit/services.h"

namespace brevane::qt {

/// Starts the game as a separate process with QProcess::startDetached: no shell, no arguments, the
/// path handed over as one argument whatever blanks, quotes or semicolons it holds, and the editor's
/// current folder as the game's. Outside Windows a ".exe" is started through `wine` from the PATH.
class QtProcessLauncher : public tk::ProcessLauncher {
public:
    std::string start(const std::string &program) override;
};

} // namespace brevane::qt
