#include "screenEditorFixture.h"

#include "screens/editor/CDrawingPropertiesBar.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"
#include "screens/editor/CBistatePropertiesPane.h"
#include "screens/editor/CDrawingPane.h"

#include <QComboBox>
#include <QTabBar>

namespace {

constexpr int staticTab = 0;
constexpr int bistateTab = 1;
constexpr int graphTab = 4;

// The first object of the screen whose property-set mask is exactly mask.
ggraphObject* objectOfKind(const fscreen& screen, int mask)
{
    for (ggraphObject* o = screen.firstObject(); o; o = o->getNext()) {
        if (o->getPropertyMask() == mask)
            return o;
    }
    return nullptr;
}

} // namespace

class drawingBar : public screenEditorTest {
protected:
    void SetUp() override
    {
        screenEditorTest::SetUp();
        bar = CDrawingPropertiesBar::instance();
        ASSERT_NE(bar, nullptr);
    }

    void select(fscreen& screen, std::initializer_list<ggraphObject*> objects)
    {
        screen.emptySelection();
        for (ggraphObject* o : objects)
            screen.selectObject(o);
        screen.gatherSelection();
        bar->showSelection(screen);
    }

    std::vector<int> disabledTabs() const
    {
        std::vector<int> tabs;
        for (int i = 0; i < CDrawingPropertiesBar::tabCount; ++i) {
            if (bar->isTabDisabled(i))
                tabs.push_back(i);
        }
        return tabs;
    }

    // The user picks an item of the user-level list.
    void choose(int item)
    {
        bar->userLevels().setCurrentIndex(item);
        emit bar->userLevels().activated(item);
    }

    CDrawingPropertiesBar* bar = nullptr;
};

TEST_F(drawingBar, ARectangleAloneGreysEveryOtherTabAndTakesTheStaticPane)
{
    fscreen& overview = screenOf("Overview");
    openView(overview);
    ggraphObject* rectangle = objectOfKind(overview, ggraphObject::maskStatic);
    ASSERT_NE(rectangle, nullptr);
    bar->tabs().setCurrentIndex(graphTab);
    ASSERT_EQ(bar->currentTab(), graphTab);
    select(overview, {rectangle});
    EXPECT_EQ(bar->currentTab(), staticTab);
    EXPECT_EQ(disabledTabs().size(), 11u);
    EXPECT_FALSE(bar->isTabDisabled(staticTab));
    EXPECT_EQ(bar->record(), &overview.getSelectionProperties());
    EXPECT_EQ(bar->screen(), &overview);
    EXPECT_EQ(bar->pane(staticTab)->record(), &overview.getSelectionProperties());
    EXPECT_TRUE(bar->pane(staticTab)->isVisible());
    EXPECT_FALSE(bar->pane(graphTab)->isVisible());

    // A bistate indicator beside it: both tabs normal, the current one stays.
    ggraphObject* bistate = objectOfKind(overview, ggraphObject::maskBistate);
    ASSERT_NE(bistate, nullptr);
    bar->tabs().setCurrentIndex(bistateTab);
    select(overview, {rectangle, bistate});
    EXPECT_EQ(bar->currentTab(), bistateTab);
    EXPECT_FALSE(bar->isTabDisabled(staticTab));
    EXPECT_FALSE(bar->isTabDisabled(bistateTab));
    EXPECT_EQ(disabledTabs().size(), 10u);

    // A greyed tab can still be chosen; nothing selected shows the defaults.
    bar->tabs().setCurrentIndex(graphTab);
    EXPECT_EQ(bar->currentTab(), graphTab);
    select(overview, {});
    EXPECT_EQ(bar->record(), &drawingDefaults());
    EXPECT_EQ(bar->screen(), nullptr);
    EXPECT_TRUE(disabledTabs().empty());
}

TEST_F(drawingBar, TheUserLevelGoesToEverySelectedObjectOrToTheDefaults)
{
    fscreen& overview = screenOf("Overview");
    openView(overview);
    std::vector<ggraphObject*> three;
    for (ggraphObject* o = overview.firstObject(); o && three.size() < 3; o = o->getNext())
        three.push_back(o);
    ASSERT_EQ(three.size(), 3u);
    select(overview, {three[0], three[1], three[2]});
    stationState().modified = 0;
    choose(5);
    for (ggraphObject* o : three)
        EXPECT_EQ(o->getUserLevel(), 6);
    EXPECT_EQ(stationState().modified, 1);

    select(overview, {});
    stationState().modified = 0;
    int32_t before = three[0]->getUserLevel();
    choose(2);
    int32_t level = 0;
    drawingDefaults().userLevel.getOr(level, 0);
    EXPECT_EQ(level, 3);
    EXPECT_EQ(three[0]->getUserLevel(), before);
    EXPECT_EQ(stationState().modified, 0);
    EXPECT_EQ(bar->userLevels().currentIndex(), 2);
}

TEST_F(drawingBar, TheBarFollowsTheActiveScreenWindow)
{
    fscreen& overview = screenOf("Overview");
    fscreen& detail = screenOf("Detail");
    CScreenView& first = openView(overview);
    select(overview, {overview.firstObject()});
    EXPECT_EQ(CScreenView::followed(), &first);
    CScreenView& second = openView(detail);
    EXPECT_EQ(CScreenView::followed(), &second);
    EXPECT_EQ(bar->record(), &drawingDefaults());
    frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first.parentWidget()));
    EXPECT_EQ(CScreenView::followed(), &first);
    EXPECT_EQ(bar->screen(), &overview);
}

TEST_F(drawingBar, ClosingTheStationShowsTheDefaultsAndTheTimerBlinks)
{
    fscreen& overview = screenOf("Overview");
    openView(overview);
    select(overview, {overview.firstObject()});
    ASSERT_EQ(bar->screen(), &overview);
    auto* registers = bar->pane(bistateTab)->controlAs<QComboBox>(CBistatePropertiesPane::registerList);
    ASSERT_GT(registers->count(), 0);
    stationState().modified = 0;
    ASSERT_TRUE(frame->closeStation());
    EXPECT_EQ(bar->screen(), nullptr);
    EXPECT_EQ(bar->record(), &drawingDefaults());
    // The register lists hold none of the registers that went with it.
    EXPECT_EQ(registers->count(), 0);

    previewValues().bistateState = 2;
    int phase = previewValues().blinkPhase;
    bar->blink();
    EXPECT_NE(previewValues().blinkPhase, phase);
    previewValues() = gpreviewValues{};
}

TEST_F(drawingBar, GetPropertiesFromSelectionMakesTheBistateToolAvailable)
{
    fscreen& overview = screenOf("Overview");
    openView(overview);
    drawingDefaults().reset();
    drawingDefaults().userLevel.set(4);
    EXPECT_FALSE(enabled(32792));
    EXPECT_FALSE(enabled(32804));
    ggraphObject* bistate = objectOfKind(overview, ggraphObject::maskBistate);
    ASSERT_NE(bistate, nullptr);
    select(overview, {bistate});
    ASSERT_TRUE(enabled(32804));
    frame->routeCommand(32804);
    EXPECT_TRUE(enabled(32792));
    EXPECT_TRUE(drawingDefaults().isComplete(4));
    int32_t level = 0;
    drawingDefaults().userLevel.getOr(level, 0);
    EXPECT_EQ(level, 4);

    // The default's register follows its tag into the next station.
    ASSERT_TRUE(frame->closeStation());
    EXPECT_FALSE(drawingDefaults().isComplete(4));
    ASSERT_EQ(frame->openFile(fixtureFile()), 0);
    EXPECT_TRUE(drawingDefaults().isComplete(4));
    EXPECT_EQ(bar->record(), &drawingDefaults());
    drawingDefaults().reset();
}

TEST_F(drawingBar, BarPictureForAPerson)
{
    fscreen& overview = screenOf("Overview");
    openView(overview);
    select(overview, {objectOfKind(overview, ggraphObject::maskBistate)});
    EXPECT_TRUE(saveScreenshot(frame->grab(), "drawing-properties-bar.png"));
}
