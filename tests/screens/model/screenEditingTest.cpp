#include "screenTestSupport.h"

#include "screens/model/ggraphDrawings.h"
#include "screens/model/ggraphGroup.h"
#include "screens/model/gindBistate.h"
#include "screens/model/gscreenBatchChange.h"

namespace {

using namespace screenTests;

std::string rectangle(int l, int t, int r, int b, const char* fill = "COLOR, FF-00-00")
{
    return "RECTANGLE\nBOUNDS " + std::to_string(l) + ", " + std::to_string(t) + ", " + std::to_string(r) + ", "
        + std::to_string(b) + "\nLINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE " + fill + "\nEND\n";
}

class screenEditing : public screenTest {
protected:
    // A screen 400 by 300 at the origin with the objects' lines.
    fscreen& screenWith(const std::string& objects)
    {
        EXPECT_EQ(loadText("SCREEN S\nBOUNDS 0, 0, 400, 300\n" + objects + "END\n"), gloadError::none);
        return *station::screens().find("S");
    }
    static std::vector<ggraphObject*> objects(const fscreen& s)
    {
        std::vector<ggraphObject*> out;
        for (ggraphObject* o = s.firstObject(); o; o = o->getNext())
            out.push_back(o);
        return out;
    }
    static std::vector<ggraphObject*> selected(const fscreen& s)
    {
        std::vector<ggraphObject*> out;
        for (ggraphObject* o = s.firstSelected(); o; o = s.nextSelected(o))
            out.push_back(o);
        return out;
    }
    static grect frameOf(const ggraphObject* o) { return o->getFrame(); }
    static void click(fscreen& s, int32_t x, int32_t y, bool shift = false, bool ctrl = false)
    {
        if (s.mouseDown(x, y, shift, ctrl))
            s.mouseUp(x, y);
    }
    static void drag(fscreen& s, int32_t x, int32_t y, int32_t toX, int32_t toY, bool shift = false, bool ctrl = false)
    {
        if (!s.mouseDown(x, y, shift, ctrl))
            return;
        s.mouseMove((x + toX) / 2, (y + toY) / 2);
        s.mouseMove(toX, toY);
        s.mouseUp(toX, toY);
    }
};

TEST_F(screenEditing, SelectedObjectsWinHitsUnlessShiftAsksForTheFrontOne)
{
    fscreen& s = screenWith(rectangle(0, 0, 100, 100) + rectangle(50, 50, 150, 150));
    auto all = objects(s);
    click(s, 10, 10);
    EXPECT_EQ(selected(s), (std::vector<ggraphObject*>{all[0]}));
    int code = 0;
    EXPECT_EQ(s.objectAt(75, 75, code, true), all[0]);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(s.objectAt(75, 75, code, false), all[1]);
    click(s, 75, 75, true);
    EXPECT_EQ(selected(s), (std::vector<ggraphObject*>{all[0], all[1]}));
    EXPECT_EQ(s.getSelectionMask(), ggraphObject::maskStatic);
    // A handle of a selected object keeps the hit even with shift.
    click(s, 75, 75, true);
    s.emptySelection();
    click(s, 10, 10);
    EXPECT_EQ(s.objectAt(100, 100, code, false), all[0]);
    EXPECT_EQ(code, 5);
}

TEST_F(screenEditing, DragsMoveOnlyPastTheThresholdAndSnapToTheGrid)
{
    fscreen& s = screenWith(rectangle(10, 10, 50, 50));
    ggraphObject* r = s.firstObject();
    ASSERT_TRUE(s.mouseDown(20, 20, false, false));
    s.mouseMove(22, 21);
    s.mouseUp(22, 21);
    EXPECT_EQ(frameOf(r), (grect{10, 10, 50, 50}));
    EXPECT_EQ(stationState().modified, 0);
    drag(s, 20, 20, 50, 20);
    EXPECT_EQ(frameOf(r), (grect{40, 10, 80, 50}));
    EXPECT_EQ(stationState().modified, 1);

    struct {
        int32_t in;
        int32_t out;
    } const snaps[] = {{8, 0}, {9, 16}, {-8, 0}, {-9, -16}, {24, 16}, {16, 16}};
    for (const auto& c : snaps) {
        int32_t x = c.in, y = c.in;
        s.snapToGrid(x, y);
        EXPECT_EQ(x, c.out) << c.in;
    }
    s.setSnap(true);
    drag(s, 45, 20, 70, 31);
    EXPECT_EQ(frameOf(r), (grect{64, 16, 104, 56}));
}

TEST_F(screenEditing, RubberBandTogglesWhatItHoldsWhole)
{
    fscreen& s = screenWith(rectangle(10, 10, 20, 20) + rectangle(30, 10, 40, 20) + rectangle(50, 10, 90, 20));
    auto all = objects(s);
    click(s, 15, 15);
    drag(s, 0, 0, 60, 30, true);
    EXPECT_EQ(selected(s), (std::vector<ggraphObject*>{all[1]}));
    drag(s, 70, 30, 5, 5);
    EXPECT_EQ(selected(s), (std::vector<ggraphObject*>{all[0], all[1]}));
}

TEST_F(screenEditing, DrawingToolsMakeObjectsAndFallBackToTheirTool)
{
    fscreen& s = screenWith("");
    s.setTool(2);
    s.setSubKind(2);
    drag(s, 10, 10, 60, 40);
    ASSERT_EQ(objects(s).size(), 1u);
    EXPECT_EQ(frameOf(s.firstObject()), (grect{10, 10, 60, 40}));
    EXPECT_EQ(s.getTool(), 0);
    EXPECT_EQ(selected(s), objects(s));
    EXPECT_EQ(s.firstObject()->getUserLevel(), 1);

    s.setTool(2);
    EXPECT_TRUE(selected(s).empty());
    s.setSubKind(1);
    s.setToolLocked(true);
    // A spline takes two strokes; the view keeps tracking across them.
    ASSERT_TRUE(s.mouseDown(100, 100, false, false));
    s.mouseMove(120, 80);
    EXPECT_EQ(s.mouseUp(120, 80), 0);
    s.mouseMove(160, 100);
    ASSERT_TRUE(s.mouseDown(160, 100, false, false));
    s.mouseMove(150, 130);
    EXPECT_EQ(s.mouseUp(150, 130), 1);
    EXPECT_EQ(s.getTool(), 2);
    EXPECT_TRUE(selected(s).empty());
    auto* spline = static_cast<ggraphSpline*>(objects(s).back());
    EXPECT_EQ(spline->geometry().first, (grect{100, 100, 120, 80}));
    EXPECT_EQ(spline->geometry().second, (grect{160, 100, 150, 130}));

    // A text made by a click gets a 100 x 14 box and asks for its text.
    s.setSubKind(4);
    messages.enteredTexts.push_back("Hello");
    click(s, 200, 200);
    auto* text = static_cast<ggraphText*>(objects(s).back());
    EXPECT_EQ(text->getFrame(), (grect{200, 200, 300, 214}));
    EXPECT_EQ(std::string(text->getText().view()), "Hello");

    // Tools the defaults do not allow do nothing.
    s.setTool(4);
    EXPECT_EQ(s.mouseDown(10, 10, false, false), 0);
    EXPECT_EQ(objects(s).size(), 3u);
}

TEST_F(screenEditing, ControlsAreDrawnBehindEverything)
{
    fscreen& s = screenWith(rectangle(0, 0, 10, 10));
    makeScreen("Other");
    drawingDefaults().control.action.set(2);
    drawingDefaults().control.screen.set(station::screens().find("Other"));
    s.setTool(12);
    drag(s, 20, 20, 80, 50);
    EXPECT_EQ(objects(s).size(), 2u);
    EXPECT_EQ(s.firstObject()->getPropertyMask(), ggraphObject::maskControl);
    EXPECT_EQ(s.getTool(), 0);
}

TEST_F(screenEditing, DuplicatesFollowTheDistanceOfThePreviousCopies)
{
    fscreen& s = screenWith(rectangle(100, 100, 120, 120));
    click(s, 110, 110);
    s.duplicateSelection(true);
    EXPECT_EQ(frameOf(selected(s)[0]), (grect{108, 108, 128, 128}));
    s.duplicateSelection(true);
    EXPECT_EQ(frameOf(selected(s)[0]), (grect{116, 116, 136, 136}));
    drag(s, 120, 120, 150, 120);
    EXPECT_EQ(frameOf(selected(s)[0]), (grect{146, 116, 166, 136}));
    s.duplicateSelection(true);
    EXPECT_EQ(frameOf(selected(s)[0]), (grect{184, 124, 204, 144}));
    EXPECT_EQ(objects(s).size(), 4u);

    // A Ctrl-drag copies in place and moves the copies.
    click(s, 10, 290);
    click(s, 102, 102);
    drag(s, 102, 102, 132, 102, false, true);
    EXPECT_EQ(objects(s).size(), 5u);
    EXPECT_EQ(frameOf(selected(s)[0]), (grect{130, 100, 150, 120}));
    s.duplicateSelection(true);
    EXPECT_EQ(frameOf(selected(s)[0]), (grect{160, 100, 180, 120}));

    // Copies that would leave the screen fall back to 8 in that axis.
    click(s, 10, 290);
    ASSERT_EQ(loadText("SCREEN E\nBOUNDS 0, 0, 100, 100\n" + rectangle(90, 10, 99, 20) + "END\n"), 0);
    fscreen& edge = *station::screens().find("E");
    click(edge, 95, 15);
    drag(edge, 95, 15, 200, 15);
    edge.duplicateSelection(true);
    EXPECT_EQ(frameOf(selected(edge)[0]), (grect{203, 18, 212, 28}));
}

TEST_F(screenEditing, DrawingOrderCommandsKeepRunsTogether)
{
    std::string four =
        rectangle(0, 0, 10, 10) + rectangle(20, 0, 30, 10) + rectangle(40, 0, 50, 10) + rectangle(60, 0, 70, 10);
    using command = void (fscreen::*)();
    struct {
        command run;
        std::vector<int> order;
    } const cases[] = {
        {&fscreen::raiseSelection, {0, 3, 1, 2}},
        {&fscreen::lowerSelection, {1, 2, 0, 3}},
        {&fscreen::bringSelectionToFront, {0, 3, 1, 2}},
        {&fscreen::sendSelectionToBack, {1, 2, 0, 3}},
    };
    for (const auto& c : cases) {
        clean();
        fscreen& s = screenWith(four);
        auto before = objects(s);
        click(s, 25, 5);
        click(s, 45, 5, true);
        (s.*c.run)();
        std::vector<ggraphObject*> expected;
        for (int i : c.order)
            expected.push_back(before[size_t(i)]);
        EXPECT_EQ(objects(s), expected);
    }
    clean();
    fscreen& s = screenWith(four);
    click(s, 65, 5);
    click(s, 5, 5, true);
    EXPECT_FALSE(s.canRaise());
    EXPECT_FALSE(s.canLower());
}

TEST_F(screenEditing, AlignmentAndDistributionByFrameCentres)
{
    fscreen& s = screenWith(rectangle(-5, 0, 5, 10) + rectangle(5, 20, 15, 30) + rectangle(35, 40, 45, 50));
    s.selectAll();
    s.alignSelection(4, 1);
    auto all = objects(s);
    EXPECT_EQ(frameOf(all[0]), (grect{-5, 0, 5, 10}));
    EXPECT_EQ(frameOf(all[1]), (grect{15, 0, 25, 10}));
    EXPECT_EQ(frameOf(all[2]), (grect{35, 0, 45, 10}));

    clean();
    fscreen& t = screenWith(rectangle(-5, 0, 5, 10) + rectangle(5, 20, 15, 30) + rectangle(5, 40, 15, 50));
    t.selectAll();
    t.alignSelection(4, 3);
    auto other = objects(t);
    EXPECT_EQ(frameOf(other[1]).left, 5);
    EXPECT_EQ(frameOf(other[2]).left, 5);
    EXPECT_EQ(frameOf(other[0]).bottom, 50);

    // Centring: every half is an integer division that truncates toward
    // zero, so odd sums, negative ones too, land on exact coordinates.
    clean();
    fscreen& c = screenWith(rectangle(-5, 0, 0, 10) + rectangle(10, 3, 21, 14) + rectangle(30, -7, 40, 0));
    c.selectAll();
    c.alignSelection(2, 2);
    auto centred = objects(c);
    EXPECT_EQ(frameOf(centred[0]), (grect{14, -2, 19, 8}));
    EXPECT_EQ(frameOf(centred[1]), (grect{12, -2, 23, 9}));
    EXPECT_EQ(frameOf(centred[2]), (grect{12, -1, 22, 6}));
}

TEST_F(screenEditing, GroupingStandsWhereTheFrontSelectedObjectStood)
{
    fscreen& s = screenWith(rectangle(0, 0, 10, 10) + rectangle(20, 0, 30, 10) + rectangle(40, 0, 50, 10)
                            + rectangle(60, 0, 70, 10));
    auto all = objects(s);
    click(s, 5, 5);
    click(s, 45, 5, true);
    s.groupSelection();
    auto grouped = objects(s);
    ASSERT_EQ(grouped.size(), 3u);
    EXPECT_EQ(grouped[0], all[1]);
    ggraphGroup* group = grouped[1]->asGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(grouped[2], all[3]);
    EXPECT_EQ(group->getFrame(), (grect{0, 0, 50, 10}));
    EXPECT_EQ(s.getSelectionMask(), ggraphObject::maskGroup | ggraphObject::maskStatic);
    int code = 0;
    EXPECT_EQ(s.objectAt(25, 5, code, true), all[1]);
    EXPECT_EQ(s.objectAt(45, 5, code, true), group);

    s.ungroupSelection();
    EXPECT_EQ(objects(s), (std::vector<ggraphObject*>{all[1], all[0], all[2], all[3]}));
    EXPECT_EQ(selected(s), (std::vector<ggraphObject*>{all[0], all[2]}));
}

TEST_F(screenEditing, GroupsResizeThroughTheirMembersPendingScale)
{
    fscreen& s = screenWith(rectangle(0, 0, 50, 50, "EMPTY") + rectangle(50, 0, 100, 50));
    s.selectAll();
    s.groupSelection();
    ggraphGroup* group = s.firstObject()->asGroup();
    ASSERT_TRUE(s.mouseDown(100, 50, false, false));
    s.mouseMove(150, 50);
    s.mouseMove(200, 50);
    auto* first = static_cast<ggraphRectangle*>(group->firstMember());
    EXPECT_EQ(first->getTransform().scaleX, 2.0);
    EXPECT_EQ(first->getTransform().scaleY, 1.0);
    EXPECT_EQ(first->rect(), (grect{0, 0, 50, 50}));
    s.mouseUp(200, 50);
    EXPECT_EQ(first->rect(), (grect{0, 0, 100, 50}));
    EXPECT_EQ(group->getFrame(), (grect{0, 0, 200, 50}));
    // The empty rectangle is hit on its outline only.
    int code = 0;
    EXPECT_EQ(s.objectAt(50, 25, code, false), nullptr);
    EXPECT_EQ(s.objectAt(150, 25, code, false), group);

    s.transformSelection(0, true, false);
    EXPECT_EQ(first->rect(), (grect{100, 0, 200, 50}));
    EXPECT_EQ(group->getFrame(), (grect{0, 0, 200, 50}));
}

TEST_F(screenEditing, ClipboardCopiesPasteInSelectionOrderAndReplaceTheSelection)
{
    fscreen& s = screenWith(rectangle(0, 0, 10, 10) + rectangle(20, 0, 30, 10) + rectangle(40, 0, 50, 10));
    auto all = objects(s);
    click(s, 25, 5);
    click(s, 5, 5, true);
    s.copySelection();
    EXPECT_EQ(stationState().modified, 0);
    ASSERT_EQ(loadText("SCREEN T\nBOUNDS 100, 100, 500, 400\n" + rectangle(100, 100, 105, 105) + "END\n"), 0);
    fscreen& t = *station::screens().find("T");
    t.selectAll();
    t.paste();
    auto pasted = objects(t);
    ASSERT_EQ(pasted.size(), 2u);
    EXPECT_EQ(frameOf(pasted[0]), (grect{120, 100, 130, 110}));
    EXPECT_EQ(frameOf(pasted[1]), (grect{100, 100, 110, 110}));
    EXPECT_EQ(selected(t), pasted);
    EXPECT_EQ(stationState().modified, 1);
    s.cutSelection();
    EXPECT_EQ(objects(s), (std::vector<ggraphObject*>{all[2]}));
}

TEST_F(screenEditing, ClipboardCopiesDoNotHoldRegistersAgainstDeletion)
{
    ASSERT_EQ(loadText("BISTATE_REG B\nEND\nSCREEN S\nBOUNDS 0, 0, 100, 100\nBISTATE_IND LINE\nPOINTS 0, 0, 9, 9\n"
                       "REGISTER B\nON_STATE\nLINE_STYLE SOLID, 1, 00-00-00\nEND\nEND\nEND\n"),
              0);
    fscreen& s = *station::screens().find("S");
    gregister* b = station::registers().find("B");
    s.selectAll();
    s.copySelection();
    EXPECT_TRUE(clipboardScreen().usesRegister(b));
    s.deleteSelection();
    EXPECT_TRUE(b->usedBy().isUnused());
    EXPECT_FALSE(s.usesRegister(b));
    clipboardScreen().deleteAllObjects();
    EXPECT_FALSE(clipboardScreen().usesRegister(b));
}

TEST_F(screenEditing, GridCommands)
{
    fscreen& s = screenWith(rectangle(13, 7, 30, 30));
    s.alignGridWithScreen();
    int32_t x = 0, y = 0;
    s.getGridOrigin(x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(stationState().modified, 0);
    click(s, 20, 20);
    s.alignGridWithSelection();
    s.getGridOrigin(x, y);
    EXPECT_EQ(x, 13);
    EXPECT_EQ(y, 7);
    EXPECT_EQ(stationState().modified, 0);
    s.setGridSize(10, 10);
    s.alignWithGrid();
    EXPECT_EQ(frameOf(s.firstObject()), (grect{13, 7, 30, 30}));
    s.setGridSize(4, 4);
    s.alignGridWithScreen();
    s.alignWithGrid();
    EXPECT_EQ(frameOf(s.firstObject()), (grect{12, 8, 29, 31}));
    EXPECT_EQ(stationState().modified, 1);
}

TEST_F(screenEditing, OneChangedPropertyReachesTheSelectionAndIsGatheredAgain)
{
    fscreen& s = screenWith(rectangle(0, 0, 10, 10) + rectangle(20, 0, 30, 10) + rectangle(40, 0, 50, 10));
    click(s, 5, 5);
    click(s, 25, 5, true);
    gdrawingProperties& record = s.getSelectionProperties();
    EXPECT_EQ(record.staticSet.values.line.width.get(), 1);
    record.staticSet.values.line.width.set(4);
    record.staticSet.values.fill.kind.set(1);
    s.setSelectionProperties(ggraphObject::maskStatic, gprop::lineWidth, 4, 0);
    auto all = objects(s);
    EXPECT_EQ(static_cast<ggraphRectangle*>(all[0])->getLine().getWidth(), 4);
    EXPECT_EQ(static_cast<ggraphRectangle*>(all[1])->getLine().getWidth(), 4);
    EXPECT_EQ(static_cast<ggraphRectangle*>(all[2])->getLine().getWidth(), 1);
    EXPECT_EQ(static_cast<ggraphRectangle*>(all[0])->getFill().getKind(), gfillInfo::colour);
    EXPECT_EQ(record.staticSet.values.fill.kind.get(), gfillInfo::colour);
    EXPECT_EQ(frameOf(all[0]), (grect{0, 0, 10, 10}));
    EXPECT_EQ(all[0]->getBounds(), (grect{-2, -2, 11, 11}));
    EXPECT_EQ(stationState().modified, 1);
}

TEST_F(screenEditing, RepaintsGoToTheViewInItsCoordinates)
{
    ASSERT_EQ(loadText("SCREEN S\nBOUNDS 100, 50, 500, 350\n" + rectangle(110, 60, 120, 70) + "END\n"), 0);
    fscreen& s = *station::screens().find("S");
    recordingWindow view;
    s.attachWindow(&view, 5, 5);
    EXPECT_THROW(s.setWindow(&view), gfault);
    click(s, 115, 65);
    ASSERT_FALSE(view.invalidated.empty());
    EXPECT_EQ(view.invalidated.back(), (grect{3, 3, 18, 18}));
    drag(s, 300, 300, 250, 250);
    EXPECT_EQ(view.focusRects.front(), (grect{195, 245, 196, 246}));
    s.detachWindow();
}

TEST_F(screenEditing, TextsAreEditedByDoubleClickAndReplacedInTheSelection)
{
    fscreen& s =
        screenWith("TEXT\nTEXT \"Pump 1\"\nBOUNDS 0, 0, 100, 14\nSTYLE DEFAULT, NORMAL, 8, LEFT, 00-00-00\nEND\n"
                   "TEXT\nTEXT \"Pump 2\"\nBOUNDS 0, 20, 100, 34\nSTYLE DEFAULT, NORMAL, 8, LEFT, 00-00-00\nEND\n");
    messages.enteredTexts.push_back("Pump one");
    s.doubleClick(5, 5);
    auto all = objects(s);
    EXPECT_EQ(std::string(static_cast<ggraphText*>(all[0])->getText().view()), "Pump one");
    EXPECT_EQ(stationState().modified, 1);

    s.selectAll();
    gscreenBatchChange change;
    change.findText = "pump";
    change.replaceText = "Valve";
    change.text = 1;
    EXPECT_EQ(s.replaceText(change), 2);
    EXPECT_EQ(messages.lastText(), "\"pump\" was replaced 2 times.");
    EXPECT_EQ(std::string(static_cast<ggraphText*>(all[1])->getText().view()), "Valve 2");
    change.matchCase = 1;
    EXPECT_EQ(s.replaceText(change), 0);
    EXPECT_EQ(messages.lastText(), "\"pump\" not found.");
    EXPECT_EQ(messages.messages.back().icon, gicon::warning);
}

TEST_F(screenEditing, OffScreenObjectsAreFoundAndDeleted)
{
    fscreen& s = screenWith(rectangle(0, 0, 10, 10) + rectangle(500, 500, 510, 510));
    EXPECT_TRUE(s.hasOffScreenObjects());
    s.selectAll();
    s.deleteOffScreenObjects();
    EXPECT_EQ(objects(s).size(), 1u);
    EXPECT_FALSE(s.hasOffScreenObjects());
    EXPECT_EQ(selected(s).size(), 1u);
}

} // namespace

namespace {

class screenProperties : public screenTests::screenTest {};

TEST_F(screenProperties, DialogValuesSizeTheScreenAndLinkItsAcknowledgeProgram)
{
    fscreen* s = station::screens().define("New");
    gsclProgram* ack = makeProgram("Ack");
    gprocessorCall call;
    call.setProgram(ack);
    s->setScreenProperties(200, 300, 0, 1, 1, gcolor(1, 2, 3), call);
    EXPECT_EQ(s->getBounds(), (grect{0, 0, 300, 200}));
    EXPECT_FALSE(s->isInMenu());
    EXPECT_TRUE(s->isLocal());
    EXPECT_FALSE(ack->isUnused());
    EXPECT_EQ(stationState().modified, 1);
    s->setBounds(grect{10, 20, 30, 40});
    s->setScreenProperties(5, 6, 1, 0, 0, gcolor(), gprocessorCall());
    EXPECT_EQ(s->getBounds(), (grect{10, 20, 16, 25}));
    EXPECT_TRUE(ack->isUnused());
    EXPECT_EQ(savedObjects().substr(savedObjects().find("SCREEN")),
              "SCREEN New\n\tGRID\t\t0, 0, 16, 16, FALSE, FALSE\n"
              "\tBOUNDS\t\t10, 20, 16, 25\nEND\n\n");
}

TEST_F(screenProperties, PreviewsRedrawOnlyTheKindsAsked)
{
    ASSERT_EQ(
        loadText("BISTATE_REG B\nLEVEL ALARM\nEND\nSCREEN S\nBOUNDS 0, 0, 100, 100\n"
                 "BISTATE_IND LINE\nPOINTS 0, 0, 9, 9\nREGISTER B\nON_STATE\nLINE_STYLE SOLID, 1, 00-00-00\nEND\nEND\n"
                 "LABEL\nREGISTER B\nBOUNDS 0, 20, 50, 34\nEND\nEND\n"),
        0);
    fscreen& s = *station::screens().find("S");
    screenTests::recordingWindow view;
    s.attachWindow(&view, 0, 0);
    s.refreshPreviews(true, ggraphObject::maskBistate | ggraphObject::maskLabel);
    EXPECT_EQ(view.invalidated.size(), 1u);
    s.refreshPreviews(false, ggraphObject::maskLabel);
    EXPECT_EQ(view.invalidated.size(), 2u);
    s.detachWindow();

    s.selectAll();
    s.getSelectionProperties().userLevel.set(4);
    s.applyUserLevelToSelection();
    EXPECT_EQ(s.firstObject()->getUserLevel(), 4);
    EXPECT_EQ(s.lastObject()->getUserLevel(), 4);
}

} // namespace
