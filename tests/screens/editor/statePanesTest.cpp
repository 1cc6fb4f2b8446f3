#include "platform/settingsStore.h"
#include "screens/editor/CAnalogPropertiesPane.h"
#include "screens/editor/CBistatePropertiesPane.h"
#include "screens/editor/CDigitalPropertiesPane.h"
#include "screens/editor/CStringPropertiesPane.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"
#include "support/ui/temporarySettings.h"

#include "screens/editor/paneTestSupport.h"

using namespace paneTests;

namespace {

// Places in the fixture screen's drawing order.
constexpr int rectangle = 3, bistateRectangle = 10, digital = 13, analog = 15, bistateLine = 24;
constexpr int bistateEllipse = 25;
constexpr int stateList = 1459, enableBox = 1249, lineWidth = 1510, fillList = 1261, fg = 1269, bk = 1033;
constexpr int wideColour = 1476, narrowColour = 1475, textButton = 1244;

// The lines of one object's block in the saved station, from the first
// line that holds the text to the next object at its level.
std::string blockOf(const std::string& saved, const std::string& text)
{
    size_t at = saved.find(text);
    if (at == std::string::npos)
        return "";
    size_t begin = saved.rfind("\n\t", at);
    size_t end = saved.find("\n\tEND\n", at);
    return saved.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

class statePanes : public paneTest {};

TEST_F(statePanes, BistatePaneIsDisabledForASelectionWithoutBistateIndicators)
{
    fscreen* screen = loadFixture();
    select(*screen, {rectangle});
    CBistatePropertiesPane pane;
    pane.refillRegisterList();
    pane.setObject(&screen->getSelectionProperties(), screen);
    for (int id : {1389, enableBox, 1301, lineWidth, fillList, fg, bk, 1268, 1477, 1011, 1279, textButton})
        EXPECT_FALSE(pane.isControlEnabled(id)) << id;
    EXPECT_TRUE(pane.isControlEnabled(stateList));
    EXPECT_EQ(pane.selectedItem(1389), -1);
    EXPECT_EQ(pane.controlText(lineWidth), "");
}

TEST_F(statePanes, BistateWidthsThatDifferAreBlankAndTypingGivesBothTheWidth)
{
    fscreen* screen = loadFixture();
    select(*screen, {bistateRectangle, bistateLine});
    CBistatePropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(pane.controlText(lineWidth), "");
    EXPECT_TRUE(pane.isControlEnabled(lineWidth));

    typeNumber(pane, lineWidth, "3");
    pane.commitEdits();
    EXPECT_EQ(pane.controlText(lineWidth), "3");
    std::string saved = savedObjects();
    EXPECT_NE(blockOf(saved, "BOUNDS\t\t10, 400, 50, 430").find("LINE_STYLE\tSOLID, 3, 00-00-00\n\t\t\tFILL_STYLE\tCOLOR, 00-FF-00"),
              std::string::npos)
        << saved;
    EXPECT_NE(blockOf(saved, "POINTS\t\t300, 420").find("BREAK LINE, 3"), std::string::npos) << saved;
}

TEST_F(statePanes, EnablingAStateTakesItsDefaultsThenTheLookOfTheChosenState)
{
    fscreen* screen = loadFixture();
    select(*screen, {bistateEllipse});
    CBistatePropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    pick(pane, stateList, 2);
    EXPECT_EQ(previewValues().bistateState, gstate::blink);
    EXPECT_EQ(checkState(pane, enableBox), Qt::Unchecked);
    EXPECT_FALSE(pane.isControlEnabled(lineWidth));

    clickButton(pane, enableBox);
    EXPECT_EQ(checkState(pane, enableBox), Qt::Checked);
    EXPECT_TRUE(pane.isControlEnabled(lineWidth));
    std::string block = blockOf(savedObjects(), "BOUNDS\t\t350, 400, 380, 430");
    size_t blink = block.find("BLINK_STATE");
    ASSERT_NE(blink, std::string::npos) << block;
    // The off state's pattern, without its colours.
    EXPECT_NE(block.find("FILL_STYLE\tCOLOR PATTERN, 4", blink), std::string::npos) << block;
}

TEST_F(statePanes, BistateDefaultsEnableTheFillColoursByKindAndTakeTheRegister)
{
    loadFixture();
    CBistatePropertiesPane pane;
    pane.refillRegisterList();
    pane.setObject(&drawingDefaults(), nullptr);
    pick(pane, fillList, 1);
    EXPECT_TRUE(pane.isControlEnabled(fg));
    EXPECT_FALSE(pane.isControlEnabled(bk));
    pick(pane, fillList, 7);
    EXPECT_TRUE(pane.isControlEnabled(bk));

    int pump = -1;
    for (int i = 0; i < pane.itemCount(1389); ++i) {
        if (pane.itemText(1389, i) == "Pump running")
            pump = i;
    }
    ASSERT_GE(pump, 0);
    pick(pane, 1389, pump);
    EXPECT_EQ(referredObject(drawingDefaults().bistate.reg), station::registers().find("Pump"));
    EXPECT_FALSE(modified());
}

TEST_F(statePanes, FixedTextStatesShowTheTextButtonAndTheNarrowColourButton)
{
    fscreen* screen = loadFixture();
    select(*screen, {digital});
    CDigitalPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    struct {
        int item;
        bool fixed;
    } cases[] = {{0, false}, {1, false}, {2, false}, {3, true}, {4, true}};
    for (const auto& c : cases) {
        pick(pane, stateList, c.item);
        EXPECT_EQ(pane.isControlShown(textButton), c.fixed) << c.item;
        EXPECT_EQ(pane.isControlShown(narrowColour), c.fixed) << c.item;
        EXPECT_EQ(pane.isControlShown(wideColour), !c.fixed) << c.item;
    }
    // The masked state has its text.
    EXPECT_EQ(previewValues().digitalState, gstate::error);
    pick(pane, stateList, 3);
    EXPECT_TRUE(pane.isControlEnabled(textButton));
    messages.enteredTexts.push_back(std::string("% hidden"));
    pane.sendCommand(textButton);
    EXPECT_NE(savedObjects().find("TEXT2\t\t% hidden"), std::string::npos);
}

TEST_F(statePanes, DigitalSettingsPrefixAndMinimumDigits)
{
    fscreen* screen = loadFixture();
    select(*screen, {digital});
    CDigitalPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(pane.itemText(1034, pane.selectedItem(1034)), "Hexadecimal");
    EXPECT_EQ(pane.controlText(1211), "4");
    EXPECT_EQ(pane.controlText(1380), "Mode: ");

    auto* prefix = pane.controlAs<QLineEdit>(1380);
    prefix->setFocus();
    prefix->end(false);
    typeText(prefix, QStringLiteral("x"));
    EXPECT_TRUE(modified());
    EXPECT_NE(savedObjects().find("PREFIX2\t\tMode: x\n"), std::string::npos) << savedObjects();

    typeNumber(pane, 1211, "0");
    pane.commitEdits();
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(pane.controlText(1211), "");
    EXPECT_EQ(savedObjects().find("\t\tWIDTH\t\t4"), std::string::npos);

    typeNumber(pane, 1211, "");
    pane.commitEdits();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "The number of digits must be a number greater than 0.");

    pick(pane, 1034, 2);
    EXPECT_NE(savedObjects().find("BASE\t\t2"), std::string::npos);
}

TEST_F(statePanes, ProfileValuesSetThePreviewValuesOnlyWhenTheyAreWholeNumbers)
{
    temporarySettings folder;
    writeProfileString("Settings", "DigitalValue", "12ab");
    writeProfileString("Settings", "AnalogValue", "1.5x");
    {
        CDigitalPropertiesPane digitalPane;
        CAnalogPropertiesPane analogPane;
        EXPECT_EQ(previewValues().digitalValue, 720u);
        EXPECT_EQ(previewValues().analogValue, 1.53);
    }
    writeProfileString("Settings", "DigitalValue", "99");
    writeProfileString("Settings", "AnalogValue", "-2.5e1");
    {
        CDigitalPropertiesPane digitalPane;
        CAnalogPropertiesPane analogPane;
        EXPECT_EQ(previewValues().digitalValue, 99u);
        EXPECT_EQ(previewValues().analogValue, -25.0);
    }
    {
        CStringPropertiesPane stringPane;
        EXPECT_EQ(previewValues().stringText, "String Register");
    }
    writeProfileString("Settings", "StringValue", "");
    CStringPropertiesPane stringPane;
    EXPECT_EQ(previewValues().stringText, "");
}

TEST_F(statePanes, AnalogDecimalsShowZeroAndTheFactorButtonNeedsAnalogIndicators)
{
    fscreen* screen = loadFixture();
    select(*screen, {rectangle});
    CAnalogPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_FALSE(pane.isControlEnabled(1260));
    EXPECT_FALSE(pane.isControlEnabled(1802));

    select(*screen, {analog});
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_TRUE(pane.isControlEnabled(1260));
    EXPECT_EQ(pane.controlText(1377), "2");
    typeNumber(pane, 1377, "0");
    pane.commitEdits();
    EXPECT_EQ(pane.controlText(1377), "0");
    // No decimals is what an indicator has unless told otherwise.
    EXPECT_EQ(savedObjects().find("PRECISION"), std::string::npos) << savedObjects();

    pick(pane, 1496, 2);
    EXPECT_NE(savedObjects().find("REGISTER\tLevel, MAXIMUM"), std::string::npos);
}

TEST_F(statePanes, StringPaneListsStringRegistersAndCommitsOnlyTheSize)
{
    fscreen* screen = loadFixture();
    select(*screen, {14});
    CStringPropertiesPane pane;
    pane.refillRegisterList();
    pane.setObject(&screen->getSelectionProperties(), screen);
    ASSERT_EQ(pane.itemCount(1389), 1);
    EXPECT_EQ(pane.itemText(1389, 0), "Status");
    EXPECT_EQ(pane.selectedItem(1389), 0);
    EXPECT_EQ(pane.controlText(1468), " (%)");

    pick(pane, stateList, 2); // blink, which has its own style
    EXPECT_EQ(pane.controlText(1477), "10");
    typeNumber(pane, 1477, "11");
    pane.commitEdits();
    EXPECT_NE(savedObjects().find("BLINK_STYLE\tTIMES, ITALIC, 11, LEFT, FF-00-00"), std::string::npos)
        << savedObjects();
}

} // namespace

namespace {

TEST_F(statePanes, FactorAndExponentDialogsWorkOnThePanesSet)
{
    fscreen* screen = loadFixture();
    select(*screen, {analog});
    CAnalogPropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 842);
        d.setControlText(1259, "4");
        d.sendCommand(IDOK);
    });
    pane.sendCommand(1260);
    std::string saved = savedObjects();
    EXPECT_NE(saved.find("FACTOR\t\t4\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("OFFSET\t\t-2.5\n"), std::string::npos) << saved;

    // The exponent dialog sees the indicators' flag and keeps it.
    ASSERT_TRUE(pane.isControlEnabled(1802));
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 843);
        d.sendCommand(IDOK);
    });
    pane.sendCommand(1802);
    EXPECT_TRUE(screen->getSelectionProperties().analog.useExponent.isTrue());
    EXPECT_NE(savedObjects().find("EXPONENT\t\" x 10\""), std::string::npos) << savedObjects();
}

} // namespace
