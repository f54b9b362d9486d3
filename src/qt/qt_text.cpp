#include "qt/qt_text.h"

#include "documents/windows1252.h"

namespace brevane::qt {

QString toQt(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char b : bytes) out.append(QChar(static_cast<char16_t>(windows1252ToUnicode(b))));
    return out;
}

std::string fromQt(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        int b = unicodeToWindows1252(c.unicode());
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

QColor toQColor(tk::Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

} // namespace brevane::qt
