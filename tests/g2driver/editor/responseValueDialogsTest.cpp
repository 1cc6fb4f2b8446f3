#include "g2editFixture.h"

#include "g2driver/editor/CEditChecksumResponseElementDialog.h"
#include "g2driver/editor/CEditCommandElementResponseElementDialog.h"
#include "g2driver/editor/CEditDataResponseElementDialog.h"
#include "g2driver/editor/CEditRegexpResponseElementDialog.h"
#include "g2driver/editor/CResponseElementConditionDialog.h"
#include "g2driver/editor/CValueResponseElementDialogs.h"
#include "g2driver/model/g2driverChecksumResponseElement.h"
#include "g2driver/model/g2driverCommandElementResponseElement.h"
#include "g2driver/model/g2driverDataResponseElement.h"
#include "g2driver/model/g2driverRegexpResponseElement.h"
#include "g2driver/model/g2driverResponseList.h"

#include <QComboBox>

namespace {

using regexpDialog = CEditRegexpResponseElementDialog;
using dataDialog = CEditDataResponseElementDialog;

class responseValueDialogs : public g2edit {
protected:
    void SetUp() override
    {
        g2edit::SetUp();
        valid = std::make_unique<fakeResponsePage>(*meter, *read, read->responses());
        errors = std::make_unique<fakeResponsePage>(*meter, *read, read->errors());
    }

    g2driverResponseElement* element(int index) const { return read->responses().element(index); }

    template <class D>
    void expectUnchangedByOk(fakeResponsePage& page, g2driverResponseElement* edited)
    {
        std::string before = written(*edited);
        auto d = opened<D>(page, edited, edited, nullptr);
        EXPECT_EQ(refusal(*d), 0) << before;
        EXPECT_EQ(written(*edited), before);
    }

    std::unique_ptr<fakeResponsePage> valid;
    std::unique_ptr<fakeResponsePage> errors;
};

TEST_F(responseValueDialogs, EveryKindWritesTheSameLinesAfterAnUnchangedOk)
{
    expectUnchangedByOk<regexpDialog>(*valid, element(0));
    expectUnchangedByOk<CEditCommandElementResponseElementDialog>(*valid, element(1));
    expectUnchangedByOk<CEditNumericalValueElementDialog>(*valid, element(7));
    expectUnchangedByOk<CEditStringValueElementDialog>(*valid, element(8));
    expectUnchangedByOk<regexpDialog>(*valid, element(9));
    expectUnchangedByOk<dataDialog>(*valid, element(10));
    expectUnchangedByOk<dataDialog>(*valid, element(11));
    expectUnchangedByOk<CEditChecksumResponseElementDialog>(*valid, element(12));
    expectUnchangedByOk<CEditNumericalValueElementDialog>(*errors, read->errors().element(1));
}

TEST_F(responseValueDialogs, RegexpChecksPatternAndRepeatOffset)
{
    auto d = opened<regexpDialog>(*valid, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*d), "New Regular Expression Element");
    EXPECT_FALSE(d->isChecked(regexpDialog::repeatId));
    EXPECT_FALSE(d->isControlEnabled(regexpDialog::valueId));
    EXPECT_EQ(text(d->controlText(regexpDialog::offsetId)), "0");
    EXPECT_EQ(refusal(*d), 10561);
    d->setControlText(regexpDialog::patternId, "[a");
    EXPECT_EQ(refusal(*d), 10562);
    EXPECT_TRUE(d->hasFocus(regexpDialog::patternId));
    d->setControlText(regexpDialog::patternId, "A*");
    d->setChecked(regexpDialog::repeatId, true);
    d->sendCommand(regexpDialog::repeatId);
    EXPECT_TRUE(d->isControlEnabled(regexpDialog::offsetId));
    EXPECT_EQ(items(d->controlAs<QComboBox>(regexpDialog::valueId)), std::vector<std::string>{"Count"});
    d->setControlText(regexpDialog::offsetId, "x");
    EXPECT_EQ(refusal(*d), 10572);
    d->setControlText(regexpDialog::offsetId, "2");
    EXPECT_EQ(refusal(*d), 0);
    std::unique_ptr<g2driverResponseElement> made(d->element());
    auto& regexp = static_cast<g2driverRegexpResponseElement&>(*made);
    EXPECT_EQ(regexp.repeatValue(), read->responses().values().find("Count"));
    EXPECT_EQ(regexp.repeatOffset(), 2);

    // No numerical value to repeat by: the box will not stay checked.
    g2driverCommandTemplate bare;
    fakeResponsePage empty(*meter, bare, bare.responses());
    auto none = opened<regexpDialog>(empty, nullptr, nullptr, nullptr);
    user.messages.clear();
    none->setChecked(regexpDialog::repeatId, true);
    none->sendCommand(regexpDialog::repeatId);
    EXPECT_EQ(messageIds(), std::vector<int>{10560});
    EXPECT_FALSE(none->isChecked(regexpDialog::repeatId));
}

TEST_F(responseValueDialogs, CommandElementNumberFromOne)
{
    auto d = opened<CEditCommandElementResponseElementDialog>(*valid, nullptr, nullptr, nullptr);
    EXPECT_EQ(text(d->controlText(CEditCommandElementResponseElementDialog::numberId)), "1");
    d->setControlText(CEditCommandElementResponseElementDialog::numberId, "0");
    EXPECT_EQ(refusal(*d), 10563);
    d->setControlText(CEditCommandElementResponseElementDialog::numberId, "2147483647");
    EXPECT_EQ(refusal(*d), 0);
    std::unique_ptr<g2driverResponseElement> made(d->element());
    EXPECT_EQ(static_cast<g2driverCommandElementResponseElement&>(*made).number(), 2147483647);
}

TEST_F(responseValueDialogs, ValueTagsAreUniquePerList)
{
    auto d = opened<CEditNumericalValueElementDialog>(*valid, nullptr, nullptr, nullptr);
    EXPECT_FALSE(d->isControlEnabled(IDOK));
    d->setControlText(CNamedResponseElementDialog::tagId, "Unit");
    EXPECT_TRUE(d->isControlEnabled(IDOK));
    EXPECT_EQ(refusal(*d), 10567);
    EXPECT_TRUE(d->hasFocus(CNamedResponseElementDialog::tagId));

    // The error list has values of its own: Unit is free there.
    auto other = opened<CEditNumericalValueElementDialog>(*errors, nullptr, nullptr, nullptr);
    other->setControlText(CNamedResponseElementDialog::tagId, "Unit");
    EXPECT_EQ(refusal(*other), 0);
    std::unique_ptr<g2driverResponseElement> made(other->element());
    g2driverResponseValue* unit = read->errors().values().find("Unit");
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(made->getResponseValue(), unit);
    EXPECT_EQ(unit->getDefiner(), made.get());
    EXPECT_EQ(unit->getKind(), g2driverResponseValue::numerical);
}

TEST_F(responseValueDialogs, UsedValueKeepsItsTagAndAnUnusedOneIsRenamed)
{
    g2driverResponseValue* count = read->responses().values().find("Count");
    auto d = opened<CEditNumericalValueElementDialog>(*valid, element(7), element(7), nullptr);
    user.messages.clear();
    d->setControlText(CNamedResponseElementDialog::tagId, "Total");
    EXPECT_EQ(lastMessageId(), 20030);
    EXPECT_NE(user.lastMessage().text.find("\n"), std::string::npos);
    EXPECT_EQ(text(d->controlText(CNamedResponseElementDialog::tagId)), "Count");
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(element(7)->getResponseValue(), count);

    // Without State's bit collection Tail is used by nothing: its data
    // element may rename it.
    meter->dataObjects().find("State")->setSource(nullptr);
    auto data = opened<dataDialog>(*valid, element(11), element(11), nullptr);
    data->setControlText(CNamedResponseElementDialog::tagId, "Values");
    EXPECT_EQ(refusal(*data), 10568);
    data->setControlText(CNamedResponseElementDialog::tagId, "End");
    EXPECT_EQ(refusal(*data), 0);
    EXPECT_EQ(read->responseDataNames().find("Tail"), nullptr);
    EXPECT_EQ(element(11)->getResponseData(), read->responseDataNames().find("End"));
}

TEST_F(responseValueDialogs, RenamedValueTakesAConditionOnItselfAlong)
{
    auto d = opened<CEditNumericalValueElementDialog>(*errors, nullptr, nullptr, nullptr);
    d->setControlText(CNamedResponseElementDialog::tagId, "Spare");
    ASSERT_EQ(refusal(*d), 0);
    std::unique_ptr<g2driverResponseElement> spare(d->element());

    auto rename = opened<CEditNumericalValueElementDialog>(*errors, spare.get(), spare.get(), nullptr);
    thenOk([](CDialog& c) {
        c.setChecked(CResponseElementConditionDialog::conditionalId, true);
        c.sendCommand(CResponseElementConditionDialog::conditionalId);
        choose(c.controlAs<QComboBox>(CResponseElementConditionDialog::valueId), "Spare");
        c.setControlText(CResponseElementConditionDialog::numberId, "1");
    });
    rename->sendCommand(CResponseElementDialogBase::conditionId);
    rename->setControlText(CNamedResponseElementDialog::tagId, "Extra");
    EXPECT_EQ(refusal(*rename), 0);
    g2driverResponseValue* extra = read->errors().values().find("Extra");
    EXPECT_EQ(read->errors().values().find("Spare"), nullptr);
    ASSERT_TRUE(spare->hasCondition());
    EXPECT_EQ(spare->getCondition()->value(), extra);
}

TEST_F(responseValueDialogs, DataLengthFieldsAreCheckedAfterThePattern)
{
    auto d = opened<dataDialog>(*valid, element(10), element(10), nullptr);
    EXPECT_TRUE(d->isChecked(dataDialog::lengthId));
    EXPECT_TRUE(d->isChecked(dataDialog::fixedFactorId));
    EXPECT_EQ(text(d->controlText(dataDialog::factorId)), "3");
    EXPECT_EQ(text(d->itemText(dataDialog::charSizeId, d->selectedItem(dataDialog::charSizeId))), "16 bits");
    EXPECT_TRUE(d->isControlEnabled(dataDialog::factorId));
    EXPECT_FALSE(d->isControlEnabled(dataDialog::factorValueId));

    std::string before = written(*element(10));
    d->setControlText(dataDialog::factorId, "0");
    d->setControlText(dataDialog::patternId, "");
    EXPECT_EQ(refusal(*d), 10561);
    d->setControlText(dataDialog::patternId, ".*");
    EXPECT_EQ(refusal(*d), 10571);
    d->setControlText(dataDialog::includesId, "-2");
    EXPECT_EQ(refusal(*d), 10573);
    d->setControlText(dataDialog::includesId, "0");
    d->checkRadioButton(dataDialog::fixedFactorId, dataDialog::factorValueRadioId, dataDialog::factorValueRadioId);
    d->sendCommand(dataDialog::factorValueRadioId);
    EXPECT_TRUE(d->isControlEnabled(dataDialog::factorOffsetId));
    EXPECT_FALSE(d->isControlEnabled(dataDialog::factorId));
    d->setControlText(dataDialog::factorOffsetId, "");
    EXPECT_EQ(refusal(*d), 10570);
    EXPECT_EQ(written(*element(10)), before);
    d->setControlText(dataDialog::factorOffsetId, "-4");
    EXPECT_EQ(refusal(*d), 0);
    auto& data = static_cast<g2driverDataResponseElement&>(*element(10));
    EXPECT_EQ(data.factor(), 0);
    EXPECT_EQ(data.factorValue(), read->responses().values().find("Count"));
    EXPECT_EQ(data.factorOffset(), -4);
    EXPECT_EQ(data.includes(), 0);
}

TEST_F(responseValueDialogs, DataWithoutLengthIsLocatedByItsPattern)
{
    auto d = opened<dataDialog>(*valid, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*d), "New Response Data Element");
    EXPECT_FALSE(d->isChecked(dataDialog::lengthId));
    EXPECT_FALSE(d->isControlEnabled(dataDialog::valueId));
    EXPECT_EQ(text(d->controlText(dataDialog::factorId)), "1");
    d->setControlText(CNamedResponseElementDialog::tagId, "Rest");
    d->setControlText(dataDialog::patternId, "~*");
    EXPECT_EQ(refusal(*d), 0);
    std::unique_ptr<g2driverResponseElement> made(d->element());
    std::string lines = written(*made);
    EXPECT_EQ(lines.find("LENGTH"), std::string::npos) << lines;
    EXPECT_NE(lines.find("NAME\t\t\"Rest\""), std::string::npos) << lines;
}

TEST_F(responseValueDialogs, ChecksumResponseUsesTheCommandOptions)
{
    auto d = opened<CEditChecksumResponseElementDialog>(*valid, element(12), element(12), nullptr);
    EXPECT_EQ(text(d->itemText(CEditChecksumResponseElementDialog::typeId,
                               d->selectedItem(CEditChecksumResponseElementDialog::typeId))),
              "Simple sum");
    CCharSizeOptionsPane& sizes = d->options().charSizePane();
    EXPECT_EQ(text(sizes.itemText(CCharSizeOptionsPane::charSizeId, sizes.charSize())),
              "16 bits (hi-lo byte ordering)");
    EXPECT_EQ(sizes.postProcessing(), 2);
    d->setControlText(CEditChecksumResponseElementDialog::skipLastId, "");
    EXPECT_EQ(refusal(*d), 10533);
    d->setControlText(CEditChecksumResponseElementDialog::skipLastId, "0");
    choose(d->controlAs<QComboBox>(CEditChecksumResponseElementDialog::typeId), "CRC-32");
    EXPECT_EQ(refusal(*d), 0);
    auto& checksum = static_cast<g2driverChecksumResponseElement&>(*element(12));
    EXPECT_EQ(checksum.checksum().kind(), g2driverChecksum::crc32);
    EXPECT_EQ(checksum.checksum().initialValue(), 4294967295u);
    EXPECT_EQ(checksum.skipLast(), 0);
}

} // namespace
