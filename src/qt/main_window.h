#pragma once
#include <QMainWindow>

class QTabWidget;

namespace brevane {
class INI;
}

namespace brevane::qt {

class Binder;

/// The main window `INI` on screen: 905 x 608 client area, fixed, with the menu bar and the twelve
/// tabs. It only places and mirrors the model's controls.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(INI& model, QWidget* parent = nullptr);
    ~MainWindow() override;

    QTabWidget* tabs() const { return m_tabs; }
    Binder& binder() const { return *m_binder; }
    /// Shows the window (ShowMainWindow), activates it and parks the focus on the player picture.
    void showMainWindow();
    /// Refreshes the caption from the model (the sandbox path, when one is edited).
    void updateCaption();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    INI& m_model;
    Binder* m_binder;
    QTabWidget* m_tabs;
    bool m_unloaded = false;
};

} // namespace brevane::qt
