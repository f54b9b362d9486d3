#pragma once
// The two alias lists of User.ini, edited as free text: the text-to-speech aliases (key "Aliases")
// and the command aliases (keys "Aliases[n]"). The full load fills the boxes from the User.ini
// document; the writer puts each box's whole text back in place of the lines it came from.
#include <string>

#include "documents/config_document.h"
#include "toolkit/command_button.h"
#include "toolkit/form.h"
#include "toolkit/rich_text_box.h"

namespace brevane {

/// The line the "Add A New Text To Speech Alias" button puts at the top of its box.
inline constexpr const char *kSpeechAliasTemplate = "Aliases=(MatchWords=(\"\"),ReplaceWord=\"\")";
/// The value of an unused command alias slot; such lines are not shown.
inline constexpr const char *kEmptyCommandAlias = "(Command=,Alias=)";

/// The text-to-speech alias lines of `doc` (key "Aliases", any letter case), each as key=value,
/// joined by CR LF with none after the last.
std::string speechAliasText(const ConfigDocument &doc);
/// The command alias lines of `doc` (key containing "liases[", any letter case) other than the
/// unused slots, each as key=value, joined by CR LF with none after the last.
std::string commandAliasText(const ConfigDocument &doc);

/// The alias tabs' controls and handlers. The two boxes belong to the main window; the buttons,
/// labels and their Click handlers live here.
class AliasPages {
public:
    AliasPages(tk::Form &form, tk::RichTextBox &RTB_TextToSpeechAlias, tk::RichTextBox &RTB_Aliases);

    /// Fills both boxes from the User.ini document (the boxes were emptied earlier in the load).
    void load(const ConfigDocument &userIni);

    tk::CommandButton cb_TxTAlias_Add;
    tk::CommandButton cb_Aliases;
    tk::Label speechCaption;  ///< "Label15(2)"
    tk::Label aliasesCaption; ///< "Label15(3)"

private:
    void addSpeechAlias();
    void addCommandAlias();

    tk::Form &m_form;
    tk::RichTextBox &m_speech;
    tk::RichTextBox &m_aliases;
};

} // namespace brevane
