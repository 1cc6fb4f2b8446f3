#include "sabusUiFixture.h"

#include "registers/gregister.h"
#include "sabus/gsabusBitFieldData.h"
#include "sabus/gsabusProcessorData.h"
#include "sabus/gsabusRegisterData.h"
#include "sabus/gsabusRequestBody.h"
#include "sabus/ui/CEditSabusQueryDialog.h"
#include "sabus/ui/COtherResponseDataDialogs.h"
#include "sabus/ui/CRegisterValueDialogs.h"
#include "shell/programArgumentEditor.h"

#include <QLineEdit>
#include <deque>

namespace {

class responseDataDialogs : public sabusUi {
protected:
    void TearDown() override
    {
        installProgramArgumentEditor({});
        installArgumentTypeChooser({});
        sabusUi::TearDown();
    }

    // The item of the Everything query at the index.
    static gsabusResponseData* item(int index) { return request("Everything")->getQuery()->getItem(index); }
    // A dialog of the kind opened on its own, then OK.
    template <class D>
    std::unique_ptr<D> openNew()
    {
        return opened<D>(nullptr, nullptr);
    }
    static std::unique_ptr<gsabusResponseData> accept(CResponseDataDialog& d)
    {
        d.sendCommand(IDOK);
        EXPECT_TRUE(d.hasEnded());
        return d.takeCreated();
    }
    static std::string writtenItem(const gsabusResponseData& data) { return written(data); }
};

TEST_F(responseDataDialogs, StationsWithoutRegistersOfTheClassOpenNothing)
{
    loadStation("DIGITAL_REG Mode\nEND\nPROGRAM P\nEND\n");
    struct {
        int kind;
        int message;
    } cases[] = {{1, 0}, {2, 0}, {3, 0}, {4, 10470}, {5, 10469}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        user.messages.clear();
        std::unique_ptr<CResponseDataDialog> d = makeResponseDataDialog(c.kind, nullptr, nullptr, nullptr);
        d->ensureInitialized();
        EXPECT_EQ(d->hasEnded(), c.message != 0);
        EXPECT_EQ(lastMessageId(), c.message);
    }
    loadStation("PROGRAM P\nEND\n");
    user.messages.clear();
    auto d = openNew<CEditRegisterStateResponseDataDialog>();
    EXPECT_EQ(messageIds(), std::vector<int>{10191});
    EXPECT_TRUE(d->hasEnded());
}

TEST_F(responseDataDialogs, RegisterStateChecksAndStores)
{
    auto d = openNew<CEditRegisterStateResponseDataDialog>();
    EXPECT_EQ(d->windowTitle().toStdString(), "New Register State Response Data");
    // Every class, by title.
    EXPECT_EQ(items(d->controlAs<QComboBox>(CRegisterResponseDataDialog::registerId)),
              (std::vector<std::string>{"Label", "Mode", "Pump running", "Tank level"}));
    d->sendCommand(IDOK);
    EXPECT_EQ(lastMessageId(), 10458);
    EXPECT_TRUE(d->hasFocus(CEditRegisterStateResponseDataDialog::offId));
    d->setControlText(CEditRegisterStateResponseDataDialog::offId, "0");
    d->sendCommand(IDOK);
    EXPECT_EQ(lastMessageId(), 10459);
    d->setControlText(CEditRegisterStateResponseDataDialog::onId, "1");
    choose(d->controlAs<QComboBox>(CRegisterResponseDataDialog::registerId), "Pump running");
    std::unique_ptr<gsabusResponseData> made = accept(*d);
    // Empty state fields store empty strings, not written.
    EXPECT_EQ(writtenItem(*made), "DATA\t\tREGISTER STATUS\n\tREGISTER\tPump\n\tOFF_STRING\t0\n\tON_STRING\t1\nEND\n");
    EXPECT_FALSE(static_cast<gsabusRegisterData&>(*made).getErrorString().isNull());

    // Editing keeps the template's caption and shows the item.
    auto e = opened<CEditRegisterStateResponseDataDialog>(item(0), item(0));
    EXPECT_EQ(e->windowTitle().toStdString(), "Edit Register State Response Data");
    EXPECT_EQ(text(e->controlText(CRegisterResponseDataDialog::maskedId)), " masked");
    EXPECT_EQ(text(e->controlText(CRegisterResponseDataDialog::errorId)), "ERR");
    EXPECT_EQ(text(e->controlText(CRegisterResponseDataDialog::registerId)), "Pump running");
}

TEST_F(responseDataDialogs, DigitalNumberBaseAndWidth)
{
    using dialog = CEditDigitalRegisterNumberResponseDataDialog;
    auto d = opened<dialog>(item(1), nullptr);
    EXPECT_TRUE(d->isChecked(dialog::hexadecimalId));
    EXPECT_TRUE(d->isChecked(dialog::fixedWidthId));
    EXPECT_EQ(text(d->controlText(dialog::widthId)), "4");
    d->setControlText(dialog::widthId, "0");
    d->sendCommand(IDOK);
    EXPECT_EQ(lastMessageId(), 10467);
    EXPECT_TRUE(d->hasFocus(dialog::widthId));
    d->setChecked(dialog::fixedWidthId, false);
    EXPECT_FALSE(d->isControlEnabled(dialog::widthId));
    d->checkRadioButton(dialog::binaryId, dialog::hexadecimalId, dialog::octalId);
    EXPECT_EQ(writtenItem(*accept(*d)), "DATA\t\tDIGITAL NUMBER\n\tREGISTER\tMode\n\tFORMAT\t\t8\nEND\n");

    auto n = openNew<dialog>();
    EXPECT_TRUE(n->isChecked(dialog::decimalId));
    EXPECT_FALSE(n->isChecked(dialog::fixedWidthId));
    EXPECT_EQ(text(n->controlText(dialog::widthId)), "1");
}

TEST_F(responseDataDialogs, DigitalStringsNeedAValue)
{
    using dialog = CEditDigitalRegisterStringsResponseDataDialog;
    auto d = openNew<dialog>();
    d->sendCommand(IDOK);
    EXPECT_EQ(lastMessageId(), 10487);
    EXPECT_FALSE(d->hasEnded());

    auto e = opened<dialog>(item(3), item(3));
    EXPECT_EQ(rows(e->controlAs<QListWidget>(CValueStringList::listId)),
              (std::vector<std::string>{"2\ttwo, or so", "10\tten"}));
    EXPECT_EQ(text(e->controlText(dialog::otherValuesId)), "other");
    e->controlAs<QListWidget>(CValueStringList::listId)->setCurrentRow(0);
    e->sendCommand(CValueStringList::deleteId);
    e->setControlText(dialog::otherValuesId, "");
    e->sendCommand(IDOK);
    EXPECT_EQ(writtenItem(*item(3)), "DATA\t\tDIGITAL STRINGS\n\tREGISTER\tMode\n\tVALUE_STRING\t10, ten\nEND\n");
}

TEST_F(responseDataDialogs, AnalogChecksAndTheSeparator)
{
    using dialog = CEditAnalogRegisterResponseDataDialog;
    auto d = openNew<dialog>();
    EXPECT_EQ(text(d->controlText(dialog::valueId)), "Current");
    EXPECT_TRUE(d->isChecked(dialog::unsignedId));
    EXPECT_EQ(text(d->controlText(dialog::factorId)), "1");
    EXPECT_EQ(text(d->controlText(dialog::offsetId)), "0");
    EXPECT_FALSE(d->isControlEnabled(dialog::separatorId));
    d->sendCommand(IDOK);
    EXPECT_EQ(lastMessageId(), 10472);

    struct {
        const char* factor;
        const char* offset;
        const char* decimals;
        const char* width; // null: no fixed width
        int message;       // 0: accepted
    } cases[] = {
        {"x", "0", "0", nullptr, 10393}, {"1", "", "0", nullptr, 10303}, {"1", "0", "-1", nullptr, 10472},
        {"1", "0", "3", "", 10467},      {"1", "0", "3", "4", 10473},    {"1", "0", "3", "5", 0},
        {"1", "0", "0", "1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.decimals);
        user.messages.clear();
        auto a = openNew<dialog>();
        a->setControlText(dialog::factorId, c.factor);
        a->setControlText(dialog::offsetId, c.offset);
        a->setControlText(dialog::decimalsId, c.decimals);
        a->setChecked(dialog::fixedWidthId, c.width != nullptr);
        if (c.width)
            a->setControlText(dialog::widthId, c.width);
        a->sendCommand(IDOK);
        EXPECT_EQ(a->hasEnded(), c.message == 0);
        EXPECT_EQ(lastMessageId(), c.message);
    }

    // What was typed and confirmed is stored and written, the offset too.
    auto typed = openNew<dialog>();
    typed->setControlText(dialog::factorId, "2.5");
    typed->setControlText(dialog::offsetId, "-40.25");
    typed->setControlText(dialog::decimalsId, "1");
    std::unique_ptr<gsabusResponseData> made = accept(*typed);
    const auto& number = static_cast<const gsabusAnalogNumberData&>(*made);
    EXPECT_EQ(number.getFactor(), 2.5);
    EXPECT_EQ(number.getOffset(), -40.25);
    EXPECT_EQ(writtenItem(number), "DATA\t\tANALOG NUMBER\n\tREGISTER\tLevel, VALUE\n\tOFFSET\t\t-40.25\n"
                                   "\tFACTOR\t\t2.5\n\tFORMAT\t\tUNSIGNED, 1\nEND\n");

    // Every value shows the separator; another choice stores none.
    auto all = opened<dialog>(item(5), item(5));
    EXPECT_TRUE(all->isControlEnabled(dialog::separatorId));
    EXPECT_EQ(text(all->controlText(dialog::separatorId)), ";");
    choose(all->controlAs<QComboBox>(dialog::valueId), "Current");
    EXPECT_FALSE(all->isControlEnabled(dialog::separatorId));
    all->sendCommand(IDOK);
    EXPECT_EQ(writtenItem(*item(5)), "DATA\t\tANALOG NUMBER\n\tREGISTER\tLevel, VALUE\n\tFORMAT\t\tUNSIGNED, 0\nEND\n");
    EXPECT_TRUE(static_cast<gsabusAnalogNumberData*>(item(5))->getSeparator().isNull());
}

TEST_F(responseDataDialogs, StringPaddingWidthAndAlignment)
{
    using dialog = CEditStringRegisterResponseDataDialog;
    auto d = openNew<dialog>();
    EXPECT_FALSE(d->isChecked(dialog::leftId) || d->isChecked(dialog::rightId));
    EXPECT_FALSE(d->isControlEnabled(dialog::rightId));
    d->sendCommand(IDOK);
    EXPECT_EQ(lastMessageId(), 10468);
    d->setControlText(dialog::paddingId, "#!");
    d->setChecked(dialog::fixedWidthId, true);
    EXPECT_TRUE(d->isControlEnabled(dialog::rightId));
    d->checkRadioButton(dialog::leftId, dialog::rightId, dialog::rightId);
    d->setControlText(dialog::widthId, "6");
    EXPECT_EQ(writtenItem(*accept(*d)), "DATA\t\tSTRING\n\tREGISTER\tLabel\n\tFORMAT\t\t#, 6, RIGHT\nEND\n");

    // Without a width the alignment shows left, disabled, and is not kept.
    auto e = opened<dialog>(item(8), nullptr);
    EXPECT_EQ(text(e->controlText(dialog::paddingId)), "*");
    EXPECT_TRUE(e->isChecked(dialog::leftId));
    EXPECT_FALSE(e->isControlEnabled(dialog::leftId));
    auto right = opened<dialog>(item(7), nullptr);
    EXPECT_TRUE(right->isChecked(dialog::rightId));
    right->setChecked(dialog::fixedWidthId, false);
    EXPECT_EQ(writtenItem(*accept(*right)), "DATA\t\tSTRING\n\tREGISTER\tLabel\n\tFORMAT\t\t\" \"\nEND\n");
}

TEST_F(responseDataDialogs, StatusBitsRows)
{
    using dialog = CEditRegisterStatusBitsResponseDataDialog;
    auto d = openNew<dialog>();
    EXPECT_EQ(d->windowTitle().toStdString(), "New Register Status Bits Response Data");
    auto* bit0 = d->controlAs<QComboBox>(dialog::registerId);
    EXPECT_EQ(items(bit0),
              (std::vector<std::string>{"<always 0>", "<always 1>", "Label", "Mode", "Pump running", "Tank level"}));
    EXPECT_FALSE(d->isControlEnabled(dialog::maskedId));
    std::unique_ptr<gsabusResponseData> none = accept(*d);
    EXPECT_EQ(text(none->describe()), "0 register status bits");
    auto& noneBits = static_cast<gsabusBitFieldData&>(*none);
    EXPECT_EQ(noneBits.getErrorBits() | noneBits.getMaskedBits() | noneBits.getInvertBits(), 0);

    // A row at <always 1>, a register row with all its choices, and a row
    // whose masked choice goes with its register.
    auto e = openNew<dialog>();
    e->controlAs<QComboBox>(dialog::registerId + 1)->setCurrentIndex(dialog::alwaysOne);
    choose(e->controlAs<QComboBox>(dialog::registerId + 4), "Mode");
    EXPECT_TRUE(e->isControlEnabled(dialog::maskedId + 4));
    e->checkRadioButton(dialog::onId + 4, dialog::offId + 4, dialog::offId + 4);
    e->setChecked(dialog::errorId + 4, true);
    e->setChecked(dialog::maskedId + 4, true);
    choose(e->controlAs<QComboBox>(dialog::registerId + 5), "Label");
    e->setChecked(dialog::maskedId + 5, true);
    e->controlAs<QComboBox>(dialog::registerId + 5)->setCurrentIndex(dialog::alwaysZero);
    EXPECT_FALSE(e->isControlEnabled(dialog::maskedId + 5));
    std::unique_ptr<gsabusResponseData> made = accept(*e);
    EXPECT_EQ(writtenItem(*made), "DATA\t\tBIT FIELD\n\tREGISTER\t4, Mode\n\tSUBSTITUTE_BITS\t16, 16\n\tMASK\t\t18\nEND\n");

    auto again = opened<dialog>(made.get(), made.get());
    EXPECT_EQ(again->controlAs<QComboBox>(dialog::registerId + 1)->currentIndex(), dialog::alwaysOne);
    EXPECT_FALSE(again->isControlEnabled(dialog::onId + 1));
    EXPECT_TRUE(again->isChecked(dialog::offId + 4));
    EXPECT_FALSE(again->isChecked(dialog::maskedId + 5));
}

TEST_F(responseDataDialogs, FixedStringNeedsText)
{
    using dialog = CEditFixedStringResponseDataDialog;
    auto d = opened<dialog>(item(12), nullptr);
    EXPECT_EQ(text(d->controlText(dialog::stringId)), "\\\\");
    EXPECT_TRUE(d->isControlEnabled(IDOK));
    d->setControlText(dialog::stringId, "");
    EXPECT_FALSE(d->isControlEnabled(IDOK));
    d->sendCommand(IDOK);
    EXPECT_FALSE(d->hasEnded());
    d->setControlText(dialog::stringId, "ready");
    EXPECT_EQ(text(accept(*d)->describe()), "\"ready\"");
}

class processorDialog : public responseDataDialogs {
protected:
    void SetUp() override
    {
        responseDataDialogs::SetUp();
        installProgramArgumentEditor([this](gprogramArgument& argument, QWidget*) {
            if (edits.empty())
                return false;
            argument.setName(edits.front().c_str());
            edits.pop_front();
            return true;
        });
        installArgumentTypeChooser([](QWidget*) { return 1; });
    }
    QListWidget* arguments(const CDialog& d) const
    {
        return d.controlAs<QListWidget>(CEditProcessorResponseDataDialog::argumentsId);
    }

    // The names the Edit Argument dialog gives, one per run; none: Cancel.
    std::deque<std::string> edits;
};

TEST_F(processorDialog, ArgumentsKeepTheirNamesApart)
{
    using dialog = CEditProcessorResponseDataDialog;
    auto d = opened<dialog>(item(11), item(11));
    EXPECT_EQ(text(d->controlText(dialog::programId)), "Daily report");
    EXPECT_EQ(rows(arguments(*d)),
              (std::vector<std::string>{"Day = 3", "Full% = TRUE%", "Who$ = \"a, b\""}));
    EXPECT_FALSE(d->isControlEnabled(dialog::editId));

    // Renaming Day to FULL%: asked; Cancel edits again, then OK lets Full%
    // go. Names compare without regard to case.
    arguments(*d)->setCurrentRow(0);
    edits = {"FULL%", "FULL%"};
    user.answers = {ganswer::cancel, ganswer::ok};
    d->sendCommand(dialog::editId);
    EXPECT_EQ(messageIds(), (std::vector<int>{10227, 10227}));
    EXPECT_EQ(rows(arguments(*d)), (std::vector<std::string>{"FULL% = FALSE%", "Who$ = \"a, b\""}));
    EXPECT_EQ(arguments(*d)->currentRow(), 0);
    // A cancelled edit changes nothing.
    d->sendCommand(dialog::editId);
    EXPECT_EQ(rows(arguments(*d)), (std::vector<std::string>{"FULL% = FALSE%", "Who$ = \"a, b\""}));

    // A new argument; a cancelled one adds nothing.
    edits = {"Extra"};
    d->sendCommand(dialog::newId);
    d->sendCommand(dialog::newId);
    EXPECT_EQ(rows(arguments(*d)), (std::vector<std::string>{"Extra = 0", "FULL% = FALSE%", "Who$ = \"a, b\""}));
    EXPECT_EQ(arguments(*d)->currentRow(), 0);
    d->sendCommand(dialog::deleteId);
    choose(d->controlAs<QComboBox>(dialog::programId), "SetLevel");
    d->sendCommand(IDOK);
    // Taken from the last entry to the first.
    EXPECT_EQ(writtenItem(*item(11)), "DATA\t\tPROCESSOR\n\tPROGRAM\t\tSetLevel\n\tARGUMENT\tWho$, \"a, b\"\n"
                                      "\tARGUMENT\tFULL%, FALSE\nEND\n");
}

// Arguments are passed in order: a bare OK keeps the call's order, an
// edited argument keeps its place and a new one follows the others, while
// the list shows them sorted.
TEST_F(processorDialog, ArgumentsKeepTheirOrder)
{
    using dialog = CEditProcessorResponseDataDialog;
    const std::string before = writtenItem(*item(11));
    ASSERT_NE(before.find("\tARGUMENT\tDay, 3\n\tARGUMENT\tWho$, \"a, b\"\n\tARGUMENT\tFull%, TRUE\n"),
              std::string::npos)
        << before;
    opened<dialog>(item(11), item(11))->sendCommand(IDOK);
    EXPECT_EQ(writtenItem(*item(11)), before);

    auto d = opened<dialog>(item(11), item(11));
    EXPECT_EQ(rows(arguments(*d)), (std::vector<std::string>{"Day = 3", "Full% = TRUE%", "Who$ = \"a, b\""}));
    arguments(*d)->setCurrentRow(2);
    edits = {"Who$", "Extra"};
    d->sendCommand(dialog::editId);
    d->sendCommand(dialog::newId);
    d->sendCommand(IDOK);
    EXPECT_EQ(writtenItem(*item(11)), "DATA\t\tPROCESSOR\n\tPROGRAM\t\tReport\n\tARGUMENT\tDay, 3\n"
                                      "\tARGUMENT\tWho$, \"a, b\"\n\tARGUMENT\tFull%, TRUE\n\tARGUMENT\tExtra, 0\nEND\n");
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(processorDialog, NoProgramsOpensNothing)
{
    loadStation("STRING_REG S\nEND\n");
    auto d = openNew<CEditProcessorResponseDataDialog>();
    EXPECT_TRUE(d->hasEnded());
    EXPECT_EQ(messageIds(), std::vector<int>{10180});
}

} // namespace
