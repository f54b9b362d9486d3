#include "documents/unified_diff.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace brevane {

namespace {

struct Line {
    std::string_view text; ///< without its LF
    bool newline;          ///< the line ended with LF
    bool operator==(const Line&) const = default;
};

std::vector<Line> splitAtLf(const std::string& text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            lines.push_back({std::string_view(text).substr(start), false});
            break;
        }
        lines.push_back({std::string_view(text).substr(start, lf - start), true});
        start = lf + 1;
    }
    return lines;
}

enum class Op { Keep, Remove, Add };

/// Myers' shortest edit script between a[0..n) and b[0..m). Past `maxEdits` the middle is given as
/// one removal and one addition: still a correct diff, and memory stays bounded for files that
/// share nothing.
std::vector<Op> editScript(const std::vector<Line>& a, const std::vector<Line>& b) {
    const int n = static_cast<int>(a.size()), m = static_cast<int>(b.size());
    const int maxEdits = std::min(n + m, 2000);
    const int offset = maxEdits + 1;
    std::vector<int> v(2 * offset + 1, 0);
    std::vector<std::vector<int>> trace;
    int found = -1;
    for (int d = 0; d <= maxEdits && found < 0; ++d) {
        // Only the diagonals this round can reach from are kept: memory grows with the square of the
        // number of edits, not with the file length.
        trace.emplace_back(v.begin() + offset - d, v.begin() + offset + d + 1);
        for (int k = -d; k <= d; k += 2) {
            int x = (k == -d || (k != d && v[offset + k - 1] < v[offset + k + 1])) ? v[offset + k + 1]
                                                                                   : v[offset + k - 1] + 1;
            int y = x - k;
            while (x < n && y < m && a[x] == b[y])
                ++x, ++y;
            v[offset + k] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
    }
    std::vector<Op> ops;
    if (found < 0) {
        ops.assign(n, Op::Remove);
        ops.insert(ops.end(), m, Op::Add);
        return ops;
    }
    // Walk back through the saved frontiers.
    int x = n, y = m;
    for (int d = found; d > 0; --d) {
        const std::vector<int>& prev = trace[d];
        auto at = [&](int k) { return prev[k + d]; };
        int k = x - y;
        bool down = (k == -d || (k != d && at(k - 1) < at(k + 1)));
        int prevK = down ? k + 1 : k - 1;
        int prevX = at(prevK);
        int prevY = prevX - prevK;
        while (x > prevX && y > prevY)
            ops.push_back(Op::Keep), --x, --y;
        ops.push_back(down ? Op::Add : Op::Remove);
        x = prevX;
        y = prevY;
    }
    while (x > 0 && y > 0)
        ops.push_back(Op::Keep), --x, --y;
    std::reverse(ops.begin(), ops.end());
    return ops;
}

void appendLine(std::string& out, char mark, const Line& line) {
    out += mark;
    out += line.text;
    out += '\n';
    if (!line.newline) out += "\\ No newline at end of file\n";
}

std::string range(int start, int count) {
    // diff -u numbers from 1 and names the line before an empty range.
    std::string text = std::to_string(count == 0 ? start : start + 1);
    if (count != 1) text += "," + std::to_string(count);
    return text;
}

} // namespace

std::string unifiedDiff(const std::string& oldName, const std::string& newName, const std::string& oldText,
                        const std::string& newText, int context) {
    if (oldText == newText) return {};
    const std::vector<Line> a = splitAtLf(oldText), b = splitAtLf(newText);
    const std::vector<Op> ops = editScript(a, b);

    // Positions in a and b before each op, so hunks can be cut anywhere.
    std::vector<int> atA(ops.size() + 1), atB(ops.size() + 1);
    for (std::size_t i = 0; i < ops.size(); ++i) {
        atA[i + 1] = atA[i] + (ops[i] != Op::Add);
        atB[i + 1] = atB[i] + (ops[i] != Op::Remove);
    }
    std::string out = "--- " + oldName + "\n+++ " + newName + "\n";
    const int total = static_cast<int>(ops.size());
    int i = 0;
    while (i < total) {
        if (ops[i] == Op::Keep) {
            ++i;
            continue;
        }
        // A hunk: from `context` lines before this change to `context` lines after the last change
        // that lies within 2 * context unchanged lines of the one before.
        int begin = std::max(0, i - context);
        int end = i;
        int keptRun = 0;
        for (int j = i; j < total; ++j) {
            if (ops[j] == Op::Keep) {
                if (++keptRun > 2 * context) break;
            } else {
                keptRun = 0;
                end = j + 1;
            }
        }
        end = std::min(total, end + context);
        out += "@@ -" + range(atA[begin], atA[end] - atA[begin]) + " +" +
               range(atB[begin], atB[end] - atB[begin]) + " @@\n";
        for (int j = begin; j < end; ++j) {
            switch (ops[j]) {
            case Op::Keep:
                appendLine(out, ' ', a[atA[j]]);
                break;
            case Op::Remove:
                appendLine(out, '-', a[atA[j]]);
                break;
            case Op::Add:
                appendLine(out, '+', b[atB[j]]);
                break;
            }
        }
        i = end;
    }
    return out;
}

} // namespace brevane
