#include "settings/display_options.h"

#include "documents/config_document.h"
#include "settings/rules.h"

namespace brevane {

namespace {
constexpr const char* kClient = "[WinDrv.WindowsClient]";
constexpr const char* kD3D = "[D3DDrv.D3DRenderDevice]";
constexpr const char* kD3D9 = "[D3D9Drv.D3D9RenderDevice]";

struct Line {
    int index;
    const char* caption;
    const char* key;
};
} // namespace

const std::vector<std::string>& detailLevels() {
    static const std::vector<std::string> levels = {"UltraLow", "Lower",  "Low",      "Normal",
                                                    "High",     "Higher", "UltraHigh"};
    return levels;
}

std::string direct3DSectionFor(const std::string& renderDevice) {
    return equalsIgnoreCase(renderDevice, "D3D9Drv.D3D9RenderDevice") ? kD3D9 : kD3D;
}

DisplayOptions::DisplayOptions(tk::Form& form, AppState& state, SharedControls& shared)
    : TablePage(state), c_D3D(form, "c_D3D") {
    const auto game = IniFile::Game;
    const Line clientSwitches[] = {
        {0, "Full Screen", "StartupFullscreen"},
        {1, "Screen Flashes", "ScreenFlashes"},
        {2, "Projectors", "Projectors"},
        {3, "No Lighting", "NoLighting"},
        {4, "Decals", "Decals"},
        {5, "Coronas", "Coronas"},
        {6, "DecoLayers", "DecoLayers"},
        {7, "Weather Effects", "WeatherEffects"},
        {8, "No Dynamic Lights", "NoDynamicLights"},
        {9, "Report Dynamic Uploads", "ReportDynamicUploads"},
        {10, "No Fractal Anim", "NoFractalAnim"},
        {11, "Use Speech Recognition", "UseSpeechRecognition"},
    };
    for (const Line& line : clientSwitches) {
        tk::CheckBox& box =
            shared.c_Video.has(line.index) ? shared.c_Video[line.index] : shared.c_Video.add(line.index);
        addRow(box, line.caption, game, kClient, line.key, rules::Switch());
    }
    const Line clientNumbers[] = {
        {3, "Anim Mesh Dynamic LOD", "AnimMeshDynamicLOD"},
        {4, "Texture Max LOD", "TextureMaxLOD"},
        {5, "Texture Min LOD", "TextureMinLOD"},
        {6, "Draw Distance LOD", "DrawDistanceLOD"},
    };
    for (const Line& line : clientNumbers)
        addRow(shared.video.box(line.index), line.caption, game, kClient, line.key, rules::FirstN(3));
    const Line levels[] = {
        {2, "Detail Interface", "TextureDetailInterface"},
        {3, " Detail Terrain", "TextureDetailTerrain"},
        {4, " Detail Weapon Skin", "TextureDetailWeaponSkin"},
        {5, "Detail Player Skin", "TextureDetailPlayerSkin"},
        {6, "Detail World", "TextureDetailWorld"},
        {7, "Detail Render map", "TextureDetailRenderMap"},
        {8, "Detail Light Map", "TextureDetailLightmap"},
    };
    for (const Line& line : levels)
        addRow(shared.cbx_Video.add(line.index, detailLevels()), line.caption, game, kClient, line.key,
               rules::Level());

    m_firstDirect3DRow = m_rows.size();
    const Line d3dSwitches[] = {
        {0, "Detail Textures", "DetailTextures"},
        {1, "High Detail Actors", "HighDetailActors"},
        {2, "Super High Detail Actors", "SuperHighDetailActors"},
        {3, "Precaching", "UsePrecaching"},
        {4, "Trilinear", "UseTrilinear"},
        {5, "Reduce Mouse Lag", "ReduceMouseLag"},
        {6, "Tripple Buffering", "UseTripleBuffering"},
        {7, "Hardware TL", "UseHardwareTL"},
        {8, "Hardware VS", "UseHardwareVS"},
        {9, "Cube Maps", "UseCubemaps"},
        {10, "Compressed Lightmaps", "UseCompressedLightmaps"},
        {11, "Stencil", "UseStencil"},
        {12, "16 Bit", "Use16bit"},
        {13, "16 Bit Textures", "Use16bitTextures"},
        {14, "VSync", "UseVSync"},
        {15, "NPatches", "UseNPatches"},
        {16, "Check for Over Flow", "CheckForOverflow"},
        {17, "Avoid Hitches", "AvoidHitches"},
        {18, "Low Quality Terrain ", "LowQualityTerrain"},
        {19, "Report Unused Textures", "ReportUnusedTextures"},
        {20, "Decompress Textures", "DecompressTextures"},
        {21, "Skybox Hack", "SkyboxHack"},
        {22, "OverRide Desktop Refresh Rate", "OverrideDesktopRefreshRate"},
    };
    for (const Line& line : d3dSwitches)
        addRow(c_D3D.add(line.index), line.caption, game, state.Direct3DSection, line.key, rules::Switch());
    const struct {
        int index;
        const char* caption;
        const char* key;
        std::size_t shown;
    } d3dNumbers[] = {
        {7, "Desired Refresh Rate", "DesiredRefreshRate", 3}, {8, "Level Of Anisotropy", "LevelOfAnisotropy", 3},
        {9, "Detail TexMipBias", "DetailTexMipBias", 4},      {10, "Default TexMipBias", "DefaultTexMipBias", 4},
        {11, "Tesselation Factor", "TesselationFactor", 3},   {12, "Terrain LOD", "TerrainLOD", 3},
    };
    for (const auto& line : d3dNumbers)
        addRow(shared.video.box(line.index), line.caption, game, state.Direct3DSection, line.key,
               rules::FirstN(line.shown));
}

void DisplayOptions::load() {
    m_state.Direct3DSection = direct3DSectionFor(GetVal(m_state.gameIni, "RenderDevice"));
    // The collect keeps using this section, whatever device is chosen before the save.
    for (std::size_t i = m_firstDirect3DRow; i < m_rows.size(); ++i)
        m_rows[i].section = m_state.Direct3DSection;
    TablePage::load();
}

} // namespace brevane
