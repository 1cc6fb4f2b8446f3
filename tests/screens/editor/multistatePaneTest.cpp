#include "screens/editor/CMultistatePropertiesPane.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"

#include "screens/editor/paneTestSupport.h"

#include <QLineEdit>

using namespace paneTests;

namespace {

constexpr int multistateText = 12, multistateSpline = 26, stateList = 1459;

class multistatePane : public paneTest {
protected:
    static void typeState(CDialog& pane, const char* text)
    {
        QLineEdit* edit = pane.controlAs<QComboBox>(stateList)->lineEdit();
        edit->selectAll();
        typeText(edit, QString::fromLatin1(text));
    }
    static std::vector<std::string> entries(CDialog& pane)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < pane.itemCount(stateList); ++i)
            texts.push_back(std::string(pane.itemText(stateList, i).view()));
        return texts;
    }
};

TEST_F(multistatePane, StatesAreListedByTheRegistersValueNames)
{
    fscreen* screen = loadFixture();
    select(*screen, {multistateText, multistateSpline});
    CMultistatePropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(entries(pane), (std::vector<std::string>{"Blink state", "Masked state", "Error state", "Off", "Manual",
                                                        "Automatic", "Value 4294967295"}));
}

TEST_F(multistatePane, ATypedNumberAddsAnEnabledStateEverywhere)
{
    fscreen* screen = loadFixture();
    select(*screen, {multistateText});
    CMultistatePropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    typeState(pane, "5");
    pane.commitEdits();
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(previewValues().multistateState, gstate::numbered);
    EXPECT_EQ(previewValues().multistateNumber, 5u);
    EXPECT_EQ(pane.itemText(stateList, pane.selectedItem(stateList)), "Value 5");
    EXPECT_EQ(pane.selectedItem(stateList), 6);
    std::string saved = savedObjects();
    EXPECT_NE(saved.find("\t\tSTATE\t\t5\n"), std::string::npos) << saved;
    // The defaults know the number too, without taking it into use.
    const gstateAppearance* remembered = drawingDefaults().multistate.findState(5);
    ASSERT_NE(remembered, nullptr);
    EXPECT_FALSE(remembered->enable.isTrue());

    typeState(pane, "VALUE  7");
    pane.commitEdits();
    EXPECT_EQ(previewValues().multistateNumber, 7u);
    EXPECT_EQ(pane.itemText(stateList, pane.selectedItem(stateList)), "Value 7");
}

TEST_F(multistatePane, TypedTextsPickAnEntryByItsBeginningOrAreRefused)
{
    fscreen* screen = loadFixture();
    select(*screen, {multistateText});
    CMultistatePropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    typeState(pane, "err");
    pane.commitEdits();
    EXPECT_EQ(pane.selectedItem(stateList), 2);
    EXPECT_EQ(previewValues().multistateState, gstate::error);

    typeState(pane, "12ab");
    pane.commitEdits();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "Please enter a number or a state into the combo box.");
    EXPECT_EQ(pane.selectedItem(stateList), 2);
    EXPECT_FALSE(modified());
}

TEST_F(multistatePane, ChoosingARegisterForTheDefaultsRenamesTheNumberedStates)
{
    loadFixture();
    // The defaults hold the numbers of the station's indicators and one more.
    drawingDefaults().multistate.ensureState(9, false);
    CMultistatePropertiesPane pane;
    pane.refillRegisterList();
    pane.setObject(&drawingDefaults(), nullptr);
    EXPECT_EQ(entries(pane), (std::vector<std::string>{"Blink state", "Masked state", "Error state", "Value 0", "Value 1",
                                                        "Value 2", "Value 9", "Value 4294967295"}));
    ASSERT_EQ(pane.itemCount(1389), 1);
    pick(pane, 1389, 0);
    EXPECT_EQ(entries(pane), (std::vector<std::string>{"Blink state", "Masked state", "Error state", "Off", "Manual",
                                                        "Automatic", "Value 9", "Value 4294967295"}));
}

} // namespace

namespace {

TEST_F(multistatePane, NumberedStatesTakeTheirOwnWidth)
{
    fscreen* screen = loadFixture();
    select(*screen, {multistateSpline});
    CMultistatePropertiesPane pane;
    pane.setObject(&screen->getSelectionProperties(), screen);
    int manual = -1;
    for (int i = 0; i < pane.itemCount(stateList); ++i) {
        if (pane.itemText(stateList, i) == "Manual")
            manual = i;
    }
    ASSERT_GE(manual, 0);
    pick(pane, stateList, manual);
    EXPECT_EQ(pane.controlText(1510), "3");
    typeNumber(pane, 1510, "4");
    pane.commitEdits();
    EXPECT_EQ(pane.controlText(1510), "4");
    EXPECT_NE(savedObjects().find("STATE\t\t1\n\t\t\tLINE_STYLE\tSOLID, 4, 00-00-FF"), std::string::npos)
        << savedObjects();
}

} // namespace
