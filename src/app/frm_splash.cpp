#include "app/frm_splash.h"

namespace brevane {

frmSplash::frmSplash() {
    tmrShow.setInterval(5000);
    tmrShow.setEnabled(true);
    tmrShow.Tick = [this] { giveWay(); };
}

void frmSplash::Form_KeyPress() { giveWay(); }

void frmSplash::giveWay() {
    // The timer and a key can both fall due; only the first one shows the main window.
    if (m_gaveWay) return;
    m_gaveWay = true;
    tmrShow.setEnabled(false);
    if (showMainWindow) showMainWindow();
    if (closeSplash) closeSplash();
}

} // namespace brevane
