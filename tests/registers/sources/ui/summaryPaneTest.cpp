#include "registers/sources/ui/CSummarySourcePane.h"
#include "registers/sources/ui/sourcePaneTestSupport.h"
#include "registers/ui/CAddRegistersDialog.h"

#include <QListWidget>

namespace {

using base = CRegisterDialog;
using summary = CSummarySourcePane;

void selectAll(CDialog& d, int id)
{
    auto* list = d.controlAs<QListWidget>(id);
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setSelected(true);
}

std::vector<bool> selection(CDialog& d, int id)
{
    auto* list = d.controlAs<QListWidget>(id);
    std::vector<bool> selected;
    for (int row = 0; row < list->count(); ++row)
        selected.push_back(list->item(row)->isSelected());
    return selected;
}

TEST_F(registerDialogTest, SummaryPaneListsRegistersAndItsProgram)
{
    program("Sum");
    loadRegister("BISTATE_REG A\nTITLE Alpha\nLEVEL ALARM\nEND\n");
    loadRegister("DIGITAL_REG B\nLEVEL NONE\nEND\n");
    gregister* made = run(2, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(base::tagId, "S");
        ASSERT_TRUE(chooseSourceType(d, 7));
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.templateId(), 617);
        for (int id : {summary::removeId, summary::argumentsId, summary::anyValueId, summary::stateOnlyId})
            EXPECT_FALSE(p.isControlEnabled(id)) << id;
        EXPECT_EQ(p.itemText(summary::programId, 0).view(), "<None>");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10300);
        EXPECT_EQ(user.lastMessage().text, "Please add at least one register.");

        user.scripts.push_back([](CDialog& a) {
            EXPECT_EQ(items(a, CAddRegistersDialog::listId), (std::vector<std::string>{"Alpha", "B"}));
            selectAll(a, CAddRegistersDialog::listId);
            a.sendCommand(IDOK);
        });
        p.sendCommand(summary::addId);
        EXPECT_EQ(items(p, summary::registersId), (std::vector<std::string>{"Alpha", "B"}));
        EXPECT_TRUE(p.isControlEnabled(summary::removeId));
        // Every alarm is listed already.
        p.sendCommand(summary::addAlarmsId);
        EXPECT_EQ(user.lastMessage().promptId, 10295);

        p.selectItem(summary::programId, 1);
        EXPECT_TRUE(p.isControlEnabled(summary::argumentsId));
        EXPECT_TRUE(p.isChecked(summary::stateOnlyId));
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tSUMMARY\n\t\tPROGRAM\n\t\t\tPROGRAM\t\tSum\n\t\tEND\n\t\tVALUES\t\tNO\n"
                                  "\t\tREGISTER\tA\n\t\tREGISTER\tB\n\tEND\n");
    EXPECT_EQ(users(station::registers().find("A")->usedBy()), "\nThe register S");

    // Shown again; removing a register, no program and any value change.
    run(2, made, made, [this](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.selectedItem(summary::programId), 1);
        EXPECT_TRUE(p.isChecked(summary::stateOnlyId));
        EXPECT_FALSE(p.isControlEnabled(summary::removeId));
        p.selectItem(summary::registersId, 0);
        p.sendCommand(summary::removeId);
        EXPECT_EQ(items(p, summary::registersId), (std::vector<std::string>{"B"}));
        // The register being edited is not offered.
        user.scripts.push_back([](CDialog& a) {
            EXPECT_EQ(a.itemCount(CAddRegistersDialog::listId), 1);
            a.sendCommand(IDCANCEL);
        });
        p.sendCommand(summary::addId);
        clickButton(p, summary::anyValueId);
        p.selectItem(summary::programId, 0);
        EXPECT_FALSE(p.isControlEnabled(summary::anyValueId));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tSUMMARY\n\t\tREGISTER\tB\n\tEND\n");
    EXPECT_TRUE(station::registers().find("A")->usedBy().isUnused());
}

// Without a program the pane holds "only on state changes", whatever the
// source read.
TEST_F(registerDialogTest, SummaryPaneWithoutProgram)
{
    loadRegister("BISTATE_REG A\nEND\n");
    gregister* reg = loadRegister("BISTATE_REG S\nSOURCE SUMMARY\nREGISTER A\nEND\nEND\n").reg;
    run(1, reg, reg, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_TRUE(p.isChecked(summary::stateOnlyId));
        EXPECT_FALSE(p.isControlEnabled(summary::stateOnlyId));
        EXPECT_EQ(items(p, summary::registersId), (std::vector<std::string>{"A"}));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(sourceLines(*reg), "\tSOURCE\t\tSUMMARY\n\t\tREGISTER\tA\n\tEND\n");
}

// The list sorts by title; the source keeps the order it had, registers
// added follow it.
TEST_F(registerDialogTest, SummaryPaneKeepsTheSourceOrder)
{
    for (const char* tag : {"C", "A", "B", "D"})
        loadRegister("BISTATE_REG " + std::string(tag) + "\nEND\n");
    gregister* reg = loadRegister("BISTATE_REG S\nSOURCE SUMMARY\nREGISTER C\nREGISTER A\nREGISTER B\nEND\nEND\n").reg;
    const std::string loaded = sourceLines(*reg);
    EXPECT_EQ(loaded, "\tSOURCE\t\tSUMMARY\n\t\tREGISTER\tC\n\t\tREGISTER\tA\n\t\tREGISTER\tB\n\tEND\n");
    run(1, reg, reg, [](CDialog& d) { d.sendCommand(IDOK); });
    EXPECT_EQ(sourceLines(*reg), loaded);

    run(1, reg, reg, [this](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(items(p, summary::registersId), (std::vector<std::string>{"A", "B", "C"}));
        p.selectItem(summary::registersId, 0);
        p.sendCommand(summary::removeId);
        user.scripts.push_back([](CDialog& a) {
            selectAll(a, CAddRegistersDialog::listId);
            a.sendCommand(IDOK);
        });
        p.sendCommand(summary::addId);
        // The registers added, and only they, are selected in their places.
        EXPECT_EQ(items(p, summary::registersId), (std::vector<std::string>{"A", "B", "C", "D"}));
        EXPECT_EQ(selection(p, summary::registersId), (std::vector<bool>{true, false, false, true}));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(sourceLines(*reg), "\tSOURCE\t\tSUMMARY\n\t\tREGISTER\tC\n\t\tREGISTER\tB\n\t\tREGISTER\tA\n"
                                 "\t\tREGISTER\tD\n\tEND\n");
}

} // namespace
