// The three forms at the display's scale and moved onto a monitor of the next: every control at its row's
// rectangle in the scaled font, inside the form and over no other, and the grids' cells and icons.

#include "Chngicon.h"
#include "EditorHarness.h"

using namespace qe;

struct FormTable { const ControlRow* rows; size_t count; int width, height; };
const FormTable Main = {MainFormControls, MainFormControlCount, MainFormWidth, MainFormHeight},
                Modify = {ModifyFormControls, ModifyFormControlCount, ModifyFormWidth, ModifyFormHeight},
                ChangeIcon = {ChangeIconFormControls, ChangeIconFormControlCount, ChangeIconFormWidth,
                              ChangeIconFormHeight};

// Each control at its row's place, size and font, inside the form and over no other; a closed box's height is
// the system's, a label's size its text's, and frames keep no font and lie around. The client size is checked
// at the display's scale only: this Wine keeps the caption at that scale.
static void CheckForm(HWND form, const FormTable& t, const DisplayScale& s)
{
    RECT client, r, both;
    GetClientRect(form, &client);
    CHECK((&s != &CurrentScale() || (client.right == s.px(t.width) && client.bottom == s.px(t.height))));
    std::vector<RECT> shown;
    HWND control = GetWindow(form, GW_CHILD);
    for (size_t i = 0; i < t.count; ++i, control = GetWindow(control, GW_HWNDNEXT)) {
        const ControlRow& row = t.rows[i];
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
        const DWORD type = row.style & SS_TYPEMASK;
        const bool box = lstrcmpA(row.className, "COMBOBOX") == 0,
                   frame = lstrcmpA(row.className, "STATIC") == 0 && type >= SS_ETCHEDHORZ && type <= SS_ETCHEDFRAME;
        LOGFONTA font = {};
        GetObjectA((HFONT)SendMessageA(control, WM_GETFONT, 0, 0), sizeof font, &font);
        CHECK_MESSAGE((r.left == s.px(row.left) && r.top == s.px(row.top) && r.right <= client.right &&
                       r.bottom <= client.bottom && (row.width == 0 || r.right - r.left == s.px(row.width)) &&
                       (row.width == 0 || box || r.bottom - r.top == s.px(row.height)) &&
                       (frame || lstrcmpA(row.className, IconGridClass) == 0 || font.lfHeight == s.px(-11))),
                      "control ", row.id, " at ", s.dpi);
        if (!box && !frame && row.width != 0 && IsWindowVisible(control)) {
            for (const RECT& other : shown)
                CHECK_FALSE(IntersectRect(&both, &r, &other));
            shown.push_back(r);
        }
    }
}

// The first cell shows the icon's frame of the scale's side, the grid line after it; a copy, since a capture of
// the screen would run the next step.
static void CheckGrid(HWND grid, const DisplayScale& s)
{
    const Capture shot = Capture::Printed(grid);
    const int in = s.px(2), cell = s.px(GridCellSize);
    CHECK((shot.at(in, in) == s.frame && shot.at(in + s.icon - 1, in + s.icon - 1) == s.frame));
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
        for (const DisplayScale* s : {&now, &next}) {
            SendDpiChange(editor.form.Handle, *s, {100, 80, 700, 600});
            CheckForm(editor.form.Handle, Main, *s);
            CheckGrid(editor.control(IDC_ICONGRID), *s);
            CHECK(TopLeft(editor.form.Handle) == std::make_pair(100L, 80L));
        }
        SendDpiChange(editor.form.Handle, now, {100, 80, 700, 600});
        CHECK(DriveDialogs({
            [&](HWND dialog) {
                CheckForm(dialog, Modify, now);
                CHECK(Capture::Printed(GetDlgItem(dialog, IDC_ICONPICTURE)).at(now.px(16), now.px(16)) == now.frame);
                SendDpiChange(dialog, next, {120, 100, 700, 600});
                CheckForm(dialog, Modify, next);
                ClickButton(dialog, IDC_CHANGEICON);
            },
            [&](HWND dialog) {
                CheckForm(dialog, ChangeIcon, now), CheckGrid(GetDlgItem(dialog, IDC_ICONLIST), now);
                SendDpiChange(dialog, next, {140, 120, 700, 600});
                CheckForm(dialog, ChangeIcon, next), CheckGrid(GetDlgItem(dialog, IDC_ICONLIST), next);
                ClickButton(dialog, IDCANCEL);
            },
            [](HWND dialog) { ClickButton(dialog, IDCANCEL); },
        }, [&] { editor.click(IDC_CHANGE); }));
    }
}
