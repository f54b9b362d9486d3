// The cost of the full load and of the save against the plain work underneath them (reading and
// splitting the bytes; writing them), for the bundled default pair and for generated pairs of
// 10,000 and 100,000 lines, then the editor's start-up. Prints the ratios after the table.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>

#include "app/ini.h"
#include "documents/config_document.h"
#include "documents/read_file.h"
#include "documents/safe_save.h"

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A pair whose real sections and keys (those of the default pair) are spread through filler
// sections until each file has about `lines` lines.
std::pair<std::string, std::string> generatedPair(std::size_t lines) {
    auto spread = [lines](const std::string& real) {
        const std::vector<std::string> realLines = brevane::splitLines(real);
        const std::size_t fillerPerReal =
            lines > realLines.size() ? (lines - realLines.size()) / realLines.size() : 0;
        std::string out;
        std::size_t n = 0;
        for (const std::string& line : realLines) {
            // Filler goes in before each section so the real keys stay in their sections.
            if (!line.empty() && line.front() == '[' && fillerPerReal > 0) {
                std::size_t count = fillerPerReal * 8;
                out += "[Filler.Section" + std::to_string(n++) + "]\r\n";
                for (std::size_t i = 1; i < count && out.size() < lines * 40; ++i)
                    out += "FillerKey" + std::to_string(i) + "=Value" + std::to_string(i) + "\r\n";
            }
            out += line + "\r\n";
        }
        return out;
    };
    return {spread(slurp(BREVANE_ASSETS "/Default/User.ini")),
            spread(slurp(BREVANE_ASSETS "/Default/UT2004.ini"))};
}

struct Fixture {
    std::string folder;
    explicit Fixture(const std::string& name, const std::pair<std::string, std::string>& pair) {
        folder =
            (fs::temp_directory_path() / ("brevane-bench-" + std::to_string(getpid()) + "-" + name)).string() +
            "/";
        fs::create_directories(folder);
        std::ofstream(folder + "User.ini", std::ios::binary) << pair.first;
        std::ofstream(folder + "UT2004.ini", std::ios::binary) << pair.second;
    }
    ~Fixture() { fs::remove_all(folder); }
};

std::map<std::string, std::unique_ptr<Fixture>>& fixtures() {
    static std::map<std::string, std::unique_ptr<Fixture>> all;
    return all;
}

const std::string& folderOf(const std::string& name) {
    auto& f = fixtures()[name];
    if (!f) {
        if (name == "default")
            f = std::make_unique<Fixture>(name, std::make_pair(slurp(BREVANE_ASSETS "/Default/User.ini"),
                                                               slurp(BREVANE_ASSETS "/Default/UT2004.ini")));
        else
            f = std::make_unique<Fixture>(name, generatedPair(std::stoul(name)));
    }
    return f->folder;
}

void ReadAndSplit(benchmark::State& state, std::string name) {
    const std::string& folder = folderOf(name);
    for (auto _ : state) {
        brevane::ConfigDocument user, game;
        user.load(brevane::ReadFile(folder + "User.ini").text);
        game.load(brevane::ReadFile(folder + "UT2004.ini").text);
        benchmark::DoNotOptimize(user.lines.data());
        benchmark::DoNotOptimize(game.lines.data());
    }
}

void FullLoad(benchmark::State& state, std::string name) {
    const std::string& folder = folderOf(name);
    brevane::INI ini(tk::Services{}, folder);
    ini.state.SystemFolder = folder;
    for (auto _ : state)
        ini.Load_INI_Form();
}

void WriteBytes(benchmark::State& state, std::string name) {
    const std::string& folder = folderOf(name);
    const std::string user = brevane::ReadFile(folder + "User.ini").text;
    const std::string game = brevane::ReadFile(folder + "UT2004.ini").text;
    for (auto _ : state)
        brevane::writeFilesSafely({{folder + "User.ini", user}, {folder + "UT2004.ini", game}});
}

void Save(benchmark::State& state, std::string name) {
    const std::string& folder = folderOf(name);
    brevane::INI ini(tk::Services{}, folder);
    ini.state.SystemFolder = folder;
    ini.Load_INI_Form();
    for (auto _ : state)
        ini.saveDocuments();
}

// Keeps each benchmark's mean CPU time per iteration for the ratios: the machines this runs on are
// shared, and wall time there measures the neighbours as much as the program.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.iterations > 0) seconds[run.benchmark_name()] = run.cpu_accumulated_time / run.iterations;
        ConsoleReporter::ReportRuns(runs);
    }
};

void printStartup() {
    // The editor measures itself: main window shown, splash wait left out, offscreen.
    const std::string command = "QT_QPA_PLATFORM=offscreen " BREVANE_BIN_DIR
                                "/brevane --measure-startup --system-dir " +
                                folderOf("default") + " 2>/dev/null";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, pipe))
            std::printf("start-up: %s", line);
        pclose(pipe);
    }
}

} // namespace

int main(int argc, char** argv) {
    for (const char* name : {"default", "10000", "100000"}) {
        benchmark::RegisterBenchmark((std::string("ReadAndSplit/") + name).c_str(), ReadAndSplit, name);
        benchmark::RegisterBenchmark((std::string("FullLoad/") + name).c_str(), FullLoad, name);
        benchmark::RegisterBenchmark((std::string("WriteBytes/") + name).c_str(), WriteBytes, name);
        benchmark::RegisterBenchmark((std::string("Save/") + name).c_str(), Save, name);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.seconds;
    auto ratio = [&](const std::string& a, const std::string& b) {
        return t.count(a) && t.count(b) && t[b] > 0 ? t[a] / t[b] : 0.0;
    };
    std::printf("\nfull load / read and split, default pair: %.2fx (target at most 5x)\n",
                ratio("FullLoad/default", "ReadAndSplit/default"));
    std::printf("save / write, default pair:                %.2fx (target at most 3x)\n",
                ratio("Save/default", "WriteBytes/default"));
    for (const char* n : {"10000", "100000"}) {
        std::printf("full load / read and split, %6s lines: %.2fx\n", n,
                    ratio(std::string("FullLoad/") + n, std::string("ReadAndSplit/") + n));
        std::printf("save / write, %6s lines:               %.2fx\n", n,
                    ratio(std::string("Save/") + n, std::string("WriteBytes/") + n));
    }
    std::printf("full load, 100,000 / 10,000 lines: %.2fx (target at most 12x)\n",
                ratio("FullLoad/100000", "FullLoad/10000"));
    std::printf("save, 100,000 / 10,000 lines:      %.2fx (target at most 12x)\n",
                ratio("Save/100000", "Save/10000"));
    printStartup();
    fixtures().clear();
    return 0;
}
