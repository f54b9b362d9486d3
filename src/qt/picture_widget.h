#pragma once
#include <QLabel>
#include <QString>

namespace brevane::qt {

/// A picture box: shows a JPEG or GIF scaled to fit, keeps the aspect ratio, and can hold the focus.
class PictureWidget : public QLabel {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);
    /// Shows the file at `path`, or `fallback` when that cannot be read, or nothing.
    void showFile(const QString& path, const QString& fallback);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void rescale();
    QPixmap m_original;
};

} // namespace brevane::qt
