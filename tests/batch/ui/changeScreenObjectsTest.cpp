#include "batchUiFixture.h"

#include "batch/ui/CChangeScreenObjectsDialog.h"
#include "screens/model/fscreen.h"

#include <QPlainTextEdit>

namespace {

using dialog = CChangeScreenObjectsDialog;

class changeScreenObjects : public batchUi {
protected:
    void SetUp() override
    {
        batchUi::SetUp();
        loadStation("STRING_REG Status\nEND\nANALOG_REG Level\nEND\n"
                    "SCREEN Main\n\tBOUNDS\t\t0, 0, 400, 300\n"
                    "\tTEXT\n\t\tTEXT\t\t\"Tank north\"\n\t\tBOUNDS\t\t10, 10, 100, 24\n\t\tSTYLE\t\tSANS SERIF, NORMAL, 14, LEFT, 00-00-00\n\tEND\n"
                    "\tGROUP\n\t\tTEXT\n\t\t\tTEXT\t\t\"Tank south\"\n\t\t\tBOUNDS\t\t10, 40, 100, 54\n\t\t\tSTYLE\t\tSANS SERIF, NORMAL, 14, LEFT, 00-00-00\n\t\tEND\n"
                    "\t\tTEXT\n\t\t\tTEXT\t\t\"Tank east\"\n\t\t\tBOUNDS\t\t10, 60, 100, 74\n\t\t\tSTYLE\t\tSANS SERIF, NORMAL, 14, LEFT, 00-00-00\n\t\tEND\n\tEND\n"
                    "\tSTRING_IND\n\t\tREGISTER\tStatus\n\t\tBOUNDS\t\t10, 80, 100, 94\n"
                    "\t\tBLINK_STYLE\tTIMES, ITALIC, 10, LEFT, FF-00-00\n\tEND\n"
                    "END\n");
        screen = station::screens().find("Main");
    }
    std::string screenText() const { return written(*screen); }
    fscreen* screen = nullptr;
};

TEST_F(changeScreenObjects, EnablingNeedsBothTextsAndAScope)
{
    auto d = opened<dialog>(*screen);
    EXPECT_EQ(d->windowTitle().toStdString(), "Change Screen Objects");
    EXPECT_FALSE(d->isControlEnabled(dialog::replaceAllId));
    d->setControlText(dialog::findId, "Tank");
    EXPECT_FALSE(d->isControlEnabled(dialog::replaceAllId));
    d->setControlText(dialog::replaceId, "Vessel");
    EXPECT_TRUE(d->isControlEnabled(dialog::replaceAllId));
    for (int id : {dialog::textId, dialog::registersId, dialog::programsId, dialog::argumentsId, dialog::screensId})
        d->setChecked(id, false);
    EXPECT_FALSE(d->isControlEnabled(dialog::replaceAllId));
}

TEST_F(changeScreenObjects, ReplacesInTheSelectionAndStaysOpen)
{
    auto d = opened<dialog>(*screen);
    d->setControlText(dialog::findId, "Tank");
    d->setControlText(dialog::replaceId, "Vessel");
    // Nothing selected: nothing found.
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(user.lastMessage().text, "\"Tank\" not found.");
    EXPECT_EQ(user.lastMessage().icon, gicon::warning);

    screen->selectAll();
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(user.lastMessage().text, "\"Tank\" was replaced 3 times.");
    EXPECT_NE(screenText().find("Vessel south"), std::string::npos);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_FALSE(d->hasEnded());

    // A second pass works on the changed objects.
    d->setControlText(dialog::findId, "Vessel");
    d->setControlText(dialog::replaceId, "Silo");
    d->sendCommand(dialog::replaceAllId);
    EXPECT_NE(screenText().find("Silo east"), std::string::npos);

    d->sendCommand(IDCANCEL);
    EXPECT_TRUE(d->hasEnded());
    auto again = opened<dialog>(*screen);
    EXPECT_EQ(text(again->controlText(dialog::replaceId)), "Silo");
}

TEST_F(changeScreenObjects, RegisterOfTheWrongClassIsKept)
{
    auto d = opened<dialog>(*screen);
    d->setControlText(dialog::findId, "Status");
    d->setControlText(dialog::replaceId, "Level");
    screen->selectAll();
    std::string log;
    user.scripts.push_back([&log](CDialog& w) {
        log = text(fromUiText(w.findChild<QPlainTextEdit*>()->toPlainText()));
        w.sendCommand(IDOK);
    });
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(log, "The register Level is not a string register: retained register Status");
    EXPECT_NE(screenText().find("REGISTER\tStatus"), std::string::npos);
}

} // namespace
