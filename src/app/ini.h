#pragma once
// The main window `INI` as a model: every control of the window, the program-wide state and the
// window's handlers (load, menu commands). The Qt view mirrors it; tests and brevane-cli drive it
// without a display.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/alias_pages.h"
#include "app/app_state.h"
#include "app/pages.h"
#include "app/raw_ini_pages.h"
#include "documents/installation.h"
#include "documents/writer.h"
#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/media_device.h"
#include "toolkit/picture_box.h"
#include "toolkit/rich_text_box.h"
#include "toolkit/services.h"

namespace brevane {

/// The twelve tab captions in tab order ("&" marks the access key).
extern const char* const kTabCaptions[12];

class INI {
public:
    /// `programFolder` holds Default/, Images/ and Music/ and ends with a separator.
    INI(tk::Services services, std::string programFolder);
    ~INI();

    tk::Form form;
    AppState state;
    tk::Services services;

    /// Where the window parks the keyboard focus; shows the chosen character's portrait.
    tk::PictureBox pb_Player;
    /// The raw texts: index 0 User.ini, index 1 UT2004.ini.
    tk::ControlArray<tk::RichTextBox> RTB_User;
    tk::RichTextBox RTB_TextToSpeechAlias;
    tk::RichTextBox RTB_Aliases;
    /// The buttons and captions of the "Text Alias" and "Aliases" tabs.
    AliasPages aliasPages;
    /// The hidden media player of the menu music.
    tk::MediaDevice mmcMP3;
    /// The tab shown (0..11).
    int selectedTab = 0;

    Pages pages;
    /// The search, jump and save controls of the two raw-text tabs.
    RawIniPages rawPages;

    /// The window's Load handler: selects the first tab, takes the installation's paths and runs the
    /// full load. Says once, in a message box, when no installation was found and a sandbox is used.
    void Form_Load(const LocateResult& found);
    /// The full load: reads both files from SystemFolder, fills the raw pages and every control.
    /// When a file cannot be read it says which and why, and marks the documents as not loaded.
    void Load_INI_Form();
    /// The full load from the two files' bytes, already read (the second half of Load_INI_Form).
    void loadTexts(const std::string& userText, const std::string& gameText);
    /// Stores every managed control into the documents, page by page in load order.
    void CollectSettings();
    /// The save sequence of File > Save and Play > Play UT2004: back to the installation's folder
    /// after File > New, CollectSettings, then both files written safely. A failure, and a save while
    /// nothing is loaded, is told in a message box naming the file and the reason; a success shows
    /// nothing. Returns whether both files were written.
    bool saveDocuments();
    /// What the writer takes from the window besides the documents: the alias texts and the states
    /// of "Quiet Menu" (c_Hud(8)) and c_Hud(9).
    WriterInputs writerInputs() const;

    /// What File > Save would change now, found without writing anything and without changing the
    /// documents: the same collect and writer run on copies, compared with the files on disk in the
    /// folder Save would write to.
    struct PendingChanges {
        bool ok = false;           ///< false when nothing is loaded or a file on disk cannot be read
        std::string error;         ///< why, when not ok
        std::string folder;        ///< the folder Save would write to
        std::string diff;          ///< unified diff of both files ("a/User.ini" -> "b/User.ini"), "" if none
        std::string userBytes;     ///< what the save would write into User.ini
        std::string gameBytes;     ///< what the save would write into UT2004.ini
    };
    PendingChanges pendingChanges();

    /// The window caption: "Brevane", plus the edited folder when it is a sandbox copy.
    std::string caption() const;

    /// Asks the view to close the main window (File ▸ Exit, Play ▸ Play UT2004).
    std::function<void()> requestClose;
    /// The main window's Unload handler: stops and closes the music.
    void Form_Unload();

    // Menu commands (File, Music, Play, Help).
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void frmFileSave_Click();
    /// File > Review Changes: hands what File > Save would change now to the view (`showReview`);
    /// when that cannot be told (nothing loaded, a file on disk unreadable) says why in a message box.
    void mnuFileReview_Click();
    /// Asks the view to show the pending changes of File > Review Changes.
    std::function<void(const PendingChanges&)> showReview;
    void mnuFileExit_Click();
    void mnuPlay_Click();
    void mnuStop_Click();
    void mnuPlayUT2k4_Click();
    void mnuAbout_Click();
    /// Asks the view to open the About window (Help ▸ About).
    std::function<void()> showAbout;
    /// True from Help ▸ About until the About window has closed; a second Help ▸ About does nothing.
    bool aboutOpen = false;
    /// The view says the About window has closed (OK).
    void frmAbout_Unload() { aboutOpen = false; }

    /// The menu music at start: device type, file name, "Open", "Play". It plays once.
    void StartMenuMusic();
    /// Music/Brevane Menu Music.mp3 in the program folder.
    std::string musicFile() const;

    /// Shows a message box with the caption "Brevane"; a no-op without a message service.
    tk::MessageAnswer message(const std::string& text, tk::MessageButtons buttons = tk::MessageButtons::Ok,
                              tk::MessageIcon icon = tk::MessageIcon::None);

private:
    void fillRawPages(const std::string& userText, const std::string& gameText);
};

} // namespace brevane
