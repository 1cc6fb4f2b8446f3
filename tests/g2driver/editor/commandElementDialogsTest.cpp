#include "g2editFixture.h"

#include "g2driver/editor/CEditBitFieldElementDialog.h"
#include "g2driver/editor/CEditDataCommandElementDialog.h"
#include "g2driver/editor/CEditDelayElementDialog.h"
#include "g2driver/editor/CEditFixedStringElementDialog.h"
#include "g2driver/editor/CEditLengthElementDialog.h"
#include "g2driver/editor/CParameterCommandElementDialogs.h"
#include "g2driver/model/g2driverBitFieldCommandElement.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverDataCommandElement.h"
#include "g2driver/model/g2driverDelayCommandElement.h"
#include "g2driver/model/g2driverFixedStringCommandElement.h"
#include "g2driver/model/g2driverLengthCommandElement.h"
#include "g2driver/model/g2driverParameterCommandElement.h"
#include "formats/ui/CDataFormatPage.h"

#include <QComboBox>

#include <limits>

namespace {


class commandElementDialogs : public g2edit {
protected:
    void SetUp() override
    {
        g2edit::SetUp();
        host = std::make_unique<fakeCommandDialog>(*meter, read->parameters(), read->dataNames(), true);
    }

    g2driverCommandElement* element(int index) const { return read->elements()[index]; }

    // Opens the dialog in Edit mode on the element at index, presses OK and
    // answers whether the element writes what it wrote before.
    template <class D>
    void expectUnchangedByOk(int index)
    {
        g2driverCommandElement* edited = element(index);
        std::string before = written(*edited);
        auto d = opened<D>(*host, edited, edited, nullptr);
        EXPECT_EQ(refusal(*d), 0) << before;
        EXPECT_EQ(d->element(), edited);
        EXPECT_EQ(written(*edited), before);
    }

    std::unique_ptr<fakeCommandDialog> host;
};

TEST_F(commandElementDialogs, EveryKindWritesTheSameLinesAfterAnUnchangedOk)
{
    expectUnchangedByOk<CEditFixedStringElementDialog>(0);
    expectUnchangedByOk<CEditLengthElementDialog>(1);
    expectUnchangedByOk<CEditDigitalNumberCommandElementDialog>(2);
    expectUnchangedByOk<CEditDigitalStringsCommandElementDialog>(3);
    expectUnchangedByOk<CEditBistateCommandElementDialog>(4);
    expectUnchangedByOk<CEditAnalogCommandElementDialog>(5);
    expectUnchangedByOk<CEditStringCommandElementDialog>(6);
    expectUnchangedByOk<CEditBitFieldElementDialog>(7);
    expectUnchangedByOk<CEditDelayElementDialog>(8);
    expectUnchangedByOk<CEditDataCommandElementDialog>(9);
}

TEST_F(commandElementDialogs, DelayTakesTruncatedMillisecondsWithinItsRange)
{
    auto fresh = opened<CEditDelayElementDialog>(*host, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*fresh), "New Delay Element");
    EXPECT_EQ(text(fresh->controlText(CEditDelayElementDialog::delayId)), "1");
    EXPECT_EQ(refusal(*fresh), 0);
    std::unique_ptr<g2driverCommandElement> made(fresh->element());
    EXPECT_EQ(static_cast<g2driverDelayCommandElement&>(*made).getDelay().get(), 1000u);

    struct {
        const char* seconds;
        int message;
        uint32_t milliseconds;
    } const cases[] = {
        {"0.0015", 0, 1},        {"0.0005", 10745, 0}, {"0", 10745, 0},    {"4294967", 0, 4294967000u},
        {"4294967.5", 10745, 0}, {"", 10745, 0},       {"1x", 10745, 0},
    };
    for (const auto& c : cases) {
        g2driverDelayCommandElement delay;
        delay.setDelay(gmilliseconds(250));
        auto d = opened<CEditDelayElementDialog>(*host, &delay, &delay, nullptr);
        EXPECT_EQ(title(*d), "Edit Delay Element");
        EXPECT_EQ(text(d->controlText(CEditDelayElementDialog::delayId)), "0.25");
        d->setControlText(CEditDelayElementDialog::delayId, c.seconds);
        EXPECT_EQ(refusal(*d), c.message) << c.seconds;
        if (c.message) {
            EXPECT_TRUE(d->hasFocus(CEditDelayElementDialog::delayId));
            EXPECT_EQ(delay.getDelay().get(), 250u);
        } else {
            EXPECT_EQ(delay.getDelay().get(), c.milliseconds) << c.seconds;
        }
    }

    // A pause the file holds beyond the range a typed one has is kept by an
    // unchanged OK.
    g2driverDelayCommandElement longest;
    longest.setDelay(gmilliseconds(4294967294));
    auto d = opened<CEditDelayElementDialog>(*host, &longest, &longest, nullptr);
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(longest.getDelay().get(), 4294967294u);
}

TEST_F(commandElementDialogs, ParameterDialogsWithoutTheirKindEndCancelled)
{
    g2driverParameterTable none;
    g2driverCommandDataNameTable names(1);
    fakeCommandDialog empty(*meter, none, names, false);
    auto expectCancelled = [&](CDialog&& d, int message) {
        user.messages.clear();
        d.ensureInitialized();
        EXPECT_TRUE(d.hasEnded());
        EXPECT_EQ(d.endResult(), IDCANCEL);
        EXPECT_EQ(messageIds(), std::vector<int>{message});
    };
    expectCancelled(CEditAnalogCommandElementDialog(empty, nullptr, nullptr, nullptr), 10516);
    expectCancelled(CEditDigitalNumberCommandElementDialog(empty, nullptr, nullptr, nullptr), 10515);
    expectCancelled(CEditDigitalStringsCommandElementDialog(empty, nullptr, nullptr, nullptr), 10515);
    expectCancelled(CEditStringCommandElementDialog(empty, nullptr, nullptr, nullptr), 10517);
    expectCancelled(CEditBistateCommandElementDialog(empty, nullptr, nullptr, nullptr), 10514);
    expectCancelled(CEditBitFieldElementDialog(empty, nullptr, nullptr, nullptr), 10514);
}

TEST_F(commandElementDialogs, AnalogRefusesNonNumbersAndWritesScaling)
{
    auto d = opened<CEditAnalogCommandElementDialog>(*host, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*d), "New Analog Parameter Element");
    EXPECT_EQ(items(d->controlAs<QComboBox>(CCommandElementDialogBase::parameterId)), std::vector<std::string>{"Scale"});
    EXPECT_EQ(text(d->controlText(CEditAnalogCommandElementDialog::factorId)), "1");
    EXPECT_EQ(text(d->controlText(CEditAnalogCommandElementDialog::offsetId)), "0");
    d->setControlText(CEditAnalogCommandElementDialog::factorId, "x");
    EXPECT_EQ(refusal(*d), 10393);
    EXPECT_TRUE(d->hasFocus(CEditAnalogCommandElementDialog::factorId));
    EXPECT_EQ(d->element(), nullptr);
    d->setControlText(CEditAnalogCommandElementDialog::factorId, "2.5");
    d->setControlText(CEditAnalogCommandElementDialog::offsetId, "");
    EXPECT_EQ(refusal(*d), 10303);
    d->setControlText(CEditAnalogCommandElementDialog::offsetId, "-3");
    EXPECT_EQ(refusal(*d), 0);
    std::unique_ptr<g2driverCommandElement> made(d->element());
    EXPECT_EQ(written(*made), "COMMAND_ELEMENT\tANALOG\n\tTEMPLATE_PARAM\tScale\n\tTYPE\t\tDECIMAL\n"
                              "\tSYMBOLS\t\tNONE, -, NONE\n\tFACTOR\t\t2.5\n\tOFFSET\t\t-3\nEND\n");
}

TEST_F(commandElementDialogs, DuplicateKeepsTheSourceAndChoosesTheParameter)
{
    g2driverCommandElement* source = element(2);
    auto d = opened<CEditDigitalNumberCommandElementDialog>(*host, source, nullptr, nullptr);
    EXPECT_EQ(title(*d), "New Digital Parameter Element");
    auto* combo = d->controlAs<QComboBox>(CCommandElementDialogBase::parameterId);
    EXPECT_EQ(items(combo), (std::vector<std::string>{"Address", "Channel", "Mode"}));
    EXPECT_EQ(combo->currentIndex(), 0);
    choose(combo, "Mode");
    EXPECT_EQ(refusal(*d), 0);
    std::unique_ptr<g2driverCommandElement> made(d->element());
    ASSERT_NE(made.get(), source);
    std::string expected = written(*source);
    expected.replace(expected.find("DRIVER_PARAM\tAddress"), 20, "TEMPLATE_PARAM\tMode");
    EXPECT_EQ(written(*made), expected);
}

TEST_F(commandElementDialogs, DataLengthShowsItsSizesAndRefusesOutOfRangeCounts)
{
    auto d = opened<CEditLengthElementDialog>(*host, element(1), element(1), nullptr);
    EXPECT_EQ(text(d->itemText(CEditLengthElementDialog::charSizeId, d->selectedItem(CEditLengthElementDialog::charSizeId))),
              "16 bits");
    struct {
        int id;
        const char* value;
        int message;
    } const cases[] = {
        {CEditLengthElementDialog::skipFirstId, "-1", 10536},
        {CEditLengthElementDialog::skipLastId, "1.5", 10535},
        {CEditLengthElementDialog::offsetId, "2147483647", 10534},
        {CEditLengthElementDialog::offsetId, "", 10534},
    };
    std::string before = written(*element(1));
    for (const auto& c : cases) {
        auto again = opened<CEditLengthElementDialog>(*host, element(1), element(1), nullptr);
        again->setControlText(c.id, c.value);
        EXPECT_EQ(refusal(*again), c.message) << c.value;
        EXPECT_TRUE(again->hasFocus(c.id));
        EXPECT_EQ(written(*element(1)), before);
    }
    d->selectItem(CEditLengthElementDialog::charSizeId, 3);
    d->setControlText(CEditLengthElementDialog::skipFirstId, "0");
    d->setControlText(CEditLengthElementDialog::offsetId, "-2147483648");
    EXPECT_EQ(refusal(*d), 0);
    auto& length = static_cast<g2driverLengthCommandElement&>(*element(1));
    EXPECT_EQ(length.charSize(), 4);
    EXPECT_EQ(length.skipFirst(), 0);
    EXPECT_EQ(length.skipLast(), 1);
    EXPECT_EQ(length.offset(), -2147483648);
}

TEST_F(commandElementDialogs, FixedStringEnablesOkWithTextAndKeepsItsModeOnABadSwitch)
{
    CDataFormatPage::writeHexModeSetting(1);
    {
        auto d = opened<CEditFixedStringElementDialog>(*host, nullptr, nullptr, nullptr);
        EXPECT_TRUE(d->isChecked(CEditFixedStringElementDialog::showAsHexId));
        EXPECT_FALSE(d->isControlEnabled(IDOK));
        d->setControlText(CEditFixedStringElementDialog::stringId, "4");
        EXPECT_TRUE(d->isControlEnabled(IDOK));
        d->setControlText(CEditFixedStringElementDialog::stringId, "");
        EXPECT_FALSE(d->isControlEnabled(IDOK));
        d->setControlText(CEditFixedStringElementDialog::stringId, "41 42");
        d->checkRadioButton(CEditFixedStringElementDialog::showAsHexId, CEditFixedStringElementDialog::showAsTextId,
                            CEditFixedStringElementDialog::showAsTextId);
        d->sendCommand(CEditFixedStringElementDialog::showAsTextId);
        EXPECT_EQ(text(d->controlText(CEditFixedStringElementDialog::stringId)), "AB");
        EXPECT_EQ(refusal(*d), 0);
        std::unique_ptr<g2driverCommandElement> made(d->element());
        EXPECT_EQ(text(static_cast<g2driverFixedStringCommandElement&>(*made).bytes()), "AB");
    }
    EXPECT_EQ(CDataFormatPage::readHexModeSetting(), 0);

    auto d = opened<CEditFixedStringElementDialog>(*host, element(0), element(0), nullptr);
    EXPECT_TRUE(d->isChecked(CEditFixedStringElementDialog::showAsTextId));
    EXPECT_TRUE(d->isControlEnabled(IDOK));
    d->setControlText(CEditFixedStringElementDialog::stringId, "A\\x4");
    d->checkRadioButton(CEditFixedStringElementDialog::showAsHexId, CEditFixedStringElementDialog::showAsTextId,
                        CEditFixedStringElementDialog::showAsHexId);
    user.messages.clear();
    d->sendCommand(CEditFixedStringElementDialog::showAsHexId);
    EXPECT_TRUE(d->isChecked(CEditFixedStringElementDialog::showAsTextId));
    EXPECT_FALSE(d->isChecked(CEditFixedStringElementDialog::showAsHexId));
    EXPECT_EQ(lastMessageId(), 10051);
}

TEST_F(commandElementDialogs, BitFieldNeedsOneParameterAndBuildsTheMask)
{
    auto d = opened<CEditBitFieldElementDialog>(*host, element(7), element(7), nullptr);
    auto bit = [&](int i) { return d->controlAs<QComboBox>(CEditBitFieldElementDialog::firstBitId + i); };
    EXPECT_EQ(items(bit(0)), (std::vector<std::string>{"<always 0>", "<always 1>", "Fast", "Hold"}));
    EXPECT_EQ(text(fromUiText(bit(0)->currentText())), "Fast");
    EXPECT_EQ(text(fromUiText(bit(3)->currentText())), "Hold");
    EXPECT_TRUE(d->isChecked(CEditBitFieldElementDialog::firstInvertId + 3) == false);
    EXPECT_EQ(text(fromUiText(bit(7)->currentText())), "<always 1>");
    EXPECT_FALSE(d->isControlEnabled(CEditBitFieldElementDialog::firstInvertId + 7));

    std::string before = written(*element(7));
    for (int i = 0; i < 8; ++i)
        bit(i)->setCurrentIndex(i < 2 ? 1 : 0);
    EXPECT_EQ(refusal(*d), 10582);
    EXPECT_EQ(written(*element(7)), before);
    choose(bit(2), "Hold");
    EXPECT_TRUE(d->isControlEnabled(CEditBitFieldElementDialog::firstInvertId + 2));
    d->setChecked(CEditBitFieldElementDialog::firstInvertId + 2, true);
    EXPECT_EQ(refusal(*d), 0);
    auto& bits = static_cast<g2driverBitFieldCommandElement&>(*element(7));
    EXPECT_EQ(bits.mask(), 0x07);
    EXPECT_EQ(bits.bit(0), nullptr);
    EXPECT_EQ(bits.bit(2), read->parameters().find("Hold"));
}

TEST_F(commandElementDialogs, CommandDataTagInUseCannotChange)
{
    g2driverCommandDataName* body = read->dataNames().find("Body");
    ASSERT_FALSE(body->usedBy().isUnused());
    auto d = opened<CEditDataCommandElementDialog>(*host, element(9), element(9), nullptr);
    EXPECT_EQ(text(d->controlText(CEditDataCommandElementDialog::tagId)), "Body");
    user.messages.clear();
    d->setControlText(CEditDataCommandElementDialog::tagId, "Other");
    EXPECT_EQ(lastMessageId(), 20030);
    EXPECT_EQ(text(d->controlText(CEditDataCommandElementDialog::tagId)), "Body");
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(element(9)->commandDataName(), body);
}

TEST_F(commandElementDialogs, CommandDataRenamesAnUnusedNameAndRefusesATakenOne)
{
    g2driverCommandDataNameTable names(1);
    g2driverDataCommandElement tail;
    g2driverDataCommandElement head;
    fakeCommandDialog own(*meter, read->parameters(), names, true);

    auto fresh = opened<CEditDataCommandElementDialog>(own, nullptr, &head, nullptr);
    EXPECT_FALSE(fresh->isControlEnabled(IDOK));
    fresh->setControlText(CEditDataCommandElementDialog::tagId, "Head");
    EXPECT_TRUE(fresh->isControlEnabled(IDOK));
    EXPECT_EQ(refusal(*fresh), 0);
    g2driverCommandDataName* headName = names.find("Head");
    ASSERT_NE(headName, nullptr);
    EXPECT_EQ(head.commandDataName(), headName);
    EXPECT_EQ(headName->getOwner(), &head);

    auto made = opened<CEditDataCommandElementDialog>(own, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*made), "New Command Data Element");
    made->setControlText(CEditDataCommandElementDialog::tagId, "Tail");
    EXPECT_EQ(refusal(*made), 0);
    std::unique_ptr<g2driverCommandElement> tailMade(made->element());

    auto unchanged = opened<CEditDataCommandElementDialog>(own, &head, &head, nullptr);
    EXPECT_EQ(refusal(*unchanged), 0);
    EXPECT_EQ(head.commandDataName(), headName);

    auto duplicate = opened<CEditDataCommandElementDialog>(own, &head, nullptr, nullptr);
    EXPECT_EQ(refusal(*duplicate), 10538);
    EXPECT_TRUE(duplicate->hasFocus(CEditDataCommandElementDialog::tagId));
    EXPECT_EQ(duplicate->element(), nullptr);

    auto rename = opened<CEditDataCommandElementDialog>(own, &head, &head, nullptr);
    rename->setControlText(CEditDataCommandElementDialog::tagId, "Tail");
    EXPECT_EQ(refusal(*rename), 10538);
    rename->setControlText(CEditDataCommandElementDialog::tagId, "Front");
    EXPECT_EQ(refusal(*rename), 0);
    EXPECT_EQ(names.find("Head"), nullptr);
    EXPECT_EQ(head.commandDataName(), names.find("Front"));
}

// Factors and offsets beyond the ten digits shown, one unit from the
// defaults and at the ends of the double range stay exactly as they were.
TEST_F(commandElementDialogs, AnUnchangedOkKeepsExactFactorAndOffset)
{
    auto* analog = dynamic_cast<g2driverAnalogCommandElement*>(element(5));
    ASSERT_NE(analog, nullptr);
    const double pairs[][2] = {{1.0000000000000002, 1.0 / 3.0},
                               {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()},
                               {-1.79769313486231e308, 0.123456789012345}};
    for (const auto& pair : pairs) {
        analog->setScaling(pair[0], pair[1]);
        expectUnchangedByOk<CEditAnalogCommandElementDialog>(5);
        EXPECT_EQ(analog->factor(), pair[0]);
        EXPECT_EQ(analog->offset(), pair[1]);
    }
}

} // namespace
