#include "documents/raw_pages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace brevane {

// clang-format off
const std::array<const char*, 66> kUserIniSections = {
    "[DefaultPlayer]",
    "[Engine.Input]",
    "[Engine.Controller]",
    "[Engine.PlayerController]",
    "[Engine.Pawn]",
    "[Engine.Vehicle]",
    "[Engine.Player]",
    "[Engine.HUD]",
    "[XGame.xDeathMessage]",
    "[XInterface.GUIController]",
    "[GUI2K4.UT2K4GUIController]",
    "[GUI2K4.SettingsTabs]",
    "[GUI2K4.UT2K4Browser_ServerListBox]",
    "[GUI2K4.UT2K4ServerLoading]",
    "[DemoRecording]",
    "[Screenshots]",
    "[Engine.TextToSpeechAlias]",
    "[UnrealGame.UnrealPlayer]",
    "[GUI2K4.UT2K4IRC_Page]",
    "[UnrealGame.UnrealPawn]",
    "[Engine.PlayerInput]",
    "[XWeapons.Redeemer]",
    "[XWeapons.Painter]",
    "[OnslaughtFull.ONSPainter]",
    "[XWeapons.RocketLauncher]",
    "[XWeapons.FlakCannon]",
    "[UTClassic.ClassicSniperRifle]",
    "[XWeapons.SniperRifle]",
    "[Onslaught.ONSGrenadeLauncher]",
    "[XWeapons.Minigun]",
    "[Onslaught.ONSAVRiL]",
    "[XWeapons.LinkGun]",
    "[XWeapons.ShockRifle]",
    "[Onslaught.ONSMineLayer]",
    "[XWeapons.BioRifle]",
    "[XWeapons.AssaultRifle]",
    "[XWeapons.ShieldGun]",
    "[XWeapons.Translauncher]",
    "[XInterface.HudBase]",
    "[GUI2K4.UT2k4ServerBrowser]",
    "[GUI2K4.UT2k4MainPage]",
    "[GUI2K4.UT2k4Browser_ServerListPageFavorites]",
    "[GUI2K4.UT2k4Browser_ServerListPageLAN]",
    "[GUI2K4.UT2k4Browser_ServerListPageBuddy]",
    "[GUI2K4.UT2k4Browser_ServerListPageInternet]",
    "[XGame.xPlayer]",
    "[UT2k4Assault.HUD_Assault]",
    "[XInterface.HudCDeathmatch]",
    "[UT2k4Assault.ASTurret_Minigun]",
    "[Onslaught.ONSAttackCraft]",
    "[Onslaught.ONSRV]",
    "[Onslaught.ONSHoverBike]",
    "[Onslaught.ONSManualGunPawn]",
    "[WindowPositions]",
    "[GUI2K4.UT2k4IRC_System]",
    "[GUI2K4.UT2k4IRC_Channel]",
    "[Onslaught.ONSHoverTank]",
    "[Onslaught.ONSPRVRearGunPawn]",
    "[Onslaught.ONSPRV]",
    "[UT2k4AssaultFull.ASVehicle_SpaceFighter_Skaarj]",
    "[Onslaught.ONSHUDOnslaught]",
    "[UT2k4AssaultFull.ASVehicle_SpaceFighter_Human]",
    "[Onslaught.ONSPRVSideGunPawn]",
    "[GUI2K4.UT2K4Tab_MainSP]",
    "[GUI2K4.UT2K4Tab_MainBase]",
    "[XGame.xPawn]",
};

const std::array<const char*, 66> kGameIniSections = {
    "[URL]",
    "[FirstRun]",
    "[Engine.Engine]",
    "[Core.System]",
    "[Engine.GameEngine]",
    "[WinDrv.WindowsClient]",
    "[SDLDrv.SDLClient]",
    "[ALAudio.ALAudioSubsystem]",
    "[IpDrv.TcpNetDriver]",
    "[IpServer.UdpServerQuery]",
    "[IpDrv.MasterServerUplink]",
    "[IpDrv.MasterServerLink]",
    "[IpDrv.HTTPDownload]",
    "[Engine.DemoRecDriver]",
    "[Engine.GameReplicationInfo]",
    "[D3DDrv.D3DRenderDevice]",
    "[D3D9Drv.D3D9RenderDevice]",
    "[OpenGLDrv.OpenGLRenderDevice]",
    "[PixoDrv.PixoRenderDevice]",
    "[Engine.NullRenderDevice]",
    "[Editor.EditorEngine]",
    "[UWeb.WebServer]",
    "[Engine.Console]",
    "[Engine.AccessControl]",
    "[Engine.GameInfo]",
    "[Engine.AmbientSound]",
    "[Engine.LevelInfo]",
    "[XInterface.ExtendedConsole]",
    "[XGame.xDeathMatch]",
    "[XGame.xTeamGame]",
    "[XGame.xCTFGame]",
    "[XGame.xDoubleDom]",
    "[XGame.xBombingRun]",
    "[Engine.MaplistManager]",
    "[Default\033DM MaplistRecord]",
    "[Default\033TDM MaplistRecord]",
    "[1\033on\0331\033Team\033Deathmatch MaplistRecord]",
    "[1\033on\0331\033Deathmatch MaplistRecord]",
    "[XInterface.MapListDeathMatch]",
    "[XInterface.MapListTeamDeathMatch]",
    "[XInterface.MapListCaptureTheFlag]",
    "[XInterface.MapListDoubleDomination]",
    "[XInterface.MapListBombingRun]",
    "[BonusPack.MapListMutant]",
    "[BonusPack.MapListLastManStanding]",
    "[Onslaught.ONSMapListOnslaught]",
    "[Skaarjpack.MapListSkaarjInvasion]",
    "[UT2K4Assault.ASMapList]",
    "[UnrealEd.UnrealEdEngine]",
    "[Default\033LMS MaplistRecord]",
    "[Default\033MUT MaplistRecord]",
    "[Default\033ONS MaplistRecord]",
    "[Default\033INV MaplistRecord]",
    "[Default\033AS MaplistRecord]",
    "[Default\033BR MaplistRecord]",
    "[Default\033CTF MaplistRecord]",
    "[Default\033DOM2 MaplistRecord]",
    "[Default\033VCTF MaplistRecord]",
    "[XGame.UT2K4DMRoster]",
    "[UnrealGame.DeathMatch]",
    "[UnrealGame.UnrealMPGameInfo]",
    "[Engine.VoiceChatReplicationInfo]",
    "[Engine.BroadcastHandler]",
    "[UT2k4Assault.ASGameInfo]",
    "[UnrealGame.TeamGame]",
    "[Onslaught.ONSOnslaughtGame]",
};

// clang-format on

namespace {
/// Folds one Windows-1252 byte to lower case: ASCII letters, the accented capitals 0xC0-0xDE (not
/// the multiplication sign 0xD7) and the three capitals with caron or ligature, plus Y diaeresis.
unsigned char foldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
    case 0x8A:
        return 0x9A; // S caron
    case 0x8C:
        return 0x9C; // OE
    case 0x8E:
        return 0x9E; // Z caron
    case 0x9F:
        return 0xFF; // Y diaeresis
    default:
        return c;
    }
}
} // namespace

std::size_t findIgnoringCase(std::string_view text, std::string_view find) {
    if (text.empty()) return 0;
    if (find.size() > text.size()) return 0;
    for (std::size_t start = 0; start + find.size() <= text.size(); ++start) {
        std::size_t i = 0;
        while (i < find.size() && foldCase(static_cast<unsigned char>(text[start + i])) ==
                                      foldCase(static_cast<unsigned char>(find[i])))
            ++i;
        if (i == find.size()) return start + 1;
    }
    return 0;
}

std::string saveRawCopy(const std::string &path, std::string_view text) {
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file) return std::strerror(errno ? errno : EACCES);
    std::string bytes(text);
    bytes += "\r\n";
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int err = written ? 0 : (errno ? errno : EIO);
    if (std::fflush(file) != 0 && !err) err = errno ? errno : EIO;
    if (std::fclose(file) != 0 && !err) err = errno ? errno : EIO;
    return err ? std::strerror(err) : std::string{};
}

} // namespace brevane
