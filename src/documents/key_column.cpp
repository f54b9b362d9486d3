#include "documents/key_column.h"

#include <algorithm>
#include <stdexcept>

#include "documents/ignore_case.h"

namespace brevane {

void KeyColumn::assign(std::vector<std::string> keys, const std::vector<std::size_t>& hashes) {
    if (keys.size() >= kNoLine) throw std::length_error("too many lines for the key index");
    m_keys = std::move(keys);
    m_groups.clear();
    m_slots.clear();
    growTable(m_keys.size());
    for (std::size_t line = 0; line < m_keys.size(); ++line)
        addLine(groupFor(line, hashes.size() == m_keys.size() ? hashes[line] : hashIgnoreCase(m_keys[line])),
                static_cast<Line>(line)); // lines come in order, so each group stays ascending
}

void KeyColumn::clear() {
    m_keys.clear();
    m_groups.clear();
    m_slots.clear();
}

void KeyColumn::set(std::size_t line, std::string key) {
    std::string& current = m_keys.at(line);
    if (current == key) return;
    if (std::size_t old = groupOf(current, hashIgnoreCase(current)); old != kNoGroup)
        removeLine(m_groups[old], static_cast<Line>(line));
    current = std::move(key);
    addLine(groupFor(line, hashIgnoreCase(current)), static_cast<Line>(line));
}

// Keeps at most half the slots in use, so that a probe ends soon at an empty slot.
void KeyColumn::growTable(std::size_t groups) {
    std::size_t wanted = 16;
    while (wanted < 2 * groups + 2)
        wanted *= 2;
    if (wanted <= m_slots.size()) return;
    m_slots.assign(wanted, 0);
    const std::size_t mask = wanted - 1;
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        std::size_t slot = m_groups[g].hash & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = static_cast<std::uint32_t>(g + 1);
    }
}

std::size_t KeyColumn::groupOf(std::string_view key, std::size_t hash) const {
    if (m_slots.empty()) return kNoGroup;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask; m_slots[slot] != 0; slot = (slot + 1) & mask) {
        const std::size_t g = m_slots[slot] - 1;
        const Group& group = m_groups[g];
        if (group.hash == hash && group.first != kNoLine && equalsIgnoreCase(m_keys[group.first], key)) return g;
    }
    return kNoGroup;
}

KeyColumn::Group& KeyColumn::groupFor(std::size_t line, std::size_t hash) {
    const std::string& key = m_keys[line];
    if (std::size_t found = groupOf(key, hash); found != kNoGroup) return m_groups[found];
    growTable(m_groups.size() + 1);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    while (m_slots[slot] != 0)
        slot = (slot + 1) & mask;
    m_groups.push_back(Group{hash, kNoLine, {}});
    m_slots[slot] = static_cast<std::uint32_t>(m_groups.size());
    return m_groups.back();
}

void KeyColumn::addLine(Group& group, Line line) {
    if (group.first == kNoLine) {
        group.first = line;
    } else if (line > group.first && (group.more.empty() || line > group.more.back())) {
        group.more.push_back(line); // the usual case: a load adds the lines in file order
    } else if (line < group.first) {
        group.more.insert(group.more.begin(), group.first);
        group.first = line;
    } else {
        group.more.insert(std::lower_bound(group.more.begin(), group.more.end(), line), line);
    }
}

void KeyColumn::removeLine(Group& group, Line line) {
    if (line == group.first) {
        if (group.more.empty()) {
            group.first = kNoLine;
        } else {
            group.first = group.more.front();
            group.more.erase(group.more.begin());
        }
    } else if (auto at = std::lower_bound(group.more.begin(), group.more.end(), line);
               at != group.more.end() && *at == line) {
        group.more.erase(at);
    }
}

std::optional<std::size_t> KeyColumn::firstFrom(const Group& group, std::size_t from) {
    if (group.first >= from) return group.first;
    auto at = std::lower_bound(group.more.begin(), group.more.end(), from);
    if (at == group.more.end()) return std::nullopt;
    return *at;
}

std::optional<std::size_t> KeyColumn::firstIgnoringCase(std::string_view key, std::size_t from) const {
    const std::size_t group = groupOf(key, hashIgnoreCase(key));
    return group == kNoGroup ? std::nullopt : firstFrom(m_groups[group], from);
}

std::optional<std::size_t> KeyColumn::firstExactly(std::string_view key, std::size_t from) const {
    // Every exact match is also a match ignoring case, so the first exact one among those lines, in
    // ascending order, is the first exact one in the file.
    const std::size_t g = groupOf(key, hashIgnoreCase(key));
    if (g == kNoGroup) return std::nullopt;
    const Group& group = m_groups[g];
    for (std::optional<std::size_t> line = firstFrom(group, from); line; line = firstFrom(group, *line + 1))
        if (m_keys[*line] == key) return line;
    return std::nullopt;
}

} // namespace brevane
