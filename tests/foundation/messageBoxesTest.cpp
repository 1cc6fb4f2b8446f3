#include "foundation/gloadingProgress.h"
#include "foundation/messageBoxes.h"

#include "support/model/recordingMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(messageBoxes, BoxesCarryTheirIconAndTheIdAsPrompt)
{
    recordingMessages user;
    warningBox("plain");
    EXPECT_EQ(user.messages.back().icon, gicon::warning);
    EXPECT_EQ(user.messages.back().buttons, gbuttons::ok);
    EXPECT_EQ(user.messages.back().promptId, 0);
    informationBox(10060);
    EXPECT_EQ(user.messages.back().icon, gicon::information);
    EXPECT_EQ(user.messages.back().promptId, 10060);
    EXPECT_EQ(user.lastText(), "You do not have permission to open the file \"%1.\"");
    warningBox(1); // no such text
    EXPECT_EQ(user.lastText(), "");
}

TEST(messageBoxes, AskTextWithAndWithoutCancel)
{
    recordingMessages user;
    gstr out("stale");
    user.enteredTexts.push_back(std::nullopt);
    askText(out, true, "start");
    EXPECT_TRUE(out.isNull());

    user.enteredTexts.push_back(std::nullopt);
    askText(out, false, "start");
    EXPECT_EQ(out.view(), "start");

    user.enteredTexts.push_back("typed\rtwo");
    askText(out, true, gstrSlice::null);
    EXPECT_EQ(out.view(), "typed\rtwo");
}

TEST(messageBoxes, WarningDialogAnswersTrueWithoutQuestion)
{
    recordingMessages user;
    user.warningListAnswers.push_back(false);
    EXPECT_TRUE(showWarningDialog("a\n", false));
    user.warningListAnswers.push_back(false);
    EXPECT_FALSE(showWarningDialog("a\n", true));
    EXPECT_EQ(user.warningLists.size(), 2u);
}

struct fakeBar final : gprogressBar {
    unsigned range = 0, position = 0;
    void setRange(unsigned r) override { range = r; }
    void setPosition(unsigned p) override { position = p; }
};

TEST(loadingProgress, MovesTheBarOnlyWhileOneIsSet)
{
    loadingProgressSetPosition(5); // nothing open: nothing happens
    fakeBar bar;
    loadingProgressBar = &bar;
    loadingProgressSetRange(40);
    loadingProgressSetPosition(7);
    loadingProgressBar = nullptr;
    loadingProgressSetPosition(9);
    EXPECT_EQ(bar.range, 40u);
    EXPECT_EQ(bar.position, 7u);
}

} // namespace
