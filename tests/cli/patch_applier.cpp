#include "cli/patch_applier.h"

#include <cstdio>
#include <vector>

namespace testing_support {

namespace {
struct Line {
    std::string text;
    bool newline = true;
};

std::vector<Line> split(const std::string& text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            lines.push_back({text.substr(start), false});
            break;
        }
        lines.push_back({text.substr(start, lf - start), true});
        start = lf + 1;
    }
    return lines;
}
} // namespace

std::optional<std::string> applyUnifiedDiff(const std::string& original, const std::string& diff) {
    if (diff.empty()) return original;
    const std::vector<Line> old = split(original);
    const std::vector<Line> patch = split(diff);
    if (patch.size() < 2 || patch[0].text.rfind("--- ", 0) != 0 || patch[1].text.rfind("+++ ", 0) != 0)
        return std::nullopt;
    std::vector<Line> result;
    std::size_t at = 0; // next line of `old` not yet copied
    std::size_t i = 2;
    while (i < patch.size()) {
        int oldStart = 0, oldCount = 1, newStart = 0, newCount = 1;
        const std::string& header = patch[i].text;
        if (std::sscanf(header.c_str(), "@@ -%d,%d +%d,%d @@", &oldStart, &oldCount, &newStart, &newCount) != 4) {
            oldCount = newCount = 1;
            if (std::sscanf(header.c_str(), "@@ -%d +%d,%d @@", &oldStart, &newStart, &newCount) != 3 &&
                std::sscanf(header.c_str(), "@@ -%d,%d +%d @@", &oldStart, &oldCount, &newStart) != 3 &&
                std::sscanf(header.c_str(), "@@ -%d +%d @@", &oldStart, &newStart) != 2)
                return std::nullopt;
        }
        std::size_t first =
            oldCount == 0 ? static_cast<std::size_t>(oldStart) : static_cast<std::size_t>(oldStart - 1);
        if (first < at || first > old.size()) return std::nullopt;
        while (at < first)
            result.push_back(old[at++]);
        int seenOld = 0, seenNew = 0;
        char previous = 0;
        for (++i; i < patch.size() && patch[i].text.rfind("@@", 0) != 0; ++i) {
            const std::string& line = patch[i].text;
            if (line.empty()) return std::nullopt;
            if (line[0] == '\\') {
                // The marker belongs to the line before it: a removed line only told about the old side.
                if (previous == ' ' || previous == '+') {
                    if (result.empty()) return std::nullopt;
                    result.back().newline = false;
                }
                continue;
            }
            previous = line[0];
            Line body{line.substr(1), true};
            if (line[0] == ' ' || line[0] == '-') {
                if (at >= old.size() || old[at].text != body.text) return std::nullopt;
                ++at;
                ++seenOld;
            }
            if (line[0] == ' ' || line[0] == '+') {
                // A kept line keeps its own ending unless a marker follows.
                result.push_back(body);
                ++seenNew;
            }
            if (line[0] != ' ' && line[0] != '-' && line[0] != '+') return std::nullopt;
        }
        if (seenOld != oldCount || seenNew != newCount) return std::nullopt;
    }
    while (at < old.size())
        result.push_back(old[at++]);
    std::string text;
    for (const Line& line : result)
        text += line.text + (line.newline ? "\n" : "");
    return text;
}

} // namespace testing_support
