#include "g2driver/editor/CStringOutputFormatPage.h"
#include "g2driver/model/gstringOutputFormat.h"
#include "platform/recordingResponder.h"
#include "support/ui/pageHost.h"

#include <gtest/gtest.h>

namespace {

using page = CStringOutputFormatPage;

TEST(stringOutputFormatPage, DefaultsAreDisabledAndGiveNoWidth)
{
    pageHost host;
    recordingResponder user;
    page p;
    p.create(host, pageHost::placeholderId, nullptr);
    EXPECT_EQ(p.templateId(), 737);
    EXPECT_EQ(p.controlText(page::widthFieldId).view(), "1");
    EXPECT_FALSE(p.isControlEnabled(page::widthFieldId));
    EXPECT_FALSE(p.isControlEnabled(page::alignLeftId));
    EXPECT_FALSE(p.isControlEnabled(page::alignRightId));
    EXPECT_TRUE(p.isChecked(page::padSpacesId));
    EXPECT_TRUE(p.isChecked(page::alignLeftId));

    gstringOutputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.field().width, 0);
    EXPECT_EQ(out.field().alignment, 0);
    EXPECT_TRUE(out.replacement().isNone());
}

TEST(stringOutputFormatPage, RoundTripAndRefusals)
{
    pageHost host;
    recordingResponder user;
    gstringOutputFormat format;
    format.field().width = 8;
    format.field().alignment = gfieldWidth::right;
    format.field().pad.set('_');
    format.setReplacement(gcharOption('?'));
    page p;
    p.create(host, pageHost::placeholderId, &format);
    EXPECT_TRUE(p.isChecked(page::padCustomId));
    EXPECT_TRUE(p.isChecked(page::alignRightId));
    EXPECT_TRUE(p.isChecked(page::replaceBoxId));
    EXPECT_EQ(p.controlText(page::replaceFieldId).view(), "?");

    gstringOutputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.field().width, 8);
    EXPECT_TRUE(out.field().pad.is('_'));
    EXPECT_EQ(out.field().alignment, gfieldWidth::right);
    EXPECT_TRUE(out.replacement().is('?'));

    struct {
        int field;
        const char* text;
        int message;
    } cases[] = {
        {page::widthFieldId, "0", 10524},
        {page::padFieldId, "ab", 10523},
        {page::replaceFieldId, "", 10539},
        // A file takes only a printable replacement.
        {page::replaceFieldId, "\\t", 10539},
    };
    for (const auto& c : cases) {
        gstr kept = p.controlText(c.field);
        p.setControlText(c.field, c.text);
        EXPECT_FALSE(p.apply(out)) << c.text;
        EXPECT_EQ(user.lastMessage().promptId, c.message);
        EXPECT_TRUE(p.hasFocus(c.field));
        p.setControlText(c.field, kept);
    }
    p.setControlText(page::padFieldId, "\\t");
    ASSERT_TRUE(p.apply(out));
    EXPECT_TRUE(out.field().pad.is('\t'));
}

} // namespace
