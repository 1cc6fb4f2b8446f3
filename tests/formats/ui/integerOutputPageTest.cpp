#include "formats/gintegerOutputFormat.h"
#include "formats/gintegerType.h"
#include "formats/ui/CIntegerOutputFormatPage.h"
#include "platform/recordingResponder.h"
#include "support/ui/pageHost.h"

#include <gtest/gtest.h>

namespace {

using page = CIntegerOutputFormatPage;

struct integerOutputPage : testing::Test {
    pageHost host;
    page p;
    recordingResponder user;

    int lastPrompt() const { return user.messages.empty() ? 0 : user.messages.back().promptId; }
};

TEST_F(integerOutputPage, DefaultsAndEnabling)
{
    p.create(host, pageHost::placeholderId, nullptr);
    EXPECT_EQ(p.templateId(), 735);
    EXPECT_EQ(p.selectedItem(page::encodingId), 4);
    EXPECT_TRUE(p.isChecked(page::padZerosId));
    EXPECT_TRUE(p.isChecked(page::alignRightId));
    EXPECT_TRUE(p.isChecked(page::capitalHexId));
    EXPECT_FALSE(p.isControlEnabled(page::capitalHexId));
    EXPECT_FALSE(p.isControlEnabled(page::padZerosId));

    clickButton(p, page::fixedWidthId);
    EXPECT_TRUE(p.isControlEnabled(page::padZerosId));
    EXPECT_FALSE(p.isControlEnabled(page::padFieldId));
    clickButton(p, page::padCustomId);
    EXPECT_TRUE(p.isControlEnabled(page::padFieldId));
    p.selectItem(page::encodingId, 5); // Hexadecimal
    EXPECT_TRUE(p.isControlEnabled(page::smallHexId));
    p.selectItem(page::encodingId, 3); // BCD
    EXPECT_FALSE(p.isControlEnabled(page::padZerosId));
    EXPECT_FALSE(p.isControlEnabled(page::smallHexId));
}

TEST_F(integerOutputPage, HexRecordRoundTrips)
{
    gintegerOutputFormat format;
    format.setType(gintegerType::hex);
    format.setHexCase('a');
    format.field().width = 4;
    format.field().alignment = gfieldWidth::left;
    format.field().pad.set('*');
    p.create(host, pageHost::placeholderId, &format);
    EXPECT_TRUE(p.isChecked(page::smallHexId));
    EXPECT_TRUE(p.isChecked(page::padCustomId));
    EXPECT_EQ(p.controlText(page::padFieldId).view(), "*");
    EXPECT_TRUE(p.isChecked(page::alignLeftId));

    gintegerOutputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.type(), gintegerType::hex);
    EXPECT_EQ(out.hexCase(), 'a');
    EXPECT_EQ(out.width(), 4);
    EXPECT_EQ(out.field().alignment, gfieldWidth::left);
    EXPECT_TRUE(out.field().pad.is('*'));
    EXPECT_TRUE(out.isComplete());
    EXPECT_EQ(out.encode(255).view(), "ff**");
}

TEST_F(integerOutputPage, CustomPaddingIsExactlyOneByte)
{
    p.create(host, pageHost::placeholderId, nullptr);
    clickButton(p, page::fixedWidthId);
    p.setControlText(page::widthFieldId, "5");
    clickButton(p, page::padCustomId);
    gintegerOutputFormat out;
    for (const char* refused : {"", "ab", "\\x4142", "\\x4"}) {
        p.setControlText(page::padFieldId, refused);
        EXPECT_FALSE(p.apply(out)) << refused;
        EXPECT_EQ(lastPrompt(), 10523);
        EXPECT_TRUE(p.hasFocus(page::padFieldId));
    }
    p.setControlText(page::padFieldId, "\\t");
    ASSERT_TRUE(p.apply(out));
    EXPECT_TRUE(out.field().pad.is('\t'));
    EXPECT_EQ(out.field().alignment, gfieldWidth::right);
}

TEST_F(integerOutputPage, BinaryEncodingsHaveNoAlignment)
{
    p.create(host, pageHost::placeholderId, nullptr);
    p.selectItem(page::encodingId, 2); // Multibyte (hi-lo)
    EXPECT_TRUE(p.isChecked(page::fixedWidthId));
    EXPECT_EQ(p.controlText(page::widthFieldId).view(), "2");
    gintegerOutputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.type(), gintegerType::multibyteHiLo);
    EXPECT_EQ(out.width(), 2);
    EXPECT_EQ(out.field().alignment, 0);
    EXPECT_TRUE(out.isComplete());

    clickButton(p, page::fixedWidthId);
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10528);
}

} // namespace
