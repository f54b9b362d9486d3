#include "documents/config_document.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace brevane {
namespace {

using testing_support::crlf;

TEST(SplitLines, CutsAtCrLfOnly) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a", ""}},
        {"\r\n", {"", ""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a=1\nb=2\n", {"a=1\nb=2\n"}}, // LF alone is not a break: one line
        {"a\rb\r\r\nc", {"a\rb\r", "c"}},
        {std::string("x\0y\r\nz", 6), {std::string("x\0y", 3), "z"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitLines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(ConfigDocument, ClassifiesEachLine) {
    struct Case {
        std::string line;
        LineKind kind;
        std::string key;
        std::string value;
    } cases[] = {
        {"[Engine.Input]", LineKind::Header, "[Engine.Input]", ""},
        {"Key=[Value]", LineKind::Header, "Key=[Value]", ""}, // its first "]" is its last character
        {"Ends]", LineKind::Header, "Ends]", ""},
        {"", LineKind::Empty, "", ""},
        {"Aliases[0]=(Command=,Alias=)", LineKind::KeyValue, "Aliases[0]", "(Command=,Alias=)"},
        {"A=B=C", LineKind::KeyValue, "A", "B=C"},
        {"=rest", LineKind::KeyValue, "", "rest"},
        {"Name = Player", LineKind::KeyValue, "Name ", " Player"},
        {";RenderDevice=OpenGLDrv.OpenGLRenderDevice", LineKind::KeyValue, ";RenderDevice",
         "OpenGLDrv.OpenGLRenderDevice"},
        {"Key=", LineKind::KeyValue, "Key", ""},
        {"; a comment without an equals sign", LineKind::Verbatim, "; a comment without an equals sign", ""},
        {"[Engine.Input] ; remark", LineKind::Verbatim, "[Engine.Input] ; remark", ""},
        {"   ", LineKind::Verbatim, "   ", ""},
    };
    for (const auto& c : cases) {
        ConfigDocument doc;
        doc.load(c.line + "\r\nnext=1");
        ASSERT_EQ(doc.lineCount(), 2u);
        EXPECT_EQ(doc.kinds[0], c.kind) << c.line;
        EXPECT_EQ(doc.keys[0], c.key) << c.line;
        EXPECT_EQ(doc.values[0], c.value) << c.line;
    }
}

TEST(ConfigDocument, FileWithLfEndingsIsOneLineAndFindsNothing) {
    ConfigDocument doc;
    doc.load("[Engine.Input]\nbPlayerShadows=True\nName=Player\n");
    ASSERT_EQ(doc.lineCount(), 1u);
    EXPECT_EQ(doc.keys[0], "[Engine.Input]\nbPlayerShadows");
    EXPECT_EQ(GetVal(doc, "Name"), "");
    EXPECT_EQ(GetVal(doc, "bPlayerShadows"), "");
}

// One document for all the lookup tables; the line numbers are in the comments.
ConfigDocument lookupDocument() {
    ConfigDocument doc;
    doc.load(crlf({
        "OnlyBefore=early",         // 0
        "[Engine.Input]",           // 1
        "bPlayerShadows=True",      // 2
        "Name = Player",            // 3
        "Dup=first",                // 4
        "Dup=second",               // 5
        "[WinDrv.WindowsClient]",   // 6
        "Other=1",                  // 7
        "[D3DDrv.D3DRenderDevice]", // 8
        "DesiredRefreshRate=75",    // 9
        "[Late]",                   // 10
        "; no equals sign here",    // 11
    }));
    return doc;
}

TEST(Lookups, GetValIgnoresCaseAndTakesTheFirstMatch) {
    const ConfigDocument doc = lookupDocument();
    struct Case {
        std::string key;
        std::string value;
    } cases[] = {
        {"bplayershadows", "True"}, {"BPLAYERSHADOWS", "True"}, {"Name", ""},    {"Name ", " Player"},
        {"Dup", "first"},           {"OnlyBefore", "early"},    {"Missing", ""}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetVal(doc, c.key), c.value) << c.key;
}

TEST(Lookups, GetVal2SearchesFromTheHeaderToTheEnd) {
    const ConfigDocument doc = lookupDocument();
    struct Case {
        std::string key;
        std::string header;
        std::string value;
    } cases[] = {
        {"Other", "[WinDrv.WindowsClient]", "1"},
        {"DesiredRefreshRate", "[WinDrv.WindowsClient]", "75"}, // runs past the end of the section
        {"DesiredRefreshRate", "[windrv.windowsclient]", "75"}, // header compared ignoring case
        {"desiredrefreshrate", "[WinDrv.WindowsClient]", "75"},
        {"DesiredRefreshRate", "[NoSuchSection]", ""},
        {"OnlyBefore", "[Engine.Input]", ""}, // a key before its header is not seen
        {"Dup", "[Engine.Input]", "first"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetVal2(doc, c.key, c.header), c.value) << c.key << " " << c.header;
}

TEST(Lookups, FindKeyComparesExactlyAndTellsNotFoundFromLineZero) {
    const ConfigDocument doc = lookupDocument();
    struct Case {
        std::string key;
        std::optional<std::size_t> index;
    } cases[] = {
        {"OnlyBefore", 0}, {"bPlayerShadows", 2},         {"bplayershadows", std::nullopt},
        {"Dup", 4},        {"; no equals sign here", 11}, {"Missing", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findKey(doc, c.key), c.index) << c.key;
}

TEST(Lookups, FindKeyInSectionComparesExactlyFromTheHeader) {
    const ConfigDocument doc = lookupDocument();
    struct Case {
        std::string key;
        std::string header;
        std::optional<std::size_t> index;
    } cases[] = {
        {"Other", "[WinDrv.WindowsClient]", 7},
        {"DesiredRefreshRate", "[WinDrv.WindowsClient]", 9},
        {"DesiredRefreshRate", "[windrv.windowsclient]", std::nullopt},
        {"desiredrefreshrate", "[WinDrv.WindowsClient]", std::nullopt},
        {"OnlyBefore", "[Engine.Input]", std::nullopt},
        {"[Late]", "[Late]", 10}, // the header line itself is included
        {"Other", "[NoSuchSection]", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findKeyInSection(doc, c.key, c.header), c.index) << c.key << " " << c.header;
}

TEST(Lookups, StoreValueWritesOnlyWhereAKeyWasFound) {
    ConfigDocument doc = lookupDocument();
    const std::vector<std::string> before = doc.values;
    EXPECT_FALSE(storeValue(doc, findKey(doc, "Missing"), "x"));
    EXPECT_FALSE(storeValue(doc, std::size_t{99}, "x"));
    EXPECT_EQ(doc.values, before); // line 0 (a key=value line) kept its value
    EXPECT_TRUE(storeValue(doc, findKey(doc, "OnlyBefore"), "changed"));
    EXPECT_EQ(doc.values[0], "changed");
}

TEST(ConfigDocument, ReloadLeavesNothingOfTheEarlierFile) {
    ConfigDocument doc = lookupDocument();
    doc.load(crlf({"[Engine.Input]", "Fresh=1"}));
    EXPECT_EQ(doc.lineCount(), 3u);
    EXPECT_EQ(doc.keys.size(), 3u);
    EXPECT_EQ(doc.values.size(), 3u);
    EXPECT_EQ(GetVal(doc, "bPlayerShadows"), "");
    EXPECT_EQ(findKey(doc, "Dup"), std::nullopt);
    EXPECT_EQ(GetVal(doc, "Fresh"), "1");
    doc.load("");
    EXPECT_EQ(doc.lineCount(), 0u);
    EXPECT_EQ(GetVal(doc, "Fresh"), "");
}

TEST(ConfigDocument, LoadsA5000LineFileWhole) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "Key" + std::to_string(i) + "=Value" + std::to_string(i) + "\r\n";
    text += "[Last]\r\nTail=end\r\n";
    ConfigDocument doc;
    doc.load(text);
    EXPECT_EQ(doc.lineCount(), 5003u);
    EXPECT_EQ(GetVal(doc, "key4999"), "Value4999");
    EXPECT_EQ(findKey(doc, "Key1501"), 1501u);
    EXPECT_EQ(findKeyInSection(doc, "Tail", "[Last]"), 5001u);
    EXPECT_EQ(GetVal2(doc, "Tail", "[Last]"), "end");
}

TEST(TextSearch, FindFirstIsExactAndOneBased) {
    struct Case {
        std::string text;
        std::string find;
        std::size_t position;
    } cases[] = {
        {"Key=[Value]", "]", 11}, {"a=b=c", "=", 2}, {"abc", "ABC", 0}, {"abc", "d", 0}, {"", "x", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindFirst(c.text, c.find), c.position) << c.text << " " << c.find;
}

TEST(TextSearch, CountOccurrencesCountsOverlapsWithEitherCaseRule) {
    const std::string aliases = "Aliases[0]=(Command=a,Alias=b)\r\nAliases[1]=(Command=c,Alias=d)";
    struct Case {
        std::string text;
        std::string find;
        bool caseSensitive;
        std::size_t count;
    } cases[] = {
        {aliases, "Aliases[", true, 2},
        {aliases, "aliases[", true, 0},
        {aliases, "aliases[", false, 2},
        {"aaa", "aa", true, 2},
        {"", "x", true, 0},
        {"abc", "", true, 0},
        {"ab", "abc", false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountOccurrences(c.text, c.find, c.caseSensitive), c.count) << c.text << " " << c.find;
}

} // namespace
} // namespace brevane
