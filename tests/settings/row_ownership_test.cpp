// The audio, mouse and communication rows own their keys: no other row of any page reads or stores the
// same key of the same file and section, so no two controls fight over one line at save.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <tuple>

#include "documents/config_document.h"
#include "page_harness.h"

namespace {

using settings_test::PageHarness;

std::string lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

TEST(RowOwnership, AudioMouseAndCommunicationKeysBelongToOneRowEach) {
    PageHarness h;
    auto& pages = h.ini.pages;
    using Place = std::tuple<brevane::IniFile, std::string, std::string>;
    std::map<Place, std::vector<std::string>> users;
    for (brevane::SettingsStep* step : pages.loadOrder())
        for (const auto& row : step->rows())
            users[{row.file, lowered(row.section), lowered(row.key)}].push_back(row.name);

    for (const brevane::TablePage* page : {static_cast<const brevane::TablePage*>(&pages.audioOptions),
                                           static_cast<const brevane::TablePage*>(&pages.mouseOptions),
                                           static_cast<const brevane::TablePage*>(&pages.commNumbers)})
        for (const auto& row : page->rows()) {
            const auto& names = users[{row.file, lowered(row.section), lowered(row.key)}];
            EXPECT_EQ(names.size(), 1u) << row.key << " is used by " << names.size() << " rows";
        }
}

} // namespace
