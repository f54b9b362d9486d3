#pragma once
// Scripted stand-ins for the platform services: they record what the program asked for and answer
// from a script, so window handlers run headless.
#include <deque>
#include <string>
#include <vector>

#include "toolkit/services.h"

namespace testing_support {

struct RecordingMessages : tk::MessageBoxService {
    struct Shown {
        std::string text;
        tk::MessageButtons buttons;
        tk::MessageIcon icon;
    };
    std::vector<Shown> shown;
    std::deque<tk::MessageAnswer> answers; ///< next answers; Ok (or No for Yes/No) when empty
    tk::MessageAnswer show(const std::string &text, tk::MessageButtons buttons, tk::MessageIcon icon) override {
        shown.push_back({text, buttons, icon});
        if (answers.empty())
            return buttons == tk::MessageButtons::YesNo ? tk::MessageAnswer::No : tk::MessageAnswer::Ok;
        tk::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct RecordingFiles : tk::FileDialogService {
    std::string nextPath; ///< what the next dialog returns ("" = cancelled)
    std::vector<std::string> initialDirs;
    std::string openFile(const std::string &, const std::string &, const std::string &initialDir) override {
        initialDirs.push_back(initialDir);
        return nextPath;
    }
    std::string saveFile(const std::string &, const std::string &, const std::string &initialDir) override {
        initialDirs.push_back(initialDir);
        return nextPath;
    }
};

struct RecordingShell : tk::ShellService {
    std::vector<std::string> urls;
    void openUrl(const std::string &url) override { urls.push_back(url); }
};

struct RecordingLauncher : tk::ProcessLauncher {
    std::vector<std::string> started;
    std::string failure; ///< returned by start(); "" = started
    std::string start(const std::string &program) override {
        started.push_back(program);
        return failure;
    }
};

struct RecordingMedia : tk::MediaBackend {
    struct Command {
        std::string deviceType, fileName, cmd;
    };
    std::vector<Command> commands;
    void command(const std::string &deviceType, const std::string &fileName, const std::string &cmd) override {
        commands.push_back({deviceType, fileName, cmd});
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const Command &c : commands)
            out.push_back(c.cmd);
        return out;
    }
};

} // namespace testing_support
