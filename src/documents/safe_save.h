#pragma once
// Replacing files so that a failure can never leave one half-written or empty: every new content
// goes to a temporary file beside its target first, and only when all of them are safely on disk are
// they renamed over the targets.
#include <string>
#include <vector>

namespace brevane {

struct FileToWrite {
    std::string path;  ///< the file to replace or create
    std::string bytes; ///< its complete new contents
};

struct SaveOutcome {
    bool ok = true;
    std::string file;   ///< when !ok: the path of the file that could not be saved
    std::string reason; ///< when !ok: the operating system's reason, e.g. "Permission denied"
};

/// Writes every file, all or nothing:
/// 1. each new content goes to a temporary file in its target's folder, with the target's
///    permissions (a new file gets the usual ones), and is flushed to disk; the previous contents
///    of each existing target are written the same way for "<target>.bak";
/// 2. only then are the temporaries renamed over the .bak files and the targets.
/// A target that is read-only, not a regular file, or in a missing folder fails the whole save: no
/// target is replaced and no temporary file is left. A symbolic link is followed and its target
/// replaced, so the link stays.
SaveOutcome writeFilesSafely(const std::vector<FileToWrite>& files);

/// The text the program shows for a failed save, naming the file and the reason.
std::string saveFailureMessage(const SaveOutcome& outcome);

} // namespace brevane
