#pragma once
#include <string>

namespace brevane {

/// The outcome of reading a whole file.
struct FileText {
    bool ok = false;
    std::string text;  ///< the file's bytes, unchanged (CR, LF and NUL included)
    std::string error; ///< when !ok: the operating system's reason, e.g. "No such file or directory"
};

/// Reads the whole file at `path` as bytes (ReadFile). A file of length zero gives ok with "".
/// A missing file, a directory, or no read access gives !ok with the reason.
FileText ReadFile(const std::string& path);

} // namespace brevane
