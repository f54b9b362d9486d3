#include "documents/config_document.h"

namespace brevane {

namespace {
bool isHeaderLine(std::string_view line) {
    return !line.empty() && FindFirst(line, "]") == line.size();
}

std::string valueAt(const ConfigDocument& doc, std::optional<std::size_t> line) {
    return line && *line < doc.values.size() ? doc.values[*line] : std::string();
}
} // namespace

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    // Counting the breaks first costs one quick pass and spares moving every line as the list grows.
    std::size_t breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2))
        ++breaks;
    lines.reserve(breaks + 1);
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
    std::vector<std::string> keys(count);
    std::vector<std::size_t> hashes(count, hashIgnoreCase(""));
    doc.values.assign(count, std::string());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& line = doc.lines[i];
        if (line.empty()) continue;
        if (isHeaderLine(line)) {
            doc.kinds[i] = LineKind::Header;
            keys[i] = line;
        } else if (std::size_t eq = line.find('='); eq != std::string::npos) {
            doc.kinds[i] = LineKind::KeyValue;
            keys[i] = line.substr(0, eq);
            doc.values[i] = line.substr(eq + 1);
        } else {
            // A comment without "=", or a header followed by a remark: the key holds the whole line so
            // lookups and the writer can see it, and the writer gives it back untouched.
            doc.kinds[i] = LineKind::Verbatim;
            keys[i] = line;
        }
        hashes[i] = hashIgnoreCase(keys[i]); // while the key is still in the cache
    }
    doc.keys.assign(std::move(keys), hashes);
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

// The lookups give the first match in file order, as a plain scan of the key table would; the key
// column's index only spares them the scan.

std::string GetVal(const ConfigDocument& doc, std::string_view key) {
    return valueAt(doc, doc.keys.firstIgnoringCase(key));
}

std::string GetVal2(const ConfigDocument& doc, std::string_view key, std::string_view header) {
    // Only the first matching header matters: a search from any later one covers a subset of the lines.
    const std::optional<std::size_t> headerLine = doc.keys.firstIgnoringCase(header);
    if (!headerLine) return {};
    return valueAt(doc, doc.keys.firstIgnoringCase(key, *headerLine));
}

std::optional<std::size_t> findKey(const ConfigDocument& doc, std::string_view key) {
    return doc.keys.firstExactly(key);
}

std::optional<std::size_t> findKeyInSection(const ConfigDocument& doc, std::string_view key,
                                            std::string_view header) {
    const std::optional<std::size_t> headerLine = doc.keys.firstExactly(header);
    if (!headerLine) return std::nullopt;
    return doc.keys.firstExactly(key, *headerLine);
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
