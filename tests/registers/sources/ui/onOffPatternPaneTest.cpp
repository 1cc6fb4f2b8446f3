#include "formats/gonOffPatterns.h"
#include "platform/recordingResponder.h"
#include "registers/sources/ui/COnOffPatternPane.h"
#include "support/ui/pageHost.h"

#include <gtest/gtest.h>

namespace {

using pane = COnOffPatternPane;

gstr source(const gregexp& pattern)
{
    gstr text("");
    pattern.toString(text, true);
    return text;
}

TEST(onOffPatternPane, FormsAndRoundTrip)
{
    pageHost host;
    recordingResponder user;
    int templates[][2] = {{0, 744}, {1, 793}, {-1, 892}, {7, 892}};
    for (auto [form, id] : templates) {
        pane p;
        p.create(host, pageHost::placeholderId, nullptr, form);
        EXPECT_EQ(p.templateId(), id);
    }

    gonOffPatterns patterns;
    ASSERT_EQ(patterns.onPattern().parse("ON", true, false), 1);
    ASSERT_EQ(patterns.offPattern().parse("OFF", true, false), 1);
    pane p;
    p.create(host, pageHost::placeholderId, &patterns, -1);
    EXPECT_EQ(p.controlText(pane::onFieldId).view(), "ON");
    EXPECT_EQ(p.controlText(pane::offFieldId).view(), "OFF");
    p.setControlText(pane::onFieldId, "1|T");
    gonOffPatterns out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(source(out.onPattern()).view(), "1|T");
    EXPECT_EQ(source(out.offPattern()).view(), "OFF");
    EXPECT_TRUE(out.isComplete());
}

TEST(onOffPatternPane, OffFirstAndNothingStoredOnARefusal)
{
    pageHost host;
    recordingResponder user;
    pane p;
    p.create(host, pageHost::placeholderId, nullptr, 0);
    struct {
        const char* on;
        const char* off;
        int message;
        int focus;
    } cases[] = {
        {"", "", 10551, pane::offFieldId},
        {"", "(", 10553, pane::offFieldId},
        {"", "0", 10552, pane::onFieldId},
        {"[", "0", 10554, pane::onFieldId},
        // Neither may match nothing.
        {"1?", "0", 10554, pane::onFieldId},
    };
    gonOffPatterns out;
    for (const auto& c : cases) {
        p.setControlText(pane::onFieldId, c.on);
        p.setControlText(pane::offFieldId, c.off);
        EXPECT_FALSE(p.apply(out)) << c.on << " " << c.off;
        EXPECT_EQ(user.lastMessage().promptId, c.message);
        EXPECT_TRUE(p.hasFocus(c.focus));
        EXPECT_FALSE(out.offPattern().isSet());
    }
}

} // namespace
