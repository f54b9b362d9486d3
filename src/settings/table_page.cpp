#include "settings/table_page.h"

#include "toolkit/check_box.h"

namespace brevane {

std::string TablePage::captionOf(const tk::Control& control) const {
    for (const Row& row : m_rows)
        if (row.control == &control) return row.caption;
    return {};
}

Row& TablePage::addRow(tk::Control& control, std::string caption, IniFile file, std::string section,
                       std::string key, Rule rule) {
    if (auto* box = dynamic_cast<tk::CheckBox*>(&control)) box->setCaption(caption);
    Row row;
    row.control = &control;
    row.caption = std::move(caption);
    row.file = file;
    row.section = std::move(section);
    row.key = std::move(key);
    row.rule = std::move(rule);
    m_rows.push_back(std::move(row));
    return m_rows.back();
}

Row& TablePage::addGroupRow(tk::OptionGroup& group, std::string caption, IniFile file, std::string section,
                            std::string key, Rule rule) {
    Row row;
    row.group = &group;
    row.caption = std::move(caption);
    row.file = file;
    row.section = std::move(section);
    row.key = std::move(key);
    row.rule = std::move(rule);
    m_rows.push_back(std::move(row));
    return m_rows.back();
}

} // namespace brevane
