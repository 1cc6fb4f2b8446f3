#include "sabusUiFixture.h"

#include "sabus/gsabusParameterKinds.h"
#include "sabus/gsabusRequestBody.h"
#include "sabus/gsabusResponseData.h"
#include "sabus/ui/CEditSabusCommandDialog.h"
#include "sabus/ui/CEditSabusFixedParameterDialog.h"
#include "sabus/ui/CEditSabusQueryDialog.h"
#include "sabus/ui/COtherResponseDataDialogs.h"
#include "sabus/ui/CSabusParameterDialogs.h"
#include "sabus/ui/CSabusTypeChoiceDialogs.h"
#include "scl/gsclProgram.h"
#include "shell/CProgramCombo.h"
#include "shell/programArgumentsDialog.h"

#include <QLineEdit>

namespace {

using queryDialog = CEditSabusQueryDialog;
using commandDialog = CEditSabusCommandDialog;

class requestDialogs : public sabusUi {
protected:
    void TearDown() override
    {
        installProgramArgumentsDialog({});
        sabusUi::TearDown();
    }

    // The type choice of the next run: the radio of the index.
    void thenChoose(int index)
    {
        thenOk([index](CDialog& d) {
            d.checkRadioButton(CRadioChoiceDialog::firstChoiceId, CRadioChoiceDialog::firstChoiceId + 7,
                               CRadioChoiceDialog::firstChoiceId + index);
        });
    }
    void thenFixedString(const char* text)
    {
        thenOk([text](CDialog& d) { d.setControlText(CEditFixedStringResponseDataDialog::stringId, text); });
    }
    static QListWidget* list(const CDialog& d, int id) { return d.controlAs<QListWidget>(id); }
    static void selectRow(CDialog& d, int id, int row) { list(d, id)->setCurrentRow(row); }
};

TEST_F(requestDialogs, NewQueryChecksItsFieldsInOrder)
{
    auto d = opened<queryDialog>(nullptr, nullptr);
    EXPECT_EQ(d->windowTitle().toStdString(), "New SABus Query");
    EXPECT_FALSE(d->isControlEnabled(IDOK));
    d->setControlText(queryDialog::tagId, "Q1");
    EXPECT_TRUE(d->isControlEnabled(IDOK));

    d->sendCommand(IDOK);
    EXPECT_EQ(lastMessageId(), 10456);
    thenChoose(7);
    thenFixedString("OK");
    d->sendCommand(queryDialog::newItemId);
    EXPECT_EQ(rows(list(*d, queryDialog::itemsId)), std::vector<std::string>{"\"OK\""});
    EXPECT_TRUE(d->isControlEnabled(queryDialog::deleteItemId));

    // The opcode: one printable character other than U and A.
    struct {
        const char* opcode;
        int message;
    } refused[] = {{"", 10453}, {"A", 10454}, {"U", 10454}};
    for (const auto& c : refused) {
        d->setControlText(queryDialog::opcodeId, c.opcode);
        d->sendCommand(IDOK);
        EXPECT_EQ(lastMessageId(), c.message) << c.opcode;
        EXPECT_TRUE(d->hasFocus(queryDialog::opcodeId));
        EXPECT_FALSE(d->hasEnded());
    }
    d->setControlText(queryDialog::opcodeId, "a");
    d->sendCommand(IDOK);
    EXPECT_EQ(lastMessageId(), 10452);
    EXPECT_TRUE(d->hasFocus(queryDialog::tagId));
    EXPECT_EQ(text(request("Q1")->getTitle(false)), "Levels");

    d->setControlText(queryDialog::tagId, "Q9");
    d->setControlText(queryDialog::nameId, "Ninth");
    d->sendCommand(IDOK);
    ASSERT_TRUE(d->hasEnded());
    gsabusRequest* made = request("Q9");
    ASSERT_EQ(d->target(), made);
    EXPECT_EQ(written(*made), "REQUEST Q9\n\tTITLE\t\tNinth\n\tOPCODE\t\ta\n\tTYPE\t\tQUERY\n"
                              "\t\tDATA\t\tFIXED STRING\n\t\t\tSTRING\t\tOK\n\t\tEND\n\tEND\nEND\n");
    EXPECT_EQ(user.messages.size(), 5u);
}

TEST_F(requestDialogs, EditShowsTheTagForNoTitleAndANameLikeTheTagClearsTheTitle)
{
    gsabusRequest* c1 = request("C1");
    auto d = opened<commandDialog>(c1, c1);
    EXPECT_EQ(d->windowTitle().toStdString(), "Edit SABus Command");
    EXPECT_EQ(text(d->controlText(commandDialog::nameId)), "C1");
    EXPECT_TRUE(d->controlAs<QLineEdit>(commandDialog::tagId)->isReadOnly());
    EXPECT_TRUE(d->hasFocus(commandDialog::nameId));
    d->sendCommand(IDOK);
    ASSERT_TRUE(d->hasEnded());
    EXPECT_FALSE(c1->hasTitle());

    gsabusRequest* q1 = request("Q1");
    auto e = opened<queryDialog>(q1, q1);
    EXPECT_EQ(text(e->controlText(queryDialog::nameId)), "Levels");
    e->setControlText(queryDialog::nameId, "Q1");
    e->sendCommand(IDOK);
    EXPECT_FALSE(q1->hasTitle());
    EXPECT_EQ(text(q1->getParameter(1)), "y");
}

TEST_F(requestDialogs, CancelledEditLeavesTheQueryAsItWas)
{
    gsabusRequest* everything = request("Everything");
    std::string before = written(*everything);
    {
        auto d = opened<queryDialog>(everything, everything);
        ASSERT_EQ(list(*d, queryDialog::itemsId)->count(), 13);
        selectRow(*d, queryDialog::itemsId, 0);
        d->sendCommand(queryDialog::deleteItemId);
        selectRow(*d, queryDialog::itemsId, 11);
        thenFixedString("changed");
        d->sendCommand(queryDialog::editItemId);
        EXPECT_EQ(rows(list(*d, queryDialog::itemsId))[11], "\"changed\"");
        thenChoose(7);
        thenFixedString("new");
        d->sendCommand(queryDialog::newItemId);
        // A new item goes after the selected one.
        EXPECT_EQ(rows(list(*d, queryDialog::itemsId))[12], "\"new\"");
        d->sendCommand(IDCANCEL);
    }
    EXPECT_EQ(written(*everything), before);
    EXPECT_EQ(stationState().modified, 0);
}

TEST_F(requestDialogs, DuplicateNeedsATagOfItsOwn)
{
    gsabusRequest* q1 = request("Q1");
    auto d = opened<queryDialog>(q1, nullptr);
    EXPECT_EQ(d->windowTitle().toStdString(), "New SABus Query");
    EXPECT_EQ(text(d->controlText(queryDialog::tagId)), "Q1");
    EXPECT_FALSE(d->controlAs<QLineEdit>(queryDialog::tagId)->isReadOnly());
    d->sendCommand(IDOK);
    EXPECT_EQ(lastMessageId(), 10452);
    d->setControlText(queryDialog::tagId, "Q2");
    d->sendCommand(IDOK);
    ASSERT_TRUE(d->hasEnded());
    std::string copy = written(*request("Q2"));
    std::string source = written(*q1);
    EXPECT_EQ(copy.substr(copy.find('\n')), source.substr(source.find('\n')));
    EXPECT_NE(request("Q2")->getQuery()->getItem(0), q1->getQuery()->getItem(0));
}

TEST_F(requestDialogs, FixedParameters)
{
    gsabusRequest* everything = request("Everything");
    auto d = opened<queryDialog>(everything, everything);
    QListWidget* fixed = list(*d, queryDialog::fixedListId);
    EXPECT_EQ(rows(fixed), (std::vector<std::string>{"a, b", "", " padded "}));
    EXPECT_FALSE(d->isControlEnabled(queryDialog::fixedEditId));
    selectRow(*d, queryDialog::fixedListId, 0);
    EXPECT_TRUE(d->isControlEnabled(queryDialog::fixedEditId));

    thenOk([](CDialog& p) {
        EXPECT_EQ(p.windowTitle().toStdString(), "New Fixed Parameter");
        EXPECT_EQ(text(p.controlText(CEditSabusFixedParameterDialog::parameterId)), "a, b");
        p.setControlText(CEditSabusFixedParameterDialog::parameterId, "c");
    });
    d->sendCommand(queryDialog::fixedDuplicateId);
    thenOk([](CDialog& p) {
        EXPECT_EQ(p.windowTitle().toStdString(), "Edit Fixed Parameter");
        p.setControlText(CEditSabusFixedParameterDialog::parameterId, "");
        EXPECT_FALSE(p.isControlEnabled(IDOK));
        p.sendCommand(IDOK);
        EXPECT_FALSE(p.hasEnded());
        p.setControlText(CEditSabusFixedParameterDialog::parameterId, "d");
    });
    d->sendCommand(queryDialog::fixedEditId);
    EXPECT_EQ(rows(fixed), (std::vector<std::string>{"a, b", "d", "", " padded "}));
    EXPECT_EQ(fixed->currentRow(), 1);

    selectRow(*d, queryDialog::fixedListId, 3);
    d->sendCommand(queryDialog::fixedDeleteId);
    EXPECT_EQ(fixed->currentRow(), 2);
    for (int i = 0; i < 3; ++i)
        d->sendCommand(queryDialog::fixedDeleteId);
    EXPECT_EQ(fixed->count(), 0);
    EXPECT_FALSE(d->isControlEnabled(queryDialog::fixedDeleteId));
    thenOk([](CDialog& p) { p.setControlText(CEditSabusFixedParameterDialog::parameterId, "e"); });
    d->sendCommand(queryDialog::fixedNewId);
    EXPECT_TRUE(d->isControlEnabled(queryDialog::fixedDuplicateId));
    // The file's quoted comma loads, so the dialog takes it as it is.
    d->sendCommand(IDOK);
    ASSERT_TRUE(d->hasEnded());
    EXPECT_EQ(everything->getOpcode(), ',');
    ASSERT_EQ(everything->parameterCount(), 1);
    EXPECT_EQ(text(everything->getParameter(0)), "e");

    // The field refuses what the loader would: a paste with a tab.
    auto p = opened<CEditSabusFixedParameterDialog>("x", true);
    auto* field = p->controlAs<QLineEdit>(CEditSabusFixedParameterDialog::parameterId);
    field->insert(QStringLiteral("a\tb"));
    EXPECT_EQ(text(p->controlText(CEditSabusFixedParameterDialog::parameterId)), "x");
}

TEST_F(requestDialogs, CommandWithoutProgramsOpensNothing)
{
    loadStation("STRING_REG S\nEND\n");
    commandDialog d(nullptr, nullptr);
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    EXPECT_EQ(messageIds(), std::vector<int>{10180});
    EXPECT_EQ(station::requests().count(), 0);
}

TEST_F(requestDialogs, NewCommandTakesProgramArgumentsAndParameters)
{
    installProgramArgumentsDialog([](gprocessorCall& call, QWidget*) {
        auto* argument = new gprogramArgument();
        argument->parse("Day, 7");
        call.addArgument(argument, true);
        return true;
    });
    auto d = opened<commandDialog>(nullptr, nullptr);
    EXPECT_EQ(d->windowTitle().toStdString(), "New SABus Command");
    auto* program = d->controlAs<QComboBox>(commandDialog::programId);
    EXPECT_EQ(items(program), (std::vector<std::string>{"Daily report", "SetLevel"}));
    EXPECT_EQ(program->currentIndex(), 0);
    d->sendCommand(commandDialog::argsId);
    program->setCurrentIndex(1);

    thenChoose(1);
    thenOk([](CDialog& p) { p.setControlText(CEditSabusNumberParameterDialog::variableId, "Speed"); });
    d->sendCommand(commandDialog::newParameterId);
    thenChoose(4);
    thenOk([](CDialog& p) {
        p.setChecked(CEditSabusBitsParameterDialog::placeId + 2, true);
        p.setControlText(CEditSabusBitsParameterDialog::nameId + 2, "Two%");
    });
    d->sendCommand(commandDialog::newParameterId);
    EXPECT_EQ(rows(list(*d, commandDialog::parametersId)),
              (std::vector<std::string>{"Speed (number)", "One boolean from a bit"}));

    // Edit in place; a duplicate cancelled adds nothing.
    selectRow(*d, commandDialog::parametersId, 0);
    thenOk([](CDialog& p) { p.setControlText(CEditSabusNumberParameterDialog::variableId, "Rate"); });
    d->sendCommand(commandDialog::editParameterId);
    thenCancel();
    d->sendCommand(commandDialog::duplicateParameterId);
    EXPECT_EQ(rows(list(*d, commandDialog::parametersId)),
              (std::vector<std::string>{"Rate (number)", "One boolean from a bit"}));

    d->setControlText(commandDialog::tagId, "C9");
    d->setControlText(commandDialog::opcodeId, "9");
    d->sendCommand(IDOK);
    ASSERT_TRUE(d->hasEnded());
    EXPECT_EQ(written(*request("C9")), "REQUEST C9\n\tOPCODE\t\t9\n\tTYPE\t\tCOMMAND\n"
                                       "\t\tPROGRAM\n\t\t\tPROGRAM\t\tSetLevel\n\t\t\tARGUMENT\tDay, 7\n\t\tEND\n"
                                       "\t\tPARAMETER\tNUMBER\n\t\t\tVARIABLE\tRate\n"
                                       "\t\t\tFORMAT\t\t10, UNSIGNED, NO\n\t\tEND\n"
                                       "\t\tPARAMETER\tBIT FIELD\n\t\t\tVARIABLE\t2, Two%\n\t\tEND\n"
                                       "\tEND\nEND\n");
    gstr users("");
    station::programs().find("SetLevel")->describeUsers(users);
    EXPECT_EQ(text(users), "\nThe SABus request C1\nThe SABus request C9");
}

} // namespace
