// The number rules every numeric box shares: reading, testing and printing numbers, whole numbers.
#include <gtest/gtest.h>

#include "settings/number_text.h"

namespace {

using namespace brevane;

TEST(NumberText, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"1.5abc", 1.5}, {"", 0},           {"abc", 0},     {"  42", 42}, {"-3.25", -3.25},  {"+7", 7},
        {"1 2", 12},     {"- 1 . 5", -1.5}, {"1.2.3", 1.2}, {".5", 0.5},  {"5.", 5},         {"-", 0},
        {"2e3", 2000},   {"2E-2x", 0.02},   {"3e", 3},      {"1e+", 1},   {"90.000000", 90}, {"0.012", 0.012},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
}

TEST(NumberText, NumericTestNeedsExactlyOneNumber) {
    for (const char* yes : {"0", "90", " 90 ", "-0.5", "+1", "1.", ".5", "2e3", "1E-2", "-12."})
        EXPECT_TRUE(isNumeric(yes)) << yes;
    for (const char* no : {"", " ", "-", "+", ".", "1.2.3", "90x", "x90", "1 2", "1e", "e5", "--1", "1,5", "- 1"})
        EXPECT_FALSE(isNumeric(no)) << no;
}

TEST(NumberText, PrintsAtMostFifteenSignificantDigitsWithAPoint) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0.1 + 0.2, "0.3"},
        {5, "5"},
        {180, "180"},
        {-0.05, "-0.05"},
        {0.1, "0.1"},
        {1.05, "1.05"},
        {-0.0, "0"},
        {1.0 / 3, "0.333333333333333"},
        {0.999 + 0.001, "1"},
        {0.008333 + 0.001, "0.009333"},
        {123456789012345.0, "123456789012345"},
        {1e20, "1E+20"},
        {2000 + 1000, "3000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, RepeatedTenthsStayShort) {
    std::string text = "0";
    for (int i = 1; i <= 10; ++i)
        text = numberText(leadingNumber(text) + 0.1);
    EXPECT_EQ(text, "1");
    for (int i = 0; i < 3; ++i)
        text = numberText(leadingNumber(text) - 0.1);
    EXPECT_EQ(text, "0.7");
}

TEST(NumberText, WholeNumbersRoundHalfToEvenWithinSixteenBits) {
    struct Case {
        double value;
        int whole;
    } cases[] = {{0.5, 0}, {1.5, 2},     {2.5, 2},     {3.5, 4},       {-2.5, -2},
                 {2.6, 3}, {254.5, 254}, {255.5, 256}, {40000, 32767}, {-40000, -32768}};
    for (const Case& c : cases)
        EXPECT_EQ(wholeNumber16(c.value), c.whole) << c.value;
}

} // namespace
