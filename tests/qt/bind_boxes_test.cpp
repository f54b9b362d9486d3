// The bind boxes on screen: real mouse clicks start a capture (the press reaches the box before the
// focus does), real key events bind the keys Qt would otherwise use for navigation and shortcuts,
// and neither Tab nor a tab switch ever puts a box into capture.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/main_window.h"
#include "qt/virtual_keys.h"
#include "support/test_support.h"
#include "toolkit/text_box.h"

namespace {

using brevane::INI;
using brevane::qt::MainWindow;
using testing_support::fixture;
using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

struct BindBoxesOnScreen : ::testing::Test {
    TempDir folder; // a save by a stray shortcut would land here, never in the fixtures
    INI model{{}, BREVANE_BIN_DIR "/"};
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        for (const char* name : {"User.ini", "UT2004.ini"})
            writeBytes(folder.path() / name, readBytes(fixture(std::string("bindings/") + name)));
        model.state.SystemFolder = folder.folder();
        model.Load_INI_Form();
        window = std::make_unique<MainWindow>(model);
        window->showMainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->tabs()->setCurrentIndex(1); // "Bind Keys"
    }
    tk::TextBox& box(int i) { return model.pages.bindKeys.tbx_Bind[i]; }
    QWidget* widget(int i) { return window->binder().widgetFor(&box(i)); }
    QWidget* parking() { return window->binder().widgetFor(&model.pb_Player); }
};

TEST_F(BindBoxesOnScreen, AClickStartsTheCaptureAndASecondClickBindsLeftMouse) {
    QTest::mouseClick(widget(20), Qt::LeftButton);
    EXPECT_EQ(box(20).text(), "???") << "the press came before the focus and bound nothing";
    EXPECT_TRUE(widget(20)->hasFocus());
    EXPECT_EQ(model.form.focused(), &box(20));
    QTest::mouseClick(widget(20), Qt::LeftButton);
    EXPECT_EQ(box(20).text(), "LeftMouse");
    EXPECT_EQ(box(38).text(), "");
    EXPECT_TRUE(parking()->hasFocus());
}

TEST_F(BindBoxesOnScreen, ARightClickOnACapturingBoxBindsRightMouse) {
    QTest::mouseClick(widget(20), Qt::RightButton);
    EXPECT_EQ(box(20).text(), "???");
    QTest::mouseClick(widget(20), Qt::RightButton);
    EXPECT_EQ(box(20).text(), "RightMouse");
    EXPECT_EQ(box(40).text(), "");
}

TEST_F(BindBoxesOnScreen, KeysThatQtWouldActOnAreBoundByName) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    } cases[] = {
        {Qt::Key_Up, Qt::NoModifier, "Up"},
        {Qt::Key_Tab, Qt::NoModifier, "Tab"},
        {Qt::Key_Escape, Qt::NoModifier, "Escape"},
        {Qt::Key_Return, Qt::NoModifier, "Enter"},
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        {Qt::Key_S, Qt::ControlModifier, "S"}, // File > Save's shortcut: bound, not saved
        {Qt::Key_F, Qt::AltModifier, "F"},     // the File menu's access key
        {Qt::Key_Period, Qt::KeypadModifier, "NumPadPeriod"},
    };
    const std::string before = readBytes(folder.path() / "User.ini");
    for (const auto& c : cases) {
        QTest::mouseClick(widget(20), Qt::LeftButton);
        ASSERT_EQ(box(20).text(), "???") << c.name;
        QTest::keyClick(widget(20), c.key, c.modifiers);
        EXPECT_EQ(box(20).text(), c.name);
        EXPECT_TRUE(parking()->hasFocus()) << c.name;
        EXPECT_EQ(window->tabs()->currentIndex(), 1) << c.name;
    }
    EXPECT_EQ(box(96).text(), "") << "Tab was ScoreToggle's key";
    EXPECT_EQ(readBytes(folder.path() / "User.ini"), before);
}

TEST_F(BindBoxesOnScreen, NeitherTabNorATabSwitchPutsABoxIntoCapture) {
    std::vector<std::string> shown;
    for (int i = 0; i < 140; ++i)
        shown.push_back(box(i).text());
    const std::vector<std::string> values = model.state.userIni.values;
    for (int tab : {0, 2, 1, 0, 1}) {
        window->tabs()->setCurrentIndex(tab);
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (int i = 0; i < 140; ++i) {
        EXPECT_EQ(box(i).text(), shown[i]) << box(i).name();
        EXPECT_EQ(widget(i)->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(model.state.userIni.values, values);
}

TEST(VirtualKeys, TranslateQtKeysToTheWindowsNumbering) {
    using brevane::qt::NativeKey;
    using brevane::qt::virtualKeyFor;
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    } cases[] = {
        {Qt::Key_A, Qt::NoModifier, 65},
        {Qt::Key_I, Qt::ShiftModifier, 73},
        {Qt::Key_5, Qt::NoModifier, 53},
        {Qt::Key_Percent, Qt::ShiftModifier, 53},
        {Qt::Key_5, Qt::KeypadModifier, 101},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Asterisk, Qt::ShiftModifier, 56},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Slash, Qt::KeypadModifier, 111},
        {Qt::Key_Up, Qt::KeypadModifier, 38}, // the keypad with NumLock off
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_F1, Qt::NoModifier, 112},
        {Qt::Key_F24, Qt::NoModifier, 135},
        {Qt::Key_Home, Qt::NoModifier, 36},
        {Qt::Key_PageDown, Qt::NoModifier, 34},
        {Qt::Key_Insert, Qt::NoModifier, 45},
        {Qt::Key_Delete, Qt::NoModifier, 46},
        {Qt::Key_CapsLock, Qt::NoModifier, 20},
        {Qt::Key_NumLock, Qt::NoModifier, 144},
        {Qt::Key_ScrollLock, Qt::NoModifier, 145},
        {Qt::Key_Pause, Qt::NoModifier, 19},
        {Qt::Key_Print, Qt::NoModifier, 44},
        {Qt::Key_Space, Qt::NoModifier, 32},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_Semicolon, Qt::NoModifier, 186},
        {Qt::Key_Plus, Qt::ShiftModifier, 187},
        {Qt::Key_Less, Qt::ShiftModifier, 188},
        {Qt::Key_Underscore, Qt::ShiftModifier, 189},
        {Qt::Key_Period, Qt::NoModifier, 190},
        {Qt::Key_Question, Qt::ShiftModifier, 191},
        {Qt::Key_QuoteLeft, Qt::NoModifier, 192},
        {Qt::Key_BracketLeft, Qt::NoModifier, 219},
        {Qt::Key_Bar, Qt::ShiftModifier, 220},
        {Qt::Key_BraceRight, Qt::ShiftModifier, 221},
        {Qt::Key_Apostrophe, Qt::NoModifier, 222},
        {Qt::Key_Shift, Qt::ShiftModifier, 16}, // no native code: the side is unknown
        {Qt::Key_Control, Qt::ControlModifier, 17},
        {Qt::Key_Alt, Qt::AltModifier, 18},
        {Qt::Key_Eacute, Qt::NoModifier, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(virtualKeyFor(c.key, c.modifiers, NativeKey{}), c.code) << c.key;

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // X11 and Wayland tell the sides apart by the keysym.
    EXPECT_EQ(virtualKeyFor(Qt::Key_Shift, {}, NativeKey{0xFFE1, 50}), 160);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Shift, {}, NativeKey{0xFFE2, 62}), 161);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Control, {}, NativeKey{0xFFE3, 37}), 162);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Control, {}, NativeKey{0xFFE4, 105}), 163);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Alt, {}, NativeKey{0xFFEA, 108}), 18) << "the game names one Alt";
#endif
}

TEST(VirtualKeys, MouseButtonsIncludingTheExtraOnes) {
    using brevane::qt::mouseButtonCode;
    EXPECT_EQ(mouseButtonCode(Qt::LeftButton), 1);
    EXPECT_EQ(mouseButtonCode(Qt::RightButton), 2);
    EXPECT_EQ(mouseButtonCode(Qt::MiddleButton), 4);
    EXPECT_EQ(mouseButtonCode(Qt::BackButton), 193);
    EXPECT_EQ(mouseButtonCode(Qt::ForwardButton), 194);
}

} // namespace
