// Reading a command's keys from the document, storing and unbinding keys, and the duplicate pass
// over the boxes.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "bindings/binding_store.h"
#include "support/test_support.h"
#include "toolkit/picture_box.h"

namespace {

using namespace brevane;
using testing_support::crlf;

ConfigDocument document(std::initializer_list<std::string> lines) {
    ConfigDocument doc;
    doc.load(crlf(lines));
    return doc;
}

TEST(GetBind, FindsTheFirstAndSecondBindingLinesIgnoringLetterCase) {
    const ConfigDocument doc = document({"[Engine.Input]", "W=MoveForward", "Up=moveforward", "X=Jump", "[Other]",
                                         "Mouse4=MoveForward", "Y=Jump | Fire", "Z=Duck"});
    const struct {
        const char *command;
        const char *first;
        const char *second;
    } cases[] = {
        {"MoveForward", "W", "Up"}, // three lines: the third is never reported
        {"Jump", "X", ""},          // one line; a value with more than the command is no binding
        {"Duck", "Z", ""},          // found after another section header: sections do not matter
        {"Fire", "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(GetBind(doc.keys, doc.values, c.command), c.first) << c.command;
        EXPECT_EQ(GetBind2(doc.keys, doc.values, c.command), c.second) << c.command;
    }
}

TEST(StoreBinding, StoresOnTheLineWhoseKeyIsExactlyTheName) {
    ConfigDocument doc = document({"[Engine.Input]", "I=Use", "i=", "W=", "W=Jump"});
    EXPECT_TRUE(storeBinding(doc, "i", "Fire"));
    EXPECT_EQ(doc.values[1], "Use") << "\"I\" is not the key \"i\"";
    EXPECT_EQ(doc.values[2], "Fire");
    EXPECT_TRUE(storeBinding(doc, "W", "MoveForward"));
    EXPECT_EQ(doc.values[3], "MoveForward");
    EXPECT_EQ(doc.values[4], "Jump") << "only the first line of a key";

    const ConfigDocument before = doc;
    EXPECT_FALSE(storeBinding(doc, "", "Fire"));
    EXPECT_FALSE(storeBinding(doc, "Mouse5", "Fire"));
    EXPECT_FALSE(storeBinding(doc, "w", "Fire"));
    EXPECT_EQ(doc.values, before.values);
}

TEST(StoreBinding, AKeyNamedTwiceKeepsTheLineThatAlreadyHoldsTheCommand) {
    // The box showed "2" because of the second line; storing it must not overwrite the first.
    ConfigDocument doc = document({"[Engine.Input]", "2=Switera\",Alias=X)", "2=switchweapon 2"});
    EXPECT_TRUE(storeBinding(doc, "2", "SwitchWeapon 2"));
    EXPECT_EQ(doc.values[1], "Switera\",Alias=X)");
    EXPECT_EQ(doc.values[2], "SwitchWeapon 2");
}

TEST(UnbindKey, EmptiesTheValueAndKeepsTheLine) {
    ConfigDocument doc = document({"[Engine.Input]", "W=MoveForward", "Up=MoveForward"});
    const std::size_t lines = doc.lineCount();
    EXPECT_TRUE(unbindKey(doc, "W"));
    EXPECT_EQ(doc.keys[1], "W");
    EXPECT_EQ(doc.values[1], "");
    EXPECT_EQ(doc.values[2], "MoveForward");
    EXPECT_FALSE(unbindKey(doc, "up"));
    EXPECT_FALSE(unbindKey(doc, ""));
    EXPECT_EQ(doc.values[2], "MoveForward");
    EXPECT_EQ(doc.lineCount(), lines);
}

TEST(RestingFontSize, SevenPointsUpToTenCharactersSixBeyond) {
    const struct {
        const char *text;
        double points;
    } cases[] = {{"", 7}, {"W", 7}, {"RightMouse", 7}, {"ScrollLock", 7}, {"MiddleMouse", 6}, {"NumPadPeriod", 6}};
    for (const auto &c : cases)
        EXPECT_EQ(restingFontSize(c.text), c.points) << c.text;
}

struct Boxes : ::testing::Test {
    tk::Form form;
    tk::PictureBox parking{form, "pb_Player"};
    tk::ControlArray<tk::TextBox> boxes{form, "tbx_Bind"};
    AppState state;
    void SetUp() override {
        for (int i = 0; i < 6; ++i)
            boxes.add(i);
    }
    void show(std::initializer_list<const char *> texts) {
        int i = 0;
        for (const char *t : texts)
            boxes[i++].setText(t);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto &entry : boxes.members())
            out.push_back(entry.second->text());
        return out;
    }
};

TEST_F(Boxes, BindShowsTheNameRemembersItAndParksTheFocus) {
    form.setFocus(&boxes[3]);
    Bind(state, boxes, 3, 38, parking);
    EXPECT_EQ(boxes[3].text(), "Up");
    EXPECT_EQ(state.LastBoundKey, "Up");
    EXPECT_EQ(state.LastBoundIndex, 3);
    EXPECT_EQ(form.focused(), &parking);
}

TEST_F(Boxes, DelKeyClearsTheBoundKeyFromEveryOtherBoxIgnoringCase) {
    show({"Up", "I", "i", "Up", "MiddleMouse", ""});
    state.LastBoundKey = "i";
    state.LastBoundIndex = 2;
    DelKey(state, boxes);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Up", "", "i", "Up", "MiddleMouse", ""}));
    EXPECT_EQ(boxes[4].fontSize(), 6);
    EXPECT_EQ(boxes[0].fontSize(), 7);
    EXPECT_EQ(boxes[5].fontSize(), 7);
}

TEST_F(Boxes, AKeyWithoutANameEmptiesTheBoxAndClearsNothingElse) {
    show({"", "W", "", "Up", "", ""});
    Bind(state, boxes, 1, 231, parking);
    DelKey(state, boxes);
    EXPECT_EQ(state.LastBoundKey, "");
    EXPECT_EQ(texts(), (std::vector<std::string>{"", "", "", "Up", "", ""}));
}

} // namespace
