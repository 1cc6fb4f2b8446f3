#include "sabusUiFixture.h"

#include "sabus/gsabusParameterKinds.h"
#include "sabus/ui/CSabusParameterDialogs.h"
#include "sabus/ui/CValueStringList.h"

namespace {

using dialog = CEditSabusStringSetParameterDialog;

// The value list as the set-of-strings parameter dialog embeds it.
class valueStringList : public sabusUi {
protected:
    void open(std::initializer_list<std::pair<uint32_t, const char*>> entries)
    {
        parameter.setVariable("n");
        parameter.clearStrings();
        for (const auto& [value, text] : entries)
            parameter.setString(value, text);
        d = opened<dialog>(&parameter, &parameter);
    }
    QListWidget* listWidget() const { return d->controlAs<QListWidget>(CValueStringList::listId); }
    CValueStringList& list() { return d->values(); }
    // The next Value Data String run: what it proposed, then value and text.
    void thenEntry(const char* value, const char* string, std::string* proposed = nullptr)
    {
        thenOk([=](CDialog& v) {
            if (proposed)
                *proposed = text(v.controlText(CValueDataStringDialog::valueId));
            if (value)
                v.setControlText(CValueDataStringDialog::valueId, value);
            if (string)
                v.setControlText(CValueDataStringDialog::stringId, string);
        });
    }

    gsabusStringSetParameter parameter;
    std::unique_ptr<dialog> d;
};

TEST_F(valueStringList, NextFreeValue)
{
    open({{1, "a"}, {2, "b"}, {3, "c"}, {7, "g"}});
    EXPECT_EQ(list().nextFreeValue(), 4u);
    list().select(1);
    EXPECT_EQ(list().nextFreeValue(), 4u);
    list().select(3);
    EXPECT_EQ(list().nextFreeValue(), 8u);

    open({});
    EXPECT_EQ(list().nextFreeValue(), 0u);
    EXPECT_FALSE(d->isControlEnabled(CValueStringList::editId));
}

TEST_F(valueStringList, EntriesInValueOrder)
{
    open({{10, "ten"}, {2, "two"}});
    EXPECT_EQ(rows(listWidget()), (std::vector<std::string>{"2\ttwo", "10\tten"}));
    std::string proposed;
    thenEntry(nullptr, "three", &proposed);
    d->sendCommand(CValueStringList::newId);
    EXPECT_EQ(proposed, "3");
    EXPECT_EQ(rows(listWidget()), (std::vector<std::string>{"2\ttwo", "3\tthree", "10\tten"}));
    EXPECT_EQ(list().selected(), 1);
    EXPECT_TRUE(d->isControlEnabled(CValueStringList::editId));
    EXPECT_EQ(list().findValue(3, false), 1);
    EXPECT_EQ(list().findValue(3, true), -1);
}

TEST_F(valueStringList, EditingOntoAnotherValueAsksToReplaceIt)
{
    open({{5, "five"}, {7, "seven"}});
    list().select(0);
    thenOk([](CDialog& v) {
        EXPECT_EQ(v.windowTitle().toStdString(), "Edit Value Data String");
        v.setControlText(CValueDataStringDialog::valueId, "7");
        v.setControlText(CValueDataStringDialog::stringId, "new");
        v.sendCommand(IDOK);
        EXPECT_FALSE(v.hasEnded()); // No keeps the dialog open.
    });
    user.answers = {ganswer::no, ganswer::yes};
    d->sendCommand(CValueStringList::editId);
    EXPECT_EQ(messageIds(), (std::vector<int>{10475, 10475}));
    EXPECT_EQ(rows(listWidget()), std::vector<std::string>{"7\tnew"});

    // The same value asks nothing.
    user.messages.clear();
    thenEntry(nullptr, "again");
    d->sendCommand(CValueStringList::editId);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(rows(listWidget()), std::vector<std::string>{"7\tagain"});
}

TEST_F(valueStringList, DuplicateProposesTheNextFreeValueAndKeepsTheString)
{
    open({{1, "one"}, {2, "two"}, {4, "four"}});
    list().select(0);
    std::string proposed;
    thenOk([&proposed](CDialog& v) {
        EXPECT_EQ(v.windowTitle().toStdString(), "New Value Data String");
        EXPECT_EQ(text(v.controlText(CValueDataStringDialog::stringId)), "one");
        proposed = text(v.controlText(CValueDataStringDialog::valueId));
        v.setControlText(CValueDataStringDialog::stringId, "");
        EXPECT_FALSE(v.isControlEnabled(IDOK));
        v.setControlText(CValueDataStringDialog::stringId, "three");
    });
    d->sendCommand(CValueStringList::duplicateId);
    EXPECT_EQ(proposed, "3");
    EXPECT_EQ(rows(listWidget()), (std::vector<std::string>{"1\tone", "2\ttwo", "3\tthree", "4\tfour"}));

    // A value that is no unsigned number is refused.
    thenOk([](CDialog& v) {
        v.setControlText(CValueDataStringDialog::valueId, "12a");
        v.sendCommand(IDOK);
        EXPECT_FALSE(v.hasEnded());
        v.sendCommand(IDCANCEL);
    });
    d->sendCommand(CValueStringList::newId);
    EXPECT_EQ(lastMessageId(), 10082);

    list().select(3);
    d->sendCommand(CValueStringList::deleteId);
    EXPECT_EQ(list().selected(), 2);
    d->sendCommand(IDOK);
    EXPECT_EQ(written(parameter), "PARAMETER\tSTRINGS\n\tVARIABLE\tn\n\tSTRING\t\t1, one\n\tSTRING\t\t2, two\n"
                                  "\tSTRING\t\t3, three\nEND\n");
}

} // namespace
