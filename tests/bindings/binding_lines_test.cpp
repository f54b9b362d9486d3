// Only key lines bind: a setting elsewhere whose value is a command word is not a binding.
#include <gtest/gtest.h>

#include "bindings/binding_store.h"
#include "bindings/key_names.h"
#include "documents/config_document.h"
#include "support/test_support.h"

namespace {

TEST(BindingLines, AnotherSettingHoldingACommandWordIsNoBinding) {
    brevane::ConfigDocument doc;
    doc.load(testing_support::crlf(
        {"[Engine.GameEngine]", "EditPackages=Fire", "[Engine.Input]", "LeftMouse=Fire", "leftmouse2=Fire", "Q=Fire"}));
    EXPECT_EQ(brevane::GetBind(doc.keys, doc.values, "Fire"), "LeftMouse");
    EXPECT_EQ(brevane::GetBind2(doc.keys, doc.values, "Fire"), "Q");
}

TEST(BindingLines, KeyNamesAreKnownIgnoringCase) {
    EXPECT_TRUE(brevane::isKeyName("LeftMouse"));
    EXPECT_TRUE(brevane::isKeyName("leftmouse"));
    EXPECT_TRUE(brevane::isKeyName("i"));
    EXPECT_FALSE(brevane::isKeyName("EditPackages"));
    EXPECT_FALSE(brevane::isKeyName(""));
}

} // namespace
