#include "g2editFixture.h"

#include "g2driver/editor/CEditParameterTermsDialogs.h"
#include "g2driver/editor/CParameterTermDialogs.h"
#include "g2driver/editor/parameterTermOwner.h"
#include "g2driver/editor/parameterTermTexts.h"

#include <QListWidget>

namespace {

using entryDialog = CParameterTermDialogBase;
using listDialog = CEditParameterTermsDialogBase;

// A source page over the template's parameters.
class fakeTermOwner : public parameterTermOwner {
public:
    explicit fakeTermOwner(g2driverParameterTable& parameters) : parameters_(parameters) {}

    std::vector<goffsetParameter>& parameterTerms() override { return terms; }
    int fillParameterCombo(QComboBox& combo, int32_t kind, const g2driverParameter* chosen) override
    {
        for (int32_t i = 0; i < parameters_.ordered().size(); ++i) {
            g2driverParameter* p = parameters_.ordered()[i];
            if (p->getKind() == kind)
                insertItemAt(combo, combo.count(), p->getName(), p);
        }
        int at = chosen ? findItemObject(combo, chosen) : -1;
        combo.setCurrentIndex(at >= 0 ? at : (combo.count() ? 0 : -1));
        return combo.count();
    }

    std::vector<goffsetParameter> terms;

private:
    g2driverParameterTable& parameters_;
};

class parameterTermDialogs : public g2edit {
protected:
    goffsetParameter term(int32_t a, int32_t f, int32_t s) const
    {
        goffsetParameter t;
        t.setParameter(p);
        t.setTerms(a, f, s);
        return t;
    }
    void SetUp() override
    {
        g2edit::SetUp();
        owner = std::make_unique<fakeTermOwner>(read->parameters());
        ASSERT_EQ(read->parameters().readLine(gstr("P, DIGITAL"), 1, 0), gload::accepted);
        p = read->parameters().find("P");
    }

    std::unique_ptr<fakeTermOwner> owner;
    g2driverParameter* p = nullptr;
};

TEST_F(parameterTermDialogs, RowTextsOfBothLists)
{
    struct {
        bool rotate;
        int32_t a, f, s;
        const char* text;
    } const cases[] = {
        {true, 0, 1, 0, "<-P"},
        {true, 0, -1, 0, "-> P"},
        {true, 0, 2, -3, "<-P \xB7 2 - 3"},
        {true, -1, -4, 0, "-> ( P - 1 ) \xB7 4"},
        {true, 0, 0, 5, "<-P \xB7 0 + 5"},
        {true, 0, 0, -5, "-> P \xB7 0 + 5"},
        {false, 2, -3, 0, "( P + 2 ) \xB7 (-3)"},
        {false, 0, 1, 0, "P"},
        {false, 3, 2, 1, "( P + 3 ) \xB7 2 + 1"},
        {false, 0, -2, -1, "P \xB7 (-2) - 1"},
    };
    for (const auto& c : cases) {
        goffsetParameter t = term(c.a, c.f, c.s);
        EXPECT_EQ(text(c.rotate ? describeRotateTerm(t) : describeOffsetTerm(t)), c.text);
    }
    goffsetParameter ranged = term(0, 1, 0);
    ranged.setRange(5, 9);
    EXPECT_EQ(text(describeOffsetTerm(ranged)), "P     (for values of 5 through 9)");
}

TEST_F(parameterTermDialogs, OffsetEntryChecksItsFieldsInOrder)
{
    auto d = opened<CEditOffsetParameterDialog>(*owner, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*d), "New Offset Parameter");
    EXPECT_EQ(text(d->controlText(entryDialog::factorId)), "1");
    EXPECT_FALSE(d->isControlEnabled(entryDialog::lowestId));
    d->setChecked(entryDialog::rangeId, true);
    d->sendCommand(entryDialog::rangeId);
    EXPECT_TRUE(d->isControlEnabled(entryDialog::highestId));

    struct {
        int id;
        const char* value;
        int message;
    } const cases[] = {
        {entryDialog::firstOffsetId, "x", 10685}, {entryDialog::factorId, "", 10677},
        {entryDialog::secondOffsetId, "1.5", 10748}, {entryDialog::lowestId, "-1", 10357},
        {entryDialog::highestId, "", 10359},
    };
    for (const auto& c : cases) {
        auto again = opened<CEditOffsetParameterDialog>(*owner, nullptr, nullptr, nullptr);
        again->setChecked(entryDialog::rangeId, true);
        again->sendCommand(entryDialog::rangeId);
        again->setControlText(c.id, c.value);
        EXPECT_EQ(refusal(*again), c.message) << c.value;
        EXPECT_TRUE(again->hasFocus(c.id));
        EXPECT_EQ(again->term(), nullptr);
    }
    d->setControlText(entryDialog::lowestId, "10");
    d->setControlText(entryDialog::highestId, "9");
    EXPECT_EQ(refusal(*d), 10361);
    EXPECT_TRUE(d->hasFocus(entryDialog::highestId));
    d->setControlText(entryDialog::lowestId, "0");
    d->setControlText(entryDialog::highestId, "4294967295");
    EXPECT_EQ(refusal(*d), 0);
    std::unique_ptr<goffsetParameter> made(d->term());
    EXPECT_FALSE(made->isRanged());
    EXPECT_EQ(made->getParameter(), read->parameters().find("Channel"));
}

TEST_F(parameterTermDialogs, RotateEntryShowsTheDirectionAndTheFactorAsAMagnitude)
{
    using rotate = CRotateParameterDialog;
    auto made = opened<rotate>(*owner, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*made), "New Rotate Parameter");
    EXPECT_TRUE(made->isChecked(rotate::rightId));
    EXPECT_EQ(text(made->controlText(entryDialog::factorId)), "1");
    EXPECT_EQ(refusal(*made), 0);
    std::unique_ptr<goffsetParameter> fresh(made->term());
    EXPECT_EQ(fresh->getFactor(), -1);

    // A term read from a file shows as it is and a bare OK keeps it, the
    // largest right rotation included.
    struct {
        int32_t f, s;
        bool right;
        const char *factor, *secondOffset;
    } const cases[] = {
        {3, -2, false, "3", "-2"}, {-3, 2, true, "3", "-2"}, {0, 0, true, "0", "0"},
        {0, 5, false, "0", "5"},   {INT32_MIN, 0, true, "2147483648", "0"},
    };
    for (const auto& c : cases) {
        goffsetParameter t = term(1, c.f, c.s);
        auto d = opened<rotate>(*owner, &t, &t, nullptr);
        EXPECT_EQ(title(*d), "Edit Rotate Parameter");
        EXPECT_EQ(d->isChecked(rotate::rightId), c.right) << c.f;
        EXPECT_EQ(text(d->controlText(entryDialog::factorId)), c.factor);
        EXPECT_EQ(text(d->controlText(entryDialog::secondOffsetId)), c.secondOffset);
        EXPECT_EQ(refusal(*d), 0) << c.f;
        EXPECT_EQ(t.getFactor(), c.f);
        EXPECT_EQ(t.getSecondOffset(), c.s);
    }

    goffsetParameter left = term(1, 2, 3);
    auto d = opened<rotate>(*owner, &left, &left, nullptr);
    d->checkRadioButton(rotate::leftId, rotate::rightId, rotate::rightId);
    d->setControlText(entryDialog::secondOffsetId, "1");
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(left.getFactor(), -2);
    EXPECT_EQ(left.getSecondOffset(), -1);
    EXPECT_EQ(left.getFirstOffset(), 1);
}

TEST_F(parameterTermDialogs, RotateEntryTakesAFactorFromZeroTo2147483647)
{
    using rotate = CRotateParameterDialog;
    struct {
        int id;
        const char* value;
        bool right;
        int message;
    } const cases[] = {
        {entryDialog::firstOffsetId, "x", true, 10739},       {entryDialog::factorId, "-1", true, 10738},
        {entryDialog::factorId, "2147483648", false, 10738},  {entryDialog::factorId, "", true, 10738},
        {entryDialog::factorId, "4294967295", true, 10738},   {entryDialog::secondOffsetId, "1.5", true, 10749},
        {entryDialog::factorId, "2147483647", false, 0},      {entryDialog::factorId, "0", true, 0},
    };
    for (const auto& c : cases) {
        goffsetParameter t = term(0, 1, 0);
        auto d = opened<rotate>(*owner, &t, &t, nullptr);
        d->checkRadioButton(rotate::leftId, rotate::rightId, c.right ? rotate::rightId : rotate::leftId);
        d->setControlText(c.id, c.value);
        EXPECT_EQ(refusal(*d), c.message) << c.value;
        if (c.message == 0)
            continue;
        EXPECT_TRUE(d->hasFocus(c.id)) << c.value;
        EXPECT_EQ(t.getFactor(), 1);
    }
}

TEST_F(parameterTermDialogs, ListReplacesTheOwnersTermsOnlyOnOk)
{
    goffsetParameter first = term(0, 1, 0);
    goffsetParameter second = term(0, 2, 0);
    owner->terms = {first, second};
    {
        auto d = opened<CEditOffsetParametersDialog>(*owner, nullptr);
        auto* list = d->controlAs<QListWidget>(listDialog::listId);
        EXPECT_EQ(rows(list), (std::vector<std::string>{"P", "P \xB7 2"}));
        EXPECT_FALSE(d->isControlEnabled(listDialog::editId));
        list->setCurrentRow(0);
        EXPECT_TRUE(d->isControlEnabled(listDialog::deleteId));
        d->sendCommand(listDialog::deleteId);
        d->sendCommand(listDialog::deleteId);
        EXPECT_EQ(list->count(), 0);
        EXPECT_FALSE(d->isControlEnabled(listDialog::duplicateId));
        d->sendCommand(IDCANCEL);
    }
    EXPECT_EQ(owner->terms.size(), 2u);

    auto d = opened<CEditOffsetParametersDialog>(*owner, nullptr);
    auto* list = d->controlAs<QListWidget>(listDialog::listId);
    list->setCurrentRow(1);
    thenOk([](CDialog& e) { e.setControlText(entryDialog::secondOffsetId, "4"); });
    d->sendCommand(listDialog::duplicateId);
    EXPECT_EQ(rows(list), (std::vector<std::string>{"P", "P \xB7 2", "P \xB7 2 + 4"}));
    EXPECT_EQ(list->currentRow(), 2);
    thenOk([](CDialog& e) { e.setControlText(entryDialog::firstOffsetId, "-1"); });
    d->sendCommand(listDialog::editId);
    EXPECT_EQ(rows(list), (std::vector<std::string>{"( P - 1 ) \xB7 2 + 4", "P", "P \xB7 2"}));
    EXPECT_EQ(list->currentRow(), 0);

    // The owner's list holds the rows from the last to the first.
    EXPECT_EQ(refusal(*d), 0);
    ASSERT_EQ(owner->terms.size(), 3u);
    EXPECT_EQ(text(describeOffsetTerm(owner->terms[0])), "P \xB7 2");
    EXPECT_EQ(text(describeOffsetTerm(owner->terms[1])), "P");
    EXPECT_EQ(text(describeOffsetTerm(owner->terms[2])), "( P - 1 ) \xB7 2 + 4");
}

TEST_F(parameterTermDialogs, ListWithoutDigitalParametersEndsCancelled)
{
    g2driverParameterTable none;
    fakeTermOwner empty(none);
    CEditRotateParametersDialog d(empty, nullptr);
    d.ensureInitialized();
    EXPECT_TRUE(d.hasEnded());
    EXPECT_EQ(messageIds(), std::vector<int>{10515});
}

} // namespace
