#pragma once
// The sound and mouse frames of the "Audio / Misc" tab.
class QGroupBox;

namespace brevane::qt {

struct TabContext;

/// "Audio System": the twelve switches over the twelve numbers, both in two columns.
QGroupBox* buildAudioSystemFrame(TabContext& ctx);
/// "Mouse": the two switches over the six numbers.
QGroupBox* buildMouseFrame(TabContext& ctx);

} // namespace brevane::qt
