// The lookups go through the key column's index; these tests hold them to the answers of a plain
// scan of the key table in file order, also after keys and values have been changed.
#include "documents/key_column.h"

#include <gtest/gtest.h>

#include "documents/config_document.h"
#include "support/test_support.h"

namespace brevane {
namespace {

using testing_support::crlf;

// The lookups as a plain scan: the first line in file order wins.
std::optional<std::size_t> scanFirst(const ConfigDocument& doc, std::string_view key, std::size_t from,
                                     bool ignoreCase) {
    for (std::size_t i = from; i < doc.keys.size(); ++i)
        if (ignoreCase ? equalsIgnoreCase(doc.keys[i], key) : doc.keys[i] == key) return i;
    return std::nullopt;
}

std::string scanGetVal(const ConfigDocument& doc, std::string_view key) {
    const auto line = scanFirst(doc, key, 0, true);
    return line ? doc.values[*line] : "";
}

std::string scanGetVal2(const ConfigDocument& doc, std::string_view key, std::string_view header) {
    const auto headerLine = scanFirst(doc, header, 0, true);
    const auto line = headerLine ? scanFirst(doc, key, *headerLine, true) : std::nullopt;
    return line ? doc.values[*line] : "";
}

std::optional<std::size_t> scanFindKeyInSection(const ConfigDocument& doc, std::string_view key,
                                                std::string_view header) {
    const auto headerLine = scanFirst(doc, header, 0, false);
    return headerLine ? scanFirst(doc, key, *headerLine, false) : std::nullopt;
}

// Keys in several letter cases, headers, blank and verbatim lines, repeats before and after headers.
const std::vector<std::string> kQueries = {
    "",
    "Dup",
    "dup",
    "DUP",
    "Name",
    "name",
    "Name ",
    "[Engine.Input]",
    "[engine.input]",
    "[Late]",
    "[LATE]",
    "RenderDevice",
    ";RenderDevice",
    "renderdevice",
    "Missing",
    "; remark",
    "Fire",
    "[Other]",
    "\xDCmlaut",
    "\xFCmlaut",
    "A",
    "a",
};

ConfigDocument fixtureDocument() {
    ConfigDocument doc;
    doc.load(crlf({
        "Dup=before",       // 0
        "[Engine.Input]",   // 1
        "dup=lower",        // 2
        "Name = Player",    // 3
        "",                 // 4
        "DUP=upper",        // 5
        "Dup=exact",        // 6
        "[Other]",          // 7
        "RenderDevice=D3D", // 8
        ";RenderDevice=GL", // 9
        "; remark",         // 10
        "\xDCmlaut=1",      // 11 (only A-Z fold: this is not the key "\xFCmlaut")
        "[engine.input]",   // 12 a second header in another case
        "Name=Second",      // 13
        "a=1",              // 14
        "A=2",              // 15
        "[Late]",           // 16
    }));
    return doc;
}

void expectSameAsScan(const ConfigDocument& doc, const std::string& when) {
    for (const std::string& key : kQueries) {
        EXPECT_EQ(GetVal(doc, key), scanGetVal(doc, key)) << when << ": GetVal " << key;
        EXPECT_EQ(findKey(doc, key), scanFirst(doc, key, 0, false)) << when << ": findKey " << key;
        for (const std::string& header : kQueries) {
            EXPECT_EQ(GetVal2(doc, key, header), scanGetVal2(doc, key, header))
                << when << ": GetVal2 " << key << " under " << header;
            EXPECT_EQ(findKeyInSection(doc, key, header), scanFindKeyInSection(doc, key, header))
                << when << ": findKeyInSection " << key << " under " << header;
        }
        for (std::size_t from = 0; from <= doc.keys.size(); ++from) {
            EXPECT_EQ(doc.keys.firstIgnoringCase(key, from), scanFirst(doc, key, from, true))
                << when << " " << key;
            EXPECT_EQ(doc.keys.firstExactly(key, from), scanFirst(doc, key, from, false)) << when << " " << key;
        }
    }
}

TEST(KeyColumn, LookupsGiveTheFirstMatchOfAPlainScan) {
    expectSameAsScan(fixtureDocument(), "after load");
}

TEST(KeyColumn, LookupsFollowEveryChangeOfKeysAndValues) {
    ConfigDocument doc = fixtureDocument();
    const struct {
        std::size_t line;
        const char* key; // nullptr: store a value instead
        const char* value;
    } edits[] = {
        {8, ";RenderDevice", nullptr}, // the render device switch: both lines now commented
        {9, "RenderDevice", nullptr},  // and the other one active
        {6, "Moved", nullptr},         // a later duplicate leaves its group
        {2, "Moved", nullptr},         // an earlier line joins a group that starts later
        {0, "Fresh", nullptr},         // the first line of a group leaves it
        {5, "Fresh", nullptr},
        {2, "dup", nullptr},        // back where it was
        {11, "Unique", nullptr},    // a group of one is emptied...
        {10, "\xDCmlaut", nullptr}, // ...and its key comes back on another line
        {4, "Blank", nullptr},      // the only blank line gets a key
        {4, "", nullptr},           // and loses it again
        {16, "[Other]", nullptr},   // a header line written twice
        {7, "[Renamed]", nullptr},
        {3, "Name = Player", nullptr}, // the same key again: nothing moves
        {13, nullptr, "stored"},       // values: only the answers of GetVal and GetVal2 change
        {0, nullptr, "first"},
    };
    for (const auto& edit : edits) {
        const std::string when = "after line " + std::to_string(edit.line) + " became " +
                                 (edit.key ? std::string(edit.key) : "=" + std::string(edit.value));
        if (edit.key)
            doc.keys.set(edit.line, edit.key);
        else
            ASSERT_TRUE(storeValue(doc, edit.line, edit.value));
        expectSameAsScan(doc, when);
    }
    // A copy answers as the original; a reload forgets every change.
    const ConfigDocument copy = doc;
    expectSameAsScan(copy, "in a copy");
    doc.load(crlf({"[Engine.Input]", "Dup=again"}));
    expectSameAsScan(doc, "after a reload");
    doc.clear();
    expectSameAsScan(doc, "after clear");
}

TEST(KeyColumn, ManyEditsOfALargeDocumentKeepTheAnswersOfAScan) {
    // Enough lines to make the index grow, and keys drawn from a small vocabulary in changing letter
    // case, so that groups fill, empty and fill again.
    const std::vector<std::string> vocabulary = {"Key", "KEY", "key", "[Sec]", "[sec]", "", "Other", "x"};
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += vocabulary[(i * 7) % vocabulary.size()] + "=" + std::to_string(i) + "\r\n";
    ConfigDocument doc;
    doc.load(text);
    std::uint32_t state = 12345;
    auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 8; };
    for (int edit = 0; edit < 200; ++edit) {
        const std::size_t line = next() % doc.keys.size();
        doc.keys.set(line, vocabulary[next() % vocabulary.size()] + (next() % 5 == 0 ? std::to_string(edit) : ""));
    }
    for (const std::string& key : vocabulary) {
        EXPECT_EQ(findKey(doc, key), scanFirst(doc, key, 0, false)) << key;
        EXPECT_EQ(GetVal(doc, key), scanGetVal(doc, key)) << key;
        EXPECT_EQ(GetVal2(doc, key, "[SEC]"), scanGetVal2(doc, key, "[SEC]")) << key;
        EXPECT_EQ(findKeyInSection(doc, key, "[Sec]"), scanFindKeyInSection(doc, key, "[Sec]")) << key;
    }
}

TEST(IgnoreCase, TextsEqualIgnoringCaseHashAlike) {
    // Every length around the eight-byte steps of the hash, and the bytes next to A-Z and a-z.
    const std::string pattern = "Az@[`{Zq\xC4\xE4mM09_-.";
    for (std::size_t length = 0; length <= 2 * pattern.size(); ++length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i)
            text += pattern[(i * 5) % pattern.size()];
        std::string flipped = text;
        for (char& c : flipped)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
            else if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        ASSERT_TRUE(equalsIgnoreCase(text, flipped));
        EXPECT_EQ(hashIgnoreCase(text), hashIgnoreCase(flipped)) << text;
    }
    EXPECT_FALSE(equalsIgnoreCase("@", "`"));
    EXPECT_FALSE(equalsIgnoreCase("\xC4", "\xE4")); // only ASCII letters fold
}

} // namespace
} // namespace brevane
