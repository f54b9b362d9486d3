#pragma once
#include <QDialog>

#include "app/ini.h"

class QPlainTextEdit;

namespace brevane::qt {

/// File > Review Changes on screen: the unified diff of what File > Save would write, read-only,
/// with added lines green and removed lines red. "Save" runs the window's save and closes; "Close"
/// (or Escape) leaves everything as it is.
class ReviewChangesDialog : public QDialog {
    Q_OBJECT
public:
    ReviewChangesDialog(INI& model, const INI::PendingChanges& pending, QWidget* parent);
    QPlainTextEdit* diffView() const { return m_diff; }

private:
    QPlainTextEdit* m_diff;
};

} // namespace brevane::qt
