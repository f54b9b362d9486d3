#include "settings/table_page.h"

#include "toolkit/check_box.h"

namespace brevane {

std::string TablePage::captionOf(const tk::Control& control) const {
    for (const Row& row : m_rows)
        if (row.control == &control) return row.caption;
    return {};
}

namespace {
Row makeRow(std::string caption, IniFile file, std::string section, std::string key, Rule rule) {
    Row row;
    row.caption = std::move(caption);
    row.file = file;
    row.section = std::move(section);
    row.key = std::move(key);
    row.rule = std::move(rule);
    return row;
}
} // namespace

Row& TablePage::addRow(tk::Control& control, std::string caption, IniFile file, std::string section,
                       std::string key, Rule rule) {
    if (auto* box = dynamic_cast<tk::CheckBox*>(&control)) box->setCaption(caption);
    Row& row = m_rows.emplace_back(makeRow(std::move(caption), file, std::move(section), std::move(key), std::move(rule)));
    row.control = &control;
    return row;
}

Row& TablePage::addGroupRow(tk::OptionGroup& group, std::string caption, IniFile file, std::string section,
                            std::string key, Rule rule) {
    Row& row = m_rows.emplace_back(makeRow(std::move(caption), file, std::move(section), std::move(key), std::move(rule)));
    row.group = &group;
    return row;
}

} // namespace brevane
