#include "registers/sources/ui/CParameterSourcePanes.h"
#include "registers/sources/ui/sourcePaneTestSupport.h"

namespace {

using base = CRegisterDialog;
using pane = CParameterSourcePane;

TEST_F(registerDialogTest, BistateParameterPaneDefaultAndPersistence)
{
    gregister* made = run(1, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(base::tagId, "B");
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.templateId(), 856);
        EXPECT_FALSE(p.isChecked(pane::defaultCheckId));
        EXPECT_TRUE(p.isChecked(CBistateParameterSourcePane::onId));
        EXPECT_FALSE(p.isControlEnabled(CBistateParameterSourcePane::onId));
        clickButton(p, pane::defaultCheckId);
        EXPECT_TRUE(p.isControlEnabled(CBistateParameterSourcePane::offId));
        clickButton(p, CBistateParameterSourcePane::offId);
        clickButton(p, pane::persistentId);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tG2 PARAMETER\n\t\tPERSISTENT\tYES\n\t\tDEFAULT\t\tOFF\n\tEND\n");

    // The pane shows the source again; a default cleared is dropped though
    // the buttons still show it.
    run(1, made, made, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_TRUE(p.isChecked(pane::defaultCheckId));
        EXPECT_TRUE(p.isChecked(CBistateParameterSourcePane::offId));
        EXPECT_TRUE(p.isChecked(pane::persistentId));
        clickButton(p, pane::defaultCheckId);
        EXPECT_TRUE(p.isChecked(CBistateParameterSourcePane::offId));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tG2 PARAMETER\n\t\tPERSISTENT\tYES\n\tEND\n");
}

// A default the loader would refuse is refused with the field's message;
// the dialog stays open with the focus on the edit.
TEST_F(registerDialogTest, NumberParameterPanesRefuseWhatDoesNotRead)
{
    struct {
        int classCode;
        const char* bad[3];
        int message;
        const char* good;
        const char* line;
    } cases[] = {
        {2, {"", "x", "4294967296"}, 10723, "4294967295", "\t\tDEFAULT\t\t4294967295\n"},
        {3, {"", "1e999", "1e"}, 10724, "-2.5", "\t\tDEFAULT\t\t-2.5\n"},
    };
    for (const auto& c : cases) {
        gregister* made = run(c.classCode, nullptr, nullptr, [&](CDialog& d) {
            d.setControlText(base::tagId, c.classCode == 2 ? "D" : "A");
            CSourcePane& p = paneOf(d);
            EXPECT_EQ(p.templateId(), 857);
            clickButton(p, pane::defaultCheckId);
            for (const char* text : c.bad) {
                p.setControlText(pane::editorId, text);
                d.sendCommand(IDOK);
                EXPECT_EQ(user.lastMessage().promptId, c.message) << text;
                EXPECT_TRUE(p.hasFocus(pane::editorId));
                EXPECT_FALSE(d.hasEnded()) << text;
            }
            p.setControlText(pane::editorId, c.good);
            d.sendCommand(IDOK);
        });
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(sourceLines(*made), std::string("\tSOURCE\t\tG2 PARAMETER\n") + c.line + "\tEND\n");
    }
    EXPECT_EQ(user.messages.front().text, "Please enter a number between 0 and 4294967295 for the default value, "
                                          "or clear the check box.");
    EXPECT_EQ(user.messages.back().text, "Please enter a number for the default value, or clear the check box.");
}

TEST_F(registerDialogTest, StringParameterPaneShowsTheTextOrItsBytes)
{
    gregister* made = run(4, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(base::tagId, "S");
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.templateId(), 853);
        EXPECT_FALSE(p.isControlEnabled(CStringParameterSourcePane::showHexId));
        clickButton(p, pane::defaultCheckId);
        p.setControlText(pane::editorId, "a, b\\t");
        clickButton(p, CStringParameterSourcePane::showHexId);
        EXPECT_EQ(p.controlText(pane::editorId).view(), "61 2C 20 62 09");
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tG2 PARAMETER\n\t\tDEFAULT\t\t\"a, b\\t\"\n\tEND\n");
    run(4, made, made, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_TRUE(p.isChecked(pane::defaultCheckId));
        EXPECT_EQ(p.controlText(pane::editorId).view(), "a, b\\t");
        d.sendCommand(IDCANCEL);
    });
}

// Leaving a parameter pane asks only when one of its boxes is checked.
TEST_F(registerDialogTest, LeavingAParameterPaneAsksOnlyWhenItHoldsSettings)
{
    run(1, nullptr, nullptr, [this](CDialog& d) {
        EXPECT_TRUE(chooseSourceType(d, 8));
        EXPECT_TRUE(user.messages.empty());
        // The grand summary pane holds nothing, but asks like every pane.
        user.answers.push_back(ganswer::ok);
        EXPECT_TRUE(chooseSourceType(d, 1));
        EXPECT_EQ(user.messages.size(), 1u);
        clickButton(paneOf(d), pane::persistentId);
        user.answers.push_back(ganswer::cancel);
        EXPECT_TRUE(chooseSourceType(d, 8));
        EXPECT_EQ(user.lastMessage().promptId, 10721);
        EXPECT_EQ(user.lastMessage().text,
                  "Are you sure you want to delete the current source and replace it with a Grand summary source?");
        EXPECT_EQ(dynamic_cast<CRegisterDialog&>(d).sourceTypeCode(), 1);
        EXPECT_TRUE(paneOf(d).isChecked(pane::persistentId));
        d.sendCommand(IDCANCEL);
    });
}

} // namespace
