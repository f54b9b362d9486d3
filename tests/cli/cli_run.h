#pragma once
// Runs brevane-cli's commands in the test process, catching what they print.
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

struct CliRun {
    int code;
    std::string out, err;
};

/// runCli with the build's bin folder as the program's folder (Default/ stands there).
inline CliRun cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = brevane::cli::runCli(args, BREVANE_BIN_DIR "/", out, err);
    return {code, out.str(), err.str()};
}
