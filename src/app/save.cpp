// Module Save: the save sequence shared by File > Save and Play > Play UT2004.
#include "app/ini.h"
#include "documents/writer.h"
#include "toolkit/check_box.h"

namespace brevane {

namespace {
bool checkedByName(const tk::Form& form, const char* name) {
    auto* box = dynamic_cast<const tk::CheckBox*>(form.find(name));
    return box && box->checked();
}
} // namespace

WriterInputs INI::writerInputs() const {
    WriterInputs inputs;
    inputs.quietMenuMissing = state.QuietMenuMissing;
    // "Quiet Menu" and its neighbour belong to the switches page; they are found by name so the
    // writer does not depend on that page being built.
    inputs.quietMenuChecked = checkedByName(form, "c_Hud(8)");
    inputs.noToolTipsChecked = checkedByName(form, "c_Hud(9)");
    inputs.textToSpeechAliases = RTB_TextToSpeechAlias.text();
    inputs.aliases = RTB_Aliases.text();
    return inputs;
}

bool INI::saveDocuments() {
    if (!state.documentsLoaded) {
        // After a failed load the documents are empty: writing them would empty the real files.
        message("Nothing was saved: User.ini and UT2004.ini could not be loaded from\r\n\r\n    " +
                    state.SystemFolder +
                    "\r\n\r\nso saving now would replace the files with empty ones. Load them first with "
                    "File > Open or File > New.",
                tk::MessageButtons::Ok, tk::MessageIcon::Warning);
        return false;
    }
    if (state.DefaultsLoaded) {
        // The default copies were only a starting point: they are saved into the installation.
        state.SystemFolder = state.InstalledSystemFolder;
        state.DefaultsLoaded = false;
    }
    CollectSettings();
    const SaveOutcome outcome = WriteDocuments(state.SystemFolder, state.userIni, state.gameIni, writerInputs());
    if (!outcome.ok) {
        message(saveFailureMessage(outcome), tk::MessageButtons::Ok, tk::MessageIcon::Critical);
        return false;
    }
    return true;
}

} // namespace brevane
