#include "settings/rules.h"

#include "documents/config_document.h"
#include "settings/number_text.h"
#include "toolkit/check_box.h"
#include "toolkit/option_button.h"

namespace brevane::rules {

namespace {
std::string textOf(const Row& row) {
    return row.control ? controlText(*row.control) : std::string();
}
} // namespace

Rule Switch() {
    return {"Switch",
            [](const Row& row, const std::string& stored) {
                if (auto* box = dynamic_cast<tk::CheckBox*>(row.control))
                    box->setChecked(equalsIgnoreCase(stored, "True"));
            },
            [](const Row& row) -> std::string {
                auto* box = dynamic_cast<const tk::CheckBox*>(row.control);
                return box && box->checked() ? "True" : "False";
            },
            {},
            {}};
}

namespace {
Rule checkedUnless(std::string name, std::function<bool(const std::string &)> isOff, const char *on,
                   const char *off) {
    return {std::move(name),
            [isOff](const Row &row, const std::string &stored) {
                if (auto *box = dynamic_cast<tk::CheckBox *>(row.control)) box->setChecked(!isOff(stored));
            },
            [on, off](const Row &row) -> std::string {
                auto *box = dynamic_cast<const tk::CheckBox *>(row.control);
                return box && box->checked() ? on : off;
            },
            {},
            {}};
}
} // namespace

Rule UnlessZero() {
    return checkedUnless("Unless Zero", [](const std::string &stored) { return stored == "0"; }, "1", "0");
}

Rule UnlessFalse() {
    return checkedUnless(
        "Unless False", [](const std::string &stored) { return equalsIgnoreCase(stored, "False"); }, "True",
        "False");
}

Rule Text() {
    return {"Text",
            [](const Row& row, const std::string& stored) { setControlText(*row.control, stored); },
            textOf,
            {},
            {}};
}

Rule FirstN(std::size_t n) {
    return {
        "First " + std::to_string(n),
        [n](const Row& row, const std::string& stored) { setControlText(*row.control, firstChars(stored, n)); },
        textOf,
        {},
        {}};
}

Rule NumberN(std::size_t n) {
    return {"Number " + std::to_string(n),
            [n](const Row& row, const std::string& stored) {
                setControlText(*row.control, firstChars(numberText(leadingNumber(stored)), n));
            },
            textOf,
            {},
            {}};
}

Rule Count() {
    return {"Count",
            [](const Row& row, const std::string& stored) {
                setControlText(*row.control, stored.empty() ? std::string("0") : stored);
            },
            textOf,
            {},
            {}};
}

Rule Team(tk::OptionButton& red, tk::OptionButton& blue) {
    return {"Team",
            [&red, &blue](const Row&, const std::string& stored) {
                if (equalsIgnoreCase(stored, "0"))
                    red.setValue(true);
                else
                    blue.setValue(true);
            },
            [&red](const Row&) -> std::string { return red.value() ? "0" : "1"; },
            {},
            {}};
}

} // namespace brevane::rules
