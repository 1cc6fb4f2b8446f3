#include "batchUiFixture.h"

#include "batch/ui/CModifyRegistersDialog.h"
#include "platform/settingsStore.h"
#include "registers/gregister.h"
#include "store/gstationState.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace {

using dialog = CModifyRegistersDialog;
constexpr std::initializer_list<int> allScopes{dialog::namesId,
                                               dialog::logStringsId,
                                               dialog::controlsId,
                                               dialog::controlArgumentsId,
                                               dialog::objectParametersId,
                                               dialog::sourceRegistersId,
                                               dialog::sourceProgramsId,
                                               dialog::sourceProgramArgumentsId,
                                               dialog::sourceParametersId};

class modifyRegisters : public batchUi {
protected:
    void SetUp() override
    {
        batchUi::SetUp();
        loadStation("BISTATE_REG A1\n\tSOURCE\t\tSUMMARY\n\t\tREGISTER\tB1\n\tEND\nEND\n"
                    "BISTATE_REG B1\n\tSOURCE\t\tSUMMARY\n\t\tREGISTER\tA1\n\tEND\nEND\n"
                    "BISTATE_REG C1\n\tSOURCE\t\tSUMMARY\n\t\tREGISTER\tPump\n\t\tREGISTER\tA1\n\tEND\nEND\n"
                    "BISTATE_REG Pump\n\tLEVEL\t\tLATCHING ALARM\n\tON_LOG_STR\t\"Pump started, Pump on\"\nEND\n"
                    "PROGRAM Alarm\nEND\n"
                    "BISTATE_REG Horn\n\tON_CONTROL\n\t\tPROGRAM\t\tAlarm\n\tEND\nEND\n"
                    "REQUEST Q\n\tOPCODE\t\tL\n\tTYPE\t\tQUERY\n\t\tDATA\t\tREGISTER STATUS\n"
                    "\t\t\tREGISTER\tPump\n\t\t\tOFF_STRING\t0\n\t\t\tON_STRING\t1\n\t\tEND\n\tEND\nEND\n");
    }
    static gregister* reg(const char* tag) { return station::registers().find(tag); }
    static std::string fields(const char* tag) { return written(*reg(tag)); }
    // The next warning list: its text is kept, then OK.
    void keepLog()
    {
        user.scripts.push_back([this](CDialog& w) {
            log = text(fromUiText(w.findChild<QPlainTextEdit*>()->toPlainText()));
            w.sendCommand(IDOK);
        });
    }
    std::string log;
};

TEST_F(modifyRegisters, LayoutsAndAStationWithoutPorts)
{
    auto d = opened<dialog>(false);
    EXPECT_EQ(d->templateId(), 534);
    EXPECT_EQ(d->windowTitle().toStdString(), "Modify/Duplicate Registers");
    EXPECT_EQ(d->control(dialog::offsetsId), nullptr);
    EXPECT_FALSE(d->isChecked(dialog::portsId));
    EXPECT_FALSE(d->isControlEnabled(dialog::portsId));
    EXPECT_FALSE(d->isControlEnabled(dialog::deviceFindId));
    d->setChecked(dialog::devicesId, true);
    EXPECT_TRUE(d->isControlEnabled(dialog::deviceFindId));

    auto wide = opened<dialog>(true);
    EXPECT_EQ(wide->templateId(), 852);
    EXPECT_NE(wide->control(dialog::offsetAddId), nullptr);
}

TEST_F(modifyRegisters, EnablingWithTheSourceOptions)
{
    auto d = opened<dialog>(true);
    scopes(*d, allScopes, {});
    d->setControlText(dialog::findId, "");
    selectTags(*d, {"A1"});
    EXPECT_FALSE(d->isControlEnabled(dialog::replaceAllId));
    // The offset option alone needs no Find text.
    d->setChecked(dialog::offsetsId, true);
    EXPECT_TRUE(d->isControlEnabled(dialog::replaceAllId));
    EXPECT_FALSE(d->isControlEnabled(dialog::duplicateId));
    d->setControlText(dialog::findId, "1");
    EXPECT_TRUE(d->isControlEnabled(dialog::duplicateId));
    // The device option needs both of its texts.
    d->setChecked(dialog::devicesId, true);
    EXPECT_FALSE(d->isControlEnabled(dialog::replaceAllId));
    EXPECT_FALSE(d->isControlEnabled(dialog::duplicateId));
    d->setControlText(dialog::deviceFindId, "Meter");
    d->setControlText(dialog::deviceReplaceId, "Meter2");
    EXPECT_TRUE(d->isControlEnabled(dialog::duplicateId));
    EXPECT_TRUE(d->isControlEnabled(dialog::replaceAllId));
}

TEST_F(modifyRegisters, OffsetsAreCheckedOnlyInTheWideLayout)
{
    auto d = opened<dialog>(true);
    setFind(*d, "Pump", "Motor", false, true);
    scopes(*d, allScopes, {dialog::logStringsId});
    selectTags(*d, {"Pump"});
    d->setChecked(dialog::offsetsId, true);
    d->setControlText(dialog::offsetAddId, "+-2");
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(user.lastMessage().promptId, 10098);
    EXPECT_TRUE(d->hasFocus(dialog::offsetAddId));
    EXPECT_EQ(text(reg("Pump")->getLogString(gregister::onLog)), "Pump started, Pump on");
    d->setControlText(dialog::offsetAddId, "-2");
    d->setControlText(dialog::offsetMinimumId, "1.5");
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(user.lastMessage().text, "Please enter a number in the minimum offset field.");
    d->setControlText(dialog::offsetMinimumId, "");
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(user.lastMessage().promptId, 10099);
    d->sendCommand(IDCANCEL);

    // Saved on, the narrow layout ignores the option.
    auto narrow = opened<dialog>(false);
    EXPECT_EQ(profileInt(dialog::section, "ChangeSourceOffsets", 0), 1);
    selectTags(*narrow, {"Pump"});
    narrow->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(user.lastMessage().text, "2 changes were made");
    EXPECT_EQ(text(reg("Pump")->getLogString(gregister::onLog)), "Motor started, Motor on");
}

TEST_F(modifyRegisters, ControlsKeepProgramsThatDoNotExist)
{
    auto d = opened<dialog>(false);
    setFind(*d, "Alarm", "Siren", false, true);
    scopes(*d, allScopes, {dialog::controlsId});
    selectTags(*d, {"Horn"});
    keepLog();
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(log, "The program with tag Siren specified by Horn does not exist: retained program Alarm");
    EXPECT_EQ(user.lastMessage().text, "Nothing found to replace.");
    EXPECT_EQ(user.lastMessage().icon, gicon::warning);
}

TEST_F(modifyRegisters, CopiesThatListEachOtherListTheCopies)
{
    auto d = opened<dialog>(false);
    setFind(*d, "1", "2", false, true);
    scopes(*d, allScopes, {dialog::sourceRegistersId});
    selectTags(*d, {"A1", "B1"});
    d->sendCommand(dialog::duplicateId);
    ASSERT_NE(reg("A2"), nullptr);
    ASSERT_NE(reg("B2"), nullptr);
    EXPECT_NE(fields("A2").find("REGISTER\tB2"), std::string::npos);
    EXPECT_NE(fields("B2").find("REGISTER\tA2"), std::string::npos);
    EXPECT_NE(fields("A1").find("REGISTER\tB1"), std::string::npos);
    EXPECT_EQ(user.lastMessage().text, "2 new registers were created.");
    EXPECT_EQ(selectedTags(*d), (std::vector<std::string>{"A2", "B2"}));
}

// A summary's registers keep their order: a Replace All that replaces
// nothing leaves them, and a copy lists them as its original does.
TEST_F(modifyRegisters, SummaryRegistersKeepTheirOrder)
{
    auto listsPumpFirst = [](const std::string& fields) {
        size_t pump = fields.find("REGISTER\tPump");
        size_t a1 = fields.find("REGISTER\tA1");
        return pump != std::string::npos && a1 != std::string::npos && pump < a1;
    };
    auto d = opened<dialog>(false);
    setFind(*d, "zz", "yy", false, true);
    scopes(*d, allScopes, {dialog::sourceRegistersId});
    selectTags(*d, {"C1"});
    const std::string before = fields("C1");
    ASSERT_TRUE(listsPumpFirst(before));
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(user.lastMessage().text, "Nothing found to replace.");
    EXPECT_EQ(fields("C1"), before);
    EXPECT_EQ(stationState().modified, 0);

    setFind(*d, "C", "D", false, true);
    d->sendCommand(dialog::duplicateId);
    ASSERT_NE(reg("D1"), nullptr);
    EXPECT_TRUE(listsPumpFirst(fields("D1"))) << fields("D1");
}

// The list is filled in one go: rows of equal names stand as the window's
// own insert-and-sort leaves them, and every row, copies too, shows the
// icon of its register's class.
TEST_F(modifyRegisters, RowsInTheWindowsOrderWithTheirIcons)
{
    loadStation("BISTATE_REG b2\n\tTITLE\t\tSame\nEND\nANALOG_REG A9\n\tTITLE\t\tsame\nEND\n"
                "DIGITAL_REG C1\n\tTITLE\t\tSAME\nEND\nBISTATE_REG Alpha\nEND\nSTRING_REG Zed\nEND\n");
    auto d = opened<dialog>(false);
    for (bool byTag : {false, true}) {
        CObjectListCtrl oneByOne;
        oneByOne.setSortByTag(byTag);
        std::vector<gtitledObject*> objects;
        for (int i = 0; i < d->list().rowCount(); ++i)
            objects.push_back(d->list().objectAt(i));
        std::sort(objects.begin(), objects.end(), [](auto* a, auto* b) { return a->getTag().view() < b->getTag().view(); });
        for (gtitledObject* o : objects)
            oneByOne.insertObject(o, false);
        oneByOne.sort();
        CObjectListCtrl filled;
        filled.setSortByTag(byTag);
        filled.fillSorted(objects);
        ASSERT_EQ(filled.rowCount(), 5);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(filled.objectAt(i), oneByOne.objectAt(i)) << byTag << " row " << i;
    }
    auto iconKey = [&](const char* tag) {
        CObjectListCtrl& list = d->list();
        return list.rowIcon(list.indexOf(reg(tag))).cacheKey();
    };
    for (const char* tag : {"b2", "A9", "C1", "Zed"})
        EXPECT_FALSE(d->list().rowIcon(d->list().indexOf(reg(tag))).isNull()) << tag;
    EXPECT_EQ(iconKey("b2"), iconKey("Alpha"));
    EXPECT_NE(iconKey("b2"), iconKey("A9"));

    setFind(*d, "Zed", "Zee", false, true);
    selectTags(*d, {"Zed"});
    d->sendCommand(dialog::duplicateId);
    ASSERT_NE(reg("Zee"), nullptr);
    EXPECT_EQ(iconKey("Zee"), iconKey("Zed"));
}

TEST_F(modifyRegisters, DeleteAllKeepsWhatIsUsedAndEveryReferenceToIt)
{
    auto d = opened<dialog>(false);
    // Pump is used by the request: it stays, and so does its place in C1's
    // summary; nothing changed.
    stationState().modified = 0;
    selectTags(*d, {"Pump"});
    user.answers.push_back(ganswer::ok);
    d->sendCommand(dialog::deleteAllId);
    EXPECT_NE(reg("Pump"), nullptr);
    EXPECT_EQ(user.lastMessage().text,
              "None of the registers could be deleted because they are used by other objects.");
    EXPECT_NE(fields("C1").find("REGISTER\tPump\n\t\tREGISTER\tA1"), std::string::npos);
    EXPECT_EQ(stationState().modified, 0);

    // A1 and B1 are used only by each other's summaries and C1's: they go
    // together, and only they leave C1's list.
    selectTags(*d, {"A1", "B1", "Pump"});
    user.answers.push_back(ganswer::ok);
    d->sendCommand(dialog::deleteAllId);
    EXPECT_EQ(reg("A1"), nullptr);
    EXPECT_EQ(reg("B1"), nullptr);
    EXPECT_NE(reg("Pump"), nullptr);
    EXPECT_EQ(user.lastMessage().text, "Some registers could not be deleted because they are used by other objects.");
    EXPECT_NE(fields("C1").find("REGISTER\tPump"), std::string::npos);
    EXPECT_EQ(fields("C1").find("A1"), std::string::npos);
    EXPECT_EQ(stationState().modified, 1);
}

} // namespace

namespace {

class registerSourceOptions : public batchUi {
protected:
    void SetUp() override
    {
        batchUi::SetUp();
        loadFile(std::string(KORVEL_TEST_DATA_DIR) + "/ports/fixtures/plant.stn");
    }
    static std::vector<std::string> items(dialog& d, int id)
    {
        auto* combo = d.controlAs<QComboBox>(id);
        std::vector<std::string> texts;
        for (int i = 0; i < combo->count(); ++i)
            texts.push_back(text(fromUiText(combo->itemText(i))));
        return texts;
    }
};

TEST_F(registerSourceOptions, CombosFollowThePorts)
{
    auto d = opened<dialog>(true);
    EXPECT_TRUE(d->isControlEnabled(dialog::portsId));
    EXPECT_EQ(items(*d, dialog::fromPortId), (std::vector<std::string>{"North line", "South"}));
    EXPECT_EQ(d->controlAs<QComboBox>(dialog::fromPortId)->currentIndex(), 0);
    // Without the port option: the devices of every port and every legacy
    // driver.
    EXPECT_EQ(items(*d, dialog::deviceFindId), (std::vector<std::string>{"Meter", "P 2", "P1"}));
    EXPECT_EQ(items(*d, dialog::objectReplaceId), (std::vector<std::string>{"Alarm", "Value"}));

    // With it, the From port's devices; a typed text stays.
    d->setChecked(dialog::portsId, true);
    d->setControlText(dialog::deviceFindId, "typed");
    d->controlAs<QComboBox>(dialog::fromPortId)->setCurrentIndex(1);
    EXPECT_EQ(items(*d, dialog::deviceFindId), std::vector<std::string>{"Meter"});
    EXPECT_EQ(text(d->controlText(dialog::deviceFindId)), "typed");

    // The ports are remembered by tag.
    d->sendCommand(IDCANCEL);
    EXPECT_EQ(text(profileString(dialog::section, "FromPort", "")), "South");
    EXPECT_EQ(text(profileString(dialog::section, "ToPort", "")), "North");
    auto again = opened<dialog>(true);
    EXPECT_EQ(again->controlAs<QComboBox>(dialog::fromPortId)->currentIndex(), 1);
    EXPECT_TRUE(again->isControlEnabled(dialog::fromPortId));
}

} // namespace
