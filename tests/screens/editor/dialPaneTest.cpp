#include "screens/editor/CDialPropertiesPane.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"

#include "screens/editor/paneTestSupport.h"

using namespace paneTests;

namespace {

constexpr int levelDial = 16, flowDial = 17;
constexpr int stateList = 1459, fillList = 1261, useImage = 1252, imageList = 1279, lineStyle = 1301;
constexpr int topField = 2097;

class dialPane : public paneTest {};

TEST_F(dialPane, MarkerStatesTradeTheFillForTheImage)
{
    fscreen* screen = loadFixture();
    select(*screen, {levelDial});
    CDialPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    pick(pane, stateList, 7); // Marker (On state)
    EXPECT_EQ(previewValues().dialState, gstate::markerOn);
    EXPECT_FALSE(pane.isControlShown(fillList));
    EXPECT_TRUE(pane.isControlShown(useImage));
    EXPECT_TRUE(pane.isControlShown(imageList));
    pick(pane, stateList, 4); // Top (On state)
    EXPECT_TRUE(pane.isControlShown(fillList));
    EXPECT_FALSE(pane.isControlShown(useImage));
    EXPECT_FALSE(pane.isControlShown(imageList));

    // The off marker shows an image: its lines are out of use.
    pick(pane, stateList, 6);
    EXPECT_EQ(checkState(pane, useImage), Qt::Checked);
    EXPECT_FALSE(pane.isControlEnabled(lineStyle));
    EXPECT_TRUE(pane.isControlEnabled(imageList));
    clickButton(pane, useImage);
    EXPECT_EQ(checkState(pane, useImage), Qt::Unchecked);
    EXPECT_TRUE(pane.isControlEnabled(lineStyle));
    EXPECT_FALSE(pane.isControlEnabled(imageList));
}

TEST_F(dialPane, ScaleValuesAreNumbersInAnyOrder)
{
    fscreen* screen = loadFixture();
    select(*screen, {levelDial});
    CDialPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(pane.controlText(topField), "100");
    typeNumber(pane, topField, "1e");
    pane.commitEdits();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].promptId, 10741);
    EXPECT_EQ(pane.controlText(topField), "100");

    typeNumber(pane, topField, "-10");
    pane.commitEdits();
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_NE(savedObjects().find("REGISTER\tLevel, VALUE, 0, -10"), std::string::npos) << savedObjects();
}

TEST_F(dialPane, MixedOrientationChecksNeitherAndAClickGivesBothOne)
{
    fscreen* screen = loadFixture();
    select(*screen, {levelDial, flowDial});
    CDialPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_FALSE(pane.isChecked(2084));
    EXPECT_FALSE(pane.isChecked(2085));
    EXPECT_TRUE(pane.isControlEnabled(2084));
    clickButton(pane, 2085);
    EXPECT_TRUE(pane.isChecked(2085));
    EXPECT_FALSE(pane.isChecked(2084));
    std::string saved = savedObjects();
    size_t first = saved.find("HORIZONTAL\tYES");
    ASSERT_NE(first, std::string::npos) << saved;
    EXPECT_NE(saved.find("HORIZONTAL\tYES", first + 1), std::string::npos) << saved;
}

} // namespace
