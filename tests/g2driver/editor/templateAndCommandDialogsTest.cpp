#include "driverDialogFixture.h"
#include "g2driver/editor/CCommandDataPage.h"
#include "g2driver/editor/CDriverCommandsPane.h"
#include "g2driver/editor/CEditCommandDialog.h"
#include "g2driver/editor/CEditCommandTemplateDialog.h"
#include "g2driver/editor/CEditFixedStringElementDialog.h"
#include "g2driver/editor/CResponseElementsPage.h"
#include "g2driver/editor/CSelectElementTypeDialogs.h"

#include <functional>

namespace {

using D = CEditG2DeviceDriverDialog;
using T = CEditCommandTemplateDialog;
using C = CEditCommandDialog;
using Pane = CDriverCommandsPane;

class templateAndCommandTest : public driverDialogTest {
protected:
    static void click(CDialog& d, int id)
    {
        d.setChecked(id, true);
        d.sendCommand(id);
    }
    // The script runs in the dialog that the pane's button opens (on the
    // selected line when one is named); the driver dialog then ends with OK.
    void runFromPane(int button, const char* selectIn, int listId, std::function<void(CDialog&)> script)
    {
        runDriverDialog(meter(), meter(), [&](D& d) {
            user.scripts.push_back([&](CDialog& t) {
                script(t);
                if (!t.hasEnded())
                    t.sendCommand(IDCANCEL);
            });
            if (selectIn)
                select(d.commandsPane(), listId, selectIn);
            d.commandsPane().sendCommand(button);
            d.sendCommand(IDOK);
        });
    }
    void runTemplate(int button, std::function<void(CDialog&)> script)
    {
        runFromPane(button, button == Pane::newTemplateId ? nullptr : "Read", Pane::templateListId, script);
    }
    void runCommand(int button, std::function<void(CDialog&)> script)
    {
        runFromPane(button, button == Pane::newCommandId ? nullptr : "ReadInlet", Pane::commandListId, script);
    }
};

TEST_F(templateAndCommandTest, NewTemplateOpensExpectingAResponseAndNeedsAnElement)
{
    runTemplate(Pane::newTemplateId, [this](CDialog& t) {
        EXPECT_FALSE(t.isControlEnabled(IDOK));
        EXPECT_TRUE(t.isChecked(T::expectsResponseId));
        EXPECT_EQ(t.controlText(T::timeoutId).view(), "1");
        EXPECT_EQ(t.controlText(T::bufferSizeId).view(), "40");
        EXPECT_EQ(t.controlText(T::delayId).view(), "0");
        EXPECT_FALSE(t.isControlEnabled(T::delayId));
        EXPECT_FALSE(t.isControlEnabled(T::errorHandlingId));
        t.setControlText(T::tagId, "Quiet");
        t.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().text, "Please create at least one response element, or select the \"Command "
                                           "doesn't expect a response\" option.");
        click(t, T::noResponseId);
        t.setControlText(T::delayId, "2147484");
        t.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().text, "Please enter a delay between 0 and 2147483s.");
        t.setControlText(T::delayId, "");
        t.sendCommand(IDOK);
        EXPECT_TRUE(t.hasEnded());
    });
    g2driverCommandTemplate* quiet = meter()->templates().find("Quiet");
    ASSERT_NE(quiet, nullptr);
    EXPECT_EQ(quiet->getBufferSize(), 0);
    EXPECT_EQ(quiet->getTime().get(), 0u);
}

TEST_F(templateAndCommandTest, DuplicateNeedsANewTag)
{
    runTemplate(Pane::duplicateTemplateId, [this](CDialog& t) {
        EXPECT_EQ(t.controlText(T::tagId).view(), "Read");
        t.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().text,
                  "The device driver already contains a command template with this tag. Please enter a different tag.");
        t.setControlText(T::tagId, "Read2");
        t.sendCommand(IDOK);
    });
    ASSERT_NE(meter()->templates().find("Read2"), nullptr);
    EXPECT_EQ(meter()->templates().find("Read2")->elements().size(),
              meter()->templates().find("Read")->elements().size());
}

TEST_F(templateAndCommandTest, TimeoutIsCheckedAndTruncatedToMilliseconds)
{
    runTemplate(Pane::editTemplateId, [this](CDialog& t) {
        t.setControlText(T::timeoutId, "0.0005");
        t.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().text, "Please enter a timeout between 0.001 and 2147483s.");
        EXPECT_FALSE(t.hasEnded());
        t.setControlText(T::timeoutId, "0.0015");
        t.sendCommand(IDOK);
    });
    EXPECT_EQ(meter()->templates().find("Read")->getTime().get(), 1u);
}

TEST_F(templateAndCommandTest, ResponseDataInUseBlocksDroppingTheResponse)
{
    runTemplate(Pane::editTemplateId, [this](CDialog& t) {
        EXPECT_TRUE(t.isControlEnabled(T::errorHandlingId));
        click(t, T::noResponseId);
        EXPECT_EQ(user.lastMessage().text.rfind("You cannot remove the response of this template because it is used "
                                                "by the following:\n",
                                                0),
                  0u);
        EXPECT_TRUE(t.isChecked(T::expectsResponseId));
        EXPECT_GT(static_cast<T&>(t).responsePage(0).elementCount(), 0);
    });
    EXPECT_EQ(saved(), expected());
}

TEST_F(templateAndCommandTest, DroppingAnUnusedResponseAsksFirst)
{
    // A copy of Read: its data names are nobody's yet.
    runTemplate(Pane::duplicateTemplateId, [this](CDialog& t) {
        t.setControlText(T::tagId, "Copy");
        click(t, T::noResponseId);
        EXPECT_EQ(user.lastMessage().text, "Are you sure you want to delete all response elements?");
        EXPECT_TRUE(t.isChecked(T::expectsResponseId));
        user.answers.push_back(ganswer::ok);
        click(t, T::noResponseId);
        EXPECT_EQ(static_cast<T&>(t).responsePage(0).elementCount(), 0);
        EXPECT_EQ(static_cast<T&>(t).responsePage(1).elementCount(), 0);
        EXPECT_FALSE(t.isControlEnabled(T::errorHandlingId));
        t.sendCommand(IDOK);
    });
    ASSERT_NE(meter()->templates().find("Copy"), nullptr);
    EXPECT_FALSE(meter()->templates().find("Copy")->hasResponseData());
}

TEST_F(templateAndCommandTest, CommandRetriesFollowTheCheckBox)
{
    runCommand(Pane::editCommandId, [](CDialog& c) {
        EXPECT_TRUE(c.isChecked(C::customRetriesId));
        EXPECT_EQ(c.controlText(C::retriesId).view(), "2");
        click(c, C::customRetriesId);
        c.setChecked(C::customRetriesId, false);
        c.sendCommand(C::customRetriesId);
        c.sendCommand(IDOK);
    });
    EXPECT_EQ(meter()->commands().find("ReadInlet")->getRetries(), 0);
}

TEST_F(templateAndCommandTest, UsedCommandKeepsItsTemplate)
{
    runTemplate(Pane::duplicateTemplateId, [](CDialog& t) {
        t.setControlText(T::tagId, "Other");
        t.sendCommand(IDOK);
    });
    runCommand(Pane::editCommandId, [](CDialog& c) {
        select(c, C::templateComboId, "Other");
        EXPECT_EQ(c.itemText(C::templateComboId, c.selectedItem(C::templateComboId)).view(), "Read");
        c.sendCommand(IDOK);
    });
    EXPECT_EQ(user.lastMessage().text.rfind("You cannot change the command template because it is used by the "
                                            "following:\n",
                                            0),
              0u)
        << user.lastMessage().text;
    EXPECT_EQ(meter()->commands().find("ReadInlet")->getTemplate(), meter()->templates().find("Read"));
}

} // namespace

namespace {

TEST_F(templateAndCommandTest, CommandDataContentIsListedAndAnEmptiedBlockGoes)
{
    runCommand(Pane::editCommandId, [](CDialog& c) {
        CCommandDataPage& page = static_cast<C&>(c).dataPage();
        EXPECT_EQ(items(page, CCommandDataPage::dataListId), std::vector<std::string>{"Body"});
        page.selectItem(CCommandDataPage::dataListId, 0);
        EXPECT_EQ(page.itemCount(CCommandDataPage::contentListId), 2);
        for (int i = 0; i < 2; ++i) {
            page.selectItem(CCommandDataPage::contentListId, 0);
            page.sendCommand(CCommandDataPage::deleteId);
        }
        EXPECT_EQ(page.itemCount(CCommandDataPage::contentListId), 0);
        c.sendCommand(IDOK);
    });
    EXPECT_EQ(saved().find("\t\tDATA\t\tBody"), std::string::npos);
}

TEST_F(templateAndCommandTest, ResponseElementsComeFromTheTypeChoice)
{
    runTemplate(Pane::editTemplateId, [this](CDialog& t) {
        CResponseElementsPage& valid = static_cast<T&>(t).responsePage(0);
        int before = valid.elementCount();
        user.scripts.push_back([](CDialog& choice) {
            EXPECT_EQ(choice.templateId(), 750);
            choice.sendCommand(IDOK);
        });
        user.scripts.push_back([](CDialog& e) { e.sendCommand(IDCANCEL); });
        valid.sendCommand(CResponseElementsPage::newId);
        EXPECT_EQ(valid.elementCount(), before);
        // The error list offers its own choice.
        user.scripts.push_back([](CDialog& choice) {
            EXPECT_EQ(choice.templateId(), 777);
            choice.sendCommand(IDCANCEL);
        });
        static_cast<T&>(t).responsePage(1).sendCommand(CResponseElementsPage::newId);
        t.sendCommand(IDOK);
    });
    EXPECT_EQ(saved(), expected());
}

} // namespace

namespace {

TEST_F(templateAndCommandTest, ContentTypesWithoutADialogAddNothing)
{
    runCommand(Pane::editCommandId, [this](CDialog& c) {
        CCommandDataPage& page = static_cast<C&>(c).dataPage();
        page.selectItem(CCommandDataPage::dataListId, 0);
        user.scripts.push_back([](CDialog& choice) {
            EXPECT_EQ(choice.templateId(), CSelectContentElementTypeDialog::templateId);
            choice.setChecked(CSelectContentElementTypeDialog::lengthId, true);
            choice.sendCommand(IDOK);
        });
        page.sendCommand(CCommandDataPage::newId);
        EXPECT_EQ(page.itemCount(CCommandDataPage::contentListId), 2);
        user.scripts.push_back([](CDialog& choice) { choice.sendCommand(IDOK); });
        user.scripts.push_back([](CDialog& e) {
            e.setControlText(CEditFixedStringElementDialog::stringId, "\\r");
            e.sendCommand(IDOK);
        });
        page.selectItem(CCommandDataPage::contentListId, 1);
        page.sendCommand(CCommandDataPage::newId);
        EXPECT_EQ(items(page, CCommandDataPage::contentListId).back(), "\"\\r\"");
        c.sendCommand(IDOK);
    });
    EXPECT_NE(saved().find("\t\t\tCOMMAND_ELEMENT\tFIXED STRING\r\n\t\t\t\tSTRING\t\t\"\\r\"\r\n"
                           "\t\t\tEND\r\n\t\tEND\r\n"),
              std::string::npos);
}

} // namespace
