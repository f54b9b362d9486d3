#include "settings/other_render_devices.h"

#include "settings/rules.h"

namespace brevane {

namespace {
constexpr const char* kOpenGL = "[OpenGLDrv.OpenGLRenderDevice]";
constexpr const char* kSoftware = "[Engine.NullRenderDevice]";
constexpr const char* kPixo = "[PixoDrv.PixoRenderDevice]";

struct Line {
    const char* caption;
    const char* key;
};
} // namespace

OtherRenderDevices::OtherRenderDevices(tk::Form& form, AppState& state, SharedControls& shared)
    : TablePage(state), c_OpenGL(form, "c_OpenGL"), c_Software(form, "c_Software"), c_Pixo(form, "c_Pixo") {
    const auto game = IniFile::Game;
    auto switches = [&](tk::ControlArray<tk::CheckBox>& array, const char* section,
                        std::initializer_list<Line> lines) {
        int index = 0;
        for (const Line& line : lines)
            addRow(array.add(index++), line.caption, game, section, line.key, rules::Switch());
    };
    auto numbers = [&](const char* section, int first,
                       std::initializer_list<std::tuple<const char*, const char*, Rule>> lines) {
        int index = first;
        for (const auto& [caption, key, rule] : lines)
            addRow(shared.video.box(index++), caption, game, section, key, rule);
    };

    switches(c_OpenGL, kOpenGL,
             {{"Detail Textures", "DetailTextures"},
              {"High Detail Actors", "HighDetailActors"},
              {"Super High Detail Actors", "SuperHighDetailActors"},
              {"Precaching", "UsePrecaching"},
              {"Compressed Lightmaps", "UseCompressedLightmaps"},
              {"Trilinear", "UseTrilinear"},
              {"Stencil", "UseStencil"},
              {"Reduce Mouse Lag", "ReduceMouseLag"},
              {"VSync", "UseVSync"},
              {"Use VBO", "UseVBO"}});
    numbers(kOpenGL, 13,
            {{"Max Texture Units", "MaxTextureUnits", rules::FirstN(3)},
             {"Level Of Anisotropy", "LevelOfAnisotropy", rules::FirstN(3)},
             {"Detail TexMipBias", "DetailTexMipBias", rules::FirstN(3)},
             {"VAR Size", "VARSize", rules::FirstN(3)},
             {"AppleVA", "AppleVA", rules::FirstN(3)},
             {"Default TexMipBias", "DefaultTexMipBias", rules::FirstN(4)}});

    switches(c_Software, kSoftware,
             {{"Detail Textures", "DetailTextures"},
              {"High Detail Actors", "HighDetailActors"},
              {"Super High Detail Actors", "SuperHighDetailActors"},
              {"Compressed Lightmaps", "UseCompressedLightmaps"},
              {"Precaching", "UsePrecaching"},
              {"Stencil", "UseStencil"}});

    switches(c_Pixo, kPixo,
             {{"Fog Enabled", "FogEnabled"},
              {"Zoom 2X", "Zoom2X"},
              {"Simple Materials", "SimpleMaterials"},
              {"Limit Texture Size", "LimitTextureSize"},
              {"Low Quality Terrain", "LowQualityTerrain"},
              {"Sky Box Hack", "SkyboxHack"},
              {"High Detail Actors", "HighDetailActors"},
              {"Super High Detal Actors", "SuperHighDetailActors"},
              {"Reduce Mouse Lag", "ReduceMouseLag"},
              {"16 Bit Textures", "Use16bitTextures"},
              {"16 Bit", "Use16bit"},
              {"Stencils", "UseStencil"},
              {"Compresed Lightmap", "UseCompressedLightmaps"},
              {"Detali Textures", "DetailTextures"},
              {"Use Precaching", "UsePrecaching"}});
    numbers(kPixo, 19,
            {{"Terrain LOD", "TerrainLOD", rules::Text()},
             {"Filter Quality 3D", "FilterQuality3D", rules::Text()},
             {"Filter Quality Hud", "FilterQualityHUD", rules::Text()}});
}

} // namespace brevane
