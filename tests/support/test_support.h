#pragma once
// Small helpers shared by the tests: temporary folders, whole-file reads and writes, fixtures.
#include <filesystem>
#include <string>

namespace testing_support {

/// A fresh empty folder under the system's temporary folder, removed with everything in it when the
/// object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    /// The folder as text with a trailing separator, the way the program keeps its folders.
    std::string folder() const { return m_path.string() + "/"; }

private:
    std::filesystem::path m_path;
};

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
/// A file under tests/data.
std::filesystem::path fixture(const std::string& relative);
/// The bundled assets folder of the source tree.
std::filesystem::path assetsDir();
/// Joins lines with CR LF after every line, the way the game's files look.
std::string crlf(std::initializer_list<std::string> lines);

} // namespace testing_support
