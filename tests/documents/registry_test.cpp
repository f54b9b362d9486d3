#include "documents/registry.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace brevane {
namespace {

using testing_support::fixture;

const std::string kKey = "SOFTWARE\\Unreal Technology\\Installed Apps\\UT2004";

TEST(WineRegistry, ReadsValuesWithTheRegistrySemantics) {
    const std::string prefix = fixture("documents/wine").string();
    struct Case {
        std::string key;
        std::string name;
        RegistryValue expected;
    } cases[] = {
        {kKey, "Folder", std::string("C:\\Games\\UT2004")},
        {kKey, "FOLDER", std::string("C:\\Games\\UT2004")}, // names and keys ignore letter case
        {"software\\unreal technology\\installed apps\\ut2004", "Folder", std::string("C:\\Games\\UT2004")},
        {kKey, "Version", std::int32_t{42}},
        {kKey, "Negative", std::int32_t{-2}},
        {kKey, "WithNul", std::string("C:\\Before")}, // cut at the embedded NUL
        {kKey, "Escapes", std::string("say \"hi\" caf\xE9 \x80")},
        {kKey, "", std::string("default text")},
        {kKey, "Expandable", std::string()}, // other types give the empty text
        {kKey, "ExpandableText", std::string()},
        {kKey, "Binary", std::string()},
        {kKey, "Unterminated", std::string()},
        {kKey, "Missing", std::string()},
        {kKey + "\\Patches", "Folder", std::string("C:\\Wrong")}, // a sub-key is a key of its own
        {"SOFTWARE\\Unreal Technology", "Folder", std::string()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadWineRegistryValue(prefix, RegistryRoot::LocalMachine, c.key, c.name), c.expected)
            << c.key << " / " << c.name;
}

TEST(WineRegistry, MissingFilesGiveTheEmptyText) {
    const std::string prefix = fixture("documents/wine").string();
    EXPECT_EQ(ReadWineRegistryValue(prefix, RegistryRoot::CurrentUser, kKey, "Folder"), RegistryValue(""));
    EXPECT_EQ(ReadWineRegistryValue("/nonexistent/prefix", RegistryRoot::LocalMachine, kKey, "Folder"),
              RegistryValue(""));
}

TEST(WineRegistry, CrLfFilesReadAlike) {
    const std::string text = "WINE REGISTRY Version 2\r\n[Software\\\\A] 1\r\n\"Folder\"=\"C:\\\\X\"\r\n"
                             "\"N\"=dword:00000010\r\n";
    EXPECT_EQ(parseWineRegistryValue(text, "SOFTWARE\\A", "Folder"), RegistryValue("C:\\X"));
    EXPECT_EQ(parseWineRegistryValue(text, "SOFTWARE\\A", "N"), RegistryValue(16));
}

} // namespace
} // namespace brevane
