#include "screens/editor/C3dRectPropertiesPane.h"
#include "screens/editor/CFillComboBox.h"
#include "screens/editor/CLabelPropertiesPane.h"
#include "screens/editor/CStaticPropertiesPane.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gfontName.h"

#include "screens/editor/paneTestSupport.h"

#include <QPlainTextEdit>
#include <QRadioButton>

using namespace paneTests;

namespace {

constexpr int lineWidth = 1510, fillList = 1261, fg = 1269, bk = 1033, size = 1477;
constexpr int boldBox = 1039, textButton = 1244, colourC = 1475, colourDefaults = 1476;

class staticPanes : public paneTest {};

TEST_F(staticPanes, FillListMapsItemsToKindsAndPatterns)
{
    CFillComboBox fills;
    EXPECT_EQ(fills.count(), 29);
    fills.setCurrentIndex(-1);
    EXPECT_EQ(fills.getKind(), 0);
    struct {
        int kind, pattern, item;
    } cases[] = {{1, 0, 0}, {2, 0, 1}, {3, 0, 2}, {3, 21, 23}, {4, 0, 24}, {4, 4, 28}};
    for (const auto& c : cases) {
        fills.select(c.kind, c.pattern);
        EXPECT_EQ(fills.currentIndex(), c.item);
        EXPECT_EQ(fills.getKind(), c.kind);
        EXPECT_EQ(fills.getPattern(), c.pattern);
    }
}

TEST_F(staticPanes, WrongNumbersAreRefusedAndTheStoredValueComesBack)
{
    fscreen* screen = loadSmall();
    select(*screen, {0, 1});
    CStaticPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    // Different widths: an empty but enabled field.
    EXPECT_EQ(pane.controlText(lineWidth), "");
    EXPECT_TRUE(pane.isControlEnabled(lineWidth));

    typeNumber(pane, lineWidth, "0");
    pane.commitEdits();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].promptId, 10091);
    EXPECT_EQ(user.messages[0].text, "The line width must be a number greater or equal to 1.");
    EXPECT_EQ(pane.controlText(lineWidth), "");

    select(*screen, {6}); // the text
    pane.setObject(&screen->getSelectionProperties(), screen);
    typeNumber(pane, size, "6");
    pane.commitEdits();
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[1].promptId, 10109);
    EXPECT_EQ(pane.controlText(size), "12");
    EXPECT_FALSE(modified());

    select(*screen, {0, 1});
    pane.setObject(&screen->getSelectionProperties(), screen);

    typeNumber(pane, lineWidth, "4");
    pane.commitEdits();
    EXPECT_EQ(pane.controlText(lineWidth), "4");
    EXPECT_TRUE(modified());
    EXPECT_TRUE(savedHas("LINE_STYLE\tSOLID, 4, 00-00-00\n\t\tFILL_STYLE\tCOLOR, FF-00-00"));
    EXPECT_TRUE(savedHas("LINE_STYLE\tSOLID, 4, 00-00-00\n\t\tFILL_STYLE\tCOLOR, 00-FF-00"));
}

TEST_F(staticPanes, DifferingFillColourIsBlankButEnabledAndAColourGoesToBoth)
{
    fscreen* screen = loadSmall();
    select(*screen, {0, 1});
    CStaticPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_FALSE(showsColour(pane, fg));
    EXPECT_TRUE(pane.isControlEnabled(fg));
    EXPECT_EQ(pane.selectedItem(fillList), 1);

    chooseColourNext(0x563412);
    pane.sendCommand(fg);
    // No common colour: the dialog starts from white.
    EXPECT_EQ(offeredColour, 0xFFFFFFu);
    EXPECT_TRUE(showsColour(pane, fg));
    EXPECT_EQ(shownColour(pane, fg), 0x563412u);
    EXPECT_TRUE(savedHas("FILL_STYLE\tCOLOR, 12-34-56\n\tEND\n\tELLIPSE"));

    // Cancel changes nothing.
    clearModified();
    pane.sendCommand(fg);
    EXPECT_FALSE(modified());
}

TEST_F(staticPanes, DefaultsFollowTheFillRuleAndShowTheColourButtonForDefaults)
{
    CStaticPropertiesPane pane;
    pane.setObject(&drawingDefaults(), nullptr);
    EXPECT_FALSE(pane.isControlShown(colourC));
    EXPECT_FALSE(pane.isControlShown(textButton));
    EXPECT_TRUE(pane.isControlShown(colourDefaults));

    struct {
        int item;
        bool fgOn, bkOn;
    } cases[] = {{0, false, false}, {1, true, false}, {5, true, true}, {25, false, false}};
    for (const auto& c : cases) {
        pick(pane, fillList, c.item);
        EXPECT_EQ(pane.isControlEnabled(fg), c.fgOn) << c.item;
        EXPECT_EQ(pane.isControlEnabled(bk), c.bkOn) << c.item;
    }
    EXPECT_EQ(drawingDefaults().staticSet.values.fill.kind.get(), 4);
    EXPECT_EQ(drawingDefaults().staticSet.values.fill.pattern.get(), 1);

    // A number typed for the defaults is written back in its normal form.
    typeNumber(pane, size, "0016");
    pane.commitEdits();
    EXPECT_EQ(pane.controlText(size), "16");
    EXPECT_EQ(drawingDefaults().staticSet.values.textValues.size.get(), 16);
    EXPECT_FALSE(modified());
}

TEST_F(staticPanes, BoxesTextAndSpinGoToTheSelection)
{
    fscreen* screen = loadFixture();
    select(*screen, {5}); // the text "Tank, north", bold italic
    CStaticPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(checkState(pane, boldBox), Qt::Checked);
    EXPECT_TRUE(pane.isControlShown(textButton));
    EXPECT_TRUE(pane.isControlEnabled(textButton));

    clickButton(pane, boldBox);
    EXPECT_EQ(checkState(pane, boldBox), Qt::Unchecked);
    EXPECT_TRUE(savedHas("STYLE\t\tSANS SERIF, ITALIC, 14, CENTER, 00-00-00"));

    messages.enteredTexts.push_back(std::string("Tank, south"));
    pane.sendCommand(textButton);
    EXPECT_TRUE(savedHas("TEXT\t\t\"Tank, south\""));

    pick(pane, 1011, 2);
    pick(pane, 1268, symbolicFontIndex(findFontName("COURIER")));
    EXPECT_TRUE(savedHas("STYLE\t\tCOURIER, ITALIC, 14, RIGHT, 00-00-00"));

    dynamic_cast<CNonNegativeSpinEdit*>(pane.control(size))->spin().OnDeltaPos(-1); // one step up
    EXPECT_TRUE(savedHas("STYLE\t\tCOURIER, ITALIC, 15, RIGHT, 00-00-00"));
}

TEST_F(staticPanes, ImagesMissingFromTheLibraryShowThePlaceholder)
{
    using screenTests::libraryImage;
    ASSERT_TRUE(screenTests::loadLibrary(
        screenTests::libraryBytes({{"???", 0, 0, 4, 4, 1}, {"pump", 0, 0, 6, 6, 2}, {"tank", 0, 0, 8, 5, 3}})));
    fscreen* screen = loadFixture();
    CStaticPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    pane.refillImageList();
    EXPECT_GE(pane.itemCount(1279), 2);

    select(*screen, {6}); // a picture of "valve", which the station itself holds
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(pane.itemText(1279, pane.selectedItem(1279)), "valve");

    drawingDefaults().staticSet.values.image.name.set("missing");
    pane.setObject(&drawingDefaults(), nullptr);
    EXPECT_EQ(pane.selectedItem(1279), -1);
    EXPECT_TRUE(pane.isControlEnabled(1279));
}

TEST_F(staticPanes, ThreeDAreasShowNoTypeWhenMixedAndTakeTheClickedOne)
{
    fscreen* screen = loadSmall();
    select(*screen, {2, 3});
    C3dRectPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    for (int id = 1944; id <= 1952; ++id) {
        EXPECT_FALSE(pane.isChecked(id)) << id;
        EXPECT_TRUE(pane.isControlEnabled(id)) << id;
    }
    clickButton(pane, 1946);
    EXPECT_EQ(pane.checkedRadioButton(1944, 1952), 1946);
    std::string saved = savedObjects();
    EXPECT_EQ(saved.find("HLINE"), std::string::npos);
    EXPECT_EQ(saved.find("RAISED"), std::string::npos);

    select(*screen, {0, 1});
    pane.setObject(&screen->getSelectionProperties(), screen);
    for (int id = 1944; id <= 1952; ++id)
        EXPECT_FALSE(pane.isControlEnabled(id)) << id;
    EXPECT_FALSE(pane.isControlEnabled(2121));
}

TEST_F(staticPanes, LabelTextsShowMixedAndTypingGivesEveryLabelTheText)
{
    fscreen* screen = loadSmall();
    select(*screen, {4, 5});
    CLabelPropertiesPane pane;
    pane.refillRegisterList();
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(pane.controlText(1472), "");
    EXPECT_TRUE(pane.isControlEnabled(1472));
    EXPECT_EQ(pane.selectedItem(1389), -1);
    EXPECT_EQ(pane.itemCount(1389), 2);

    auto* field = pane.controlAs<QPlainTextEdit>(1472);
    field->setPlainText(QStringLiteral("A\nB"));
    std::string saved = savedObjects();
    EXPECT_NE(saved.find("TEXT\t\t\"A\\rB\""), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Pump: %"), std::string::npos);

    screen->gatherSelection();
    pane.setObject(&screen->getSelectionProperties(), screen);
    field->setPlainText(QString());
    saved = savedObjects();
    EXPECT_EQ(saved.find("\"A\\rB\""), std::string::npos) << saved;

    int pumpItem = pane.itemText(1389, 0) == "Level" ? 1 : 0;
    pick(pane, 1389, pumpItem);
    EXPECT_EQ(pane.selectedItem(1389), pumpItem);
    saved = savedObjects();
    EXPECT_EQ(saved.find("REGISTER\tLevel"), std::string::npos) << saved;
}

} // namespace
