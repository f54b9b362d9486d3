// The cost of the full load and of the save against the plain work underneath them (reading and
// splitting the bytes; writing them), for the bundled default pair and for generated pairs of
// 10,000 and 100,000 lines, then the editor's start-up. Prints the ratios after the table.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/ini.h"
#include "app/memory_policy.h"
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

// One file of about `lines` lines: every line of `real` (a default copy) in its order, with filler
// sections put in before its section headers so that the filler is spread evenly through the file
// (the filler before a real line is proportional to the real lines before it) and the real keys stay
// in their own sections. What filler is left after the last real line closes the file.
std::string spreadThroughFiller(const std::string& real, std::size_t lines) {
    const std::vector<std::string> realLines = brevane::splitLines(real);
    const std::size_t total = realLines.size();
    const std::size_t filler = lines > total ? lines - total : 0;
    constexpr std::size_t fillerSectionLines = 25; // a header and 24 keys, like a mid-sized real section
    std::string out;
    std::size_t written = 0;
    std::size_t sectionNumber = 0;
    auto addFiller = [&](std::size_t upTo) {
        while (written < upTo) {
            const std::size_t section = std::min(fillerSectionLines, upTo - written);
            out += "[Filler.Section" + std::to_string(sectionNumber++) + "]\r\n";
            for (std::size_t i = 1; i < section; ++i)
                out += "FillerKey" + std::to_string(i) + "=Value" + std::to_string(written + i) + "\r\n";
            written += section;
        }
    };
    for (std::size_t r = 0; r < total; ++r) {
        const std::string& line = realLines[r];
        if (!line.empty() && line.front() == '[') addFiller(filler * r / total);
        out += line;
        if (r + 1 < total) out += "\r\n";
    }
    // The rest closes the file; a file that ended in CR LF still does.
    if (written < filler) {
        if (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0) out += "\r\n";
        addFiller(filler);
    }
    return out;
}

std::pair<std::string, std::string> generatedPair(std::size_t lines) {
    return {spreadThroughFiller(slurp(BREVANE_ASSETS "/Default/User.ini"), lines),
            spreadThroughFiller(slurp(BREVANE_ASSETS "/Default/UT2004.ini"), lines)};
}

struct Fixture {
    std::string folder;
    std::size_t userLines, gameLines; // as generated (the saves may close a file with one more blank line)
    explicit Fixture(const std::string& name, const std::pair<std::string, std::string>& pair)
        : userLines(brevane::splitLines(pair.first).size()), gameLines(brevane::splitLines(pair.second).size()) {
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

const Fixture& fixtureOf(const std::string& name) {
    auto& f = fixtures()[name];
    if (!f) {
        if (name == "default")
            f = std::make_unique<Fixture>(name, std::make_pair(slurp(BREVANE_ASSETS "/Default/User.ini"),
                                                               slurp(BREVANE_ASSETS "/Default/UT2004.ini")));
        else
            f = std::make_unique<Fixture>(name, generatedPair(std::stoul(name)));
    }
    return *f;
}

const std::string& folderOf(const std::string& name) {
    return fixtureOf(name).folder;
}

// The baseline of the full load: only reading both files and cutting them into lines. The line lists
// live across iterations as the editor's documents do, so that both sides reuse their memory alike.
void ReadAndSplit(benchmark::State& state, std::string name) {
    const std::string& folder = folderOf(name);
    std::vector<std::string> user, game;
    for (auto _ : state) {
        user = brevane::splitLines(brevane::ReadFile(folder + "User.ini").text);
        game = brevane::splitLines(brevane::ReadFile(folder + "UT2004.ini").text);
        benchmark::DoNotOptimize(user.data());
        benchmark::DoNotOptimize(game.data());
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
    const std::vector<brevane::FileToWrite> files = {{folder + "User.ini", brevane::ReadFile(folder + "User.ini").text},
                                                     {folder + "UT2004.ini", brevane::ReadFile(folder + "UT2004.ini").text}};
    for (auto _ : state)
        brevane::writeFilesSafely(files);
}

void Save(benchmark::State& state, std::string name) {
    const std::string& folder = folderOf(name);
    brevane::INI ini(tk::Services{}, folder);
    ini.state.SystemFolder = folder;
    ini.Load_INI_Form();
    for (auto _ : state)
        ini.saveDocuments();
}

// Each benchmark runs three times and only the fastest is shown and used: the machines this runs on
// are shared, and a neighbour's build slows a run down far more than anything in the program varies.
// CPU time, not wall time, for the same reason.
constexpr int kRepetitions = 3;

double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a saved run reads as plain text.
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
    std::map<std::string, double> seconds; // CPU seconds per iteration, by benchmark name

    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> shown;
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "fastest" || run.iterations <= 0)
                continue;
            seconds[run.run_name.function_name] = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            shown.push_back(run);
        }
        ConsoleReporter::ReportRuns(shown);
    }
};

struct StartupSample {
    long long milliseconds = -1;
    long peakRssKb = -1;
};

// The editor measures itself (main window shown, splash wait left out, offscreen) and prints
// "startup_ms=... peak_rss_kb=...".
StartupSample measureStartup(const std::string& folder) {
    const std::string command = "QT_QPA_PLATFORM=offscreen " BREVANE_BIN_DIR
                                "/brevane --measure-startup --system-dir " +
                                folder + " 2>/dev/null";
    StartupSample sample;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, pipe))
            std::sscanf(line, "startup_ms=%lld peak_rss_kb=%ld", &sample.milliseconds, &sample.peakRssKb);
        pclose(pipe);
    }
    return sample;
}

template <typename T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void printStartup(const std::string& label, const std::string& folder, int runs) {
    std::vector<long long> times;
    std::vector<long> peaks;
    for (int i = 0; i < runs; ++i) {
        const StartupSample s = measureStartup(folder);
        if (s.milliseconds < 0) continue;
        times.push_back(s.milliseconds);
        peaks.push_back(s.peakRssKb);
    }
    if (times.empty()) {
        std::printf("start-up, %s: not measured (brevane --measure-startup printed nothing)\n", label.c_str());
        return;
    }
    std::printf("start-up to main window, %s: median %lld ms of %zu runs (min %lld, max %lld); "
                "peak RSS median %.1f MB (max %.1f MB)\n",
                label.c_str(), median(times), times.size(), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), median(peaks) / 1024.0,
                *std::max_element(peaks.begin(), peaks.end()) / 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    brevane::keepFreedMemoryForReuse(); // as the editor does at start
    for (const char* name : {"default", "10000", "100000"}) {
        const std::pair<const char*, void (*)(benchmark::State&, std::string)> kinds[] = {
            {"ReadAndSplit/", ReadAndSplit}, {"FullLoad/", FullLoad}, {"WriteBytes/", WriteBytes}, {"Save/", Save}};
        for (const auto& [kind, function] : kinds)
            benchmark::RegisterBenchmark((std::string(kind) + name).c_str(), function, name)
                ->Repetitions(kRepetitions)
                ->ComputeStatistics("fastest", fastest)
                ->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.seconds;
    std::printf("\n");
    for (const char* n : {"10000", "100000"})
        std::printf("generated pair %-6s: User.ini %zu lines, UT2004.ini %zu lines\n", n, fixtureOf(n).userLines,
                    fixtureOf(n).gameLines);
    std::printf("\n");
    auto check = [&](const std::string& what, const std::string& a, const std::string& b, double atMost) {
        if (!t.count(a) || !t.count(b) || t[b] <= 0) {
            std::printf("%-44s   not measured\n", what.c_str());
            return;
        }
        const double r = t[a] / t[b];
        std::printf("%-44s %6.2fx (at most %2.0fx) %s\n", what.c_str(), r, atMost,
                    r <= atMost ? "target met" : "MISSED");
    };
    for (const char* n : {"default", "10000", "100000"}) {
        const std::string size = std::string(n) == "default" ? "default pair" : std::string(n) + " lines";
        check("full load / read and split, " + size, std::string("FullLoad/") + n,
              std::string("ReadAndSplit/") + n, 5);
        check("save / write, " + size, std::string("Save/") + n, std::string("WriteBytes/") + n, 3);
    }
    check("full load, 100000 / 10000 lines", "FullLoad/100000", "FullLoad/10000", 12);
    check("save, 100000 / 10000 lines", "Save/100000", "Save/10000", 12);
    std::printf("\n");
    printStartup("default pair", folderOf("default"), 5);
    printStartup("100000-line pair", folderOf("100000"), 3);
    fixtures().clear();
    return 0;
}
