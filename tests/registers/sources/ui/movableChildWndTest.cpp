#include "registers/sources/ui/CMovableChildWnd.h"
#include "support/ui/pageHost.h"

#include <gtest/gtest.h>

namespace {

// The button goes back to where it was placed, lowered by the distance.
TEST(movableChildWnd, FollowsItsPlace)
{
    controlHost host;
    auto* button = host.add(1993, new CMovableChildWnd("&Value Map..."), 10, 40, 60, 14);
    QPoint origin = button->pos();
    EXPECT_EQ(button->origin(), origin);
    button->moveBy(25);
    EXPECT_EQ(button->pos(), origin + QPoint(0, 25));
    button->moveBy(0);
    EXPECT_EQ(button->pos(), origin);
}

} // namespace
