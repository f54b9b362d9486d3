#pragma once
// One loaded INI file: its lines in file order and, beside them, a key and a value per line.
// Text is Windows-1252 bytes; nothing is trimmed or unquoted.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/ignore_case.h"
#include "documents/key_column.h"

namespace brevane {

/// How a line was classified at load; the writer needs to know a verbatim line from a key=value one.
enum class LineKind {
    Empty,    ///< empty line: key "" and value ""
    Header,   ///< its first "]" is its last character: key = whole line, value ""
    KeyValue, ///< split at the first "=": key before it (may be empty), value after it
    Verbatim  ///< none of these (no "=", not a header, not empty): key = whole line, value "",
              ///< written back exactly as it was unless a setting was stored into it
};

struct ConfigDocument {
    std::vector<std::string> lines;
    std::vector<LineKind> kinds;
    KeyColumn keys;                  ///< keys[i] belongs to lines[i]; as many as there are lines (change
                                     ///< one with keys.set, which keeps the lookups' index true)
    std::vector<std::string> values; ///< values[i] belongs to lines[i]; the save step stores here

    /// Replaces everything with the lines of `text` (split at CR LF only) and classifies them.
    void load(std::string_view text);
    void clear();
    std::size_t lineCount() const { return lines.size(); }
};

/// Cuts `text` at every CR LF. The empty text gives no lines; a text ending in CR LF ends with an
/// empty line; a lone CR or LF stays inside its line.
std::vector<std::string> splitLines(std::string_view text);

/// Classifies every line of `doc` and fills its kinds, keys and values (GetUserINI / GetUT2004INI).
void classifyLines(ConfigDocument& doc);

/// Value of the first line whose key equals `key` ignoring ASCII letter case; "" when none.
std::string GetVal(const ConfigDocument& doc, std::string_view key);
/// As GetVal, but the search starts at the first header line equal to `header` (ignoring case), the
/// header line included, and runs to the end of the document (it does not stop at the next section).
std::string GetVal2(const ConfigDocument& doc, std::string_view key, std::string_view header);

/// Index of the first line whose key equals `key` exactly; nullopt when none ("not found" is never
/// confused with line 0).
std::optional<std::size_t> findKey(const ConfigDocument& doc, std::string_view key);
/// As findKey, searching from the first header line equal to `header` exactly, that line included.
std::optional<std::size_t> findKeyInSection(const ConfigDocument& doc, std::string_view key,
                                            std::string_view header);

/// Stores `value` into the value table at `index` when the lookup found a line; a key the document
/// lacks changes nothing. Returns whether it stored.
bool storeValue(ConfigDocument& doc, std::optional<std::size_t> index, std::string_view value);

/// 1-based position of the first exact occurrence of `find` in `text`, 0 when none.
std::size_t FindFirst(std::string_view text, std::string_view find);
/// Number of (overlapping) occurrences of `find` in `text`; 0 for an empty text.
std::size_t CountOccurrences(std::string_view text, std::string_view find, bool caseSensitive);

} // namespace brevane
