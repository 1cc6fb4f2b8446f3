#include "screens/editor/CLabelAndLinesDialog.h"
#include "screens/editor/CMarkerPropertiesPane.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"

#include "screens/editor/paneTestSupport.h"

#include <QPlainTextEdit>

using namespace paneTests;

namespace {

constexpr int rectangle = 3, pumpMarker = 20, staticMarker = 21;
constexpr int stateList = 1459, enableBox = 1249, labelAndLines = 2130, imageList = 1279;

// The saved block of the marker whose bounds start so.
std::string markerBlock(const std::string& saved, const char* bounds)
{
    size_t at = saved.find(bounds);
    if (at == std::string::npos)
        return "";
    size_t begin = saved.rfind("\tMARKER\n", at);
    size_t end = saved.find("\n\tEND\n", at);
    return saved.substr(begin, end - begin);
}

class markerPane : public paneTest {
protected:
    fscreen* open(std::initializer_list<int> places, CMarkerPropertiesPane& pane)
    {
        fscreen* screen = loadFixture();
        pane.refillRegisterList();
        select(*screen, places);
        pane.setObject(&screen->getSelectionProperties(), screen);
        return screen;
    }
};

// The bar refills the lists of a pane that shows a selection after every
// register edit: the static-marker entry stays first, the selection stays,
// and the coordinate lists hold the analog registers' parts.
TEST_F(markerPane, ARefillKeepsTheStaticMarkerFirstAndTheSelection)
{
    CMarkerPropertiesPane pane;
    fscreen* screen = open({staticMarker}, pane);
    pane.refillRegisterList();
    auto* registers = pane.controlAs<QComboBox>(CMarkerPropertiesPane::registerList);
    EXPECT_EQ(registers->count(), 6); // the entry and five registers
    EXPECT_EQ(registers->currentIndex(), 0);
    EXPECT_EQ(pane.itemText(CMarkerPropertiesPane::registerList, 0), "<Static marker>");
    EXPECT_EQ(registers->itemData(0).value<void*>(), nullptr);

    select(*screen, {pumpMarker});
    pane.setObject(&screen->getSelectionProperties(), screen);
    pane.refillRegisterList();
    EXPECT_EQ(registers->itemData(registers->currentIndex()).value<void*>(), station::registers().find("Pump"));
    auto* x = pane.controlAs<QComboBox>(CMarkerPropertiesPane::xRegisterList);
    ASSERT_EQ(x->count(), 2);
    EXPECT_EQ(pane.itemText(CMarkerPropertiesPane::xRegisterList, 0), "Flow");
    EXPECT_EQ(pane.itemText(CMarkerPropertiesPane::xRegisterList, 1), "Tank level");
    EXPECT_EQ(x->currentIndex(), 1);
    EXPECT_EQ(x->itemData(0).value<void*>(), station::registers().find("Flow")->getAnalogSupplement());
    EXPECT_EQ(x->itemData(1).value<void*>(), station::registers().find("Level")->getAnalogSupplement());

    // Back on the static marker, picking the entry keeps it static.
    select(*screen, {staticMarker});
    pane.setObject(&screen->getSelectionProperties(), screen);
    pick(pane, CMarkerPropertiesPane::registerList, 0);
    EXPECT_EQ(registers->currentIndex(), 0);
    EXPECT_EQ(markerBlock(savedObjects(), "BOUNDS\t\t560, 450").find("\tREGISTER"), std::string::npos);
}

TEST_F(markerPane, MixedRegistersLeaveEveryRecordUsable)
{
    CMarkerPropertiesPane pane;
    open({pumpMarker, staticMarker}, pane);
    EXPECT_EQ(pane.selectedItem(1389), -1);
    EXPECT_FALSE(pane.isControlShown(enableBox)); // the static record first
    pick(pane, stateList, 1);
    EXPECT_TRUE(pane.isControlShown(enableBox));
    EXPECT_TRUE(pane.isControlEnabled(enableBox));
    EXPECT_TRUE(pane.isControlEnabled(labelAndLines));
    pick(pane, stateList, 0);
    EXPECT_FALSE(pane.isControlShown(enableBox));
}

TEST_F(markerPane, StateRecordsOfMarkersWithoutRegisterAreNotUsable)
{
    CMarkerPropertiesPane pane;
    open({staticMarker}, pane);
    EXPECT_EQ(pane.itemText(1389, pane.selectedItem(1389)), "<Static marker>");
    pick(pane, stateList, 2);
    EXPECT_EQ(checkState(pane, enableBox), Qt::Unchecked);
    EXPECT_FALSE(pane.isControlEnabled(enableBox));
    EXPECT_FALSE(pane.isControlEnabled(labelAndLines));
    EXPECT_FALSE(pane.isControlEnabled(imageList));
}

TEST_F(markerPane, AnEnabledErrorStateTakesTheOffStatesShape)
{
    CMarkerPropertiesPane pane;
    open({pumpMarker}, pane);
    pick(pane, stateList, 5);
    ASSERT_TRUE(pane.isControlEnabled(enableBox));
    EXPECT_EQ(checkState(pane, enableBox), Qt::Unchecked);
    clickButton(pane, enableBox);
    EXPECT_EQ(checkState(pane, enableBox), Qt::Checked);
    std::string block = markerBlock(savedObjects(), "BOUNDS\t\t440, 450");
    size_t error = block.find("ERROR_STATE");
    ASSERT_NE(error, std::string::npos) << block;
    EXPECT_NE(block.find("IMAGE\t\tvalve", error), std::string::npos) << block;
}

TEST_F(markerPane, ObjectsWithoutMarkersDisableTheCoordinates)
{
    CMarkerPropertiesPane pane;
    open({rectangle}, pane);
    for (int id : {1389, 1391, 2132, 1390, 2131, 2097, 1720})
        EXPECT_FALSE(pane.isControlEnabled(id)) << id;
}

TEST_F(markerPane, ScaleEditsAreCheckedAndGoToTheCoordinateRegisters)
{
    CMarkerPropertiesPane pane;
    open({pumpMarker}, pane);
    typeNumber(pane, 1721, "1e");
    pane.commitEdits();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "The right value you entered is not a valid number.");
    typeNumber(pane, 1721, "80");
    pane.commitEdits();
    EXPECT_NE(savedObjects().find("X_COORDINATE\tLevel, VALUE, 0, 80"), std::string::npos) << savedObjects();
}

// Each entry of the X and Y Value lists stores the value it names.
TEST_F(markerPane, ValueChoicesStoreTheValueTheyName)
{
    CMarkerPropertiesPane pane;
    open({pumpMarker}, pane);
    constexpr int x = CMarkerPropertiesPane::xValueList, y = CMarkerPropertiesPane::yValueList;
    struct {
        int list;
        int item;
        const char* line;
    } const picks[] = {
        {x, 1, "X_COORDINATE\tLevel, MINIMUM, 0, 100"}, {x, 2, "X_COORDINATE\tLevel, MAXIMUM, 0, 100"},
        {x, 0, "X_COORDINATE\tLevel, VALUE, 0, 100"},   {y, 2, "Y_COORDINATE\tFlow, MAXIMUM, 100, 0"},
        {y, 0, "Y_COORDINATE\tFlow, VALUE, 100, 0"},    {y, 1, "Y_COORDINATE\tFlow, MINIMUM, 100, 0"},
    };
    for (const auto& p : picks) {
        pick(pane, p.list, p.item);
        std::string block = markerBlock(savedObjects(), "BOUNDS\t\t440, 450");
        EXPECT_NE(block.find(p.line), std::string::npos) << p.line << "\n" << block;
    }
}

TEST_F(markerPane, LabelLinesAreStoredWithACarriageReturnAndSizesAreChecked)
{
    CMarkerPropertiesPane pane;
    fscreen* screen = open({pumpMarker}, pane);
    pick(pane, stateList, 2); // On state, with its label
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(CLabelAndLinesDialog::textField), "Now: %");
        auto* size = d.controlAs<QLineEdit>(CLabelAndLinesDialog::sizeField);
        size->selectAll();
        typeText(size, QStringLiteral("6"));
        d.sendCommand(IDOK);
    });
    user.scripts.push_back([](CDialog& d) {
        auto* size = d.controlAs<QLineEdit>(CLabelAndLinesDialog::sizeField);
        size->selectAll();
        typeText(size, QStringLiteral("16"));
        d.controlAs<QPlainTextEdit>(CLabelAndLinesDialog::textField)->setPlainText(QStringLiteral("Now:\n%"));
        d.sendCommand(IDOK);
    });
    pane.sendCommand(labelAndLines);
    ASSERT_FALSE(user.messages.empty());
    EXPECT_EQ(user.messages[0].promptId, 10332);
    std::string block = markerBlock(savedObjects(), "BOUNDS\t\t440, 450");
    EXPECT_NE(block.find("TEXT\t\t\"Now:\\r%\""), std::string::npos) << block;
    EXPECT_NE(block.find("ALTERNATE, NORMAL, 16, LEFT"), std::string::npos) << block;

    // Reopened, the two lines come back.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(CLabelAndLinesDialog::textField), "Now:\r\n%");
        d.sendCommand(IDCANCEL);
    });
    pane.setObject(&screen->getSelectionProperties(), screen);
    pane.sendCommand(labelAndLines);
    EXPECT_EQ(user.dialogs.size(), 2u);
}

} // namespace

namespace {

TEST_F(markerPane, LineWidthsAreCheckedOnlyWhileTheirLineIsOn)
{
    CMarkerPropertiesPane pane;
    open({pumpMarker}, pane);
    pick(pane, stateList, 2);
    user.answers.push_back(ganswer::cancel);
    user.scripts.push_back([](CDialog& d) {
        // The trace is on: a width of 0 is refused.
        auto* width = d.controlAs<QLineEdit>(1510);
        width->selectAll();
        typeText(width, QStringLiteral("0"));
        d.sendCommand(CLabelAndLinesDialog::applyButton);
        // The Y leader is off: its width is not looked at.
        auto* yWidth = d.controlAs<QLineEdit>(1512);
        EXPECT_FALSE(yWidth->isEnabled());
        width->selectAll();
        typeText(width, QStringLiteral("3"));
        // Changing the state asks first; Cancel stays on the state.
        auto* states = d.controlAs<QComboBox>(CLabelAndLinesDialog::stateList);
        states->setCurrentIndex(1);
        emit states->activated(1);
        EXPECT_EQ(states->currentIndex(), 2);
        EXPECT_EQ(d.controlText(1510), "3");
        d.sendCommand(IDOK);
    });
    pane.sendCommand(labelAndLines);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].promptId, 10353);
    EXPECT_EQ(user.messages[1].promptId, 10345);
    EXPECT_EQ(previewValues().markerState, gstate::on);
    EXPECT_NE(markerBlock(savedObjects(), "BOUNDS\t\t440, 450").find("LINE\t\tSOLID, 3, 00-00-FF"), std::string::npos)
        << savedObjects();
}

TEST_F(markerPane, AnEmptiedLabelStoresNoTextAndStringRegistersAreNeededForTheValue)
{
    CMarkerPropertiesPane pane;
    open({pumpMarker}, pane);
    pick(pane, stateList, 2);
    user.scripts.push_back([](CDialog& d) {
        d.controlAs<QPlainTextEdit>(CLabelAndLinesDialog::textField)->setPlainText(QString());
        EXPECT_FALSE(d.isControlEnabled(CLabelAndLinesDialog::fontList));
        EXPECT_FALSE(d.isControlEnabled(CLabelAndLinesDialog::sizeField));
        d.sendCommand(CLabelAndLinesDialog::titleButton);
        EXPECT_FALSE(d.isControlEnabled(CLabelAndLinesDialog::registerList));
        d.sendCommand(IDOK);
    });
    pane.sendCommand(labelAndLines);
    std::string block = markerBlock(savedObjects(), "BOUNDS\t\t440, 450");
    EXPECT_EQ(block.find("Now: %"), std::string::npos) << block;
    EXPECT_EQ(block.find("LABEL\t\tStatus"), std::string::npos) << block;
}

} // namespace
