#include "g2editFixture.h"

#include "formats/ui/CNumberInputFormatPage.h"
#include "formats/ui/CStringMatchPage.h"
#include "g2driver/editor/CAnalogNumberDataSourcePane.h"
#include "g2driver/editor/CDerivedDataSourcePanes.h"
#include "g2driver/editor/CEditDataObjectDialog.h"
#include "g2driver/editor/CEditParameterTermsDialogs.h"
#include "g2driver/editor/CModifyObjectDialog.h"
#include "g2driver/editor/CMultipleDataSourcePane.h"
#include "g2driver/editor/CSummaryDataSourcePane.h"
#include "g2driver/editor/CParameterDataSourcePane.h"
#include "g2driver/editor/CSearchStringDataSourcePane.h"
#include "g2driver/editor/CStringDataSourcePanes.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverProgram.h"
#include "registers/sources/ui/CDataElementSourcePane.h"
#include "registers/ui/CFactorOffsetPane.h"

#include <QTreeWidget>

namespace {

using objectDialog = CEditDataObjectDialog;
using elementPane = CDataElementSourcePane;
using searchPane = CSearchStringDataSourcePane;
using multiplePane = CMultipleDataSourcePane;

class dataElementPanes : public g2edit {
protected:
    void SetUp() override
    {
        g2edit::SetUp();
        std::string path(KORVEL_TEST_DATA_DIR);
        path.append("/registers/sources/fixtures/dataObjectSources.stn");
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
        driver = station::g2Drivers().find("Sources");
        ASSERT_NE(driver, nullptr);
    }
    g2driverSourceTables tables() { return {driver->commands(), driver->dataObjects(), driver->programs()}; }
    g2driverDataObject* object(const char* tag) { return driver->dataObjects().find(tag); }
    std::unique_ptr<objectDialog> open(g2driverDataObject* source, g2driverDataObject* target)
    {
        return opened<objectDialog>(tables(), source, target, nullptr);
    }
    static CDataSourcePane& pane(objectDialog& d) { return *d.currentPane(); }
    static void chooseSource(objectDialog& d, const char* name)
    {
        choose(d.controlAs<QComboBox>(CSourceTypeHostPane::sourceTypeId), name);
    }

    g2driver* driver = nullptr;
};

// What the panes load they build again, line for line.
TEST_F(dataElementPanes, SourcesComeBackThroughTheirPanes)
{
    const char* const tags[] = {"Found", "Named", "Text",   "Combined", "Level",   "Processed",
                                "Summed", "AnyOn", "OnOff", "InList",   "Matched", "Filtered", "Masked"};
    for (const char* tag : tags) {
        SCOPED_TRACE(tag);
        g2driverDataObject* o = object(tag);
        std::string before = written(*o);
        auto d = open(o, o);
        EXPECT_EQ(d->currentType(), o->getSource()->getPaneType());
        if (dynamic_cast<elementPane*>(&pane(*d))) {
            EXPECT_EQ(items(pane(*d).controlAs<QComboBox>(elementPane::commandId)), std::vector<std::string>{"C"});
        }
        EXPECT_EQ(refusal(*d), 0) << lastMessageId();
        EXPECT_EQ(written(*o), before);
    }
}

TEST_F(dataElementPanes, SearchStringPaneChecksItsFieldsInOrder)
{
    auto d = open(nullptr, nullptr);
    d->setControlText(objectDialog::tagId, "Seen");
    EXPECT_EQ(items(d->controlAs<QComboBox>(CSourceTypeHostPane::sourceTypeId)),
              (std::vector<std::string>{"On/Off string", "Bit mask", "Search string", "Digital value list",
                                         "Value limits", "Pattern match", "Processor", "Summary", "Parameter",
                                         "<Multiple sources>"}));
    chooseSource(*d, "Search string");
    EXPECT_TRUE(user.messages.empty());
    ASSERT_EQ(d->currentType(), 3);
    CDataSourcePane& p = pane(*d);
    EXPECT_EQ(items(p.controlAs<QComboBox>(elementPane::dataElementId)),
              (std::vector<std::string>{"Values", "Tail"}));
    EXPECT_FALSE(p.isControlEnabled(searchPane::widthId));
    EXPECT_EQ(text(p.controlText(searchPane::widthId)), "1");
    EXPECT_TRUE(p.isChecked(searchPane::normalId));

    struct step {
        int field;
        const char* typed;
        int message;
        int focus;
    };
    p.setChecked(elementPane::useKeyId, true);
    p.setChecked(searchPane::useWidthId, true);
    p.setControlText(searchPane::widthId, "");
    const step steps[] = {
        {elementPane::keyId, "", 10150, elementPane::keyId},
        {elementPane::keyId, "(", 10090, elementPane::keyId},
        {elementPane::keyId, "#", 10524, searchPane::widthId},
        {searchPane::widthId, "0", 10524, searchPane::widthId},
        {searchPane::widthId, "8", 10409, searchPane::searchStringId},
        {searchPane::searchStringId, "[", 10408, searchPane::searchStringId},
        {searchPane::searchStringId, "OK", 0, 0},
    };
    p.setControlText(elementPane::offsetId, "-2");
    for (const step& s : steps) {
        SCOPED_TRACE(s.typed);
        p.setControlText(s.field, s.typed);
        EXPECT_EQ(refusal(*d), s.message);
        if (s.focus) {
            EXPECT_TRUE(p.hasFocus(s.focus));
        }
    }
    EXPECT_EQ(written(*object("Seen")), "OBJECT\t\tSeen, BISTATE\n"
                                        "\tSOURCE\t\tSEARCH STRING\n"
                                        "\t\tDATA\t\tC, Values\n"
                                        "\t\tKEY\t\t#\n"
                                        "\t\tOFFSET\t\t-2\n"
                                        "\t\tSEARCH_STRING\tOK\n"
                                        "\t\tLENGTH\t\t8\n"
                                        "\tEND\n"
                                        "END\n");
}

TEST_F(dataElementPanes, NegativeOffsetNeedsAKey)
{
    g2driverDataObject* found = object("Found");
    auto d = open(found, found);
    CDataSourcePane& p = pane(*d);
    p.setControlText(elementPane::offsetId, "-1");
    EXPECT_EQ(refusal(*d), 10638);
    EXPECT_TRUE(p.hasFocus(elementPane::offsetId));
    p.setControlText(elementPane::offsetId, "x");
    EXPECT_EQ(refusal(*d), 10327);
}

TEST_F(dataElementPanes, AFilledSourceIsReplacedOnlyAfterAsking)
{
    g2driverDataObject* found = object("Found");
    auto d = open(found, found);
    user.answers.push_back(ganswer::cancel);
    chooseSource(*d, "Parameter");
    EXPECT_EQ(lastMessageId(), 10671);
    EXPECT_NE(user.lastMessage().text.find("with a Parameter source?"), std::string::npos);
    EXPECT_EQ(d->currentType(), 3);
    EXPECT_EQ(text(d->controlText(CSourceTypeHostPane::sourceTypeId)), "Search string");

    user.answers.push_back(ganswer::ok);
    chooseSource(*d, "Parameter");
    EXPECT_EQ(d->currentType(), 16);
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(found->getSource()->getPaneType(), 16);
}

TEST_F(dataElementPanes, ADriverWithoutDataCommandsOffersNoCommandDataPane)
{
    jhashTypedDatabaseTable<g2driverCommand> commands(20);
    jhashTypedDatabaseTable<g2driverDataObject> objects(50);
    jhashTypedDatabaseTable<g2driverProgram> programs(10);
    auto d = opened<objectDialog>(g2driverSourceTables{commands, objects, programs}, nullptr, nullptr, nullptr);
    chooseSource(*d, "Search string");
    EXPECT_EQ(lastMessageId(), 10637);
    EXPECT_EQ(d->currentType(), 16);
    chooseSource(*d, "Processor");
    EXPECT_EQ(lastMessageId(), 10639);
    chooseSource(*d, "Pattern match");
    EXPECT_EQ(lastMessageId(), 10648);
    chooseSource(*d, "Digital value list");
    EXPECT_EQ(lastMessageId(), 10646);
    EXPECT_EQ(d->currentType(), 16);
    EXPECT_EQ(text(d->controlText(CSourceTypeHostPane::sourceTypeId)), "Parameter");
}

TEST_F(dataElementPanes, SetOfStringsNeedsAPattern)
{
    auto d = open(nullptr, nullptr);
    d->setControlText(objectDialog::tagId, "Coded");
    d->selectItem(objectDialog::typeId, 1);
    chooseSource(*d, "Set of strings");
    ASSERT_EQ(d->currentType(), 8);
    EXPECT_EQ(refusal(*d), 10594);
    EXPECT_EQ(object("Coded"), nullptr);
}

// Choosing multiple sources keeps the current source as the first member;
// one member is saved as that source alone.
TEST_F(dataElementPanes, MultipleSourcesStartFromTheCurrentSource)
{
    g2driverDataObject* found = object("Found");
    std::string before = written(*found);
    auto d = open(found, found);
    chooseSource(*d, "<Multiple sources>");
    EXPECT_TRUE(user.messages.empty());
    ASSERT_EQ(d->currentType(), 17);
    auto& p = static_cast<multiplePane&>(pane(*d));
    ASSERT_EQ(p.rowCount(), 1);
    EXPECT_EQ(p.rowSource(0)->getPaneType(), 3);
    EXPECT_TRUE(p.isChecked(multiplePane::anyId));
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(written(*found), before);
}

TEST_F(dataElementPanes, MembersAreMadeInTheEditSourceDialog)
{
    auto d = open(nullptr, nullptr);
    d->setControlText(objectDialog::tagId, "Both");
    chooseSource(*d, "<Multiple sources>");
    auto& p = static_cast<multiplePane&>(pane(*d));
    EXPECT_EQ(p.rowCount(), 0);
    EXPECT_FALSE(p.isControlEnabled(multiplePane::editId));
    EXPECT_EQ(refusal(*d), 10674);

    std::string caption;
    std::vector<std::string> offered;
    thenOk([&](CDialog& source) {
        caption = title(source);
        offered = items(source.controlAs<QComboBox>(CSourceTypeHostPane::sourceTypeId));
        auto& host = static_cast<CSourceTypeHostPane&>(source);
        host.currentPane()->setChecked(CParameterDataSourcePane::rememberId, true);
    });
    p.sendCommand(multiplePane::newId);
    EXPECT_EQ(caption, "New Source");
    EXPECT_EQ(offered, (std::vector<std::string>{"On/Off string", "Bit mask", "Search string",
                                                 "Digital value list", "Value limits", "Pattern match",
                                                 "Processor", "Summary", "Parameter"}));
    thenOk([](CDialog& source) {
        choose(source.controlAs<QComboBox>(CSourceTypeHostPane::sourceTypeId), "Search string");
        auto& host = static_cast<CSourceTypeHostPane&>(source);
        host.currentPane()->setControlText(searchPane::searchStringId, "ERR");
    });
    p.sendCommand(multiplePane::newId);
    ASSERT_EQ(p.rowCount(), 2);
    EXPECT_TRUE(p.isControlEnabled(multiplePane::editId));
    p.checkRadioButton(multiplePane::anyId, multiplePane::allId, multiplePane::allId);
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(written(*object("Both")), "OBJECT\t\tBoth, BISTATE\n"
                                        "\tSOURCE\t\tMULTIPLE\n"
                                        "\t\tAUTO_MASK\tALL\n"
                                        "\t\tSOURCE\t\tPARAMETER\n"
                                        "\t\t\tPERSISTENT\tYES\n"
                                        "\t\tEND\n"
                                        "\t\tSOURCE\t\tSEARCH STRING\n"
                                        "\t\t\tDATA\t\tC, Values\n"
                                        "\t\t\tSEARCH_STRING\tERR\n"
                                        "\t\tEND\n"
                                        "\tEND\n"
                                        "END\n");
}

TEST_F(dataElementPanes, MembersThatCannotServeANewTypeGoAfterOneQuestion)
{
    g2driverDataObject* combined = object("Combined");
    ASSERT_TRUE(combined->isUnused());
    auto d = open(combined, combined);
    auto& p = static_cast<multiplePane&>(pane(*d));
    ASSERT_EQ(p.rowCount(), 2);
    user.answers.push_back(ganswer::cancel);
    d->selectItem(objectDialog::typeId, 1);
    EXPECT_EQ(messageIds(), std::vector<int>{10676});
    EXPECT_EQ(d->selectedItem(objectDialog::typeId), 0);
    EXPECT_EQ(p.rowCount(), 2);

    user.answers.push_back(ganswer::ok);
    d->selectItem(objectDialog::typeId, 1);
    EXPECT_EQ(d->selectedItem(objectDialog::typeId), 1);
    ASSERT_EQ(p.rowCount(), 1);
    EXPECT_EQ(p.rowSource(0)->getPaneType(), 16);

    // The last member deleted leaves only New.
    p.list().setCurrentItem(p.list().topLevelItem(0));
    p.sendCommand(multiplePane::deleteId);
    EXPECT_EQ(p.rowCount(), 0);
    EXPECT_FALSE(p.isControlEnabled(multiplePane::deleteId));
    EXPECT_TRUE(p.isControlEnabled(multiplePane::newId));
}

TEST_F(dataElementPanes, AnalogNumberScalesWithReadableNumbersOnly)
{
    g2driverDataObject* level = object("Level");
    auto d = open(level, level);
    ASSERT_EQ(d->currentType(), 11);
    auto& p = static_cast<CAnalogNumberDataSourcePane&>(pane(*d));
    EXPECT_FALSE(p.formatPage().isControlEnabled(CNumberInputFormatPage::separatorFieldId));
    d->setControlText(objectDialog::sizeId, "3");
    EXPECT_TRUE(p.formatPage().isControlEnabled(CNumberInputFormatPage::separatorFieldId));
    EXPECT_GE(d->width(), p.width());

    p.factorPane().setControlText(CFactorOffsetPane::factorId, "x");
    EXPECT_EQ(refusal(*d), 10393);
    p.factorPane().setControlText(CFactorOffsetPane::factorId, "4");
    p.factorPane().setControlText(CFactorOffsetPane::offsetId, "");
    EXPECT_EQ(refusal(*d), 10303);
    p.factorPane().setControlText(CFactorOffsetPane::offsetId, "0");
    EXPECT_EQ(refusal(*d), 0);
    std::string lines = written(*level);
    EXPECT_NE(lines.find("\tELEMENTS\t3\n"), std::string::npos) << lines;
    EXPECT_NE(lines.find("\t\tVALUE_FACTOR\t4\n"), std::string::npos) << lines;
}

TEST_F(dataElementPanes, SummaryObjectsArePickedInModifyObject)
{
    using summaryPane = CSummaryDataSourcePane;
    auto d = open(nullptr, nullptr);
    d->setControlText(objectDialog::tagId, "Any");
    chooseSource(*d, "Summary");
    ASSERT_EQ(d->currentType(), 15);
    CDataSourcePane& p = pane(*d);
    EXPECT_EQ(text(p.controlText(summaryPane::programId)), "<None>");
    EXPECT_FALSE(p.isControlEnabled(summaryPane::argumentsId));
    EXPECT_FALSE(p.isControlEnabled(summaryPane::modifyId));
    EXPECT_EQ(refusal(*d), 10640);

    std::string caption;
    std::vector<std::string> offered;
    thenOk([&](CDialog& m) {
        caption = title(m);
        offered = items(m.controlAs<QComboBox>(CModifyObjectDialog::objectId));
        choose(m.controlAs<QComboBox>(CModifyObjectDialog::objectId), "OnOff");
    });
    p.sendCommand(summaryPane::addBistateId);
    EXPECT_EQ(caption, "Add Object");
    EXPECT_EQ(offered, (std::vector<std::string>{"AnyOn", "Combined", "Found", "InList", "Limited", "Masked", "Matched",
                                                 "OnOff", "Remembered"}));
    EXPECT_TRUE(p.isControlEnabled(summaryPane::modifyId));

    // A digital object needs a program.
    thenOk([](CDialog& m) { choose(m.controlAs<QComboBox>(CModifyObjectDialog::objectId), "Mode"); });
    p.sendCommand(summaryPane::addId);
    EXPECT_EQ(refusal(*d), 10641);
    choose(p.controlAs<QComboBox>(summaryPane::programId), "P");
    EXPECT_TRUE(p.isControlEnabled(summaryPane::argumentsId));
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(written(*object("Any")), "OBJECT\t\tAny, BISTATE\n"
                                       "\tSOURCE\t\tSUMMARY\n"
                                       "\t\tPROGRAM\n"
                                       "\t\t\tPROGRAM\t\tP\n"
                                       "\t\tEND\n"
                                       "\t\tOBJECT\n"
                                       "\t\t\tOBJECT\t\tOnOff\n"
                                       "\t\tEND\n"
                                       "\t\tOBJECT\n"
                                       "\t\t\tOBJECT\t\tMode\n"
                                       "\t\tEND\n"
                                       "\tEND\n"
                                       "END\n");

    // Only a summary read without a program keeps its objects of other kinds
    // unchanged: taking this one's program away is still refused.
    auto again = open(object("Any"), object("Any"));
    choose(pane(*again).controlAs<QComboBox>(summaryPane::programId), "<None>");
    EXPECT_EQ(refusal(*again), 10641);
}

// Offset parameters are kept as the source holds them and allow a negative
// offset without a key.
TEST_F(dataElementPanes, OffsetParametersAllowANegativeOffset)
{
    g2driverDataObject* onOff = object("OnOff");
    auto d = open(onOff, onOff);
    ASSERT_EQ(d->currentType(), 1);
    CDataSourcePane& p = pane(*d);
    EXPECT_EQ(text(p.controlText(elementPane::offsetCountId)), "One offset parameter");
    EXPECT_TRUE(p.isChecked(elementPane::useKeyId));
    p.setChecked(elementPane::useKeyId, false);
    EXPECT_FALSE(p.isControlEnabled(elementPane::keyId));
    EXPECT_EQ(refusal(*d), 0);
    std::string lines = written(*onOff);
    EXPECT_EQ(lines.find("KEY"), std::string::npos) << lines;
    EXPECT_NE(lines.find("\t\tOFFSET\t\t-2\n\t\tOFFSET_PARAM\tIndex, 1, 2, 0\n"), std::string::npos) << lines;
}

TEST_F(dataElementPanes, DerivedSourcesCheckWhatTheyCompare)
{
    using listPane = CValueListDataSourcePane;
    using matchPane = CPatternMatchDataSourcePane;
    auto d = open(nullptr, nullptr);
    d->setControlText(objectDialog::tagId, "Derived");
    chooseSource(*d, "Pattern match");
    ASSERT_EQ(d->currentType(), 6);
    EXPECT_EQ(items(pane(*d).controlAs<QComboBox>(matchPane::objectId)),
              (std::vector<std::string>{"Filtered", "Plain", "Label", "Text"}));
    EXPECT_EQ(refusal(*d), 10561);
    pane(*d).setControlText(matchPane::patternId, "[");
    EXPECT_EQ(refusal(*d), 10562);

    user.answers.push_back(ganswer::ok);
    chooseSource(*d, "Digital value list");
    EXPECT_EQ(lastMessageId(), 10671);
    ASSERT_EQ(d->currentType(), 4);
    CDataSourcePane& p = pane(*d);
    choose(p.controlAs<QComboBox>(listPane::objectId), "Mode");
    EXPECT_EQ(refusal(*d), 10649);
    p.setControlText(listPane::valuesId, "3, x");
    EXPECT_EQ(refusal(*d), 10650);
    p.setControlText(listPane::valuesId, "3, 4");
    p.checkRadioButton(listPane::invertedId, listPane::normalId, listPane::invertedId);
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(written(*object("Derived")), "OBJECT\t\tDerived, BISTATE\n"
                                           "\tSOURCE\t\tVALUE LIST\n"
                                           "\t\tOBJECT\t\tMode\n"
                                           "\t\tVALUES\t\t3, 4\n"
                                           "\t\tINVERT\t\tYES\n"
                                           "\tEND\n"
                                           "END\n");
}

TEST_F(dataElementPanes, FilterNeedsAnAllowedString)
{
    auto d = open(nullptr, nullptr);
    d->setControlText(objectDialog::tagId, "Kept");
    d->selectItem(objectDialog::typeId, 3);
    chooseSource(*d, "Filter");
    ASSERT_EQ(d->currentType(), 13);
    EXPECT_EQ(refusal(*d), 10549);
    auto& p = static_cast<CFilterDataSourcePane&>(pane(*d));
    p.matchPage().setControlText(CStringMatchPage::patternId, "@+");
    EXPECT_EQ(refusal(*d), 10067);
    EXPECT_EQ(object("Kept"), nullptr);
}

// The rotate parameters of an unsaved bit-mask source count as uses of the
// object's parameters; the list is edited in its own dialog.
TEST_F(dataElementPanes, RotateParametersOfTheUnsavedSourceAreUses)
{
    g2driverDataObject* masked = object("Masked");
    auto d = open(masked, nullptr);
    ASSERT_EQ(d->currentType(), 2);
    CDataSourcePane& p = pane(*d);
    EXPECT_EQ(text(p.controlText(CBitMaskDataSourcePane::rotateCountId)), "One rotate parameter");
    d->selectItem(objectDialog::parametersId, 0);
    d->sendCommand(objectDialog::deleteId);
    EXPECT_EQ(lastMessageId(), 20024);

    int shown = 0;
    auto cancelList = [&shown](CDialog& list) {
        shown = list.templateId();
        list.sendCommand(IDCANCEL);
    };
    user.scripts.push_back(cancelList);
    p.sendCommand(CBitMaskDataSourcePane::rotateEditId);
    EXPECT_EQ(shown, CEditRotateParametersDialog::templateId);
    user.scripts.push_back(cancelList);
    p.sendCommand(elementPane::offsetEditId);
    EXPECT_EQ(shown, CEditOffsetParametersDialog::templateId);
}

// A parameter that only the replaced source used can go, and leaves
// nothing behind.
TEST_F(dataElementPanes, ParameterOfTheReplacedSourceCanGo)
{
    g2driverDataObject* onOff = object("OnOff");
    auto d = open(onOff, onOff);
    d->selectItem(objectDialog::parametersId, 0);
    d->sendCommand(objectDialog::deleteId);
    EXPECT_EQ(lastMessageId(), 20024);
    user.answers.push_back(ganswer::ok);
    chooseSource(*d, "Parameter");
    ASSERT_EQ(d->currentType(), 16);
    user.messages.clear();
    d->selectItem(objectDialog::parametersId, 0);
    d->sendCommand(objectDialog::deleteId);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(onOff->parameters().find("Index"), nullptr);
    EXPECT_EQ(written(*onOff), "OBJECT\t\tOnOff, BISTATE\n\tSOURCE\t\tPARAMETER\n\tEND\nEND\n");
}

} // namespace
