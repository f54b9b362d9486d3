// Client and Direct3D display options: the section the Direct3D rows use, First n, levels.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using settings_test::writtenLines;
using testing_support::crlf;

std::string gameIni(const std::string& renderDeviceLine) {
    return crlf({"[Engine.Engine]", renderDeviceLine, "[WinDrv.WindowsClient]", "StartupFullscreen=TRUE",
                 "Projectors=False", "DrawDistanceLOD=1.000000", "AnimMeshDynamicLOD=0.5",
                 "TextureDetailWorld=Normal", "TextureDetailLightmap=UltraHigh2", "Unmanaged=1.000000",
                 "[D3DDrv.D3DRenderDevice]", "UseVSync=True", "DesiredRefreshRate=60", "TerrainLOD=12.500000",
                 "DetailTexMipBias=-0.500000", "[D3D9Drv.D3D9RenderDevice]", "UseVSync=False",
                 "DesiredRefreshRate=85", "TerrainLOD=8"});
}

TEST(DisplayOptions, RoundTripInTheSectionOfTheLoadedDirect3DDevice) {
    PageHarness h;
    auto& page = h.ini.pages.displayOptions;
    auto& video = h.ini.pages.shared.video;
    h.open("", gameIni("RenderDevice=D3DDrv.D3DRenderDevice"));
    page.load();
    EXPECT_EQ(h.ini.state.Direct3DSection, "[D3DDrv.D3DRenderDevice]");
    EXPECT_TRUE(h.ini.pages.shared.c_Video[0].checked());
    EXPECT_EQ(video.box(6).text(), "1.0");
    EXPECT_EQ(h.ini.pages.shared.cbx_Video[6].text(), "Normal");
    EXPECT_EQ(h.ini.pages.shared.cbx_Video[8].text(), "UltraHigh2");
    EXPECT_TRUE(page.c_D3D[14].checked());
    EXPECT_EQ(video.box(7).text(), "60");
    EXPECT_EQ(video.box(12).text(), "12.");
    EXPECT_EQ(video.box(9).text(), "-0.5");
    page.c_D3D[14].setChecked(false);
    h.ini.pages.shared.c_Video[2].setChecked(true);
    page.collect();
    const auto lines = writtenLines(h.ini.state.gameIni);
    const std::vector<std::string> expected = {"[Engine.Engine]",
                                               "RenderDevice=D3DDrv.D3DRenderDevice",
                                               "[WinDrv.WindowsClient]",
                                               "StartupFullscreen=True",
                                               "Projectors=True",
                                               "DrawDistanceLOD=1.0",
                                               "AnimMeshDynamicLOD=0.5",
                                               "TextureDetailWorld=Normal",
                                               "TextureDetailLightmap=UltraHigh2",
                                               "Unmanaged=1.000000",
                                               "[D3DDrv.D3DRenderDevice]",
                                               "UseVSync=False",
                                               "DesiredRefreshRate=60",
                                               "TerrainLOD=12.",
                                               "DetailTexMipBias=-0.5",
                                               "[D3D9Drv.D3D9RenderDevice]",
                                               "UseVSync=False",
                                               "DesiredRefreshRate=85",
                                               "TerrainLOD=8",
                                               ""};
    EXPECT_EQ(lines, expected);
}

TEST(DisplayOptions, Direct3DSectionFollowsTheRenderDeviceOfEachLoad) {
    const std::pair<const char*, const char*> cases[] = {
        {"RenderDevice=D3D9Drv.D3D9RenderDevice", "[D3D9Drv.D3D9RenderDevice]"},
        {"RenderDevice=d3d9drv.d3d9renderdevice", "[D3D9Drv.D3D9RenderDevice]"},
        {"RenderDevice=D3DDrv.D3DRenderDevice", "[D3DDrv.D3DRenderDevice]"},
        {"RenderDevice=OpenGLDrv.OpenGLRenderDevice", "[D3DDrv.D3DRenderDevice]"},
        {";RenderDevice=D3D9Drv.D3D9RenderDevice", "[D3DDrv.D3DRenderDevice]"},
    };
    for (const auto& [line, section] : cases) {
        PageHarness h; // also the first load after start
        h.open("", gameIni(line));
        h.ini.pages.displayOptions.load();
        EXPECT_EQ(h.ini.state.Direct3DSection, section) << line;
        EXPECT_EQ(h.ini.pages.shared.video.box(7).text(),
                  std::string(section) == "[D3DDrv.D3DRenderDevice]" ? "60" : "85")
            << line;
    }
}

TEST(DisplayOptions, ChoosingAnotherDeviceDoesNotMoveTheDirect3DKeysBeforeTheNextLoad) {
    PageHarness h;
    h.open("", gameIni("RenderDevice=D3D9Drv.D3D9RenderDevice"));
    h.ini.pages.displayOptions.load();
    h.ini.pages.resolutionRender.RenOption[1].setValue(true);
    h.ini.pages.displayOptions.c_D3D[14].setChecked(true);
    h.ini.pages.displayOptions.collect();
    const auto lines = writtenLines(h.ini.state.gameIni);
    EXPECT_EQ(lines[11], "UseVSync=True"); // the D3D section keeps its value
    EXPECT_EQ(lines[16], "UseVSync=True"); // the D3D9 section, the loaded one, gets the box
}

TEST(DisplayOptions, LevelListAndCaptions) {
    PageHarness h;
    EXPECT_EQ(h.ini.pages.shared.cbx_Video[2].list(),
              (std::vector<std::string>{"UltraLow", "Lower", "Low", "Normal", "High", "Higher", "UltraHigh"}));
    EXPECT_EQ(h.ini.pages.displayOptions.captionOf(h.ini.pages.shared.cbx_Video[3]), " Detail Terrain");
    EXPECT_EQ(h.ini.pages.displayOptions.c_D3D[18].caption(), "Low Quality Terrain ");
    EXPECT_EQ(h.ini.pages.displayOptions.rows().size(), 23u + 29u);
}

} // namespace
