#include "sclUiFixture.h"

#include "registers/ui/CEditArgumentDialogBase.h"
#include "registers/ui/CSelectArgumentTypeDialog.h"
#include "scl/gprogramArgumentSet.h"
#include "scl/ui/CEditMultipleProgramArgumentsDialog.h"
#include "shell/CArgumentListBox.h"
#include "store/gprocessorCall.h"

#include <algorithm>

namespace {

using dialogType = CEditMultipleProgramArgumentsDialog;

gprogramArgument numerical(const char* name, double value)
{
    gprogramArgument a(1);
    a.setName(name);
    a.setNumber(value);
    return a;
}

gprogramArgument text(const char* name, const char* value)
{
    gprogramArgument a(2);
    a.setName(name);
    a.setString(value);
    return a;
}

std::vector<std::string> argumentsOf(const gprocessorCall& call)
{
    std::vector<std::string> out;
    for (int i = 0; i < call.argumentCount(); ++i) {
        if (const gprogramArgument* a = call.getArgument(i))
            out.emplace_back(describeProgramArgument(*a).view());
    }
    std::sort(out.begin(), out.end());
    return out;
}

// Two selected objects: one passes Speed = 1, the other Speed = 2 and
// Mode$ = "x". The dialog edits a copy with its states cleared, as the
// screen editor's pages hand it over.
struct multipleArguments : sclUiTest {
    void SetUp() override
    {
        first.addArgumentCopy(numerical("Speed", 1), true);
        second.addArgumentCopy(numerical("Speed", 2), true);
        second.addArgumentCopy(text("Mode$", "x"), true);
        gathered.gather(first);
        gathered.gather(second);
        edited.assign(gathered);
        edited.clearStates();
    }
    void applyEdits()
    {
        edited.applyTo(first, first);
        edited.applyTo(second, second);
    }
    void editArgument(const char* name, const char* value)
    {
        user.scripts.push_back([name, value](CDialog& d) {
            d.setControlText(CEditArgumentDialogBase::nameId, name);
            d.setControlText(CEditArgumentDialogBase::valueId, value);
            d.sendCommand(IDOK);
        });
    }
    std::vector<std::string> rows(const CDialog& d) const
    {
        std::vector<std::string> out;
        for (int i = 0; i < d.itemCount(dialogType::listId); ++i)
            out.emplace_back(d.itemText(dialogType::listId, i).view());
        return out;
    }
    static bool greyed(CDialog& d, int row) { return dynamic_cast<CArgumentListBox*>(d.control(dialogType::listId))->isItemDisabled(row); }

    gprocessorCall first;
    gprocessorCall second;
    gprogramArgumentSet gathered;
    gprogramArgumentSet edited;
};

TEST_F(multipleArguments, MixedArgumentsAreGreyedAndStartEmpty)
{
    dialogType d(edited);
    d.ensureInitialized();
    EXPECT_EQ(d.templateId(), 678);
    EXPECT_EQ(rows(d), (std::vector<std::string>{"Mode$ = \"x\"", "Speed"}));
    EXPECT_TRUE(greyed(d, 0));
    EXPECT_TRUE(greyed(d, 1));
    EXPECT_FALSE(d.isControlEnabled(dialogType::editId));

    d.selectItem(dialogType::listId, 1);
    EXPECT_TRUE(d.isControlEnabled(dialogType::editId));
    std::string shownValue;
    user.scripts.push_back([&shownValue](CDialog& e) {
        shownValue = e.controlText(CEditArgumentDialogBase::valueId).view();
        e.setControlText(CEditArgumentDialogBase::valueId, "5");
        e.sendCommand(IDOK);
    });
    d.sendCommand(dialogType::editId);
    EXPECT_EQ(shownValue, "0");
    EXPECT_EQ(rows(d), (std::vector<std::string>{"Mode$ = \"x\"", "Speed = 5"}));
    EXPECT_FALSE(greyed(d, 1));
    applyEdits();
    EXPECT_EQ(argumentsOf(first), std::vector<std::string>{"Speed = 5"});
    EXPECT_EQ(argumentsOf(second), (std::vector<std::string>{"Mode$ = \"x\"", "Speed = 5"}));
}

TEST_F(multipleArguments, DeleteTakesTheArgumentFromEveryObject)
{
    dialogType d(edited);
    d.ensureInitialized();
    d.selectItem(dialogType::listId, 1);
    d.sendCommand(dialogType::deleteId);
    EXPECT_EQ(rows(d), std::vector<std::string>{"Mode$ = \"x\""});
    EXPECT_EQ(d.selectedItem(dialogType::listId), 0);
    d.sendCommand(dialogType::deleteId);
    EXPECT_FALSE(d.isControlEnabled(dialogType::deleteId));
    applyEdits();
    EXPECT_TRUE(argumentsOf(first).empty());
    EXPECT_TRUE(argumentsOf(second).empty());
}

TEST_F(multipleArguments, RenamingOntoAnotherArgumentAsksFirst)
{
    dialogType d(edited);
    d.ensureInitialized();
    d.selectItem(dialogType::listId, 1);
    // Speed becomes a new name of its own.
    editArgument("Rate", "3");
    d.sendCommand(dialogType::editId);
    EXPECT_EQ(rows(d), (std::vector<std::string>{"Mode$ = \"x\"", "Rate = 3"}));

    // A new Rate exists in every object now: replace after the question;
    // Cancel there edits again.
    user.scripts.push_back([](CDialog& t) {
        EXPECT_EQ(t.templateId(), 593);
        t.sendCommand(IDOK);
    });
    editArgument("RATE", "4");
    user.answers.push_back(ganswer::cancel);
    editArgument("RATE", "7");
    user.answers.push_back(ganswer::ok);
    d.sendCommand(dialogType::newId);
    EXPECT_EQ(promptIds(), (std::vector<int>{10227, 10227}));
    EXPECT_EQ(rows(d), (std::vector<std::string>{"Mode$ = \"x\"", "RATE = 7"}));
    applyEdits();
    EXPECT_EQ(argumentsOf(first), std::vector<std::string>{"RATE = 7"});
    EXPECT_EQ(argumentsOf(second), (std::vector<std::string>{"Mode$ = \"x\"", "RATE = 7"}));
}

} // namespace
