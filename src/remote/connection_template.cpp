#include "remote/connection_file.h"

namespace {

// Lines 13 and 35 are swapped on purpose: the placeholder named for disks
// becomes the smart-card line and the one named for smart cards the drive line.
const char* const kTemplateLines[] = {
    "screen mode id:i:2",
    "desktopwidth:i:1280",
    "desktopheight:i:800",
    "session bpp:i:16",
    "winposstr:s:0,3,0,0,800,600",
    "full address:s:%服务器地址%",
    "compression:i:1",
    "keyboardhook:i:2",
    "audiomode:i:1",
    "redirectdrives:i:0",
    "redirectprinters:i:0",
    "redirectcomports:i:0",
    "%磁盘%",
    "displayconnectionbar:i:1",
    "autoreconnection enabled:i:1",
    "username:s:%账号%",
    "alternate shell:s:",
    "shell working directory:s:",
    "%密码%",
    "disable wallpaper:i:1",
    "disable full window drag:i:1",
    "disable menu anims:i:1",
    "disable themes:i:0",
    "disable cursor setting:i:0",
    "bitmapcachepersistenable:i:1",
    "use multimon:i:0",
    "audiocapturemode:i:0",
    "videoplaybackmode:i:2",
    "connection type:i:2",
    "allow font smoothing:i:0",
    "allow desktop composition:i:0",
    "redirectclipboard:i:1",
    "redirectposdevices:i:0",
    "redirectdirectx:i:1",
    "%智能卡%",
    "authentication level:i:0",
    "prompt for credentials:i:0",
    "negotiate security layer:i:1",
    "remoteapplicationmode:i:0",
    "gatewayhostname:s:",
    "gatewayusagemethod:i:4",
    "gatewaycredentialssource:i:4",
    "gatewayprofileusagemethod:i:0",
    "promptcredentialonce:i:1",
    "use redirection server name:i:0",
};

Text JoinLines() {
    Text text;
    for (const char* line : kTemplateLines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace

const Text& ConnectionTemplate() {
    static const Text kTemplate = JoinLines();
    return kTemplate;
}
