#include "qt/raw_text.h"

#include "qt/qt_text.h"

namespace brevane::qt {

QString toDisplayText(const std::string& bytes) {
    std::string joined;
    joined.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        joined += bytes[i];
    }
    return toQt(joined);
}

std::string fromDisplayText(const QString& text) {
    std::string bytes = fromQt(text);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (char c : bytes) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

int displayOffset(const std::string& bytes, long offset) {
    long position = 0;
    for (long i = 0; i < offset && i < static_cast<long>(bytes.size()); ++i) {
        if (bytes[static_cast<size_t>(i)] == '\r' && i + 1 < static_cast<long>(bytes.size()) &&
            bytes[static_cast<size_t>(i) + 1] == '\n')
            continue;
        ++position;
    }
    return static_cast<int>(position);
}

long byteOffset(const std::string& bytes, int position) {
    long i = 0;
    const long size = static_cast<long>(bytes.size());
    for (int p = 0; p < position && i < size; ++p) {
        if (bytes[static_cast<size_t>(i)] == '\r' && i + 1 < size && bytes[static_cast<size_t>(i) + 1] == '\n') ++i;
        ++i;
    }
    return i;
}

} // namespace brevane::qt
