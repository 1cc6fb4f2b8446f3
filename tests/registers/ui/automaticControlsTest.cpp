#include "registerDialogFixture.h"

#include "registers/ganalogSupplement.h"
#include "registers/ui/CAnalogAutomaticControlsDialog.h"
#include "registers/ui/CAutomaticControlsDialog.h"
#include "registers/ui/CRegisterDialog.h"
#include "registers/ui/CDigitalAutomaticControlsDialog.h"
#include "registers/ui/CEditProgramArgumentsDialog.h"
#include "registers/ui/CEditStringArgumentDialog.h"
#include "registers/ui/CSelectArgumentTypeDialog.h"
#include "registers/ui/CValueControlDialog.h"
#include "scl/gsclProgram.h"

namespace {

using base = CRegisterDialog;
using controls = CAutomaticControlsDialog;
using digitalControls = CDigitalAutomaticControlsDialog;
using valueControl = CValueControlDialog;

constexpr int offCombo = 1645;
constexpr int offArguments = 1360;
constexpr int valueCombo = 1176;

class automaticControlsTest : public registerDialogTest {
protected:
    // The controls dialog of the register's class, then OK in the register
    // dialog.
    void withControls(int classCode, gregister* reg, std::function<void(CDialog&)> script)
    {
        run(classCode, reg, reg, [&](CDialog& d) {
            user.scripts.push_front(std::move(script));
            d.sendCommand(base::controlsId);
            d.sendCommand(IDOK);
        });
    }

    // Answers Select Argument Type with the radio and the Edit Argument
    // dialog with the name and value.
    void newStringArgument(const char* name, const char* value)
    {
        user.scripts.push_back([](CDialog& t) {
            t.checkRadioButton(CSelectArgumentTypeDialog::booleanId, CSelectArgumentTypeDialog::stringId,
                               CSelectArgumentTypeDialog::stringId);
            t.sendCommand(IDOK);
        });
        editArgument(name, value);
    }

    void editArgument(const char* name, const char* value)
    {
        user.scripts.push_back([name, value](CDialog& e) {
            e.setControlText(CEditArgumentDialogBase::nameId, name);
            e.setControlText(CEditArgumentDialogBase::valueId, value);
            e.sendCommand(IDOK);
        });
    }
};

TEST_F(automaticControlsTest, AStationWithoutProgramsHasNothingToChoose)
{
    gregister* reg = loadRegister("BISTATE_REG B\nEND\n").reg;
    // The dialog ends in its set-up with the message, before any script of
    // the user could run.
    run(1, reg, reg, [](CDialog& d) {
        d.sendCommand(base::controlsId);
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(user.lastMessage().promptId, 10180);
    EXPECT_EQ(user.dialogs.back().templateId, 683);
    EXPECT_EQ(user.dialogs.back().result, IDCANCEL);
}

TEST_F(automaticControlsTest, RowsChooseProgramsAndKeepTheirArguments)
{
    program("Zeta");
    program("Alpha", "Start pump");
    gregister* reg = loadRegister("STRING_REG S\nUNMASK_CONTROL\nPROGRAM Zeta\nARGUMENT Who$, \"me\"\nEND\nEND\n").reg;
    withControls(4, reg, [this](CDialog& c) {
        EXPECT_EQ(c.templateId(), 683);
        EXPECT_EQ(c.windowTitle(), "Edit Automatic Controls");
        EXPECT_EQ(items(c, offCombo), (std::vector<std::string>{"<None>", "Start pump", "Zeta"}));
        EXPECT_FALSE(c.isControlEnabled(offArguments));
        EXPECT_TRUE(c.isControlEnabled(1004));
        c.selectItem(offCombo, 1);
        EXPECT_TRUE(c.isControlEnabled(offArguments));
        // Arguments of the off row's call.
        user.scripts.push_back([this](CDialog& a) {
            EXPECT_EQ(a.templateId(), 579);
            newStringArgument("Why$", "fault, cleared");
            a.sendCommand(CEditProgramArgumentsDialog::newId);
            EXPECT_EQ(items(a, CEditProgramArgumentsDialog::listId),
                      (std::vector<std::string>{"Why$ = \"fault, cleared\""}));
            a.sendCommand(IDOK);
        });
        c.sendCommand(offArguments);
        // "<None>" drops the program; the arguments stay in the copy but
        // are not written.
        c.selectItem(1175, 0);
        EXPECT_FALSE(c.isControlEnabled(1004));
        c.sendCommand(IDOK);
    });
    std::string written = writtenRegister(*reg);
    EXPECT_NE(written.find("\tOFF_CONTROL\n"
                           "\t\tPROGRAM\t\tAlpha\n"
                           "\t\tARGUMENT\tWhy$, \"fault, cleared\"\n"
                           "\tEND\n"),
              std::string::npos)
        << written;
    EXPECT_EQ(written.find("UNMASK_CONTROL"), std::string::npos) << written;
    EXPECT_EQ(users(*program("Alpha")), "\nThe register S");
}

TEST_F(automaticControlsTest, AnalogThresholdOfTheValueControl)
{
    program("Calc");
    gregister* reg = loadRegister("ANALOG_REG A\nEND\n").reg;
    using analog = CAnalogAutomaticControlsDialog;
    withControls(3, reg, [this](CDialog& c) {
        EXPECT_EQ(c.templateId(), 850);
        EXPECT_FALSE(c.isControlEnabled(analog::thresholdBoxId));
        c.selectItem(valueCombo, 1);
        EXPECT_TRUE(c.isControlEnabled(analog::thresholdBoxId));
        EXPECT_FALSE(c.isControlEnabled(analog::thresholdId));
        clickButton(c, analog::thresholdBoxId);
        EXPECT_TRUE(c.isControlEnabled(analog::thresholdId));
        for (const char* text : {"", "0", "-1"}) {
            c.setControlText(analog::thresholdId, text);
            c.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10718) << text;
            EXPECT_TRUE(c.hasFocus(analog::thresholdId));
        }
        c.setControlText(analog::thresholdId, "2");
        clickButton(c, analog::decibelId);
        c.sendCommand(IDOK);
    });
    EXPECT_EQ(reg->getAnalogSupplement()->getMinimumChange(), -2);
    EXPECT_NE(writtenRegister(*reg).find("\tMIN_CHANGE_DB\t2\n"), std::string::npos);

    // Without a value program the threshold goes, checked or not.
    withControls(3, reg, [](CDialog& c) {
        EXPECT_TRUE(c.isChecked(analog::thresholdBoxId));
        EXPECT_EQ(c.controlText(analog::thresholdId).view(), "2");
        c.selectItem(valueCombo, 0);
        EXPECT_FALSE(c.isControlEnabled(analog::thresholdBoxId));
        c.sendCommand(IDOK);
    });
    EXPECT_EQ(reg->getAnalogSupplement()->getMinimumChange(), 0);
}

TEST_F(automaticControlsTest, ControlsForSpecificValues)
{
    program("One");
    program("Two");
    gregister* reg = loadRegister("DIGITAL_REG D\nVALUE_CONTROL 1\nPROGRAM One\nEND\nVALUE_CONTROL 2\nPROGRAM Two\n"
                                  "ARGUMENT N, 2\nEND\nVALUE_CONTROL 3\nPROGRAM One\nEND\nVALUE_CONTROL 5\nPROGRAM Two\n"
                                  "END\nEND\n")
                       .reg;
    withControls(2, reg, [this](CDialog& c) {
        auto& dialog = dynamic_cast<CDigitalAutomaticControlsDialog&>(c);
        EXPECT_EQ(c.templateId(), 685);
        EXPECT_EQ(items(c, digitalControls::listId),
                  (std::vector<std::string>{"1\tOne", "2\tTwo (N = 2)", "3\tOne", "5\tTwo"}));
        EXPECT_EQ(dialog.nextFreeValue(), 4u);
        c.selectItem(digitalControls::listId, 0);
        EXPECT_EQ(dialog.nextFreeValue(), 4u);

        // Edit 5 to 2: the existing control of 2 goes after Yes.
        c.selectItem(digitalControls::listId, 3);
        user.scripts.push_back([this](CDialog& v) {
            EXPECT_EQ(v.templateId(), 686);
            EXPECT_EQ(v.windowTitle(), "Edit Value Control");
            EXPECT_EQ(v.controlText(valueControl::valueId).view(), "5");
            EXPECT_EQ(v.controlText(valueControl::programId).view(), "Two");
            v.setControlText(valueControl::valueId, "2");
            v.selectItem(valueControl::programId, 0);
            user.answers.push_back(ganswer::no);
            v.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10229);
            EXPECT_FALSE(v.hasEnded());
            user.answers.push_back(ganswer::yes);
            v.sendCommand(IDOK);
        });
        c.sendCommand(digitalControls::editId);
        EXPECT_EQ(items(c, digitalControls::listId), (std::vector<std::string>{"1\tOne", "2\tOne", "3\tOne"}));
        EXPECT_EQ(c.selectedItem(digitalControls::listId), 1);

        // New proposes the first free value after the selected run.
        user.scripts.push_back([](CDialog& v) {
            EXPECT_EQ(v.windowTitle(), "New Value Control");
            EXPECT_EQ(v.controlText(valueControl::valueId).view(), "4");
            v.sendCommand(IDOK);
        });
        c.sendCommand(digitalControls::newId);
        c.selectItem(digitalControls::listId, 3);
        c.sendCommand(digitalControls::deleteId);
        EXPECT_EQ(c.selectedItem(digitalControls::listId), 2);
        c.sendCommand(IDOK);
    });
    std::string written = writtenRegister(*reg);
    EXPECT_NE(written.find("\tVALUE_CONTROL\t1\n\t\tPROGRAM\t\tOne\n\tEND\n"
                           "\tVALUE_CONTROL\t2\n\t\tPROGRAM\t\tOne\n\tEND\n"
                           "\tVALUE_CONTROL\t3\n\t\tPROGRAM\t\tOne\n\tEND\nEND\n"),
              std::string::npos)
        << written;
    EXPECT_EQ(users(*program("Two")), "");
}

TEST_F(automaticControlsTest, ArgumentsOfAValueControlKeepUniqueNames)
{
    program("P");
    gregister* reg = loadRegister("DIGITAL_REG D\nVALUE_CONTROL 7\nPROGRAM P\nARGUMENT SPEED$, \"1\"\n"
                                  "ARGUMENT A$, \"a\"\nARGUMENT B$, \"b\"\nEND\nEND\n")
                       .reg;
    withControls(2, reg, [this](CDialog& c) {
        c.selectItem(digitalControls::listId, 0);
        user.scripts.push_back([this](CDialog& v) {
            EXPECT_EQ(items(v, valueControl::argumentsId),
                      (std::vector<std::string>{"A$ = \"a\"", "B$ = \"b\"", "SPEED$ = \"1\""}));
            EXPECT_FALSE(v.isControlEnabled(valueControl::editId));
            // Speed$ clashes with SPEED$: Cancel reopens the editor, where
            // it becomes Rate$.
            newStringArgument("Speed$", "2");
            user.answers.push_back(ganswer::cancel);
            editArgument("Rate$", "3");
            v.sendCommand(valueControl::newId);
            EXPECT_EQ(user.lastMessage().promptId, 10227);
            EXPECT_EQ(items(v, valueControl::argumentsId),
                      (std::vector<std::string>{"A$ = \"a\"", "B$ = \"b\"", "Rate$ = \"3\"", "SPEED$ = \"1\""}));
            EXPECT_EQ(v.selectedItem(valueControl::argumentsId), 2);
            EXPECT_TRUE(v.isControlEnabled(valueControl::editId));

            // Deleting the first leaves nothing selected.
            v.selectItem(valueControl::argumentsId, 0);
            v.sendCommand(valueControl::deleteId);
            EXPECT_EQ(v.itemCount(valueControl::argumentsId), 3);
            EXPECT_EQ(v.selectedItem(valueControl::argumentsId), -1);
            EXPECT_FALSE(v.isControlEnabled(valueControl::editId));
            EXPECT_FALSE(v.isControlEnabled(valueControl::deleteId));

            // Renaming onto another name and cancelling the editor leaves
            // the argument as it was.
            v.selectItem(valueControl::argumentsId, 1);
            user.answers.push_back(ganswer::cancel);
            editArgument("speed$", "9");
            v.sendCommand(valueControl::editId);
            EXPECT_EQ(items(v, valueControl::argumentsId),
                      (std::vector<std::string>{"B$ = \"b\"", "Rate$ = \"3\"", "SPEED$ = \"1\""}));
            v.sendCommand(IDOK);
        });
        c.sendCommand(digitalControls::editId);
        c.sendCommand(IDOK);
    });
    // The arguments kept stay in the order read, the new one follows.
    EXPECT_NE(writtenRegister(*reg).find("\t\tPROGRAM\t\tP\n"
                                         "\t\tARGUMENT\tSPEED$, 1\n"
                                         "\t\tARGUMENT\tB$, b\n"
                                         "\t\tARGUMENT\tRate$, 3\n"),
              std::string::npos)
        << writtenRegister(*reg);
}

} // namespace
