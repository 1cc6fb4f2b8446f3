#include "shell/CDrawingToolsBar.h"

#include <QAction>
#include <QMainWindow>
#include <gtest/gtest.h>

namespace {

struct fakeScreen {
    int tool;
    bool locked;
    int getTool() const { return tool; }
    bool isToolLocked() const { return locked; }
};

std::array<QAction*, CDrawingToolsBar::positionCount> actionsFor(QObject* owner)
{
    std::array<QAction*, CDrawingToolsBar::positionCount> actions{};
    for (int p = 0; p < CDrawingToolsBar::positionCount; ++p) {
        if (CDrawingToolsBar::commands[p])
            actions[p] = new QAction(owner);
    }
    return actions;
}

TEST(drawingToolsBar, OneRowAcrossTwoPerRowDown)
{
    auto across = CDrawingToolsBar::rows(true);
    ASSERT_EQ(across.size(), 1u);
    EXPECT_EQ(across[0].size(), 21u);
    auto down = CDrawingToolsBar::rows(false);
    std::vector<std::vector<int>> expected = {{0, 1},   {2, 3},   {4, 5},   {6, 7},   {8, 9},
                                              {10, 11}, {12, 13, 14}, {15, 16}, {17, 18}, {19, 20}};
    EXPECT_EQ(down, expected);

    QMainWindow frame;
    auto& bar = *new CDrawingToolsBar(&frame);
    frame.addToolBar(Qt::TopToolBarArea, &bar);
    ASSERT_TRUE(bar.create(actionsFor(&bar)));
    EXPECT_EQ(bar.currentRows().size(), 1u);
    // Docked on the left side, two in a row; back on top, one row.
    frame.addToolBar(Qt::LeftToolBarArea, &bar);
    EXPECT_EQ(bar.currentRows(), expected);
    frame.addToolBar(Qt::TopToolBarArea, &bar);
    EXPECT_EQ(bar.currentRows().size(), 1u);
}

TEST(drawingToolsBar, LockedCategoryShowsItsSecondImage)
{
    CDrawingToolsBar bar;
    ASSERT_TRUE(bar.create(actionsFor(&bar)));
    fakeScreen bistateLocked{4, true};
    bar.setCategoryState(4, &bistateLocked);
    EXPECT_TRUE(bar.isLocked(4));
    EXPECT_EQ(bar.imageIndex(4), 22);
    bar.setCategoryState(5, &bistateLocked); // not this position's tool
    EXPECT_EQ(bar.imageIndex(5), 5);
    fakeScreen unlocked{4, false};
    bar.setCategoryState(4, &unlocked);
    EXPECT_EQ(bar.imageIndex(4), 4);
    bar.setCategoryState(4, &bistateLocked);
    bar.setCategoryState(4, nullptr);
    EXPECT_FALSE(bar.isLocked(4));
    // Only the categories lock.
    fakeScreen lines{15, true};
    bar.setCategoryState(15, &lines);
    EXPECT_EQ(bar.imageIndex(15), 15);
}

TEST(drawingToolsBar, MissingActionFailsCreation)
{
    CDrawingToolsBar bar;
    auto actions = actionsFor(&bar);
    actions[3] = nullptr;
    EXPECT_FALSE(bar.create(actions));
}

} // namespace
