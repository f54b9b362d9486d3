// The settings pages on screen: numeric boxes refuse what is not a number as the user types, and the
// spin buttons reach the model with the result shown in the box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/ini.h"
#include "qt/main_window.h"
#include "qt/qt_services.h"

namespace {

using brevane::INI;
using brevane::qt::MainWindow;

struct ShownWindow {
    INI model{{}, BREVANE_BIN_DIR "/"};
    MainWindow window{model};
    ShownWindow() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) ADD_FAILURE() << "the main window never became active";
    }
    template <class W> W* widget(const char* name) { return window.findChild<W*>(name); }
};

TEST(SettingsWidgets, TypingANonNumberIntoTheFieldOfViewBringsBackTheNumber) {
    ShownWindow w;
    auto& fov = w.model.pages.playerProfile.tbx_FOV;
    fov.setText("90");
    auto* edit = w.widget<QLineEdit>("tbx_FOV");
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(w.model.form.focused(), &fov);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(fov.text(), "90");
    EXPECT_EQ(edit->text(), "90");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "90"); // emptying the box brings the number back too
}

TEST(SettingsWidgets, SpinButtonClickReachesTheModelAndTheBoxShowsIt) {
    ShownWindow w;
    auto& fov = w.model.pages.playerProfile.tbx_FOV;
    fov.setText("90");
    auto* plus = w.widget<QPushButton>("b_P_Add(1)");
    auto* gammaMinus = w.widget<QPushButton>("b_VideoSub(0)");
    ASSERT_NE(plus, nullptr);
    ASSERT_NE(gammaMinus, nullptr);
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(fov.text(), "95");
    EXPECT_EQ(w.widget<QLineEdit>("tbx_FOV")->text(), "95");
    w.model.pages.shared.video.box(0).setText("0.05");
    QTest::mouseClick(gammaMinus, Qt::LeftButton);
    EXPECT_EQ(w.widget<QLineEdit>("tbx_video(0)")->text(), "0");
}

TEST(SettingsWidgets, EveryRowOfThePagesHasAWidget) {
    ShownWindow w;
    auto& pages = w.model.pages;
    for (brevane::SettingsStep* step : std::initializer_list<brevane::SettingsStep*>{
             &pages.playerProfile, &pages.switches, &pages.displayOptions, &pages.otherRenderDevices,
             &pages.resolutionRender}) {
        for (const auto& row : step->rows()) {
            if (row.group) {
                for (auto* button : row.group->buttons())
                    EXPECT_NE(w.window.findChild<QWidget*>(QString::fromStdString(button->name())), nullptr)
                        << button->name();
                continue;
            }
            EXPECT_NE(w.window.findChild<QWidget*>(QString::fromStdString(row.name)), nullptr) << row.name;
        }
    }
}

} // namespace

namespace {

TEST(SettingsWidgets, LeavingAShortStatNameAsksOnceAndKeepsTheFocus) {
    brevane::qt::QtMessageBoxes messages;
    int shown = 0;
    // Answers every message box as soon as it is open, counting them.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ++shown;
            box->close();
        }
    });
    closer.start(20);
    INI model{tk::Services{&messages}, BREVANE_BIN_DIR "/"};
    MainWindow window{model};
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* stat = window.findChild<QLineEdit*>("tbx_Stat_Name");
    auto* name = window.findChild<QLineEdit*>("tbx_Name");
    QTest::mouseClick(stat, Qt::LeftButton);
    QTest::keyClicks(stat, "abc");
    QTest::mouseClick(name, Qt::LeftButton);
    for (int i = 0; i < 20; ++i)
        QTest::qWait(20);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(model.pages.playerProfile.tbx_Stat_Name.text(), "");
    EXPECT_EQ(model.form.focused(), &model.pages.playerProfile.tbx_Stat_Name);
    EXPECT_EQ(window.focusWidget(), stat); // where the focus returns when the window is active again
}

} // namespace
