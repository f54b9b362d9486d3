#include "documents/windows1252.h"

#include <gtest/gtest.h>

namespace brevane {
namespace {

TEST(Windows1252, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(unicodeToWindows1252(windows1252ToUnicode(static_cast<unsigned char>(b))), b) << b;
}

TEST(Windows1252, MapsTheHighControlsAndTheUndefinedFive) {
    struct Case {
        unsigned char byte;
        char32_t cp;
    } cases[] = {{0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
                 {0x9D, 0x009D}, {0x9F, 0x0178}, {0x92, 0x2019}, {0xE9, 0x00E9}, {0x1B, 0x001B}};
    for (const auto& c : cases)
        EXPECT_EQ(windows1252ToUnicode(c.byte), c.cp) << int(c.byte);
}

TEST(Windows1252, Utf8WithoutAByteOrInvalidIsHandledWithoutLoss) {
    struct Case {
        std::string utf8;
        std::string bytes;
    } cases[] = {
        {"\xE2\x82\xAC", "\x80"},   // euro sign
        {"caf\xC3\xA9", "caf\xE9"}, // e acute
        {"\xE2\x98\x83", "?"},      // snowman: no Windows-1252 byte
        {"\xF0\x9F\x98\x80", "?"},  // outside the BMP
        {"a\xE9z", "a\xE9z"},       // not UTF-8: the byte is kept as it is
        {"\xC3", "\xC3"},           // truncated sequence
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8ToWindows1252(c.utf8), c.bytes) << c.utf8;
}

} // namespace
} // namespace brevane
