// Texts of the application frame, shown or stored as they are.
#pragma once

inline const char kMainCaption[] = "青屿文件共享 6.0";
inline const char kStatusInitial[] = "快速获取请单击空白处。正在获取在线计算机，请稍后。。。";
inline const char kMenuTitle[] = "右键菜单";

// The start-up caption: company + middle + computer name.
inline const char kDefaultCompany[] = "xx公司局域网";
inline const char kStartupCaptionMiddle[] = "文件共享---计算机名：";
