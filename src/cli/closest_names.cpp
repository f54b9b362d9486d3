#include "cli/closest_names.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace brevane::cli {

namespace {

std::string folded(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

/// Levenshtein distance: insertions, deletions and substitutions.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::vector<std::string> closestNames(const std::string& asked, const std::vector<std::string>& known,
                                      std::size_t limit) {
    struct Candidate {
        int tier;
        std::size_t distance;
        std::size_t order;
    };
    const std::string wanted = folded(asked);
    // A few edits for short names, more for long ones: "tbx_Fov2" still finds "tbx_FOV2".
    const std::size_t maxEdits = std::max<std::size_t>(2, wanted.size() / 4);
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < known.size(); ++i) {
        const std::string name = folded(known[i]);
        const std::size_t distance = editDistance(wanted, name);
        int tier;
        if (name == wanted)
            tier = 0;
        else if (!wanted.empty() && (name.starts_with(wanted) || wanted.starts_with(name)))
            tier = 1;
        else if (distance <= maxEdits)
            tier = 2;
        else
            continue;
        candidates.push_back({tier, distance, i});
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.tier != b.tier ? a.tier < b.tier : a.distance < b.distance;
    });
    std::vector<std::string> out;
    for (const Candidate& c : candidates) {
        if (out.size() == limit) break;
        if (std::find(out.begin(), out.end(), known[c.order]) == out.end()) out.push_back(known[c.order]);
    }
    return out;
}

std::string listOfNames(const std::vector<std::string>& names, const char* lastJoin) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += i + 1 == names.size() ? lastJoin : ", ";
        out += names[i];
    }
    return out;
}

} // namespace brevane::cli
