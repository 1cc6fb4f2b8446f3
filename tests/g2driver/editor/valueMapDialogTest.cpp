#include "g2driver/editor/CEditValueMapDialog.h"
#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "support/ui/temporarySettings.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using entryDialog = CValueMapEntryDialog;

class valueMapDialog : public testing::Test {
protected:
    void add(uint32_t source, uint32_t object)
    {
        auto* entry = new gvalueMapEntry;
        entry->key = static_cast<int32_t>(source);
        entry->value = static_cast<int32_t>(object);
        ASSERT_EQ(map.insert(entry), 1);
    }
    static std::vector<std::string> lines(const CEditValueMapDialog& d)
    {
        std::vector<std::string> out;
        auto* list = d.controlAs<QTreeWidget>(CEditValueMapDialog::listId);
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            out.push_back((item->text(0) + " " + item->text(1)).toStdString());
        }
        return out;
    }
    static void select(CEditValueMapDialog& d, int row)
    {
        auto* list = d.controlAs<QTreeWidget>(CEditValueMapDialog::listId);
        list->setCurrentItem(list->topLevelItem(row));
    }
    // The next entry dialog: the script, then OK.
    void thenOk(std::function<void(CDialog&)> script)
    {
        user.scripts.push_back([script](CDialog& e) {
            script(e);
            if (!e.hasEnded())
                e.sendCommand(IDOK);
        });
    }

    temporarySettings settings;
    recordingResponder user;
    gsortedList<gvalueMapEntry> map;
};

TEST_F(valueMapDialog, LinesSortBySignedDifferenceInEitherColumn)
{
    add(1, 20);
    add(4294967295u, 10);
    CEditValueMapDialog d(map, nullptr);
    d.ensureInitialized();
    EXPECT_EQ(lines(d), (std::vector<std::string>{"4294967295 10", "1 20"}));
    EXPECT_FALSE(d.isControlEnabled(CEditValueMapDialog::modifyId));
    d.setSortColumn(1);
    EXPECT_EQ(lines(d), (std::vector<std::string>{"4294967295 10", "1 20"}));
    select(d, 1);
    EXPECT_TRUE(d.isControlEnabled(CEditValueMapDialog::removeId));
    d.sendCommand(CEditValueMapDialog::removeId);
    d.sendCommand(CEditValueMapDialog::removeId);
    EXPECT_TRUE(lines(d).empty());
    EXPECT_FALSE(d.isControlEnabled(CEditValueMapDialog::modifyId));
    EXPECT_FALSE(d.isControlEnabled(CEditValueMapDialog::removeId));
    d.sendCommand(IDCANCEL);
    EXPECT_NE(map.find(1), nullptr);
}

// Values more than half the range apart still order as signed numbers.
TEST_F(valueMapDialog, FarApartValuesOrderAsSignedNumbers)
{
    add(2147483647u, 1);
    add(2147483649u, 3000000000u);
    add(0, 2147483647u);
    CEditValueMapDialog d(map, nullptr);
    d.ensureInitialized();
    EXPECT_EQ(lines(d), (std::vector<std::string>{"2147483649 3000000000", "0 2147483647", "2147483647 1"}));
    d.setSortColumn(1);
    EXPECT_EQ(lines(d), (std::vector<std::string>{"2147483649 3000000000", "2147483647 1", "0 2147483647"}));
    d.sendCommand(IDCANCEL);
}

TEST_F(valueMapDialog, AddProposesTheNextFreeValueAndAsksBeforeReplacing)
{
    add(0, 7);
    add(1, 8);
    add(5, 9);
    {
        CEditValueMapDialog d(map, nullptr);
        d.ensureInitialized();
        select(d, 0);
        EXPECT_EQ(d.nextFreeSourceValue(), 2u);
        thenOk([](CDialog& e) {
            EXPECT_EQ(e.controlText(entryDialog::sourceId).view(), "2");
            e.setControlText(entryDialog::objectId, "x");
        });
        user.scripts.push_back([](CDialog& e) { e.sendCommand(IDCANCEL); });
        d.sendCommand(CEditValueMapDialog::addId);
        EXPECT_EQ(user.messages.back().promptId, 10669);

        // Source 5 is taken: No keeps the entry dialog open, Yes replaces.
        user.answers.push_back(ganswer::no);
        user.answers.push_back(ganswer::yes);
        thenOk([](CDialog& e) {
            e.setControlText(entryDialog::sourceId, "5");
            e.setControlText(entryDialog::objectId, "3");
            e.sendCommand(IDOK);
            EXPECT_FALSE(e.hasEnded());
        });
        d.sendCommand(CEditValueMapDialog::addId);
        EXPECT_EQ(lines(d), (std::vector<std::string>{"0 7", "1 8", "5 3"}));

        // Modify keeps its own source value without asking.
        select(d, 0);
        user.messages.clear();
        thenOk([](CDialog& e) {
            EXPECT_EQ(e.windowTitle().toStdString(), "Change Value Map Entry");
            e.setControlText(entryDialog::objectId, "70");
        });
        d.sendCommand(CEditValueMapDialog::modifyId);
        EXPECT_TRUE(user.messages.empty());
        d.sendCommand(IDOK);
    }
    ASSERT_NE(map.find(0), nullptr);
    EXPECT_EQ(map.find(0)->value, 70);
    EXPECT_EQ(map.find(5)->value, 3);
    EXPECT_EQ(profileInt("Dialogs\\Edit G2Driver", "ValueMapSortColumn", -1), 0);
}

// The replace question comes for a source value held by any entry, the
// first row's as much as the last's.
TEST_F(valueMapDialog, AddingATakenSourceValueAsksWhicheverRowHoldsIt)
{
    add(0, 7);
    add(1, 8);
    add(5, 9);
    CEditValueMapDialog d(map, nullptr);
    d.ensureInitialized();
    for (const char* source : {"0", "1", "5"}) {
        SCOPED_TRACE(source);
        user.messages.clear();
        user.scripts.push_back([source](CDialog& e) {
            e.setControlText(entryDialog::sourceId, source);
            e.sendCommand(IDOK); // answered No
            EXPECT_FALSE(e.hasEnded());
            e.sendCommand(IDCANCEL);
        });
        d.sendCommand(CEditValueMapDialog::addId);
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].promptId, 10667);
    }
    EXPECT_EQ(lines(d), (std::vector<std::string>{"0 7", "1 8", "5 9"}));
    d.sendCommand(IDCANCEL);
}

} // namespace
