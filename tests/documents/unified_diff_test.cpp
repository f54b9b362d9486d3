// The dry run's diff printer: exact output for a small change, and, over many pairs of texts, a diff
// that turns the old text into the new one.
#include <gtest/gtest.h>

#include <random>

#include "cli/patch_applier.h"
#include "documents/unified_diff.h"

namespace {

using brevane::unifiedDiff;

TEST(UnifiedDiff, PrintsHunksTheWayDiffUDoes) {
    EXPECT_EQ(unifiedDiff("a", "b", "same\n", "same\n"), "");
    EXPECT_EQ(unifiedDiff("a/x", "b/x", "1\n2\n3\n4\n5\n6\n7\n8\n9\n", "1\n2\n3\n4\nfive\n6\n7\n8\n9\n"),
              "--- a/x\n+++ b/x\n@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n");
    EXPECT_EQ(unifiedDiff("a", "b", "", "new\r\n"), "--- a\n+++ b\n@@ -0,0 +1 @@\n+new\r\n");
    EXPECT_EQ(unifiedDiff("a", "b", "x\ny", "x\ny\n"),
              "--- a\n+++ b\n@@ -1,2 +1,2 @@\n x\n-y\n\\ No newline at end of file\n+y\n");
    // Changes more than six unchanged lines apart make two hunks.
    const std::string diff = unifiedDiff("a", "b", "a\n1\n2\n3\n4\n5\n6\n7\nb\n", "A\n1\n2\n3\n4\n5\n6\n7\nB\n");
    EXPECT_EQ(diff, "--- a\n+++ b\n@@ -1,4 +1,4 @@\n-a\n+A\n 1\n 2\n 3\n@@ -6,4 +6,4 @@\n 5\n 6\n 7\n-b\n+B\n");
}

TEST(UnifiedDiff, AlwaysTurnsTheOldTextIntoTheNewOne) {
    std::mt19937 random(2004);
    const char* pool[] = {"[A]", "x=1", "x=2", "", "\r", "Aliases=y", "z"};
    auto makeText = [&](int lines) {
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += std::string(pool[random() % 7]) + "\n";
        if (random() % 4 == 0 && !text.empty()) text.pop_back(); // no newline at the end
        return text;
    };
    for (int round = 0; round < 400; ++round) {
        const std::string before = makeText(static_cast<int>(random() % 30));
        std::string after = before;
        // A few edits in place keep the texts related, as a save's changes are.
        for (int edits = static_cast<int>(random() % 4); edits > 0 && !after.empty(); --edits) {
            std::size_t at = random() % after.size();
            after.insert(at, makeText(static_cast<int>(random() % 3)));
            if (random() % 2) after.erase(random() % after.size(), random() % 6);
        }
        if (round % 10 == 0) after = makeText(static_cast<int>(random() % 30)); // unrelated texts too
        const std::string diff = unifiedDiff("a", "b", before, after);
        EXPECT_EQ(testing_support::applyUnifiedDiff(before, diff), after) << "round " << round << "\n" << diff;
    }
}

TEST(UnifiedDiff, HandlesAFileThatSharesNothingWithItsReplacement) {
    std::string before, after;
    for (int i = 0; i < 5000; ++i)
        before += "old" + std::to_string(i) + "\n", after += "new" + std::to_string(i) + "\n";
    const std::string diff = unifiedDiff("a", "b", before, after);
    EXPECT_EQ(testing_support::applyUnifiedDiff(before, diff), after);
}

} // namespace
