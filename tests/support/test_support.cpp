#include "support/test_support.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace testing_support {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("brevane-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests may have made parts read-only; give rights back so everything can go.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::filesystem::path fixture(const std::string& relative) { return std::filesystem::path(BREVANE_TEST_DATA) / relative; }

std::filesystem::path assetsDir() { return BREVANE_ASSETS; }

std::string crlf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}

} // namespace testing_support
