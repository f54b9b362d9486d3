#pragma once
// The key of every line of a document, with an index from each key (ignoring ASCII letter case) to the
// lines that carry it in file order. The settings pages look up several hundred keys at every load and
// save; with the index a lookup costs the few lines that could match instead of a pass over the whole
// file, which matters for files of tens of thousands of lines. Keys change only through this class,
// so the index cannot fall behind them: it reads like a const std::vector<std::string>.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevane {

class KeyColumn {
public:
    using value_type = std::string;
    using size_type = std::size_t;
    using const_iterator = std::vector<std::string>::const_iterator;
    using iterator = const_iterator;

    KeyColumn() = default;

    /// Takes `keys` as the keys of lines 0, 1, ... and indexes them. `hashes`, when given, holds
    /// hashIgnoreCase of each key, worked out while the key was at hand (a file of many thousand lines
    /// no longer fits the processor's caches by the time the index is built).
    void assign(std::vector<std::string> keys, const std::vector<std::size_t>& hashes = {});
    void clear();
    /// Changes the key of line `line` (which must exist); the index follows.
    void set(std::size_t line, std::string key);

    /// First line at or after `from` whose key equals `key` ignoring ASCII letter case.
    std::optional<std::size_t> firstIgnoringCase(std::string_view key, std::size_t from = 0) const;
    /// First line at or after `from` whose key equals `key` exactly.
    std::optional<std::size_t> firstExactly(std::string_view key, std::size_t from = 0) const;

    const std::string& operator[](std::size_t line) const { return m_keys[line]; }
    std::size_t size() const { return m_keys.size(); }
    bool empty() const { return m_keys.empty(); }
    const_iterator begin() const { return m_keys.begin(); }
    const_iterator end() const { return m_keys.end(); }
    const std::vector<std::string>& all() const { return m_keys; }
    operator const std::vector<std::string>&() const { return m_keys; }

    friend bool operator==(const KeyColumn& a, const KeyColumn& b) { return a.m_keys == b.m_keys; }

private:
    using Line = std::uint32_t;
    static constexpr Line kNoLine = UINT32_MAX;

    // The lines of one key (ignoring case), ascending: `first`, then `more`. Most keys occur once, and
    // keeping the first line inline spares an allocation for each of them. A group whose lines have all
    // been given other keys keeps its slot but matches nothing.
    struct Group {
        std::size_t hash = 0;
        Line first = kNoLine;
        std::vector<Line> more;
    };

    static constexpr std::size_t kNoGroup = SIZE_MAX;
    std::size_t groupOf(std::string_view key, std::size_t hash) const; // kNoGroup when none
    Group& groupFor(std::size_t line, std::size_t hash); // the group of m_keys[line], made when there is none
    void growTable(std::size_t groups);
    static std::optional<std::size_t> firstFrom(const Group& group, std::size_t from);
    static void addLine(Group& group, Line line);
    static void removeLine(Group& group, Line line);

    std::vector<std::string> m_keys;
    std::vector<Group> m_groups;
    std::vector<std::uint32_t> m_slots; // open addressing: group index + 1, 0 for an empty slot
};

} // namespace brevane
