#pragma once
// The splash window's behaviour: it gives way to the main window after five seconds or at the
// first key press, exactly once.
#include <functional>

#include "toolkit/timer.h"

namespace brevane {

class frmSplash {
public:
    frmSplash();

    /// Fires once, 5000 ms after the splash was created.
    tk::Timer tmrShow;
    /// A key that produces a character was pressed while the splash was active.
    void Form_KeyPress();

    /// Shows the main window (ShowMainWindow); set by whoever owns the windows.
    std::function<void()> showMainWindow;
    /// Closes and destroys the splash window; set by the view.
    std::function<void()> closeSplash;

    bool gaveWay() const { return m_gaveWay; }

private:
    void giveWay();
    bool m_gaveWay = false;
};

} // namespace brevane
