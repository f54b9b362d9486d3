#pragma once
// Scripted stand-ins for the platform services: they record what the program asked and answer
// from a queue the test fills (the way a person would have answered).
#include <deque>
#include <string>
#include <vector>

#include "toolkit/services.h"

namespace testing_support {

struct ScriptedMessages : tk::MessageBoxService {
    struct Shown {
        std::string text;
        tk::MessageButtons buttons;
        tk::MessageIcon icon;
    };
    std::vector<Shown> shown;
    std::deque<tk::MessageAnswer> answers; ///< empty: Ok / No
    tk::MessageAnswer show(const std::string& text, tk::MessageButtons buttons, tk::MessageIcon icon) override {
        shown.push_back({text, buttons, icon});
        if (!answers.empty()) {
            auto a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == tk::MessageButtons::YesNo ? tk::MessageAnswer::No : tk::MessageAnswer::Ok;
    }
};

struct ScriptedFileDialogs : tk::FileDialogService {
    struct Asked {
        bool save;
        std::string filter, defaultExt, initialDir;
    };
    std::vector<Asked> asked;
    std::vector<std::string> initialDirs;  ///< the folder each dialog started in
    std::deque<std::string> answers;       ///< the next answers, one per dialog
    std::string nextPath;                  ///< the answer once `answers` is used up ("" = cancel)
    std::string next() {
        initialDirs.push_back(asked.back().initialDir);
        if (answers.empty()) return nextPath;
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string openFile(const std::string& f, const std::string& e, const std::string& d) override {
        asked.push_back({false, f, e, d});
        return next();
    }
    std::string saveFile(const std::string& f, const std::string& e, const std::string& d) override {
        asked.push_back({true, f, e, d});
        return next();
    }
};

struct RecordingShell : tk::ShellService {
    std::vector<std::string> urls;
    void openUrl(const std::string& url) override { urls.push_back(url); }
};

struct RecordingLauncher : tk::ProcessLauncher {
    std::vector<std::string> started;
    std::string failure; ///< non-empty: every start fails with this reason
    std::string start(const std::string& program) override {
        started.push_back(program);
        return failure;
    }
};

struct RecordingMedia : tk::MediaBackend {
    struct Command {
        std::string deviceType, fileName, cmd;
    };
    std::vector<Command> commands;
    void command(const std::string& deviceType, const std::string& fileName, const std::string& cmd) override {
        commands.push_back({deviceType, fileName, cmd});
    }
    /// Just the commands, in order.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const Command& c : commands) out.push_back(c.cmd);
        return out;
    }
};

// Older names of the same stand-ins.
using RecordingMessages = ScriptedMessages;
using RecordingFiles = ScriptedFileDialogs;

/// All of them, ready to hand to a window as tk::Services.
struct ScriptedServices {
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    RecordingShell shell;
    RecordingLauncher launcher;
    RecordingMedia media;
    tk::Services services() { return {&messages, &files, &shell, &launcher, &media}; }
};

} // namespace testing_support
