#include "screens/editor/CGraphPropertiesPane.h"
#include "screens/model/gdrawingProperties.h"

#include "screens/editor/paneTestSupport.h"

using namespace paneTests;

namespace {

constexpr int filledGraph = 18, barGraph = 19;
constexpr int markersButton = 2116, topField = 2097, lineWidth = 1510, lineStyle = 1301, fillList = 1261;
constexpr int imageList = 1279, fg = 1269, bk = 1033;

class graphPane : public paneTest {};

TEST_F(graphPane, MixedTypesLeaveEverySectionOpenAndMarkersCloseTheLine)
{
    fscreen* screen = loadFixture();
    select(*screen, {filledGraph, barGraph});
    CGraphPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(pane.checkedRadioButton(2102, 2117), 0);
    for (int id : {2102, 2117, lineStyle, lineWidth, fillList, imageList})
        EXPECT_TRUE(pane.isControlEnabled(id)) << id;

    clickButton(pane, markersButton);
    EXPECT_TRUE(pane.isChecked(markersButton));
    EXPECT_FALSE(pane.isControlEnabled(lineStyle));
    EXPECT_FALSE(pane.isControlEnabled(lineWidth));
    EXPECT_EQ(pane.controlText(lineWidth), "");
    EXPECT_FALSE(pane.isControlEnabled(fillList));
    EXPECT_TRUE(pane.isControlEnabled(imageList));
    std::string saved = savedObjects();
    size_t first = saved.find("TYPE\t\tMARKERS\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(saved.find("TYPE\t\tMARKERS\n", first + 1), std::string::npos);
}

TEST_F(graphPane, TopBottomAndWidthAreCheckedBeforeTheyAreApplied)
{
    fscreen* screen = loadFixture();
    select(*screen, {filledGraph});
    CGraphPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(pane.controlText(topField), "100");

    typeNumber(pane, topField, "1e");
    pane.commitEdits();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "The top value you entered is not a valid number.");
    EXPECT_EQ(pane.controlText(topField), "100");

    typeNumber(pane, lineWidth, "0");
    pane.commitEdits();
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[1].promptId, 10091);
    EXPECT_EQ(pane.controlText(lineWidth), "1");
    EXPECT_FALSE(modified());

    typeNumber(pane, topField, "250");
    pane.commitEdits();
    typeNumber(pane, 2100, "-5");
    pane.commitEdits();
    EXPECT_NE(savedObjects().find("REGISTER\tLevel, -5, 250"), std::string::npos) << savedObjects();
}

TEST_F(graphPane, DefaultsEnableFillColoursByKindAndRegisterListFollowsTheSet)
{
    fscreen* screen = loadFixture();
    CGraphPropertiesPane pane;
    pane.setObject(&drawingDefaults(), nullptr);
    pick(pane, fillList, 0);
    EXPECT_FALSE(pane.isControlEnabled(fg));
    EXPECT_FALSE(pane.isControlEnabled(bk));
    pick(pane, fillList, 3);
    EXPECT_TRUE(pane.isControlEnabled(fg));
    EXPECT_TRUE(pane.isControlEnabled(bk));

    select(*screen, {filledGraph});
    pane.setObject(&screen->getSelectionProperties(), screen);
    pane.refillRegisterList();
    EXPECT_EQ(pane.itemText(1389, pane.selectedItem(1389)), "Tank level");
    EXPECT_EQ(pane.itemCount(1389), 2); // the analog registers
}

} // namespace
