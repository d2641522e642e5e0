// The program's version information, used by the .rc file.
#pragma once

#define QY_VERSION_NUMBERS 6, 0, 0, 0
#define QY_VERSION_TEXT "6.0.0.0"
#define QY_PRODUCT_NAME "青屿文件共享"
#define QY_COMPANY_NAME "青屿软件"
#define QY_DESCRIPTION "青屿文件共享：局域网计算机一览与一键共享"
#define QY_COPYRIGHT "© 青屿软件"
#define QY_FILE_NAME "qingyu-share.exe"
