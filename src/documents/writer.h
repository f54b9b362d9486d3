#pragma once
// Module SaveToFile: rebuilds User.ini and UT2004.ini from the documents, one written line per
// document line, so every line the program does not manage comes back as it was.
#include <string>

#include "documents/config_document.h"
#include "documents/safe_save.h"

namespace brevane {

/// What the User.ini writer takes from outside the document.
struct WriterInputs {
    bool quietMenuMissing = false;   ///< QuietMenuMissing: the loaded User.ini gave bQuietMenu no value
    bool quietMenuChecked = false;   ///< c_Hud(8), "Quiet Menu"
    bool noToolTipsChecked = false;  ///< c_Hud(9)
    std::string textToSpeechAliases; ///< the text of RTB_TextToSpeechAlias (lines joined by CR LF)
    std::string aliases;             ///< the text of RTB_Aliases (lines joined by CR LF)
};

/// The bytes of User.ini. Every written line ends in CR LF. In document order:
/// - the header "[XInterface.GUIController]" (exact), when quietMenuMissing, is followed by
///   "bQuietMenu=" and "bNoToolTips=" with "True"/"False" from the two check boxes;
/// - the first line whose key is "Aliases" becomes the text-to-speech alias text, the first whose key
///   contains "liases[" the alias text; later such lines are dropped. Letter case is ignored, as the
///   alias pages ignore it when they load these lines: a line the pages show is written once, in its
///   block, and a file does not grow by a copy of it at every save;
/// - lines with an empty key are written blank, only the first of a run of them;
/// - header lines are written from their key; a line without "=" (LineKind::Verbatim) as it was read,
///   unless a value was stored into it, then as key=value; every other line as key=value.
/// The alias blocks and the QuietMenu header leave the blank-line run as it was: a blank line right
/// after them is dropped when a blank line came right before them. An alias block whose page is
/// empty is a blank line, written under the blank-line rule.
std::string renderUserIni(const ConfigDocument& doc, const WriterInputs& inputs);

/// The bytes of UT2004.ini: the blank-line, header, verbatim and key=value rules above.
std::string renderGameIni(const ConfigDocument& doc);

/// WriteDocuments: renders both files and writes them safely into `systemFolder` (which ends in a
/// separator) as "User.ini" and "UT2004.ini", keeping the previous versions as .bak files. On
/// failure neither file changes and the result names the file and the reason.
SaveOutcome WriteDocuments(const std::string& systemFolder, const ConfigDocument& userIni,
                           const ConfigDocument& gameIni, const WriterInputs& inputs);

} // namespace brevane
