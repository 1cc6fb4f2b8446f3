#include "platform/CDialog.h"
#include "platform/helpViewer.h"
#include "platform/modalRun.h"
#include "platform/recordingResponder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A dialog in the shape every dialog of the program has: controls by id,
// validation in OnOK.
class nameDialog : public CDialog {
public:
    explicit nameDialog(gstr start) : CDialog(570), name(std::move(start))
    {
        setWindowTitle("Edit Name");
        setDialogSize(200, 80);
        addLabel(-1, "&Name:", 7, 9, 40, 8);
        addEdit(1010, 50, 7, 140, 12);
        addCheckBox(1020, "&Locked", 50, 22, 80, 10);
        addRadioButton(1030, "Left", 50, 34, 40, 10);
        addRadioButton(1031, "Right", 95, 34, 40, 10);
        addComboBox(1040, false, 50, 46, 80, 60);
        addButton(IDOK, "OK", 90, 62, 50, 14, true);
        addButton(IDCANCEL, "Cancel", 143, 62, 50, 14);
        addButton(1050, "&Clear", 7, 62, 50, 14);
        onCommand(1050, [this] { setControlText(1010, ""); });
    }

    gstr name;
    int initCount = 0;

protected:
    bool OnInitDialog() override
    {
        ++initCount;
        setControlText(1010, name);
        addItem(1040, "first");
        addItem(1040, "second");
        selectItem(1040, 0);
        checkRadioButton(1030, 1031, 1030);
        return true;
    }

    void OnOK() override
    {
        gstr text = controlText(1010);
        if (text.isEmpty()) {
            refuseField(1010, "Please enter a name.", 10999);
            return;
        }
        name = text;
        CDialog::OnOK();
    }
};

TEST(modalRun, ScriptFillsControlsByIdAndPressesOk)
{
    recordingResponder user;
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.controlText(1010).view(), "old");
        EXPECT_EQ(d.itemCount(1040), 2);
        EXPECT_EQ(d.checkedRadioButton(1030, 1031), 1030);
        d.setControlText(1010, "new \xE9");
        d.checkRadioButton(1030, 1031, 1031);
        d.selectItem(1040, 1);
        d.setChecked(1020, true);
        d.sendCommand(IDOK);
    });
    nameDialog dialog("old");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name.view(), "new \xE9");
    EXPECT_EQ(dialog.initCount, 1);
    EXPECT_EQ(dialog.checkedRadioButton(1030, 1031), 1031);
    EXPECT_FALSE(dialog.isChecked(1030));
    EXPECT_TRUE(dialog.isChecked(1020));
    EXPECT_EQ(dialog.selectedItem(1040), 1);
    ASSERT_EQ(user.dialogs.size(), 1u);
    EXPECT_EQ(user.dialogs[0].templateId, 570);
    EXPECT_EQ(user.dialogs[0].title, "Edit Name");
    EXPECT_EQ(user.dialogs[0].result, IDOK);
    EXPECT_TRUE(user.messages.empty());
}

TEST(modalRun, RefusedFieldShowsMessageFocusesAndStaysOpen)
{
    recordingResponder user;
    user.scripts.push_back([](CDialog& d) {
        d.sendCommand(1050);
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        EXPECT_TRUE(d.hasFocus(1010));
    });
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(1010, "fixed");
        d.sendCommand(IDOK);
    });
    nameDialog dialog("old");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name.view(), "fixed");
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text, "Please enter a name.");
    EXPECT_EQ(user.lastMessage().icon, gicon::warning);
    EXPECT_EQ(user.lastMessage().buttons, gbuttons::ok);
    EXPECT_EQ(user.lastMessage().helpContext, 0x30000 + 10999);
}

TEST(modalRun, DialogWithoutScriptIsCancelled)
{
    recordingResponder user;
    nameDialog dialog("old");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.name.view(), "old");
    EXPECT_EQ(user.dialogs.at(0).result, IDCANCEL);
}

// What a responder ends with unused: each kind of queue is told, and a test
// that says it leaves them hears nothing.
TEST(modalRun, UnusedScriptsAndAnswersAreReported)
{
    static std::vector<std::string> reports;
    reports.clear();
    auto previous = recordingResponder::installUnusedReporter([](const std::string& what) { reports.push_back(what); });
    {
        recordingResponder user;
        user.scripts.push_back([](CDialog& d) { d.sendCommand(IDOK); });
        user.answers.push_back(ganswer::yes);
        user.chosenFiles.push_back("/tmp/x");
    }
    {
        recordingResponder user;
        user.scripts.push_back([](CDialog& d) { d.sendCommand(IDOK); });
        nameDialog dialog(gstr("Pump"));
        dialog.DoModal();
    }
    {
        recordingResponder user;
        user.leavesUnused = true;
        user.answers.push_back(ganswer::yes);
    }
    recordingResponder::installUnusedReporter(previous);
    EXPECT_EQ(reports,
              std::vector<std::string>{"left unused: 1 dialog script(s), 1 message answer(s), 1 chosen file(s)"});
}

TEST(modalRun, EscapeAndCloseBoxAreCancel)
{
    recordingResponder user;
    user.scripts.push_back([](CDialog& d) { d.reject(); });
    nameDialog dialog("old");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(modalRun, MessageBoxIconRuleAndAnswers)
{
    struct {
        gbuttons buttons;
        gicon given;
        gicon shown;
    } cases[] = {
        {gbuttons::ok, gicon::none, gicon::warning},
        {gbuttons::okCancel, gicon::none, gicon::warning},
        {gbuttons::yesNoCancel, gicon::none, gicon::warning},
        {gbuttons::yesNo, gicon::none, gicon::warning},
        {gbuttons::abortRetryIgnore, gicon::none, gicon::none},
        {gbuttons::retryCancel, gicon::none, gicon::none},
        {gbuttons::yesNo, gicon::question, gicon::question},
        {gbuttons::ok, gicon::information, gicon::information},
    };
    recordingResponder user;
    for (const auto& c : cases) {
        messageBox("text", c.buttons, c.given, 0);
        EXPECT_EQ(user.lastMessage().icon, c.shown);
        EXPECT_EQ(user.lastMessage().helpContext, 0);
    }
    user.answers.push_back(ganswer::yes);
    EXPECT_EQ(messageBox("Save?", gbuttons::yesNoCancel, gicon::none, 10306), ganswer::yes);
    EXPECT_EQ(user.lastMessage().helpContext, 0x30000 + 10306);
    EXPECT_EQ(messageBox("Again?", gbuttons::yesNo, gicon::none, 0), ganswer::no);
}

TEST(modalRun, LabelMnemonicLeadsToTheNextControl)
{
    recordingResponder user;
    nameDialog dialog("x");
    dialog.DoModal();
    QLabel* label = nullptr;
    for (auto* l : dialog.findChildren<QLabel*>())
        label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->buddy(), dialog.control(1010));
    EXPECT_EQ(CDialog::controlId(dialog.control(1010)), 1010);
    EXPECT_EQ(CDialog::controlId(label), 0);
}

TEST(modalRun, MultiLineEditsGiveCrLf)
{
    class multi : public CDialog {
    public:
        multi() : CDialog(1) { addMultiLineEdit(5, 0, 0, 100, 50); }
    } dialog;
    dialog.setControlText(5, "one\r\ntwo");
    EXPECT_EQ(dialog.controlText(5).view(), "one\r\ntwo");
}

TEST(helpViewer, RequestIsRecordedAndAMissingFileIsReported)
{
    recordingResponder user;
    setHelpFile("");
    showHelp(helpCommand::contents);
    EXPECT_TRUE(user.messages.empty());
    setHelpFile("/nonexistent/Quillane.hlp");
    showHelp(helpCommand::context, 0x30000 + 10306);
    EXPECT_EQ(lastHelpRequest().context, 0x30000u + 10306);
    EXPECT_EQ(lastHelpRequest().file.view(), "/nonexistent/Quillane.hlp");
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_NE(user.lastMessage().text.find("/nonexistent/Quillane.hlp"), std::string::npos);
    setHelpFile("");
}

} // namespace
