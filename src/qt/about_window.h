#pragma once
// The About window on screen: borderless, dark blue with a thin red frame, the picture above and the
// texts below, OK to close. Modeless and without owner, so it may outlive the main window.
#include <QWidget>
#include <functional>
#include <memory>

#include "toolkit/services.h"

namespace brevane {
class frmAbout;
}

namespace brevane::qt {

class Binder;

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    /// `onUnload` runs when the window goes away (the main window's model then allows a new one).
    AboutWindow(tk::Services services, const std::string &programFolder, std::function<void()> onUnload);
    ~AboutWindow() override;

    frmAbout &model() const { return *m_model; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<frmAbout> m_model;
    // Declared after the model so that it goes first: no widget may reach a dead control.
    std::unique_ptr<Binder> m_binder;
    std::function<void()> m_onUnload;
    QWidget *m_address = nullptr;
};

} // namespace brevane::qt
