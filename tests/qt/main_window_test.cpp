// The main window on screen: its tabs, its menus, the splash hand-over, and the binder's two
// directions (typing reaches the model; the model's text shows in the widget).
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/frm_splash.h"
#include "app/ini.h"
#include "qt/binder.h"
#include "qt/main_window.h"
#include "qt/review_changes_dialog.h"
#include "qt/splash_window.h"
#include "support/test_support.h"
#include "toolkit/text_box.h"

namespace {

using brevane::INI;
using brevane::qt::MainWindow;

TEST(MainWindow, HasTheTwelveTabsInOrderAllReadableAtOnce) {
    INI model({}, BREVANE_BIN_DIR "/");
    MainWindow window(model);
    window.show();
    const QStringList expected = {"Player Settings", "Bind Keys", "&Communication / Hud", " Weapons Priority",
                                  "Weapons 1",       "Weapons 2", "Video",                "Audio / Misc",
                                  "User.INI",        "UT2004.INI", "Text Alias",          "Aliases"};
    ASSERT_EQ(window.tabs()->count(), 12);
    QTabBar* bar = window.tabs()->tabBar();
    QFont captionFont = bar->font();
    captionFont.setBold(false); // the tab captions are drawn in the normal weight
    QFontMetrics metrics(captionFont);
    int right = 0;
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(window.tabs()->tabText(i), expected[i]);
        right = std::max(right, bar->tabRect(i).right());
        // A caption that does not fit would be elided; the tab must be wider than its text.
        EXPECT_GE(bar->tabRect(i).width(), metrics.horizontalAdvance(QString(expected[i]).remove('&')));
    }
    EXPECT_LE(right, window.tabs()->width()) << "the tab row runs past the window";
    EXPECT_EQ(window.tabs()->size(), QSize(905, 608));
    EXPECT_EQ(window.tabs()->currentIndex(), 0);
}

TEST(MainWindow, MenusCarryTheirCaptionsAndShortcuts) {
    INI model({}, BREVANE_BIN_DIR "/");
    MainWindow window(model);
    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {{"mnuFileNew", "&New", "Ctrl+N"},      {"mnuFileOpen", "&Open", "Ctrl+O"},
                          {"frmFileSave", "&Save", "Ctrl+S"},    {"mnuFileReview", "&Review Changes…", "Ctrl+D"},
                          {"mnuFileExit", "&Exit", "Ctrl+X"},
                          {"mnuPlay", "&Play", ""},              {"mnuStop", "&Stop", ""},
                          {"mnuPlayUT2k4", "&Play UT2004", ""}, {"mnuAbout", "&About Brevane", ""}};
    for (const Item& item : items) {
        auto* action = window.findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.caption) << item.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(item.shortcut)) << item.name;
    }
    QStringList menus;
    for (QAction* a : window.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Music", "&Play", "&Help"}));
}

TEST(MainWindow, FileExitClosesTheWindowAndStopsTheMusic) {
    struct RecordingMedia : tk::MediaBackend {
        std::vector<std::string> commands;
        void command(const std::string&, const std::string&, const std::string& cmd) override {
            commands.push_back(cmd);
        }
    } media;
    tk::Services services;
    services.media = &media;
    INI model(services, BREVANE_BIN_DIR "/");
    MainWindow window(model);
    window.showMainWindow();
    model.mnuFileExit_Click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(media.commands, (std::vector<std::string>{"Stop", "Close"}));
}

TEST(MainWindow, ReviewChangesShowsThePendingDiffAndItsSaveWritesIt) {
    testing_support::TempDir dir;
    for (const char* name : {"User.ini", "UT2004.ini"})
        testing_support::writeBytes(dir.path() / name, testing_support::crlf({"[XGame.XPlayer]", "Name=Player"}));
    INI model({}, BREVANE_BIN_DIR "/");
    model.state.SystemFolder = model.state.InstalledSystemFolder = dir.folder();
    model.Load_INI_Form();
    MainWindow window(model);
    window.showMainWindow();
    dynamic_cast<tk::TextBox&>(*model.form.find("tbx_Name")).userTypes("Sniper");
    const std::string before = testing_support::readBytes(dir.path() / "User.ini");

    window.findChild<QAction*>("mnuFileReview")->trigger();
    auto* review = window.findChild<brevane::qt::ReviewChangesDialog*>("frmReviewChanges");
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->isVisible());
    const QString diff = review->diffView()->toPlainText();
    EXPECT_TRUE(diff.contains("\n-Name=Player\n+Name=Sniper\n")) << diff.toStdString();
    EXPECT_FALSE(diff.contains('\r')) << "line ends show as line breaks";
    EXPECT_EQ(testing_support::readBytes(dir.path() / "User.ini"), before) << "reviewing writes nothing";

    review->findChild<QPushButton*>("cmdReviewSave")->click();
    EXPECT_NE(testing_support::readBytes(dir.path() / "User.ini").find("Name=Sniper\r\n"), std::string::npos);
}

TEST(Splash, AKeyPressShowsTheMainWindowOnceAndTheTimerCannotShowItAgain) {
    INI model({}, BREVANE_BIN_DIR "/");
    MainWindow window(model);
    brevane::frmSplash splashModel;
    brevane::qt::SplashWindow splash(splashModel, QString());
    int shown = 0;
    splashModel.showMainWindow = [&] {
        ++shown;
        window.showMainWindow();
    };
    splashModel.closeSplash = [&] { splash.close(); };
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    EXPECT_EQ(splash.size(), QSize(800, 600));
    QTest::keyClick(&splash, Qt::Key_A);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(window.isVisible());
    splashModel.tmrShow.fire();
    EXPECT_EQ(shown, 1);
    // The focus rests on the player picture.
    EXPECT_EQ(model.form.focused(), &model.pb_Player);
}

TEST(Splash, ItsTimerShowsTheMainWindow) {
    INI model({}, BREVANE_BIN_DIR "/");
    MainWindow window(model);
    brevane::frmSplash splashModel;
    brevane::qt::SplashWindow splash(splashModel, QString());
    splashModel.showMainWindow = [&] { window.showMainWindow(); };
    splashModel.closeSplash = [&] { splash.close(); };
    splashModel.tmrShow.setInterval(20); // the real clock, shortened
    window.binder().timer(splashModel.tmrShow);
    splash.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isVisible(); }, 2000));
    EXPECT_FALSE(splash.isVisible());
}

TEST(Binder, TypingReachesChangeAndModelTextShowsInTheWidget) {
    tk::Form form;
    brevane::qt::Binder binder(form);
    tk::TextBox box(form, "tbx_Test");
    std::vector<std::string> changes;
    box.Change = [&] { changes.push_back(box.text()); };
    std::unique_ptr<QLineEdit> edit(binder.textBox(box));
    edit->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit.get()));
    QTest::keyClicks(edit.get(), "9");
    QTest::sendKeyEvent(QTest::Click, edit.get(), Qt::Key_Eacute, QString::fromUtf8("é"), Qt::NoModifier);
    EXPECT_EQ(box.text(), "9\xe9");
    EXPECT_EQ(changes.back(), "9\xe9");
    box.setText("caf\xe9 \x80");
    EXPECT_EQ(edit->text(), QString::fromUtf8("café €"));
}

} // namespace
