#pragma once

namespace brevane::qt {

/// The program: options, splash, the hidden main window and its load, the music, the event loop.
/// Options: --game-dir DIR (the installation folder holding System/), --system-dir DIR (edit the
/// two files of DIR directly), --screenshots OUT (save pictures of every window and quit).
int runBrevane(int argc, char** argv);

} // namespace brevane::qt
