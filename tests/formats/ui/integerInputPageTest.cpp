#include "formats/gintegerInputFormat.h"
#include "formats/gintegerType.h"
#include "formats/ui/CIntegerInputFormatPage.h"
#include "platform/recordingResponder.h"
#include "support/ui/pageHost.h"

#include <gtest/gtest.h>

namespace {

using page = CIntegerInputFormatPage;

struct integerInputPage : testing::Test {
    pageHost host;
    page p;
    recordingResponder user;

    void create(const gintegerInputFormat* format, int variant = 0)
    {
        p.create(host, pageHost::placeholderId, format, variant);
    }
    int lastPrompt() const { return user.messages.empty() ? 0 : user.messages.back().promptId; }
};

TEST_F(integerInputPage, PlacedOverThePlaceholderInEitherForm)
{
    create(nullptr, 1);
    EXPECT_EQ(p.templateId(), 794);
    EXPECT_EQ(p.parentWidget(), &host);
    EXPECT_EQ(p.pos(), host.control(pageHost::placeholderId)->pos());
    QPoint at = p.pos();
    p.moveTo(12);
    EXPECT_EQ(p.pos(), at + QPoint(0, 12));
    p.moveTo(0);
    EXPECT_EQ(p.pos(), at);

    page narrow;
    narrow.create(host, pageHost::placeholderId, nullptr, 0);
    EXPECT_EQ(narrow.templateId(), 740);
}

TEST_F(integerInputPage, DefaultsAndTheirRecord)
{
    create(nullptr);
    EXPECT_EQ(p.itemText(page::encodingId, p.selectedItem(page::encodingId)).view(), "Decimal");
    EXPECT_EQ(p.itemCount(page::encodingId), 8);
    EXPECT_FALSE(p.isChecked(page::fixedWidthId));
    EXPECT_FALSE(p.isControlEnabled(page::widthFieldId));
    EXPECT_EQ(p.controlText(page::widthFieldId).view(), "1");
    EXPECT_TRUE(p.isChecked(page::leadingSpacesId));
    EXPECT_TRUE(p.isChecked(page::trailingSpacesId));
    EXPECT_FALSE(p.isControlEnabled(page::leadingSpacesId));

    gintegerInputFormat format;
    ASSERT_TRUE(p.apply(format));
    EXPECT_EQ(format.type(), gintegerType::decimal);
    EXPECT_EQ(format.width(), 0);
    EXPECT_TRUE(format.leading().isNull());
    EXPECT_TRUE(format.trailing().isNull());
    EXPECT_TRUE(format.isValid());
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(integerInputPage, ShowsADecimalRecordWithTrailingSpaces)
{
    gintegerInputFormat format;
    format.setType(gintegerType::decimal);
    format.setWidth(4);
    format.setTrailing(" ");
    create(&format);
    EXPECT_TRUE(p.isChecked(page::fixedWidthId));
    EXPECT_EQ(p.controlText(page::widthFieldId).view(), "4");
    EXPECT_FALSE(p.isChecked(page::skipLeadingId));
    EXPECT_TRUE(p.isChecked(page::leadingSpacesId));
    EXPECT_FALSE(p.isControlEnabled(page::leadingSpacesId));
    EXPECT_TRUE(p.isChecked(page::allowTrailingId));
    EXPECT_TRUE(p.isChecked(page::trailingSpacesId));
    EXPECT_TRUE(p.isControlEnabled(page::trailingSpacesId));

    gintegerInputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.width(), 4);
    EXPECT_EQ(out.trailing().view(), " ");
    EXPECT_TRUE(out.leading().isNull());
}

TEST_F(integerInputPage, CharacterSetsRoundTripEscaped)
{
    gintegerInputFormat format;
    format.setType(gintegerType::hex);
    format.setWidth(6);
    format.setLeading(gstrSlice("\t#\\", 3));
    format.setTrailing("");
    create(&format, 1);
    EXPECT_TRUE(p.isChecked(page::leadingTheseId));
    EXPECT_EQ(p.controlText(page::leadingFieldId).view(), "\\t#\\\\");
    EXPECT_TRUE(p.isChecked(page::trailingAnyId));

    gintegerInputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.leading().view(), std::string_view("\t#\\", 3));
    EXPECT_EQ(out.trailing().view(), "");
    EXPECT_FALSE(out.trailing().isNull());
}

TEST_F(integerInputPage, RefusesBadCharacterSets)
{
    create(nullptr);
    clickButton(p, page::skipLeadingId);
    clickButton(p, page::leadingTheseId);
    EXPECT_TRUE(p.isControlEnabled(page::leadingFieldId));
    gintegerInputFormat out;
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10543);
    EXPECT_EQ(user.lastMessage().text, "Please enter all the characters allowed as leading characters.");

    p.setControlText(page::leadingFieldId, "\\x4");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10545);

    p.setControlText(page::leadingFieldId, "ab");
    clickButton(p, page::fixedWidthId);
    p.setControlText(page::widthFieldId, "3");
    clickButton(p, page::allowTrailingId);
    clickButton(p, page::trailingTheseId);
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10544);
    p.setControlText(page::trailingFieldId, "\\xG");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10546);
    p.setControlText(page::trailingFieldId, "-");
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.leading().view(), "ab");
    EXPECT_EQ(out.trailing().view(), "-");
}

TEST_F(integerInputPage, EncodingChangesTheWidth)
{
    create(nullptr);
    p.selectItem(page::encodingId, 0); // Byte
    EXPECT_TRUE(p.isChecked(page::fixedWidthId));
    EXPECT_EQ(p.controlText(page::widthFieldId).view(), "1");
    EXPECT_FALSE(p.isControlEnabled(page::skipLeadingId));
    p.setControlText(page::widthFieldId, "2");
    gintegerInputFormat out;
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10529);
    EXPECT_TRUE(p.hasFocus(page::widthFieldId));

    p.setControlText(page::widthFieldId, "7");
    p.selectItem(page::encodingId, 1); // Multibyte (lo-hi)
    EXPECT_EQ(p.controlText(page::widthFieldId).view(), "4");
    p.setControlText(page::widthFieldId, "5");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10528);

    p.selectItem(page::encodingId, 3); // BCD
    clickButton(p, page::fixedWidthId);
    EXPECT_FALSE(p.isChecked(page::fixedWidthId));
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10530);

    clickButton(p, page::fixedWidthId);
    p.setControlText(page::widthFieldId, "");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10524);
    p.setControlText(page::widthFieldId, "9");
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.type(), gintegerType::bcd);
    EXPECT_EQ(out.width(), 9);
    EXPECT_TRUE(out.isValid());
}

TEST_F(integerInputPage, BinaryEncodingsTakeNoCharacterSets)
{
    gintegerInputFormat format;
    format.setType(gintegerType::decimal);
    format.setWidth(3);
    format.setLeading("");
    format.setTrailing("x");
    create(&format);
    p.selectItem(page::encodingId, 2); // Multibyte (hi-lo)
    gintegerInputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.type(), gintegerType::multibyteHiLo);
    EXPECT_EQ(out.width(), 3);
    EXPECT_TRUE(out.leading().isNull());
    EXPECT_TRUE(out.trailing().isNull());
    EXPECT_TRUE(out.isValid());
}

TEST_F(integerInputPage, SignedRecordShowsItsUnsignedTwin)
{
    gintegerInputFormat format;
    format.setType(gintegerType::signedByte);
    format.setWidth(1);
    create(&format);
    EXPECT_EQ(p.itemText(page::encodingId, p.selectedItem(page::encodingId)).view(), "Byte");
    gintegerInputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.type(), gintegerType::byte);
}

} // namespace
