#include "batchUiFixture.h"

#include "batch/ui/CModifyParametersDialog.h"
#include "legacy/glegacyParameter.h"

namespace {

using dialog = CModifyParametersDialog;
constexpr std::initializer_list<int> allScopes{dialog::namesId, dialog::defaultValuesId};

class modifyParameters : public batchUi {
protected:
    static glegacyParameter* parameter(const char* tag) { return station::legacyParameters().find(tag); }
    static std::string value(const char* tag) { return text(parameter(tag)->getDefaultValue()); }
};

TEST_F(modifyParameters, DefaultValuesEveryOccurrence)
{
    auto d = opened<dialog>();
    EXPECT_EQ(d->windowTitle().toStdString(), "Modify/Duplicate Parameters");
    setFind(*d, "0", "1", false, true);
    scopes(*d, allScopes, {dialog::defaultValuesId});
    selectTags(*d, {"P1"});
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(value("P1"), "111");
    EXPECT_EQ(user.lastMessage().text, "\"0\" was replaced 2 times.");

    setFind(*d, "0", "5", true, true);
    selectTags(*d, {"P2"});
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(value("P2"), "1 5");
    EXPECT_EQ(text(parameter("P2")->getTitle(false)), "Second");
}

TEST_F(modifyParameters, NamesOfUntitledParametersWithoutTheFindText)
{
    loadStation("PARAMETER Speed\nEND\nPARAMETER Rate\nEND\n");
    auto d = opened<dialog>();
    setFind(*d, "P1", "Q", false, true);
    scopes(*d, allScopes, {dialog::namesId});
    selectTags(*d, {"Speed", "Rate"});
    d->sendCommand(dialog::replaceAllId);
    EXPECT_FALSE(parameter("Speed")->hasTitle());
    EXPECT_FALSE(parameter("Rate")->hasTitle());
    EXPECT_EQ(user.lastMessage().text, "\"P1\" not found.");
    EXPECT_EQ(user.lastMessage().icon, gicon::warning);
    EXPECT_EQ(stationState().modified, 0);
}

TEST_F(modifyParameters, DuplicateAppliesTheScopesToCopies)
{
    auto d = opened<dialog>();
    setFind(*d, "1", "3", false, true);
    scopes(*d, allScopes, {dialog::defaultValuesId});
    selectTags(*d, {"P1", "P2"});
    // P2 has no 1 in its tag: the log is shown and accepted.
    user.scripts.push_back([](CDialog& log) { log.sendCommand(IDOK); });
    d->sendCommand(dialog::duplicateId);
    ASSERT_NE(parameter("P3"), nullptr);
    EXPECT_EQ(value("P3"), "300");
    EXPECT_EQ(value("P1"), "100");
    EXPECT_EQ(text(parameter("P3")->getTitle(true)), "P1");
    EXPECT_EQ(user.lastMessage().promptId, 20164);
    ASSERT_EQ(user.dialogs.size(), 1u);
    EXPECT_EQ(user.dialogs[0].templateId, 568);
}

TEST_F(modifyParameters, DeleteAll)
{
    auto d = opened<dialog>();
    selectTags(*d, {"P1", "P2"});
    user.answers.push_back(ganswer::ok);
    d->sendCommand(dialog::deleteAllId);
    EXPECT_EQ(user.messages.front().text, "Are you sure you want to delete both selected parameters?");
    EXPECT_EQ(parameter("P1"), nullptr);
    EXPECT_EQ(d->list().rowCount(), 0);
    EXPECT_EQ(stationState().modified, 1);
}

} // namespace
