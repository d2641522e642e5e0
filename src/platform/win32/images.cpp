// The two computer pictures of ComputerList, drawn with GDI: a desktop
// computer, a monitor with a blue screen beside a tower case, in colour for a
// computer that answered and in greys for one that has not.
#include "app/layout.h"
#include "platform/win32/main_window_state.h"

namespace {

// Drawn on this key colour, which the image list's mask turns transparent.
const COLORREF kKey = RGB(255, 0, 255);
const int kSize = kComputerImageSize;

struct Painter {
    HDC dc;
    bool grey;

    COLORREF Shade(COLORREF c) const {
        if (!grey) return c;
        int y = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
        y = y + (255 - y) / 5;  // a little lighter, as switched-off things look
        return RGB(y, y, y);
    }
    void Fill(int left, int top, int right, int bottom, COLORREF c) const {
        FillExactly(left, top, right, bottom, Shade(c));
    }
    void FillExactly(int left, int top, int right, int bottom, COLORREF c) const {
        RECT r = {left, top, right, bottom};
        HBRUSH b = CreateSolidBrush(c);
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    // Filled shape with a one-pixel outline.
    void Shape(bool round, int left, int top, int right, int bottom, COLORREF fill, COLORREF edge) const {
        HBRUSH b = CreateSolidBrush(Shade(fill));
        HPEN p = CreatePen(PS_SOLID, 1, Shade(edge));
        HGDIOBJ ob = SelectObject(dc, b), op = SelectObject(dc, p);
        if (round) RoundRect(dc, left, top, right, bottom, 6, 6);
        else Ellipse(dc, left, top, right, bottom);
        SelectObject(dc, ob);
        SelectObject(dc, op);
        DeleteObject(b);
        DeleteObject(p);
    }
    // Top-to-bottom blend, one row at a time (GradientFill would need msimg32).
    void Gradient(int left, int top, int right, int bottom, COLORREF from, COLORREF to) const {
        int rows = bottom - top;
        for (int i = 0; i < rows; ++i) {
            auto mix = [&](int a, int b) { return a + (b - a) * i / (rows > 1 ? rows - 1 : 1); };
            Fill(left, top + i, right, top + i + 1,
                 RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                     mix(GetBValue(from), GetBValue(to))));
        }
    }
};

void DrawComputer(const Painter& p) {
    p.FillExactly(0, 0, kSize, kSize, kKey);  // never shaded: the mask needs it exact
    // Monitor: dark bezel, blue screen with a light reflection, stand and foot.
    p.Shape(true, 1, 9, 41, 40, RGB(64, 72, 86), RGB(30, 34, 42));
    p.Gradient(5, 13, 37, 35, RGB(70, 150, 245), RGB(18, 60, 170));
    p.Fill(7, 15, 20, 17, RGB(150, 200, 255));
    p.Fill(7, 17, 12, 22, RGB(120, 180, 250));
    p.Fill(17, 40, 25, 45, RGB(110, 116, 128));
    p.Shape(true, 9, 44, 33, 50, RGB(140, 146, 158), RGB(70, 76, 88));
    // Tower case: light body, two drive bays, power button and a green light.
    p.Shape(true, 42, 4, 57, 52, RGB(214, 218, 224), RGB(84, 90, 102));
    p.Fill(44, 9, 55, 12, RGB(150, 156, 168));
    p.Fill(44, 14, 55, 17, RGB(150, 156, 168));
    p.Fill(44, 20, 55, 21, RGB(180, 186, 196));
    p.Shape(false, 47, 38, 53, 44, RGB(170, 176, 188), RGB(84, 90, 102));
    p.Fill(48, 47, 52, 49, RGB(40, 200, 70));
}

HBITMAP DrawImage(bool grey) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = kSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;  // no alpha: the mask alone decides transparency
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!bitmap || !dc) {
        if (dc) DeleteDC(dc);
        return bitmap;
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawComputer(Painter{dc, grey});
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

}  // namespace

HIMAGELIST CreateComputerImages() {
    HIMAGELIST images = ImageList_Create(kSize, kSize, ILC_COLOR32 | ILC_MASK, 2, 0);
    if (!images) return nullptr;
    ImageList_SetBkColor(images, RGB(255, 255, 255));
    for (bool grey : {false, true}) {  // index 0 answered, 1 not yet
        HBITMAP b = DrawImage(grey);
        ImageList_AddMasked(images, b, kKey);
        DeleteObject(b);
    }
    return images;
}
