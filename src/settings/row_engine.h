#pragma once
// The row engine: each settings page is a table of rows, and the page's load step, its collect step,
// its listing (brevane-cli) and its layout all read that one table.
//
// A row names a control (or an option group), its caption, the file, the section ("" for anywhere),
// the key and a rule. The engine does the lookups:
//   load:    GetVal (anywhere) or GetVal2 (from the section header on), ignoring case, then rule.load;
//   collect: rule.collect gives the text, stored at findKey / findKeyInSection (exact comparison).
//            A key the document lacks is never stored: no line changes because of a missing key.
// Rules are small named functions (rules.h): Switch, Text, FirstN(n), Number4, Count, Team, Level...
// A row that is not one key of one section (a resolution pair, the render device block) gives its rule
// a `custom` load and collect that do their own lookups through the same helpers.
//
// How a new page plugs in:
//   1. Write a class deriving from TablePage (settings/table_page.h) in settings/<page>.h/.cpp. Its
//      controls are members (or come from SharedControls for the families that cross pages), and its
//      constructor fills `m_rows` in processing order with rows such as
//          row(tbx_FOV, "Desired FOV", IniFile::User, "", "DesiredFOV", rules::FirstN(4));
//   2. Numeric boxes come from a NumericBoxFamily (settings/numeric_box.h). The families that cross
//      pages (tbx_video, tbx_Mouse, tbx_Comm) are declared once, with every member's step, clamps and
//      button corrections, in SharedControls (settings/shared_controls.cpp); a page only adds rows for
//      the members it loads. A page's own boxes get a family of their own (see PlayerProfile::spin).
//   3. Override load()/collect() only for work outside the table (a state flag, a section decided at
//      load), calling TablePage::load()/collect() for the rows.
//   4. Add the page as a member of Pages (app/pages.h) and put it in its slot of Pages::loadOrder().
//   5. Lay its frames out in a function under src/qt/frames/, reading captions from the same rows.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "settings/settings_step.h"

namespace tk {
class Control;
class OptionGroup;
} // namespace tk

namespace brevane {

struct Row;

struct Rule {
    std::string name;
    /// Puts the stored value (already looked up) into the row's control.
    std::function<void(const Row&, const std::string& stored)> load;
    /// The text the control stores.
    std::function<std::string(const Row&)> collect;
    /// Set for rows that do their own lookups and stores; load and collect are then not used.
    std::function<void(const Row&, AppState&)> customLoad;
    std::function<void(const Row&, AppState&)> customCollect;
};

struct Row {
    tk::Control* control = nullptr;
    tk::OptionGroup* group = nullptr;
    std::string caption;
    IniFile file = IniFile::User;
    std::string section; ///< header line the lookup starts at; "" for anywhere
    std::string key;
    Rule rule;
    /// Further keys the row manages (the Y of a resolution pair), for listings.
    std::vector<std::string> moreKeys;
};

ConfigDocument& documentOf(AppState& state, IniFile file);
const ConfigDocument& documentOf(const AppState& state, IniFile file);

/// The stored value for `key` under `section` ("" anywhere), ignoring case; "" when none.
std::string lookupSetting(const AppState& state, IniFile file, const std::string& section, const std::string& key);
/// Stores `value` at the line of `key` under `section` ("" anywhere), compared exactly. A missing key
/// (or header) stores nothing. Returns whether it stored.
bool storeSetting(AppState& state, IniFile file, const std::string& section, const std::string& key,
                  const std::string& value);

void loadRow(AppState& state, const Row& row);
void collectRow(AppState& state, const Row& row);
void loadRows(AppState& state, const std::vector<Row>& rows);
void collectRows(AppState& state, const std::vector<Row>& rows);
/// One RowInfo per key of each row, in table order.
std::vector<RowInfo> describeRows(const std::vector<Row>& rows);

/// The text a text box or combo box shows; "" for other controls.
std::string controlText(const tk::Control& control);
/// Sets the text of a text box (firing its Change) or combo box.
void setControlText(tk::Control& control, std::string text);

} // namespace brevane
