#include "g2driver/editor/g2editFixture.h"

#include "g2driver/editor/CEditDataObjectDialog.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driverDataObject.h"
#include "registers/sources/ui/CValueLimitsPanes.h"

#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace {

using objectDialog = CEditDataObjectDialog;
using limitsPane = CValueLimitsDataSourcePane;
using limitsChild = CValueLimitsPane;
constexpr int rowValueId = 1496;

// The meter driver holds the digital object State and the analog object
// Flow with its digital parameter Count; a new bistate object takes its
// state from value limits.
class valueLimitsPane : public g2edit {
protected:
    g2driverSourceTables tables() { return {meter->commands(), meter->dataObjects(), meter->programs()}; }
    std::unique_ptr<objectDialog> openNew()
    {
        auto d = opened<objectDialog>(tables(), nullptr, nullptr, nullptr);
        d->setControlText(objectDialog::tagId, "Limited");
        auto* types = d->controlAs<QComboBox>(CSourceTypeHostPane::sourceTypeId);
        d->selectItem(CSourceTypeHostPane::sourceTypeId, findItemText(*types, "Value limits"));
        return d;
    }
    static limitsPane& pane(objectDialog& d) { return static_cast<limitsPane&>(*d.currentPane()); }
    static limitsChild& child(objectDialog& d) { return pane(d).limits(); }
    static void chooseObject(objectDialog& d, const char* tag)
    {
        auto* objects = pane(d).controlAs<QComboBox>(limitsPane::objectId);
        pane(d).selectItem(limitsPane::objectId, findItemText(*objects, tag));
    }
    static void setCount(objectDialog& d, const char* value)
    {
        auto* panel = static_cast<CParameterValuesPanel*>(pane(d).control(limitsPane::panelId));
        panel->row(0)->controlAs<QLineEdit>(rowValueId)->setText(value);
    }
    static void setFixed(objectDialog& d, const limitsChild::side& ids, const char* value)
    {
        child(d).controlAs<QRadioButton>(ids.fixed)->click();
        child(d).setControlText(ids.edit, value);
    }
    std::string source()
    {
        std::string text = written(*meter->dataObjects().find("Limited"));
        return text.substr(text.find("\tSOURCE"));
    }
};

TEST_F(valueLimitsPane, NewSourceNeedsALimitAndComparesFixedLimits)
{
    auto d = openNew();
    ASSERT_EQ(d->currentType(), g2sourcePane::valueLimits);
    std::vector<std::string> objects = items(pane(*d).controlAs<QComboBox>(limitsPane::objectId));
    std::sort(objects.begin(), objects.end());
    EXPECT_EQ(objects, (std::vector<std::string>{"Flow", "State"}));
    EXPECT_EQ(pane(*d).selectedItem(limitsPane::limitTypeId), 2);
    for (const auto* ids : {&limitsChild::upperIds, &limitsChild::lowerIds}) {
        EXPECT_TRUE(child(*d).isChecked(ids->noLimit));
        EXPECT_EQ(text(child(*d).controlText(ids->edit)), "0");
        EXPECT_FALSE(child(*d).isControlEnabled(ids->edit));
        EXPECT_FALSE(child(*d).isControlEnabled(ids->list));
    }
    EXPECT_EQ(refusal(*d), 10651);

    chooseObject(*d, "State");
    setFixed(*d, limitsChild::lowerIds, "2.5");
    EXPECT_EQ(refusal(*d), 10654);
    EXPECT_TRUE(child(*d).hasFocus(limitsChild::lowerIds.edit));
    setFixed(*d, limitsChild::lowerIds, "4294967296");
    EXPECT_EQ(refusal(*d), 10654);
    setFixed(*d, limitsChild::lowerIds, "7");
    setFixed(*d, limitsChild::upperIds, "x");
    EXPECT_EQ(refusal(*d), 12601);
    EXPECT_TRUE(child(*d).hasFocus(limitsChild::upperIds.edit));
    setFixed(*d, limitsChild::upperIds, "6");
    EXPECT_EQ(refusal(*d), 10113);
    EXPECT_TRUE(child(*d).hasFocus(limitsChild::lowerIds.edit));
    setFixed(*d, limitsChild::upperIds, "7");
    pane(*d).selectItem(limitsPane::limitTypeId, 1);
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(source(), "\tSOURCE\t\tLIMIT, DIGITAL\n\t\tOBJECT\t\tState\n\t\tLIMIT_TYPE\tSTRICTLY INSIDE\n"
                        "\t\tMIN_VALUE\t7\n\t\tMAX_VALUE\t7\n\tEND\nEND\n");

    // Edited again, the pane shows the source and OK keeps it.
    std::string saved = source();
    g2driverDataObject* limited = meter->dataObjects().find("Limited");
    auto again = opened<objectDialog>(tables(), limited, limited, nullptr);
    ASSERT_EQ(again->currentType(), g2sourcePane::valueLimits);
    EXPECT_EQ(text(pane(*again).itemText(limitsPane::objectId, pane(*again).selectedItem(limitsPane::objectId))),
              "State");
    EXPECT_EQ(pane(*again).selectedItem(limitsPane::limitTypeId), 1);
    EXPECT_TRUE(child(*again).isChecked(limitsChild::lowerIds.fixed));
    EXPECT_EQ(text(child(*again).controlText(limitsChild::lowerIds.edit)), "7");
    EXPECT_EQ(refusal(*again), 0);
    EXPECT_EQ(source(), saved);
}

TEST_F(valueLimitsPane, AnalogLimitsFromObjectsAreNeverCompared)
{
    auto d = openNew();
    chooseObject(*d, "Flow");
    int heightWithOneRow = pane(*d).height();
    setCount(*d, "2");
    setFixed(*d, limitsChild::upperIds, "fast");
    EXPECT_EQ(refusal(*d), 12600);
    setFixed(*d, limitsChild::upperIds, "-1.5");
    // The lower limit from an analog object with a parameter: the child and
    // the pane grow by its parameter row.
    EXPECT_EQ(items(child(*d).controlAs<QComboBox>(limitsChild::lowerIds.list)), std::vector<std::string>{"Flow"});
    child(*d).controlAs<QRadioButton>(limitsChild::lowerIds.fromObject)->click();
    EXPECT_GT(child(*d).extraHeight(), 0);
    EXPECT_EQ(pane(*d).height(), heightWithOneRow + child(*d).extraHeight());
    EXPECT_TRUE(child(*d).isControlEnabled(limitsChild::lowerIds.list));
    EXPECT_FALSE(child(*d).isControlEnabled(limitsChild::lowerIds.edit));
    auto* lowerPanel = static_cast<CParameterValuesPanel*>(child(*d).control(limitsChild::lowerIds.panel));
    ASSERT_EQ(lowerPanel->rowCount(), 1);
    lowerPanel->row(0)->controlAs<QLineEdit>(rowValueId)->setText("5");
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(source(), "\tSOURCE\t\tLIMIT, ANALOG\n\t\tOBJECT\t\tFlow\n\t\tPARAMETER\tCount, DIGITAL, 2\n"
                        "\t\tLIMIT_TYPE\tOUTSIDE\n\t\tMIN_OBJECT\n\t\t\tOBJECT\t\tFlow\n"
                        "\t\t\tPARAMETER\tCount, DIGITAL, 5\n"
                        "\t\tEND\n\t\tMAX_VALUE\t-1.5\n\tEND\nEND\n");
}

TEST_F(valueLimitsPane, ObjectOfAnotherKindRefillsTheLimitLists)
{
    auto d = openNew();
    chooseObject(*d, "State");
    EXPECT_EQ(items(child(*d).controlAs<QComboBox>(limitsChild::upperIds.list)), std::vector<std::string>{"State"});
    int top = pane(*d).control(limitsPane::childId)->pos().y();
    EXPECT_EQ(child(*d).pos().y(), top);
    // Flow's parameter row pushes the child down; State has none.
    chooseObject(*d, "Flow");
    EXPECT_EQ(items(child(*d).controlAs<QComboBox>(limitsChild::upperIds.list)), std::vector<std::string>{"Flow"});
    EXPECT_GT(child(*d).pos().y(), top);
    chooseObject(*d, "State");
    EXPECT_EQ(child(*d).pos().y(), top);
}

// A driver without digital or analog objects has nothing to compare: the
// pane is not made.
TEST_F(valueLimitsPane, NoNumberObjectsNoPane)
{
    for (const char* tag : {"State", "Flow"})
        meter->dataObjects().find(tag)->setDefined(0);
    auto d = opened<objectDialog>(tables(), nullptr, nullptr, nullptr);
    auto* types = d->controlAs<QComboBox>(CSourceTypeHostPane::sourceTypeId);
    d->selectItem(CSourceTypeHostPane::sourceTypeId, findItemText(*types, "Value limits"));
    EXPECT_EQ(lastMessageId(), 10645);
    EXPECT_NE(d->currentType(), g2sourcePane::valueLimits);
}

} // namespace
