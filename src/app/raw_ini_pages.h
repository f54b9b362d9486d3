#pragma once
// The two raw-text pages of the main window ("User.INI" and "UT2004.INI"): index 0 shows User.ini,
// index 1 UT2004.ini. Each page searches its text, jumps to a listed section header and saves its
// text under any name. They stand beside the documents: nothing typed here reaches a save.
#include "app/app_state.h"
#include "toolkit/combo_box.h"
#include "toolkit/command_button.h"
#include "toolkit/control_array.h"
#include "toolkit/rich_text_box.h"
#include "toolkit/services.h"
#include "toolkit/text_box.h"

namespace brevane {

class RawIniPages {
public:
    /// `RTB_User` holds the two page texts; `services` is read at each use (tests swap it).
    RawIniPages(tk::Form &form, tk::ControlArray<tk::RichTextBox> &RTB_User, const AppState &state,
                const tk::Services &services);

    tk::ControlArray<tk::Label> Label15;                 ///< "User.ini" / "UT2004.ini"
    tk::ControlArray<tk::Label> Label14;                 ///< "Jump To Section"
    tk::ControlArray<tk::ComboBox> cbx_Search_UserINI;   ///< the fixed section lists
    tk::ControlArray<tk::TextBox> tbxSearch;             ///< the search text, empty at start
    tk::ControlArray<tk::CommandButton> cbSearch;        ///< "SEARCH"
    tk::ControlArray<tk::CommandButton> cb_SaveUserText; ///< "S A V E"

    /// Searches page `i` for `s` from the start of its text. Found: the text box takes the focus and
    /// the occurrence is selected. Not found: returns false (the caller clears its source and says so).
    bool search(int i, const std::string &s);

    void cbSearch_Click(int i);
    void tbxSearch_KeyPress(int i, int charCode);
    void cbx_Search_UserINI_Click(int i);
    /// Saves page `i`'s text plus one CR LF under a name picked in the Save As dialog. A file that
    /// cannot be written is named in a message with the reason; nothing else changes either way.
    void cb_SaveUserText_Click(int i);

private:
    void notFound();
    tk::Form &m_form;
    tk::ControlArray<tk::RichTextBox> &m_text;
    const AppState &m_state;
    const tk::Services &m_services;
};

} // namespace brevane
