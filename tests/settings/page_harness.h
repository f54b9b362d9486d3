#pragma once
// A main window model without a display for the page tests: documents from inline text, a message box
// that records what it was asked to show, and the lines as the writer would emit them.
#include <string>
#include <vector>

#include "app/ini.h"
#include "documents/config_document.h"
#include "toolkit/services.h"

namespace settings_test {

class RecordingMessages : public tk::MessageBoxService {
public:
    tk::MessageAnswer show(const std::string &text, tk::MessageButtons, tk::MessageIcon) override {
        shown.push_back(text);
        return tk::MessageAnswer::Ok;
    }
    std::vector<std::string> shown;
};

struct PageHarness {
    RecordingMessages messages;
    brevane::INI ini{tk::Services{&messages}, "/program/"};

    /// Puts the texts into the documents the way a full load reads them.
    void open(const std::string &userText, const std::string &gameText = {}) {
        ini.state.userIni.load(userText);
        ini.state.gameIni.load(gameText);
        ini.state.documentsLoaded = true;
    }
};

/// The lines of `doc` as written: key=value for key lines, the rest as read.
inline std::vector<std::string> writtenLines(const brevane::ConfigDocument &doc) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < doc.lineCount(); ++i)
        out.push_back(doc.kinds[i] == brevane::LineKind::KeyValue ? doc.keys[i] + "=" + doc.values[i]
                                                                  : doc.lines[i]);
    return out;
}

} // namespace settings_test
