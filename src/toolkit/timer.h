#pragma once
#include <functional>

namespace tk {

/// A window timer. The view runs a real clock while it is enabled and calls `fire` on the UI thread;
/// tests call `fire` themselves.
class Timer {
public:
    int interval() const { return m_interval; }
    void setInterval(int ms) { m_interval = ms; changed(); }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; changed(); }

    std::function<void()> Tick;
    /// Runs the Tick handler if the timer is still enabled.
    void fire() { if (m_enabled && m_interval > 0 && Tick) Tick(); }

    void setViewUpdater(std::function<void()> updater) { m_updater = std::move(updater); }

private:
    void changed() { if (m_updater) m_updater(); }
    int m_interval = 0;
    bool m_enabled = false;
    std::function<void()> m_updater;
};

} // namespace tk
