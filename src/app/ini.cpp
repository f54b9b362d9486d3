#include "app/ini.h"

#include "documents/read_file.h"

namespace brevane {

const char* const kTabCaptions[12] = {"Player Settings", "Bind Keys",  "&Communication / Hud", " Weapons Priority",
                                      "Weapons 1",       "Weapons 2",  "Video",                "Audio / Misc",
                                      "User.INI",        "UT2004.INI", "Text Alias",           "Aliases"};

INI::INI(tk::Services services_, std::string programFolder)
    : services(services_), pb_Player(form, "pb_Player"), RTB_User(form, "RTB_User"),
      RTB_TextToSpeechAlias(form, "RTB_TextToSpeechAlias"), RTB_Aliases(form, "RTB_Aliases"),
      aliasPages(form, RTB_TextToSpeechAlias, RTB_Aliases),
      mmcMP3(services.media), pages(form, state, pb_Player, services),
      rawPages(form, RTB_User, state, services) {
    state.ProgramFolder = std::move(programFolder);
    pages.playerProfile.showDefaultPicture();
    pages.weaponPriority.showStartPictures();
    pages.weaponSettings.showFramePictures();
    RTB_User.add(0);
    RTB_User.add(1);
}

INI::~INI() = default;

tk::MessageAnswer INI::message(const std::string& text, tk::MessageButtons buttons, tk::MessageIcon icon) {
    if (!services.messages) return buttons == tk::MessageButtons::YesNo ? tk::MessageAnswer::No : tk::MessageAnswer::Ok;
    return services.messages->show(text, buttons, icon);
}

void INI::Form_Load(const LocateResult& found) {
    state.DefaultsLoaded = false;
    selectedTab = 0;
    state.SystemFolder = found.SystemFolder;
    state.InstalledSystemFolder = found.InstalledSystemFolder;
    state.GamePath = found.GamePath;
    state.sandbox = found.sandbox;
    if (found.sandbox) message(installationNotFoundMessage(found), tk::MessageButtons::Ok, tk::MessageIcon::Warning);
    Load_INI_Form();
}

void INI::Load_INI_Form() {
    const std::string userPath = state.SystemFolder + "User.ini";
    const std::string gamePath = state.SystemFolder + "UT2004.ini";
    FileText user = ReadFile(userPath);
    FileText game = user.ok ? ReadFile(gamePath) : FileText{};
    if (!user.ok || !game.ok) {
        // Nothing may be saved from here on: a save would write empty files over the real ones.
        state.documentsLoaded = false;
        state.userIni.clear();
        state.gameIni.clear();
        fillRawPages({}, {});
        const std::string& failed = user.ok ? gamePath : userPath;
        message("Brevane could not read the file\r\n\r\n    " + failed + "\r\n\r\n" +
                    (user.ok ? game.error : user.error) +
                    "\r\n\r\nNothing was loaded, and nothing will be saved until both files can be read.",
                tk::MessageButtons::Ok, tk::MessageIcon::Warning);
        return;
    }
    loadTexts(user.text, game.text);
}

void INI::loadTexts(const std::string& userText, const std::string& gameText) {
    state.userIni.load(userText);
    state.gameIni.load(gameText);
    state.documentsLoaded = true;
    fillRawPages(userText, gameText);
    aliasPages.load(state.userIni);
    for (SettingsStep* step : pages.loadOrder()) step->load();
}

void INI::fillRawPages(const std::string& userText, const std::string& gameText) {
    RTB_User[0].setText("");
    RTB_User[1].setText("");
    RTB_TextToSpeechAlias.setText("");
    RTB_Aliases.setText("");
    RTB_User[0].setText(userText);
    RTB_User[1].setText(gameText);
}

void INI::CollectSettings() {
    for (SettingsStep* step : pages.loadOrder()) step->collect();
}

std::string INI::caption() const {
    // The sandbox never moves, so the caption stays true whatever File > New or Open load.
    if (state.sandbox) return "Brevane - " + state.InstalledSystemFolder + " (sandbox copy of the default files)";
    return "Brevane";
}

std::string INI::musicFile() const { return state.ProgramFolder + "Music/Brevane Menu Music.mp3"; }

void INI::StartMenuMusic() {
    mmcMP3.DeviceType = "MPEGVideo";
    mmcMP3.FileName = musicFile();
    mmcMP3.setCommand("Open");
    mmcMP3.setCommand("Play");
}

void INI::Form_Unload() {
    mmcMP3.setCommand("Stop");
    mmcMP3.setCommand("Close");
}

} // namespace brevane
