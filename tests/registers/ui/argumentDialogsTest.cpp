#include "platform/messageBeep.h"
#include "platform/recordingResponder.h"
#include "registers/ui/CEditBooleanArgumentDialog.h"
#include "registers/ui/CEditNumericalArgumentDialog.h"
#include "registers/ui/CEditProgramArgumentsDialog.h"
#include "registers/ui/CEditStringArgumentDialog.h"
#include "registers/ui/editProgramArgument.h"
#include "scl/gprogramArgument.h"
#include "store/gprocessorCall.h"
#include "support/ui/controlHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using edit = CEditArgumentDialogBase;

std::vector<std::string> listed(CDialog& d)
{
    std::vector<std::string> texts;
    for (int i = 0; i < d.itemCount(CEditProgramArgumentsDialog::listId); ++i)
        texts.emplace_back(d.itemText(CEditProgramArgumentsDialog::listId, i).view());
    return texts;
}

TEST(editArgumentDialogs, StringNamesMustBeStringVariables)
{
    recordingResponder user;
    gprogramArgument argument(2);
    user.scripts.push_back([&user](CDialog& d) {
        EXPECT_EQ(d.templateId(), 552);
        EXPECT_EQ(d.windowTitle(), "Edit Argument");
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        for (const char* name : {"Text", "1a$", "a$b"}) {
            d.setControlText(edit::nameId, name);
            EXPECT_TRUE(d.isControlEnabled(IDOK));
            d.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10108) << name;
            EXPECT_EQ(d.controlText(edit::nameId).view(), name);
            EXPECT_FALSE(d.hasEnded());
        }
        // Only characters of a string variable's name can be typed.
        d.setControlText(edit::nameId, "");
        int beeps = messageBeepCount();
        typeText(d.control(edit::nameId), "A% 1$");
        EXPECT_EQ(d.controlText(edit::nameId).view(), "A1$");
        EXPECT_EQ(messageBeepCount(), beeps + 2);
        d.sendCommand(IDOK);
    });
    ASSERT_TRUE(editProgramArgument(argument));
    EXPECT_EQ(argument.name().view(), "A1$");
    EXPECT_EQ(argument.string().view(), "");
    EXPECT_FALSE(argument.string().isNull());

    for (const char* name : {"Text$", "_x$"}) {
        user.scripts.push_back([name](CDialog& d) {
            EXPECT_EQ(d.controlText(edit::nameId).view(), "A1$");
            d.setControlText(edit::nameId, name);
            d.setControlText(edit::valueId, "say \"hi\"");
            d.sendCommand(IDOK);
        });
        ASSERT_TRUE(editProgramArgument(argument)) << name;
        EXPECT_EQ(describeProgramArgument(argument).view(), std::string(name) + " = \"say \"hi\"\"");
        argument.setName("A1$");
    }
    // Cancel stores nothing.
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(edit::nameId, "Other$");
        d.sendCommand(IDCANCEL);
    });
    EXPECT_FALSE(editProgramArgument(argument));
    EXPECT_EQ(argument.name().view(), "A1$");
}

TEST(editArgumentDialogs, NumericalAndBooleanArguments)
{
    recordingResponder user;
    gprogramArgument number(1);
    number.setName("Count");
    number.setNumber(2.5);
    user.scripts.push_back([&user](CDialog& d) {
        EXPECT_EQ(d.templateId(), 543);
        EXPECT_EQ(d.controlText(edit::valueId).view(), "2.5");
        d.setControlText(edit::nameId, "Count$");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10096);
        d.setControlText(edit::nameId, "Count");
        d.setControlText(edit::valueId, "lots");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10095);
        EXPECT_TRUE(d.hasFocus(edit::valueId));
        d.setControlText(edit::valueId, "1e999");
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        d.setControlText(edit::valueId, "-4e2");
        d.sendCommand(IDOK);
    });
    ASSERT_TRUE(editProgramArgument(number));
    EXPECT_EQ(number.number(), -400);

    gprogramArgument truth(3);
    user.scripts.push_back([&user](CDialog& d) {
        EXPECT_EQ(d.templateId(), 537);
        EXPECT_TRUE(d.isChecked(CEditBooleanArgumentDialog::falseId));
        d.setControlText(edit::nameId, "Done");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10075);
        d.setControlText(edit::nameId, "Done%");
        d.checkRadioButton(CEditBooleanArgumentDialog::trueId, CEditBooleanArgumentDialog::falseId,
                           CEditBooleanArgumentDialog::trueId);
        d.sendCommand(IDOK);
    });
    ASSERT_TRUE(editProgramArgument(truth));
    EXPECT_EQ(describeProgramArgument(truth).view(), "Done% = TRUE%");
}

TEST(editProgramArgumentsDialog, NamesStayUniqueAndOkReplacesTheList)
{
    recordingResponder user;
    gprocessorCall call;
    for (const char* text : {"A, 1", "B$, \"b\"", "C%, TRUE", "D, 4"}) {
        auto* argument = new gprogramArgument;
        ASSERT_EQ(argument->parse(text), 1);
        call.addArgument(argument, true);
    }
    user.scripts.push_back([&user](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Program Arguments");
        EXPECT_EQ(listed(d), (std::vector<std::string>{"A = 1", "B$ = \"b\"", "C% = TRUE%", "D = 4"}));
        EXPECT_FALSE(d.isControlEnabled(CEditProgramArgumentsDialog::editId));
        // Renaming A to d asks; Cancel reopens the editor, OK replaces D.
        d.selectItem(CEditProgramArgumentsDialog::listId, 0);
        EXPECT_TRUE(d.isControlEnabled(CEditProgramArgumentsDialog::editId));
        user.answers.push_back(ganswer::cancel);
        user.answers.push_back(ganswer::ok);
        for (int i = 0; i < 2; ++i) {
            user.scripts.push_back([](CDialog& e) {
                EXPECT_EQ(e.templateId(), 543);
                e.setControlText(edit::nameId, "d");
                e.sendCommand(IDOK);
            });
        }
        d.sendCommand(CEditProgramArgumentsDialog::editId);
        EXPECT_EQ(user.messages.size(), 2u);
        EXPECT_EQ(user.lastMessage().promptId, 10227);
        EXPECT_EQ(listed(d), (std::vector<std::string>{"B$ = \"b\"", "C% = TRUE%", "d = 1"}));
        EXPECT_EQ(d.selectedItem(CEditProgramArgumentsDialog::listId), 2);
        // Deleting the last row selects the new last one.
        d.sendCommand(CEditProgramArgumentsDialog::deleteId);
        EXPECT_EQ(d.selectedItem(CEditProgramArgumentsDialog::listId), 1);
        d.sendCommand(IDOK);
    });
    CEditProgramArgumentsDialog dialog(call);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    // The call keeps B$ before C%, as it had them; the list is described
    // from the last argument.
    EXPECT_EQ(describeProgramArgumentList(call).view(), " (C% = TRUE%, B$ = \"b\")");
    EXPECT_TRUE(user.scripts.empty());
}

// Arguments are passed in order: a bare OK keeps the call's order, an
// edited argument keeps its place and a new one follows the others, while
// the list shows them sorted.
TEST(editProgramArgumentsDialog, ArgumentsKeepTheirOrder)
{
    recordingResponder user;
    gprocessorCall call;
    for (const char* text : {"D, 4", "B$, \"b\"", "A, 1", "C%, TRUE"}) {
        auto* argument = new gprogramArgument;
        ASSERT_EQ(argument->parse(text), 1);
        call.addArgument(argument, true);
    }
    auto names = [&call] {
        std::string text;
        for (int i = 0; i < call.argumentCount(); ++i)
            text.append(call.getArgument(i)->name().view()).append(" ");
        return text;
    };
    user.scripts.push_back([](CDialog& d) { d.sendCommand(IDOK); });
    ASSERT_EQ(CEditProgramArgumentsDialog(call).DoModal(), IDOK);
    EXPECT_EQ(names(), "D B$ A C% ");

    user.scripts.push_back([&user](CDialog& d) {
        EXPECT_EQ(listed(d), (std::vector<std::string>{"A = 1", "B$ = \"b\"", "C% = TRUE%", "D = 4"}));
        d.selectItem(CEditProgramArgumentsDialog::listId, 1);
        user.scripts.push_back([](CDialog& e) {
            e.setControlText(edit::valueId, "x");
            e.sendCommand(IDOK);
        });
        d.sendCommand(CEditProgramArgumentsDialog::editId);
        user.scripts.push_back([](CDialog& t) { t.sendCommand(IDOK); });
        user.scripts.push_back([](CDialog& e) {
            e.setControlText(edit::nameId, "E");
            e.setControlText(edit::valueId, "5");
            e.sendCommand(IDOK);
        });
        d.sendCommand(CEditProgramArgumentsDialog::newId);
        d.sendCommand(IDOK);
    });
    ASSERT_EQ(CEditProgramArgumentsDialog(call).DoModal(), IDOK);
    EXPECT_TRUE(user.scripts.empty());
    EXPECT_EQ(names(), "D B$ A C% E ");
    EXPECT_EQ(describeProgramArgument(*call.getArgument(1)).view(), "B$ = \"x\"");
}

} // namespace
