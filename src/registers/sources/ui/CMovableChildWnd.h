#pragma once

#include "platform/subclassHook.h"

#include <QPoint>
#include <QPushButton>

// A button of a pane that follows the pane's layout: it remembers where it
// was placed in its parent and can be lowered from there.
class CMovableChildWnd : public QPushButton, public CSubclassHook {
public:
    using QPushButton::QPushButton;

    // Taken over at its place: the top-left corner is remembered.
    void PreSubclassWindow() override;
    // Back to the remembered corner lowered by dy pixels, same size and
    // stacking, shown.
    void moveBy(int dy);
    const QPoint& origin() const { return origin_; }

private:
    QPoint origin_;
    bool attached_ = false;
};
