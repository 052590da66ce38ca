#include "win32ui/ToolbarIcons.h"

#include <array>

namespace quarl::win32ui {

namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);

// A GDI object selected for one drawing, deselected and deleted afterwards.
class Selected {
public:
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() {
        SelectObject(dc_, old_);
        DeleteObject(object_);
    }

protected:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ old_;
};

struct Pen : Selected {
    Pen(HDC dc, COLORREF colour, int width) : Selected(dc, CreatePen(PS_SOLID, width, colour)) {}
};

struct Brush : Selected {
    Brush(HDC dc, COLORREF colour) : Selected(dc, CreateSolidBrush(colour)) {}
};

// The letter in the font selected for all icons (see CreateToolbarImages).
void Letter(HDC dc, int s, const wchar_t* text, COLORREF colour) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT rect{0, 0, s, s};
    DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// Draws one icon of the given size. Coordinates are given on a 16-unit grid and scaled to the
// icon size by u().
using Painter = void (*)(HDC, int);

int u(int units, int size) {
    return units * size / 16;
}

const std::array<Painter, 10> kPainters = {
    // Launch: a green "play" triangle.
    Painter([](HDC dc, int s) {
        Pen pen(dc, RGB(20, 90, 20), 1);
        Brush brush(dc, RGB(40, 170, 40));
        POINT points[] = {{u(4, s), u(2, s)}, {u(13, s), u(8, s)}, {u(4, s), u(14, s)}};
        Polygon(dc, points, 3);
    }),
    // Telnet: a terminal with a prompt.
    Painter([](HDC dc, int s) {
        {
            Pen pen(dc, RGB(60, 60, 60), 1);
            Brush brush(dc, RGB(20, 20, 20));
            Rectangle(dc, u(1, s), u(2, s), u(15, s), u(14, s));
        }
        Pen pen(dc, RGB(80, 230, 80), 1);
        MoveToEx(dc, u(4, s), u(5, s), nullptr);
        LineTo(dc, u(7, s), u(8, s));
        LineTo(dc, u(3, s), u(11, s));
        MoveToEx(dc, u(8, s), u(11, s), nullptr);
        LineTo(dc, u(12, s), u(11, s));
    }),
    // IP addresses: a globe.
    Painter([](HDC dc, int s) {
        Pen pen(dc, RGB(20, 60, 140), 1);
        Brush brush(dc, RGB(70, 140, 220));
        Ellipse(dc, u(1, s), u(1, s), u(15, s), u(15, s));
        Pen line(dc, RGB(230, 240, 255), 1);
        MoveToEx(dc, u(2, s), u(8, s), nullptr);
        LineTo(dc, u(14, s), u(8, s));
        Arc(dc, u(5, s), u(1, s), u(11, s), u(15, s), u(8, s), u(1, s), u(8, s), u(15, s));
        Arc(dc, u(5, s), u(1, s), u(11, s), u(15, s), u(8, s), u(15, s), u(8, s), u(1, s));
    }),
    // Settings: a cog.
    Painter([](HDC dc, int s) {
        Pen pen(dc, RGB(70, 70, 80), u(3, s) > 2 ? u(3, s) : 2);
        MoveToEx(dc, u(8, s), u(1, s), nullptr);
        LineTo(dc, u(8, s), u(15, s));
        MoveToEx(dc, u(1, s), u(8, s), nullptr);
        LineTo(dc, u(15, s), u(8, s));
        MoveToEx(dc, u(3, s), u(3, s), nullptr);
        LineTo(dc, u(13, s), u(13, s));
        MoveToEx(dc, u(13, s), u(3, s), nullptr);
        LineTo(dc, u(3, s), u(13, s));
        Pen ring(dc, RGB(70, 70, 80), 1);
        Brush brush(dc, RGB(150, 150, 165));
        Ellipse(dc, u(3, s), u(3, s), u(13, s), u(13, s));
        Brush hole(dc, kMask);
        Ellipse(dc, u(6, s), u(6, s), u(10, s), u(10, s));
    }),
    // Address book: a brown book with pages.
    Painter([](HDC dc, int s) {
        {
            Pen pen(dc, RGB(90, 50, 20), 1);
            Brush brush(dc, RGB(160, 90, 40));
            Rectangle(dc, u(2, s), u(1, s), u(14, s), u(15, s));
        }
        Pen pen(dc, RGB(250, 245, 230), 1);
        Brush brush(dc, RGB(250, 245, 230));
        Rectangle(dc, u(5, s), u(3, s), u(12, s), u(7, s));
        Pen spine(dc, RGB(60, 30, 10), 1);
        MoveToEx(dc, u(4, s), u(1, s), nullptr);
        LineTo(dc, u(4, s), u(15, s));
    }),
    // Help: a blue disc with a question mark.
    Painter([](HDC dc, int s) {
        Pen pen(dc, RGB(20, 60, 140), 1);
        Brush brush(dc, RGB(40, 100, 200));
        Ellipse(dc, u(1, s), u(1, s), u(15, s), u(15, s));
        Letter(dc, s, L"?", RGB(255, 255, 255));
    }),
    // Roger Wilco: a headset.
    Painter([](HDC dc, int s) {
        {
            Pen pen(dc, RGB(40, 40, 40), u(2, s) > 1 ? u(2, s) : 1);
            Arc(dc, u(2, s), u(1, s), u(14, s), u(14, s), u(14, s), u(8, s), u(2, s), u(8, s));
        }
        Pen pen(dc, RGB(20, 20, 20), 1);
        Brush brush(dc, RGB(200, 40, 40));
        Rectangle(dc, u(1, s), u(7, s), u(5, s), u(13, s));
        Rectangle(dc, u(11, s), u(7, s), u(15, s), u(13, s));
        MoveToEx(dc, u(3, s), u(13, s), nullptr);
        LineTo(dc, u(8, s), u(15, s));
    }),
    // GameSpy: a red disc with a G.
    Painter([](HDC dc, int s) {
        Pen pen(dc, RGB(120, 20, 20), 1);
        Brush brush(dc, RGB(210, 40, 40));
        Ellipse(dc, u(1, s), u(1, s), u(15, s), u(15, s));
        Letter(dc, s, L"G", RGB(255, 255, 255));
    }),
    // Kali: an orange square with a K.
    Painter([](HDC dc, int s) {
        Pen pen(dc, RGB(150, 80, 0), 1);
        Brush brush(dc, RGB(240, 140, 20));
        RoundRect(dc, u(1, s), u(1, s), u(15, s), u(15, s), u(4, s), u(4, s));
        Letter(dc, s, L"K", RGB(255, 255, 255));
    }),
    // RS Stats Recorder: a bar chart.
    Painter([](HDC dc, int s) {
        Pen pen(dc, RGB(30, 30, 30), 1);
        Brush brush(dc, RGB(60, 160, 200));
        Rectangle(dc, u(2, s), u(9, s), u(5, s), u(15, s));
        Rectangle(dc, u(6, s), u(5, s), u(9, s), u(15, s));
        Rectangle(dc, u(10, s), u(2, s), u(13, s), u(15, s));
    }),
};

} // namespace

// All icons are drawn side by side on one bitmap, each with the origin moved to its place, and
// added to the list at once; the letters share one font. Every GDI object costs start-up time.
HIMAGELIST CreateToolbarImages(int size) {
    const int count = static_cast<int>(kPainters.size());
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP strip = CreateCompatibleBitmap(screen, size * count, size);
    HGDIOBJ oldBitmap = SelectObject(dc, strip);
    HBRUSH background = CreateSolidBrush(kMask);
    RECT all{0, 0, size * count, size};
    FillRect(dc, &all, background);
    DeleteObject(background);
    HFONT font = CreateFontW(-size * 11 / 16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
    HGDIOBJ oldFont = SelectObject(dc, font);
    for (int icon = 0; icon < count; ++icon) {
        SetViewportOrgEx(dc, icon * size, 0, nullptr);
        kPainters[static_cast<std::size_t>(icon)](dc, size);
    }
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, oldBitmap);
    ImageList_AddMasked(images, strip, kMask);
    DeleteObject(strip);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return images;
}

} // namespace quarl::win32ui
