#include "formats/gintegerType.h"
#include "formats/gnumberInputFormat.h"
#include "formats/ui/CNumberInputFormatPage.h"
#include "platform/recordingResponder.h"
#include "support/ui/pageHost.h"
#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>

namespace {

using page = CNumberInputFormatPage;

struct numberInputPage : testing::Test {
    temporarySettings store;
    pageHost host;
    page p;
    recordingResponder user;

    int lastPrompt() const { return user.messages.empty() ? 0 : user.messages.back().promptId; }
};

gnumberInputFormat decimalFormat()
{
    gnumberInputFormat format;
    format.setType(gintegerType::decimal);
    format.setSymbol(gnumberInputFormat::plusSign, gcharOption::makeNone());
    format.setSymbol(gnumberInputFormat::minusSign, gcharOption('-'));
    format.setSymbol(gnumberInputFormat::thousandsSeparator, gcharOption('\''));
    format.setSymbol(gnumberInputFormat::decimalMarker, gcharOption(','));
    format.setExponent("e", "e-");
    format.setDecimals(2);
    format.setLeading("");
    format.setMarkers(gcharOption('G'), gcharOption('L'));
    EXPECT_EQ(format.separator().parse(";", true, false), 1);
    format.afterLoad();
    return format;
}

TEST_F(numberInputPage, DefaultsGiveAValidDecimalFormat)
{
    p.create(host, pageHost::placeholderId, nullptr, 0);
    EXPECT_EQ(p.templateId(), 742);
    EXPECT_EQ(p.itemCount(page::encodingId), 11);
    EXPECT_EQ(p.itemText(page::encodingId, p.selectedItem(page::encodingId)).view(), "Decimal");
    EXPECT_TRUE(p.isChecked(page::plusBoxId));
    EXPECT_FALSE(p.isChecked(page::thousandsBoxId));
    EXPECT_FALSE(p.isControlEnabled(page::thousandsFieldId));
    EXPECT_EQ(p.controlText(page::positiveFieldId).view(), "E+");
    EXPECT_FALSE(p.isControlEnabled(page::positiveFieldId));
    EXPECT_EQ(p.control(page::greaterLessBoxId), nullptr);

    gnumberInputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_TRUE(out.isValid());
    EXPECT_TRUE(out.symbol(gnumberInputFormat::plusSign).is('+'));
    EXPECT_TRUE(out.symbol(gnumberInputFormat::thousandsSeparator).isNone());
    EXPECT_TRUE(out.symbol(gnumberInputFormat::decimalMarker).is('.'));
    EXPECT_TRUE(out.positiveExponent().isNull());
    EXPECT_EQ(out.decimals(), 0);
}

TEST_F(numberInputPage, ExtendedFormRoundTripsADecimalFormat)
{
    gnumberInputFormat format = decimalFormat();
    p.create(host, pageHost::placeholderId, &format, 1);
    EXPECT_EQ(p.templateId(), 844);
    EXPECT_FALSE(p.isChecked(page::plusBoxId));
    EXPECT_EQ(p.controlText(page::plusFieldId).view(), "+");
    EXPECT_EQ(p.controlText(page::thousandsFieldId).view(), "'");
    EXPECT_TRUE(p.isChecked(page::exponentBoxId));
    EXPECT_TRUE(p.isChecked(page::greaterLessBoxId));
    EXPECT_EQ(p.controlText(page::greaterFieldId).view(), "G");
    EXPECT_EQ(p.controlText(page::separatorFieldId).view(), ";");
    EXPECT_EQ(p.controlText(page::decimalsFieldId).view(), "2");
    EXPECT_TRUE(p.isChecked(page::leadingAnyId));

    gnumberInputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_TRUE(out.symbol(gnumberInputFormat::plusSign).isNone());
    EXPECT_TRUE(out.symbol(gnumberInputFormat::thousandsSeparator).is('\''));
    EXPECT_TRUE(out.symbol(gnumberInputFormat::decimalMarker).is(','));
    EXPECT_EQ(out.positiveExponent().view(), "e");
    EXPECT_EQ(out.negativeExponent().view(), "e-");
    EXPECT_EQ(out.decimals(), 2);
    EXPECT_TRUE(out.greaterMarker().is('G'));
    EXPECT_TRUE(out.lessMarker().is('L'));
    EXPECT_TRUE(out.separator() == format.separator());
    EXPECT_EQ(out.leading().view(), "");
    EXPECT_TRUE(out.isValid());

    p.enableSeparator(false);
    EXPECT_FALSE(p.isControlEnabled(page::separatorFieldId));
    p.setControlText(page::separatorFieldId, "(;");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10740);
}

TEST_F(numberInputPage, NarrowFormDropsMarkersAndSeparator)
{
    gnumberInputFormat format = decimalFormat();
    p.create(host, pageHost::placeholderId, &format, 0);
    gnumberInputFormat out = format;
    ASSERT_TRUE(p.apply(out));
    EXPECT_TRUE(out.greaterMarker().isNone());
    EXPECT_TRUE(out.lessMarker().isNone());
    EXPECT_FALSE(out.separator().isSet());
}

TEST_F(numberInputPage, BinaryEncodingsTakeNoSymbolsOrMarkers)
{
    gnumberInputFormat format = decimalFormat();
    p.create(host, pageHost::placeholderId, &format, 1);
    p.selectItem(page::encodingId, 9); // Binary
    EXPECT_FALSE(p.isControlEnabled(page::plusBoxId));
    EXPECT_TRUE(p.isControlEnabled(page::greaterLessBoxId));
    p.selectItem(page::encodingId, 3); // Multibyte (lo-hi, signed)
    EXPECT_FALSE(p.isControlEnabled(page::greaterLessBoxId));
    EXPECT_FALSE(p.isControlEnabled(page::greaterFieldId));
    gnumberInputFormat out = format;
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.type(), gintegerType::signedMultibyteLoHi);
    EXPECT_EQ(out.width(), 2);
    EXPECT_FALSE(out.hasSymbols());
    EXPECT_TRUE(out.positiveExponent().isNull());
    EXPECT_FALSE(out.greaterMarker().hasCharacter());
    EXPECT_TRUE(out.leading().isNull());
    EXPECT_TRUE(out.isValid());
}

TEST_F(numberInputPage, RefusalsAndTheirFields)
{
    p.create(host, pageHost::placeholderId, nullptr, 1);
    gnumberInputFormat out;
    clickButton(p, page::thousandsBoxId);
    EXPECT_TRUE(p.isControlEnabled(page::thousandsFieldId));
    p.setControlText(page::thousandsFieldId, "ab");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10521);
    EXPECT_TRUE(p.hasFocus(page::thousandsFieldId));
    p.setControlText(page::thousandsFieldId, "\\t");
    ASSERT_TRUE(p.apply(out));
    EXPECT_TRUE(out.symbol(gnumberInputFormat::thousandsSeparator).is('\t'));

    clickButton(p, page::greaterLessBoxId);
    p.setControlText(page::lessFieldId, "");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10700);

    p.setControlText(page::lessFieldId, "<");
    clickButton(p, page::exponentBoxId);
    p.setControlText(page::negativeFieldId, "");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10902);
    EXPECT_TRUE(p.hasFocus(page::negativeFieldId));

    p.setControlText(page::negativeFieldId, "E-");
    p.setControlText(page::decimalsFieldId, "");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10269);
    EXPECT_EQ(user.lastMessage().text, "Pleaser enter a number betweed 0 and 2147483647 for the implied decimals.");
}

TEST_F(numberInputPage, HexModeSwitchKeepsTextWhenAPrefixCannotBeRead)
{
    p.create(host, pageHost::placeholderId, nullptr, 0);
    clickButton(p, page::exponentBoxId);
    clickButton(p, 1434);
    EXPECT_EQ(p.controlText(page::positiveFieldId).view(), "45 2B");
    clickButton(p, 1435);
    p.setControlText(page::negativeFieldId, "\\xZ");
    clickButton(p, 1434);
    EXPECT_TRUE(p.isChecked(1435));
    EXPECT_EQ(p.controlText(page::positiveFieldId).view(), "E+");
    EXPECT_EQ(p.controlText(page::negativeFieldId).view(), "\\xZ");
}

} // namespace
