#include "screenEditorFixture.h"

#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphDrawings.h"
#include "store/gprocessorCall.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>

TEST_F(screenEditorTest, OpeningAScreenTwiceActivatesItsWindow)
{
    fscreen& overview = screenOf("Overview");
    CScreenDoc* first = openScreenDocument(overview);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->title(), gstr("Plant overview"));
    EXPECT_EQ(overview.getWindow(), dynamic_cast<gscreenWindow*>(first->views().front()));
    auto* child = qobject_cast<QMdiSubWindow*>(first->views().front()->parentWidget());
    child->showMinimized();
    EXPECT_EQ(openScreenDocument(overview), first);
    EXPECT_FALSE(child->isMinimized());
    EXPECT_EQ(app->screenTemplate().documents().size(), 1u);

    // A screen without a title is titled by its tag; closing unbinds it.
    fscreen& detail = screenOf("Detail");
    CScreenDoc* second = openScreenDocument(detail);
    EXPECT_EQ(second->title(), gstr("Detail"));
    second->onCloseDocument();
    EXPECT_EQ(detail.getWindow(), nullptr);
    EXPECT_EQ(app->screenTemplate().documents().size(), 1u);
    EXPECT_EQ(stationState().modified, 0);
}

// A screen larger than the main frame's area opens in a window that fits the
// area, its title bar and buttons in view; the view scrolls instead.
TEST_F(screenEditorTest, ANewScreenWindowFitsTheArea)
{
    QRect area = frame->mdiArea()->viewport()->rect();
    for (const char* tag : {"Overview", "Detail"}) {
        CScreenDoc* doc = openScreenDocument(screenOf(tag));
        ASSERT_NE(doc, nullptr);
        auto* child = qobject_cast<QMdiSubWindow*>(doc->views().front()->parentWidget());
        EXPECT_TRUE(area.contains(child->geometry())) << tag;
    }
    EXPECT_TRUE(saveScreenshot(frame->grab(), "screen-windows-opened.png"));
}

TEST_F(screenEditorTest, ScrollAreaLeavesAMarginAroundTheScreen)
{
    fscreen& detail = screenOf("Detail");
    detail.setBounds(grect{0, 0, 640, 480});
    CScreenView& view = openView(detail);
    QSize port = view.viewport()->size();
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), std::max(0, 741 - port.width()));
    EXPECT_EQ(view.verticalScrollBar()->maximum(), std::max(0, 581 - port.height()));
    view.horizontalScrollBar()->setValue(0);
    view.verticalScrollBar()->setValue(0);
    EXPECT_EQ(view.trackerRect(), (clientRect{50, 50, 691, 531}));
    int32_t x = 0;
    int32_t y = 0;
    view.toScreen(50, 50, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);

    view.horizontalScrollBar()->setValue(30);
    EXPECT_EQ(view.trackerRect().left, 20);
    view.toScreen(50, 50, x, y);
    EXPECT_EQ(x, 30);
}

TEST_F(screenEditorTest, DrawingARectangleMakesItSelectedAndMarksTheStation)
{
    fscreen& detail = screenOf("Detail");
    CScreenView& view = openView(detail);
    frame->routeCommand(32813);
    frame->routeCommand(32815);
    EXPECT_EQ(detail.getTool(), 2);
    EXPECT_EQ(detail.getSubKind(), 2);
    int before = objectCount(detail);

    drag(view, QPoint(100, 100), QPoint(160, 140));
    EXPECT_EQ(objectCount(detail), before + 1);
    ggraphObject* made = detail.lastObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(detail.isSelected(made));
    EXPECT_EQ(made->getBounds().normalized(), (grect{50, 50, 110, 90}));
    EXPECT_EQ(detail.getTool(), 0);
    EXPECT_FALSE(view.isTracking());
    EXPECT_EQ(stationState().modified, 1);

    // Moving it by its outline with the select tool, then with the arrow keys.
    drag(view, QPoint(100, 120), QPoint(120, 125));
    EXPECT_EQ(made->getBounds().normalized(), (grect{70, 55, 130, 95}));
    pressKey(&view, Qt::Key_Right);
    pressKey(&view, Qt::Key_Up);
    EXPECT_EQ(made->getBounds().normalized(), (grect{71, 54, 131, 94}));
    EXPECT_TRUE(saveScreenshot(view.viewport()->grab(), "screen-view-detail.png"));
}

TEST_F(screenEditorTest, DraggingTheCaptionMovesTheScreenNotItsObjects)
{
    fscreen& overview = screenOf("Overview");
    CScreenView& view = openView(overview);
    view.horizontalScrollBar()->setValue(0);
    view.verticalScrollBar()->setValue(0);
    grect bounds = overview.getBounds();
    grect firstObject = overview.firstObject()->getBounds();
    const clientRect t = view.trackerRect();
    // The caption lies above the dialog margins.
    int captionY = t.top - 7 * view.charHeight() / 8 - CScreenView::edge - CScreenView::captionHeight / 2;
    QPoint grip(t.left + 40, captionY);
    ASSERT_EQ(view.hitFrame(grip.x(), grip.y()), 8);
    drag(view, grip, grip + QPoint(10, 5));
    EXPECT_EQ(overview.getBounds(), bounds.offset(10, 5));
    EXPECT_EQ(overview.firstObject()->getBounds(), firstObject);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(view.trackerRect(), t);

    // The right border resizes: the screen and its view grow.
    int rightX = view.trackerRect().right + 7 * view.charWidth() / 4 + CScreenView::edge + 1;
    QPoint border(rightX, view.trackerRect().top + 20);
    ASSERT_EQ(view.hitFrame(border.x(), border.y()), 5);
    int range = view.horizontalScrollBar()->maximum();
    drag(view, border, border + QPoint(20, 0));
    EXPECT_EQ(overview.getBounds().right, bounds.right + 10 + 20);
    EXPECT_EQ(overview.getBounds().left, bounds.left + 10);
    EXPECT_EQ(view.trackerRect().right, t.right + 20);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), range + 20);
    EXPECT_TRUE(saveScreenshot(view.viewport()->grab(), "screen-view-overview.png"));
}

TEST_F(screenEditorTest, FrameRegionsAreHitInOrder)
{
    clientRect tracker{50, 50, 151, 101};
    struct probe {
        int x, y, hit;
    };
    // Menu screen: A = tracker grown by the edge with the caption above,
    // O = A grown by the frame.
    const probe probes[] = {
        {60, 30, 8},  {45, 60, 7},  {60, 27, 4},  {155, 60, 5}, {60, 105, 6}, {45, 27, 0},
        {155, 27, 1}, {45, 105, 3}, {155, 105, 2}, {60, 60, -1}, {20, 20, -1}, {44, 60, 7}, {43, 60, -1},
    };
    for (const probe& p : probes)
        EXPECT_EQ(CScreenView::hitFrame(tracker, p.x, p.y, false, 6, 16), p.hit) << p.x << "," << p.y;
    // A dialog screen's frame lies outside its margins.
    EXPECT_EQ(CScreenView::hitFrame(tracker, 45, 60, true, 8, 16), -1);
    EXPECT_EQ(CScreenView::hitFrame(tracker, 32, 60, true, 8, 16), 7);
}

TEST_F(screenEditorTest, ToolButtonTwiceTogglesLockButTheMenuDoesNot)
{
    fscreen& detail = screenOf("Detail");
    openView(detail);
    frame->routeCommand(32814);
    EXPECT_EQ(detail.getTool(), 2);
    EXPECT_FALSE(detail.isToolLocked());
    frame->routeCommand(32814);
    EXPECT_TRUE(detail.isToolLocked());
    frame->routeCommand(32813);
    EXPECT_TRUE(detail.isToolLocked());
    frame->routeCommand(32814);
    EXPECT_FALSE(detail.isToolLocked());

    // Sub-kinds belong to the shape tools only.
    EXPECT_TRUE(enabled(32815));
    frame->routeCommand(32818);
    commandState s = frame->commandStateOf(32815);
    EXPECT_FALSE(s.enabled);
    EXPECT_FALSE(s.checked);
    // Indicator tools wait for a complete drawing default.
    drawingDefaults().reset();
    EXPECT_FALSE(enabled(32792));
    EXPECT_TRUE(enabled(32935));
}

TEST_F(screenEditorTest, AutoScrollStepsTowardThePointer)
{
    fscreen& overview = screenOf("Overview");
    CScreenView& view = openView(overview);
    view.horizontalScrollBar()->setValue(10);
    view.verticalScrollBar()->setValue(10);
    QPoint p(-1, 40);
    view.autoScroll(p, false);
    EXPECT_EQ(view.horizontalScrollBar()->value(), 9);
    EXPECT_EQ(view.verticalScrollBar()->value(), 10);
    EXPECT_EQ(p, QPoint(0, 40));
    EXPECT_TRUE(view.isAutoScrolling());
    // While it runs only the timer scrolls.
    p = QPoint(-1, 40);
    view.autoScroll(p, false);
    EXPECT_EQ(view.horizontalScrollBar()->value(), 9);
    p = QPoint(view.viewport()->width() + 4, 40);
    view.autoScroll(p, true);
    EXPECT_EQ(view.horizontalScrollBar()->value(), 9 + 3);
    // At the limit nothing moves and the scrolling ends.
    view.horizontalScrollBar()->setValue(0);
    p = QPoint(-9, 40);
    view.autoScroll(p, true);
    EXPECT_FALSE(view.isAutoScrolling());
}

TEST_F(screenEditorTest, ShiftF10OpensTheContextMenuAtTheTopLeft)
{
    CScreenView& view = openView(screenOf("Detail"));
    pressKey(&view, Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = view.contextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->pos(), view.viewport()->mapToGlobal(QPoint(5, 5)));
    EXPECT_GE(menu->actions().size(), 15);
    menu->close();
}

TEST_F(screenEditorTest, GroupingAndDeletingThroughTheDocument)
{
    fscreen& overview = screenOf("Overview");
    openView(overview);
    int before = objectCount(overview);
    EXPECT_FALSE(enabled(32783));
    frame->routeCommand(57642);
    EXPECT_TRUE(enabled(32783));
    frame->routeCommand(32783);
    EXPECT_EQ(objectCount(overview), 1);
    EXPECT_TRUE(enabled(32787));
    frame->routeCommand(32787);
    EXPECT_EQ(objectCount(overview), before);
    frame->routeCommand(57632);
    EXPECT_EQ(objectCount(overview), 0);
    EXPECT_FALSE(enabled(57632));
}

TEST_F(screenEditorTest, ARubberBandSelectsWhatItEnclosesUnlessCancelled)
{
    fscreen& detail = screenOf("Detail");
    CScreenView& view = openView(detail);
    view.horizontalScrollBar()->setValue(0);
    view.verticalScrollBar()->setValue(0);
    // Two ellipses with the tool locked.
    frame->routeCommand(32814);
    frame->routeCommand(32814);
    frame->routeCommand(32803);
    drag(view, QPoint(100, 100), QPoint(130, 120));
    drag(view, QPoint(160, 100), QPoint(190, 120));
    ASSERT_EQ(objectCount(detail), 2);
    frame->routeCommand(32818);
    detail.emptySelection();

    QWidget* port = view.viewport();
    sendMouse(port, QEvent::MouseButtonPress, QPoint(80, 80));
    EXPECT_TRUE(view.isTracking());
    sendMouse(port, QEvent::MouseMove, QPoint(140, 140));
    pressKey(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isTracking());
    EXPECT_FALSE(detail.hasSelection());

    drag(view, QPoint(80, 80), QPoint(140, 140));
    EXPECT_TRUE(detail.hasSelection());
    EXPECT_FALSE(detail.hasSeveralSelected());
    drag(view, QPoint(80, 80), QPoint(220, 140));
    EXPECT_TRUE(detail.hasSeveralSelected());
}

TEST_F(screenEditorTest, ANarrowDialogScreenHasAButtonAsWideAsItself)
{
    fscreen& detail = screenOf("Detail");
    gprocessorCall noAck;
    detail.setScreenProperties(60, 20, 0, 0, 0, gcolor{}, noAck);
    CScreenView& view = openView(detail);
    view.horizontalScrollBar()->setValue(0);
    view.verticalScrollBar()->setValue(0);
    QImage picture = view.viewport()->grab().toImage();
    const clientRect& t = view.trackerRect();
    int top = t.bottom + 3 * view.charHeight() / 8;
    QRgb frameColour = QColor(Qt::black).rgb();
    EXPECT_EQ(picture.pixel(t.left, top + 3), frameColour);
    EXPECT_EQ(picture.pixel(t.right - 1, top + 3), frameColour);
    EXPECT_NE(picture.pixel(t.left - 1, top + 3), frameColour);
    EXPECT_NE(picture.pixel(t.right, top + 3), frameColour);
}

TEST_F(screenEditorTest, AScreenAtTheEdgeOfTheCoordinatesStillDraws)
{
    fscreen& detail = screenOf("Detail");
    detail.setBounds(grect{2147483000, -2147483000, 2147483600, -2147482600});
    CScreenView& view = openView(detail);
    EXPECT_FALSE(view.viewport()->grab().isNull());
    int32_t x = 0;
    int32_t y = 0;
    view.horizontalScrollBar()->setValue(0);
    view.verticalScrollBar()->setValue(0);
    view.toScreen(50, 50, x, y);
    EXPECT_EQ(x, 2147483000);
    EXPECT_EQ(y, -2147483000);
}

TEST_F(screenEditorTest, CommandsShowTheirPromptsInTheStatusBar)
{
    QAction* lock = frame->action(32809);
    ASSERT_NE(lock, nullptr);
    EXPECT_EQ(lock->statusTip(), "Lock/Unlock the drawing tool");
    EXPECT_EQ(frame->action(32906)->statusTip(), "Adjust the window to fit it's screen");
}

TEST_F(screenEditorTest, DrawAndArrangeMenusReachTheActiveScreen)
{
    fscreen& overview = screenOf("Overview");
    openView(overview);
    frame->updateCommandUi();
    QAction* selectAll = frame->action(57642);
    ASSERT_NE(selectAll, nullptr);
    EXPECT_EQ(selectAll->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    selectAll->trigger();
    EXPECT_TRUE(overview.hasSeveralSelected());
    frame->updateCommandUi();
    QAction* group = frame->action(32783);
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isEnabled());
    QAction* lock = frame->action(32809);
    ASSERT_NE(lock, nullptr);
    lock->trigger();
    EXPECT_TRUE(overview.isToolLocked());
    EXPECT_TRUE(lock->isChecked());
}

// The Enter Text dialog takes the activation from the screen's window while
// the click that made the text is still being finished: that must neither
// open a second dialog nor end the creation twice.
TEST_F(screenEditorTest, ATextToolClickOpensOneDialogEvenWhenTheWindowLosesTheActivation)
{
    fscreen& detail = screenOf("Detail");
    CScreenView& view = openView(detail);
    frame->routeCommand(32813);
    frame->routeCommand(32825);
    int before = objectCount(detail);

    user.scripts.push_back([&view](CDialog& d) {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&view, &deactivate);
        d.setControlText(1465, "Pump");
        d.sendCommand(IDOK);
    });
    // A second dialog, if one opened, would be left with Escape; its script
    // stays unused when all is well.
    user.scripts.push_back([](CDialog& d) { d.sendCommand(IDCANCEL); });
    user.leavesUnused = true;
    click(view.viewport(), QPoint(100, 100));

    EXPECT_EQ(user.dialogs.size(), 1u);
    ASSERT_EQ(objectCount(detail), before + 1);
    ggraphObject* made = detail.lastObject();
    EXPECT_EQ(std::string(static_cast<ggraphText*>(made)->getText().view()), "Pump");
    EXPECT_TRUE(detail.isSelected(made));
    EXPECT_EQ(detail.objectBeingCreated(), nullptr);
    EXPECT_FALSE(view.isTracking());
}

// Escape in Enter Text, or OK with nothing typed, leaves no invisible text
// behind, selected or saved, and the station as unchanged as it was.
TEST_F(screenEditorTest, ATextLeftWithoutCharactersIsNotMade)
{
    fscreen& detail = screenOf("Detail");
    CScreenView& view = openView(detail);
    int before = objectCount(detail);
    for (bool escape : {true, false}) {
        frame->routeCommand(32813);
        frame->routeCommand(32825);
        user.scripts.push_back([escape](CDialog& d) { d.sendCommand(escape ? IDCANCEL : IDOK); });
        click(view.viewport(), QPoint(100, 100));
        EXPECT_EQ(objectCount(detail), before) << escape;
        EXPECT_FALSE(detail.hasSelection());
        EXPECT_EQ(detail.objectBeingCreated(), nullptr);
        EXPECT_FALSE(view.isTracking());
        EXPECT_EQ(stationState().modified, 0);
    }
}
