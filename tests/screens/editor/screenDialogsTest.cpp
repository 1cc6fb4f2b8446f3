#include "screenEditorFixture.h"

#include "platform/settingsStore.h"
#include "platform/systemColours.h"
#include "screens/editor/CAlignObjectsDialog.h"
#include "screens/editor/CColorDialog.h"
#include "screens/editor/CGridSizeDialog.h"
#include "screens/editor/CIndicatorValuesDialog.h"
#include "screens/editor/CScreenPropertiesDialog.h"
#include "screens/editor/CSetNetworkScreenDialog.h"
#include "screens/model/gpreviewValues.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "support/ui/pageHost.h"

#include <QComboBox>

using props = CScreenPropertiesDialog;

namespace {

void setText(CDialog& d, int id, const char* text) { d.setControlText(id, text); }

} // namespace

TEST_F(screenEditorTest, ANewScreenTakesTheProposedSizeAndOpensItsWindow)
{
    user.scripts.push_back([](CDialog& d) {
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        EXPECT_EQ(d.controlText(props::heightId), gstr("500"));
        EXPECT_EQ(d.controlText(props::widthId), gstr("750"));
        setText(d, props::tagId, "Boiler");
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        setText(d, props::nameId, "Boiler");
        d.sendCommand(IDOK);
    });
    props dialog(nullptr, nullptr, frame);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    fscreen* made = station::screens().find("Boiler");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(dialog.target(), made);
    EXPECT_EQ(made->getBounds(), (grect{0, 0, 750, 500}));
    // A name equal to the tag leaves no title.
    EXPECT_EQ(made->getTitle(false).length(), 0);
    EXPECT_TRUE(made->isInMenu());
    EXPECT_NE(findScreenDocument(*made), nullptr);
    EXPECT_EQ(stationState().modified, 1);
}

TEST_F(screenEditorTest, DuplicatingUnderTheSameTagIsRefusedThenCopiesTheObjects)
{
    fscreen& overview = screenOf("Overview");
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(props::tagId), gstr("Overview"));
        EXPECT_EQ(d.controlText(props::nameId), gstr("Plant overview"));
        EXPECT_TRUE(d.isChecked(props::dialogId));
        EXPECT_FALSE(d.isControlEnabled(props::showId));
        EXPECT_TRUE(d.isChecked(props::customColourId));
        EXPECT_TRUE(d.isChecked(props::localId));
        d.sendCommand(IDOK);
    });
    user.scripts.push_back([](CDialog& d) {
        setText(d, props::tagId, "Overview2");
        d.sendCommand(IDOK);
    });
    props dialog(&overview, nullptr, frame);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].promptId, 10257);
    fscreen* copy = station::screens().find("Overview2");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getTitle(false), gstr("Plant overview"));
    EXPECT_EQ(objectCount(*copy), objectCount(overview));
    EXPECT_EQ(copy->getBackground(), overview.getBackground());
    EXPECT_FALSE(copy->hasSelection());
}

TEST_F(screenEditorTest, EditingKeepsTheCornerAndRenamesTheWindow)
{
    fscreen& overview = screenOf("Overview");
    CScreenView& view = openView(overview);
    bool wasLocal = overview.isLocal();
    user.scripts.push_back([wasLocal](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Screen Properties");
        EXPECT_EQ(d.isChecked(props::localId), wasLocal);
        // "Don't transmit over network" turned over is written back.
        clickButton(d, props::localId);
        setText(d, props::heightId, "12x");
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        setText(d, props::heightId, "0");
        setText(d, props::widthId, "");
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        setText(d, props::widthId, "300");
        setText(d, props::nameId, "Plant");
        // "Dialog" off: the start-up box comes back, unchecked.
        clickButton(d, props::dialogId);
        EXPECT_TRUE(d.isControlEnabled(props::showId));
        EXPECT_FALSE(d.isChecked(props::showId));
        clickButton(d, props::customColourId);
        EXPECT_FALSE(d.isControlEnabled(props::setColourId));
        d.sendCommand(IDOK);
    });
    frame->routeCommand(32840);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].promptId, 10087);
    EXPECT_EQ(user.messages[1].promptId, 13000);
    EXPECT_EQ(overview.getBounds(), (grect{-20, 16, 280, 16}));
    EXPECT_TRUE(overview.isInMenu());
    EXPECT_EQ(overview.isLocal(), !wasLocal);
    EXPECT_FALSE(overview.getBackground().isSet());
    EXPECT_EQ(view.document().title(), gstr("Plant"));
    EXPECT_EQ(view.parentWidget()->windowTitle(), "Plant");
    auto* list = frame->listWindowAt(CMainFrame::screens);
    EXPECT_GE(list->list().indexOf(&overview), 0);
    EXPECT_EQ(list->list().nameAt(list->list().indexOf(&overview)), gstr("Plant"));
}

// A file may give a screen's edges the other way round, with sizes beyond
// what a typed size may be; an unchanged OK keeps the screen as it was.
TEST_F(screenEditorTest, UnchangedSizesKeepTheEdges)
{
    fscreen& overview = screenOf("Overview");
    const grect reversed{1, 10, -2147483646, -2147483648}; // 2147483647 wide, 2147483658 high
    overview.setBounds(reversed);
    user.scripts.push_back([](CDialog& d) { d.sendCommand(IDOK); });
    props dialog(&overview, &overview, frame);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(overview.getBounds(), reversed);
}

// A size whose far edge would leave the coordinates is refused, counted from
// the screen's own corner (-20, 16) or, for a new screen, from the origin;
// the message names the sizes that fit.
TEST_F(screenEditorTest, SizesThatWouldWrapTheFarEdgeAreRefused)
{
    fscreen& overview = screenOf("Overview");
    struct {
        const char* height;
        const char* width;
        int refusedBy; // 0: accepted
        const char* message;
    } const cases[] = {
        {"100", "4294967295", 13000, "Please enter a width between 0 and 2147483667."},
        {"100", "2147483668", 13000, "Please enter a width between 0 and 2147483667."},
        {"2147483632", "100", 13011, "Please enter a height between 0 and 2147483631."},
        {"2147483631", "2147483667", 0, ""},
    };
    user.scripts.push_back([&cases, this](CDialog& d) {
        for (const auto& c : cases) {
            user.messages.clear();
            setText(d, props::heightId, c.height);
            setText(d, props::widthId, c.width);
            d.sendCommand(IDOK);
            EXPECT_EQ(d.hasEnded(), c.refusedBy == 0) << c.height << " " << c.width;
            EXPECT_EQ(user.messages.empty() ? 0 : user.messages.back().promptId, c.refusedBy) << c.height << " " << c.width;
            EXPECT_EQ(user.messages.empty() ? "" : user.messages.back().text, c.message);
        }
    });
    props dialog(&overview, &overview, frame);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(overview.getBounds(), (grect{-20, 16, 2147483647, 2147483647}));

    user.scripts.push_back([](CDialog& d) {
        setText(d, props::tagId, "Wide");
        setText(d, props::widthId, "2147483648");
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        setText(d, props::widthId, "2147483647");
        d.sendCommand(IDOK);
    });
    props made(nullptr, nullptr, frame);
    ASSERT_EQ(made.DoModal(), IDOK);
    EXPECT_EQ(station::screens().find("Wide")->getBounds(), (grect{0, 0, 2147483647, 500}));
}

TEST_F(screenEditorTest, TheColourDialogSetsTheBackground)
{
    fscreen& detail = screenOf("Detail");
    user.scripts.push_back([](CDialog& d) {
        clickButton(d, props::customColourId);
        EXPECT_TRUE(d.isControlEnabled(props::setColourId));
        d.sendCommand(props::setColourId);
        d.sendCommand(IDOK);
    });
    uint32_t offered = 0;
    user.scripts.push_back([&offered](CDialog& d) {
        auto& colours = static_cast<CColorDialog&>(d);
        offered = colours.getColor();
        colours.setColor(0x00336699);
        d.sendCommand(IDOK);
    });
    props dialog(&detail, &detail, frame);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(detail.getBackground(), (gcolor{0x99, 0x66, 0x33}));
    // It opened with the window colour, the screen having no background.
    EXPECT_EQ(offered, refFromColour(systemColour(sysColour::window)));
}

TEST_F(screenEditorTest, SetNetworkScreenNeedsBothNames)
{
    CSetNetworkScreenDialog dialog(frame);
    dialog.setStationName("North");
    user.scripts.push_back([](CDialog& d) {
        using net = CSetNetworkScreenDialog;
        EXPECT_EQ(d.controlText(net::stationId), gstr("North"));
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        setText(d, net::screenId, "Pumps");
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.sendCommand(IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.getStationName(), gstr("North"));
    EXPECT_EQ(dialog.getScreenTag(), gstr("Pumps"));
}

TEST_F(screenEditorTest, GridSizeTakesFourToAThousand)
{
    fscreen& detail = screenOf("Detail");
    openView(detail);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(CGridSizeDialog::xId), gstr("16"));
        const char* refused[] = {"3", "1001", "12 ", ""};
        for (const char* text : refused) {
            setText(d, CGridSizeDialog::xId, text);
            d.sendCommand(IDOK);
            EXPECT_FALSE(d.hasEnded()) << text;
        }
        setText(d, CGridSizeDialog::xId, "4");
        setText(d, CGridSizeDialog::yId, "1000");
        d.sendCommand(IDOK);
    });
    frame->routeCommand(32892);
    EXPECT_EQ(user.messages.size(), 4u);
    EXPECT_EQ(user.lastMessage().promptId, 10086);
    int32_t x = 0;
    int32_t y = 0;
    detail.getGridSize(x, y);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, 1000);
}

TEST_F(screenEditorTest, AlignObjectsNeedsAChoiceAndRemembersItEvenOnCancel)
{
    using align = CAlignObjectsDialog;
    user.scripts.push_back([](CDialog& d) {
        EXPECT_TRUE(d.isChecked(align::firstHorizontalId));
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        clickButton(d, align::firstVerticalId + 4);
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        EXPECT_FALSE(d.isChecked(align::firstVerticalId));
        d.sendCommand(IDCANCEL);
    });
    {
        align dialog(frame);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(profileInt("Dialogs\\Align Objects", "Y", 0), 4);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_TRUE(d.isChecked(align::firstVerticalId + 4));
        clickButton(d, align::firstHorizontalId + 2);
        d.sendCommand(IDOK);
    });
    align dialog(frame);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.horizontal, 2);
    EXPECT_EQ(dialog.vertical, 4);
}

// The last choice of each group is taken and applied: four objects of the
// overview distributed evenly in both directions.
TEST_F(screenEditorTest, AlignObjectsAppliesTheFifthChoiceOfEachGroup)
{
    using align = CAlignObjectsDialog;
    fscreen& overview = screenOf("Overview");
    openView(overview);
    const grect control{10, 10, 90, 40}, box{100, 100, 200, 150}, ellipse{210, 100, 260, 150}, note{100, 160, 200, 174};
    std::vector<ggraphObject*> chosen;
    overview.emptySelection();
    for (const grect& wanted : {control, box, ellipse, note}) {
        for (ggraphObject* o = overview.firstObject(); o; o = o->getNext()) {
            if (o->getFrame() == wanted) {
                overview.selectObject(o);
                chosen.push_back(o);
                break;
            }
        }
    }
    ASSERT_EQ(chosen.size(), 4u);
    overview.gatherSelection();
    user.scripts.push_back([](CDialog& d) {
        clickButton(d, align::firstVerticalId + 4);
        // The fifth choice leaves its group when another is chosen.
        clickButton(d, align::firstHorizontalId + 4);
        clickButton(d, align::firstHorizontalId + 2);
        EXPECT_FALSE(d.isChecked(align::firstHorizontalId + 4));
        clickButton(d, align::firstHorizontalId + 4);
        for (int first : {align::firstHorizontalId, align::firstVerticalId}) {
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(d.isChecked(first + i), i == 4) << first + i;
        }
        d.sendCommand(IDOK);
    });
    frame->routeCommand(32771);
    EXPECT_EQ(user.dialogs.size(), 1u);
    // Centres (50, 25), (150, 125), (235, 125) and (150, 167) rank 0, 1, 3, 1
    // across and 0, 1, 1, 3 down.
    EXPECT_EQ(chosen[0]->getFrame(), control);
    EXPECT_EQ(chosen[1]->getFrame(), (grect{62, 47, 162, 97}));
    EXPECT_EQ(chosen[2]->getFrame(), (grect{210, 47, 260, 97}));
    EXPECT_EQ(chosen[3]->getFrame(), (grect{62, 160, 162, 174}));
    EXPECT_EQ(stationState().modified, 1);

    // Both choices are remembered.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_TRUE(d.isChecked(align::firstHorizontalId + 4));
        EXPECT_TRUE(d.isChecked(align::firstVerticalId + 4));
        d.sendCommand(IDCANCEL);
    });
    frame->routeCommand(32771);
    EXPECT_EQ(user.dialogs.size(), 2u);
}

TEST_F(screenEditorTest, IndicatorValuesApplyStoresAndRefusesInOrder)
{
    using values = CIndicatorValuesDialog;
    previewValues() = gpreviewValues{};
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(values::digitalId), gstr("720"));
        setText(d, values::digitalId, "12ab");
        setText(d, values::analogId, "nonsense");
        d.sendCommand(values::applyId);
        setText(d, values::digitalId, "4294967295");
        d.sendCommand(values::applyId);
        setText(d, values::analogId, "2.5");
        setText(d, values::stringId, "");
        d.sendCommand(values::applyId);
        d.sendCommand(IDCANCEL);
    });
    frame->routeCommand(32893);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].promptId, 10081);
    EXPECT_EQ(user.messages[1].promptId, 10072);
    EXPECT_EQ(previewValues().digitalValue, 4294967295u);
    EXPECT_EQ(previewValues().analogValue, 2.5);
    EXPECT_EQ(profileString("Settings", "DigitalValue", "x"), gstr("4294967295"));
    EXPECT_EQ(profileString("Settings", "AnalogValue", "x"), gstr("2.5"));
    EXPECT_EQ(profileString("Settings", "StringValue", "x"), gstr(""));
    previewValues() = gpreviewValues{};
}
