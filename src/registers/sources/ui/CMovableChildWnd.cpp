#include "registers/sources/ui/CMovableChildWnd.h"

void CMovableChildWnd::PreSubclassWindow()
{
    origin_ = pos();
    attached_ = true;
}

void CMovableChildWnd::moveBy(int dy)
{
    if (!attached_)
        return;
    move(origin_.x(), origin_.y() + dy);
    show();
}
