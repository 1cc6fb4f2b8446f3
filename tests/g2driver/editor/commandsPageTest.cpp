#include "driverDialogFixture.h"
#include "g2driver/editor/CDriverCommandsPane.h"
#include "g2driver/editor/CEditCommandDialog.h"
#include "g2driver/editor/CEditCommandTemplateDialog.h"
#include "g2driver/editor/CEditFixedStringElementDialog.h"
#include "g2driver/editor/CEditParameterDialog.h"
#include "g2driver/editor/CSelectElementTypeDialogs.h"

namespace {

using D = CEditG2DeviceDriverDialog;
using T = CEditCommandTemplateDialog;
using C = CEditCommandDialog;
using Pane = CDriverCommandsPane;

class commandsPageTest : public driverDialogTest {
protected:
    static void click(CDialog& d, int id)
    {
        d.setChecked(id, true);
        d.sendCommand(id);
    }
    // The next element type choice picks the first type (a fixed string),
    // and its dialog takes the text.
    void answerFixedString(const char* text)
    {
        user.scripts.push_back([](CDialog& choice) {
            EXPECT_EQ(choice.templateId(), CSelectCommandElementTypeDialog::templateId);
            choice.sendCommand(IDOK);
        });
        user.scripts.push_back([text](CDialog& e) {
            EXPECT_EQ(e.templateId(), CEditFixedStringElementDialog::templateId);
            e.setControlText(CEditFixedStringElementDialog::stringId, text);
            e.sendCommand(IDOK);
        });
    }
};

TEST_F(commandsPageTest, NewTemplateAndCommandAreWrittenIntoTheDriver)
{
    runDriverDialog(meter(), meter(), [this](D& d) {
        Pane& pane = d.commandsPane();
        EXPECT_EQ(items(pane, Pane::templateListId), std::vector<std::string>{"Read"});
        EXPECT_EQ(items(pane, Pane::commandListId), std::vector<std::string>{"ReadInlet"});
        user.scripts.push_back([this](CDialog& t) {
            EXPECT_EQ(t.windowTitle(), "New Command Template");
            t.setControlText(T::tagId, "Poll");
            click(t, T::noResponseId);
            EXPECT_TRUE(t.isControlEnabled(T::delayId));
            EXPECT_FALSE(t.isControlEnabled(T::timeoutId));
            t.setControlText(T::delayId, "0.2");
            answerFixedString("P?");
            t.sendCommand(T::newElementId);
            EXPECT_EQ(items(t, T::elementListId), std::vector<std::string>{"\"P?\""});
            t.sendCommand(IDOK);
        });
        pane.sendCommand(Pane::newTemplateId);
        EXPECT_EQ(items(pane, Pane::templateListId), (std::vector<std::string>{"Poll", "Read"}));

        user.scripts.push_back([](CDialog& c) {
            EXPECT_EQ(c.windowTitle(), "New Command");
            c.setControlText(C::tagId, "PollNow");
            select(c, C::templateComboId, "Poll");
            c.sendCommand(IDOK);
        });
        pane.sendCommand(Pane::newCommandId);
        EXPECT_EQ(items(pane, Pane::commandListId), (std::vector<std::string>{"PollNow", "ReadInlet"}));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(messageTexts(), std::vector<std::string>{});
    std::string all = saved();
    for (const char* line : {"\tCR_TEMPLATE\tPoll\r\n\t\tDELAY\t\t0.2\r\n\t\tCOMMAND_ELEMENT\tFIXED STRING\r\n"
                             "\t\t\tSTRING\t\tP?\r\n",
                             "\tCOMMAND\t\tPollNow\r\n\t\tCR_TEMPLATE\tPoll\r\n\tEND\r\n"})
        EXPECT_NE(all.find(line), std::string::npos) << line;
    ASSERT_NE(meter()->commands().find("PollNow"), nullptr);
    EXPECT_EQ(meter()->commands().find("PollNow")->getTemplate(), meter()->templates().find("Poll"));
}

TEST_F(commandsPageTest, TemplatesAndCommandsInUseAreKept)
{
    runDriverDialog(meter(), meter(), [](D& d) {
        Pane& pane = d.commandsPane();
        select(pane, Pane::templateListId, "Read");
        pane.sendCommand(Pane::deleteTemplateId);
        select(pane, Pane::commandListId, "ReadInlet");
        pane.sendCommand(Pane::deleteCommandId);
        EXPECT_EQ(items(pane, Pane::templateListId), std::vector<std::string>{"Read"});
        EXPECT_EQ(items(pane, Pane::commandListId), std::vector<std::string>{"ReadInlet"});
        d.sendCommand(IDOK);
    });
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].text, "You cannot delete this item because it is used by the following:\n"
                                     "\nThe command ReadInlet");
    EXPECT_EQ(user.messages[1].text.rfind("You cannot delete this item because it is used by the following:\n", 0),
              0u);
    EXPECT_EQ(saved(), expected());
}

TEST_F(commandsPageTest, ACommandNobodyUsesIsDeleted)
{
    runDriverDialog(meter(), meter(), [this](D& d) {
        Pane& pane = d.commandsPane();
        user.scripts.push_back([](CDialog& c) {
            c.setControlText(C::tagId, "Spare");
            c.sendCommand(IDOK);
        });
        select(pane, Pane::commandListId, "ReadInlet");
        pane.sendCommand(Pane::duplicateCommandId);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(meter()->commands().find("Spare"), nullptr);
    runDriverDialog(meter(), meter(), [](D& d) {
        Pane& pane = d.commandsPane();
        select(pane, Pane::commandListId, "Spare");
        pane.sendCommand(Pane::deleteCommandId);
        EXPECT_EQ(items(pane, Pane::commandListId), std::vector<std::string>{"ReadInlet"});
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(meter()->commands().find("Spare"), nullptr);
    EXPECT_EQ(saved(), expected());
}

TEST_F(commandsPageTest, NewDriverParameterGoesAfterTheSelection)
{
    runDriverDialog(meter(), meter(), [this](D& d) {
        user.scripts.push_back([](CDialog& p) {
            EXPECT_EQ(p.templateId(), CEditParameterDialog::templateId);
            p.setControlText(CEditParameterDialog::tagId, "Speed");
            p.setChecked(CEditParameterDialog::analogId, true);
            p.sendCommand(CEditParameterDialog::analogId);
            p.sendCommand(IDOK);
        });
        select(d, parameterListEditor::listId, "Address");
        d.sendCommand(parameterListEditor::newId);
        EXPECT_EQ(items(d, parameterListEditor::listId), (std::vector<std::string>{"Address", "Speed", "Fast"}));
        d.sendCommand(IDOK);
    });
    EXPECT_NE(saved().find("\tPARAMETER\tAddress, DIGITAL\r\n\tPARAMETER\tSpeed, ANALOG\r\n"
                           "\tPARAMETER\tFast, BISTATE\r\n"),
              std::string::npos);
}

} // namespace
