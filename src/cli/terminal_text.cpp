#include "cli/terminal_text.h"

#include "documents/windows1252.h"

namespace brevane::cli {

std::string forTerminal(std::string_view text) {
    std::string lf;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
    return windows1252ToUtf8(lf);
}

CoreText fromTerminal(std::string_view utf8) {
    CoreText out;
    out.bytes = utf8ToWindows1252(utf8);
    // A character the code page lacks became "?"; converting back shows it.
    out.representable = windows1252ToUtf8(out.bytes) == utf8;
    return out;
}

} // namespace brevane::cli
