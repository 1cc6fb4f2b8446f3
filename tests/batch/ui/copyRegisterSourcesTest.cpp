#include "batchUiFixture.h"

#include "batch/ui/CCopyRegisterSourcesDialog.h"
#include "registers/gregister.h"
#include "shell/CIconListBox.h"

namespace {

using dialog = CCopyRegisterSourcesDialog;

class copyRegisterSources : public batchUi {
protected:
    void SetUp() override
    {
        batchUi::SetUp();
        loadStation("ANALOG_REG Flow1\n\tSOURCE\t\tNETWORK2\n\t\tREGISTER\tFLOW\n\t\tADDRESS\t\t10.0.0.2\n\tEND\nEND\n"
                    "ANALOG_REG Flow2\nEND\n"
                    "ANALOG_REG Flow3\n\tSOURCE\t\tNETWORK2\n\t\tREGISTER\tOTHER\n\t\tADDRESS\t\t10.0.0.3\n\tEND\nEND\n"
                    "ANALOG_REG Flow4\nEND\nDIGITAL_REG Mode1\nEND\n");
    }
    static gregister* reg(const char* tag) { return station::registers().find(tag); }
    static void pick(QListWidget* list, std::initializer_list<const char*> names)
    {
        list->clearSelection();
        for (const char* name : names)
            list->findItems(QString::fromLatin1(name), Qt::MatchExactly).front()->setSelected(true);
    }
    QListWidget* from(dialog& d) { return d.controlAs<QListWidget>(dialog::fromId); }
    QListWidget* to(dialog& d) { return d.controlAs<QListWidget>(dialog::toId); }
};

TEST_F(copyRegisterSources, FromChoosesTheClassOffered)
{
    auto d = opened<dialog>();
    EXPECT_EQ(from(*d)->count(), 5);
    EXPECT_EQ(to(*d)->count(), 0);
    EXPECT_FALSE(d->isControlShown(dialog::kindTextId));
    EXPECT_FALSE(d->isControlEnabled(dialog::copyId));

    pick(from(*d), {"Flow1"});
    EXPECT_TRUE(d->isControlShown(dialog::kindTextId));
    EXPECT_EQ(text(d->controlText(dialog::kindTextId)), "Remote register value source");
    EXPECT_EQ(to(*d)->count(), 4);
    pick(to(*d), {"Flow2"});
    EXPECT_TRUE(d->isControlEnabled(dialog::copyId));
    // Another register of the same class keeps the To list and its choice.
    pick(from(*d), {"Flow3"});
    EXPECT_EQ(to(*d)->selectedItems().size(), 1);
    EXPECT_TRUE(d->isControlEnabled(dialog::copyId));

    // Without a source: nothing to copy.
    pick(from(*d), {"Mode1"});
    EXPECT_EQ(text(d->controlText(dialog::kindTextId)), "<No source>");
    EXPECT_EQ(to(*d)->count(), 0);
    EXPECT_FALSE(d->isControlEnabled(dialog::copyId));
}

TEST_F(copyRegisterSources, CopyAsksBeforeReplacingSources)
{
    auto d = opened<dialog>();
    pick(from(*d), {"Flow1"});
    pick(to(*d), {"Flow2", "Flow4"});
    d->sendCommand(dialog::copyId);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text, "The source was copied to 2 registers.");
    EXPECT_EQ(reg("Flow4")->sourceTypeCode(), 6);
    EXPECT_NE(written(*reg("Flow4")).find("10.0.0.2"), std::string::npos);
    EXPECT_EQ(stationState().modified, 1);

    stationState().modified = 0;
    pick(to(*d), {"Flow3"});
    d->sendCommand(dialog::copyId); // Cancel
    EXPECT_EQ(user.lastMessage().promptId, 10267);
    EXPECT_NE(written(*reg("Flow3")).find("10.0.0.3"), std::string::npos);
    EXPECT_EQ(stationState().modified, 0);

    // The From register among the targets is counted and left alone.
    pick(to(*d), {"Flow1", "Flow3"});
    user.answers.push_back(ganswer::ok);
    d->sendCommand(dialog::copyId);
    EXPECT_NE(written(*reg("Flow3")).find("10.0.0.2"), std::string::npos);
    EXPECT_NE(written(*reg("Flow1")).find("10.0.0.2"), std::string::npos);
    EXPECT_EQ(user.lastMessage().text, "The source was copied to 2 registers.");
}

} // namespace
