#include "sabusUiFixture.h"

#include "sabus/gsabusParameterKinds.h"
#include "sabus/ui/CSabusParameterDialogs.h"

namespace {

class parameterDialogs : public sabusUi {
protected:
    static std::unique_ptr<gsabusParameter> accept(CSabusParameterDialogBase& d)
    {
        d.sendCommand(IDOK);
        EXPECT_TRUE(d.hasEnded());
        return d.takeCreated();
    }
    // Presses OK and answers the message it showed, 0 when it closed.
    int refusal(CDialog& d)
    {
        user.messages.clear();
        d.sendCommand(IDOK);
        return d.hasEnded() ? 0 : lastMessageId();
    }
};

TEST_F(parameterDialogs, NumberDefaultsChecksAndBase)
{
    using dialog = CEditSabusNumberParameterDialog;
    auto d = opened<dialog>(nullptr, nullptr);
    EXPECT_EQ(d->windowTitle().toStdString(), "New Number Parameter");
    EXPECT_EQ(refusal(*d), 10483);
    d->setControlText(dialog::variableId, "Name$");
    EXPECT_EQ(refusal(*d), 10096);
    EXPECT_TRUE(d->hasFocus(dialog::variableId));
    d->setControlText(dialog::variableId, "Speed");
    d->setControlText(dialog::factorId, "");
    EXPECT_EQ(refusal(*d), 10393);
    d->setControlText(dialog::factorId, "1");
    d->setControlText(dialog::offsetId, "-");
    EXPECT_EQ(refusal(*d), 10303);
    d->setControlText(dialog::offsetId, "0");
    d->setChecked(dialog::fixedWidthId, true);
    for (const char* width : {"", "0"}) {
        d->setControlText(dialog::widthId, width);
        EXPECT_EQ(refusal(*d), 10467) << width;
        EXPECT_TRUE(d->hasFocus(dialog::widthId)) << width;
    }
    d->setChecked(dialog::fixedWidthId, false);
    // Accepted as it opened: decimal, unsigned, no decimals, factor 1,
    // offset 0, no width.
    std::unique_ptr<gsabusParameter> made = accept(*d);
    EXPECT_EQ(written(*made), "PARAMETER\tNUMBER\n\tVARIABLE\tSpeed\n\tFORMAT\t\t10, UNSIGNED, NO\nEND\n");

    // Hexadecimal takes the decimal choices away, and they are not stored.
    auto e = opened<dialog>(made.get(), made.get());
    e->checkRadioButton(dialog::signedId, dialog::unsignedId, dialog::signedId);
    e->setChecked(dialog::allowDecimalsId, true);
    e->checkRadioButton(dialog::binaryId, dialog::hexadecimalId, dialog::hexadecimalId);
    for (int id : {dialog::signedId, dialog::unsignedId, dialog::allowDecimalsId})
        EXPECT_FALSE(e->isControlEnabled(id));
    e->setChecked(dialog::fixedWidthId, true);
    e->setControlText(dialog::widthId, "4");
    e->setControlText(dialog::factorId, "2.5");
    e->sendCommand(IDOK);
    auto& number = static_cast<gsabusNumberParameter&>(*made);
    EXPECT_EQ(number.getSigned() + number.getAllowDecimals(), 0);
    EXPECT_EQ(written(number), "PARAMETER\tNUMBER\n\tVARIABLE\tSpeed\n\tFACTOR\t\t2.5\n\tFORMAT\t\t16, 4\nEND\n");

    auto again = opened<dialog>(made.get(), nullptr);
    EXPECT_TRUE(again->isChecked(dialog::hexadecimalId));
    EXPECT_TRUE(again->isChecked(dialog::unsignedId));
    EXPECT_EQ(text(again->controlText(dialog::factorId)), "2.5");
    EXPECT_TRUE(again->isControlEnabled(dialog::widthId));
}

TEST_F(parameterDialogs, StringVariableAndPattern)
{
    using dialog = CEditSabusStringParameterDialog;
    auto d = opened<dialog>(nullptr, nullptr);
    EXPECT_FALSE(d->isControlEnabled(dialog::nameId));
    d->setChecked(dialog::placeId, true);
    EXPECT_TRUE(d->isControlEnabled(dialog::nameId));
    EXPECT_EQ(refusal(*d), 10483);
    d->setControlText(dialog::nameId, "Name");
    EXPECT_EQ(refusal(*d), 10108);
    d->setControlText(dialog::nameId, "Name$");
    EXPECT_EQ(refusal(*d), 10485);
    // The whole field is the pattern; one that may match nothing is refused.
    for (const char* bad : {"(#", "#*", "a|"}) {
        d->setControlText(dialog::patternId, bad);
        EXPECT_EQ(refusal(*d), 10486) << bad;
        EXPECT_TRUE(d->hasFocus(dialog::patternId));
    }
    // A name left in the disabled field is not stored.
    d->setChecked(dialog::placeId, false);
    d->setControlText(dialog::patternId, " #+,\\t");
    std::unique_ptr<gsabusParameter> made = accept(*d);
    EXPECT_EQ(text(made->describe()), "\" #+,\\t\"");
    EXPECT_EQ(written(*made), "PARAMETER\tSTRING\n\tPATTERN\t\t\" #+,\\t\"\nEND\n");

    auto e = opened<dialog>(made.get(), made.get());
    EXPECT_EQ(text(e->controlText(dialog::patternId)), " #+,\\t");
    e->setChecked(dialog::placeId, true);
    e->setControlText(dialog::nameId, "Code$");
    e->sendCommand(IDOK);
    EXPECT_EQ(text(made->describe()), "Code$");
}

TEST_F(parameterDialogs, BooleanAsksForFalseFirst)
{
    using dialog = CEditSabusBooleanParameterDialog;
    auto d = opened<dialog>(nullptr, nullptr);
    d->setControlText(dialog::variableId, "On");
    EXPECT_EQ(refusal(*d), 10075);
    d->setControlText(dialog::variableId, "On%");
    EXPECT_EQ(refusal(*d), 10489);
    EXPECT_TRUE(d->hasFocus(dialog::falseId));
    d->setControlText(dialog::falseId, "off");
    EXPECT_EQ(refusal(*d), 10488);
    d->setControlText(dialog::trueId, "on");
    EXPECT_EQ(written(*accept(*d)), "PARAMETER\tBOOLEAN\n\tVARIABLE\tOn%\n\tFALSE\t\toff\n\tTRUE\t\ton\nEND\n");
}

TEST_F(parameterDialogs, BitsAreCheckedFromBitZero)
{
    using dialog = CEditSabusBitsParameterDialog;
    auto d = opened<dialog>(nullptr, nullptr);
    EXPECT_EQ(refusal(*d), 10484);
    d->setChecked(dialog::placeId + 2, true);
    d->setChecked(dialog::placeId + 4, true);
    EXPECT_EQ(refusal(*d), 10483);
    EXPECT_TRUE(d->hasFocus(dialog::nameId + 2));
    d->setControlText(dialog::nameId + 2, "Two");
    EXPECT_EQ(refusal(*d), 10075);
    d->setControlText(dialog::nameId + 2, "Two%");
    d->setControlText(dialog::nameId + 4, "Four%");
    std::unique_ptr<gsabusParameter> made = accept(*d);
    EXPECT_EQ(text(made->describe()), "2 booleans from bits");

    auto e = opened<dialog>(made.get(), made.get());
    EXPECT_TRUE(e->isChecked(dialog::placeId + 4));
    EXPECT_TRUE(e->isControlEnabled(dialog::nameId + 4));
    EXPECT_FALSE(e->isControlEnabled(dialog::nameId + 3));
    e->setChecked(dialog::placeId + 4, false);
    e->sendCommand(IDOK);
    EXPECT_EQ(written(*made), "PARAMETER\tBIT FIELD\n\tVARIABLE\t2, Two%\nEND\n");
}

TEST_F(parameterDialogs, SetOfStringsNeedsAValueThenAName)
{
    using dialog = CEditSabusStringSetParameterDialog;
    auto d = opened<dialog>(nullptr, nullptr);
    EXPECT_EQ(d->windowTitle().toStdString(), "New Set Of Strings Parameter");
    EXPECT_EQ(refusal(*d), 10487);
    thenOk([](CDialog& v) { v.setControlText(CValueDataStringDialog::stringId, "zero"); });
    d->sendCommand(CValueStringList::newId);
    EXPECT_EQ(refusal(*d), 10483);
    d->setControlText(dialog::variableId, "Choice%");
    EXPECT_EQ(refusal(*d), 10096);
    d->setControlText(dialog::variableId, "Choice");
    EXPECT_EQ(written(*accept(*d)), "PARAMETER\tSTRINGS\n\tVARIABLE\tChoice\n\tSTRING\t\t0, zero\nEND\n");
}

} // namespace
