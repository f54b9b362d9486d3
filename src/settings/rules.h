#pragma once
// The load and collect rules of the page tables. Each is a small named function; a row picks one.
#include <cstddef>
#include <string>

#include "settings/row_engine.h"

namespace tk {
class OptionButton;
}

namespace brevane::rules {

/// Check box: checked when the stored value equals "True" ignoring case; stores "True" / "False".
Rule Switch();
/// Check box, checked unless the stored value is "0" (a missing key checks it); stores "1" / "0".
Rule UnlessZero();
/// Check box, checked unless the stored value is "False" ignoring case (a missing key checks it);
/// stores "True" / "False".
Rule UnlessFalse();
/// Text or combo box: the stored value unchanged; stores the text unchanged (empty included).
Rule Text();
/// The first n characters of the stored value (a numeric box's guard and clamps then act); stores the
/// text unchanged, so a long number comes back shortened.
Rule FirstN(std::size_t n);
/// The number text of the stored value's leading number, cut to n characters; "abc" and "" show 0.
Rule NumberN(std::size_t n);
inline Rule Number4() {
    return NumberN(4);
}
/// The stored value, or "0" when it is empty or missing; stores the text unchanged.
Rule Count();
/// Two option buttons: `red` when the stored value is "0", `blue` otherwise (missing included);
/// stores "0" for red, else "1".
Rule Team(tk::OptionButton& red, tk::OptionButton& blue);
/// Editable combo box of levels: the stored value shown unchanged, listed or not; stores the text.
inline Rule Level() {
    return Text();
}

} // namespace brevane::rules
