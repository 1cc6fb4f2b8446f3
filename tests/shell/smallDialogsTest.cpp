#include "foundation/gmessageService.h"
#include "platform/recordingResponder.h"
#include "shell/CEnterTextDialog.h"
#include "shell/CInsertSymbolDialog.h"
#include "shell/CWarningDialog.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

TEST(enterText, LineBreaksAreSingleCarriageReturns)
{
    recordingResponder user;
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 553);
        EXPECT_EQ(d.windowTitle(), "Enter Text");
        // Two lines on screen.
        EXPECT_EQ(d.controlAs<QPlainTextEdit>(1465)->blockCount(), 2);
        d.setControlText(1465, "one\r\ntwo\r\nthree");
        d.sendCommand(IDOK);
    });
    gstr text("first\rsecond");
    EXPECT_TRUE(messageService().enterText(text, true));
    EXPECT_EQ(text.view(), "one\rtwo\rthree");
}

TEST(enterText, CancelAndEscapeKeepTheText)
{
    recordingResponder user;
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(1465, "changed");
        d.sendCommand(IDCANCEL);
    });
    gstr text("start");
    EXPECT_FALSE(messageService().enterText(text, true));
    EXPECT_EQ(text.view(), "start");

    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 554);
        EXPECT_EQ(d.control(IDCANCEL), nullptr);
        d.setControlText(1465, "changed");
        d.reject();
    });
    EXPECT_FALSE(messageService().enterText(text, false));
    EXPECT_EQ(text.view(), "start");
}

TEST(warningDialog, ShowsLinesWithoutLeadingFeedsAndAnswersTheQuestion)
{
    recordingResponder user;
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 568);
        EXPECT_EQ(d.windowTitle(), "K.O.R.V.E.L.");
        EXPECT_EQ(d.controlText(1320).view(), "first\r\nsecond\r\n");
        d.sendCommand(IDCANCEL);
    });
    EXPECT_FALSE(messageService().warningList("\n\nfirst\nsecond\n", true));

    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 567);
        EXPECT_EQ(d.control(IDCANCEL), nullptr);
        d.sendCommand(IDOK);
    });
    EXPECT_TRUE(messageService().warningList("only\n", false));
}

TEST(insertSymbol, ButtonsGiveTheirCharacterAndEscapeCancels)
{
    recordingResponder user;
    struct {
        int button;
        int result;
    } cases[] = {{1042, 161}, {1136, 255}, {1042 + 0xE9 - 0xA1, 0xE9}};
    for (const auto& c : cases) {
        user.scripts.push_back([&c](CDialog& d) { d.sendCommand(c.button); });
        CInsertSymbolDialog dialog;
        EXPECT_EQ(dialog.DoModal(), c.result);
    }
    CInsertSymbolDialog dialog;
    EXPECT_EQ(dialog.controlText(1136).view(), "\xFF");
    EXPECT_EQ(dialog.controlText(1042).view(), "\xA1");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(insertSymbol, SymbolFontIsHalfAsLargeAgain)
{
    EXPECT_EQ(CInsertSymbolDialog::symbolFontSize(-11), -16);
    EXPECT_EQ(CInsertSymbolDialog::symbolFontSize(8), 12);
    EXPECT_EQ(CInsertSymbolDialog::symbolFontSize(9), 13);
}

} // namespace
