// LocalSharesWindow's geometry and texts, kept free of windows.h so the
// native tests and the e2e scripts can rely on the same numbers. Pixels: the
// window's outer size, and its controls' positions in the client area.
#pragma once

namespace share_window {

struct Box {
    int left, top, width, height;
};

inline constexpr int kWidth = 319;
inline constexpr int kHeight = 282;
inline constexpr Box kListBox = {1, 4, 207, 244};
inline constexpr int kColumnWidth = 200;
inline constexpr Box kRefreshBox = {216, 16, 88, 32};
inline constexpr Box kDeleteBox = {216, 64, 88, 32};

inline constexpr char kCaption[] = "本机共享资源列表";
inline constexpr char kColumnTitle[] = "本机共享资源";
inline constexpr char kRefreshText[] = "刷新";
inline constexpr char kDeleteText[] = "删除";

// Centred on a screen of the given size, halves truncated toward zero.
inline constexpr int CentredLeft(int screenWidth) { return (screenWidth - kWidth) / 2; }
inline constexpr int CentredTop(int screenHeight) { return (screenHeight - kHeight) / 2; }

}  // namespace share_window
