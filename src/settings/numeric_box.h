#pragma once
// Numeric boxes: every text box of the settings pages that holds a number behaves the same way.
//
//  - GotFocus copies the box's text into the window's one `LastGoodText` (not one per box).
//  - Change (typing, pasting, a spin button, or a load putting a value in): a text that is not numeric
//    is replaced by `LastGoodText`; a numeric one at or below the lower bound becomes the bound's
//    integer text, at or above the upper bound likewise ("1.0" becomes "1").
//  - The minus / plus buttons set the number text of (value -/+ step) and let Change do the rest;
//    some families add their own corrections after the click (a plus limit, minus stops at 0).
//
// A family is a pair of button arrays ("b_VideoSub", "b_VideoAdd") with their boxes, declared once
// as a table of members (index, rules). Its boxes may be members of a box array ("tbx_video(3)") or
// single boxes owned elsewhere ("tbx_MinRefRate" on the buttons of index 34).
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "toolkit/command_button.h"
#include "toolkit/control_array.h"
#include "toolkit/text_box.h"

namespace brevane {

struct NumericRules {
    double step = 1;
    std::optional<double> lower; ///< clamp on change: at or below gives the integer text of it
    std::optional<double> upper; ///< clamp on change: at or above gives the integer text of it
    /// After a plus click: a value at or above it becomes its integer text (the tbx_Comm plus buttons).
    std::optional<double> plusLimit;
    /// After a minus click: a value at or below 0 becomes "0".
    bool minusStopsAtZero = true;
};

/// Wires one numeric box without buttons: GotFocus remembers, Change guards and clamps.
void attachNumericBox(tk::TextBox& box, const NumericRules& rules, std::string& lastGoodText);

/// What a spin button click does to `box` (rule 7 and the family's corrections).
void spinPlus(tk::TextBox& box, const NumericRules& rules);
void spinMinus(tk::TextBox& box, const NumericRules& rules);

class NumericBoxFamily {
public:
    /// `boxArray` names the family's box array ("tbx_video"); empty when every box lives elsewhere.
    NumericBoxFamily(tk::Form& form, std::string& lastGoodText, std::string boxArray, std::string minusArray,
                     std::string plusArray);

    /// Creates box `boxArray(index)` with its two buttons and wires them.
    tk::TextBox& add(int index, NumericRules rules);
    /// Wires `box`, owned elsewhere, as member `index`, with its two buttons.
    void addExternal(int index, tk::TextBox& box, NumericRules rules);

    /// The box of member `index`, whether in the array or external.
    tk::TextBox& box(int index) const { return *m_boxes.at(index); }
    tk::CommandButton& minus(int index) const { return m_minus[index]; }
    tk::CommandButton& plus(int index) const { return m_plus[index]; }
    const NumericRules& rules(int index) const { return m_rules.at(index); }
    bool has(int index) const { return m_boxes.count(index) != 0; }
    /// Member indices in order.
    std::map<int, tk::TextBox*> const& members() const { return m_boxes; }

    tk::ControlArray<tk::TextBox> boxes;

private:
    void wire(int index, tk::TextBox& box, NumericRules rules);

    std::string& m_lastGoodText;
    mutable tk::ControlArray<tk::CommandButton> m_minus;
    mutable tk::ControlArray<tk::CommandButton> m_plus;
    std::map<int, tk::TextBox*> m_boxes;
    std::map<int, NumericRules> m_rules;
};

} // namespace brevane
