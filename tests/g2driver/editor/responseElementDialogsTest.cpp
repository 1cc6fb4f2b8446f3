#include "g2editFixture.h"

#include "g2driver/editor/CParameterResponseElementDialogs.h"
#include "g2driver/editor/CResponseElementConditionDialog.h"
#include "g2driver/editor/CSelectResponseElementTypeDialog.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "g2driver/model/g2driverResponseList.h"

#include <QComboBox>
#include <limits>

namespace {

using conditionDialog = CResponseElementConditionDialog;

class responseElementDialogs : public g2edit {
protected:
    void SetUp() override
    {
        g2edit::SetUp();
        valid = std::make_unique<fakeResponsePage>(*meter, *read, read->responses());
        errors = std::make_unique<fakeResponsePage>(*meter, *read, read->errors());
    }

    g2driverResponseElement* element(int index) const { return read->responses().element(index); }
    g2driverResponseElement* errorElement(int index) const { return read->errors().element(index); }

    // Opens the dialog on the element as source and target, presses OK and
    // expects the element to write what it wrote before.
    template <class D>
    void expectUnchangedByOk(fakeResponsePage& page, g2driverResponseElement* edited)
    {
        std::string before = written(*edited);
        auto d = opened<D>(page, edited, edited, nullptr);
        EXPECT_EQ(refusal(*d), 0) << before;
        EXPECT_EQ(d->element(), edited);
        EXPECT_EQ(written(*edited), before);
    }

    std::unique_ptr<fakeResponsePage> valid;
    std::unique_ptr<fakeResponsePage> errors;
};

TEST_F(responseElementDialogs, ParameterAndErrorCodeElementsWriteTheSameLinesAfterAnUnchangedOk)
{
    expectUnchangedByOk<CEditDigitalNumberResponseElementDialog>(*valid, element(2));
    expectUnchangedByOk<CEditDigitalStringsResponseElementDialog>(*valid, element(3));
    expectUnchangedByOk<CEditBistateResponseElementDialog>(*valid, element(4));
    expectUnchangedByOk<CEditAnalogResponseElementDialog>(*valid, element(5));
    expectUnchangedByOk<CEditStringResponseElementDialog>(*valid, element(6));
    expectUnchangedByOk<CEditNumericalErrorCodeElementDialog>(*errors, errorElement(2));
    expectUnchangedByOk<CEditStringErrorCodeElementDialog>(*errors, errorElement(3));
}

TEST_F(responseElementDialogs, ChoicesOfferOnlyTheirKind)
{
    auto digital = opened<CEditDigitalStringsResponseElementDialog>(*valid, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*digital), "New Digital Parameter Element");
    EXPECT_EQ(items(digital->controlAs<QComboBox>(CBoundResponseElementDialog::parameterId)),
              (std::vector<std::string>{"Address", "Channel", "Mode"}));
    auto analog = opened<CEditAnalogResponseElementDialog>(*valid, nullptr, nullptr, nullptr);
    EXPECT_EQ(items(analog->controlAs<QComboBox>(CBoundResponseElementDialog::parameterId)),
              std::vector<std::string>{"Scale"});
    EXPECT_EQ(text(analog->controlText(CEditAnalogResponseElementDialog::factorId)), "1");
    EXPECT_EQ(text(analog->controlText(CEditAnalogResponseElementDialog::offsetId)), "0");

    auto numerical = opened<CEditNumericalErrorCodeElementDialog>(*errors, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*numerical), "New Numerical Error Code Element");
    EXPECT_EQ(items(numerical->controlAs<QComboBox>(CBoundResponseElementDialog::errorCodeId)),
              std::vector<std::string>{"Fault"});
    auto textual = opened<CEditStringErrorCodeElementDialog>(*errors, nullptr, nullptr, nullptr);
    EXPECT_EQ(items(textual->controlAs<QComboBox>(CBoundResponseElementDialog::errorCodeId)),
              std::vector<std::string>{"Message"});
}

TEST_F(responseElementDialogs, NothingToChooseEndsCancelled)
{
    g2driverParameterTable none;
    g2driverCommandDataNameTable names(1);
    fakeCommandDialog bare(*meter, none, names, false);
    struct emptyPage : fakeResponsePage {
        emptyPage(g2driver& driver, g2driverCommandTemplate& read, fakeCommandDialog& bare)
            : fakeResponsePage(driver, read, read.responses()), bare_(bare)
        {
        }
        commandElementHost& templateDialog() override { return bare_; }
        g2driverErrorCodeTable& errorCodes() override { return noCodes; }
        g2driverErrorCodeTable noCodes{1};
        fakeCommandDialog& bare_;
    } page(*meter, *read, bare);
    auto expectCancelled = [&](CDialog&& d, int message) {
        user.messages.clear();
        d.ensureInitialized();
        EXPECT_TRUE(d.hasEnded());
        EXPECT_EQ(d.endResult(), IDCANCEL);
        EXPECT_EQ(messageIds(), std::vector<int>{message});
    };
    expectCancelled(CEditBistateResponseElementDialog(page, nullptr, nullptr, nullptr), 10514);
    expectCancelled(CEditDigitalNumberResponseElementDialog(page, nullptr, nullptr, nullptr), 10515);
    expectCancelled(CEditAnalogResponseElementDialog(page, nullptr, nullptr, nullptr), 10516);
    expectCancelled(CEditStringResponseElementDialog(page, nullptr, nullptr, nullptr), 10517);
    expectCancelled(CEditNumericalErrorCodeElementDialog(page, nullptr, nullptr, nullptr), 10611);
    expectCancelled(CEditStringErrorCodeElementDialog(page, nullptr, nullptr, nullptr), 10612);
}

TEST_F(responseElementDialogs, AnalogChecksFactorAndOffsetBeforeThePage)
{
    std::string before = written(*element(5));
    auto d = opened<CEditAnalogResponseElementDialog>(*valid, element(5), element(5), nullptr);
    EXPECT_EQ(title(*d), "Edit Analog Parameter Value Element");
    EXPECT_EQ(text(d->controlText(CEditAnalogResponseElementDialog::factorId)), "10");
    EXPECT_EQ(text(d->controlText(CEditAnalogResponseElementDialog::offsetId)), "0.5");
    d->setControlText(CEditAnalogResponseElementDialog::factorId, "");
    EXPECT_EQ(refusal(*d), 10393);
    EXPECT_TRUE(d->hasFocus(CEditAnalogResponseElementDialog::factorId));
    d->setControlText(CEditAnalogResponseElementDialog::factorId, "0.125");
    d->setControlText(CEditAnalogResponseElementDialog::offsetId, "-");
    EXPECT_EQ(refusal(*d), 10303);
    EXPECT_EQ(written(*element(5)), before);
    d->setControlText(CEditAnalogResponseElementDialog::offsetId, "2");
    EXPECT_EQ(refusal(*d), 0);
    auto& analog = static_cast<g2driverAnalogResponseElement&>(*element(5));
    EXPECT_EQ(analog.factor(), 0.125);
    EXPECT_EQ(analog.offset(), 2.0);
}

// Factors and offsets beyond the ten digits shown, one unit from the
// defaults and at the ends of the double range stay exactly as they were.
TEST_F(responseElementDialogs, AnUnchangedOkKeepsExactFactorAndOffset)
{
    auto& analog = static_cast<g2driverAnalogResponseElement&>(*element(5));
    const double pairs[][2] = {{1.0000000000000002, 1.0 / 3.0},
                               {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()},
                               {-1.79769313486231e308, 0.123456789012345}};
    for (const auto& pair : pairs) {
        analog.setScaling(pair[0], pair[1]);
        expectUnchangedByOk<CEditAnalogResponseElementDialog>(*valid, element(5));
        EXPECT_EQ(analog.factor(), pair[0]);
        EXPECT_EQ(analog.offset(), pair[1]);
    }
}

TEST_F(responseElementDialogs, ConditionIsEditedOnACopyAndStoredWithOk)
{
    g2driverResponseValue* count = read->responses().values().find("Count");
    g2driverResponseValue* unit = read->responses().values().find("Unit");
    std::string before = written(*element(3));

    // Cancel in the element dialog keeps the element's (missing) condition.
    {
        auto d = opened<CEditDigitalStringsResponseElementDialog>(*valid, element(3), element(3), nullptr);
        thenOk([](CDialog& c) {
            c.setChecked(conditionDialog::conditionalId, true);
            c.sendCommand(conditionDialog::conditionalId);
            c.setControlText(conditionDialog::numberId, "7");
        });
        d->sendCommand(CResponseElementDialogBase::conditionId);
        EXPECT_EQ(d->condition().value(), count);
        d->sendCommand(IDCANCEL);
        EXPECT_EQ(written(*element(3)), before);
    }

    auto d = opened<CEditDigitalStringsResponseElementDialog>(*valid, element(3), element(3), nullptr);
    thenOk([&](CDialog& c) {
        EXPECT_FALSE(c.isChecked(conditionDialog::conditionalId));
        EXPECT_EQ(items(c.controlAs<QComboBox>(conditionDialog::valueId)), (std::vector<std::string>{"Count", "Unit"}));
        EXPECT_FALSE(c.isControlEnabled(conditionDialog::valueId));
        c.setChecked(conditionDialog::conditionalId, true);
        c.sendCommand(conditionDialog::conditionalId);
        EXPECT_TRUE(c.isControlShown(conditionDialog::numberId));
        EXPECT_FALSE(c.isControlShown(conditionDialog::patternId));
        choose(c.controlAs<QComboBox>(conditionDialog::valueId), "Unit");
        EXPECT_TRUE(c.isControlShown(conditionDialog::patternId));
        EXPECT_TRUE(c.isControlEnabled(conditionDialog::textOperatorId));
        EXPECT_FALSE(c.isControlShown(conditionDialog::numberOperatorId));
        EXPECT_EQ(refusal(c), 10556);
        c.setControlText(conditionDialog::patternId, "(");
        EXPECT_EQ(refusal(c), 10557);
        c.setControlText(conditionDialog::patternId, "kg");
        c.selectItem(conditionDialog::textOperatorId, 2);
    });
    d->sendCommand(CResponseElementDialogBase::conditionId);
    EXPECT_EQ(d->condition().value(), unit);
    EXPECT_EQ(refusal(*d), 0);
    std::string lines = written(*element(3));
    EXPECT_NE(lines.find("\tCONDITION\t\"Unit\", CONTAINS, kg\n"), std::string::npos) << lines;
}

TEST_F(responseElementDialogs, UncheckingTheConditionRemovesIt)
{
    g2driverResponseElement* coded = errorElement(3);
    ASSERT_TRUE(coded->hasCondition());
    auto d = opened<CEditStringErrorCodeElementDialog>(*errors, coded, coded, nullptr);
    thenOk([this](CDialog& c) {
        EXPECT_TRUE(c.isChecked(conditionDialog::conditionalId));
        EXPECT_EQ(text(c.itemText(conditionDialog::numberOperatorId, c.selectedItem(conditionDialog::numberOperatorId))),
                  "is greater than or equal to");
        EXPECT_EQ(text(c.controlText(conditionDialog::numberId)), "128");
        c.setControlText(conditionDialog::numberId, "x");
        EXPECT_EQ(refusal(c), 10558);
        c.setChecked(conditionDialog::conditionalId, false);
        c.sendCommand(conditionDialog::conditionalId);
    });
    d->sendCommand(CResponseElementDialogBase::conditionId);
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_FALSE(coded->hasCondition());
}

TEST_F(responseElementDialogs, ConditionWithoutValuesIsRefused)
{
    g2driverCommandTemplate bare;
    fakeResponsePage empty(*meter, bare, bare.responses());
    auto d = opened<CEditBistateResponseElementDialog>(empty, nullptr, nullptr, nullptr);
    user.messages.clear();
    // The condition dialog ends in its set-up with the message, before any
    // script of the user could run.
    d->sendCommand(CResponseElementDialogBase::conditionId);
    EXPECT_EQ(messageIds(), std::vector<int>{10555});
    EXPECT_EQ(d->condition().value(), nullptr);
}

TEST_F(responseElementDialogs, TypeChoiceOffersTheListsKinds)
{
    CSelectResponseElementTypeDialog validChoice(false, nullptr);
    validChoice.ensureInitialized();
    EXPECT_EQ(validChoice.CDialog::templateId(), 750);
    EXPECT_TRUE(validChoice.isControlShown(CSelectResponseElementTypeDialog::buttonOf(10)));
    EXPECT_EQ(validChoice.control(CSelectResponseElementTypeDialog::buttonOf(11)), nullptr);
    validChoice.setChecked(CSelectResponseElementTypeDialog::buttonOf(10), true);
    validChoice.sendCommand(IDOK);
    EXPECT_EQ(validChoice.choice(), 10);

    CSelectResponseElementTypeDialog errorChoice(true, nullptr);
    errorChoice.ensureInitialized();
    EXPECT_EQ(errorChoice.CDialog::templateId(), 777);
    EXPECT_FALSE(errorChoice.isControlShown(1715));
    EXPECT_FALSE(errorChoice.isControlEnabled(1715));
    EXPECT_EQ(CSelectResponseElementTypeDialog::buttonOf(11), 1719);
    EXPECT_EQ(CSelectResponseElementTypeDialog::buttonOf(12), 1718);
    errorChoice.setChecked(1718, true);
    errorChoice.sendCommand(IDOK);
    EXPECT_EQ(errorChoice.choice(), 12);
}

} // namespace
