#include "foundation/gregexp.h"
#include "g2driver/editor/CValuePatternsPage.h"
#include "g2driver/editor/CValueStringsPage.h"
#include "g2driver/model/gvalueStringMap.h"
#include "g2driver/model/gvalueStringTable.h"
#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "support/ui/pageHost.h"
#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>

namespace {

struct valueStringsPage : testing::Test {
    temporarySettings store;
    pageHost host;
    recordingResponder user;
    CValueStringsPage page;

    void createWith(std::initializer_list<uint32_t> values)
    {
        gvalueStringTable table;
        for (uint32_t v : values)
            table.entries()[v] = gstr("s");
        page.create(host, pageHost::placeholderId, &table, 0);
    }
    // The New, Duplicate or Edit dialog, filled and confirmed.
    void answerDialog(const char* value, const char* string, std::string* title = nullptr,
                      std::string* proposed = nullptr)
    {
        user.scripts.push_back([=](CDialog& d) {
            EXPECT_EQ(d.templateId(), 768);
            if (title)
                *title = d.windowTitle().toStdString();
            if (proposed)
                *proposed = std::string(d.controlText(CEditValueStringDialog::valueId).view());
            if (value)
                d.setControlText(CEditValueStringDialog::valueId, value);
            if (string)
                d.setControlText(CEditValueStringDialog::stringId, string);
            d.sendCommand(IDOK);
        });
    }
};

TEST_F(valueStringsPage, RowsShowEscapedBytesAndApplyKeepsThem)
{
    gvalueStringTable table;
    table.entries()[3] = gstr(gstrSlice("ON\r", 3));
    table.entries()[4] = gstr("a,\"b\\");
    table.setDefaultString("other");
    page.create(host, pageHost::placeholderId, &table, 1);
    EXPECT_EQ(page.templateId(), 891);
    EXPECT_EQ(page.itemText(CValueListPage::listId, 0).view(), "3\tON\\r");
    EXPECT_EQ(page.itemText(CValueListPage::listId, 1).view(), "4\ta,\"b\\\\");
    EXPECT_FALSE(page.isControlEnabled(CValueListPage::editId));

    page.selectItem(CValueListPage::listId, 0);
    EXPECT_TRUE(page.isControlEnabled(CValueListPage::editId));
    std::string title;
    answerDialog(nullptr, nullptr, &title);
    page.sendCommand(CValueListPage::editId);
    EXPECT_EQ(title, "Edit Value String");
    EXPECT_TRUE(user.messages.empty());

    gvalueStringTable out;
    ASSERT_TRUE(page.apply(out));
    EXPECT_EQ(out.entries().at(3).view(), std::string_view("ON\r", 3));
    EXPECT_EQ(out.entries().at(4).view(), "a,\"b\\");
    EXPECT_EQ(out.defaultString().view(), "other");
}

TEST_F(valueStringsPage, NextFreeValueFollowsTheSelectedRun)
{
    createWith({});
    EXPECT_EQ(page.nextFreeValue(), 0u);
    CValueStringsPage other;
    gvalueStringTable table;
    for (uint32_t v : {0u, 1u, 2u, 5u})
        table.entries()[v] = gstr("x");
    other.create(host, pageHost::placeholderId, &table, 0);
    EXPECT_EQ(other.nextFreeValue(), 3u);
    other.selectItem(CValueListPage::listId, 3);
    EXPECT_EQ(other.nextFreeValue(), 6u);
    EXPECT_EQ(other.findValue(5, true), -1);
    EXPECT_EQ(other.findValue(5, false), 3);
}

TEST_F(valueStringsPage, NewDuplicateAndReplace)
{
    createWith({5, 9});
    page.selectItem(CValueListPage::listId, 0);
    std::string proposed;
    answerDialog("7", nullptr, nullptr, &proposed);
    page.sendCommand(CValueListPage::duplicateId);
    EXPECT_EQ(proposed, "6");
    ASSERT_EQ(page.rowCount(), 3);
    EXPECT_EQ(page.rowValue(1), 7u);
    EXPECT_EQ(page.selectedItem(CValueListPage::listId), 1);

    // A value already listed asks first; No keeps the dialog open.
    user.answers.push_back(ganswer::no);
    answerDialog("9", "new");
    user.scripts.push_back([](CDialog& d) { d.sendCommand(IDCANCEL); });
    page.sendCommand(CValueListPage::newId);
    EXPECT_EQ(user.lastMessage().promptId, 10592);
    EXPECT_EQ(page.rowEntry(2).view(), "s");

    user.answers.push_back(ganswer::yes);
    answerDialog("9", "new");
    page.sendCommand(CValueListPage::newId);
    ASSERT_EQ(page.rowCount(), 3);
    EXPECT_EQ(page.rowEntry(2).view(), "new");

    // Editing a row without changing its value asks nothing.
    size_t asked = user.messages.size();
    page.selectItem(CValueListPage::listId, 0);
    answerDialog(nullptr, "changed");
    page.sendCommand(CValueListPage::editId);
    EXPECT_EQ(user.messages.size(), asked);
    EXPECT_EQ(page.rowEntry(0).view(), "changed");

    page.sendCommand(CValueListPage::deleteId);
    EXPECT_EQ(page.rowCount(), 2);
    EXPECT_EQ(page.selectedItem(CValueListPage::listId), 0);
}

TEST_F(valueStringsPage, RefusalsOfTheEntryDialogAndThePage)
{
    createWith({});
    gvalueStringTable out;
    EXPECT_FALSE(page.apply(out));
    EXPECT_EQ(user.lastMessage().promptId, 10590);

    user.scripts.push_back([](CDialog& d) {
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.setControlText(CEditValueStringDialog::stringId, "x");
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.setControlText(CEditValueStringDialog::valueId, "");
        d.sendCommand(IDOK);
        d.setControlText(CEditValueStringDialog::valueId, "2");
        d.setControlText(CEditValueStringDialog::stringId, "\\x");
        d.sendCommand(IDOK);
        d.sendCommand(IDCANCEL);
    });
    page.sendCommand(CValueListPage::newId);
    ASSERT_EQ(user.messages.size(), 3u);
    EXPECT_EQ(user.messages[1].promptId, 10082);
    EXPECT_EQ(user.messages[2].promptId, 10051);
    EXPECT_EQ(page.rowCount(), 0);
}

TEST_F(valueStringsPage, HexModeSwitchesWithTheEntryDialogAndIsSaved)
{
    {
        CValueStringsPage p;
        gvalueStringTable table;
        table.setDefaultString("AB");
        p.create(host, pageHost::placeholderId, &table, 0);
        user.scripts.push_back([](CDialog& d) {
            d.setControlText(CEditValueStringDialog::stringId, "A");
            d.controlAs<QAbstractButton>(CDataFormatPage::showAsHexId)->click();
            EXPECT_EQ(d.controlText(CEditValueStringDialog::stringId).view(), "41");
            d.sendCommand(IDOK);
        });
        p.sendCommand(CValueListPage::newId);
        EXPECT_EQ(p.hexMode(), 1);
        EXPECT_TRUE(p.isChecked(CDataFormatPage::showAsHexId));
        EXPECT_EQ(p.controlText(CValueStringsPage::defaultFieldId).view(), "41 42");
        EXPECT_EQ(p.rowEntry(0).view(), "A");
    }
    EXPECT_EQ(profileInt("Dialogs\\Edit G2Driver", "HexMode", -1), 1);
}

struct valuePatternsPage : testing::Test {
    pageHost host;
    recordingResponder user;
    CValuePatternsPage page;
};

TEST_F(valuePatternsPage, PatternsRoundTripAndBadOnesAreRefused)
{
    gvalueStringMap map;
    gregexp on(false);
    ASSERT_EQ(on.parse("ON", true, false), 1);
    map.set(1, on);
    page.create(host, pageHost::placeholderId, &map, 1);
    EXPECT_EQ(page.templateId(), 795);
    EXPECT_EQ(page.itemText(CValueListPage::listId, 0).view(), "1\tON");

    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 769);
        EXPECT_EQ(d.controlText(CEditValuePatternDialog::valueId).view(), "2");
        d.setControlText(CEditValuePatternDialog::patternId, "[OF");
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        // A pattern that may match nothing would not load again.
        d.setControlText(CEditValuePatternDialog::patternId, "X*");
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        d.setControlText(CEditValuePatternDialog::patternId, "OFF|0");
        d.sendCommand(IDOK);
    });
    page.sendCommand(CValueListPage::newId);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].promptId, 10593);

    gvalueStringMap out;
    ASSERT_TRUE(page.apply(out));
    ASSERT_EQ(out.entries().size(), 2u);
    EXPECT_TRUE(out.entries().at(1) == on);
    gstr source("");
    out.entries().at(2).toString(source, true);
    EXPECT_EQ(source.view(), "OFF|0");

    CValuePatternsPage empty;
    empty.create(host, pageHost::placeholderId, nullptr, 0);
    EXPECT_FALSE(empty.apply(out));
    EXPECT_EQ(user.lastMessage().promptId, 10594);
}

} // namespace
