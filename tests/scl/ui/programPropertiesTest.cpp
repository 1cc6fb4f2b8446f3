#include "sclUiFixture.h"

#include "formats/gdecoder.h"
#include "platform/userLocale.h"
#include "scl/gexecutionTime.h"
#include "scl/ui/CProgramCodersPane.h"
#include "scl/ui/CProgramPropertiesDialog.h"
#include "scl/ui/CScheduleExecutionTimeDialog.h"
#include "formats/gencoder.h"
#include "store/gkeyword.h"

#include <QLineEdit>
#include <memory>

namespace {

using dialogType = CProgramPropertiesDialog;

const char* const someCoders = "DECODER\t\t5, BISTATE\n"
                               "\tON_STRING\tON\n"
                               "\tOFF_STRING\tOFF\n"
                               "END\n"
                               "DECODER\t\t2, STRING\n"
                               "\tPATTERN\t\t.*\n"
                               "END\n"
                               "ENCODER\t\t1, STRING\n"
                               "END\n";

std::vector<std::string> scheduleOf(const gsclProgram& program)
{
    std::vector<std::string> out;
    for (const gexecutionTime* rule = program.firstExecutionTime(); rule; rule = rule->next())
        out.emplace_back(describeExecutionTime(*rule, getUserListSeparator()).view());
    return out;
}

template <class Coder>
std::vector<int32_t> numbersOf(const garrayMapOwned<Coder>& coders)
{
    std::vector<int32_t> keys;
    garrayMapIterator<Coder> it(coders);
    Coder* coder = nullptr;
    int32_t key = 0;
    while (it.get(coder, key))
        keys.push_back(key);
    return keys;
}

struct programProperties : sclUiTest {
    // Schedule Execution Time, answered with the minutes.
    void scheduleMinutes(const char* minutes)
    {
        user.scripts.push_back([minutes](CDialog& d) {
            d.setControlText(CScheduleExecutionTimeDialog::minutesId, minutes);
            d.sendCommand(IDOK);
        });
    }
};

TEST_F(programProperties, LimitAndIntervalAreCheckedAndStored)
{
    struct {
        const char* limit;     // null: box unchecked
        const char* interval;  // null: box unchecked
        int message;
        int32_t storedLimit;
        uint32_t storedInterval;
    } const cases[] = {
        {nullptr, nullptr, 0, 0, gmilliseconds::notSetCount},
        {"", nullptr, 10089, 0, 0},
        {"0", nullptr, 10089, 0, 0},
        {"-5", nullptr, 10089, 0, 0},
        {"2147483647", nullptr, 0, 2147483647, gmilliseconds::notSetCount},
        {nullptr, "0.001", 0, 0, 1},
        {nullptr, "0.0015", 0, 0, 1},
        {nullptr, "2147483", 0, 0, 2147483000u},
        {nullptr, "0.0005", 10084, 0, 0},
        {nullptr, "2147484", 10084, 0, 0},
        {nullptr, "abc", 10084, 0, 0},
        {"12", "", 10084, 0, 0},
    };
    for (const auto& c : cases) {
        gsclProgram* p = program("P", "LIMIT\t\t7\nINTERVAL\t9\n");
        dialogType dialog(p, p);
        dialog.ensureInitialized();
        dialog.show();
        dialog.activateWindow();
        if (!c.limit)
            click(dialog, dialogType::abortId);
        else
            dialog.setControlText(dialogType::limitId, c.limit);
        if (!c.interval)
            click(dialog, dialogType::executeEveryId);
        else
            dialog.setControlText(dialogType::intervalId, c.interval);
        user.messages.clear();
        dialog.sendCommand(IDOK);
        std::string label = std::string(c.limit ? c.limit : "-") + " / " + (c.interval ? c.interval : "-");
        if (c.message) {
            EXPECT_FALSE(dialog.hasEnded()) << label;
            EXPECT_EQ(promptIds(), std::vector<int>{c.message}) << label;
            EXPECT_TRUE(dialog.hasFocus(c.message == 10089 ? dialogType::limitId : dialogType::intervalId));
            EXPECT_EQ(p->limit(), 7) << label;
        } else {
            EXPECT_TRUE(dialog.hasEnded()) << label;
            EXPECT_EQ(p->limit(), c.storedLimit) << label;
            EXPECT_EQ(p->getInterval().get(), c.storedInterval) << label;
        }
        TearDown();
    }
}

TEST_F(programProperties, CheckingAnEmptyFieldProposesAValue)
{
    dialogType dialog(nullptr, nullptr);
    dialog.ensureInitialized();
    EXPECT_EQ(dialog.windowTitle(), "New Program");
    EXPECT_FALSE(dialog.isControlEnabled(IDOK));
    EXPECT_FALSE(dialog.isControlEnabled(dialogType::limitId));
    EXPECT_FALSE(dialog.isControlEnabled(dialogType::editTimeId));
    click(dialog, dialogType::abortId);
    click(dialog, dialogType::executeEveryId);
    EXPECT_EQ(dialog.controlText(dialogType::limitId).view(), "500");
    EXPECT_EQ(dialog.controlText(dialogType::intervalId).view(), "60");
    EXPECT_TRUE(dialog.isControlEnabled(dialogType::intervalId));
    click(dialog, dialogType::abortId);
    EXPECT_FALSE(dialog.isControlEnabled(dialogType::limitId));
    dialog.setControlText(dialogType::tagId, "X");
    EXPECT_TRUE(dialog.isControlEnabled(IDOK));
    dialog.setControlText(dialogType::tagId, "");
    EXPECT_FALSE(dialog.isControlEnabled(IDOK));
}

TEST_F(programProperties, EditShowsTheProgramAndKeepsItsTag)
{
    gsclProgram* p = program("Pump", "LIMIT\t\t40\nSHOW_ALWAYS\tYES\nINTERVAL\t1.5\n");
    dialogType dialog(p, p);
    dialog.ensureInitialized();
    EXPECT_EQ(dialog.windowTitle(), "Edit Program Properties");
    EXPECT_TRUE(dialog.controlAs<QLineEdit>(dialogType::tagId)->isReadOnly());
    EXPECT_EQ(dialog.controlText(dialogType::nameId).view(), "Pump");
    EXPECT_TRUE(dialog.isChecked(dialogType::abortId));
    EXPECT_EQ(dialog.controlText(dialogType::limitId).view(), "40");
    EXPECT_TRUE(dialog.isChecked(dialogType::showAlwaysId));
    EXPECT_FALSE(dialog.isChecked(dialogType::startupId));
    EXPECT_EQ(dialog.controlText(dialogType::intervalId).view(), "1.5");

    dialog.setControlText(dialogType::nameId, "Main pump");
    click(dialog, dialogType::startupId);
    dialog.sendCommand(IDOK);
    EXPECT_EQ(p->getTitle(false).view(), "Main pump");
    EXPECT_EQ(p->getExecAtStartup(), 1);
    EXPECT_EQ(p->getInterval().get(), 1500u);

    // A name equal to the tag is no title.
    dialogType again(p, p);
    again.ensureInitialized();
    EXPECT_EQ(again.controlText(dialogType::nameId).view(), "Main pump");
    again.setControlText(dialogType::nameId, "Pump");
    again.sendCommand(IDOK);
    EXPECT_FALSE(p->hasTitle());
}

// An interval the file holds beyond the range a typed one has is kept by an
// unchanged OK.
TEST_F(programProperties, UnchangedLongIntervalIsConfirmed)
{
    gsclProgram* p = program("Slow", "INTERVAL\t4294967.294\n");
    dialogType dialog(p, p);
    dialog.ensureInitialized();
    dialog.sendCommand(IDOK);
    EXPECT_TRUE(dialog.hasEnded());
    EXPECT_EQ(p->getInterval().get(), 4294967294u);
}

TEST_F(programProperties, CancelLeavesTheProgramAlone)
{
    gsclProgram* p = program("P", std::string("LIMIT\t\t3\n") + someCoders);
    {
        dialogType dialog(p, p);
        dialog.ensureInitialized();
        CProgramCodersPane& pane = dialog.codersPane();
        pane.selectItem(CProgramCodersPane::decoderListId, 0);
        pane.sendCommand(CProgramCodersPane::decoderDeleteId);
        EXPECT_EQ(pane.itemCount(CProgramCodersPane::decoderListId), 1);
        click(dialog, dialogType::abortId);
        dialog.sendCommand(IDCANCEL);
    }
    EXPECT_EQ(p->limit(), 3);
    EXPECT_EQ(numbersOf(p->decoders()), (std::vector<int32_t>{2, 5}));
}

TEST_F(programProperties, NewProgramTakesATagThatIsFree)
{
    program("Taken");
    gsclProgram* placeholder = station::programs().reference("Called");
    ASSERT_FALSE(placeholder->isDefined());

    dialogType dialog(nullptr, nullptr);
    dialog.ensureInitialized();
    dialog.setControlText(dialogType::tagId, "Taken");
    dialog.sendCommand(IDOK);
    EXPECT_FALSE(dialog.hasEnded());
    EXPECT_EQ(promptIds(), std::vector<int>{10222});
    EXPECT_EQ(dialog.getTarget(), nullptr);

    dialog.setControlText(dialogType::tagId, "Called");
    dialog.setControlText(dialogType::nameId, "Called by a register");
    dialog.sendCommand(IDOK);
    ASSERT_TRUE(dialog.hasEnded());
    EXPECT_EQ(dialog.getTarget(), placeholder);
    EXPECT_TRUE(placeholder->isDefined());
    EXPECT_EQ(placeholder->getTitle(false).view(), "Called by a register");
    EXPECT_EQ(placeholder->getShowAlways(), 0);
    EXPECT_FALSE(placeholder->getInterval().isSet());
}

TEST_F(programProperties, ExecutionTimesFollowTheSortedList)
{
    gsclProgram* p = program("P");
    dialogType dialog(p, p);
    dialog.ensureInitialized();
    for (const char* minutes : {"30", "10", "20"}) {
        scheduleMinutes(minutes);
        dialog.sendCommand(dialogType::newTimeId);
    }
    EXPECT_EQ(dialog.itemCount(dialogType::timesListId), 3);
    EXPECT_EQ(dialog.selectedItem(dialogType::timesListId), 1); // "20 ..." just added
    EXPECT_TRUE(dialog.isControlEnabled(dialogType::deleteTimeId));

    // Edit replaces the selected rule, Duplicate adds one and Delete takes
    // the selected one away.
    dialog.selectItem(dialogType::timesListId, 0);
    scheduleMinutes("40");
    dialog.sendCommand(dialogType::editTimeId);
    dialog.selectItem(dialogType::timesListId, 0);
    scheduleMinutes("5");
    dialog.sendCommand(dialogType::duplicateTimeId);
    dialog.selectItem(dialogType::timesListId, 2);
    dialog.sendCommand(dialogType::deleteTimeId);
    EXPECT_EQ(dialog.selectedItem(dialogType::timesListId), 2);
    dialog.sendCommand(IDOK);

    EXPECT_EQ(scheduleOf(*p), (std::vector<std::string>{"20 minutes after the hour", "30 minutes after the hour",
                                                        "5 minutes after the hour"}));
}

TEST_F(programProperties, DuplicateCopiesCodeRulesAndCoders)
{
    gsclProgram* source = program("Source", std::string("TITLE\t\tOriginal\nCODE\t\t10 A=1\nCODE\t\t20 END\n") +
                                                someCoders + "SCHEDULE\n\tMINUTES\t\t5\nEND\n");
    dialogType dialog(source, nullptr);
    dialog.ensureInitialized();
    EXPECT_EQ(dialog.windowTitle(), "New Program");
    EXPECT_EQ(dialog.controlText(dialogType::nameId).view(), "Original");
    dialog.sendCommand(IDOK);
    EXPECT_EQ(promptIds(), std::vector<int>{10222});

    dialog.setControlText(dialogType::tagId, "Copy");
    dialog.sendCommand(IDOK);
    ASSERT_TRUE(dialog.hasEnded());
    gsclProgram* copy = dialog.getTarget();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getTag().view(), "Copy");
    EXPECT_EQ(copy->code().view(), "10 A=1\r20 END");
    EXPECT_EQ(scheduleOf(*copy), scheduleOf(*source));
    EXPECT_NE(copy->firstExecutionTime(), source->firstExecutionTime());
    EXPECT_EQ(numbersOf(copy->decoders()), (std::vector<int32_t>{2, 5}));
    EXPECT_EQ(numbersOf(copy->encoders()), (std::vector<int32_t>{1}));

    station::programs().remove(source);
    delete source;
    EXPECT_EQ(copy->decoders().find(5)->getKind(), 1);
}

// --- the coders pane ---

TEST_F(programProperties, CoderRowsAreInNumberOrder)
{
    gsclProgram* p = program("P", someCoders);
    dialogType dialog(p, p);
    dialog.ensureInitialized();
    CProgramCodersPane& pane = dialog.codersPane();
    ASSERT_EQ(pane.itemCount(CProgramCodersPane::decoderListId), 2);
    EXPECT_EQ(pane.itemText(CProgramCodersPane::decoderListId, 0).view(), "2\tString");
    EXPECT_EQ(pane.itemText(CProgramCodersPane::decoderListId, 1).view(), "5\tBoolean");
    EXPECT_EQ(pane.itemText(CProgramCodersPane::encoderListId, 0).view(), "1\tString");
    EXPECT_FALSE(pane.isControlEnabled(CProgramCodersPane::decoderEditId));

    EXPECT_EQ(pane.addDecoderRow(3, gdecoder::create(kw::STRING)), 1);
    EXPECT_EQ(pane.itemText(CProgramCodersPane::decoderListId, 1).view(), "3\tString");
    EXPECT_EQ(pane.findDecoderRow(5, false), 2);
    EXPECT_EQ(pane.findDecoderRow(4, false), -1);
    pane.selectItem(CProgramCodersPane::decoderListId, 2);
    EXPECT_TRUE(pane.isControlEnabled(CProgramCodersPane::decoderEditId));
    EXPECT_EQ(pane.findDecoderRow(5, true), -1);
    EXPECT_EQ(pane.findDecoderRow(3, true), 1);

    dialog.sendCommand(IDOK);
    EXPECT_EQ(numbersOf(p->decoders()), (std::vector<int32_t>{2, 3, 5}));
}

TEST_F(programProperties, ProposedNumberFollowsTheRunAtTheSelection)
{
    dialogType dialog(nullptr, nullptr);
    dialog.ensureInitialized();
    CProgramCodersPane& pane = dialog.codersPane();
    EXPECT_EQ(pane.nextFreeEncoderNumber(), 0u);
    for (uint32_t n : {7u, 1u, 3u, 2u})
        pane.addEncoderRow(n, gencoder::create(kw::STRING));
    EXPECT_EQ(pane.nextFreeEncoderNumber(), 4u);
    pane.selectItem(CProgramCodersPane::encoderListId, 0);
    EXPECT_EQ(pane.nextFreeEncoderNumber(), 4u);
    pane.selectItem(CProgramCodersPane::encoderListId, 3);
    EXPECT_EQ(pane.nextFreeEncoderNumber(), 8u);
    pane.selectItem(CProgramCodersPane::encoderListId, 2);
    pane.sendCommand(CProgramCodersPane::encoderDeleteId);
    EXPECT_EQ(pane.selectedItem(CProgramCodersPane::encoderListId), 2);
    pane.sendCommand(CProgramCodersPane::encoderDeleteId);
    EXPECT_EQ(pane.selectedItem(CProgramCodersPane::encoderListId), 1);
    pane.sendCommand(CProgramCodersPane::encoderDeleteId);
    pane.sendCommand(CProgramCodersPane::encoderDeleteId);
    EXPECT_EQ(pane.itemCount(CProgramCodersPane::encoderListId), 0);
    EXPECT_FALSE(pane.isControlEnabled(CProgramCodersPane::encoderDeleteId));

    // A row of a number already listed goes after the one there.
    EXPECT_EQ(pane.addEncoderRow(4, gencoder::create(kw::STRING)), 0);
    EXPECT_EQ(pane.addEncoderRow(4, gencoder::create(kw::BISTATE)), 1);
    EXPECT_EQ(pane.itemText(CProgramCodersPane::encoderListId, 0).view(), "4\tString");
    EXPECT_EQ(pane.itemText(CProgramCodersPane::encoderListId, 1).view(), "4\tBoolean");
}

TEST_F(programProperties, CoderDialogsReplaceByNumber)
{
    gsclProgram* p = program("P", someCoders);
    dialogType dialog(p, p);
    dialog.ensureInitialized();
    CProgramCodersPane& pane = dialog.codersPane();

    // Duplicate the Boolean decoder 5 under the number 2: it replaces the
    // string decoder after the question.
    pane.selectItem(CProgramCodersPane::decoderListId, 1);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(1496).view(), "6");
        d.setControlText(1496, "2");
        d.sendCommand(IDOK);
    });
    user.answers.push_back(ganswer::yes);
    pane.sendCommand(CProgramCodersPane::decoderDuplicateId);
    EXPECT_EQ(promptIds(), std::vector<int>{10377});
    ASSERT_EQ(pane.itemCount(CProgramCodersPane::decoderListId), 2);
    EXPECT_EQ(pane.itemText(CProgramCodersPane::decoderListId, 0).view(), "2\tBoolean");
    EXPECT_EQ(pane.selectedItem(CProgramCodersPane::decoderListId), 0);

    // Edit moves it to 9.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(1496).view(), "2");
        d.setControlText(1496, "9");
        d.sendCommand(IDOK);
    });
    pane.sendCommand(CProgramCodersPane::decoderEditId);
    EXPECT_EQ(pane.itemText(CProgramCodersPane::decoderListId, 1).view(), "9\tBoolean");

    // New: the kind first, then the coder, proposed after the run of
    // encoder 1.
    user.scripts.push_back([](CDialog& d) {
        d.checkRadioButton(1944, 1948, 1948);
        d.sendCommand(IDOK);
    });
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(1496).view(), "2");
        d.sendCommand(IDCANCEL);
    });
    pane.sendCommand(CProgramCodersPane::encoderNewId);
    EXPECT_EQ(pane.itemCount(CProgramCodersPane::encoderListId), 1);

    dialog.sendCommand(IDOK);
    EXPECT_EQ(numbersOf(p->decoders()), (std::vector<int32_t>{5, 9}));
    EXPECT_EQ(p->decoders().find(9)->getKind(), 1);
}

} // namespace
