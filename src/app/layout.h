// MainWindow's geometry in pixels: the window's outer size and its controls'
// positions in the client area.
#pragma once

struct Box {
    int left, top, width, height;
};

inline constexpr int kMainWidth = 525;
inline constexpr int kMainHeight = 352;
inline constexpr Box kComputerListBox = {0, 0, 520, 300};
// Overlaps the list's last two rows and is drawn in front of it.
inline constexpr Box kStatusLabelBox = {0, 298, 520, 24};

inline constexpr int kComputerImageSize = 58;
// Label font: character height 14 px (lfHeight -14), normal weight.
inline constexpr int kStatusFontHeight = -14;
inline constexpr int kStatusFontWeight = 400;
// ContextMenu's top-left corner is this far right of and below the cursor.
inline constexpr int kMenuOffset = 3;

// Centred on a screen of the given size, halves truncated toward zero.
inline constexpr int CentredLeft(int screenWidth) { return (screenWidth - kMainWidth) / 2; }
inline constexpr int CentredTop(int screenHeight) { return (screenHeight - kMainHeight) / 2; }
