#include "legacy/ui/CEditLegacyCommandDialog.h"
#include "legacy/ui/CEditLegacyResponseDialog.h"
#include "legacy/ui/objectItems.h"
#include "legacyDialogFixture.h"

namespace {

using C = CEditLegacyCommandDialog;
using R = CEditLegacyResponseDialog;

// The working tables of an Edit Legacy Driver dialog, filled by hand.
class entryDialogs : public legacyDialogTest {
protected:
    void SetUp() override
    {
        legacyDialogTest::SetUp();
        m1 = mask("M1", "Numbers");
        m2 = mask("M2", "Numbers");
        r = responses.define("r");
        r->set(m1, glegacyResponse::responseMarker());
        responses.define("alpha")->set(m2, glegacyResponse::responseMarker());
        a = commands.define("a");
        a->set("\x06", glegacyCommand::replyMarker());
    }

    glegacyCommand* runCommand(bool replySide, glegacyCommand* source, glegacyCommand* target)
    {
        C dialog(commands, responses, replySide, source, target, nullptr);
        return dialog.DoModal() == IDOK ? dialog.entry() : nullptr;
    }
    glegacyResponse* runResponse(bool messageSide, glegacyResponse* source, glegacyResponse* target)
    {
        R dialog(commands, responses, messageSide, source, target, nullptr);
        return dialog.DoModal() == IDOK ? dialog.entry() : nullptr;
    }

    glegacyCommandTable commands{glegacyDriver::tableBuckets};
    glegacyResponseTable responses{glegacyDriver::tableBuckets};
    glegacyMask* m1 = nullptr;
    glegacyMask* m2 = nullptr;
    glegacyResponse* r = nullptr;
    glegacyCommand* a = nullptr;
};

TEST_F(entryDialogs, NewCommandChoosesAResponseOrNone)
{
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Command");
        EXPECT_EQ(items(d, C::responseId), (std::vector<std::string>{"<None>", "alpha", "r"}));
        EXPECT_EQ(d.controlText(C::responseId).view(), "<None>");
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.setControlText(C::tagId, "a");
        d.setControlText(C::stringId, "R\\r");
        d.sendCommand(IDOK);
        EXPECT_TRUE(d.hasFocus(C::tagId));
        d.setControlText(C::tagId, "read");
        d.sendCommand(IDOK);
    });
    glegacyCommand* made = runCommand(false, nullptr, nullptr);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(user.lastMessage().text,
              "A command or reply with this tag already exsists in this driver. Please specify a different tag.");
    EXPECT_EQ(made->getKind(), glegacyCommand::command);
    EXPECT_TRUE(made->getResponseName().isNull());
    EXPECT_EQ(made->getString().view(), "R\r");

    // Edited: the response named is selected; another one is chosen.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Command");
        EXPECT_TRUE(isReadOnly(d, C::tagId));
        EXPECT_TRUE(d.hasFocus(C::stringId));
        pick(d, C::responseId, "r");
        d.sendCommand(IDOK);
    });
    ASSERT_EQ(runCommand(false, made, made), made);
    EXPECT_EQ(made->getResponseName().view(), "r");
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(C::responseId).view(), "r");
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(runCommand(false, made, made), nullptr);
}

// A message named a reply not made yet: the new reply takes its place.
TEST_F(entryDialogs, NewReplyFillsThePlaceholderAMessageLeft)
{
    glegacyCommand* placeholder = commands.reference("ack");
    responses.define("m")->set(m1, placeholder);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Reply");
        EXPECT_EQ(d.control(C::responseId), nullptr);
        d.setControlText(C::tagId, "ack");
        d.setControlText(C::stringId, "\\x06");
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(runCommand(true, nullptr, nullptr), placeholder);
    EXPECT_EQ(placeholder->getKind(), glegacyCommand::reply);
    EXPECT_TRUE(placeholder->isDefined());
}

TEST_F(entryDialogs, ChecksumButtonsAndDisplayModes)
{
    struct row {
        const char* text;
        int button;
        const char* shown;
    };
    const row rows[] = {
        {"abc", C::printableId, "abc("},
        {"\\x80", C::printableId, "\\x80D"},
        {"abc", C::lrcId, "abc`"},
        {"abc", C::modulo256Id, "abc&"},
    };
    for (const row& x : rows) {
        SCOPED_TRACE(x.shown);
        user.scripts.push_back([&x](CDialog& d) {
            d.setControlText(C::stringId, x.text);
            d.sendCommand(x.button);
            EXPECT_EQ(d.controlText(C::stringId).view(), x.shown);
            d.sendCommand(IDCANCEL);
        });
        runCommand(false, nullptr, nullptr);
    }
    EXPECT_EQ(C::signedPrintableChecksum("\x80"), '\x44');

    // A malformed escape refuses the switch to hex; in hex the checksum is
    // shown in hex, and the mode is kept for the next dialog.
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(C::stringId, "\\x4");
        d.sendCommand(1434);
        EXPECT_TRUE(d.isChecked(1435));
        EXPECT_FALSE(d.isChecked(1434));
        d.setControlText(C::stringId, "ab");
        d.sendCommand(1434);
        EXPECT_TRUE(d.isChecked(1434));
        d.sendCommand(C::lrcId);
        EXPECT_EQ(d.controlText(C::stringId).view(), "61 62 03");
        d.sendCommand(IDCANCEL);
    });
    runCommand(false, nullptr, nullptr);
    EXPECT_EQ(user.lastMessage().text, "The string entered is not a valid C-Style string.");
    EXPECT_EQ(profileInt("Dialogs\\Edit Command", "HexMode", 0), 1);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_TRUE(d.isChecked(1434));
        EXPECT_EQ(d.controlText(C::stringId).view(), "06");
        d.setControlText(C::stringId, "0G");
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(runCommand(true, a, a), nullptr);
    EXPECT_EQ(a->getString().view(), "\x06");
}

TEST_F(entryDialogs, ResponseAndMessageChooseMaskAndReply)
{
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Message");
        // Two masks with one title are two items.
        EXPECT_EQ(items(d, R::maskId), (std::vector<std::string>{"Numbers", "Numbers"}));
        EXPECT_EQ(items(d, R::replyId), (std::vector<std::string>{"<None>", "a"}));
        EXPECT_EQ(d.selectedItem(R::maskId), 0);
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.setControlText(R::tagId, "r");
        d.selectItem(R::maskId, 1);
        pick(d, R::replyId, "a");
        d.sendCommand(IDOK);
        EXPECT_TRUE(d.hasFocus(R::tagId));
        d.setControlText(R::tagId, "alarm");
        d.sendCommand(IDOK);
    });
    glegacyResponse* made = runResponse(true, nullptr, nullptr);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(user.lastMessage().text,
              "A response or message with this tag already exsists in this driver. Please enter a different tag.");
    EXPECT_EQ(made->getKind(), glegacyResponse::message);
    EXPECT_EQ(made->getReplyName().view(), "a");
    glegacyMask* chosen = made->getMask();
    EXPECT_TRUE(chosen == m1 || chosen == m2);

    user.scripts.push_back([chosen](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Message");
        EXPECT_TRUE(isReadOnly(d, R::tagId));
        EXPECT_TRUE(d.hasFocus(R::maskId));
        EXPECT_EQ(d.controlText(R::replyId).view(), "a");
        EXPECT_EQ(itemObject(*d.controlAs<QComboBox>(R::maskId), d.selectedItem(R::maskId)), chosen);
        pick(d, R::replyId, "<None>");
        d.sendCommand(IDOK);
    });
    ASSERT_EQ(runResponse(true, made, made), made);
    EXPECT_TRUE(made->getReplyName().isNull());
    EXPECT_EQ(made->getKind(), glegacyResponse::message);
    EXPECT_TRUE(a->usedBy().isUnused());
}

TEST_F(entryDialogs, ResponseWithoutAnyMaskIsCancelled)
{
    station::legacyMasks().deleteAll();
    EXPECT_EQ(runResponse(false, nullptr, nullptr), nullptr);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"You haven't created any masks yet."}));
    EXPECT_EQ(responses.count(), 2);
}

} // namespace
