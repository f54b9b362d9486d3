#include "settings/numeric_box.h"

#include <cmath>

#include "settings/number_text.h"

namespace brevane {

namespace {

/// The bounds are whole numbers in every table; print them as such ("1", "180", "255").
std::string integerText(double bound) {
    return numberText(std::trunc(bound));
}

void guardAndClamp(tk::TextBox& box, const NumericRules& rules, const std::string& lastGoodText) {
    if (!isNumeric(box.text())) {
        // The assignment fires Change again, which clamps the remembered text if it needs it.
        box.setText(lastGoodText);
        return;
    }
    const double value = leadingNumber(box.text());
    if (rules.lower && value <= *rules.lower)
        box.setText(integerText(*rules.lower));
    else if (rules.upper && value >= *rules.upper)
        box.setText(integerText(*rules.upper));
}

} // namespace

void attachNumericBox(tk::TextBox& box, const NumericRules& rules, std::string& lastGoodText) {
    box.GotFocus = [&box, &lastGoodText] { lastGoodText = box.text(); };
    box.Change = [&box, rules, &lastGoodText] { guardAndClamp(box, rules, lastGoodText); };
}

void spinPlus(tk::TextBox& box, const NumericRules& rules) {
    box.setText(numberText(leadingNumber(box.text()) + rules.step));
    if (rules.plusLimit && leadingNumber(box.text()) >= *rules.plusLimit)
        box.setText(integerText(*rules.plusLimit));
}

void spinMinus(tk::TextBox& box, const NumericRules& rules) {
    box.setText(numberText(leadingNumber(box.text()) - rules.step));
    if (rules.minusStopsAtZero && leadingNumber(box.text()) <= 0) box.setText("0");
}

NumericBoxFamily::NumericBoxFamily(tk::Form& form, std::string& lastGoodText, std::string boxArray,
                                   std::string minusArray, std::string plusArray)
    : boxes(form, std::move(boxArray)), m_lastGoodText(lastGoodText), m_minus(form, std::move(minusArray)),
      m_plus(form, std::move(plusArray)) {}

tk::TextBox& NumericBoxFamily::add(int index, NumericRules rules) {
    tk::TextBox& box = boxes.add(index);
    wire(index, box, rules);
    return box;
}

void NumericBoxFamily::addExternal(int index, tk::TextBox& box, NumericRules rules) {
    wire(index, box, rules);
}

void NumericBoxFamily::wire(int index, tk::TextBox& box, NumericRules rules) {
    m_boxes[index] = &box;
    m_rules[index] = rules;
    attachNumericBox(box, rules, m_lastGoodText);
    tk::CommandButton& minusButton = m_minus.add(index, "-");
    tk::CommandButton& plusButton = m_plus.add(index, "+");
    minusButton.Click = [&box, rules] { spinMinus(box, rules); };
    plusButton.Click = [&box, rules] { spinPlus(box, rules); };
}

} // namespace brevane
