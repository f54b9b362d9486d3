#pragma once
// The 25 colour rows of User.ini, one editor design repeated: red, green and blue boxes (0..255, +/- 5)
// and a preview box whose background shows the colour. Rows 0..4 stand in the IRC frame, 5..7 in the
// beacon frame, 8 is the HUD colour and 9 + i the crosshair colour of weapon frame i.
#include <string>

#include "settings/colour_value.h"
#include "settings/numeric_box.h"
#include "settings/table_page.h"
#include "toolkit/control_array.h"
#include "toolkit/text_box.h"

namespace brevane {

struct ColourRowLine {
    std::string key;
    std::string section;     ///< "" for anywhere
    std::string previewText; ///< the fixed caption of the preview box
};

/// The 25 rows in load and collect order.
const std::vector<ColourRowLine>& colourRowLines();

constexpr int kColourRowCount = 25;
constexpr int kFirstIrcColourRow = 0;
constexpr int kFirstBeaconColourRow = 5;
constexpr int kHudColourRow = 8;
constexpr int kFirstWeaponColourRow = 9;

class ColourRows : public TablePage {
public:
    ColourRows(tk::Form& form, AppState& state);

    /// txb_IRC_Red(i) with b_IRC_Red_Sub(i) / b_IRC_Red_Add(i); likewise green and blue.
    NumericBoxFamily red;
    NumericBoxFamily green;
    NumericBoxFamily blue;
    /// tbx_IRCColor(i): the preview, its background the row's colour, its text a fixed caption.
    tk::ControlArray<tk::TextBox> tbx_IRCColor;

    tk::TextBox& txb_IRC_Red(int row) const { return red.box(row); }
    tk::TextBox& txb_IRC_Green(int row) const { return green.box(row); }
    tk::TextBox& txb_IRC_Blue(int row) const { return blue.box(row); }

    /// The preview of `row` from the whole numbers of its three boxes.
    void updatePreview(int row);

private:
    Rule colourRule(int row);
    void showPreview(int row, int redValue, int greenValue, int blueValue);

    /// Scratch space of every parse, shared by all rows.
    ColourComponents m_components{};
};

} // namespace brevane
