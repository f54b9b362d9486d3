#include "settings/settings_step.h"

#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/option_button.h"
#include "toolkit/text_box.h"

namespace brevane {

std::string shownValue(const RowInfo& row) {
    if (row.group) return row.group->selectedCaption();
    if (auto* box = dynamic_cast<const tk::CheckBox*>(row.control)) return box->checked() ? "1" : "0";
    if (auto* text = dynamic_cast<const tk::TextBox*>(row.control)) return text->text();
    if (auto* combo = dynamic_cast<const tk::ComboBox*>(row.control)) return combo->text();
    if (auto* option = dynamic_cast<const tk::OptionButton*>(row.control)) return option->value() ? "1" : "0";
    return {};
}

} // namespace brevane
