// The three forms at the display's scale and moved onto a monitor of the next: every control at its row's
// rectangle in the scaled font, inside the form and over no other, and the grids' cells and icons.

#include "Chngicon.h"
#include "EditorHarness.h"

using namespace qe;

// The client area is checked at the display's scale only: this Wine keeps a form's caption at that scale.
static void CheckForm(HWND form, const ControlRow* rows, size_t count, int width, int height, const DisplayScale& s)
{
    CAPTURE(s.dpi);
    RECT client;
    GetClientRect(form, &client);
    if (&s == &CurrentScale())
        CHECK((client.right == s.px(width) && client.bottom == s.px(height)));
    std::vector<RECT> shown;
    HWND control = GetWindow(form, GW_CHILD);
    for (size_t i = 0; i < count; ++i, control = GetWindow(control, GW_HWNDNEXT)) {
        const ControlRow& row = rows[i];
        CAPTURE(row.text);
        CAPTURE(row.id);
        RECT r = WindowRect(control);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
        CHECK(r.left == s.px(row.left));
        CHECK(r.top == s.px(row.top));
        if (row.width != 0)
            CHECK(r.right - r.left == s.px(row.width));
        const bool box = lstrcmpA(row.className, "COMBOBOX") == 0, frame = lstrcmpA(row.className, "STATIC") == 0 &&
                         (row.style & SS_TYPEMASK) >= SS_ETCHEDHORZ && (row.style & SS_TYPEMASK) <= SS_ETCHEDFRAME;
        if (row.width != 0 && !box)  // a closed box's height is its own, its drop-down's the row's
            CHECK(r.bottom - r.top == s.px(row.height));
        if (!frame && lstrcmpA(row.className, IconGridClass) != 0) {  // they keep no font
            LOGFONTA font = {};
            GetObjectA((HFONT)SendMessageA(control, WM_GETFONT, 0, 0), sizeof font, &font);
            CHECK(font.lfHeight == s.px(-11));
        }
        CHECK((r.right <= client.right && r.bottom <= client.bottom));
        if (box || frame || row.width == 0 || !IsWindowVisible(control))
            continue;  // a frame lies around what it frames; a closed box's height and a label's text are the system's
        for (const RECT& other : shown) {
            RECT both;
            CHECK_FALSE(IntersectRect(&both, &r, &other));
        }
        shown.push_back(r);
    }
}

// The first cell shows the icon's frame of the scale's side; the grid line follows the cell.
static void CheckGrid(HWND grid, const DisplayScale& s)
{
    CAPTURE(s.dpi);
    const Capture shot = Capture::Printed(grid);  // a copy: a capture of the screen would run the next step
    const int inset = s.px(2), cell = s.px(GridCellSize);
    CHECK(shot.at(inset, inset) == s.frame);
    CHECK(shot.at(inset + s.icon - 1, inset + s.icon - 1) == s.frame);
    CHECK(shot.at(cell, cell / 2) == GetSysColor(COLOR_BTNSHADOW));
}

TEST_SUITE("dpi")
{
    TEST_CASE("the three forms and their grids at the display's scale, then at the next")
    {
        EditorCase c(0, Button(1) + Key("Filename", RecorderPath()) + Key("IconFile", SizesIcon()));
        EditorForm editor(Quoted(c.ini));
        REQUIRE(editor.open());
        const DisplayScale &now = CurrentScale(), &next = NextScale();
        HWND form = editor.form.Handle;
        CheckForm(form, MainFormControls, MainFormControlCount, MainFormWidth, MainFormHeight, now);
        CheckGrid(editor.control(IDC_ICONGRID), now);
        SendDpiChange(form, next, {100, 80, 700, 600});
        CheckForm(form, MainFormControls, MainFormControlCount, MainFormWidth, MainFormHeight, next);
        CheckGrid(editor.control(IDC_ICONGRID), next);
        CHECK(TopLeft(form) == std::make_pair(100L, 80L));
        SendDpiChange(form, now, {100, 80, 700, 600});

        CHECK(DriveDialogs({
            [&](HWND dialog) {
                CheckForm(dialog, ModifyFormControls, ModifyFormControlCount, ModifyFormWidth, ModifyFormHeight, now);
                const Capture picture = Capture::Printed(GetDlgItem(dialog, IDC_ICONPICTURE));
                CHECK(picture.at(now.px(16), now.px(16)) == now.frame);
                SendDpiChange(dialog, next, {120, 100, 700, 600});
                CheckForm(dialog, ModifyFormControls, ModifyFormControlCount, ModifyFormWidth, ModifyFormHeight, next);
                ClickButton(dialog, IDC_CHANGEICON);
            },
            [&](HWND dialog) {
                const auto check = [&](const DisplayScale& s) {
                    CheckForm(dialog, ChangeIconFormControls, ChangeIconFormControlCount, ChangeIconFormWidth,
                              ChangeIconFormHeight, s);
                    CheckGrid(GetDlgItem(dialog, IDC_ICONLIST), s);
                };
                check(now);
                SendDpiChange(dialog, next, {140, 120, 700, 600});
                check(next);
                ClickButton(dialog, IDCANCEL);
            },
            [](HWND dialog) { ClickButton(dialog, IDCANCEL); },
        }, [&] { editor.click(IDC_CHANGE); }));
    }
}
