#include "documents/read_file.h"

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

} // namespace
} // namespace brevane
