#include "Geometry.h"

#include "Text.h"

int BarClientWidth(int count, int cellWidth)
{
    return count * (cellWidth + 1) - 1;
}

int CellLeft(int slot, int cellWidth)
{
    return slot * (cellWidth + 1);
}

int SeparatorX(int i, int cellWidth)
{
    return i * (cellWidth + 1) - 1;
}

int ScaleForDpi(int pixels, int dpi)
{
    const int product = pixels * dpi;
    return (product + (product < 0 ? -48 : 48)) / 96;
}

BarPoint DockedPosition(const BarRect& work, int width, int height, unsigned flags)
{
    BarPoint p;
    p.x = (flags & DockLeft) ? work.left : work.right - width;
    p.y = (flags & DockTop) ? work.top : work.bottom - height;
    return p;
}

bool SnapTarget(const BarRect& bar, const BarRect& work, int width, int height, int distance, BarPoint* target)
{
    if (bar.left == work.left && bar.top == work.top)
        return false;
    const int rightX = work.right - width;
    const int bottomY = work.bottom - height;
    if ((bar.left == work.left || bar.left == rightX) && (bar.top == work.top || bar.top == bottomY))
        return false;

    int x;
    if (bar.left < work.left + distance)
        x = work.left;
    else if (bar.left > rightX - distance)
        x = rightX;
    else
        return false;

    int y;
    if (bar.top < work.top + distance)
        y = work.top;
    else if (bar.top > bottomY - distance)
        y = bottomY;
    else
        return false;

    target->x = x;
    target->y = y;
    return true;
}

bool FitTarget(int x, int y, const BarRect& work, int width, int height, unsigned flags, BarPoint* target)
{
    if (flags & Docked) {
        BarPoint corner = DockedPosition(work, width, height, flags);
        x = corner.x;
        y = corner.y;
    }
    if (x + width > work.right)
        x = work.right - width;
    // A bar wider than the work area does not fit in any place.
    if (x < work.left && width > work.right - work.left)
        return false;
    target->x = x;
    target->y = y;
    return true;
}

BarPoint PullInto(const BarRect& bar, const BarRect& work)
{
    BarPoint p = {bar.left, bar.top};
    if (p.x > work.right - (bar.right - bar.left))
        p.x = work.right - (bar.right - bar.left);
    if (p.x < work.left)
        p.x = work.left;
    if (p.y > work.bottom - (bar.bottom - bar.top))
        p.y = work.bottom - (bar.bottom - bar.top);
    if (p.y < work.top)
        p.y = work.top;
    return p;
}

BarPoint HiddenPosition(const BarRect& work, int width, int height, unsigned flags, int strip)
{
    if (strip < 1)
        strip = 1;
    if (strip > height)
        strip = height;
    BarPoint p = DockedPosition(work, width, height, flags);
    p.y = (flags & DockTop) ? work.top + strip - height : work.bottom - strip;
    return p;
}

bool AtCorner(const BarRect& bar, const BarRect& work, unsigned flags, int strip)
{
    if (!(flags & Docked))
        return false;
    const int width = bar.right - bar.left, height = bar.bottom - bar.top;
    const BarPoint shown = DockedPosition(work, width, height, flags);
    const BarPoint hidden = HiddenPosition(work, width, height, flags, strip);
    const int low = shown.y < hidden.y ? shown.y : hidden.y, high = shown.y < hidden.y ? hidden.y : shown.y;
    return bar.left == shown.x && bar.top >= low && bar.top <= high;
}

int SlideY(int from, int to, unsigned elapsed, unsigned duration)
{
    if (elapsed >= duration)
        return to;
    // In 64 bits: a distance of a screen times a long delay would pass the range of int.
    return from + (int)((long long)(to - from) * elapsed / duration);
}

bool FormatMonitorRect(char* out, size_t size, const BarRect& monitor)
{
    const int values[4] = {monitor.left, monitor.top, monitor.right, monitor.bottom};
    char text[48] = "", number[12];  // four numbers of 11 characters and three commas
    for (int i = 0; i < 4; ++i) {
        FormatInt(number, sizeof number, values[i]);
        if (i > 0)
            TextAppend(text, sizeof text, ",");
        TextAppend(text, sizeof text, number);
    }
    if (TextLength(text) >= size) {
        if (size > 0)
            out[0] = '\0';
        return false;
    }
    TextCopy(out, size, text);
    return true;
}

bool ParseMonitorRect(const char* text, BarRect* monitor)
{
    int values[4];
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && *text++ != ',')
            return false;
        const bool negative = *text == '-';
        if (negative)
            ++text;
        // Six digits hold any screen coordinate and keep the sum far from overflowing.
        int digits = 0, v = 0;
        for (; *text >= '0' && *text <= '9'; ++text, ++digits)
            if (digits < 6)
                v = v * 10 + (*text - '0');
        if (digits == 0 || digits > 6)
            return false;
        values[i] = negative ? -v : v;
    }
    if (*text != '\0' || values[2] <= values[0] || values[3] <= values[1])
        return false;
    *monitor = {values[0], values[1], values[2], values[3]};
    return true;
}
