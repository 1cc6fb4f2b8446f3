#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/editor/CSelectDeviceDriverTypeDialog.h"
#include "g2driver/editor/showAsPanes.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "legacy/glegacyDriver.h"
#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "store/gstation.h"
#include "support/ui/controlHost.h"
#include "support/ui/temporarySettings.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <limits>

namespace {

// A parameter list of every kind, the last one internal, over a panel made
// on a host dialog.
class parameterValuesPanel : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* line : {"Flag, BISTATE", "Count, DIGITAL", "Ratio, ANALOG", "Label, STRING"})
            ASSERT_EQ(parameters.readLine(gstr(line), 2, 0), 0);
        ASSERT_EQ(parameters.readLine(gstr("Fixed, DIGITAL"), 2, 1), 0);
    }
    CParameterValuesPanel* makePanel(bool showFixed)
    {
        return host.add(1898, new CParameterValuesPanel(showFixed), 10, 10, 200, 1);
    }
    static QLineEdit* edit(CParameterValuesPanel* panel, int row)
    {
        return panel->row(row)->controlAs<QLineEdit>(1496);
    }
    static QComboBox* combo(CParameterValuesPanel* panel, int row)
    {
        return panel->row(row)->controlAs<QComboBox>(1496);
    }
    static std::string valueText(const g2driverParameterValueTable& table, const char* tag)
    {
        auto* value = table.find(tag);
        return value ? std::string(value->getText().view()) : "<none>";
    }

    temporarySettings settingsFolder;
    recordingResponder user;
    g2driverParameterTable parameters;
    controlHost host{240, 160};
};

TEST_F(parameterValuesPanel, OneRowPerShownParameterBelowThePanel)
{
    CParameterValuesPanel* panel = makePanel(false);
    int reach = panel->setParameters(parameters.ordered());
    ASSERT_EQ(panel->rowCount(), 4);
    EXPECT_EQ(panel->row(0)->label()->text().toStdString(), "Flag:");
    EXPECT_EQ(panel->row(0)->templateId(), 762);
    EXPECT_EQ(panel->row(3)->templateId(), 759);
    EXPECT_EQ(panel->row(0)->y(), panel->y());
    EXPECT_GT(panel->row(1)->y(), panel->row(0)->y());
    ASSERT_NE(panel->textHexPane(), nullptr);
    ASSERT_NE(panel->decimalHexPane(), nullptr);
    EXPECT_EQ(reach, panel->decimalHexPane()->geometry().bottom() + 1 - (panel->geometry().bottom() + 1));

    CParameterValuesPanel* all = makePanel(true);
    EXPECT_GT(all->setParameters(parameters.ordered()), 0);
    EXPECT_EQ(all->rowCount(), 5);

    g2driverParameterTable none;
    EXPECT_EQ(panel->setParameters(none.ordered()), 0);
    EXPECT_EQ(panel->rowCount(), 0);
    EXPECT_EQ(panel->textHexPane(), nullptr);
}

TEST_F(parameterValuesPanel, ValuesGoInAndComeOutByTagAndKind)
{
    CParameterValuesPanel* panel = makePanel(false);
    panel->setParameters(parameters.ordered());
    g2driverParameterValueTable empty(5);
    ASSERT_TRUE(panel->getValues(empty, false));
    EXPECT_EQ(empty.count(), 0);

    combo(panel, 0)->setCurrentIndex(2);
    edit(panel, 1)->setText("42");
    edit(panel, 2)->setText("2.5");
    edit(panel, 3)->setText("A\\x01");
    g2driverParameterValueTable values(5);
    ASSERT_TRUE(panel->getValues(values, false));
    EXPECT_EQ(values.find("Flag")->getNumber(), 1u);
    EXPECT_EQ(values.find("Count")->getNumber(), 42u);
    EXPECT_EQ(values.find("Ratio")->getReal(), 2.5);
    EXPECT_EQ(valueText(values, "Label"), std::string("A\x01", 2));

    // A new panel shows them; a value of another kind is not taken.
    CParameterValuesPanel* other = makePanel(false);
    other->setParameters(parameters.ordered());
    values.find("Count")->setAnalog(7);
    other->setValues(values);
    EXPECT_EQ(combo(other, 0)->currentText().toStdString(), "On");
    EXPECT_EQ(edit(other, 1)->text().toStdString(), "");
    EXPECT_EQ(edit(other, 3)->text().toStdString(), "A\\x01");

    // Laid out again, the rows keep what was entered.
    EXPECT_GE(panel->setParameters(parameters.ordered()), 0);
    EXPECT_EQ(edit(panel, 1)->text().toStdString(), "42");
}

// An analog value shown with ten digits comes out as it went in while its
// row is left alone: 15 and 17 digits, one unit from 1, the ends of the range.
TEST_F(parameterValuesPanel, AnalogValuesLeftAloneStayExact)
{
    CParameterValuesPanel* panel = makePanel(false);
    panel->setParameters(parameters.ordered());
    edit(panel, 2)->setText("1");
    g2driverParameterValueTable values(5);
    ASSERT_TRUE(panel->getValues(values, false));
    for (double value : {1.0000000000000002, 1.0 / 3.0, 0.123456789012345, std::numeric_limits<double>::max(),
                         -1.79769313486231e308}) {
        values.find("Ratio")->setAnalog(value);
        CParameterValuesPanel* shown = makePanel(false);
        shown->setParameters(parameters.ordered());
        shown->setValues(values);
        g2driverParameterValueTable out(5);
        ASSERT_TRUE(shown->getValues(out, false));
        EXPECT_EQ(out.find("Ratio")->getReal(), value);
    }
}

TEST_F(parameterValuesPanel, UnreadableRowsAreRefusedUnlessQuiet)
{
    struct refusal {
        int row;
        const char* text;
        int message;
    };
    const refusal cases[] = {{1, "99999999999", 10581}, {2, "1.2.3", 10579}, {3, "A\\", 10051}};
    for (const refusal& c : cases) {
        CParameterValuesPanel* panel = makePanel(false);
        panel->setParameters(parameters.ordered());
        edit(panel, c.row)->setText(c.text);
        user.messages.clear();
        g2driverParameterValueTable quiet(5);
        EXPECT_TRUE(panel->getValues(quiet, true)) << c.text;
        EXPECT_TRUE(user.messages.empty());
        g2driverParameterValueTable loud(5);
        EXPECT_FALSE(panel->getValues(loud, false)) << c.text;
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.lastMessage().promptId, c.message);
    }
}

TEST_F(parameterValuesPanel, HexSwitchesAreRefusedByABadStringAndRemembered)
{
    {
        CParameterValuesPanel* panel = makePanel(false);
        panel->setParameters(parameters.ordered());
        edit(panel, 1)->setText("255");
        auto* pane = panel->decimalHexPane();
        pane->setChecked(1434, true);
        pane->sendCommand(1434);
        EXPECT_EQ(panel->decimalHexMode(), 1);
        EXPECT_EQ(edit(panel, 1)->text().toStdString(), "FF");

        edit(panel, 3)->setText("A\\");
        auto* textPane = panel->textHexPane();
        textPane->setChecked(1434, true);
        textPane->sendCommand(1434);
        EXPECT_EQ(panel->textHexMode(), 0);
        EXPECT_TRUE(textPane->isChecked(1435));
        EXPECT_EQ(user.lastMessage().promptId, 10051);
        delete panel;
    }
    EXPECT_EQ(profileInt("Dialogs\\Edit G2Driver", "HexMode2", 0), 1);
    EXPECT_EQ(profileInt("Dialogs\\Edit G2Driver", "HexMode", -1), 0);
    CParameterValuesPanel* again = makePanel(false);
    again->setParameters(parameters.ordered());
    EXPECT_TRUE(again->decimalHexPane()->isChecked(1434));
}

// The driver type is asked only when the station has drivers of both kinds.
TEST_F(parameterValuesPanel, NamedDigitalValuesAreChosenFromTheirNames)
{
    g2driverParameterTable named;
    ASSERT_EQ(named.readLine(gstr("Speed, DIGITAL, 10, Fast, 2, Slow"), 2, 0), 0);
    CParameterValuesPanel* panel = makePanel(false);
    panel->setParameters(named.ordered());
    ASSERT_EQ(panel->rowCount(), 1);
    EXPECT_EQ(panel->row(0)->templateId(), 868);
    EXPECT_EQ(panel->decimalHexPane(), nullptr);
    QComboBox* names = combo(panel, 0);
    ASSERT_EQ(names->count(), 3);
    EXPECT_EQ(names->itemText(1).toStdString(), "Slow");

    g2driverParameterValueTable none(5);
    EXPECT_TRUE(panel->getValues(none, false));
    EXPECT_EQ(none.find("Speed"), nullptr);

    // A value without a name gets its own entry among the named ones.
    g2driverParameterValueTable given(5);
    auto* value = new g2driverParameterValue;
    value->setName(gstr("Speed"));
    value->setDigital(5);
    value->setDefined(1);
    given.insert(value);
    panel->setValues(given);
    ASSERT_EQ(names->count(), 4);
    EXPECT_EQ(names->itemText(2).toStdString(), "Value 5");
    EXPECT_EQ(names->currentIndex(), 2);
    names->setCurrentIndex(3);
    g2driverParameterValueTable out(5);
    ASSERT_TRUE(panel->getValues(out, false));
    EXPECT_EQ(out.find("Speed")->getNumber(), 10u);
}

TEST_F(parameterValuesPanel, RefusedTextSwitchKeepsTheTextButton)
{
    CParameterValuesPanel* panel = makePanel(false);
    panel->setParameters(parameters.ordered());
    edit(panel, 3)->setText(QStringLiteral("\\x"));
    CTextHexPane* pane = panel->textHexPane();
    pane->setChecked(CTextHexPane::textId, false);
    pane->setChecked(CShowAsPaneBase::hexId, true);
    pane->sendCommand(CShowAsPaneBase::hexId);
    EXPECT_TRUE(pane->isChecked(CTextHexPane::textId));
    EXPECT_FALSE(pane->isChecked(CShowAsPaneBase::hexId));
    EXPECT_EQ(panel->textHexMode(), 0);
}

TEST_F(parameterValuesPanel, ErrorCodePaneWidensItsHostAndFollowsRefusals)
{
    bool accept = false;
    std::vector<int> asked;
    auto* pane = new CCodeTextHexPane([&](int mode) {
        asked.push_back(mode);
        return accept;
    });
    QPoint position(10, 20);
    int width = 10;
    pane->create(&host, nullptr, position, width, 0);
    EXPECT_EQ(width, pane->width());
    EXPECT_EQ(position.y(), 20 + pane->height());
    EXPECT_EQ(pane->x(), 10 + width - pane->width());
    EXPECT_TRUE(pane->isChecked(CCodeTextHexPane::textId));

    pane->setChecked(CShowAsPaneBase::hexId, true);
    pane->sendCommand(CShowAsPaneBase::hexId);
    EXPECT_TRUE(pane->isChecked(CCodeTextHexPane::textId));
    accept = true;
    pane->setChecked(CShowAsPaneBase::hexId, true);
    pane->sendCommand(CShowAsPaneBase::hexId);
    EXPECT_TRUE(pane->isChecked(CShowAsPaneBase::hexId));
    EXPECT_EQ(asked, (std::vector<int>{1, 1}));
}

TEST(selectDeviceDriverType, AsksOnlyWhenThereIsAChoice)
{
    recordingResponder user;
    station::g2Drivers().deleteAll();
    station::legacyDrivers().deleteAll();
    struct typeCase {
        bool g2;
        bool legacy;
        bool shown;
        bool regular;
    };
    const typeCase cases[] = {
        {false, false, false, true}, {true, false, false, true}, {false, true, false, false}, {true, true, true, true}};
    for (const typeCase& c : cases) {
        station::g2Drivers().deleteAll();
        station::legacyDrivers().deleteAll();
        if (c.g2)
            station::g2Drivers().define("Pump");
        if (c.legacy)
            station::legacyDrivers().define("Meter");
        CSelectDeviceDriverTypeDialog d;
        d.ensureInitialized();
        EXPECT_EQ(d.hasEnded(), !c.shown);
        if (c.shown) {
            EXPECT_TRUE(d.isChecked(CSelectDeviceDriverTypeDialog::regularId));
            d.checkRadioButton(CSelectDeviceDriverTypeDialog::legacyId, CSelectDeviceDriverTypeDialog::regularId,
                               CSelectDeviceDriverTypeDialog::legacyId);
            d.sendCommand(IDOK);
            EXPECT_FALSE(d.regularChosen());
            continue;
        }
        EXPECT_EQ(d.endResult(), IDOK);
        EXPECT_EQ(d.regularChosen(), c.regular);
    }
    station::g2Drivers().deleteAll();
    station::legacyDrivers().deleteAll();
}

} // namespace
