#pragma once
// Raw file texts in a text editor: the file keeps CR LF between lines, the editor shows plain line
// breaks. These convert the text and map selection offsets between the two forms.
#include <QString>
#include <string>

namespace brevane::qt {

/// Windows-1252 bytes with CR LF line ends to the editor's text (CR LF becomes one line break).
QString toDisplayText(const std::string& bytes);
/// The editor's text back to bytes with CR LF line ends.
std::string fromDisplayText(const QString& text);
/// Position in the editor's text of byte offset `offset` of `bytes`.
int displayOffset(const std::string& bytes, long offset);
/// Byte offset in `bytes` of editor position `position`.
long byteOffset(const std::string& bytes, int position);

} // namespace brevane::qt
