#include "settings/player_profile.h"

#include "documents/config_document.h"
#include "settings/rules.h"

namespace brevane {

const std::vector<std::string>& characterNames() {
    static const std::vector<std::string> names = {
        "Ambrosia", "Arclite",    "ASP",     "BlackJack", "Brock",    "Brutalis", "CannonBall", "Cleopatra",
        "Cobalt",   "Corrosion",  "Damarus", "Diva",      "Domina",   "Faraleth", "Fate",       "Frostbite",
        "Gorge",    "Harlequin",  "Horus",   "Hyena",     "Komek",    "Lauren",   "Lilith",     "Makreth",
        "Malcolm",  "Mandible",   "Memphis", "Mokara",    "Motig",    "MrCrow",   "Nebri",      "Prism",
        "Rapier",   "Ravage",     "Reinha",  "Remus",     "Renegade", "Roc",      "Romulus",    "Rylisa",
        "Sapphire", "Satin",      "Scarab",  "Selig",     "Siren",    "Subversa", "Syzygy",     "Thorax",
        "Torch",    "Widowmaker", "Wraith",  "Dominator", "Drekorig", "Skakruk",  "Guardian",   "Kraagesh",
        "Gaargod",  "Gkublok",    "Virus",   "Enigma",    "Cyclops",  "Cathode",  "Axon",       "Divisor",
        "Matrix",   "Jakob",      "Aryss",   "Tamika",    "Othello",  "Azure",    "Annika",     "Riker",
        "Garrett",  "Baird",      "Greith",  "Zarina",    "Ophelia",  "Kaela",    "Rae",        "Kane",
        "Outlaw",   "Abaddon"};
    return names;
}

namespace {
/// The list entry equal to `name` ignoring case, or nullptr.
const std::string* listedCharacter(const std::string& name) {
    for (const std::string& entry : characterNames())
        if (equalsIgnoreCase(entry, name)) return &entry;
    return nullptr;
}
} // namespace

PlayerProfile::PlayerProfile(tk::Form& form, AppState& state, tk::PictureBox& pb_Player, tk::Services& services)
    : TablePage(state), tbx_Name(form, "tbx_Name"), cb_Character(form, "cb_Character", characterNames()),
      tbx_Stat_Name(form, "tbx_Stat_Name"), tbx_Stat_Pass(form, "tbx_Stat_Pass"), rb_Team("rb_Team"),
      rb_Red(form, "rb_Red", "Red", rb_Team), rb_Blue(form, "rb_Blue", "Blue", rb_Team), tbx_Bob(form, "tbx_Bob"),
      tbx_FOV(form, "tbx_FOV"), tbx_FOV2(form, "tbx_FOV2"),
      spin(form, state.LastGoodText, "", "b_P_Sub", "b_P_Add"),
      tbx_Total_Unockedl_Char(form, "tbx_Total_Unockedl_Char"), m_form(form), m_picture(pb_Player),
      m_services(services) {
    tbx_Stat_Name.setToolTip("\"Stat Name\" Must be At Least 6 Characters Long");
    tbx_Stat_Pass.setToolTip("\"Stat Pass\" Must be At Least 6 Characters Long");
    tbx_Stat_Pass.setPasswordChar('*');
    tbx_Total_Unockedl_Char.setLocked(true);

    NumericRules bob;
    bob.step = 0.001;
    bob.lower = 0;
    bob.upper = 1;
    NumericRules fov;
    fov.step = 5;
    fov.lower = 0;
    fov.upper = 180;
    spin.addExternal(0, tbx_Bob, bob);
    spin.addExternal(1, tbx_FOV, fov);
    spin.addExternal(2, tbx_FOV2, fov);

    Rule character{"Character",
                   [this](const Row&, const std::string& stored) { loadCharacter(stored); },
                   [this](const Row&) { return cb_Character.text(); },
                   {},
                   {}};
    const auto user = IniFile::User;
    addRow(tbx_Name, "Player Name", user, "", "Name", rules::Text());
    addRow(cb_Character, "Character", user, "", "Character", character);
    addRow(tbx_Stat_Name, "Stat Name", user, "", "StatsUsername", rules::Text());
    addRow(tbx_Stat_Pass, "Stat Pass", user, "", "StatsPassword", rules::Text());
    addGroupRow(rb_Team, "Team Color", user, "", "team", rules::Team(rb_Red, rb_Blue));
    addRow(tbx_Bob, "Player Bob", user, "", "Bob", rules::FirstN(5));
    addRow(tbx_FOV, "Desired FOV", user, "", "DesiredFOV", rules::FirstN(4));
    addRow(tbx_FOV2, "Default FOV", user, "", "DefaultFOV", rules::FirstN(4));
    addRow(tbx_Total_Unockedl_Char, "Unlocked Characters", user, "", "TotalUnlockedCharacters", rules::Count());

    cb_Character.Click = [this] { showPortrait(cb_Character.text()); };
    tbx_Stat_Name.LostFocus = [this] {
        checkStatsBox(tbx_Stat_Name, "'Stat Name' Must Be At Least 6 Characters Long");
    };
    tbx_Stat_Name.KeyDown = [this](int key) {
        if (key == 13) checkStatsBox(tbx_Stat_Name, "'Stat Name' Must Be At Least 6 Characters Long");
    };
    tbx_Stat_Pass.LostFocus = [this] {
        checkStatsBox(tbx_Stat_Pass, "'Stat Password' Must Be At Least 6 Characters Long");
    };
    tbx_Stat_Pass.KeyDown = [this](int key) {
        if (key == 13) checkStatsBox(tbx_Stat_Pass, "'Stat Password' Must Be At Least 6 Characters Long");
    };
}

std::string PlayerProfile::defaultPicture() const {
    return m_state.ProgramFolder + "Images/Player.jpg";
}

std::string PlayerProfile::portraitPath(const std::string& name) const {
    return m_state.ProgramFolder + "Images/Characters/" + name + ".jpg";
}

void PlayerProfile::showDefaultPicture() {
    m_picture.setFallbackPicture(defaultPicture());
    m_picture.setPicture(defaultPicture());
}

void PlayerProfile::showPortrait(const std::string& name) {
    // The file is named as the list writes the character, so "jakob" from a file finds Jakob.jpg also
    // on file systems that respect letter case. Only listed names reach the disk.
    const std::string* listed = listedCharacter(name);
    if (!listed) return;
    m_picture.setFallbackPicture(defaultPicture());
    m_picture.setPicture(portraitPath(*listed));
}

void PlayerProfile::loadCharacter(const std::string& stored) {
    // An unknown (or missing) character leaves the combo box and the portrait as they were.
    if (!listedCharacter(stored)) return;
    cb_Character.setText(stored);
    showPortrait(stored);
}

void PlayerProfile::checkStatsBox(tk::TextBox& box, const std::string& message) {
    // The message box itself moves the focus; those moves must not check again and stack messages.
    if (m_showingStatsMessage) return;
    if (box.text().size() >= 6) {
        m_form.setFocus(&m_picture);
        return;
    }
    m_showingStatsMessage = true;
    if (m_services.messages) m_services.messages->show(message, tk::MessageButtons::Ok, tk::MessageIcon::None);
    box.setText("");
    m_form.setFocus(&box);
    m_showingStatsMessage = false;
}

} // namespace brevane
