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
    std::string& text = result.text;
    // One buffer of the file's length, filled in one read: growing it piece by piece copies a large
    // file over and over. Reading goes on to the end all the same, for a file that grew meanwhile or
    // whose size could not be asked.
    std::error_code sizeError;
    const std::uintmax_t expected = std::filesystem::file_size(path, sizeError);
    const std::size_t wanted = sizeError ? 0 : static_cast<std::size_t>(expected);
    text.resize(wanted);
    const std::size_t got = wanted > 0 ? std::fread(text.data(), 1, wanted, file) : 0;
    text.resize(got);
    if (got == wanted) {
        char buffer[65536];
        for (;;) {
            const std::size_t more = std::fread(buffer, 1, sizeof buffer, file);
            text.append(buffer, more);
            if (more < sizeof buffer) break;
        }
    }
    int err = std::ferror(file) ? (errno ? errno : EIO) : 0;
    std::fclose(file);
    if (err) return failure(err);
    result.ok = true;
    return result;
}

} // namespace brevane
