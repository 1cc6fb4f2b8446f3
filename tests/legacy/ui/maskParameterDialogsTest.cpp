#include "legacy/ui/CEditDataMaskDialog.h"
#include "legacy/ui/CEditLegacyParameterDialog.h"
#include "legacyDialogFixture.h"

namespace {

using maskDialog = legacyDialogTest;
using parameterDialog = legacyDialogTest;
using D = CEditDataMaskDialog;
using P = CEditLegacyParameterDialog;

glegacyMask* runMask(glegacyMask* source, glegacyMask* target)
{
    CEditDataMaskDialog dialog(source, target, nullptr);
    return dialog.DoModal() == IDOK ? dialog.mask() : nullptr;
}

TEST_F(maskDialog, NewMaskNeedsATagAndAPattern)
{
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Data Mask");
        EXPECT_EQ(d.controlText(D::bufferSizeId).view(), "40");
        EXPECT_EQ(d.controlText(D::timeoutId).view(), "1");
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        EXPECT_TRUE(d.hasFocus(D::tagId));
        d.setControlText(D::tagId, "Reading");
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        EXPECT_TRUE(d.hasFocus(D::patternId));
        d.setControlText(D::patternId, "#+");
        d.setControlText(D::nameId, "Reading");
        d.sendCommand(IDOK);
    });
    glegacyMask* made = runMask(nullptr, nullptr);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Please enter a pattern."}));
    EXPECT_EQ(station::legacyMasks().find("Reading"), made);
    EXPECT_FALSE(made->hasTitle());
    EXPECT_EQ(made->getBufferSize(), 40);
    EXPECT_EQ(made->getTimeout().get(), 1000u);
    EXPECT_FALSE(made->prefix().isSet());
    EXPECT_TRUE(made->isComplete());
}

TEST_F(maskDialog, RefusedFieldsKeepTheDialogOpenAndTheMaskUnchanged)
{
    struct row {
        int field;
        const char* text;
        const char* message;
    };
    const row rows[] = {
        {D::bufferSizeId, "0", "Please enter a buffer size between 1 and 2147483647."},
        {D::bufferSizeId, "", "Please enter a buffer size between 1 and 2147483647."},
        {D::timeoutId, "0.0005", "Please enter a timeout between 0.001 and 2147483s."},
        {D::timeoutId, "2147484", "Please enter a timeout between 0.001 and 2147483s."},
        {D::timeoutId, "x", "Please enter a timeout between 0.001 and 2147483s."},
        {D::prefixId, "a{", "The prefix is not a valid regular expression"},
        {D::patternId, "(a", "The pattern is not a valid regular expression"},
        {D::suffixId, "(", "The suffix is not a valid regular expression"},
        {D::errorPatternId, "a|", "The error pattern is not a valid regular expression"},
        {D::prefixId, "a*", "The prefix is not a valid regular expression"},
    };
    glegacyMask* m = mask("M", "Title");
    for (const row& r : rows) {
        SCOPED_TRACE(r.text);
        user.messages.clear();
        user.scripts.push_back([&r](CDialog& d) {
            d.setControlText(r.field, r.text);
            d.sendCommand(IDOK);
            EXPECT_FALSE(d.hasEnded());
            EXPECT_TRUE(d.hasFocus(r.field));
        });
        EXPECT_EQ(runMask(m, m), nullptr);
        EXPECT_EQ(messageTexts(), (std::vector<std::string>{r.message}));
    }
    EXPECT_EQ(writtenBlock(*m), "MASK M\n\tTITLE\t\tTitle\n\tPATTERN2\t#\n\tBUFFER_SIZE\t8\n\tTIMEOUT\t\t1\nEND\n");
}

TEST_F(maskDialog, EditDuplicateAndTakenTag)
{
    glegacyMask* m = mask("M");
    ASSERT_EQ(feedLines(*station::legacyMasks().define("E"), "PREFIX \"\\x02\"\nPATTERN2 a{2}\nSUFFIX x\n"
                                                             "ERROR_PATTERN2 NAK\nBUFFER_SIZE 9\nTIMEOUT 2.5\nEND"),
              gload::finished);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Data Mask");
        EXPECT_TRUE(isReadOnly(d, D::tagId));
        EXPECT_EQ(d.controlText(D::nameId).view(), "E");
        EXPECT_EQ(d.controlText(D::prefixId).view(), "\\x02");
        EXPECT_EQ(d.controlText(D::patternId).view(), "a{2}");
        EXPECT_EQ(d.controlText(D::timeoutId).view(), "2.5");
        EXPECT_TRUE(d.hasFocus(D::nameId));
        d.setControlText(D::nameId, "Echo");
        d.setControlText(D::suffixId, "");
        d.setControlText(D::timeoutId, "2147483.647");
        d.sendCommand(IDOK);
    });
    glegacyMask* e = station::legacyMasks().find("E");
    ASSERT_EQ(runMask(e, e), e);
    EXPECT_EQ(e->getTitle(false).view(), "Echo");
    EXPECT_FALSE(e->suffix().isSet());
    EXPECT_EQ(e->getTimeout().get(), 2147483647u);

    // Duplicate of an untitled mask: an empty name; the source's tag is taken.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Data Mask");
        EXPECT_EQ(d.controlText(D::tagId).view(), "M");
        EXPECT_EQ(d.controlText(D::nameId).view(), "");
        EXPECT_FALSE(isReadOnly(d, D::tagId));
        d.sendCommand(IDOK);
        EXPECT_TRUE(d.hasFocus(D::tagId));
        d.setControlText(D::tagId, "M2");
        d.sendCommand(IDOK);
    });
    glegacyMask* copy = runMask(m, nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(user.lastMessage().text, "A mask with this tag already exsits. Please enter a different tag.");
    EXPECT_EQ(copy->getTag().view(), "M2");
    EXPECT_EQ(copy->getBufferSize(), 8);
}

TEST_F(parameterDialog, DefaultValueShownAsTextOrHexAndKept)
{
    glegacyParameter* p = station::legacyParameters().define("Bell");
    p->setDefaultValue(gstrSlice("\x07" "a", 2));
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Parameter");
        EXPECT_EQ(d.controlText(P::defaultValueId).view(), "\\x07a");
        EXPECT_EQ(d.controlText(P::nameId).view(), "Bell");
        EXPECT_TRUE(d.isChecked(1435));
        d.sendCommand(1434);
        EXPECT_TRUE(d.isChecked(1434));
        EXPECT_EQ(d.controlText(P::defaultValueId).view(), "07 61");
        d.setControlText(P::defaultValueId, "07 100");
        d.sendCommand(1435);
        EXPECT_TRUE(d.isChecked(1434));
        EXPECT_FALSE(d.isChecked(1435));
        d.setControlText(P::defaultValueId, "07 00 2C");
        d.sendCommand(IDOK);
    });
    CEditLegacyParameterDialog dialog(p, p, nullptr);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.lastMessage().text, "The string contains a value greater than FF.");
    EXPECT_EQ(p->getDefaultValue().view(), std::string("\x07\0,", 3));
    EXPECT_FALSE(p->hasTitle());
    EXPECT_EQ(profileInt("Dialogs\\Edit Parameter", "HexMode", 0), 1);
    EXPECT_EQ(writtenBlock(*p), "PARAMETER Bell\n\tDEFAULT\t\t\"\\x07\\0,\"\nEND\n");

    // Opened again in hex; a new parameter needs a free tag.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Parameter");
        EXPECT_TRUE(d.isChecked(1434));
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.setControlText(P::tagId, "Bell");
        d.setControlText(P::nameId, "Second bell");
        d.setControlText(P::defaultValueId, "41");
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        d.setControlText(P::tagId, "Bell2");
        d.sendCommand(IDOK);
    });
    CEditLegacyParameterDialog fresh(nullptr, nullptr, nullptr);
    ASSERT_EQ(fresh.DoModal(), IDOK);
    EXPECT_EQ(user.lastMessage().text, "A parameter with this tag already exsits. Please enter a different tag.");
    glegacyParameter* made = station::legacyParameters().find("Bell2");
    ASSERT_EQ(fresh.parameter(), made);
    EXPECT_EQ(made->getDefaultValue().view(), "A");
    EXPECT_EQ(made->getTitle(false).view(), "Second bell");
}

} // namespace
