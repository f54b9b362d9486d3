// The raw tabs, the About window, the real media device and the real game launcher on screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/frm_about.h"
#include "app/ini.h"
#include "qt/about_window.h"
#include "qt/main_window.h"
#include "qt/qt_launcher.h"
#include "qt/qt_media.h"
#include "support/scripted_services.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;
using brevane::INI;
using brevane::qt::AboutWindow;
using brevane::qt::MainWindow;
namespace fs = std::filesystem;

/// Sets an environment variable for the length of a scope.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

QList<AboutWindow *> aboutWindows() {
    QList<AboutWindow *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *about = qobject_cast<AboutWindow *>(w)) found << about;
    return found;
}

TEST(RawIniTab, EnterInTheSearchBoxSelectsTheFoundTextInTheEditor) {
    INI model({}, BREVANE_BIN_DIR "/");
    MainWindow window(model);
    model.RTB_User[0].setText(crlf({"[Engine.Input]", "Aliases[0]=(Command=\"X\")", "bQuietMenu=False"}));
    window.tabs()->setCurrentIndex(8);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *search = window.findChild<QLineEdit *>("tbxSearch(0)");
    auto *editor = window.findChild<QPlainTextEdit *>("RTB_User(0)");
    ASSERT_TRUE(search && editor);
    search->setFocus();
    QTest::keyClicks(search, "bquietmenu");
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(editor->textCursor().selectedText(), "bQuietMenu");
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(search->text(), "bquietmenu");
}

TEST(AboutWindow, OpensOnceClickingTheAddressMailsAndOkClosesIt) {
    RecordingShell shell;
    tk::Services services;
    services.shell = &shell;
    INI model(services, BREVANE_BIN_DIR "/");
    model.showAbout = [&] {
        (new AboutWindow(model.services, BREVANE_BIN_DIR "/", [&model] { model.frmAbout_Unload(); }))->show();
    };
    MainWindow window(model);
    window.showMainWindow();
    auto *about = window.findChild<QAction *>("mnuAbout");
    ASSERT_NE(about, nullptr);
    about->trigger();
    about->trigger();
    ASSERT_EQ(aboutWindows().size(), 1);
    AboutWindow *shown = aboutWindows().front();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    EXPECT_EQ(shown->size(), QSize(409, 505));

    auto *address = shown->findChild<QLabel *>("lbl_Send_Email(4)");
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->text(), brevane::kContactAddress);
    EXPECT_EQ(address->toolTip(), "Click To Send Mail");
    EXPECT_TRUE(address->font().underline());
    QTest::mouseClick(address, Qt::LeftButton);
    EXPECT_EQ(shell.urls, std::vector<std::string>{std::string("mailto:") + brevane::kContactAddress});
    EXPECT_TRUE(shown->isVisible()) << "the About window stays open after the mail link";

    // The main window closing leaves the program running until OK closes the About window.
    QPointer<AboutWindow> guard(shown);
    bool runningAfterMainClosed = false;
    QTimer closeMain, pressOk, giveUp;
    for (QTimer *t : {&closeMain, &pressOk, &giveUp})
        t->setSingleShot(true);
    QObject::connect(&closeMain, &QTimer::timeout, [&] { window.close(); });
    QObject::connect(&pressOk, &QTimer::timeout, [&] {
        runningAfterMainClosed = true;
        QTest::mouseClick(shown->findChild<QPushButton *>("b_About"), Qt::LeftButton);
    });
    QObject::connect(&giveUp, &QTimer::timeout, qApp, &QApplication::quit);
    closeMain.start(0);
    pressOk.start(300);
    giveUp.start(5000);
    QApplication::exec(); // returns when the last window has closed
    EXPECT_TRUE(runningAfterMainClosed);
    EXPECT_TRUE(giveUp.isActive()) << "the program did not end when the About window closed";
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, 2000));
    EXPECT_FALSE(model.aboutOpen);
    about->trigger();
    EXPECT_EQ(aboutWindows().size(), 1) << "after OK, Help > About opens a new window";
    delete aboutWindows().front();
}

TEST(QtMedia, WithoutTheFileOrWithoutGStreamerNothingIsMadeAndNothingFails) {
    brevane::qt::QtMediaBackend media;
    for (const char *cmd : {"Open", "Play", "Stop", "Play", "Close", "Play"}) {
        media.command("MPEGVideo", "/nonexistent/Music/Brevane Menu Music.mp3", cmd);
        EXPECT_EQ(media.player(), nullptr) << cmd;
    }
    TempDir empty;
    ScopedEnv system("GST_PLUGIN_SYSTEM_PATH_1_0", QByteArray::fromStdString(empty.path().string()));
    ScopedEnv extra("GST_PLUGIN_PATH_1_0", "");
    ScopedEnv backend("QT_MEDIA_BACKEND", "");
    EXPECT_FALSE(brevane::qt::mediaPlayerAvailable())
        << "without the playback plugin a player would crash as it is made";
    media.command("MPEGVideo", fixture("media/tone.mp3").string(), "Open");
    EXPECT_EQ(media.player(), nullptr);
}

// tests/data/media/tone.mp3: one second of a 440 Hz tone, made with
//   sox -n -r 22050 -c 1 tone.wav synth 1.0 sine 440 fade 0.05 1.0 0.2 vol 0.3 && lame -b 32 tone.wav tone.mp3
TEST(QtMedia, PlaysStopsAndClosesARealFileWithoutASoundDevice) {
    if (!brevane::qt::mediaPlayerAvailable()) GTEST_SKIP() << "GStreamer's playback plugin is not installed";
    brevane::qt::QtMediaBackend media;
    const std::string file = fixture("media/tone.mp3").string();
    media.command("MPEGVideo", file, "Open");
    ASSERT_NE(media.player(), nullptr);
    media.command("MPEGVideo", file, "Play");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return media.player()->playbackState() == QMediaPlayer::PlayingState; }, 5000));
    media.command("MPEGVideo", file, "Stop");
    EXPECT_EQ(media.player()->playbackState(), QMediaPlayer::StoppedState);
    media.command("MPEGVideo", file, "Play");
    EXPECT_EQ(media.player()->playbackState(), QMediaPlayer::PlayingState);
    media.command("MPEGVideo", file, "Close");
    EXPECT_EQ(media.player(), nullptr);
}

TEST(QtLauncher, StartsAPathWithBlanksQuotesAndSemicolonsAsOneProgramWithNoArguments) {
    TempDir dir;
    const fs::path folder = dir.path() / "My Games; 'UT' \"2004\"";
    const fs::path script = folder / "start game.sh";
    const fs::path report = folder / "report.txt";
    writeBytes(script, "#!/bin/sh\necho \"$#\" > \"$(dirname \"$0\")/report.tmp\"\n"
                       "mv \"$(dirname \"$0\")/report.tmp\" \"$(dirname \"$0\")/report.txt\"\n");
    fs::permissions(script, fs::perms::owner_all);
    brevane::qt::QtProcessLauncher launcher;
    EXPECT_EQ(launcher.start(script.string()), "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(report); }, 5000));
    EXPECT_EQ(readBytes(report), "0\n") << "no arguments";
}

TEST(QtLauncher, SaysWhyAGameCannotStart) {
    TempDir dir;
    const fs::path plain = dir.path() / "not executable";
    writeBytes(plain, "#!/bin/sh\n");
    fs::permissions(plain, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path exe = dir.path() / "UT2004.exe";
    writeBytes(exe, "MZ");
    brevane::qt::QtProcessLauncher launcher;
    EXPECT_EQ(launcher.start((dir.path() / "missing").string()), "No such file or directory");
    EXPECT_EQ(launcher.start(dir.path().string()), "Is a directory");
    EXPECT_EQ(launcher.start(plain.string()), "Permission denied");
    ScopedEnv path("PATH", QByteArray::fromStdString(dir.path().string()));
    EXPECT_NE(launcher.start(exe.string()).find("wine"), std::string::npos);
}

} // namespace
