#include "qt/application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QPointer>
#include <QScreen>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

#include "app/frm_splash.h"
#include "app/ini.h"
#include "app/memory_policy.h"
#include "documents/installation.h"
#include "qt/about_window.h"
#include "qt/app_style.h"
#include "qt/binder.h"
#include "qt/main_window.h"
#include "qt/qt_launcher.h"
#include "qt/qt_media.h"
#include "qt/qt_services.h"
#include "qt/screenshots.h"
#include "qt/splash_window.h"

namespace brevane::qt {

namespace {
void centre(QWidget& w) {
    if (QScreen* screen = QApplication::primaryScreen())
        w.move(screen->availableGeometry().center() - QPoint(w.width() / 2, w.height() / 2));
}

std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}
} // namespace

int runBrevane(int argc, char** argv) {
    keepFreedMemoryForReuse();
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Brevane");
    QApplication::setApplicationVersion("1.0");
    applyAppStyle(app);

    QCommandLineParser parser;
    parser.setApplicationDescription("Brevane - a settings editor for Unreal Tournament 2004");
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption gameDir("game-dir", "The game's installation folder (the one holding System/).", "DIR");
    QCommandLineOption systemDir("system-dir", "Edit the User.ini and UT2004.ini of DIR directly.", "DIR");
    QCommandLineOption screenshots("screenshots", "Save pictures of every window into OUT and quit.", "OUT");
    QCommandLineOption measure("measure-startup",
                               "Show the main window as soon as it is loaded (no splash wait), print the time "
                               "from start to the window on screen and the peak memory, and quit.");
    parser.addOptions({gameDir, systemDir, screenshots, measure});
    parser.process(app);

    const std::string programFolder = withSeparator(QFile::encodeName(QApplication::applicationDirPath()).toStdString());
    QApplication::setWindowIcon(QIcon(QString::fromStdString(programFolder + "Images/Brevane.png")));

    QtMessageBoxes messages;
    // Taking pictures must never wait for a person: messages go to the terminal instead.
    struct PrintedMessages : tk::MessageBoxService {
        tk::MessageAnswer show(const std::string& text, tk::MessageButtons buttons, tk::MessageIcon) override {
            std::fprintf(stderr, "Brevane: %s\n", text.c_str());
            return buttons == tk::MessageButtons::YesNo ? tk::MessageAnswer::No : tk::MessageAnswer::Ok;
        }
    } printed;
    QtFileDialogs files;
    QtShell shell;
    QtProcessLauncher launcher;
    QtMediaBackend media;
    tk::Services services{&messages, &files, &shell, &launcher, &media};
    if (parser.isSet(screenshots) || parser.isSet(measure)) services.messages = &printed;
    INI model(services, programFolder);
    // Help ▸ About: a window without owner, so it outlives the main window until its OK.
    QPointer<AboutWindow> about;
    model.showAbout = [&] {
        about = new AboutWindow(model.services, programFolder, [&model] { model.frmAbout_Unload(); });
        centre(*about);
        about->show();
        about->activateWindow();
    };

    // Main: the splash first, its timer counting from now; the main window is created hidden and
    // loaded while the splash is on screen.
    frmSplash splashModel;
    SplashWindow splash(splashModel, QString::fromStdString(programFolder + "Images/Splash.jpg"));
    centre(splash);
    splash.show();
    MainWindow window(model);
    window.binder().timer(splashModel.tmrShow);
    QApplication::processEvents();

    LocateResult found;
    if (parser.isSet(systemDir)) {
        found.SystemFolder = withSeparator(QFile::encodeName(parser.value(systemDir)).toStdString());
        found.InstalledSystemFolder = found.SystemFolder;
        found.GamePath = found.SystemFolder + "UT2004.exe";
    } else {
        LocateOptions where;
        where.environment = LocateEnvironment::fromProcess();
        where.programFolder = programFolder;
        if (parser.isSet(gameDir)) where.gameDir = QFile::encodeName(parser.value(gameDir)).toStdString();
        found = locateInstallation(where);
    }
    model.Form_Load(found);
    if (!parser.isSet(screenshots)) model.StartMenuMusic();
    window.updateCaption();
    centre(window);

    splashModel.showMainWindow = [&window] { window.showMainWindow(); };
    splashModel.closeSplash = [&splash] { splash.close(); };

    if (parser.isSet(measure)) {
        splashModel.tmrShow.setEnabled(false);
        QTimer::singleShot(0, &window, [&] {
            splashModel.Form_KeyPress(); // give way at once, as a key press would
            QApplication::processEvents();
            struct rusage usage {};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("startup_ms=%lld peak_rss_kb=%ld\n", static_cast<long long>(sinceStart.elapsed()),
                        usage.ru_maxrss);
            QApplication::quit();
        });
    }
    if (parser.isSet(screenshots)) {
        splashModel.tmrShow.setEnabled(false);
        takeScreenshots(splash, window, parser.value(screenshots), [&]() -> QWidget* {
            model.mnuAbout_Click();
            return about.data();
        });
    }
    const int status = app.exec();
    delete about.data(); // before the model it reports to
    return status;
}

} // namespace brevane::qt
