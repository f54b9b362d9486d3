#pragma once
// The display option frames: "Client Setup", "Direct3D", "OpenGL" and "Software" of the tab "Video",
// and "Pixomatic Render" of the tab "Audio / Misc".
class QGroupBox;

namespace brevane::qt {

struct TabContext;

QGroupBox* buildClientSetupFrame(TabContext& ctx);
QGroupBox* buildDirect3DFrame(TabContext& ctx);
QGroupBox* buildOpenGLFrame(TabContext& ctx);
QGroupBox* buildSoftwareFrame(TabContext& ctx);
QGroupBox* buildPixomaticFrame(TabContext& ctx);

} // namespace brevane::qt
