#include "documents/read_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace brevane {

namespace {
FileText failure(int err) {
    return FileText{false, {}, std::strerror(err)};
}
} // namespace

FileText ReadFile(const std::string& path) {
    std::error_code ec;
    // Some platforms open a folder for reading without complaint; say what it is.
    if (std::filesystem::is_directory(path, ec)) return failure(EISDIR);

    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return failure(errno ? errno : ENOENT);

    FileText result;
    char buffer[65536];
    for (;;) {
        std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        result.text.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    int err = std::ferror(file) ? (errno ? errno : EIO) : 0;
    std::fclose(file);
    if (err) return failure(err);
    result.ok = true;
    return result;
}

} // namespace brevane
