#include "formats/gstringMatch.h"
#include "formats/ui/CStringMatchPage.h"
#include "platform/recordingResponder.h"
#include "support/ui/pageHost.h"

#include <gtest/gtest.h>

namespace {

using page = CStringMatchPage;

gstr source(const gregexp& pattern)
{
    gstr text("");
    pattern.toString(text, true);
    return text;
}

TEST(stringMatchPage, ShowsAndStoresTheThreePatterns)
{
    pageHost host;
    recordingResponder user;
    gstringMatch match;
    ASSERT_EQ(match.prefix().parse("\"V=\"", false, false), 1);
    ASSERT_EQ(match.pattern().parse("#+", false, false), 1);
    page p;
    p.create(host, pageHost::placeholderId, &match, 1);
    EXPECT_EQ(p.templateId(), 796);
    EXPECT_EQ(p.controlText(page::prefixId).view(), "V=");
    EXPECT_EQ(p.controlText(page::patternId).view(), "#+");
    EXPECT_EQ(p.controlText(page::suffixId).view(), "");

    p.setControlText(page::prefixId, "");
    p.setControlText(page::suffixId, "\\r");
    gstringMatch out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_FALSE(out.prefix().isSet());
    EXPECT_EQ(source(out.pattern()).view(), "#+");
    EXPECT_EQ(source(out.suffix()).view(), "\\r");
    EXPECT_TRUE(user.messages.empty());
}

TEST(stringMatchPage, RefusalsStoreNothing)
{
    pageHost host;
    recordingResponder user;
    page p;
    p.create(host, pageHost::placeholderId, nullptr, 0);
    EXPECT_EQ(p.templateId(), 738);
    gstringMatch out;
    ASSERT_EQ(out.pattern().parse("x", false, false), 1);

    struct {
        const char* prefix;
        const char* pattern;
        const char* suffix;
        int message;
        int focus;
    } cases[] = {
        {"[a", "x", "", 10547, page::prefixId},
        {"", "", "", 10549, page::patternId},
        {"a", "(b", "", 10550, page::patternId},
        {"a", "b", "c|", 10548, page::suffixId},
        // Prefix and suffix never match nothing: the loader would refuse them.
        {"a*", "b", "", 10547, page::prefixId},
    };
    for (const auto& c : cases) {
        p.setControlText(page::prefixId, c.prefix);
        p.setControlText(page::patternId, c.pattern);
        p.setControlText(page::suffixId, c.suffix);
        EXPECT_FALSE(p.apply(out)) << c.prefix << c.pattern << c.suffix;
        EXPECT_EQ(user.lastMessage().promptId, c.message);
        EXPECT_TRUE(p.hasFocus(c.focus));
        EXPECT_FALSE(out.prefix().isSet());
        EXPECT_EQ(source(out.pattern()).view(), "x");
    }
    EXPECT_EQ(user.messages[1].text, "Please enter a pattern.");
}

} // namespace
