// The fuzz target's invariants over its committed seeds, so every build checks them without clang.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/resave_invariants.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;

TEST(ResaveInvariants, HoldForEverySeedOfTheFuzzCorpus) {
    TempDir dir;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(BREVANE_FUZZ_CORPUS)) {
        const auto pair = resave_check::splitPair(readBytes(entry.path()));
        EXPECT_EQ(resave_check::checkResaveInvariants(pair, dir.folder()), "") << entry.path().filename();
        ++seeds;
    }
    EXPECT_GT(seeds, 0) << "no seeds in " BREVANE_FUZZ_CORPUS;
}

TEST(ResaveInvariants, AFileWithoutItsFinalLineBreakSettlesAtTheFirstSave) {
    TempDir dir;
    EXPECT_EQ(resave_check::checkResaveInvariants({"[A]\r\nx=1", "y=2"}, dir.folder()), "");
}

TEST(ResaveInvariants, APairSplitsAtTheSeparatorLine) {
    const auto pair = resave_check::splitPair(resave_check::joinPair({"[A]\r\n", "[B]\r\n"}));
    EXPECT_EQ(pair.user, "[A]\r\n");
    EXPECT_EQ(pair.game, "[B]\r\n");
}

} // namespace
