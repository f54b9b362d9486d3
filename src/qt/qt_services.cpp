#include "qt/qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "qt/qt_text.h"

namespace brevane::qt {

namespace {
/// "INI files (*.ini)|*.ini|All files (*.*)|*.*" to Qt's ";;"-separated name filters.
QString toQtFilter(const std::string& filter) {
    QStringList parts = toQt(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << (description.contains('(') ? description : description + " (" + patterns + ")");
    }
    return filters.join(";;");
}
} // namespace

tk::MessageAnswer QtMessageBoxes::show(const std::string& text, tk::MessageButtons buttons, tk::MessageIcon icon) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle("Brevane");
    box.setText(toQt(text).replace("\r\n", "\n"));
    switch (icon) {
    case tk::MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case tk::MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case tk::MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case tk::MessageIcon::None: break;
    }
    if (buttons == tk::MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? tk::MessageAnswer::Yes : tk::MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return tk::MessageAnswer::Ok;
}

std::string QtFileDialogs::openFile(const std::string& filter, const std::string& defaultExt,
                                    const std::string& initialDir) {
    QFileDialog dialog(QApplication::activeWindow(), "Open", toQt(initialDir), toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(toQt(defaultExt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

std::string QtFileDialogs::saveFile(const std::string& filter, const std::string& defaultExt,
                                    const std::string& initialDir) {
    QFileDialog dialog(QApplication::activeWindow(), "Save As", toQt(initialDir), toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(toQt(defaultExt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

void QtShell::openUrl(const std::string& url) { QDesktopServices::openUrl(QUrl(toQt(url))); }

} // namespace brevane::qt
