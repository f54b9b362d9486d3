#include "documents/read_file.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace brevane {
namespace {

using testing_support::TempDir;
using testing_support::writeBytes;

TEST(ReadFile, ReturnsEveryByteUnchanged) {
    TempDir dir;
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    all += "\r\n\0\r\n"; // NUL, CR and LF are bytes like any other
    writeBytes(dir.path() / "all.ini", all);
    FileText read = ReadFile((dir.path() / "all.ini").string());
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.text, all);
}

TEST(ReadFile, EmptyFileIsAnEmptyText) {
    TempDir dir;
    writeBytes(dir.path() / "empty.ini", "");
    FileText read = ReadFile((dir.path() / "empty.ini").string());
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.text, "");
}

TEST(ReadFile, FailuresCarryTheSystemReason) {
    TempDir dir;
    writeBytes(dir.path() / "plain", "x");
    struct Case {
        std::string path;
        std::string reason;
    } cases[] = {
        {dir.folder() + "User.ini", "No such file or directory"},
        {dir.folder() + "missing/User.ini", "No such file or directory"},
        {dir.folder() + "plain/User.ini", "Not a directory"},
        {dir.path().string(), "Is a directory"},
    };
    for (const auto& c : cases) {
        FileText read = ReadFile(c.path);
        EXPECT_FALSE(read.ok) << c.path;
        EXPECT_EQ(read.error, c.reason) << c.path;
        EXPECT_EQ(read.text, "");
    }
}

TEST(ReadFile, ReadsPastTheSizeTheSystemReports) {
    // Files under /proc report a size of 0 and still have contents; a file can also grow after its
    // size was asked. Either way the whole text is read.
    if (!std::filesystem::exists("/proc/self/status")) GTEST_SKIP() << "no /proc";
    FileText read = ReadFile("/proc/self/status");
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.text.rfind("Name:", 0), 0u);
    EXPECT_NE(read.text.find("\nPid:"), std::string::npos);
}

TEST(ReadFile, ReadsALargeFileWhole) {
    TempDir dir;
    std::string big;
    for (int i = 0; i < 40000; ++i) big += "Key" + std::to_string(i) + "=" + std::string(i % 37, 'v') + "\r\n";
    writeBytes(dir.path() / "big.ini", big);
    FileText read = ReadFile((dir.path() / "big.ini").string());
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.text, big);
}

} // namespace
} // namespace brevane
