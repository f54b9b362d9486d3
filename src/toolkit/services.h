#pragma once
// What the program asks of the platform beyond its own controls. Qt implements these; tests script
// them. Every text is Windows-1252 bytes, like the rest of the core.
#include <string>

namespace tk {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Question, Warning, Critical };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    /// Shows a modal message box with the caption "Brevane" and blocks until it is answered.
    virtual MessageAnswer show(const std::string& text, MessageButtons buttons, MessageIcon icon) = 0;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    /// The platform's Open / Save As dialogs. `filter` uses the "desc|pattern|desc|pattern" form.
    /// Returns the chosen full path, or "" on cancel or any failure.
    virtual std::string openFile(const std::string& filter, const std::string& defaultExt,
                                 const std::string& initialDir) = 0;
    virtual std::string saveFile(const std::string& filter, const std::string& defaultExt,
                                 const std::string& initialDir) = 0;
};

class ShellService {
public:
    virtual ~ShellService() = default;
    /// Hands a URL ("mailto:...") to the desktop. The result is not looked at.
    virtual void openUrl(const std::string& url) = 0;
};

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    /// Starts `program` as a separate process with no arguments and does not wait for it.
    /// Returns "" on success, otherwise the reason it could not be started.
    virtual std::string start(const std::string& program) = 0;
};

class MediaBackend {
public:
    virtual ~MediaBackend() = default;
    /// Receives a media command ("Open", "Play", "Stop", "Close") with the device's settings.
    /// Never fails outwards: a missing file or device leaves the program silent.
    virtual void command(const std::string& deviceType, const std::string& fileName, const std::string& cmd) = 0;
};

/// The services a window uses; any of them may be null in tests that do not reach them.
struct Services {
    MessageBoxService* messages = nullptr;
    FileDialogService* files = nullptr;
    ShellService* shell = nullptr;
    ProcessLauncher* launcher = nullptr;
    MediaBackend* media = nullptr;
};

} // namespace tk
