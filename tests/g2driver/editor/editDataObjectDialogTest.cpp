#include "g2editFixture.h"

#include "g2driver/editor/CEditDataObjectDialog.h"
#include "g2driver/editor/CEditParameterDialog.h"
#include "g2driver/editor/CParameterDataSourcePane.h"
#include "g2driver/model/g2driverDataObject.h"
#include "registers/sources/g2driverParameterSource.h"
#include "registers/sources/ui/CDataSourcePane.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

using objectDialog = CEditDataObjectDialog;
using parameterPane = CParameterDataSourcePane;

// A register source that reads a data object from outside the driver.
struct outsideReader : greferrer {
    void describeReferrer(gstr& text) const override { text.append("The register Outside"); }
    gusesList uses{this};
};

class editDataObject : public g2edit {
protected:
    g2driverSourceTables tables() { return {meter->commands(), meter->dataObjects(), meter->programs()}; }
    g2driverDataObject* object(const char* tag) { return meter->dataObjects().find(tag); }
    std::unique_ptr<objectDialog> open(g2driverDataObject* source, g2driverDataObject* target)
    {
        return opened<objectDialog>(tables(), source, target, nullptr);
    }
    static CDataSourcePane& pane(objectDialog& d) { return *d.currentPane(); }
    static void chooseType(objectDialog& d, int32_t kind) { d.selectItem(objectDialog::typeId, kind - 1); }
    static std::vector<std::string> parameterRows(objectDialog& d)
    {
        return rows(d.controlAs<QListWidget>(objectDialog::parametersId));
    }
};

TEST_F(editDataObject, NewObjectStartsAsBistateParameterAndKeepsWhatOkChecked)
{
    auto d = open(nullptr, nullptr);
    EXPECT_EQ(title(*d), "New Data Object");
    EXPECT_FALSE(d->isControlEnabled(IDOK));
    EXPECT_EQ(d->selectedItem(objectDialog::typeId), 0);
    EXPECT_EQ(text(d->controlText(objectDialog::sizeId)), "1");
    EXPECT_FALSE(d->isControlEnabled(objectDialog::sizeId));
    EXPECT_FALSE(d->isControlEnabled(objectDialog::valueNamesId));
    EXPECT_EQ(d->currentType(), 16);
    EXPECT_EQ(items(d->controlAs<QComboBox>(CSourceTypeHostPane::sourceTypeId)),
              (std::vector<std::string>{"On/Off string", "Bit mask", "Search string", "Digital value list",
                                         "Value limits", "Pattern match", "Processor", "Summary", "Parameter",
                                         "<Multiple sources>"}));
    EXPECT_TRUE(pane(*d).isUnchanged());
    EXPECT_TRUE(pane(*d).isControlShown(parameterPane::onId));
    EXPECT_FALSE(pane(*d).isControlEnabled(parameterPane::onId));

    d->setControlText(objectDialog::tagId, "Flow");
    EXPECT_TRUE(d->isControlEnabled(IDOK));
    chooseType(*d, 3);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(d->isControlEnabled(objectDialog::sizeId));
    EXPECT_TRUE(pane(*d).isControlShown(parameterPane::analogId));
    EXPECT_FALSE(pane(*d).isControlShown(parameterPane::onId));

    d->setControlText(objectDialog::sizeId, "0");
    EXPECT_EQ(refusal(*d), 10331);
    EXPECT_TRUE(d->hasFocus(objectDialog::sizeId));
    d->setControlText(objectDialog::sizeId, "3");
    pane(*d).setChecked(parameterPane::defaultId, true);
    EXPECT_TRUE(pane(*d).isControlEnabled(parameterPane::analogId));
    pane(*d).setControlText(parameterPane::analogId, "fast");
    EXPECT_EQ(refusal(*d), 10636);
    pane(*d).setControlText(parameterPane::analogId, "2.5");
    EXPECT_EQ(refusal(*d), 10633);
    EXPECT_TRUE(d->hasFocus(objectDialog::tagId));

    d->setControlText(objectDialog::tagId, "Level");
    pane(*d).setChecked(parameterPane::rememberId, true);
    EXPECT_EQ(refusal(*d), 0);
    g2driverDataObject* made = object("Level");
    ASSERT_EQ(d->dataObject(), made);
    EXPECT_EQ(written(*made), "OBJECT\t\tLevel, ANALOG\n"
                              "\tELEMENTS\t3\n"
                              "\tSOURCE\t\tPARAMETER\n"
                              "\t\tDEFAULT\t\t2.5\n"
                              "\t\tPERSISTENT\tYES\n"
                              "\tEND\n"
                              "END\n");
}

// An analog default keeps all its digits through an unchanged OK, up to
// the largest values the loader takes.
TEST_F(editDataObject, AnalogDefaultStaysExact)
{
    auto d = open(nullptr, nullptr);
    chooseType(*d, 3);
    d->setControlText(objectDialog::tagId, "Level");
    pane(*d).setChecked(parameterPane::defaultId, true);
    pane(*d).setControlText(parameterPane::analogId, "1");
    ASSERT_EQ(refusal(*d), 0);
    g2driverDataObject* level = object("Level");
    ASSERT_NE(level, nullptr);
    for (double value : {1.797693134862315e308, -1.7976931348623157e308, 1.0 / 3.0, 1.0000000000000002}) {
        // OK puts a new source in place of the old one.
        auto* source = dynamic_cast<g2driverParameterSource*>(level->getSource());
        ASSERT_NE(source, nullptr);
        source->setRealDefault(value);
        std::string before = written(*level);
        auto again = open(level, level);
        EXPECT_EQ(refusal(*again), 0) << before;
        EXPECT_EQ(written(*level), before);
        EXPECT_EQ(dynamic_cast<g2driverParameterSource*>(level->getSource())->getReal(), value);
    }
}

// Each value kind's default as the pane shows and rebuilds it.
TEST_F(editDataObject, ParameterDefaultsFollowTheValueKind)
{
    struct row {
        int32_t kind;
        int field;
        const char* typed;
        int message;
        const char* line;
    };
    const row table[] = {
        {2, parameterPane::digitalId, "", 10635, nullptr},
        {2, parameterPane::digitalId, "-1", 10635, nullptr},
        {2, parameterPane::digitalId, "4294967295", 0, "DEFAULT\t\t4294967295"},
        {3, parameterPane::analogId, "-1e3", 0, "DEFAULT\t\t-1000"},
        {4, parameterPane::stringId, "a\\tb", 0, "DEFAULT\t\t\"a\\tb\""},
    };
    int made = 0;
    for (const row& r : table) {
        SCOPED_TRACE(r.typed);
        std::string tag = "Made" + std::to_string(++made);
        auto d = open(nullptr, nullptr);
        d->setControlText(objectDialog::tagId, gstrSlice(tag.c_str()));
        chooseType(*d, r.kind);
        pane(*d).setChecked(parameterPane::defaultId, true);
        pane(*d).setControlText(r.field, r.typed);
        EXPECT_EQ(refusal(*d), r.message);
        if (r.message) {
            EXPECT_TRUE(pane(*d).hasFocus(r.field));
            continue;
        }
        std::string lines = written(*object(tag.c_str()));
        EXPECT_NE(lines.find(r.line), std::string::npos) << lines;
    }
}

TEST_F(editDataObject, BistateDefaultOffStaysOff)
{
    auto d = open(nullptr, nullptr);
    d->setControlText(objectDialog::tagId, "Door");
    pane(*d).setChecked(parameterPane::defaultId, true);
    pane(*d).checkRadioButton(parameterPane::onId, parameterPane::offId, parameterPane::offId);
    ASSERT_EQ(refusal(*d), 0);
    g2driverDataObject* door = object("Door");
    EXPECT_NE(written(*door).find("DEFAULT\t\tOFF"), std::string::npos);

    auto again = open(door, door);
    EXPECT_TRUE(pane(*again).isChecked(parameterPane::offId));
    EXPECT_FALSE(pane(*again).isChecked(parameterPane::onId));
    EXPECT_FALSE(pane(*again).isUnchanged());
    std::string before = written(*door);
    EXPECT_EQ(refusal(*again), 0);
    EXPECT_EQ(written(*door), before);
}

// Sources this editor keeps as they are come back unchanged through OK.
TEST_F(editDataObject, KeptSourcesComeBackByteForByte)
{
    for (const char* tag : {"Flow", "Running", "State"}) {
        SCOPED_TRACE(tag);
        g2driverDataObject* o = object(tag);
        std::string before = written(*o);
        auto d = open(o, o);
        EXPECT_TRUE(d->controlAs<QLineEdit>(objectDialog::tagId)->isReadOnly());
        EXPECT_TRUE(d->hasFocus(objectDialog::parametersId));
        EXPECT_EQ(d->currentType(), o->getSource()->getPaneType());
        EXPECT_EQ(refusal(*d), 0);
        EXPECT_EQ(written(*o), before);
    }
}

TEST_F(editDataObject, TypeChangeOfABistateOnlySourceAsksForAParameterSource)
{
    g2driverDataObject* state = object("State");
    ASSERT_TRUE(state->isUnused());
    auto d = open(state, state);
    EXPECT_TRUE(d->isControlEnabled(objectDialog::valueNamesId));
    user.answers.push_back(ganswer::cancel);
    chooseType(*d, 3);
    EXPECT_EQ(lastMessageId(), 10634);
    EXPECT_EQ(d->selectedItem(objectDialog::typeId), 1);
    EXPECT_EQ(d->currentType(), 10);

    user.answers.push_back(ganswer::ok);
    chooseType(*d, 3);
    EXPECT_EQ(d->currentType(), 16);
    EXPECT_TRUE(pane(*d).isControlShown(parameterPane::analogId));
    EXPECT_FALSE(d->isControlEnabled(objectDialog::valueNamesId));
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(state->getTypeCode(), 3);
    EXPECT_TRUE(state->valueNames().empty());
    EXPECT_EQ(state->getSource()->getPaneType(), 16);
}

TEST_F(editDataObject, ReferencedObjectKeepsItsTypeAndStaysVisibleOutside)
{
    g2driverDataObject* flow = object("Flow");
    outsideReader reader;
    reader.uses.add(flow->usedBy(1));
    auto d = open(flow, flow);
    chooseType(*d, 1);
    EXPECT_EQ(lastMessageId(), 20066);
    EXPECT_NE(user.lastMessage().text.find("The register Outside"), std::string::npos);
    EXPECT_EQ(d->selectedItem(objectDialog::typeId), 2);

    d->setChecked(objectDialog::internalId, true);
    d->sendCommand(objectDialog::internalId);
    EXPECT_EQ(lastMessageId(), 20067);
    EXPECT_FALSE(d->isChecked(objectDialog::internalId));
}

TEST_F(editDataObject, ParametersListedInOrderAndWrittenInListOrder)
{
    g2driverDataObject* flow = object("Flow");
    auto d = open(flow, nullptr);
    EXPECT_EQ(title(*d), "New Data Object");
    EXPECT_EQ(parameterRows(*d), std::vector<std::string>{"Count"});
    EXPECT_EQ(text(d->controlText(objectDialog::sizeId)), "4");
    EXPECT_FALSE(d->isControlEnabled(objectDialog::editId));

    // New goes below the selection, Duplicate at the end.
    d->selectItem(objectDialog::parametersId, -1);
    thenOk([](CDialog& p) { p.setControlText(CEditParameterDialog::tagId, "Gain"); });
    d->sendCommand(objectDialog::newId);
    thenOk([](CDialog& p) {
        p.setControlText(CEditParameterDialog::tagId, "Count");
        EXPECT_EQ(p.endResult(), IDCANCEL);
    });
    d->sendCommand(objectDialog::newId);
    EXPECT_EQ(lastMessageId(), 10632);
    thenOk([](CDialog& p) { p.setControlText(CEditParameterDialog::tagId, "Span"); });
    d->selectItem(objectDialog::parametersId, 1);
    d->sendCommand(objectDialog::duplicateId);
    EXPECT_EQ(parameterRows(*d), (std::vector<std::string>{"Gain", "Count", "Span"}));

    // Delete of an unused one selects the entry at its place.
    d->selectItem(objectDialog::parametersId, 0);
    d->sendCommand(objectDialog::deleteId);
    EXPECT_EQ(parameterRows(*d), (std::vector<std::string>{"Count", "Span"}));
    EXPECT_EQ(d->selectedItem(objectDialog::parametersId), 0);

    QComboBox combo;
    EXPECT_FALSE(d->fillParameterCombo(combo, g2valueKind::analog, nullptr));
    EXPECT_TRUE(d->fillParameterCombo(combo, g2valueKind::digital, nullptr));
    EXPECT_EQ(items(&combo), (std::vector<std::string>{"Count", "Span"}));
    EXPECT_EQ(combo.currentIndex(), 0);

    d->setControlText(objectDialog::tagId, "Flow2");
    ASSERT_EQ(refusal(*d), 0);
    std::string copy = written(*object("Flow2"));
    EXPECT_NE(copy.find("\tPARAMETER\tCount, DIGITAL\n\tPARAMETER\tSpan, DIGITAL\n\tELEMENTS\t4"),
              std::string::npos)
        << copy;
    EXPECT_NE(copy.find("SOURCE\t\tANALOG NUMBER"), std::string::npos);
    EXPECT_EQ(object("Flow")->parameters().ordered().size(), 1);
}

TEST_F(editDataObject, ParameterUsedByTheUnsavedSourceCannotGo)
{
    std::string path(KORVEL_TEST_DATA_DIR);
    path.append("/registers/sources/fixtures/dataObjectSources.stn");
    ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
    g2driver* sources = station::g2Drivers().find("Sources");
    ASSERT_NE(sources, nullptr);
    g2driverDataObject* onOff = sources->dataObjects().find("OnOff");
    g2driverSourceTables tables{sources->commands(), sources->dataObjects(), sources->programs()};
    auto d = opened<objectDialog>(tables, onOff, nullptr, nullptr);
    d->selectItem(objectDialog::parametersId, 0);
    EXPECT_TRUE(d->isControlEnabled(objectDialog::deleteId));
    d->sendCommand(objectDialog::deleteId);
    EXPECT_EQ(lastMessageId(), 20024);
    EXPECT_NE(user.lastMessage().text.find("\nThe source"), std::string::npos) << user.lastMessage().text;
    EXPECT_EQ(parameterRows(*d), std::vector<std::string>{"Index"});
}

// The string default follows the display buttons; a text that does not
// read keeps its mode.
TEST_F(editDataObject, StringDefaultSwitchesBetweenTextAndHex)
{
    auto d = open(nullptr, nullptr);
    d->setControlText(objectDialog::tagId, "Name");
    chooseType(*d, 4);
    CDataSourcePane& p = pane(*d);
    p.setChecked(parameterPane::defaultId, true);
    p.setControlText(parameterPane::stringId, "AB");
    p.checkRadioButton(parameterPane::showHexId, parameterPane::showTextId, parameterPane::showHexId);
    p.sendCommand(parameterPane::showHexId);
    EXPECT_EQ(text(p.controlText(parameterPane::stringId)), "41 42");
    p.setControlText(parameterPane::stringId, "43 XY");
    p.checkRadioButton(parameterPane::showHexId, parameterPane::showTextId, parameterPane::showTextId);
    p.sendCommand(parameterPane::showTextId);
    EXPECT_TRUE(p.isChecked(parameterPane::showHexId));
    p.setControlText(parameterPane::stringId, "43");
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_NE(written(*object("Name")).find("DEFAULT\t\tC\n"), std::string::npos) << written(*object("Name"));
}

} // namespace
