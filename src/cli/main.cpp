// brevane-cli: the command line on the editor's core (no window, no Qt).
#include <filesystem>
#include <iostream>

#include "app/memory_policy.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
    brevane::keepFreedMemoryForReuse();
    std::vector<std::string> args(argv + 1, argv + argc);
    // The program's folder holds Default/ and Images/, as beside the editor.
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::string programFolder = ec ? std::string("./") : self.parent_path().string() + "/";
    return brevane::cli::runCli(args, programFolder, std::cout, std::cerr);
}
