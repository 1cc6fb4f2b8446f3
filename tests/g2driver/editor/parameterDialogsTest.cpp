#include "g2editFixture.h"

#include "g2driver/editor/CEditParameterDialog.h"
#include "g2driver/editor/CEditValueNamesDialog.h"
#include "g2driver/model/g2driverCommand.h"
#include "shell/valueNamesDialog.h"

#include <QLineEdit>

namespace {

using parameterDialog = CEditParameterDialog;
using commandParameterDialog = CEditCommandParameterDialog;

// A register source that reads a command's data from outside the driver.
struct outsideReader : greferrer {
    void describeReferrer(gstr& text) const override { text.append("The register Outside"); }
    gusesList uses{this};
};

class parameterDialogs : public g2edit {
protected:
    g2driverCommand* command() { return meter->commands().find("ReadInlet"); }
    static std::map<uint32_t, gstr> names(const g2driverParameter& p) { return p.valueNames(); }
};

TEST_F(parameterDialogs, NewCommandParameterLeftUnticked_IsInternal)
{
    g2driverParameterDefinitions table(5);
    auto d = opened<commandParameterDialog>(table, 10578, nullptr, nullptr, nullptr);
    EXPECT_EQ(d->CDialog::templateId(), 851);
    EXPECT_EQ(title(*d), "New Parameter");
    EXPECT_FALSE(d->isControlEnabled(IDOK));
    EXPECT_TRUE(d->isChecked(parameterDialog::bistateId));
    EXPECT_FALSE(d->isChecked(commandParameterDialog::distinguishId));
    EXPECT_FALSE(d->isControlEnabled(parameterDialog::valueNamesId));
    d->setControlText(parameterDialog::tagId, "Speed");
    EXPECT_TRUE(d->isControlEnabled(IDOK));
    d->checkRadioButton(parameterDialog::bistateId, parameterDialog::stringId, parameterDialog::digitalId);
    d->sendCommand(parameterDialog::digitalId);
    EXPECT_TRUE(d->isControlEnabled(parameterDialog::valueNamesId));
    EXPECT_EQ(refusal(*d), 0);
    g2driverParameter* made = table.find("Speed");
    ASSERT_EQ(d->parameter(), made);
    EXPECT_TRUE(made->isDefined());
    EXPECT_EQ(made->getKind(), g2valueKind::digital);
    EXPECT_EQ(made->getInternal(), 1);

    // The same tag again is the caller's duplicate message, focus on the tag.
    auto again = opened<commandParameterDialog>(table, 10578, made, nullptr, nullptr);
    EXPECT_EQ(text(again->controlText(parameterDialog::tagId)), "Speed");
    EXPECT_FALSE(again->isChecked(commandParameterDialog::distinguishId));
    EXPECT_EQ(refusal(*again), 10578);
    EXPECT_TRUE(again->hasFocus(parameterDialog::tagId));
    again->setControlText(parameterDialog::tagId, "Rate");
    again->setChecked(commandParameterDialog::distinguishId, true);
    EXPECT_EQ(refusal(*again), 0);
    EXPECT_EQ(table.find("Rate")->getInternal(), 0);
}

TEST_F(parameterDialogs, UsedParameterKeepsItsTypeAndReadOnlyTag)
{
    g2driverParameter* mode = read->parameters().find("Mode");
    ASSERT_FALSE(mode->isUnused());
    auto d = opened<parameterDialog>(read->parameters(), 10577, mode, mode, nullptr);
    EXPECT_EQ(title(*d), "Edit Parameter");
    EXPECT_TRUE(d->controlAs<QLineEdit>(parameterDialog::tagId)->isReadOnly());
    EXPECT_TRUE(d->isChecked(parameterDialog::digitalId));
    d->checkRadioButton(parameterDialog::bistateId, parameterDialog::stringId, parameterDialog::analogId);
    d->sendCommand(parameterDialog::analogId);
    EXPECT_EQ(lastMessageId(), 20055);
    EXPECT_NE(user.lastMessage().text.find("\nThe command template Read"), std::string::npos);
    EXPECT_TRUE(d->isChecked(parameterDialog::digitalId));
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(mode->getKind(), g2valueKind::digital);
}

TEST_F(parameterDialogs, ValueNamesFollowTheKind)
{
    g2driverParameter* channel = read->parameters().find("Channel");
    ASSERT_EQ(channel->valueNames().size(), 2u);
    g2driverParameterDefinitions table(5);
    auto copy = opened<parameterDialog>(table, 10502, channel, nullptr, nullptr);
    EXPECT_TRUE(copy->isControlEnabled(parameterDialog::valueNamesId));
    copy->setControlText(parameterDialog::tagId, "Channel2");
    EXPECT_EQ(refusal(*copy), 0);
    EXPECT_EQ(names(*table.find("Channel2")), names(*channel));

    // An unused digital parameter turned analog loses its names.
    g2driverParameter* made = table.find("Channel2");
    auto edit = opened<parameterDialog>(table, 10502, made, made, nullptr);
    edit->checkRadioButton(parameterDialog::bistateId, parameterDialog::stringId, parameterDialog::analogId);
    edit->sendCommand(parameterDialog::analogId);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_FALSE(edit->isControlEnabled(parameterDialog::valueNamesId));
    EXPECT_EQ(refusal(*edit), 0);
    EXPECT_EQ(made->getKind(), g2valueKind::analog);
    EXPECT_TRUE(made->valueNames().empty());
}

TEST_F(parameterDialogs, ValueNamesButtonEditsTheWorkingCopyOnly)
{
    g2driverParameter* channel = read->parameters().find("Channel");
    auto d = opened<parameterDialog>(read->parameters(), 10577, channel, channel, nullptr);
    thenOk([](CDialog& names) {
        names.selectItem(CEditValueNamesDialog::listId, 0);
        names.sendCommand(CEditValueNamesDialog::deleteId);
    });
    d->sendCommand(parameterDialog::valueNamesId);
    EXPECT_EQ(channel->valueNames().size(), 2u);
    d->sendCommand(IDOK);
    ASSERT_EQ(channel->valueNames().size(), 1u);
    EXPECT_EQ(text(channel->valueName(1)), "Outlet");
}

TEST_F(parameterDialogs, DistinguishCannotBeClearedWhileReadFromOutside)
{
    g2driverParameter* count = command()->parameters().find("Count");
    outsideReader reader;
    reader.uses.add(count->usedBy(3));
    auto d = opened<commandParameterDialog>(command()->parameters(), 10578, count, count, nullptr);
    EXPECT_TRUE(d->isChecked(commandParameterDialog::distinguishId));
    d->setChecked(commandParameterDialog::distinguishId, false);
    d->sendCommand(commandParameterDialog::distinguishId);
    EXPECT_EQ(lastMessageId(), 20211);
    EXPECT_NE(user.lastMessage().text.find("\nThe register Outside"), std::string::npos);
    EXPECT_TRUE(d->isChecked(commandParameterDialog::distinguishId));
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_NE(count->getInternal(), 1);
    reader.uses.clear();

    // Without outside readers the internal parameter Label opens unticked,
    // and ticking it makes it ordinary.
    g2driverParameter* label = command()->parameters().find("Label");
    ASSERT_EQ(label->getInternal(), 1);
    auto e = opened<commandParameterDialog>(command()->parameters(), 10578, label, label, nullptr);
    EXPECT_FALSE(e->isChecked(commandParameterDialog::distinguishId));
    e->setChecked(commandParameterDialog::distinguishId, true);
    e->sendCommand(commandParameterDialog::distinguishId);
    EXPECT_EQ(refusal(*e), 0);
    EXPECT_EQ(label->getInternal(), 0);
}

// --- value names

class valueNames : public g2edit {
protected:
    std::map<uint32_t, gstr> map{{0, "Off"}, {1, "Local"}, {2, "Remote"}, {5, "Fault"}};
};

TEST_F(valueNames, LinesInValueOrderAndNextFreeValue)
{
    auto d = opened<CEditValueNamesDialog>(map, nullptr);
    auto* list = d->controlAs<QListWidget>(CEditValueNamesDialog::listId);
    EXPECT_EQ(rows(list), (std::vector<std::string>{"0\tOff", "1\tLocal", "2\tRemote", "5\tFault"}));
    for (int id : {CEditValueNamesDialog::editId, CEditValueNamesDialog::deleteId, CEditValueNamesDialog::duplicateId})
        EXPECT_FALSE(d->isControlEnabled(id));
    EXPECT_EQ(d->nextFreeValue(), 3u);
    d->selectItem(CEditValueNamesDialog::listId, 3);
    EXPECT_TRUE(d->isControlEnabled(CEditValueNamesDialog::editId));
    EXPECT_EQ(d->nextFreeValue(), 6u);
    EXPECT_EQ(d->findValue(5, true), -1);
    EXPECT_EQ(d->findValue(5, false), 3);

    std::map<uint32_t, gstr> empty;
    auto e = opened<CEditValueNamesDialog>(empty, nullptr);
    EXPECT_EQ(e->nextFreeValue(), 0u);
}

TEST_F(valueNames, NewEditDuplicateDeleteAndOk)
{
    auto d = opened<CEditValueNamesDialog>(map, nullptr);
    auto* list = d->controlAs<QListWidget>(CEditValueNamesDialog::listId);

    // New proposes 3; an existing value asks, No keeps the entry dialog
    // open, Yes replaces the line.
    thenOk([&](CDialog& entry) {
        EXPECT_EQ(text(entry.controlText(CValueNameDialog::valueId)), "3");
        EXPECT_FALSE(entry.isControlEnabled(IDOK));
        entry.setControlText(CValueNameDialog::nameId, "Standby");
        entry.setControlText(CValueNameDialog::valueId, "x");
        entry.sendCommand(IDOK);
        EXPECT_EQ(lastMessageId(), 10082);
        EXPECT_TRUE(entry.hasFocus(CValueNameDialog::valueId));
        entry.setControlText(CValueNameDialog::valueId, "2");
        user.answers.push_back(ganswer::no);
        entry.sendCommand(IDOK);
        EXPECT_FALSE(entry.hasEnded());
        user.answers.push_back(ganswer::yes);
    });
    d->sendCommand(CEditValueNamesDialog::newId);
    EXPECT_EQ(rows(list), (std::vector<std::string>{"0\tOff", "1\tLocal", "2\tStandby", "5\tFault"}));
    EXPECT_EQ(d->selectedItem(CEditValueNamesDialog::listId), 2);

    // Editing a name without changing its value asks nothing.
    user.messages.clear();
    thenOk([](CDialog& entry) {
        EXPECT_EQ(title(static_cast<CValueNameDialog&>(entry)), "Edit Value Name");
        entry.setControlText(CValueNameDialog::nameId, "Remote");
    });
    d->sendCommand(CEditValueNamesDialog::editId);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(rows(list)[2], "2\tRemote");

    // Duplicate proposes the next free value and keeps the source line.
    thenOk([](CDialog& entry) {
        EXPECT_EQ(text(entry.controlText(CValueNameDialog::valueId)), "3");
        EXPECT_EQ(text(entry.controlText(CValueNameDialog::nameId)), "Remote");
    });
    d->sendCommand(CEditValueNamesDialog::duplicateId);
    EXPECT_EQ(rows(list), (std::vector<std::string>{"0\tOff", "1\tLocal", "2\tRemote", "3\tRemote", "5\tFault"}));

    // Deleting the last line selects the one before it.
    d->selectItem(CEditValueNamesDialog::listId, 4);
    d->sendCommand(CEditValueNamesDialog::deleteId);
    EXPECT_EQ(d->selectedItem(CEditValueNamesDialog::listId), 3);

    EXPECT_EQ(map.size(), 4u);
    d->sendCommand(IDOK);
    EXPECT_EQ(map.size(), 4u);
    EXPECT_EQ(text(map.at(3)), "Remote");
    EXPECT_EQ(map.count(5), 0u);
}

TEST_F(valueNames, CancelAndTheShellHook)
{
    auto d = opened<CEditValueNamesDialog>(map, nullptr);
    for (int i = 0; i < 4; ++i) {
        d->selectItem(CEditValueNamesDialog::listId, 0);
        d->sendCommand(CEditValueNamesDialog::deleteId);
    }
    EXPECT_FALSE(d->isControlEnabled(CEditValueNamesDialog::deleteId));
    d->sendCommand(IDCANCEL);
    EXPECT_EQ(map.size(), 4u);

    installValueNamesEditor();
    thenOk([](CDialog& names) {
        EXPECT_EQ(names.templateId(), CEditValueNamesDialog::templateId);
        names.selectItem(CEditValueNamesDialog::listId, 0);
        names.sendCommand(CEditValueNamesDialog::deleteId);
    });
    EXPECT_TRUE(editValueNames(map, nullptr));
    EXPECT_EQ(map.size(), 3u);
    installValueNamesDialog({});
}

} // namespace
