#include "formats/ui/CEditExponentialNotationDialog.h"
#include "formats/ui/CEditFactorOffsetDialog.h"
#include "formats/ui/analogNotationPane.h"
#include "foundation/gnumFormat.h"
#include "platform/recordingResponder.h"
#include "screens/model/gfontName.h"
#include "screens/model/gpropExponentValues.h"
#include "support/ui/controlHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <gtest/gtest.h>

#include <vector>

namespace {

// The analog pane's property set, and the properties applied to the
// selection in their order.
struct fakeAnalogPane final : analogNotationPane {
    bool defaults = false;
    gtriStateDouble factorValue;
    gtriStateDouble offsetValue;
    gtriState<int32_t> use;
    gpropExponentValues values;
    std::vector<int> applied;

    bool editsDrawingDefaults() const override { return defaults; }
    gtriStateDouble& factor() override { return factorValue; }
    gtriStateDouble& offset() override { return offsetValue; }
    gtriState<int32_t>& useExponent() override { return use; }
    gpropExponentValues& exponent() override { return values; }
    void applyToSelection(int property) override
    {
        if (!defaults)
            applied.push_back(property);
    }
};

using factorDialog = CEditFactorOffsetDialog;
using exponentDialog = CEditExponentialNotationDialog;

TEST(factorOffsetDialog, DifferingFactorsStayUnlessTyped)
{
    recordingResponder user;
    fakeAnalogPane pane;
    pane.factorValue.merge(2);
    pane.factorValue.merge(3);
    pane.offsetValue.set(0.5);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 842);
        EXPECT_EQ(d.controlText(factorDialog::factorId).view(), "");
        EXPECT_EQ(d.controlText(factorDialog::offsetId).view(), "0.5");
        d.setControlText(factorDialog::offsetId, "-1.25E2");
        d.sendCommand(IDOK);
    });
    factorDialog dialog(pane, nullptr);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(pane.factorValue.isMixed());
    EXPECT_EQ(pane.offsetValue.value(), -125);
    EXPECT_EQ(pane.applied, (std::vector<int>{23}));
}

TEST(factorOffsetDialog, DefaultsNeedBothNumbersAndStoreNothingBefore)
{
    recordingResponder user;
    fakeAnalogPane pane;
    pane.defaults = true;
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(factorDialog::offsetId, "4");
        d.sendCommand(IDOK);
        d.setControlText(factorDialog::factorId, "3");
        d.setControlText(factorDialog::offsetId, "x");
        d.sendCommand(IDOK);
        d.sendCommand(IDCANCEL);
    });
    factorDialog dialog(pane, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].promptId, 10393);
    EXPECT_EQ(user.messages[1].promptId, 10303);
    EXPECT_FALSE(pane.factorValue.isSet());
    EXPECT_FALSE(pane.offsetValue.isSet());
}

TEST(factorOffsetDialog, TakesTheUsersDecimalSeparator)
{
    recordingResponder user;
    fakeAnalogPane pane;
    pane.factorValue.set(1.5);
    char kept = getUserDecimalSeparator();
    setUserDecimalSeparator(',');
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(factorDialog::factorId).view(), "1,5");
        d.setControlText(factorDialog::factorId, "0,25");
        d.sendCommand(IDOK);
    });
    factorDialog dialog(pane, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    setUserDecimalSeparator(kept);
    EXPECT_EQ(pane.factorValue.value(), 0.25);
}

TEST(exponentialNotationDialog, MixedUseKeepsItsStateAndStoresTakenValues)
{
    recordingResponder user;
    fakeAnalogPane pane;
    pane.use.merge(0);
    pane.use.merge(1);
    pane.values.digits.merge(2);
    pane.values.digits.merge(3);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 843);
        auto* use = d.controlAs<QCheckBox>(exponentDialog::useId);
        EXPECT_EQ(use->checkState(), Qt::PartiallyChecked);
        EXPECT_TRUE(d.isControlEnabled(exponentDialog::markerId));
        // Defaults filled where nothing was set; differing digits stay empty.
        EXPECT_EQ(d.controlText(exponentDialog::markerId).view(), " \xB7 10 ");
        EXPECT_EQ(d.controlText(exponentDialog::digitsId).view(), "");
        EXPECT_EQ(d.controlText(exponentDialog::reduceById).view(), "2");
        EXPECT_EQ(d.controlAs<QCheckBox>(exponentDialog::plusSignId)->checkState(), Qt::Checked);
        EXPECT_EQ(d.controlAs<QComboBox>(exponentDialog::fontId)->currentIndex(), 0);
        d.setControlText(exponentDialog::raiseById, "0");
        d.controlAs<QComboBox>(exponentDialog::fontId)->setCurrentIndex(3);
        d.sendCommand(IDOK);
    });
    exponentDialog dialog(pane, nullptr);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(pane.use.isMixed());
    EXPECT_TRUE(pane.values.digits.isMixed());
    EXPECT_EQ(pane.values.raiseBy.get(), 0);
    const gfontName* font = nullptr;
    pane.values.font.getOr(font, nullptr);
    EXPECT_EQ(font, symbolicFont(2));
    EXPECT_EQ(pane.applied, (std::vector<int>{48, 50, 51, 52, 53}));
}

TEST(exponentialNotationDialog, ClearUseStoresOnlyTheUseState)
{
    recordingResponder user;
    fakeAnalogPane pane;
    pane.use.set(1);
    user.scripts.push_back([](CDialog& d) {
        auto* use = d.controlAs<QCheckBox>(exponentDialog::useId);
        use->click();
        EXPECT_EQ(use->checkState(), Qt::Unchecked);
        EXPECT_FALSE(d.isControlEnabled(exponentDialog::digitsId));
        d.setControlText(exponentDialog::digitsId, "0");
        d.sendCommand(IDOK);
    });
    exponentDialog dialog(pane, nullptr);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(pane.use.get(), 0);
    EXPECT_EQ(pane.values.digits.get(), 2);
    EXPECT_EQ(pane.applied, (std::vector<int>{47}));
    EXPECT_TRUE(user.messages.empty());
}

TEST(exponentialNotationDialog, RefusalsAndTheThirdStateThatClicksSkip)
{
    recordingResponder user;
    fakeAnalogPane pane;
    pane.values.plusSign.merge(0);
    pane.values.plusSign.merge(1);
    user.scripts.push_back([](CDialog& d) {
        auto* plus = d.controlAs<QCheckBox>(exponentDialog::plusSignId);
        EXPECT_EQ(plus->checkState(), Qt::PartiallyChecked);
        plus->click();
        EXPECT_EQ(plus->checkState(), Qt::Checked);
        plus->click();
        EXPECT_EQ(plus->checkState(), Qt::Unchecked);
        plus->click();
        EXPECT_EQ(plus->checkState(), Qt::Checked);

        d.setControlText(exponentDialog::digitsId, "0");
        d.sendCommand(IDOK);
        d.setControlText(exponentDialog::digitsId, "3");
        d.setControlText(exponentDialog::reduceById, "x");
        d.sendCommand(IDOK);
        d.setControlText(exponentDialog::reduceById, "0");
        // A marker typed away is refused.
        d.control(exponentDialog::markerId)->setFocus();
        typeText(d.control(exponentDialog::markerId), "x");
        d.setControlText(exponentDialog::markerId, "");
        d.sendCommand(IDOK);
        d.sendCommand(IDCANCEL);
    });
    exponentDialog dialog(pane, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(user.messages.size(), 3u);
    EXPECT_EQ(user.messages[0].promptId, 10696);
    EXPECT_EQ(user.messages[1].promptId, 10697);
    EXPECT_EQ(user.messages[2].promptId, 10695);
    EXPECT_TRUE(pane.applied.empty());
}

} // namespace
