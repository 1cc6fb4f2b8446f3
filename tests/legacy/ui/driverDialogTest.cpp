#include "legacy/ui/CEditLegacyCommandDialog.h"
#include "legacy/ui/CEditLegacyDriverDialog.h"
#include "legacy/ui/CLegacyDriverPane.h"
#include "legacyDialogFixture.h"

#include <QListWidget>
#include <QTabBar>

namespace {

using D = CEditLegacyDriverDialog;
using Pane = CLegacyDriverPane;

struct registerSource : greferrer {
    void describeReferrer(gstr& text) const override { text.append("The register R1"); }
};

class driverDialog : public legacyDialogTest {
protected:
    void SetUp() override
    {
        legacyDialogTest::SetUp();
        mask("M");
        meter = driver("Meter", "DELAY 0.25\nPREFIX \"\\x02\"\nRESPONSE r, M\nRESPONSE s, M\nMESSAGE m, M, a\n"
                                "COMMAND c, C, r\nREPLY a, A");
    }

    glegacyDriver* run(glegacyDriver* source, glegacyDriver* target)
    {
        D dialog(source, target, nullptr);
        return dialog.DoModal() == IDOK ? dialog.driver() : nullptr;
    }
    static D& owner(CDialog& d) { return static_cast<D&>(d); }
    static std::vector<std::string> rows(const CDialog& pane, int id)
    {
        std::vector<std::string> out;
        auto* list = pane.controlAs<QListWidget>(id);
        for (int i = 0; i < list->count(); ++i)
            out.push_back(list->item(i)->text().toStdString());
        return out;
    }
    static void select(CDialog& pane, int id, const char* text)
    {
        auto* list = pane.controlAs<QListWidget>(id);
        auto found = list->findItems(QString::fromLatin1(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text;
        list->setCurrentItem(found[0]);
    }

    glegacyDriver* meter = nullptr;
};

TEST_F(driverDialog, NewDriverNeedsAFreeTagAndSoundFields)
{
    station::legacyDrivers().define("Taken");
    struct row {
        int field;
        const char* text;
        const char* message;
    };
    const row refused[] = {
        {D::delayId, "-0.5", "Please enter a delay of at least 0s."},
        {D::delayId, "", "Please enter a delay of at least 0s."},
        {D::delayId, "4294967.295", "Please enter a delay of at least 0s."},
        {D::prefixId, "a{", "The prefix is not a valid regular expression"},
        {D::suffixId, "(", "The suffix is not a valid regular expression"},
        {D::errorPatternId, "x*", "The error pattern is not a valid regular expression"},
        {D::tagId, "Taken", "A driver with this tag already exsits. Please enter a different tag."},
    };
    user.scripts.push_back([&refused](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Device Driver");
        EXPECT_EQ(d.controlText(D::delayId).view(), "0");
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        EXPECT_FALSE(d.isControlEnabled(D::replaceId));
        EXPECT_FALSE(d.isControlEnabled(D::checksumId));
        EXPECT_TRUE(d.hasFocus(D::tagId));
        d.setControlText(D::tagId, "Gauge");
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        for (const row& r : refused) {
            gstr before = d.controlText(r.field);
            d.setControlText(r.field, r.text);
            d.sendCommand(IDOK);
            EXPECT_FALSE(d.hasEnded()) << r.text;
            EXPECT_TRUE(d.hasFocus(r.field)) << r.text;
            d.setControlText(r.field, r.field == D::tagId ? gstr("Gauge") : before);
        }
        d.setControlText(D::delayId, "1.2345");
        d.setControlText(D::suffixId, "\\r");
        d.setControlText(D::nameId, "Gauge");
        d.sendCommand(IDOK);
    });
    glegacyDriver* made = run(nullptr, nullptr);
    ASSERT_NE(made, nullptr);
    std::vector<std::string> expected;
    for (const row& r : refused)
        expected.emplace_back(r.message);
    EXPECT_EQ(messageTexts(), expected);
    EXPECT_EQ(station::legacyDrivers().find("Gauge"), made);
    EXPECT_EQ(made->getDelay().get(), 1234u);
    EXPECT_EQ(writtenBlock(*made), "DRIVER Gauge\n\tDELAY\t\t1.234\n\tSUFFIX\t\t\"\\r\"\nEND\n");
}

TEST_F(driverDialog, EditShowsTheDriverAndWritesBackOnlyOnOk)
{
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Device Driver");
        EXPECT_TRUE(isReadOnly(d, D::tagId));
        EXPECT_TRUE(d.hasFocus(D::nameId));
        EXPECT_EQ(d.controlText(D::nameId).view(), "Meter");
        EXPECT_EQ(d.controlText(D::delayId).view(), "0.25");
        EXPECT_EQ(d.controlText(D::prefixId).view(), "\\x02");
        Pane& polling = owner(d).pane(0);
        Pane& unsolicited = owner(d).pane(1);
        EXPECT_EQ(rows(polling, Pane::responsesId), (std::vector<std::string>{"r", "s"}));
        EXPECT_EQ(rows(polling, Pane::commandsId), (std::vector<std::string>{"c"}));
        EXPECT_EQ(rows(unsolicited, Pane::responsesId), (std::vector<std::string>{"m"}));
        EXPECT_EQ(rows(unsolicited, Pane::commandsId), (std::vector<std::string>{"a"}));
        EXPECT_EQ(unsolicited.controlText(Pane::responsesLabelId).view(), "&Messages:");
        EXPECT_EQ(unsolicited.controlText(Pane::commandsLabelId).view(), "&Replies:");
        EXPECT_FALSE(polling.isControlEnabled(Pane::editResponseId));
        EXPECT_TRUE(d.isControlEnabled(D::replaceId));
        EXPECT_TRUE(d.isControlEnabled(D::checksumId));

        // Deleting in the pane changes only the working copies.
        select(polling, Pane::responsesId, "s");
        EXPECT_TRUE(polling.isControlEnabled(Pane::deleteResponseId));
        polling.sendCommand(Pane::deleteResponseId);
        EXPECT_EQ(rows(polling, Pane::responsesId), (std::vector<std::string>{"r"}));
        EXPECT_EQ(polling.selectedItem(Pane::responsesId), 0);
        d.setControlText(D::prefixId, "");
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(run(meter, meter), nullptr);
    EXPECT_NE(meter->responses().find("s"), nullptr);
    EXPECT_TRUE(meter->prefix().isSet());

    user.scripts.push_back([](CDialog& d) {
        Pane& polling = owner(d).pane(0);
        select(polling, Pane::responsesId, "s");
        polling.sendCommand(Pane::deleteResponseId);
        d.setControlText(D::prefixId, "");
        d.setControlText(D::nameId, "");
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(run(meter, meter), meter);
    EXPECT_EQ(meter->responses().find("s"), nullptr);
    EXPECT_EQ(writtenBlock(*meter), "DRIVER Meter\n\tDELAY\t\t0.25\n\tMESSAGE\t\tm, M, a\n\tRESPONSE\tr, M\n"
                                    "\tREPLY\t\ta, A\n\tCOMMAND\t\tc, C, r\nEND\n");
}

// An entry that others use stays: inside the driver until the user lets go,
// outside the driver while the driver is edited.
TEST_F(driverDialog, UsedEntriesCannotBeDeleted)
{
    registerSource source;
    gusesList uses(&source);
    uses.add(meter->responses().find("r")->usedBy());
    user.scripts.push_back([](CDialog& d) {
        Pane& polling = owner(d).pane(0);
        select(polling, Pane::responsesId, "r");
        polling.sendCommand(Pane::deleteResponseId);
        EXPECT_EQ(rows(polling, Pane::responsesId), (std::vector<std::string>{"r", "s"}));
        Pane& unsolicited = owner(d).pane(1);
        select(unsolicited, Pane::commandsId, "a");
        unsolicited.sendCommand(Pane::deleteCommandId);
        d.sendCommand(IDCANCEL);
    });
    run(meter, meter);
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{"You cannot delete this item because it is used by the following:\n"
                                        "\nThe command c\nThe register R1",
                                        "You cannot delete this item because it is used by the following:\n"
                                        "\nThe message m"}));

    // The command lets go of its response; the register source still holds
    // it. Without that source the response goes.
    user.messages.clear();
    user.scripts.push_back([](CDialog& d) {
        Pane& polling = owner(d).pane(0);
        select(polling, Pane::commandsId, "c");
        polling.sendCommand(Pane::editCommandId);
    });
    user.scripts.push_back([](CDialog& e) {
        EXPECT_EQ(e.windowTitle(), "Edit Command");
        pick(e, CEditLegacyCommandDialog::responseId, "<None>");
        e.sendCommand(IDOK);
    });
    user.scripts.push_back([&uses](CDialog& d) {
        Pane& polling = owner(d).pane(0);
        select(polling, Pane::responsesId, "r");
        polling.sendCommand(Pane::deleteResponseId);
        EXPECT_EQ(rows(polling, Pane::responsesId).size(), 2u);
        uses.clear();
        polling.sendCommand(Pane::deleteResponseId);
        EXPECT_EQ(rows(polling, Pane::responsesId), (std::vector<std::string>{"s"}));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(run(meter, meter), meter);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"You cannot delete this item because it is used by the "
                                                        "following:\n\nThe register R1"}));
    EXPECT_EQ(meter->responses().find("r"), nullptr);
    EXPECT_TRUE(meter->commands().find("c")->getResponseName().isNull());
}

TEST_F(driverDialog, DuplicateCopiesEveryEntryUnderANewTag)
{
    meter->setTitle("");
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Device Driver");
        EXPECT_EQ(d.controlText(D::tagId).view(), "Meter");
        EXPECT_EQ(d.controlText(D::nameId).view(), "");
        EXPECT_FALSE(isReadOnly(d, D::tagId));
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        d.setControlText(D::tagId, "Meter2");
        d.sendCommand(IDOK);
    });
    glegacyDriver* copy = run(meter, nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getTag().view(), "Meter2");
    std::string original = writtenBlock(*meter);
    std::string duplicate = writtenBlock(*copy);
    EXPECT_EQ(duplicate.substr(duplicate.find('\n')), original.substr(original.find('\n')));
    EXPECT_EQ(copy->commands().find("c")->getResponse(), copy->responses().find("r"));
    EXPECT_EQ(usersOf(copy->responses().find("r")->usedBy()), "\nThe command c in device driver Meter2");
}

TEST_F(driverDialog, NewEntriesEnableTheButtonsAndTheTabIsRemembered)
{
    glegacyDriver* empty = driver("Empty", "");
    user.scripts.push_back([](CDialog& d) {
        EXPECT_FALSE(d.isControlEnabled(D::replaceId));
        d.controlAs<QTabBar>(D::tabId)->setCurrentIndex(1);
        Pane& unsolicited = owner(d).pane(1);
        EXPECT_FALSE(unsolicited.isHidden());
        EXPECT_TRUE(owner(d).pane(0).isHidden());
        unsolicited.sendCommand(Pane::newCommandId);
    });
    user.scripts.push_back([](CDialog& e) {
        EXPECT_EQ(e.windowTitle(), "New Reply");
        e.setControlText(CEditLegacyCommandDialog::tagId, "ack");
        e.sendCommand(IDOK);
    });
    user.scripts.push_back([](CDialog& d) {
        Pane& unsolicited = owner(d).pane(1);
        EXPECT_EQ(rows(unsolicited, Pane::commandsId), (std::vector<std::string>{"ack"}));
        EXPECT_TRUE(unsolicited.isControlEnabled(Pane::editCommandId));
        EXPECT_TRUE(d.isControlEnabled(D::replaceId));
        EXPECT_TRUE(d.isControlEnabled(D::checksumId));
        unsolicited.sendCommand(Pane::deleteCommandId);
        EXPECT_FALSE(unsolicited.isControlEnabled(Pane::editCommandId));
        EXPECT_FALSE(d.isControlEnabled(D::checksumId));
        d.sendCommand(IDCANCEL);
    });
    run(empty, empty);
    EXPECT_EQ(profileInt("Dialogs\\Edit Driver", "ActivePane", 0), 1);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlAs<QTabBar>(D::tabId)->currentIndex(), 1);
        EXPECT_FALSE(owner(d).pane(1).isHidden());
    });
    run(empty, empty);
}

} // namespace
