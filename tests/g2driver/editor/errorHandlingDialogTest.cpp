#include "driverDialogFixture.h"
#include "g2driver/editor/CEditErrorCodeDialog.h"
#include "g2driver/editor/CErrorHandlingDialog.h"

#include <functional>

namespace {

using D = CEditG2DeviceDriverDialog;
using H = CErrorHandlingDialog;
using E = CEditErrorCodeDialog;

class errorHandlingTest : public driverDialogTest {
protected:
    // Opens the driver dialog on the source (Edit mode when given), then
    // Error Handling with the script, then ends the driver dialog with
    // driverEnd.
    void runErrorHandling(g2driver* driver, std::function<void(H&)> script, int driverEnd = IDOK)
    {
        runDriverDialog(driver, driver, [&](D& d) {
            if (!driver)
                d.setControlText(D::tagId, "Pump");
            user.scripts.push_back([&](CDialog& h) {
                EXPECT_EQ(h.templateId(), H::templateId);
                script(static_cast<H&>(h));
                if (!h.hasEnded())
                    h.sendCommand(IDCANCEL);
            });
            d.sendCommand(D::errorHandlingId);
            d.sendCommand(driverEnd);
        });
    }
    // Answers the next Edit Error Code dialog.
    void answerCode(const char* tag, int typeId, int okCount = 1)
    {
        user.scripts.push_back([=](CDialog& e) {
            EXPECT_EQ(e.templateId(), E::templateId);
            if (tag)
                e.setControlText(E::tagId, tag);
            if (typeId) {
                e.setChecked(typeId, true);
                e.sendCommand(typeId);
            }
            for (int i = 0; i < okCount && !e.hasEnded(); ++i)
                e.sendCommand(IDOK);
        });
    }
    static void check(H& h, int id)
    {
        h.setChecked(id, true);
        h.sendCommand(id);
    }
    static void chooseMain(H& h, const char* tag)
    {
        select(h, H::mainCodeId, tag);
        emit h.controlAs<QComboBox>(H::mainCodeId)->activated(h.selectedItem(H::mainCodeId));
    }
};

TEST_F(errorHandlingTest, NewDriverOpensWithIgnoreAllOtherAndNoMainCode)
{
    runErrorHandling(nullptr, [](H& h) {
        EXPECT_EQ(h.itemCount(H::codesId), 0);
        EXPECT_EQ(items(h, H::mainCodeId), std::vector<std::string>{"<None>"});
        EXPECT_TRUE(h.isChecked(H::otherIds[0]));
        EXPECT_TRUE(h.isChecked(H::noneIds[1]));
        EXPECT_TRUE(h.isChecked(H::noneIds[2]));
        for (int rule = 0; rule < 3; ++rule)
            EXPECT_FALSE(h.isControlEnabled(H::onlyIds[rule]));
        EXPECT_EQ(h.controlText(H::delayId).view(), "0.25");
        EXPECT_EQ(h.controlText(H::retriesId).view(), "3");
        EXPECT_FALSE(h.isControlEnabled(H::delayId));
        EXPECT_FALSE(h.isControlEnabled(H::retriesId));
        for (int id : {H::editId, H::deleteId, H::duplicateId})
            EXPECT_FALSE(h.isControlEnabled(id));
    });
}

TEST_F(errorHandlingTest, OpensWithTheDriversRecordAndOkWritesItBack)
{
    runErrorHandling(meter(), [](H& h) {
        EXPECT_EQ(items(h, H::codesId), (std::vector<std::string>{"Message", "Fault"}));
        EXPECT_EQ(items(h, H::mainCodeId), (std::vector<std::string>{"<None>", "Fault", "Message"}));
        EXPECT_EQ(h.itemText(H::mainCodeId, h.selectedItem(H::mainCodeId)).view(), "Fault");
        EXPECT_TRUE(h.isChecked(H::onlyIds[0]));
        EXPECT_EQ(h.controlText(H::valuesIds[0]).view(), "1, 2");
        EXPECT_TRUE(h.isChecked(H::otherIds[2]));
        EXPECT_EQ(h.controlText(H::delayId).view(), "0.1");
        EXPECT_TRUE(h.isControlEnabled(H::retriesId));
        h.sendCommand(IDOK);
        EXPECT_TRUE(h.hasEnded());
    });
    EXPECT_EQ(saved(), expected());
}

TEST_F(errorHandlingTest, ExactlyOneRuleTakesAllOther)
{
    runErrorHandling(meter(), [](H& h) {
        check(h, H::otherIds[0]);
        h.sendCommand(IDOK);
        check(h, H::noneIds[0]);
        check(h, H::noneIds[2]);
        h.sendCommand(IDOK);
    }, IDCANCEL);
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{
                  "Please select the \"All other\" option for only one of the types of error handling.",
                  "Please select the \"All other\" option for one of the types of error handling."}));
}

struct valuesCase {
    const char* mainCode;
    const char* text;
    const char* message; // null: accepted
    const char* written; // the IGNORE_ERRORS line when accepted
};

TEST_F(errorHandlingTest, ValueTextsOfOnlyTheseRules)
{
    const valuesCase cases[] = {
        {"Fault", "1, 2, 3", nullptr, "IGNORE_ERRORS\tVALUES, 1, 2, 3"},
        {"Fault", "4", nullptr, "IGNORE_ERRORS\tVALUES, 4"},
        {"Fault", "1,,2", "Please enter a list of error values separated by commas.", nullptr},
        {"Fault", "1, 2,", "Please enter a list of error values separated by commas.", nullptr},
        {"Fault", "1 2", "Please enter a list of error values separated by commas.", nullptr},
        {"Fault", "", "Please enter some error values, or select the \"None\" or \"All other\" option.", nullptr},
        {"Message", "E[0-9]+", nullptr, "IGNORE_ERRORS\tVALUES, E[0-9]+"},
        {"Message", "E[", "The text you entered for the error values in not a valid regular expression.", nullptr},
        {"Message", "",
         "Please enter a regular expression for the error values, or select the \"None\" or \"All other\" option.",
         nullptr},
    };
    for (const valuesCase& c : cases) {
        user.messages.clear();
        runErrorHandling(meter(), [&c](H& h) {
            chooseMain(h, c.mainCode);
            h.setControlText(H::valuesIds[0], c.text);
            h.sendCommand(IDOK);
            if (c.message) {
                EXPECT_FALSE(h.hasEnded()) << c.text;
            }
        });
        if (c.message) {
            EXPECT_EQ(messageTexts(), std::vector<std::string>{c.message}) << c.text;
            continue;
        }
        EXPECT_EQ(messageTexts(), std::vector<std::string>{}) << c.text;
        EXPECT_NE(saved().find(c.written), std::string::npos) << c.text;
        EXPECT_EQ(meter()->errorHandling().getErrorCode(), meter()->errorCodes().find(c.mainCode));
    }
}

TEST_F(errorHandlingTest, NoMainCodeTurnsOnlyTheseIntoNone)
{
    runErrorHandling(meter(), [](H& h) {
        chooseMain(h, "<None>");
        EXPECT_TRUE(h.isChecked(H::noneIds[0]));
        EXPECT_FALSE(h.isControlEnabled(H::valuesIds[0]));
        EXPECT_FALSE(h.isControlEnabled(H::onlyIds[1]));
        h.sendCommand(IDOK);
    });
    EXPECT_EQ(meter()->errorHandling().getErrorCode(), nullptr);
    EXPECT_EQ(meter()->errorHandling().ignoreSet().getKind(), g2driverErrorValueSet::none);
}

TEST_F(errorHandlingTest, RetryLimits)
{
    struct retryCase {
        const char* delay;
        const char* retries;
        bool accepted;
    };
    const retryCase cases[] = {{"4294967", "2147483646", true}, {"4294967.1", "3", false},
                               {"1", "1", false},               {"1", "2147483647", false},
                               {"x", "3", false},               {"0.0019", "2", true}};
    for (const retryCase& c : cases) {
        user.messages.clear();
        runErrorHandling(meter(), [&c](H& h) {
            h.setControlText(H::delayId, c.delay);
            h.setControlText(H::retriesId, c.retries);
            h.sendCommand(IDOK);
        });
        EXPECT_EQ(user.messages.empty(), c.accepted) << c.delay << " " << c.retries;
    }
    EXPECT_EQ(meter()->errorHandling().getRetryDelay().get(), 1u);
    EXPECT_EQ(meter()->errorHandling().getRetries(), 2);
}

TEST_F(errorHandlingTest, CodesAreMadeDeletedAndGuarded)
{
    runErrorHandling(meter(), [this](H& h) {
        // Fault is used by an error element: not deleted.
        select(h, H::codesId, "Fault");
        h.sendCommand(H::deleteId);
        EXPECT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(items(h, H::codesId), (std::vector<std::string>{"Message", "Fault"}));
        // The same tag again is refused; another is taken.
        answerCode(nullptr, 0, 1);
        h.sendCommand(H::duplicateId);
        EXPECT_EQ(user.lastMessage().text,
                  "The device driver already has an error code with this tag. Please enter a different tag.");
        answerCode("Alarm", E::stringId);
        h.sendCommand(H::newId);
        EXPECT_EQ(items(h, H::codesId), (std::vector<std::string>{"Message", "Fault", "Alarm"}));
        EXPECT_EQ(items(h, H::mainCodeId), (std::vector<std::string>{"<None>", "Alarm", "Fault", "Message"}));
        EXPECT_EQ(h.itemText(H::mainCodeId, h.selectedItem(H::mainCodeId)).view(), "Fault");
        // A new, unused code that is the main code goes, and "<None>" is chosen.
        chooseMain(h, "Alarm");
        select(h, H::codesId, "Alarm");
        h.sendCommand(H::deleteId);
        EXPECT_EQ(items(h, H::codesId), (std::vector<std::string>{"Message", "Fault"}));
        EXPECT_EQ(h.selectedItem(H::mainCodeId), 0);
        EXPECT_TRUE(h.isChecked(H::noneIds[0]));
        answerCode("Spare", 0);
        h.sendCommand(H::newId);
        h.sendCommand(IDOK);
    });
    EXPECT_NE(meter()->errorCodes().find("Spare"), nullptr);
    EXPECT_EQ(meter()->errorCodes().find("Spare")->getKind(), g2driverErrorCode::numerical);
    EXPECT_EQ(meter()->errorCodes().find("Alarm"), nullptr);
}

TEST_F(errorHandlingTest, UsedCodeKeepsItsType)
{
    runErrorHandling(meter(), [this](H& h) {
        user.scripts.push_back([](CDialog& e) {
            EXPECT_TRUE(e.controlAs<QLineEdit>(E::tagId)->isReadOnly());
            e.setChecked(E::stringId, true);
            e.sendCommand(E::stringId);
            EXPECT_TRUE(e.isChecked(E::numericalId));
            e.sendCommand(IDOK);
        });
        select(h, H::codesId, "Fault");
        h.sendCommand(H::editId);
        h.sendCommand(IDOK);
    });
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text.rfind("You cannot change the type of this this object because it is used by the "
                                        "following:\n",
                                        0),
              0u);
    EXPECT_EQ(meter()->errorCodes().find("Fault")->getKind(), g2driverErrorCode::numerical);
}

TEST_F(errorHandlingTest, CancelLeavesCodesAndRecord)
{
    runErrorHandling(meter(), [this](H& h) {
        answerCode("Spare", E::stringId);
        h.sendCommand(H::newId);
        select(h, H::codesId, "Message");
        h.sendCommand(H::deleteId);
        check(h, H::noneIds[2]);
        check(h, H::otherIds[1]);
        h.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(saved(), expected());
}

} // namespace

namespace {

TEST_F(errorHandlingTest, PatternWithSeparatorsReadsBackFromTheSavedFile)
{
    runErrorHandling(meter(), [](H& h) {
        chooseMain(h, "Message");
        h.setControlText(H::valuesIds[1], "E,\"x\" [0-9]+");
        check(h, H::onlyIds[1]);
        check(h, H::noneIds[0]);
        h.sendCommand(IDOK);
        EXPECT_TRUE(h.hasEnded());
    });
    std::string first = saved();
    std::string path = folder.path("again.stn");
    putFile(path, first);
    emptyAll();
    ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), gloadError::none);
    EXPECT_EQ(saved(), first);
    gstr shown("");
    meter()->errorHandling().reinitSet().pattern().toString(shown, true);
    EXPECT_EQ(shown.view(), "E,\"x\" [0-9]+");
}

} // namespace
