#include "legacy/ui/CAddChecksumDialog.h"
#include "legacy/ui/CDriverReplaceDialog.h"
#include "legacy/ui/CDriverReplacePages.h"
#include "legacyDialogFixture.h"

#include <QTabBar>

namespace {

using R = CDriverReplaceDialog;
using K = CAddChecksumDialog;

class replaceDialogs : public legacyDialogTest {
protected:
    glegacyCommand* command(const char* name, const gstrSlice& bytes, glegacyResponse* counterpart = nullptr)
    {
        glegacyCommand* c = commands.define(name);
        c->set(bytes, counterpart);
        return c;
    }
    glegacyResponse* response(const char* name, glegacyMask* mask, glegacyCommand* counterpart)
    {
        glegacyResponse* r = responses.define(name);
        r->set(mask, counterpart);
        return r;
    }
    // Runs the Search and Replace dialog on the page: the script sets its
    // controls, then Replace All is pressed and the dialog closed.
    void replaceOn(int page, const std::function<void(CDialog&)>& set)
    {
        user.scripts.push_back([page, set](CDialog& d) {
            d.controlAs<QTabBar>(R::tabId)->setCurrentIndex(page);
            CDriverReplacePage& shown = static_cast<R&>(d).page(page);
            set(shown);
            EXPECT_TRUE(d.isControlEnabled(R::replaceAllId));
            d.sendCommand(R::replaceAllId);
            d.sendCommand(IDCANCEL);
        });
        R dialog(commands, responses, nullptr);
        dialog.DoModal();
    }
    void checksum(const std::function<void(CDialog&)>& set)
    {
        user.scripts.push_back([set](CDialog& d) {
            set(d);
            d.sendCommand(IDCANCEL);
        });
        K dialog(commands, nullptr);
        dialog.DoModal();
    }

    glegacyCommandTable commands{glegacyDriver::tableBuckets};
    glegacyResponseTable responses{glegacyDriver::tableBuckets};
};

TEST_F(replaceDialogs, AddressIsWrittenWhereTheStringIsLongEnough)
{
    glegacyCommand* strings[] = {command("e", ""), command("one", "a"), command("three", "abc")};
    replaceOn(0, [](CDialog& p) {
        p.setControlText(CReplaceAddressPage::addressId, "\\x01");
        p.setControlText(CReplaceAddressPage::offsetId, "0");
    });
    EXPECT_EQ(user.lastMessage().text, "2 command strings were modified.");
    EXPECT_EQ(user.lastMessage().icon, gicon::information);
    EXPECT_EQ(strings[0]->getString().view(), "");
    EXPECT_EQ(strings[1]->getString().view(), "\x01");
    EXPECT_EQ(strings[2]->getString().view(), "\x01" "bc");
    EXPECT_EQ(profileString("Dialogs\\Driver Replace", "Address", "").view(), "\\x01");
    EXPECT_EQ(profileInt("Dialogs\\Driver Replace", "ActivePane", 0), 0);

    // Reopened with the saved address, now in hex, at an offset too far.
    replaceOn(0, [](CDialog& p) {
        EXPECT_EQ(p.controlText(CReplaceAddressPage::addressId).view(), "\\x01");
        p.sendCommand(1434);
        EXPECT_EQ(p.controlText(CReplaceAddressPage::addressId).view(), "01");
        p.setControlText(CReplaceAddressPage::offsetId, "3");
    });
    EXPECT_EQ(user.lastMessage().text,
              "The address could not be changed because all command strings are too short.");
    EXPECT_EQ(profileInt("Dialogs\\Driver Replace", "AddressHexMode", 0), 1);
    EXPECT_EQ(profileInt("Dialogs\\Driver Replace", "AddressOffset", 0), 3);
}

TEST_F(replaceDialogs, StringsAreReplacedAndReportedWithEscapes)
{
    glegacyCommand* twice = command("twice", "abxab");
    glegacyCommand* once = command("once", "ab");
    replaceOn(1, [](CDialog& p) {
        EXPECT_TRUE(p.isChecked(CReplaceStringPage::onlyFirstId));
        p.setChecked(CReplaceStringPage::onlyFirstId, false);
        p.setControlText(CReplaceStringPage::searchId, "ab");
        p.setControlText(CReplaceStringPage::replacementId, "Q");
    });
    EXPECT_EQ(user.lastMessage().text, "\"ab\" was replaced in 2 strings.");
    EXPECT_EQ(twice->getString().view(), "QxQ");
    EXPECT_EQ(once->getString().view(), "Q");

    replaceOn(1, [](CDialog& p) {
        EXPECT_FALSE(p.isChecked(CReplaceStringPage::onlyFirstId));
        p.setControlText(CReplaceStringPage::searchId, "\\x05\\\\\"");
    });
    EXPECT_EQ(user.lastMessage().text, " \"\\x05\\\\\"\" could not be found in any string.");
    EXPECT_EQ(user.lastMessage().icon, gicon::warning);

    replaceOn(1, [](CDialog& p) {
        p.setChecked(CReplaceStringPage::onlyFirstId, true);
        p.setControlText(CReplaceStringPage::searchId, "Q");
        p.setControlText(CReplaceStringPage::replacementId, "");
    });
    EXPECT_EQ(user.lastMessage().text, "\"Q\" was replaced in 2 strings.");
    EXPECT_EQ(twice->getString().view(), "xQ");
    EXPECT_EQ(profileInt("Dialogs\\Driver Replace", "OnlyOnce", 0), 1);
    EXPECT_EQ(profileInt("Dialogs\\Driver Replace", "ActivePane", 0), 1);
}

TEST_F(replaceDialogs, ResponsesMasksAndRepliesAreExchanged)
{
    glegacyMask* m1 = mask("m1");
    glegacyMask* m2 = mask("m2", "Second");
    glegacyResponse* r = response("r", m1, glegacyResponse::responseMarker());
    response("s", m2, glegacyResponse::responseMarker());
    glegacyCommand* a = command("a", "A", glegacyCommand::replyMarker());
    glegacyResponse* m = response("m", m1, a);
    glegacyCommand* c = command("c", "C", r);
    glegacyCommand* bare = command("bare", "B");

    replaceOn(2, [](CDialog& p) {
        EXPECT_EQ(items(p, 1407), (std::vector<std::string>{"<None>", "r", "s"}));
        pick(p, 1407, "r");
        pick(p, 1408, "s");
    });
    EXPECT_EQ(user.lastMessage().text, "The response r was replaced in one command.");
    EXPECT_EQ(c->getResponseName().view(), "s");
    EXPECT_EQ(profileString("Dialogs\\Driver Replace", "Response1", "").view(), "r");

    // No response searched: the commands without one, not the replies.
    replaceOn(2, [](CDialog& p) {
        EXPECT_EQ(p.controlText(1407).view(), "r");
        pick(p, 1407, "<None>");
        pick(p, 1408, "r");
    });
    EXPECT_EQ(user.lastMessage().text, "The response <None> was replaced in one command.");
    EXPECT_EQ(bare->getResponseName().view(), "r");
    EXPECT_EQ(a->getKind(), glegacyCommand::reply);

    replaceOn(3, [](CDialog& p) {
        EXPECT_EQ(items(p, 1316), (std::vector<std::string>{"m1", "Second"}));
        pick(p, 1316, "m1");
        pick(p, 1317, "Second");
    });
    EXPECT_EQ(user.lastMessage().text, "The mask m1 was replaced in 2 responses.");
    EXPECT_EQ(m->getMask(), m2);
    EXPECT_TRUE(m1->usedBy().isUnused());
    replaceOn(3, [](CDialog& p) { pick(p, 1316, "m1"); });
    EXPECT_EQ(user.lastMessage().text, "The mask \"m1 is not used by any responses.");
    EXPECT_EQ(profileString("Dialogs\\Driver Replace", "Mask2", "").view(), "m2");

    replaceOn(4, [](CDialog& p) {
        EXPECT_EQ(items(p, 1687), (std::vector<std::string>{"<None>", "a"}));
        pick(p, 1687, "a");
        pick(p, 1688, "<None>");
    });
    EXPECT_EQ(user.lastMessage().text, "The reply a was replaced in one message.");
    EXPECT_TRUE(m->getReplyName().isNull());
    EXPECT_EQ(m->getKind(), glegacyResponse::message);
    EXPECT_EQ(profileString("Dialogs\\Driver Replace", "Reply2", "x").view(), "");
    replaceOn(4, [](CDialog& p) { pick(p, 1687, "a"); });
    EXPECT_EQ(user.lastMessage().text, "The reply a is not used by any messages.");
}

TEST_F(replaceDialogs, PagesWithoutEntriesToChangeStayDisabled)
{
    mask("m1");
    command("c", "C");
    user.scripts.push_back([](CDialog& d) {
        auto* tabs = d.controlAs<QTabBar>(R::tabId);
        bool expected[] = {false, false, false, false, false};
        for (int page = 0; page < R::pageCount; ++page) {
            tabs->setCurrentIndex(page);
            EXPECT_EQ(d.isControlEnabled(R::replaceAllId), expected[page]) << page;
        }
        tabs->setCurrentIndex(1);
        static_cast<R&>(d).page(1).setControlText(CReplaceStringPage::searchId, "C");
        EXPECT_TRUE(d.isControlEnabled(R::replaceAllId));
        d.sendCommand(IDCANCEL);
    });
    R dialog(commands, responses, nullptr);
    dialog.DoModal();
}

TEST_F(replaceDialogs, ChecksumsAreAddedOrChanged)
{
    glegacyCommand* abc = command("abc", "abc");
    glegacyCommand* a = command("a", "a", glegacyCommand::replyMarker());
    checksum([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Add/Change Checksum");
        EXPECT_TRUE(d.isChecked(K::lrcId));
        EXPECT_FALSE(d.isControlEnabled(K::offsetId));
        EXPECT_FALSE(d.isControlEnabled(K::excludeSizeId));
        d.sendCommand(K::addId);
    });
    EXPECT_EQ(user.lastMessage().text, "One checksum was added.");
    EXPECT_EQ(user.lastMessage().icon, gicon::information);
    EXPECT_EQ(abc->getString().view(), "abc\x60");
    EXPECT_EQ(a->getString().view(), "a");

    // Printable, over "abc" and written over the last byte.
    abc->set("abcX", nullptr);
    checksum([](CDialog& d) {
        d.checkRadioButton(K::lrcId, K::modulus256Id, K::printableId);
        d.setChecked(K::replaceId, true);
        d.sendCommand(K::replaceId);
        EXPECT_TRUE(d.isControlEnabled(K::offsetId));
        d.setControlText(K::offsetId, "");
        d.sendCommand(K::addId);
        EXPECT_TRUE(d.hasFocus(K::offsetId));
        d.setControlText(K::offsetId, "0");
        d.sendCommand(K::addId);
    });
    EXPECT_EQ(messageTexts().at(1), "Please enter a number for the position of the checksum to be replaced.");
    EXPECT_EQ(user.lastMessage().text, "One checksum was modified.");
    EXPECT_EQ(abc->getString().view(), "abc\x28");
    EXPECT_EQ(profileInt("Dialogs\\Checksum", "Type", 0), 2);
    EXPECT_EQ(profileInt("Dialogs\\Checksum", "Replace", 0), 1);

    // Excluding 0 bytes is refused; closed so, the count is kept as 1 and
    // unchecked.
    checksum([](CDialog& d) {
        EXPECT_TRUE(d.isChecked(K::printableId));
        EXPECT_TRUE(d.isChecked(K::replaceId));
        d.setChecked(K::excludeId, true);
        d.sendCommand(K::excludeId);
        d.setControlText(K::excludeSizeId, "0");
        d.sendCommand(K::addId);
    });
    EXPECT_EQ(user.lastMessage().text, "Please enter a positive number of bytes to be excluded.");
    EXPECT_EQ(abc->getString().view(), "abc\x28");
    EXPECT_EQ(profileInt("Dialogs\\Checksum", "ExcludeSize", 0), 1);
    EXPECT_EQ(profileInt("Dialogs\\Checksum", "Exclude", 1), 0);

    // Modulus 256 appended twice after the first byte: the second covers
    // the first.
    abc->set("\x02\x10\x20", nullptr);
    checksum([](CDialog& d) {
        EXPECT_FALSE(d.isChecked(K::excludeId));
        EXPECT_EQ(d.controlText(K::excludeSizeId).view(), "1");
        d.checkRadioButton(K::lrcId, K::modulus256Id, K::modulus256Id);
        d.setChecked(K::replaceId, false);
        d.setChecked(K::excludeId, true);
        d.sendCommand(K::addId);
        d.sendCommand(K::addId);
    });
    EXPECT_EQ(abc->getString().view(), "\x02\x10\x20\x30\x60");
    EXPECT_EQ(a->getString().view(), "a");
    EXPECT_EQ(user.lastMessage().text, "One checksum was added.");

    commands.deleteAll();
    command("x", "x");
    checksum([](CDialog& d) { d.sendCommand(K::addId); });
    EXPECT_EQ(user.lastMessage().text,
              "No checksum could not be added because all command strings are too short.");
    EXPECT_EQ(user.lastMessage().icon, gicon::warning);
}

} // namespace
