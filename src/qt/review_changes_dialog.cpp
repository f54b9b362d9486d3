#include "qt/review_changes_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSyntaxHighlighter>
#include <QVBoxLayout>

#include "qt/qt_text.h"
#include "qt/raw_text.h"

namespace brevane::qt {

namespace {

/// Colours the lines of a unified diff the way diff viewers do.
class DiffHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& line) override {
        QTextCharFormat format;
        if (line.startsWith("+++") || line.startsWith("---")) {
            format.setFontWeight(QFont::Bold);
        } else if (line.startsWith("@@")) {
            format.setForeground(QColor(0x1f, 0x4e, 0x9c));
        } else if (line.startsWith('+')) {
            format.setForeground(QColor(0x0b, 0x6a, 0x1f));
            format.setBackground(QColor(0xe6, 0xf6, 0xe6));
        } else if (line.startsWith('-')) {
            format.setForeground(QColor(0x9c, 0x12, 0x12));
            format.setBackground(QColor(0xfb, 0xe9, 0xe9));
        } else {
            return;
        }
        setFormat(0, int(line.size()), format);
    }
};

} // namespace

ReviewChangesDialog::ReviewChangesDialog(INI& model, const INI::PendingChanges& pending, QWidget* parent)
    : QDialog(parent), m_diff(new QPlainTextEdit) {
    setObjectName("frmReviewChanges");
    setWindowTitle("Review Changes - Brevane");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(860, 560);

    const bool none = pending.diff.empty();
    auto* heading = new QLabel(none ? "File > Save would write User.ini and UT2004.ini as they are now in " +
                                          toQt(pending.folder) + ": nothing has changed."
                                    : "File > Save would make these changes to the files in " +
                                          toQt(pending.folder) + ":");
    heading->setObjectName("lblReviewHeading");
    heading->setWordWrap(true);
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_diff->setObjectName("txtReviewDiff");
    m_diff->setReadOnly(true);
    m_diff->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_diff->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_diff->setPlainText(toDisplayText(pending.diff));
    new DiffHighlighter(m_diff->document());

    auto* buttons = new QDialogButtonBox;
    QPushButton* save = buttons->addButton("&Save", QDialogButtonBox::AcceptRole);
    save->setObjectName("cmdReviewSave");
    save->setEnabled(!none);
    QPushButton* close = buttons->addButton("&Close", QDialogButtonBox::RejectRole);
    close->setObjectName("cmdReviewClose");
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, [this, &model] {
        // The save reports its own failure; the review closes either way, as what it showed is stale.
        model.frmFileSave_Click();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_diff, 1);
    layout->addWidget(buttons);
    m_diff->setFocus();
}

} // namespace brevane::qt
