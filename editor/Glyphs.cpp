#include "Glyphs.h"

#include "core/Geometry.h"
#include "forms/Form.h"

namespace {

const int DesignSize = 16;

// The outline of each glyph in a 16 x 16 box.
struct Shape {
    POINT points[12];
    int count;
};

const Shape Shapes[GlyphCount] = {
    {{{1, 8}, {8, 1}, {8, 5}, {14, 5}, {14, 11}, {8, 11}, {8, 15}}, 7},                       // arrow left
    {{{14, 8}, {7, 1}, {7, 5}, {1, 5}, {1, 11}, {7, 11}, {7, 15}}, 7},                        // arrow right
    {{{1, 8}, {4, 5}, {6, 8}, {12, 2}, {15, 5}, {6, 14}}, 6},                                  // check mark
    {{{2, 4}, {4, 2}, {8, 6}, {12, 2}, {14, 4}, {10, 8}, {14, 12}, {12, 14}, {8, 10}, {4, 14}, {2, 12}, {6, 8}},
     12},                                                                                         // cross
};

const COLORREF Fill[GlyphCount] = {RGB(255, 0, 0), RGB(255, 0, 0), RGB(0, 128, 0), RGB(192, 0, 0)};

void DrawShape(HDC dc, const Shape& shape, int dpi, int offset, COLORREF fill, COLORREF outline)
{
    POINT points[12];
    for (int i = 0; i < shape.count; ++i) {
        points[i].x = ScaleForDpi(shape.points[i].x + offset, dpi);
        points[i].y = ScaleForDpi(shape.points[i].y + offset, dpi);
    }
    HBRUSH brush = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, outline);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, points, shape.count);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

// An icon whose mask is the shape (and for the embossed face its shadow).
HICON MakeGlyph(const Shape& shape, bool disabled, COLORREF fill, int dpi)
{
    const int side = ScaleForDpi(DesignSize, dpi);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP colour = CreateCompatibleBitmap(screen, side, side);
    HBITMAP mask = CreateBitmap(side, side, 1, 1, nullptr);
    RECT all = {0, 0, side, side};

    HGDIOBJ old = SelectObject(dc, mask);
    FillRect(dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    DrawShape(dc, shape, dpi, 0, RGB(0, 0, 0), RGB(0, 0, 0));
    if (disabled)
        DrawShape(dc, shape, dpi, 1, RGB(0, 0, 0), RGB(0, 0, 0));

    SelectObject(dc, colour);
    FillRect(dc, &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
    if (disabled) {
        DrawShape(dc, shape, dpi, 1, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawShape(dc, shape, dpi, 0, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
    } else {
        DrawShape(dc, shape, dpi, 0, fill, RGB(0, 0, 0));
    }
    SelectObject(dc, old);

    ICONINFO info;
    ZeroMemory(&info, sizeof info);
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colour;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return icon;
}

}  // namespace

GlyphFaces CreateGlyphFaces(int dpi)
{
    GlyphFaces faces;
    faces.dpi = dpi;
    for (int g = 0; g < GlyphCount; ++g) {
        faces.normal[g] = MakeGlyph(Shapes[g], false, Fill[g], dpi);
        faces.disabled[g] = MakeGlyph(Shapes[g], true, Fill[g], dpi);
    }
    return faces;
}

void RemakeGlyphFaces(GlyphFaces& faces, int dpi)
{
    DeleteGlyphFaces(faces);
    faces = CreateGlyphFaces(dpi);
}

void DeleteGlyphFaces(GlyphFaces& faces)
{
    for (int g = 0; g < GlyphCount; ++g) {
        DestroyIcon(faces.normal[g]);
        DestroyIcon(faces.disabled[g]);
        faces.normal[g] = faces.disabled[g] = nullptr;
    }
}

void DrawGlyphButton(const DRAWITEMSTRUCT& item, const GlyphFaces& faces, GlyphKind glyph)
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    if (IsDefaultButton(item.hwndItem)) {
        // the default button wears the black frame of the dialog's Enter key
        FrameRect(dc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int shift = pushed ? 1 : 0;

    char text[64];
    const int length = GetWindowTextA(item.hwndItem, text, sizeof text);
    const int side = ScaleForDpi(DesignSize, faces.dpi);
    const int top = r.top + (r.bottom - r.top - side) / 2 + shift;
    const int left = length > 0 ? r.left + ScaleForDpi(2, faces.dpi) + shift : r.left + (r.right - r.left - side) / 2 + shift;
    DrawIconEx(dc, left, top, disabled ? faces.disabled[glyph] : faces.normal[glyph], side, side, 0,
               nullptr, DI_NORMAL);
    if (length > 0) {
        // the caption is centred in the space right of the glyph
        RECT textRect = {left + side, r.top + shift, r.right + shift, r.bottom + shift};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        DrawTextA(dc, text, length, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}
