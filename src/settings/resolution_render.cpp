#include "settings/resolution_render.h"

#include <algorithm>

#include "documents/config_document.h"
#include "settings/rules.h"

namespace brevane {

namespace {
constexpr const char* kClient = "[WinDrv.WindowsClient]";
constexpr const char* kSdlClient = "[SDLDrv.SDLClient]";

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// Shows "<X> X <Y>"; stores the two sides into the Windows client section, then the SDL client section.
Rule resolutionPair(std::string keyX, std::string keyY) {
    Rule rule;
    rule.name = "Resolution pair";
    rule.customLoad = [keyX, keyY](const Row& row, AppState& state) {
        setControlText(*row.control, lookupSetting(state, IniFile::Game, kClient, keyX) + " X " +
                                         lookupSetting(state, IniFile::Game, kClient, keyY));
    };
    rule.customCollect = [keyX, keyY](const Row& row, AppState& state) {
        auto pair = splitResolution(controlText(*row.control));
        if (!pair) return; // no X at all: the stored values stay
        for (const char* section : {kClient, kSdlClient}) {
            storeSetting(state, IniFile::Game, section, keyX, pair->first);
            storeSetting(state, IniFile::Game, section, keyY, pair->second);
        }
    };
    return rule;
}

bool isRenderDeviceKey(const std::string& key) {
    return key == "RenderDevice" || key == ";RenderDevice";
}

} // namespace

const std::vector<std::string>& resolutionList() {
    static const std::vector<std::string> list = {
        "320 X 240",  "512 X 384",  "640 X 480",   "800 X 600",   "1024 X 640",  "846  X 768", "1024 X 768",
        "1152 X 864", "1280 X 960", "1280 X 1024", "1600 X 1024", "1680 X 1050", "1920 X 1200"};
    return list;
}

std::optional<std::pair<std::string, std::string>> splitResolution(const std::string& text) {
    auto at = text.find('X');
    if (at == std::string::npos) at = text.find('x');
    if (at == std::string::npos) return std::nullopt;
    return std::make_pair(trimBlanks(text.substr(0, at)), trimBlanks(text.substr(at + 1)));
}

bool rewriteRenderDeviceBlock(ConfigDocument& doc, int choice, const std::string& loadedRenderDevice) {
    const auto active = findKey(doc, "RenderDevice");
    const auto commented = findKey(doc, ";RenderDevice");
    if (!active || !commented || choice < 0 || choice > 2) return false;
    const std::size_t b = std::min(*active, *commented);
    if (b + 4 >= doc.lineCount()) return false;
    // Rewriting keys of lines that are not device lines would turn settings into comments.
    for (std::size_t i = b; i <= b + 4; ++i)
        if (!isRenderDeviceKey(doc.keys[i])) return false;

    std::size_t on = b + 4;
    if (choice == 1) on = b + 3;
    if (choice == 0) {
        const bool loadedIsDirect3D = equalsIgnoreCase(loadedRenderDevice, "D3DDrv.D3DRenderDevice") ||
                                      equalsIgnoreCase(loadedRenderDevice, "D3D9Drv.D3D9RenderDevice");
        on = loadedIsDirect3D && !equalsIgnoreCase(doc.values[b], loadedRenderDevice) &&
                     equalsIgnoreCase(doc.values[b + 1], loadedRenderDevice)
                 ? b + 1
                 : b;
    }
    for (std::size_t i = b; i <= b + 4; ++i)
        doc.keys.set(i, i == on ? "RenderDevice" : ";RenderDevice");
    return true;
}

ResolutionRender::ResolutionRender(tk::Form& form, AppState& state, SharedControls& shared)
    : TablePage(state), RenOptionGroup("RenOption"), RenOption(form, "RenOption") {
    const auto game = IniFile::Game;
    const struct {
        int index;
        const char* caption;
        const char* keyX;
        const char* keyY;
    } pairs[] = {{0, "FullScreen", "FullscreenViewportX", "FullscreenViewportY"},
                 {1, "Windowed", "WindowedViewportX", "WindowedViewportY"},
                 {9, "Menu", "MenuViewportX", "MenuViewportY"}};
    for (const auto& pair : pairs) {
        Row& row = addRow(shared.cbx_Video.add(pair.index, resolutionList()), pair.caption, game, kClient,
                          pair.keyX, resolutionPair(pair.keyX, pair.keyY));
        row.moreKeys = {pair.keyY};
    }
    addRow(shared.tbx_MinRefRate, "Min Refresh Rate", game, kClient, "MinDesiredFrameRate", rules::FirstN(5));
    addRow(shared.video.box(0), "Gamma", game, kClient, "Gamma", rules::FirstN(3));
    addRow(shared.video.box(1), "Brightness", game, kClient, "Brightness", rules::FirstN(3));
    addRow(shared.video.box(2), "Contrast", game, kClient, "Contrast", rules::FirstN(3));
    addRow(shared.c_Video[0], "Full Screen", game, kClient, "StartupFullscreen", rules::Switch());
    addRow(shared.c_Video[1], "Screen Flashes", game, kClient, "ScreenFlashes", rules::Switch());

    RenOption.add(0, "Direct3D", RenOptionGroup);
    RenOption.add(1, "OpenGL", RenOptionGroup);
    RenOption.add(2, "Software", RenOptionGroup);
    Rule device;
    device.name = "Render device";
    device.customLoad = [this](const Row&, AppState&) { loadRenderDevice(); };
    device.customCollect = [this](const Row&, AppState&) { collectRenderDevice(); };
    addGroupRow(RenOptionGroup, "Render Device", game, "", "RenderDevice", device);
}

void ResolutionRender::loadRenderDevice() {
    m_state.LoadedRenderDevice = GetVal(m_state.gameIni, "RenderDevice");
    const std::string& device = m_state.LoadedRenderDevice;
    if (equalsIgnoreCase(device, "D3DDrv.D3DRenderDevice") || equalsIgnoreCase(device, "D3D9Drv.D3D9RenderDevice"))
        RenOption[0].setValue(true);
    else if (equalsIgnoreCase(device, "OpenGLDrv.OpenGLRenderDevice"))
        RenOption[1].setValue(true);
    else if (equalsIgnoreCase(device, "PixoDrv.PixoRenderDevice"))
        RenOption[2].setValue(true);
    // Any other device keeps the buttons as they were.
}

void ResolutionRender::collectRenderDevice() {
    for (int i = 0; i <= 2; ++i)
        if (RenOption[i].value()) rewriteRenderDeviceBlock(m_state.gameIni, i, m_state.LoadedRenderDevice);
}

} // namespace brevane
