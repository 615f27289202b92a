#!/usr/bin/env python3
"""Splits the X screen of $DISPLAY into two heads side by side, each half
the screen's width, the left one primary, so that programs see a desk of
two monitors. The heads outlive this program (the X server must run with
-noreset, or they go when its last client leaves)."""
from Xlib import X, display
from Xlib.protocol import rq


class SetMonitor(rq.Request):
    """RandR 1.5 SetMonitor, spelt out: the library's own request cannot
    pack its monitor record."""
    _request = rq.Struct(
        rq.Card8("opcode"), rq.Opcode(43), rq.RequestLength(), rq.Window("window"),
        rq.Card32("name"), rq.Bool("primary"), rq.Bool("automatic"), rq.LengthOf("outputs", 2),
        rq.Int16("x"), rq.Int16("y"), rq.Card16("width"), rq.Card16("height"),
        rq.Card32("mm_width"), rq.Card32("mm_height"), rq.List("outputs", rq.Card32Obj),
    )


def main():
    d = display.Display()
    screen = d.screen()
    root = screen.root
    output = root.xrandr_get_screen_resources().outputs[0]
    width = screen.width_in_pixels // 2
    # The left head takes the screen's one output, which replaces the head
    # the server made for it; the right head has no output of its own.
    for name, x, outputs in (("LEFT", 0, [output]), ("RIGHT", width, [])):
        SetMonitor(display=d.display, opcode=d.display.get_extension_major("RANDR"), window=root,
                   name=d.intern_atom(name), primary=x == 0, automatic=False, x=x, y=0,
                   width=width, height=screen.height_in_pixels,
                   mm_width=screen.width_in_mms // 2, mm_height=screen.height_in_mms, outputs=outputs)
    d.set_close_down_mode(X.RetainPermanent)
    d.sync()
    d.close()


main()
