#include "batchUiFixture.h"

#include "batch/ui/CChangeRequestsDialog.h"
#include "sabus/gsabusRequest.h"

#include <QPlainTextEdit>

namespace {

using dialog = CChangeRequestsDialog;
constexpr std::initializer_list<int> allScopes{dialog::namesId,           dialog::fixedParametersId,
                                               dialog::queryRegistersId,  dialog::queryProgramsId,
                                               dialog::queryArgumentsId,  dialog::commandProgramsId,
                                               dialog::commandArgumentsId};

class changeRequests : public batchUi {
protected:
    void SetUp() override
    {
        batchUi::SetUp();
        loadStation("DIGITAL_REG Mode1\nEND\nANALOG_REG Level1\nEND\n"
                    "REQUEST Q1\n\tOPCODE\t\tL\n\tPARAMETERS\tAA\n\tTYPE\t\tQUERY\n"
                    "\t\tDATA\t\tDIGITAL NUMBER\n\t\t\tREGISTER\tMode1\n\t\t\tFORMAT\t\t16, 4\n\t\tEND\n\tEND\nEND\n"
                    "REQUEST Q2\n\tOPCODE\t\tM\n\tTYPE\t\tQUERY\n\t\tDATA\t\tFIXED STRING\n\t\t\tSTRING\t\tOK\n"
                    "\t\tEND\n\tEND\nEND\n");
    }
    static gsabusRequest* request(const char* tag) { return station::requests().find(tag); }
};

TEST_F(changeRequests, SetAllAndClearAll)
{
    auto d = opened<dialog>();
    EXPECT_EQ(d->windowTitle().toStdString(), "Change/Duplicate SABus Requests");
    d->setControlText(dialog::findId, "Q");
    selectTags(*d, {"Q1"});
    d->sendCommand(dialog::clearAllId);
    for (int id : allScopes)
        EXPECT_FALSE(d->isChecked(id)) << id;
    EXPECT_FALSE(d->isControlEnabled(dialog::replaceAllId));
    d->sendCommand(dialog::setAllId);
    for (int id : allScopes)
        EXPECT_TRUE(d->isChecked(id)) << id;
    EXPECT_TRUE(d->isControlEnabled(dialog::replaceAllId));
}

TEST_F(changeRequests, FixedParametersAndRegistersOfTheWrongClass)
{
    auto d = opened<dialog>();
    setFind(*d, "A", "B", false, true);
    scopes(*d, allScopes, {dialog::fixedParametersId});
    selectTags(*d, {"Q1"});
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(text(request("Q1")->getParameter(0)), "BB");
    EXPECT_EQ(user.lastMessage().text, "\"A\" was replaced 2 times.");

    setFind(*d, "Mode", "Level", false, true);
    scopes(*d, allScopes, {dialog::queryRegistersId});
    std::string log;
    user.scripts.push_back([&log](CDialog& w) {
        log = text(fromUiText(w.findChild<QPlainTextEdit*>()->toPlainText()));
        w.sendCommand(IDOK);
    });
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(log, "The register Level1 specified by Q1 is not a digital register: retained register Mode1");
    EXPECT_EQ(user.lastMessage().promptId, 20155);
    EXPECT_NE(written(*request("Q1")).find("REGISTER\tMode1"), std::string::npos);
}

TEST_F(changeRequests, DuplicateKeepsTheOpcodeAndDeleteAllDeletesEvery)
{
    auto d = opened<dialog>();
    setFind(*d, "Q", "R", false, true);
    scopes(*d, allScopes, {});
    selectTags(*d, {"Q1"});
    d->sendCommand(dialog::duplicateId);
    ASSERT_NE(request("R1"), nullptr);
    EXPECT_EQ(request("R1")->getOpcode(), 'L');
    EXPECT_EQ(user.lastMessage().text, "One new SABus request was created.");

    selectTags(*d, {"Q1", "Q2", "R1"});
    user.messages.clear();
    user.answers.push_back(ganswer::ok);
    d->sendCommand(dialog::deleteAllId);
    EXPECT_EQ(station::requests().count(), 0);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text, "Are you sure you want to delete all 3 selected SABus requests?");
    EXPECT_EQ(stationState().modified, 1);
}

} // namespace
