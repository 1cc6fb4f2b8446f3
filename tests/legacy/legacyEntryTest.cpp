#include "legacyTestSupport.h"

#include <string>

namespace {

struct outsideUser : greferrer {
    void describeReferrer(gstr& text) const override { text.append("A register source"); }
};

class legacyEntryTest : public legacyStation {
protected:
    void SetUp() override
    {
        legacyStation::SetUp();
        m1 = mask("M1");
        m2 = mask("M2");
        driver = station::legacyDrivers().define("Meter");
        ASSERT_EQ(feedLines(*driver, "RESPONSE r, M1\nMESSAGE m, M2, a\nCOMMAND c, \"C\", r\nREPLY a, \"A\"\nEND"),
                  gload::finished);
    }

    glegacyMask* m1 = nullptr;
    glegacyMask* m2 = nullptr;
    glegacyDriver* driver = nullptr;
    glegacyCommandTable commands{glegacyDriver::tableBuckets};
    glegacyResponseTable responses{glegacyDriver::tableBuckets};
};

TEST_F(legacyEntryTest, SettersChooseKindAndCounterpart)
{
    glegacyResponse* r = responses.define("r");
    r->set(m1, glegacyResponse::responseMarker());
    EXPECT_EQ(r->getKind(), glegacyResponse::response);
    EXPECT_EQ(r->getDriver(), nullptr);
    glegacyCommand* c = commands.define("c");
    c->set("x", r);
    EXPECT_EQ(c->getKind(), glegacyCommand::command);
    EXPECT_EQ(c->getResponseName().view(), "r");
    EXPECT_EQ(usersOf(r->usedBy()), "\nThe command c");
    EXPECT_EQ(usersOf(m1->usedBy()), "\nThe response r in device driver Meter\nThe response r");

    c->set("y", nullptr);
    EXPECT_TRUE(c->getResponseName().isNull());
    EXPECT_TRUE(r->usedBy().isUnused());
    c->set("", glegacyCommand::replyMarker());
    EXPECT_EQ(c->getKind(), glegacyCommand::reply);
    EXPECT_TRUE(c->getString().isEmpty() && !c->getString().isNull());

    glegacyResponse* m = responses.define("m");
    m->set(m2, c);
    EXPECT_EQ(m->getKind(), glegacyResponse::message);
    EXPECT_EQ(usersOf(c->usedBy()), "\nThe message m");
    m->set(m2, nullptr);
    EXPECT_EQ(m->getKind(), glegacyResponse::message);
    EXPECT_TRUE(m->getReplyName().isNull());
    EXPECT_TRUE(c->usedBy().isUnused());
}

// The working tables go back into the driver by name: entries that stay
// keep their identity and their users outside the driver.
TEST_F(legacyEntryTest, AssignEntriesKeepsEntriesByName)
{
    glegacyCommand* ownC = driver->commands().find("c");
    glegacyResponse* ownR = driver->responses().find("r");
    outsideUser source;
    gusesList outside(&source);
    outside.add(ownR->usedBy());

    glegacyResponse* r = responses.define("r");
    r->set(m2, glegacyResponse::responseMarker());
    glegacyResponse* n = responses.define("n");
    n->set(m1, glegacyResponse::responseMarker());
    commands.define("c")->set("new", n);
    commands.define("d")->set("D", r);
    driver->assignEntries(commands, responses, gmilliseconds(1234));

    EXPECT_EQ(driver->commands().find("c"), ownC);
    EXPECT_EQ(driver->responses().find("r"), ownR);
    EXPECT_EQ(driver->commands().find("a"), nullptr);
    EXPECT_EQ(driver->responses().find("m"), nullptr);
    EXPECT_EQ(ownC->getString().view(), "new");
    EXPECT_EQ(ownC->getDriver(), driver);
    EXPECT_EQ(ownC->getResponse(), driver->responses().find("n"));
    EXPECT_EQ(ownR->getMask(), m2);
    EXPECT_EQ(usersOf(ownR->usedBy()), "\nThe command d in device driver Meter\nA register source");
    EXPECT_EQ(usersOf(m1->usedBy()), "\nThe response n\nThe response n in device driver Meter");
    EXPECT_EQ(writtenBlock(*driver), "DRIVER Meter\n\tDELAY\t\t1.234\n"
                                     "\tRESPONSE\tn, M1\n\tRESPONSE\tr, M2\n"
                                     "\tCOMMAND\t\tc, new, n\n\tCOMMAND\t\td, D, r\nEND\n");
}

TEST_F(legacyEntryTest, CopiesReachTheirDriversCounterparts)
{
    glegacyResponse* copyM = responses.define("m");
    copyM->set(m2, commands.reference("a"));
    commands.define("a")->set("A", glegacyCommand::replyMarker());
    glegacyResponse* own = driver->responses().find("m");
    own->copyFrom(*driver, *copyM);
    EXPECT_EQ(own->getReplyName().view(), "a");
    EXPECT_EQ(usersOf(driver->commands().find("a")->usedBy()), "\nThe message m in device driver Meter");
    // Each working copy links inside its own table.
    EXPECT_EQ(usersOf(commands.find("a")->usedBy()), "\nThe message m");
}

TEST_F(legacyEntryTest, ChecksumsAppendOrOverwrite)
{
    struct row {
        const char* bytes;
        int code;
        int offset;
        int exclude;
        int changed;
        std::string result;
    };
    const row rows[] = {
        {"abc", 2, -1, 0, 1, "abc\x60"},
        {"abc", 7, -1, 0, 1, "abc\x26"},
        {"abc", 8, -1, 0, 1, "abc\x28"},
        {"a", 2, -1, 0, 0, "a"},
        {"ab", 2, -1, 1, 0, "ab"},
        {"\x02\x10\x20", 7, -1, 1, 1, "\x02\x10\x20\x30"},
        {"abcX", 8, 0, 0, 1, "abc\x28"},
        {"axc", 7, 0, 1, 1, "axx"},
        {"ax", 7, 0, 1, 0, "ax"},
        {"abcXY", 2, 1, 0, 1, "abc\x60Y"},
        {"ab", 2, 5, 0, 0, "ab"},
        {"\x80", 8, -1, -1, 0, "\x80"},
        {"\x80\x80", 8, -1, 0, 1, "\x80\x80\x22"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.bytes);
        glegacyCommand* c = commands.reference("c");
        c->set(r.bytes, nullptr);
        EXPECT_EQ(c->applyChecksum(r.code, r.offset, r.exclude), r.changed);
        EXPECT_EQ(c->getString().view(), r.result);
    }
}

TEST_F(legacyEntryTest, AddressesAndTextsAreReplacedInStrings)
{
    glegacyCommand* c = commands.define("c");
    const char* strings[] = {"", "a", "abc"};
    int changed = 0;
    for (const char* s : strings) {
        c->set(s, nullptr);
        changed += c->overwriteAt("\x01", 0) ? 1 : 0;
    }
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(c->getString().view(), "\x01" "bc");
    EXPECT_TRUE(c->overwriteAt("XY", 1));
    EXPECT_EQ(c->getString().view(), "\x01XY");
    EXPECT_FALSE(c->overwriteAt("XY", 2));
    EXPECT_FALSE(c->overwriteAt("X", 4294967295u));

    c->set("abxab", nullptr);
    EXPECT_TRUE(c->replaceText("ab", "Q", true));
    EXPECT_EQ(c->getString().view(), "Qxab");
    EXPECT_TRUE(c->replaceText("ab", "Q", false));
    EXPECT_EQ(c->getString().view(), "QxQ");
    EXPECT_FALSE(c->replaceText("q", "Z", false));
    EXPECT_FALSE(c->replaceText("", "Z", false));
}

TEST_F(legacyEntryTest, ResponsesMasksAndRepliesAreExchanged)
{
    glegacyResponse* r = responses.define("r");
    r->set(m1, glegacyResponse::responseMarker());
    glegacyResponse* s = responses.define("s");
    s->set(m1, glegacyResponse::responseMarker());
    glegacyCommand* a = commands.define("a");
    a->set("A", glegacyCommand::replyMarker());
    glegacyCommand* c = commands.define("c");
    c->set("C", r);
    glegacyCommand* bare = commands.define("bare");
    bare->set("B", nullptr);
    glegacyResponse* m = responses.define("m");
    m->set(m2, a);

    EXPECT_TRUE(c->replaceResponse(r, s));
    EXPECT_EQ(c->getResponseName().view(), "s");
    EXPECT_TRUE(r->usedBy().isUnused());
    EXPECT_FALSE(c->replaceResponse(r, nullptr));
    // Searching for no response finds the commands without one, not replies.
    EXPECT_TRUE(bare->replaceResponse(nullptr, r));
    EXPECT_EQ(bare->getResponseName().view(), "r");
    EXPECT_FALSE(a->replaceResponse(nullptr, r));
    EXPECT_EQ(a->getKind(), glegacyCommand::reply);

    EXPECT_TRUE(m->replaceMask(m2, m1));
    EXPECT_EQ(usersOf(m2->usedBy()), "\nThe message m in device driver Meter");
    EXPECT_FALSE(r->replaceMask(m2, m1));

    EXPECT_TRUE(m->replaceReply(a, nullptr));
    EXPECT_TRUE(m->getReplyName().isNull());
    EXPECT_EQ(m->getKind(), glegacyResponse::message);
    EXPECT_TRUE(a->usedBy().isUnused());
    EXPECT_TRUE(m->replaceReply(nullptr, a));
    EXPECT_EQ(m->getReplyName().view(), "a");
    EXPECT_FALSE(r->replaceReply(nullptr, a));
}

} // namespace
