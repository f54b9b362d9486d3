#pragma once
// A settings page made of one table of rows: load, collect and listing come from the table.
#include <string>
#include <vector>

#include "settings/row_engine.h"
#include "settings/settings_step.h"

namespace brevane {

class TablePage : public SettingsStep {
public:
    explicit TablePage(AppState& state) : m_state(state) {}

    void load() override { loadRows(m_state, m_rows); }
    void collect() override { collectRows(m_state, m_rows); }
    std::vector<RowInfo> rows() const override { return describeRows(m_rows); }

    const std::vector<Row>& table() const { return m_rows; }
    /// The caption of the row of `control` (the label a layout puts beside it); "" when it has none.
    std::string captionOf(const tk::Control& control) const;

protected:
    /// Appends a row; a check box also gets the caption as its own.
    Row& addRow(tk::Control& control, std::string caption, IniFile file, std::string section, std::string key,
                Rule rule);
    Row& addGroupRow(tk::OptionGroup& group, std::string caption, IniFile file, std::string section,
                     std::string key, Rule rule);

    AppState& m_state;
    std::vector<Row> m_rows;
};

} // namespace brevane
