#include "documents/config_document.h"

namespace brevane {

namespace {
char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isHeaderLine(std::string_view line) {
    return !line.empty() && FindFirst(line, "]") == line.size();
}
} // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t brk = text.find("\r\n", start);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            return lines;
        }
        lines.emplace_back(text.substr(start, brk - start));
        start = brk + 2;
    }
}

void classifyLines(ConfigDocument& doc) {
    const std::size_t count = doc.lines.size();
    doc.kinds.assign(count, LineKind::Empty);
    doc.keys.assign(count, std::string());
    doc.values.assign(count, std::string());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& line = doc.lines[i];
        if (line.empty()) continue;
        if (isHeaderLine(line)) {
            doc.kinds[i] = LineKind::Header;
            doc.keys[i] = line;
        } else if (std::size_t eq = line.find('='); eq != std::string::npos) {
            doc.kinds[i] = LineKind::KeyValue;
            doc.keys[i] = line.substr(0, eq);
            doc.values[i] = line.substr(eq + 1);
        } else {
            // A comment without "=", or a header followed by a remark: the key holds the whole line so
            // lookups and the writer can see it, and the writer gives it back untouched.
            doc.kinds[i] = LineKind::Verbatim;
            doc.keys[i] = line;
        }
    }
}

void ConfigDocument::load(std::string_view text) {
    lines = splitLines(text);
    classifyLines(*this);
}

void ConfigDocument::clear() {
    lines.clear();
    kinds.clear();
    keys.clear();
    values.clear();
}

std::string GetVal(const ConfigDocument& doc, std::string_view key) {
    for (std::size_t i = 0; i < doc.keys.size(); ++i)
        if (equalsIgnoreCase(doc.keys[i], key)) return doc.values[i];
    return {};
}

std::string GetVal2(const ConfigDocument& doc, std::string_view key, std::string_view header) {
    // Only the first matching header matters: a search from any later one covers a subset of the lines.
    for (std::size_t i = 0; i < doc.keys.size(); ++i) {
        if (!equalsIgnoreCase(doc.keys[i], header)) continue;
        for (std::size_t j = i; j < doc.keys.size(); ++j)
            if (equalsIgnoreCase(doc.keys[j], key)) return doc.values[j];
        return {};
    }
    return {};
}

std::optional<std::size_t> findKey(const ConfigDocument& doc, std::string_view key) {
    for (std::size_t i = 0; i < doc.keys.size(); ++i)
        if (doc.keys[i] == key) return i;
    return std::nullopt;
}

std::optional<std::size_t> findKeyInSection(const ConfigDocument& doc, std::string_view key,
                                            std::string_view header) {
    for (std::size_t i = 0; i < doc.keys.size(); ++i) {
        if (doc.keys[i] != header) continue;
        for (std::size_t j = i; j < doc.keys.size(); ++j)
            if (doc.keys[j] == key) return j;
        return std::nullopt;
    }
    return std::nullopt;
}

bool storeValue(ConfigDocument& doc, std::optional<std::size_t> index, std::string_view value) {
    if (!index || *index >= doc.values.size()) return false;
    doc.values[*index] = value;
    return true;
}

std::size_t FindFirst(std::string_view text, std::string_view find) {
    if (text.empty()) return 0;
    std::size_t pos = text.find(find);
    return pos == std::string_view::npos ? 0 : pos + 1;
}

std::size_t CountOccurrences(std::string_view text, std::string_view find, bool caseSensitive) {
    if (text.empty() || find.empty() || find.size() > text.size()) return 0;
    std::size_t count = 0;
    for (std::size_t s = 0; s + find.size() <= text.size(); ++s) {
        std::string_view piece = text.substr(s, find.size());
        if (caseSensitive ? piece == find : equalsIgnoreCase(piece, find)) ++count;
    }
    return count;
}

} // namespace brevane
