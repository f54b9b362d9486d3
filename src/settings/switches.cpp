#include "settings/switches.h"

#include "documents/config_document.h"
#include "settings/rules.h"

namespace brevane {

namespace {

/// "Quiet Menu": a value sets the box by the switch rule; no value (no key, or nothing behind "=")
/// leaves the box as it was and tells the writer to add the menu lines.
Rule quietMenu(AppState& state) {
    Rule rule = rules::Switch();
    auto setBox = rule.load;
    rule.name = "Quiet Menu";
    rule.load = [&state, setBox](const Row& row, const std::string& stored) {
        if (stored.empty())
            state.QuietMenuMissing = true;
        else
            setBox(row, stored);
    };
    return rule;
}

struct SwitchLine {
    int index;
    const char* caption;
    const char* key;
};

constexpr SwitchLine kComm[] = {
    {0, "No Voice Message", "bNoVoiceMessages"},
    {1, "No Voice Taunts", "bNoVoiceTaunts"},
    {2, "No Auto Taunt", "bNoAutoTaunts"},
    {3, "Auto Taunt", "bAutoTaunt"},
    {4, "No Text to Speech Messages", "bNoTextToSpeechVoiceMessages"},
    {5, "Only Speak Team Text", "bOnlySpeakTeamText"},
    {6, "No Console Death Message", "bNoConsoleDeathMessages"},
    {7, "Message Beep", "bMessageBeep"},
    {8, "No Mature Language", "bNoMatureLanguage"},
    {9, "Vehicle Shadows", "bVehicleShadows"},
};

constexpr SwitchLine kHud[] = {
    {0, "Hide Hud", "bHideHUD"},
    {1, "Show Weapon Info", "bShowWeaponInfo"},
    {2, "Show Weapon Bar", "bShowWeaponBar"},
    {3, "Show Personal Info", "bShowPersonalInfo"},
    {4, "Show Points", "bShowPoints"},
    {5, "Show Crosshair", "bCrosshairShow"},
    {6, "Show Portrait", "bShowPortrait"},
    {7, "No Enemy Names", "bNoEnemyNames"},
    {8, "Quiet Menu", "bQuietMenu"},
    {9, "No Tool Tips", "bNoToolTips"},
    {10, "No Coronas", "bNoCoronas"},
    {11, "Weapons Bob", "bWeaponBob"},
    {12, "Never Switch On Pickup", "bNeverSwitchOnPickup"},
    {13, "Small Weapons", "bSmallWeapons"},
    {14, "Small Weapon Bar", "bSmallWeaponBar"},
    {15, "Always Level", "bAlwaysLevel"},
    {16, "KeyBoard Look", "bKeyboardLook"},
    {17, "Snap to Level", "bSnapToLevel"},
    {18, "Look Up Stairs", "bLookUpStairs"},
    {19, "Enable Stats Tracking", "bEnableStatsTracking"},
    {20, "Dynamic Net Speed", "bDynamicNetSpeed"},
    {21, "GUI Force Feedback", "bEnableGUIForceFeedback"},
    {22, "Damage Force Feedback", "bEnableDamageForceFeedback"},
    {23, "Pickup Force Feedback", "bEnablePickupForceFeedback"},
    {24, "Weapon Force Feedback", "bEnableWeaponForceFeedback"},
    {25, "Landing Shake", "bLandingShake"},
};

} // namespace

Switches::Switches(tk::Form& form, AppState& state, SharedControls& shared)
    : TablePage(state), c_Player_Shadow(form, "c_Player_Shadow"), c_Footsteps(form, "c_Footsteps"),
      c_Comm(form, "c_Comm"), c_Hud(form, "c_Hud"), dodging(shared.c_Mouse.add(1)) {
    const auto user = IniFile::User;
    addRow(c_Player_Shadow, "Player Shadows", user, "", "bPlayerShadows", rules::Switch());
    addRow(c_Footsteps, "Play Own Footsteps", user, "", "bPlayOwnFootsteps", rules::Switch());
    addRow(dodging, "Dodging", user, "", "bEnableDodging", rules::Switch());
    for (const SwitchLine& line : kComm)
        addRow(c_Comm.add(line.index), line.caption, user, "", line.key, rules::Switch());
    for (const SwitchLine& line : kHud)
        addRow(c_Hud.add(line.index), line.caption, user, "", line.key,
               line.index == 8 ? quietMenu(state) : rules::Switch());
}

void Switches::load() {
    m_state.QuietMenuMissing = false;
    TablePage::load();
}

} // namespace brevane
