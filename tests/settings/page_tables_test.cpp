// All page tables together: every managed setting belongs to one control, and every row names a
// control the window knows.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "page_harness.h"

namespace {

using settings_test::PageHarness;

TEST(PageTables, EachSettingBelongsToOneControl) {
    PageHarness h;
    std::map<std::tuple<brevane::IniFile, std::string, std::string>, std::set<std::string>> owners;
    for (brevane::SettingsStep* step : h.ini.pages.loadOrder())
        for (const brevane::RowInfo& row : step->rows()) {
            if (row.control) {
                EXPECT_EQ(h.ini.form.find(row.name), row.control) << row.name;
            }
            // Rows without a key of their own (bind boxes, the priority list) are listed for the names only.
            if (!row.key.empty()) owners[{row.file, row.section, row.key}].insert(row.name);
        }
    for (const auto& [setting, names] : owners)
        EXPECT_EQ(names.size(), 1u) << std::get<1>(setting) << " " << std::get<2>(setting) << " has "
                                    << *names.begin() << " and " << *names.rbegin();
}

} // namespace
