#include "Geometry.h"

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

BarPoint DockedPosition(const BarRect& work, int width, int height, unsigned flags)
{
    BarPoint p;
    p.x = (flags & DockLeft) ? work.left : work.right - width;
    p.y = (flags & DockTop) ? work.top : work.bottom - height;
    return p;
}

bool SnapTarget(const BarRect& bar, const BarRect& work, int width, int height, BarPoint* target)
{
    if (bar.left == work.left && bar.top == work.top)
        return false;
    const int rightX = work.right - width;
    const int bottomY = work.bottom - height;
    if ((bar.left == work.left || bar.left == rightX) && (bar.top == work.top || bar.top == bottomY))
        return false;

    int x;
    if (bar.left < work.left + SnapDistance)
        x = work.left;
    else if (bar.left > rightX - SnapDistance)
        x = rightX;
    else
        return false;

    int y;
    if (bar.top < work.top + SnapDistance)
        y = work.top;
    else if (bar.top > bottomY - SnapDistance)
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
