#pragma once
// The menu music's media device, implemented with Qt Multimedia.
#include <memory>

#include "toolkit/services.h"

class QMediaPlayer;
class QAudioOutput;

namespace brevane::qt {

/// True when Qt Multimedia can make a player here. On GStreamer (Linux) the player needs the
/// "playback" plugin of gst-plugins-base; without it the player crashes as it is made, so it is
/// looked for first, in the plugin folders GStreamer itself would scan.
bool mediaPlayerAvailable();

/// "Open" makes a player for the file, "Play" and "Stop" pass on, "Close" drops it. A missing file,
/// no sound device or no multimedia backend leave it silent: no message, no wait, no crash.
class QtMediaBackend : public tk::MediaBackend {
public:
    QtMediaBackend();
    ~QtMediaBackend() override;
    void command(const std::string &deviceType, const std::string &fileName, const std::string &cmd) override;
    /// The player while the music is open (for tests), else nullptr.
    QMediaPlayer *player() const { return m_player.get(); }

private:
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
};

} // namespace brevane::qt
