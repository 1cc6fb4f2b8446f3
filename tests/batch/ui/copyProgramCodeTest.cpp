#include "batchUiFixture.h"

#include "batch/ui/CCopyProgramCodeDialog.h"
#include "scl/gsclProgram.h"

namespace {

using dialog = CCopyProgramCodeDialog;

class copyProgramCode : public batchUi {
protected:
    void SetUp() override
    {
        batchUi::SetUp();
        loadStation("PROGRAM A\n\tCODE\t\tA\nEND\nPROGRAM B\n\tCODE\t\tB\nEND\n"
                    "PROGRAM C\nEND\nPROGRAM D\nEND\n");
    }
    static std::string code(const char* tag) { return text(station::programs().find(tag)->code()); }
    static void pick(QListWidget* list, std::initializer_list<const char*> names)
    {
        list->clearSelection();
        for (const char* name : names)
            list->findItems(QString::fromLatin1(name), Qt::MatchExactly).front()->setSelected(true);
    }
    QListWidget* from(dialog& d) { return d.controlAs<QListWidget>(dialog::fromId); }
    QListWidget* to(dialog& d) { return d.controlAs<QListWidget>(dialog::toId); }
};

TEST_F(copyProgramCode, ButtonsNeedBothSides)
{
    auto d = opened<dialog>();
    EXPECT_EQ(d->windowTitle().toStdString(), "Copy Program Code");
    EXPECT_EQ(to(*d)->count(), 4);
    EXPECT_TRUE(from(*d)->selectedItems().isEmpty());
    EXPECT_FALSE(d->isControlEnabled(dialog::copyId));
    pick(from(*d), {"B"});
    EXPECT_FALSE(d->isControlEnabled(dialog::appendId));
    pick(to(*d), {"A"});
    for (int id : {dialog::copyId, dialog::appendId, dialog::prependId})
        EXPECT_TRUE(d->isControlEnabled(id));
}

TEST_F(copyProgramCode, AppendAndPrependJoinWithoutLineBreak)
{
    auto d = opened<dialog>();
    pick(from(*d), {"B"});
    pick(to(*d), {"A", "C"});
    d->sendCommand(dialog::appendId);
    EXPECT_EQ(code("A"), "AB");
    EXPECT_EQ(code("C"), "B");
    EXPECT_EQ(user.lastMessage().text, "2 programs were modified.");
    EXPECT_EQ(user.lastMessage().icon, gicon::information);
    EXPECT_EQ(stationState().modified, 1);

    // The From program alone on the right doubles its code.
    pick(to(*d), {"B"});
    d->sendCommand(dialog::prependId);
    EXPECT_EQ(code("B"), "BB");
    EXPECT_EQ(user.lastMessage().promptId, 10198);
}

TEST_F(copyProgramCode, CopyAsksBeforeReplacingCode)
{
    auto d = opened<dialog>();
    pick(from(*d), {"A"});
    pick(to(*d), {"C", "D"});
    d->sendCommand(dialog::copyId);
    EXPECT_EQ(user.messages.size(), 1u); // no question, just the count
    EXPECT_EQ(user.lastMessage().text, "The code was copied to 2 programs.");
    EXPECT_EQ(code("D"), "A");

    pick(to(*d), {"A", "B"});
    user.messages.clear();
    d->sendCommand(dialog::copyId); // Cancel
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().promptId, 10266);
    EXPECT_EQ(code("B"), "B");

    // The From program among the targets stays as it is but is counted.
    user.answers.push_back(ganswer::ok);
    d->sendCommand(dialog::copyId);
    EXPECT_EQ(code("B"), "A");
    EXPECT_EQ(code("A"), "A");
    EXPECT_EQ(user.lastMessage().text, "The code was copied to 2 programs.");
}

} // namespace
