// The bundled default files through every page: a load and a collect without edits change only the
// values that the pages' rules show shortened, nothing else.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "settings/number_text.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using settings_test::writtenLines;

/// Fails for every line the round trip changed other than by cutting the tail of a number that
/// keeps its value (90.000000 to 90.0); returns how many lines were shortened.
int expectOnlyShortenedNumbers(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    EXPECT_EQ(before.size(), after.size());
    int shortened = 0;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] == after[i]) continue;
        const bool prefix = before[i].compare(0, after[i].size(), after[i]) == 0;
        const auto value = [](const std::string& line) {
            return brevane::leadingNumber(line.substr(line.find('=') + 1));
        };
        if (prefix && after[i].find('=') != std::string::npos && value(before[i]) == value(after[i]))
            ++shortened;
        else
            ADD_FAILURE() << before[i] << " became " << after[i];
    }
    return shortened;
}

TEST(DefaultCopies, RoundTripChangesOnlyShortenedNumbers) {
    PageHarness h;
    h.open(testing_support::readBytes(testing_support::assetsDir() / "Default/User.ini"),
           testing_support::readBytes(testing_support::assetsDir() / "Default/UT2004.ini"));
    const auto userBefore = writtenLines(h.ini.state.userIni);
    const auto gameBefore = writtenLines(h.ini.state.gameIni);
    for (auto* step : h.ini.pages.loadOrder())
        step->load();
    EXPECT_FALSE(h.ini.state.QuietMenuMissing);
    EXPECT_EQ(h.ini.pages.playerProfile.cb_Character.text(), "Jakob");
    for (auto* step : h.ini.pages.loadOrder())
        step->collect();
    EXPECT_GE(expectOnlyShortenedNumbers(userBefore, writtenLines(h.ini.state.userIni)), 3); // FOVs, Bob, ...
    EXPECT_GT(expectOnlyShortenedNumbers(gameBefore, writtenLines(h.ini.state.gameIni)), 0);
}

} // namespace
