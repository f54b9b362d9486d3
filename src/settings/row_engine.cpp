#include "settings/row_engine.h"

#include "toolkit/combo_box.h"
#include "toolkit/control.h"
#include "toolkit/option_button.h"
#include "toolkit/text_box.h"

namespace brevane {

ConfigDocument& documentOf(AppState& state, IniFile file) {
    return file == IniFile::User ? state.userIni : state.gameIni;
}

const ConfigDocument& documentOf(const AppState& state, IniFile file) {
    return file == IniFile::User ? state.userIni : state.gameIni;
}

std::string lookupSetting(const AppState& state, IniFile file, const std::string& section,
                          const std::string& key) {
    const ConfigDocument& doc = documentOf(state, file);
    return section.empty() ? GetVal(doc, key) : GetVal2(doc, key, section);
}

bool storeSetting(AppState& state, IniFile file, const std::string& section, const std::string& key,
                  const std::string& value) {
    ConfigDocument& doc = documentOf(state, file);
    auto index = section.empty() ? findKey(doc, key) : findKeyInSection(doc, key, section);
    return brevane::storeValue(doc, index, value);
}

void loadRow(AppState& state, const Row& row) {
    if (row.rule.customLoad) return row.rule.customLoad(row, state);
    if (row.rule.load) row.rule.load(row, lookupSetting(state, row.file, row.section, row.key));
}

void collectRow(AppState& state, const Row& row) {
    if (row.rule.customCollect) return row.rule.customCollect(row, state);
    if (row.rule.collect) storeSetting(state, row.file, row.section, row.key, row.rule.collect(row));
}

void loadRows(AppState& state, const std::vector<Row>& rows) {
    for (const Row& row : rows)
        loadRow(state, row);
}

void collectRows(AppState& state, const std::vector<Row>& rows) {
    for (const Row& row : rows)
        collectRow(state, row);
}

std::vector<RowInfo> describeRows(const std::vector<Row>& rows) {
    std::vector<RowInfo> out;
    for (const Row& row : rows) {
        RowInfo info;
        info.control = row.control;
        info.group = row.group;
        info.name = row.control ? row.control->name() : row.group ? row.group->name() : std::string();
        info.caption = row.caption;
        info.file = row.file;
        info.section = row.section;
        info.key = row.key;
        out.push_back(info);
        for (const std::string& key : row.moreKeys) {
            info.key = key;
            out.push_back(info);
        }
    }
    return out;
}

std::string controlText(const tk::Control& control) {
    if (auto* box = dynamic_cast<const tk::TextBox*>(&control)) return box->text();
    if (auto* combo = dynamic_cast<const tk::ComboBox*>(&control)) return combo->text();
    return {};
}

void setControlText(tk::Control& control, std::string text) {
    if (auto* box = dynamic_cast<tk::TextBox*>(&control))
        box->setText(std::move(text));
    else if (auto* combo = dynamic_cast<tk::ComboBox*>(&control))
        combo->setText(std::move(text));
}

} // namespace brevane
