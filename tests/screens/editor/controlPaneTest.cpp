#include "screens/editor/CControlPropertiesPane.h"
#include "screens/editor/CSetNetworkScreenDialog.h"
#include "screens/model/gdrawingProperties.h"

#include "screens/editor/paneTestSupport.h"

#include <QPlainTextEdit>

using namespace paneTests;

namespace {

constexpr int programControl = 0, screenControl = 22, networkControl = 23;
constexpr int programList = 1384, screenList = 1421, argumentsButton = 1030, captionField = 1150;

int itemNamed(CDialog& pane, int id, const char* text)
{
    for (int i = 0; i < pane.itemCount(id); ++i) {
        if (pane.itemText(id, i) == text)
            return i;
    }
    return -1;
}

size_t occurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class controlPane : public paneTest {
protected:
    fscreen* open(std::initializer_list<int> places, CControlPropertiesPane& pane)
    {
        fscreen* screen = station::screens().find("Overview");
        if (!screen)
            screen = loadFixture();
        pane.refillProgramList();
        pane.refillScreenList();
        select(*screen, places);
        pane.setObject(&screen->getSelectionProperties(), screen);
        return screen;
    }
};

TEST_F(controlPane, MixedActionsShowNoTargetAndAProgramGoesToBoth)
{
    CControlPropertiesPane pane;
    open({programControl, screenControl}, pane);
    EXPECT_EQ(pane.selectedItem(programList), -1);
    EXPECT_EQ(pane.selectedItem(screenList), -1);
    EXPECT_TRUE(pane.isControlEnabled(programList));
    EXPECT_TRUE(pane.isControlEnabled(screenList));

    pick(pane, programList, itemNamed(pane, programList, "Ack"));
    EXPECT_EQ(pane.itemText(programList, pane.selectedItem(programList)), "Ack");
    std::string saved = savedObjects();
    EXPECT_EQ(occurrences(saved, "\t\t\tPROGRAM\t\tAck\n"), 2u) << saved;
    EXPECT_EQ(saved.find("SCREEN\t\tDetail"), std::string::npos);
}

TEST_F(controlPane, CaptionLinesAreStoredWithOneCarriageReturn)
{
    CControlPropertiesPane pane;
    fscreen* screen = open({screenControl}, pane);
    EXPECT_EQ(pane.itemText(screenList, pane.selectedItem(screenList)), "Detail");
    EXPECT_EQ(pane.controlText(captionField), "Details");

    pane.controlAs<QPlainTextEdit>(captionField)->setPlainText(QStringLiteral("Go\nnow"));
    EXPECT_NE(savedObjects().find("CAPTION\t\t\"Go\\rnow\""), std::string::npos) << savedObjects();
    pane.setObject(&screen->getSelectionProperties(), screen);
    EXPECT_EQ(pane.controlText(captionField), "Go\r\nnow");
}

TEST_F(controlPane, NetworkScreenComesFromItsDialog)
{
    CControlPropertiesPane pane;
    open({networkControl}, pane);
    EXPECT_EQ(pane.controlText(1329), "North");
    EXPECT_EQ(pane.controlText(1328), "Main screen");
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(CSetNetworkScreenDialog::stationId, "South");
        d.setControlText(CSetNetworkScreenDialog::screenId, "Pumps");
        d.sendCommand(IDOK);
    });
    pane.sendCommand(1430);
    EXPECT_EQ(pane.controlText(1329), "South");
    EXPECT_NE(savedObjects().find("STATION\t\tSouth\n\t\tSCREEN\t\tPumps"), std::string::npos) << savedObjects();
}

TEST_F(controlPane, DefaultsEnableArgumentsOnlyForProgramsAndCancelChangesNothing)
{
    loadFixture();
    CControlPropertiesPane pane;
    pane.refillProgramList();
    pane.refillScreenList();
    pane.setObject(&drawingDefaults(), nullptr);
    pick(pane, screenList, itemNamed(pane, screenList, "Detail"));
    EXPECT_FALSE(pane.isControlEnabled(argumentsButton));
    EXPECT_EQ(drawingDefaults().control.action.get(), 2);
    pick(pane, programList, itemNamed(pane, programList, "Start"));
    EXPECT_TRUE(pane.isControlEnabled(argumentsButton));
    EXPECT_EQ(pane.selectedItem(screenList), -1);

    CControlPropertiesPane selectionPane;
    fscreen* screen = open({programControl}, selectionPane);
    ASSERT_TRUE(selectionPane.isControlEnabled(argumentsButton));
    clearModified();
    selectionPane.sendCommand(argumentsButton); // no script: the dialog is cancelled
    EXPECT_FALSE(modified());
    EXPECT_NE(savedObjects().find("ARGUMENT\tSpeed, 2.5"), std::string::npos);
    EXPECT_EQ(screen->getSelectionProperties().control.arguments.size(), 2);
}

} // namespace
