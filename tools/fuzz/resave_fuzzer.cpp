// libFuzzer entry: one input is a pair of files (see resave_invariants.h); any broken invariant
// aborts with its description so libFuzzer keeps the input as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "fuzz/resave_invariants.h"

namespace {
// A folder of its own per process, removed at exit; in memory when the machine has /dev/shm, as
// every input is written there twice.
struct ScratchFolder {
    std::filesystem::path dir;
    ScratchFolder() {
        const std::filesystem::path base =
            std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        dir = base / ("brevane-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::string text() const { return dir.string() + "/"; }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFolder scratch;
    static const std::string folder = scratch.text();
    const auto pair = resave_check::splitPair({reinterpret_cast<const char*>(data), size});
    const std::string broken = resave_check::checkResaveInvariants(pair, folder);
    if (!broken.empty()) {
        std::fprintf(stderr, "resave invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
