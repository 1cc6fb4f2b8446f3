#include "portsUiFixture.h"

#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driver.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequence.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/ui/CCommandsToSendPage.h"
#include "ports/ui/CEditDeviceDialog.h"
#include "ports/ui/CEditInitializationCommandDialog.h"
#include "ports/ui/CEditPollDialog.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "store/gkeyword.h"
#include "support/ui/controlHost.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

namespace {

using page = CCommandsToSendPageBase;
using initDialog = CEditInitializationCommandDialog;

class commandsToSend : public portsUi {
protected:
    void SetUp() override
    {
        portsUi::SetUp();
        pump = station::g2Drivers().find("Pump");
        host.add(1674, new QWidget, 10, 30, 262, 92);
    }
    // A driver sequence with ReadFlow (Channel = 3).
    void fillSequence(gcommandSequence& sequence)
    {
        auto* request = new gcommandRequest;
        request->setCommand(pump->commands().find("ReadFlow"));
        auto* channel = new g2driverParameterValue;
        channel->setName("Channel");
        channel->setDefined(1);
        channel->setDigital(3);
        request->values().insert(channel);
        sequence.append(new gcommandSequenceEntry(request));
    }
    // The Edit Initialization Command dialog of the next run chooses Start
    // with On.
    void answerStart()
    {
        thenOk([](CDialog& d) {
            chooseText(d.controlAs<QComboBox>(initDialog::commandId), "Start");
            static_cast<initDialog&>(d).panel()->row(0)->controlAs<QComboBox>(1496)->setCurrentIndex(2);
        });
    }

    g2driver* pump = nullptr;
    controlHost host{300, 140};
};

TEST_F(commandsToSend, DriverPageEditsRequestsOfTheDriversCommands)
{
    auto* driverPage = new CCommandsToSendPage(pump->commands());
    driverPage->create(1674, 10586, host);
    EXPECT_EQ(driverPage->parentWidget(), &host);
    EXPECT_EQ(driverPage->pos(), host.control(1674)->pos());
    EXPECT_EQ(text(driverPage->controlText(page::descriptionId)), "(Sent when the port is opened)");
    gcommandSequence sequence(gcommandSequence::driverInit, kw::NONE);
    fillSequence(sequence);
    driverPage->fill(sequence);
    ASSERT_EQ(driverPage->rowCount(), 1);
    EXPECT_EQ(text(driverPage->rowText(0)), "ReadFlow (Channel = 3)");

    // New without a selection goes to the end, with one below it.
    answerStart();
    driverPage->OnNew();
    answerStart();
    driverPage->controlAs<QListWidget>(page::listId)->setCurrentRow(0);
    driverPage->OnNew();
    EXPECT_EQ(rowTexts(driverPage->controlAs<QListWidget>(page::listId)),
              (std::vector<std::string>{"ReadFlow (Channel = 3)", "Start (On = on)", "Start (On = on)"}));
    EXPECT_EQ(user.dialogs.back().title, "New Initialization Command");

    driverPage->collect(sequence);
    ASSERT_EQ(sequence.count(), 3);
    const gcommandRequest* second = sequence.first()->getNext()->getRequest();
    EXPECT_EQ(second->getCommand(), pump->commands().find("Start"));
    EXPECT_EQ(second->getDevice(), nullptr);
    EXPECT_EQ(second->getKeepWithNext(), 0);
    EXPECT_EQ(second->values().find("On")->getNumber(), 1u);
    // The rows gave their requests away: the page deletes none of them.
    delete driverPage;
    EXPECT_EQ(sequence.count(), 3);
}

TEST_F(commandsToSend, DeletingTheOnlyRowDisablesTheRowButtons)
{
    auto* driverPage = new CCommandsToSendPage(pump->commands());
    driverPage->create(1674, 10588, host);
    gcommandSequence sequence(gcommandSequence::driverInit, kw::NONE);
    fillSequence(sequence);
    driverPage->fill(sequence);
    auto* list = driverPage->controlAs<QListWidget>(page::listId);
    EXPECT_FALSE(driverPage->isControlEnabled(page::editId));
    list->setCurrentRow(0);
    EXPECT_TRUE(driverPage->isControlEnabled(page::duplicateId));
    driverPage->OnDelete();
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(driverPage->isControlEnabled(page::editId));
    EXPECT_FALSE(driverPage->isControlEnabled(page::deleteId));
    EXPECT_FALSE(driverPage->isControlEnabled(page::duplicateId));
}

TEST_F(commandsToSend, InitializationCommandDialogFollowsTheChosenCommand)
{
    initDialog d(pump->commands(), nullptr, nullptr);
    d.ensureInitialized();
    EXPECT_EQ(d.windowTitle().toStdString(), "New Initialization Command");
    EXPECT_EQ(itemTexts(d.controlAs<QComboBox>(initDialog::commandId)),
              (std::vector<std::string>{"ReadFlow", "Start"}));
    EXPECT_EQ(d.panel()->rowCount(), 2);
    int tall = d.height();
    d.panel()->row(0)->controlAs<QLineEdit>(1496)->setText("4");
    chooseText(d.controlAs<QComboBox>(initDialog::commandId), "Start");
    EXPECT_EQ(d.panel()->rowCount(), 1);
    EXPECT_LT(d.height(), tall);
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    std::unique_ptr<gcommandRequest> made(d.editedRequest());
    EXPECT_EQ(made->getCommand(), pump->commands().find("Start"));
    EXPECT_EQ(made->values().count(), 0);
    EXPECT_EQ(made->getKeepWithNext(), 0);

    jhashTypedDatabaseTable<g2driverCommand> none(5);
    initDialog empty(none, nullptr, nullptr);
    empty.ensureInitialized();
    EXPECT_TRUE(empty.hasEnded());
    EXPECT_EQ(user.lastMessage().text, "You haven't created any command yet.");
}

TEST_F(commandsToSend, CancellingTheDeviceDialogChangesNoSequence)
{
    CEditSerialPortDialog owner(north(), north());
    owner.ensureInitialized();
    gdevice* p1 = owner.workingDevices().find("P1");
    CEditDeviceDialog d(&owner, p1, p1);
    d.ensureInitialized();
    // The page's poll dialog is tied to the device being edited.
    thenOk([](CDialog& poll) {
        auto* devices = poll.controlAs<QComboBox>(CEditPollDialog::deviceId);
        EXPECT_EQ(itemTexts(devices), (std::vector<std::string>{"<This device>", "Meter 12", "P 2"}));
        chooseText(poll.controlAs<QComboBox>(CEditPollDialog::commandId), "Start");
    });
    d.page(0).OnNew();
    EXPECT_EQ(text(d.page(0).rowText(0)), "Start");
    d.sendCommand(IDCANCEL);
    EXPECT_TRUE(p1->firstTimeSequence().isEmpty());
}

} // namespace
