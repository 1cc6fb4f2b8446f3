#include "sabusUiFixture.h"

#include "registers/gregister.h"
#include "sabus/ui/CEditSabusCommandDialog.h"
#include "sabus/ui/CEditSabusQueryDialog.h"
#include "sabus/ui/COtherResponseDataDialogs.h"
#include "sabus/ui/CSabusRequestsDialog.h"
#include "sabus/ui/CSabusTypeChoiceDialogs.h"
#include "shell/CObjectListCtrl.h"
#include "shell/mainFrameFixture.h"

namespace {

class requestsWindow : public sabusUi {
protected:
    void SetUp() override
    {
        sabusUi::SetUp();
        window.create(nullptr);
        window.refresh();
    }
    CObjectListCtrl& list() { return window.list(); }
    int rowOf(const char* tag) { return list().indexOf(request(tag)); }
    // A new query with one fixed-string item, made by the next runs.
    void thenNewQuery(const char* tag)
    {
        thenOk([tag](CDialog& d) {
            d.setControlText(CEditSabusQueryDialog::tagId, tag);
            d.setControlText(CEditSabusQueryDialog::opcodeId, "n");
            d.sendCommand(CEditSabusQueryDialog::newItemId);
        });
        thenOk([](CDialog& d) {
            d.checkRadioButton(CRadioChoiceDialog::firstChoiceId, CRadioChoiceDialog::firstChoiceId + 7,
                               CRadioChoiceDialog::firstChoiceId + 7);
        });
        thenOk([](CDialog& d) { d.setControlText(CEditFixedStringResponseDataDialog::stringId, "x"); });
    }

    CSabusRequestsDialog window;
};

TEST_F(requestsWindow, ListsTheRequestsAndMakesNewOnes)
{
    EXPECT_EQ(list().rowCount(), 4);
    EXPECT_EQ(text(window.controlText(CSelectDialog::newId)), "New &Query...");
    EXPECT_TRUE(window.canCreateObjects());
    EXPECT_FALSE(window.isShownInLibraryMode());

    thenCancel();
    window.sendCommand(CSelectDialog::newId);
    EXPECT_EQ(list().rowCount(), 4);
    EXPECT_EQ(stationState().modified, 0);

    thenNewQuery("Q5");
    window.sendCommand(CSelectDialog::newId);
    ASSERT_EQ(list().rowCount(), 5);
    EXPECT_EQ(list().getSelectedObject(), request("Q5"));
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(user.dialogs[1].templateId, CEditSabusQueryDialog::templateId);

    thenOk([](CDialog& d) {
        d.setControlText(CEditSabusCommandDialog::tagId, "C5");
        d.setControlText(CEditSabusCommandDialog::opcodeId, "c");
    });
    window.sendCommand(CSabusRequestsDialog::newCommandId);
    ASSERT_EQ(list().rowCount(), 6);
    EXPECT_EQ(request("C5")->getKind(), 2);
    EXPECT_EQ(user.dialogs.back().templateId, CEditSabusCommandDialog::templateId);
}

TEST_F(requestsWindow, EditRenamesTheRowAndDuplicateAddsOne)
{
    list().selectRow(rowOf("C1"));
    thenOk([](CDialog& d) { d.setControlText(CEditSabusCommandDialog::nameId, "Set the level"); });
    window.sendCommand(CSelectDialog::editId);
    EXPECT_EQ(user.dialogs.back().templateId, CEditSabusCommandDialog::templateId);
    EXPECT_EQ(text(list().nameAt(list().getSelectedIndex())), "Set the level");
    EXPECT_EQ(stationState().modified, 1);

    list().selectRow(rowOf("Q1"));
    thenOk([](CDialog& d) { d.setControlText(CEditSabusQueryDialog::tagId, "Q1b"); });
    window.sendCommand(CSelectDialog::duplicateId);
    ASSERT_EQ(list().rowCount(), 5);
    EXPECT_EQ(text(list().tagAt(list().getSelectedIndex())), "Q1b");
    EXPECT_EQ(text(request("Q1b")->getTitle(false)), "Levels");
}

TEST_F(requestsWindow, DeleteAsksNothingAndLeavesTheUsedByLists)
{
    gregister* label = station::registers().find("Label");
    EXPECT_FALSE(label->usedBy().isUnused());
    list().selectRow(rowOf("Everything"));
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(request("Everything"), nullptr);
    EXPECT_TRUE(label->usedBy().isUnused());
    EXPECT_EQ(stationState().modified, 1);
    while (list().rowCount() > 0)
        window.sendCommand(CSelectDialog::deleteId);
    for (int id : {CSelectDialog::editId, CSelectDialog::deleteId, CSelectDialog::duplicateId})
        EXPECT_FALSE(window.isControlEnabled(id));
    EXPECT_EQ(station::requests().count(), 0);
}

class newRequestCommand : public mainFrameTest {};

TEST_F(newRequestCommand, ChoosesTheKindThenRunsItsNew)
{
    EXPECT_TRUE(enabled(CSabusRequestsDialog::newRequestCommand));
    user.scripts.push_back([](CDialog& d) {
        d.checkRadioButton(CRadioChoiceDialog::firstChoiceId, CRadioChoiceDialog::firstChoiceId + 1,
                           CRadioChoiceDialog::firstChoiceId + 1);
        d.sendCommand(IDOK);
    });
    frame->routeCommand(CSabusRequestsDialog::newRequestCommand);
    ASSERT_EQ(user.dialogs.size(), 2u);
    EXPECT_EQ(user.dialogs[0].templateId, CSelectSabusRequestTypeDialog::templateId);
    EXPECT_EQ(user.dialogs[0].title, "Select SABus Request Type");
    // The untitled station has no programs: the command dialog says so.
    EXPECT_EQ(user.dialogs[1].templateId, CEditSabusCommandDialog::templateId);
    EXPECT_EQ(user.messages.back().promptId, 10180);

    user.scripts.push_back([](CDialog& d) { d.sendCommand(IDCANCEL); });
    frame->routeCommand(CSabusRequestsDialog::newRequestCommand);
    EXPECT_EQ(user.dialogs.size(), 3u);
}

} // namespace
