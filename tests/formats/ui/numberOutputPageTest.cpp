#include "formats/gintegerType.h"
#include "formats/gnumberOutputFormat.h"
#include "formats/ui/CNumberOutputFormatPage.h"
#include "platform/recordingResponder.h"
#include "shell/CSpinEdit.h"
#include "support/ui/pageHost.h"
#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>

namespace {

using page = CNumberOutputFormatPage;

struct numberOutputPage : testing::Test {
    temporarySettings store;
    pageHost host;
    page p;
    recordingResponder user;

    int lastPrompt() const { return user.messages.empty() ? 0 : user.messages.back().promptId; }
};

TEST_F(numberOutputPage, DefaultsGiveACompleteDecimalFormat)
{
    p.create(host, pageHost::placeholderId, nullptr);
    EXPECT_EQ(p.templateId(), 734);
    EXPECT_EQ(p.selectedItem(page::encodingId), 7);
    EXPECT_EQ(p.selectedItem(page::alignmentId), 1);
    EXPECT_TRUE(p.isChecked(page::padZerosId));
    EXPECT_TRUE(p.isChecked(page::markerBoxId));
    EXPECT_FALSE(p.isControlEnabled(page::markerBoxId));
    EXPECT_EQ(p.controlText(page::digitsFieldId).view(), "2");

    gnumberOutputFormat out;
    ASSERT_TRUE(p.apply(out));
    out.afterLoad();
    EXPECT_TRUE(out.isComplete());
    EXPECT_EQ(out.format(-12.4).view(), "-12");
    EXPECT_EQ(out.format(3).view(), "3");
}

TEST_F(numberOutputPage, DecimalMarkerFollowsTheDecimals)
{
    p.create(host, pageHost::placeholderId, nullptr);
    gnumberOutputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_FALSE(out.decimalMarker().hasCharacter());

    p.setControlText(page::decimalsFieldId, "2");
    EXPECT_TRUE(p.isControlEnabled(page::markerBoxId));
    EXPECT_TRUE(p.isControlEnabled(page::markerFieldId));
    p.setControlText(page::markerFieldId, ",");
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.decimals(), 2);
    EXPECT_TRUE(out.decimalMarker().is(','));
    EXPECT_EQ(out.format(1.5).view(), "1,50");

    p.setControlText(page::decimalsFieldId, "x");
    EXPECT_FALSE(p.isControlEnabled(page::markerBoxId));
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10525);
}

TEST_F(numberOutputPage, RoundTripsADecimalFormatWithExponent)
{
    gnumberOutputFormat format;
    format.setType(gintegerType::decimal);
    format.setSymbol(gnumberOutputFormat::plusSign, gcharOption('+'));
    format.setSymbol(gnumberOutputFormat::minusSign, gcharOption('-'));
    format.setSymbol(gnumberOutputFormat::thousandsSeparator, gcharOption::makeNone());
    format.setDecimals(2, gcharOption('.'));
    format.setExponent(2, 1, "E+", "E-");
    format.field().width = 12;
    format.field().alignment = gfieldWidth::fullRight;
    format.field().pad.set(' ');
    ASSERT_TRUE(format.isComplete());
    p.create(host, pageHost::placeholderId, &format);
    EXPECT_TRUE(p.isChecked(page::exponentBoxId));
    EXPECT_TRUE(p.isChecked(page::padSpacesId));
    EXPECT_EQ(p.selectedItem(page::alignmentId), 2);
    EXPECT_FALSE(p.isChecked(page::thousandsBoxId));

    gnumberOutputFormat out;
    ASSERT_TRUE(p.apply(out));
    EXPECT_TRUE(out.isComplete());
    EXPECT_EQ(out.format(12345).view(), format.format(12345).view());
    EXPECT_EQ(out.format(12345).view(), "   +1.23E+04");
}

TEST_F(numberOutputPage, ExponentRefusals)
{
    p.create(host, pageHost::placeholderId, nullptr);
    clickButton(p, page::exponentBoxId);
    EXPECT_TRUE(p.isControlEnabled(page::mantissaFieldId));
    gnumberOutputFormat out;
    p.setControlText(page::digitsFieldId, "0");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10526);
    p.setControlText(page::digitsFieldId, "2");
    p.setControlText(page::mantissaFieldId, "");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10527);
    // No mantissa digits and no decimals would not load again.
    p.setControlText(page::mantissaFieldId, "0");
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10903);
    p.setControlText(page::decimalsFieldId, "1");
    ASSERT_TRUE(p.apply(out));
    EXPECT_TRUE(out.isComplete());
    EXPECT_EQ(out.exponentDigits(), 2);
    EXPECT_EQ(out.mantissaDigits(), 0);
}

TEST_F(numberOutputPage, FixedWidthMustHoldTheText)
{
    p.create(host, pageHost::placeholderId, nullptr);
    p.setControlText(page::decimalsFieldId, "2");
    clickButton(p, page::exponentBoxId);
    clickButton(p, page::fixedWidthId);
    p.setControlText(page::widthFieldId, "3");
    gnumberOutputFormat out;
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(lastPrompt(), 10531);
    EXPECT_TRUE(p.hasFocus(page::widthFieldId));
    p.setControlText(page::widthFieldId, "8");
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.field().alignment, gfieldWidth::right);
    EXPECT_TRUE(out.field().pad.is('0'));
}

TEST_F(numberOutputPage, ByteEncodingsAndBcd)
{
    p.create(host, pageHost::placeholderId, nullptr);
    p.selectItem(page::encodingId, 0); // Byte (unsigned)
    EXPECT_FALSE(p.isControlEnabled(page::plusBoxId));
    p.selectItem(page::encodingId, 6); // BCD
    EXPECT_TRUE(p.isChecked(page::fixedWidthId));
    auto* width = dynamic_cast<CNonNegativeSpinEdit*>(p.control(page::widthFieldId));
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->spin().maximum, 2147483647.0);
    p.setControlText(page::widthFieldId, "3");
    gnumberOutputFormat out;
    ASSERT_TRUE(p.apply(out));
    out.afterLoad();
    EXPECT_EQ(out.type(), gintegerType::bcd);
    EXPECT_EQ(out.field().alignment, 0);
    EXPECT_TRUE(out.isComplete());

    p.selectItem(page::encodingId, 8); // Hexadecimal
    EXPECT_TRUE(p.isControlEnabled(page::smallHexId));
    clickButton(p, page::smallHexId);
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.hexCase(), 'a');
    EXPECT_EQ(out.field().alignment, gfieldWidth::right);
    EXPECT_TRUE(out.isComplete());
    EXPECT_EQ(out.format(255).view(), "0ff");
}

} // namespace
