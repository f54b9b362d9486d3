// Resolutions into both client sections, the render engine numbers, and the render device block.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "settings/resolution_render.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using settings_test::writtenLines;
using testing_support::crlf;

std::vector<std::string> block(const std::string& first) {
    return {first.empty() ? ";RenderDevice=D3DDrv.D3DRenderDevice" : first,
            ";RenderDevice=D3D9Drv.D3D9RenderDevice", ";RenderDevice=Engine.NullRenderDevice",
            ";RenderDevice=OpenGLDrv.OpenGLRenderDevice", ";RenderDevice=PixoDrv.PixoRenderDevice"};
}

std::string gameWith(std::vector<std::string> deviceLines) {
    std::string text = "[Engine.Engine]\r\n";
    for (const auto& line : deviceLines)
        text += line + "\r\n";
    text += crlf({"[WinDrv.WindowsClient]",
                  "WindowedViewportX=800",
                  "WindowedViewportY=600",
                  "FullscreenViewportX=1024",
                  "FullscreenViewportY=768",
                  "MenuViewportX=640",
                  "MenuViewportY=480",
                  "Brightness=0.800000",
                  "Contrast=1.5",
                  "Gamma=0.800000",
                  "MinDesiredFrameRate=35.000000",
                  "StartupFullscreen=False",
                  "ScreenFlashes=True",
                  "[SDLDrv.SDLClient]",
                  "WindowedViewportX=800",
                  "WindowedViewportY=600",
                  "FullscreenViewportX=1024",
                  "FullscreenViewportY=768",
                  "MenuViewportX=640",
                  "MenuViewportY=480"});
    return text;
}

/// The keys of the five lines after the header.
std::vector<std::string> blockKeys(const brevane::ConfigDocument& doc) {
    return {doc.keys.begin() + 1, doc.keys.begin() + 6};
}

TEST(ResolutionRender, RoundTripWritesBothClientSections) {
    PageHarness h;
    h.open("", gameWith(block("RenderDevice=D3DDrv.D3DRenderDevice")));
    auto& page = h.ini.pages.resolutionRender;
    auto& shared = h.ini.pages.shared;
    page.load();
    EXPECT_EQ(shared.cbx_Video[0].text(), "1024 X 768");
    EXPECT_EQ(shared.cbx_Video[1].text(), "800 X 600");
    EXPECT_EQ(shared.cbx_Video[9].text(), "640 X 480");
    EXPECT_EQ(shared.tbx_MinRefRate.text(), "35.00");
    EXPECT_EQ(shared.video.box(0).text(), "0.8");
    EXPECT_EQ(shared.video.box(2).text(), "1");
    EXPECT_TRUE(page.RenOption[0].value());
    shared.cbx_Video[0].userTypes("846  X 768");
    shared.cbx_Video[1].userTypes("640 x 1024");
    shared.cbx_Video[9].userTypes("1280 by 1024");
    shared.video.box(1).setText("0.6");
    page.collect();
    const auto lines = writtenLines(h.ini.state.gameIni);
    const std::vector<std::string> expected = {"[WinDrv.WindowsClient]",
                                               "WindowedViewportX=640",
                                               "WindowedViewportY=1024",
                                               "FullscreenViewportX=846",
                                               "FullscreenViewportY=768",
                                               "MenuViewportX=640",
                                               "MenuViewportY=480",
                                               "Brightness=0.6",
                                               "Contrast=1",
                                               "Gamma=0.8",
                                               "MinDesiredFrameRate=35.00",
                                               "StartupFullscreen=False",
                                               "ScreenFlashes=True",
                                               "[SDLDrv.SDLClient]",
                                               "WindowedViewportX=640",
                                               "WindowedViewportY=1024",
                                               "FullscreenViewportX=846",
                                               "FullscreenViewportY=768",
                                               "MenuViewportX=640",
                                               "MenuViewportY=480",
                                               ""};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.end()), expected);
}

TEST(ResolutionRender, SplitsAtTheFirstCapitalXElseTheFirstSmallX) {
    const std::pair<const char*, std::optional<std::pair<std::string, std::string>>> cases[] = {
        {"1024 X 768", std::pair{"1024", "768"}},
        {"846  X 768", std::pair{"846", "768"}},
        {"640x480", std::pair{"640", "480"}},
        {"x1 X 2", std::pair{"x1", "2"}},
        {" X ", std::pair{"", ""}},
        {"1024 by 768", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(brevane::splitResolution(text), expected) << text;
    EXPECT_EQ(brevane::resolutionList().size(), 13u);
    EXPECT_EQ(brevane::resolutionList()[5], "846  X 768");
}

TEST(ResolutionRender, MissingSdlSectionGetsNoViewportValues) {
    PageHarness h;
    h.open("", crlf({"[WinDrv.WindowsClient]", "FullscreenViewportX=1024", "FullscreenViewportY=768"}));
    h.ini.pages.resolutionRender.load();
    EXPECT_EQ(h.ini.pages.shared.cbx_Video[1].text(), " X ");
    h.ini.pages.resolutionRender.collect();
    EXPECT_EQ(writtenLines(h.ini.state.gameIni),
              (std::vector<std::string>{"[WinDrv.WindowsClient]", "FullscreenViewportX=1024",
                                        "FullscreenViewportY=768", ""}));
}

TEST(ResolutionRender, RenderDeviceOptionFollowsTheLoadedDevice) {
    const std::pair<const char*, int> cases[] = {
        {"RenderDevice=D3DDrv.D3DRenderDevice", 0},       {"RenderDevice=D3D9Drv.D3D9RenderDevice", 0},
        {"RenderDevice=OpenGLDrv.OpenGLRenderDevice", 1}, {"RenderDevice=opengldrv.openglrenderdevice", 1},
        {"RenderDevice=PixoDrv.PixoRenderDevice", 2},     {"RenderDevice=Engine.NullRenderDevice", -1},
    };
    for (const auto& [line, option] : cases) {
        PageHarness h;
        h.open("", gameWith({line}));
        auto& page = h.ini.pages.resolutionRender;
        page.load();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(page.RenOption[i].value(), i == option) << line;
    }
}

TEST(ResolutionRender, RenderDeviceBlockForEachOptionAndLoadedDevice) {
    const std::string on = "RenderDevice", off = ";RenderDevice";
    struct Case {
        std::vector<std::string> lines;
        int option;
        std::vector<std::string> keys;
    } cases[] = {
        {block("RenderDevice=D3DDrv.D3DRenderDevice"), 1, {off, off, off, on, off}},
        {block("RenderDevice=D3DDrv.D3DRenderDevice"), 2, {off, off, off, off, on}},
        {block("RenderDevice=D3DDrv.D3DRenderDevice"), 0, {on, off, off, off, off}},
        // A D3D9 user who saves without touching anything stays on D3D9.
        {{";RenderDevice=D3DDrv.D3DRenderDevice", "RenderDevice=D3D9Drv.D3D9RenderDevice",
          ";RenderDevice=Engine.NullRenderDevice", ";RenderDevice=OpenGLDrv.OpenGLRenderDevice",
          ";RenderDevice=PixoDrv.PixoRenderDevice"},
         0,
         {off, on, off, off, off}},
        // From OpenGL or software to Direct3D: the first line becomes active.
        {{";RenderDevice=D3DDrv.D3DRenderDevice", ";RenderDevice=D3D9Drv.D3D9RenderDevice",
          ";RenderDevice=Engine.NullRenderDevice", "RenderDevice=OpenGLDrv.OpenGLRenderDevice",
          ";RenderDevice=PixoDrv.PixoRenderDevice"},
         0,
         {on, off, off, off, off}},
        {{";RenderDevice=D3DDrv.D3DRenderDevice", ";RenderDevice=D3D9Drv.D3D9RenderDevice",
          ";RenderDevice=Engine.NullRenderDevice", ";RenderDevice=OpenGLDrv.OpenGLRenderDevice",
          "RenderDevice=PixoDrv.PixoRenderDevice"},
         1,
         {off, off, off, on, off}},
    };
    for (const Case& c : cases) {
        PageHarness h;
        h.open("", gameWith(c.lines));
        auto& page = h.ini.pages.resolutionRender;
        page.load();
        page.RenOption[c.option].setValue(true);
        page.collect();
        EXPECT_EQ(blockKeys(h.ini.state.gameIni), c.keys) << c.lines[0] << " option " << c.option;
        for (int i = 0; i < 5; ++i) // values never change
            EXPECT_EQ(h.ini.state.gameIni.values[1 + i], c.lines[i].substr(c.lines[i].find('=') + 1));
    }
}

TEST(ResolutionRender, BlockIsLeftAloneWhenItIsNotThereAsExpected) {
    const std::vector<std::vector<std::string>> cases = {
        {"RenderDevice=D3DDrv.D3DRenderDevice"}, // no commented line
        {";RenderDevice=D3DDrv.D3DRenderDevice", ";RenderDevice=OpenGLDrv.OpenGLRenderDevice"}, // none active
        {"RenderDevice=D3DDrv.D3DRenderDevice", ";RenderDevice=OpenGLDrv.OpenGLRenderDevice", "Other=1"},
    };
    for (const auto& lines : cases) {
        PageHarness h;
        h.open("", gameWith(lines));
        const auto before = h.ini.state.gameIni.keys;
        auto& page = h.ini.pages.resolutionRender;
        page.load();
        page.RenOption[1].setValue(true);
        page.collect();
        EXPECT_EQ(h.ini.state.gameIni.keys, before) << lines[0];
    }
    // A block that would run past the last line.
    brevane::ConfigDocument doc;
    doc.load(crlf({"x=1", "RenderDevice=A", ";RenderDevice=B", ";RenderDevice=C"}));
    EXPECT_FALSE(brevane::rewriteRenderDeviceBlock(doc, 1, "A"));
}

} // namespace
