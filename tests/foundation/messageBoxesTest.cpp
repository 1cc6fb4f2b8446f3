#include "foundation/messageBoxes.h"

#include "support/model/recordingMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(messageBoxes, BoxesCarryIconAndId)
{
    recordingMessages rec;
    warningBox(20101);
    informationBox(gstrSlice("done"));
    warningBox(gstrSlice("composed"), 20024);
    ASSERT_EQ(rec.messages.size(), 3u);
    EXPECT_EQ(rec.messages[0].text, "Unknown object type");
    EXPECT_EQ(rec.messages[0].icon, gicon::warning);
    EXPECT_EQ(rec.messages[0].buttons, gbuttons::ok);
    EXPECT_EQ(rec.messages[0].promptId, 20101);
    EXPECT_EQ(rec.messages[1].icon, gicon::information);
    EXPECT_EQ(rec.messages[1].promptId, 0);
    EXPECT_EQ(rec.messages[2].promptId, 20024);
}

TEST(messageBoxes, AskTextCancelGivesNoBuffer)
{
    recordingMessages rec;
    gstr out;
    rec.enteredTexts = {std::nullopt, std::string("typed"), std::nullopt};
    askText(out, true, "start");
    EXPECT_TRUE(out.isNull());
    askText(out, true, "start");
    EXPECT_EQ(out.view(), "typed");
    // Without Cancel the text left in the dialog is the answer.
    askText(out, false, "start");
    EXPECT_EQ(out.view(), "start");
}

TEST(messageBoxes, WarningDialogAnswersTrueWithoutQuestion)
{
    recordingMessages rec;
    rec.warningListAnswers = {false, false};
    EXPECT_TRUE(showWarningDialog("a\nb", false));
    EXPECT_FALSE(showWarningDialog("a\nb", true));
    EXPECT_EQ(rec.warningLists.size(), 2u);
}

} // namespace
