#include "app/context_menu.h"

#include "neighbourhood/neighbourhood.h"
#include "remote/remote.h"
#include "settings/settings.h"
#include "shares/shares.h"

const MenuCommand kContextMenu[] = {
    {"以IP方式查看", StartAddressView},
    {"查看本机共享资源", ShowLocalShares},
    {"开启共享功能---解决不能共享", EnableGuestSharing},
    {"远程链接桌面", RemoteDesktopCommand},
    {"开启远程桌面服务", RemoteServiceCommand},
    {"清除密码以及计算机名", ClearSavedData},
    {"一键共享文件夹或磁盘", ShareFolder},
    {"更改本机计算机名", RenameComputer},
    {"更改公司名称", ChangeCompany},
    {"帮助", OpenHelp},
    {"关于", ShowAbout},
};
const size_t kContextMenuSize = sizeof kContextMenu / sizeof kContextMenu[0];

void RunMenuItem(int item) {
    if (item < 1 || static_cast<size_t>(item) > kContextMenuSize) return;
    kContextMenu[item - 1].handler();
}
