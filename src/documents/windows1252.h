#pragma once
// The game's files are single-byte Windows-1252. The core keeps bytes; these convert at the edges
// (the GUI, JSON output), losslessly for all 256 byte values: the five bytes Windows-1252 leaves
// undefined map to the C1 controls U+0081, U+008D, U+008F, U+0090 and U+009D and back.
#include <string>
#include <string_view>

namespace brevane {

/// Unicode code point of one Windows-1252 byte.
char32_t windows1252ToUnicode(unsigned char byte);
/// The byte for a code point, or -1 when Windows-1252 has none.
int unicodeToWindows1252(char32_t cp);

/// Windows-1252 bytes to UTF-8.
std::string windows1252ToUtf8(std::string_view bytes);
/// UTF-8 to Windows-1252; characters without a byte become '?'. Invalid UTF-8 bytes are taken as
/// Windows-1252 bytes themselves, so nothing is dropped.
std::string utf8ToWindows1252(std::string_view utf8);

} // namespace brevane
