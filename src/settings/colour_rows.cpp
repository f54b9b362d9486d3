#include "settings/colour_rows.h"

#include "settings/weapon_frames.h"

namespace brevane {

const std::vector<ColourRowLine>& colourRowLines() {
    static const std::vector<ColourRowLine> lines = [] {
        std::vector<ColourRowLine> out = {
            {"IRCTextColor", "", "IRC Text Color"},
            {"IRCNickColor", "", "IRC Nick Color"},
            {"IRCActionColor", "", "IRC Action Color"},
            {"IRCInfoColor", "", "IRC Info Color"},
            {"IRCLinkColor", "", "IRC Link Color"},
            {"TeamBeaconTeamColors[1]", "", "Blue Team Beacon"},
            {"TeamBeaconTeamColors[0]", "", "Red Team Beacon"},
            {"TeamBeaconCustomColor", "", "Custom Beacon"},
            {"CustomHUDColor", "", "Hud Color"},
        };
        for (int i = 0; i < kWeaponFrameCount; ++i)
            out.push_back({"CustomCrossHairColor", weaponFrameSection(i), "Cross Hair Color"});
        return out;
    }();
    return lines;
}

namespace {

NumericRules componentRules() {
    NumericRules rules;
    rules.step = 5;
    rules.lower = 0;
    rules.upper = 255;
    rules.plusLimit = 255;
    return rules;
}

/// Black or white, whichever reads better on `back` (the preview's caption must stay legible).
tk::Color captionColourOn(tk::Color back) {
    const int r = back & 0xFF, g = (back >> 8) & 0xFF, b = (back >> 16) & 0xFF;
    return 299 * r + 587 * g + 114 * b >= 128000 ? tk::rgb(0, 0, 0) : tk::rgb(255, 255, 255);
}

} // namespace

ColourRows::ColourRows(tk::Form& form, AppState& state)
    : TablePage(state), red(form, state.LastGoodText, "txb_IRC_Red", "b_IRC_Red_Sub", "b_IRC_Red_Add"),
      green(form, state.LastGoodText, "txb_IRC_Green", "b_IRC_Green_Sub", "b_IRC_Green_Add"),
      blue(form, state.LastGoodText, "txb_IRC_Blue", "b_IRC_Blue_Sub", "b_IRC_Blue_Add"),
      tbx_IRCColor(form, "tbx_IRCColor") {
    const std::vector<ColourRowLine>& lines = colourRowLines();
    for (int row = 0; row < kColourRowCount; ++row) {
        for (NumericBoxFamily* family : {&red, &green, &blue}) {
            tk::TextBox& box = family->add(row, componentRules());
            // The guard and clamps run first (re-entrantly when they rewrite the text); then the preview
            // follows whatever the box now holds, so buttons and typing both repaint it.
            auto guard = box.Change;
            box.Change = [this, guard, row] {
                guard();
                updatePreview(row);
            };
        }
        tk::TextBox& preview = tbx_IRCColor.add(row);
        preview.setText(lines[row].previewText);
        // Nothing reads the caption back, so it is not the user's to edit.
        preview.setLocked(true);
        preview.setTabStop(false);
        showPreview(row, 0, 0, 0);
        addRow(preview, lines[row].previewText, IniFile::User, lines[row].section, lines[row].key,
               colourRule(row));
    }
}

Rule ColourRows::colourRule(int row) {
    return {"Colour",
            [this, row](const Row&, const std::string& stored) {
                GetRGB(m_components, stored);
                txb_IRC_Red(row).setText(std::to_string(m_components[0]));
                txb_IRC_Green(row).setText(std::to_string(m_components[1]));
                txb_IRC_Blue(row).setText(std::to_string(m_components[2]));
                showPreview(row, m_components[0], m_components[1], m_components[2]);
            },
            [this, row](const Row&) {
                return colourValueText(txb_IRC_Red(row).text(), txb_IRC_Green(row).text(),
                                       txb_IRC_Blue(row).text());
            },
            {},
            {}};
}

void ColourRows::updatePreview(int row) {
    // The boxes are made one after another; a Change of the first fires before its neighbours exist.
    if (!red.has(row) || !green.has(row) || !blue.has(row) || !tbx_IRCColor.has(row)) return;
    showPreview(row, componentNumber(txb_IRC_Red(row).text()), componentNumber(txb_IRC_Green(row).text()),
                componentNumber(txb_IRC_Blue(row).text()));
}

void ColourRows::showPreview(int row, int redValue, int greenValue, int blueValue) {
    tk::TextBox& preview = tbx_IRCColor[row];
    const tk::Color colour = previewColour(redValue, greenValue, blueValue);
    preview.setBackColor(colour);
    preview.setForeColor(captionColourOn(colour));
}

} // namespace brevane
