// OpenGL, software and Pixomatic frames: each in its own section.
#include <gtest/gtest.h>

#include "page_harness.h"
#include "support/test_support.h"

namespace {

using settings_test::PageHarness;
using settings_test::writtenLines;
using testing_support::crlf;

TEST(OtherRenderDevices, EachFrameReadsAndWritesOnlyItsOwnSection) {
    PageHarness h;
    h.open("", crlf({"[D3DDrv.D3DRenderDevice]", "UseVSync=False", "DetailTexMipBias=-0.500000", "TerrainLOD=20",
                     "[OpenGLDrv.OpenGLRenderDevice]", "UseVSync=True", "DetailTexMipBias=-0.500000",
                     "DefaultTexMipBias=-1.500000", "MaxTextureUnits=4", "[Engine.NullRenderDevice]",
                     "UseStencil=true", "[PixoDrv.PixoRenderDevice]", "TerrainLOD=20", "FilterQuality3D=2",
                     "UseStencil=False"}));
    h.ini.pages.displayOptions.load();
    auto& page = h.ini.pages.otherRenderDevices;
    auto& video = h.ini.pages.shared.video;
    page.load();
    EXPECT_TRUE(page.c_OpenGL[8].checked());
    EXPECT_FALSE(h.ini.pages.displayOptions.c_D3D[14].checked());
    EXPECT_EQ(video.box(15).text(), "-0.");
    EXPECT_EQ(video.box(9).text(), "-0.5");
    EXPECT_EQ(video.box(18).text(), "-1.5");
    EXPECT_TRUE(page.c_Software[5].checked());
    EXPECT_EQ(video.box(19).text(), "20");
    EXPECT_EQ(video.box(12).text(), "20");
    EXPECT_EQ(video.box(20).text(), "2");
    video.plus(20).userClicks();
    EXPECT_EQ(video.box(20).text(), "3");
    page.c_OpenGL[8].setChecked(false);
    page.c_Pixo[11].setChecked(true);
    page.collect();
    EXPECT_EQ(writtenLines(h.ini.state.gameIni),
              (std::vector<std::string>{
                  "[D3DDrv.D3DRenderDevice]", "UseVSync=False", "DetailTexMipBias=-0.500000", "TerrainLOD=20",
                  "[OpenGLDrv.OpenGLRenderDevice]", "UseVSync=False", "DetailTexMipBias=-0.",
                  "DefaultTexMipBias=-1.5", "MaxTextureUnits=4", "[Engine.NullRenderDevice]", "UseStencil=True",
                  "[PixoDrv.PixoRenderDevice]", "TerrainLOD=20", "FilterQuality3D=3", "UseStencil=True", ""}));
}

TEST(OtherRenderDevices, TablesHoldTheirRowsWithTheirCaptions) {
    PageHarness h;
    auto& page = h.ini.pages.otherRenderDevices;
    EXPECT_EQ(page.rows().size(), 10u + 6u + 6u + 15u + 3u);
    EXPECT_EQ(page.c_Pixo[7].caption(), "Super High Detal Actors");
    EXPECT_EQ(page.c_Pixo[13].caption(), "Detali Textures");
    EXPECT_EQ(page.captionOf(h.ini.pages.shared.video.box(21)), "Filter Quality Hud");
}

} // namespace
