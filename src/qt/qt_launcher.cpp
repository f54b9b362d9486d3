#include "qt/qt_launcher.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

#include "qt/qt_text.h"

namespace brevane::qt {

std::string QtProcessLauncher::start(const std::string &program) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(program));
    const QFileInfo info(path);
    // QProcess only says "failed to start"; these say why.
    if (program.empty() || !info.exists()) return std::strerror(ENOENT);
    if (info.isDir()) return std::strerror(EISDIR);

    QString executable = path;
    QStringList arguments;
#ifndef Q_OS_WIN
    if (path.endsWith(".exe", Qt::CaseInsensitive)) {
        const QString wine = QStandardPaths::findExecutable("wine");
        if (wine.isEmpty())
            return "This is a Windows program, and Wine (the \"wine\" command) was not found on the PATH to "
                   "start it.";
        executable = wine;
        arguments << path;
    } else if (!info.isExecutable()) {
        return std::strerror(EACCES);
    }
#endif
    QProcess process;
    process.setProgram(executable);
    process.setArguments(arguments);
    if (!process.startDetached()) return fromQt(process.errorString());
    return {};
}

} // namespace brevane::qt
