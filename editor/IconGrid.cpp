#include "IconGrid.h"

#include "core/EditorCore.h"
#include "core/Geometry.h"

#include <windowsx.h>

const char IconGridClass[] = "QvIconGrid";

namespace {

struct GridState {
    int columns = 1;
    int current = 0;
    int first = 0;
    bool scrollBar = false;
    int cell = GridCellSize;  // at the grid's scale
};

GridState* State(HWND grid)
{
    return reinterpret_cast<GridState*>(GetWindowLongPtrA(grid, GWLP_USERDATA));
}

int VisibleColumns(HWND grid)
{
    RECT client;
    GetClientRect(grid, &client);
    return FullyVisibleColumns(client.right, State(grid)->cell, GridLineWidth);
}

void UpdateScrollBar(HWND grid, GridState& s)
{
    if (!s.scrollBar)
        return;
    SCROLLINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = s.columns - 1;
    info.nPage = (UINT)VisibleColumns(grid);
    info.nPos = s.first;
    SetScrollInfo(grid, SB_HORZ, &info, TRUE);
}

void SetFirst(HWND grid, GridState& s, int first)
{
    const int last = LastFirstColumn(s.columns, VisibleColumns(grid));
    first = first > last ? last : first < 0 ? 0 : first;
    if (first != s.first) {
        s.first = first;
        InvalidateRect(grid, nullptr, TRUE);
    }
    UpdateScrollBar(grid, s);
}

void Notify(HWND grid, NMHDR& hdr, UINT code)
{
    hdr.hwndFrom = grid;
    hdr.idFrom = (UINT_PTR)GetDlgCtrlID(grid);
    hdr.code = code;
    SendMessageA(GetParent(grid), WM_NOTIFY, hdr.idFrom, (LPARAM)&hdr);
}

// The user moves the current cell: it is brought into view and the owner told.
void Select(HWND grid, GridState& s, int column)
{
    column = column < 0 ? 0 : column >= s.columns ? s.columns - 1 : column;
    if (column != s.current) {
        s.current = column;
        InvalidateRect(grid, nullptr, TRUE);
    }
    SetFirst(grid, s, ScrollIntoView(s.first, VisibleColumns(grid), column, s.columns));
    GridSelectCell select;
    select.column = column;
    Notify(grid, select.hdr, GN_SELECTCELL);
}

// Paints the cells into dc, for the screen and for a copy asked for with WM_PRINTCLIENT.
void Paint(HWND grid, GridState& s, HDC dc)
{
    RECT client;
    GetClientRect(grid, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    HBRUSH line = GetSysColorBrush(COLOR_BTNSHADOW);
    const bool focused = GetFocus() == grid;
    const int size = s.cell;
    for (int column = s.first, x = 0; column < s.columns && x < client.right; ++column) {
        RECT cell = {x, 0, x + size, size};
        if (column == s.current)
            FillRect(dc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
        GridDrawCell draw;
        draw.column = column;
        draw.dc = dc;
        draw.cell = cell;
        const int saved = SaveDC(dc);
        Notify(grid, draw.hdr, GN_DRAWCELL);
        RestoreDC(dc, saved);
        if (column == s.current && focused)
            DrawFocusRect(dc, &cell);
        RECT right = {cell.right, 0, cell.right + GridLineWidth, size + GridLineWidth};
        RECT below = {cell.left, size, cell.right, size + GridLineWidth};
        FillRect(dc, &right, line);
        FillRect(dc, &below, line);
        x = right.right;
    }
}

void OnPaint(HWND grid, GridState& s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(grid, &ps);
    Paint(grid, s, dc);
    EndPaint(grid, &ps);
}

void OnHScroll(HWND grid, GridState& s, int code)
{
    const int visible = VisibleColumns(grid);
    switch (code) {
    case SB_LINELEFT: SetFirst(grid, s, s.first - 1); break;
    case SB_LINERIGHT: SetFirst(grid, s, s.first + 1); break;
    case SB_PAGELEFT: SetFirst(grid, s, s.first - visible); break;
    case SB_PAGERIGHT: SetFirst(grid, s, s.first + visible); break;
    case SB_LEFT: SetFirst(grid, s, 0); break;
    case SB_RIGHT: SetFirst(grid, s, s.columns); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info;
        ZeroMemory(&info, sizeof info);
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(grid, SB_HORZ, &info);
        SetFirst(grid, s, info.nTrackPos);
        break;
    }
    default: break;
    }
}

void OnKeyDown(HWND grid, GridState& s, WPARAM key)
{
    switch (key) {
    case VK_LEFT: Select(grid, s, s.current - 1); break;
    case VK_RIGHT: Select(grid, s, s.current + 1); break;
    case VK_HOME: Select(grid, s, 0); break;
    case VK_END: Select(grid, s, s.columns - 1); break;
    default: break;
    }
}

void OnLButtonDown(HWND grid, GridState& s, LPARAM position)
{
    SetFocus(grid);
    // coordinates are signed: a press left of a scrolled grid is no column
    const int x = GET_X_LPARAM(position), y = GET_Y_LPARAM(position);
    if (x < 0 || y < 0 || y >= s.cell)
        return;
    const int column = s.first + x / (s.cell + GridLineWidth);
    if (column < s.columns && x % (s.cell + GridLineWidth) < s.cell)
        Select(grid, s, column);
}

LRESULT OnGridMessage(HWND grid, GridState& s, UINT message, WPARAM wParam)
{
    switch (message) {
    case GM_SETCOLCOUNT:
        s.columns = (int)wParam < 1 ? 1 : (int)wParam;
        if (s.current >= s.columns)
            s.current = s.columns - 1;
        SetFirst(grid, s, s.first);
        InvalidateRect(grid, nullptr, TRUE);
        return 0;
    case GM_GETCOLCOUNT: return s.columns;
    case GM_SETCURRENT:
        s.current = (int)wParam < 0 ? 0 : (int)wParam >= s.columns ? s.columns - 1 : (int)wParam;
        InvalidateRect(grid, nullptr, TRUE);
        return 0;
    case GM_GETCURRENT: return s.current;
    case GM_SETFIRSTCOL: SetFirst(grid, s, (int)wParam); return 0;
    case GM_GETFIRSTCOL: return s.first;
    case GM_GETVISIBLECOLS: return VisibleColumns(grid);
    case GM_SETSCROLLBAR:
        s.scrollBar = wParam != 0;
        ShowScrollBar(grid, SB_HORZ, s.scrollBar);
        UpdateScrollBar(grid, s);
        return 0;
    case GM_HASSCROLLBAR: return s.scrollBar;
    case GM_SETDPI:
        s.cell = ScaleForDpi(GridCellSize, (int)wParam);
        SetFirst(grid, s, s.first);
        InvalidateRect(grid, nullptr, TRUE);
        return 0;
    default: return 0;
    }
}

LRESULT CALLBACK IconGridProc(HWND grid, UINT message, WPARAM wParam, LPARAM lParam)
{
    GridState* s = State(grid);
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(grid, GWLP_USERDATA, (LONG_PTR) new GridState);
        break;
    case WM_NCDESTROY:
        delete s;
        SetWindowLongPtrA(grid, GWLP_USERDATA, 0);
        break;
    case WM_PAINT: OnPaint(grid, *s); return 0;
    case WM_PRINTCLIENT: Paint(grid, *s, (HDC)wParam); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: if (s) SetFirst(grid, *s, s->first); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(grid, nullptr, FALSE); break;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_KEYDOWN: OnKeyDown(grid, *s, wParam); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(grid, *s, lParam); return 0;
    case WM_HSCROLL: OnHScroll(grid, *s, LOWORD(wParam)); return 0;
    default:
        if (s && message >= GM_SETCOLCOUNT && message <= GM_SETDPI)
            return OnGridMessage(grid, *s, message, wParam);
        break;
    }
    return DefWindowProcA(grid, message, wParam, lParam);
}

}  // namespace

bool RegisterIconGrid(HINSTANCE instance)
{
    WNDCLASSA wc;
    if (GetClassInfoA(instance, IconGridClass, &wc))
        return true;
    ZeroMemory(&wc, sizeof wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = IconGridProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = IconGridClass;
    return RegisterClassA(&wc) != 0;
}
