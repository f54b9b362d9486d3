#include "qt/qt_media.h"

#include <QAudioOutput>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace brevane::qt {

namespace {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
QStringList pathList(const char *variable) {
    return QString::fromLocal8Bit(qgetenv(variable)).split(':', Qt::SkipEmptyParts);
}

/// The folders GStreamer loads plugins from: the PATH variables, and the system folders unless the
/// SYSTEM_PATH variable replaces them.
QStringList gstreamerPluginFolders() {
    QStringList folders = pathList("GST_PLUGIN_PATH_1_0") + pathList("GST_PLUGIN_PATH");
    QStringList system = pathList("GST_PLUGIN_SYSTEM_PATH_1_0");
    if (system.isEmpty()) system = pathList("GST_PLUGIN_SYSTEM_PATH");
    if (system.isEmpty() && !qEnvironmentVariableIsSet("GST_PLUGIN_SYSTEM_PATH_1_0") &&
        !qEnvironmentVariableIsSet("GST_PLUGIN_SYSTEM_PATH")) {
        system << QDir::homePath() + "/.local/share/gstreamer-1.0/plugins";
        for (const QString &lib : {QString("/usr/lib"), QString("/usr/lib64"), QString("/usr/local/lib")}) {
            system << lib + "/gstreamer-1.0";
            // Debian's multiarch folders, e.g. /usr/lib/x86_64-linux-gnu.
            for (const QString &arch : QDir(lib).entryList({"*-linux-*"}, QDir::Dirs))
                system << lib + "/" + arch + "/gstreamer-1.0";
        }
    }
    return folders + system;
}
#endif
} // namespace

bool mediaPlayerAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const QByteArray backend = qgetenv("QT_MEDIA_BACKEND");
    if (!backend.isEmpty() && backend != "gstreamer") return true; // another backend checks for itself
    for (const QString &folder : gstreamerPluginFolders())
        if (QFileInfo::exists(folder + "/libgstplayback.so")) return true;
    return false;
#else
    return true;
#endif
}

QtMediaBackend::QtMediaBackend() = default;

QtMediaBackend::~QtMediaBackend() {
    if (m_player) m_player->stop();
}

void QtMediaBackend::command(const std::string &, const std::string &fileName, const std::string &cmd) {
    if (cmd == "Open") {
        const QString path = QFile::decodeName(QByteArray::fromStdString(fileName));
        // No file, no player: the program stays silent.
        if (m_player || !QFileInfo(path).isFile() || !mediaPlayerAvailable()) return;
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        m_player->setAudioOutput(m_output.get());
        m_player->setSource(QUrl::fromLocalFile(path));
    } else if (cmd == "Play") {
        if (m_player) m_player->play();
    } else if (cmd == "Stop") {
        if (m_player) m_player->stop();
    } else if (cmd == "Close") {
        if (m_player) m_player->stop();
        m_player.reset();
        m_output.reset();
    }
}

} // namespace brevane::qt
