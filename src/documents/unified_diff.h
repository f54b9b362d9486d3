#pragma once
// A unified diff of two texts, as `diff -u` prints it, so a dry run shows what a save would change
// without needing any other program.
#include <string>

namespace brevane {

/// The unified diff turning `oldText` into `newText` with `context` unchanged lines around each
/// change; "" when the texts are equal. Lines end at LF; their bytes (CR included) are copied as
/// they are, so the output applies with `patch`. A last line without LF gets the usual
/// "\ No newline at end of file" marker.
std::string unifiedDiff(const std::string& oldName, const std::string& newName, const std::string& oldText,
                        const std::string& newText, int context = 3);

} // namespace brevane
