#include "settings/objectives_irc.h"

#include "settings/rules.h"

namespace brevane {

const std::vector<std::string>& ircChannels() {
    static const std::vector<std::string> channels = {"#ut2004", "#ut2004chat", "#ut2004play"};
    return channels;
}

namespace {

struct Line {
    int index;
    const char* caption;
    const char* key;
};

constexpr Line kAssaultSwitches[] = {
    {0, "HUD Objective Notification", "bOnHUDObjectiveNotification"},
    {1, "Show Info Pods", "bShowInfoPods"},
    {2, "Draw All Objectives", "bDrawAllObjectives"},
    {3, "Show3D Arrow", "bShow3DArrow"},
    {4, "Objective Reminder", "bObjectiveReminder"},
    {5, "Draw Radar", "bDrawRadar"},
    {6, "Show Willow Whisp", "bShowWillowWhisp"},
    {7, "Draw Radar Cardinal Points", "bDrawRadarCardinalPoints"},
};

/// The Assault numbers, in load order (the boxes' events live with the mouse family).
constexpr Line kAssaultNumbers[] = {
    {11, "Objective Scale", "ObjectiveScale"},
    {10, "Radar Pos X", "ASRadarPosX"},
    {9, "Radar Pos Y", "ASRadarPosY"},
    {8, "Objective Progress Pulse Time", "ObjectiveProgressPulseTime"},
};

constexpr Line kIrcBoxes[] = {
    {0, "Nick Name", "NickName"},
    {1, "Full Name", "FullName"},
    {2, "Max Chat Scroll Back", "MaxChatScrollback"},
    {3, "Input History Size", "InputHistorySize"},
};

} // namespace

ObjectivesIrc::ObjectivesIrc(tk::Form& form, AppState& state, SharedControls& shared)
    : TablePage(state), c_Assault(form, "c_Assault"), tbx_IRC(form, "tbx_IRC"),
      cbx_Channel(form, "cbx_Channel", ircChannels()), c_IRC(form, "c_IRC"), m_mouse(shared.mouse) {
    const auto user = IniFile::User;
    for (const Line& line : kAssaultSwitches)
        addRow(c_Assault.add(line.index), line.caption, user, "", line.key, rules::Switch());
    for (const Line& line : kAssaultNumbers)
        addRow(assaultNumber(line.index), line.caption, user, "", line.key, rules::FirstN(4));

    for (const Line& line : kIrcBoxes) {
        tk::TextBox& box = tbx_IRC.add(line.index);
        addRow(box, line.caption, user, "", line.key, rules::Text());
        if (line.index >= 2) {
            // The two sizes take numbers only, without bounds.
            attachNumericBox(box, NumericRules{}, state.LastGoodText);
        } else {
            // The names take any text, but their focus still sets the window's remembered text.
            box.GotFocus = [&box, &state] { state.LastGoodText = box.text(); };
        }
    }
    addRow(cbx_Channel, "Default Channel", user, "", "DefaultChannel", rules::Text());
    addRow(c_IRC, "IRC Text To Speech", user, "", "bIRCTextToSpeechEnabled", rules::Switch());
}

} // namespace brevane
