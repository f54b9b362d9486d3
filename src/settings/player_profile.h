#pragma once
// The frame "Player Information": who the player is in User.ini (name, character and portrait, stats
// account, team, view bob and field of view, unlocked characters).
#include <string>
#include <vector>

#include "settings/numeric_box.h"
#include "settings/table_page.h"
#include "toolkit/combo_box.h"
#include "toolkit/form.h"
#include "toolkit/option_button.h"
#include "toolkit/picture_box.h"
#include "toolkit/services.h"
#include "toolkit/text_box.h"

namespace brevane {

/// The 82 characters of the game, in the order the list shows them.
const std::vector<std::string>& characterNames();

class PlayerProfile : public TablePage {
public:
    PlayerProfile(tk::Form& form, AppState& state, tk::PictureBox& pb_Player, tk::Services& services);

    tk::TextBox tbx_Name;
    tk::ComboBox cb_Character;
    tk::TextBox tbx_Stat_Name;
    tk::TextBox tbx_Stat_Pass;
    tk::OptionGroup rb_Team;
    tk::OptionButton rb_Red;
    tk::OptionButton rb_Blue;
    tk::TextBox tbx_Bob;
    tk::TextBox tbx_FOV;
    tk::TextBox tbx_FOV2;
    /// b_P_Sub / b_P_Add (0 Bob, 1 Desired FOV, 2 Default FOV).
    NumericBoxFamily spin;
    tk::TextBox tbx_Total_Unockedl_Char;

    /// The program's own player picture, shown until a character is chosen and for a missing portrait.
    std::string defaultPicture() const;
    /// The portrait file of a character name ("Images/Characters/<name>.jpg" beside the program).
    std::string portraitPath(const std::string& name) const;
    /// Puts the default picture into pb_Player (the window does this once it knows its folder).
    void showDefaultPicture();

private:
    void showPortrait(const std::string& name);
    void loadCharacter(const std::string& stored);
    /// The stats boxes' length rule, on leaving the box or pressing Enter in it.
    void checkStatsBox(tk::TextBox& box, const std::string& message);

    tk::Form& m_form;
    tk::PictureBox& m_picture;
    tk::Services& m_services;
    bool m_showingStatsMessage = false;
};

} // namespace brevane
