#pragma once
#include <string>

#include "toolkit/services.h"

namespace tk {

/// A hidden media player control driven by command strings.
class MediaDevice {
public:
    explicit MediaDevice(MediaBackend*& backend) : m_backend(backend) {}
    std::string DeviceType;
    std::string FileName;
    /// Sends "Open", "Play", "Stop" or "Close" to the backend, if there is one.
    void setCommand(const std::string& cmd) {
        if (m_backend) m_backend->command(DeviceType, FileName, cmd);
    }

private:
    MediaBackend*& m_backend;
};

} // namespace tk
