#pragma once
#include <QWidget>

namespace brevane {
class frmSplash;
}

namespace brevane::qt {

/// The borderless 800 x 600 splash on screen; any key that types a character closes it early.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow(frmSplash& model, const QString& picturePath, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    frmSplash& m_model;
};

} // namespace brevane::qt
