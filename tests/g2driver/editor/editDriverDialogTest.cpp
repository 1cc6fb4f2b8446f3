#include "driverDialogFixture.h"
#include "g2driver/editor/CDriverCommandsPane.h"
#include "g2driver/editor/CEditCommandDialog.h"
#include "g2driver/editor/CEditCommandTemplateDialog.h"

namespace {

using D = CEditG2DeviceDriverDialog;

TEST_F(driverDialogTest, EditAndOkWritesTheDriverBackUnchanged)
{
    std::string before = saved();
    ASSERT_EQ(before, expected());
    g2driverCommand* command = meter()->commands().find("ReadInlet");
    g2driverParameter* address = meter()->parameters().find("Address");
    int result = runDriverDialog(meter(), meter(), [](D& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Device Driver");
        EXPECT_TRUE(d.controlAs<QLineEdit>(D::tagId)->isReadOnly());
        EXPECT_EQ(d.controlText(D::nameId).view(), "Flow meter, G2");
        EXPECT_EQ(items(d, parameterListEditor::listId), (std::vector<std::string>{"Address", "Fast"}));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(saved(), before);
    // Objects others refer to keep their identity.
    EXPECT_EQ(meter()->commands().find("ReadInlet"), command);
    EXPECT_EQ(meter()->parameters().find("Address"), address);
}

TEST_F(driverDialogTest, CancelLeavesTheDriverAsItWas)
{
    int result = runDriverDialog(meter(), meter(), [](D& d) {
        d.setControlText(D::nameId, "Other");
        d.setControlText(D::retriesId, "7");
        select(d, parameterListEditor::listId, "Fast");
        d.sendCommand(parameterListEditor::deleteId);
        select(d.commandsPane(), CDriverCommandsPane::commandListId, "ReadInlet");
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(saved(), expected());
}

TEST_F(driverDialogTest, NewDriverNeedsATagAndStartsEmpty)
{
    g2driver* made = nullptr;
    int result = runDriverDialog(nullptr, nullptr, [](D& d) {
        EXPECT_EQ(d.windowTitle(), "New Device Driver");
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        EXPECT_EQ(d.controlText(D::retriesId).view(), "1");
        EXPECT_EQ(d.controlText(D::delayId).view(), "0");
        d.setControlText(D::tagId, "Pump");
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.setControlText(D::nameId, "Pump");
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    made = station::g2Drivers().find("Pump");
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->getTitle(false).isEmpty());
    EXPECT_EQ(made->getRetries(), 1);
    EXPECT_EQ(made->errorHandling().ignoreSet().getKind(), g2driverErrorValueSet::byDefault);
    EXPECT_EQ(made->errorHandling().reinitSet().getKind(), g2driverErrorValueSet::none);
    EXPECT_EQ(made->errorHandling().retrySet().getKind(), g2driverErrorValueSet::none);
    EXPECT_NE(saved().find("G2DRIVER Pump\r\n"), std::string::npos);
}

TEST_F(driverDialogTest, DuplicateKeepsEverythingUnderTheNewTag)
{
    int result = runDriverDialog(meter(), nullptr, [](D& d) {
        EXPECT_EQ(d.windowTitle(), "New Device Driver");
        d.sendCommand(IDOK);
        EXPECT_EQ(d.hasEnded(), false);
        d.setControlText(D::tagId, "Copy");
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{"A driver with this tag already exsits. Please enter a different tag."}));
    g2driver* copy = station::g2Drivers().find("Copy");
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->commands().find("ReadInlet"), meter()->commands().find("ReadInlet"));
    EXPECT_EQ(copy->commands().find("ReadInlet")->getTemplate(), copy->templates().find("Read"));
    // The copy writes as the original does, but for its tag.
    std::string all = saved();
    std::string original = expected();
    size_t start = original.find("G2DRIVER Meter");
    size_t end = original.find("\r\nEND\r\n", start);
    std::string block = original.substr(start, end - start);
    block.replace(0, 14, "G2DRIVER Copy");
    EXPECT_NE(all.find(block), std::string::npos);
}

struct fieldCase {
    const char* retries;
    const char* delay;
    const char* message; // null: accepted
    int32_t storedRetries;
    uint32_t storedDelay;
};

TEST_F(driverDialogTest, RetriesAndDelayAreCheckedBeforeAnythingIsWritten)
{
    const char* retriesText = "Please enter a number of retries between 1 and 2147483646.";
    const char* delayText = "Please enter a time between 0s and 4294967s for the minimum delay between commands.";
    const fieldCase cases[] = {
        {"0", "0", retriesText, 0, 0},
        {"", "0", retriesText, 0, 0},
        {"1x", "0", retriesText, 0, 0},
        {"2147483647", "0", nullptr, 2147483647, 0},
        {"2", "4294967", nullptr, 2, 4294967000u},
        {"2", "4294967.5", delayText, 0, 0},
        {"2", "-0.001", delayText, 0, 0},
        {"2", "0.0015", nullptr, 2, 1},
    };
    for (const fieldCase& c : cases) {
        user.messages.clear();
        int32_t retriesBefore = meter()->getRetries();
        runDriverDialog(meter(), meter(), [&c](D& d) {
            d.setControlText(D::retriesId, c.retries);
            d.setControlText(D::delayId, c.delay);
            d.sendCommand(IDOK);
            if (!d.hasEnded())
                d.sendCommand(IDCANCEL);
        });
        if (c.message) {
            ASSERT_EQ(user.messages.size(), 1u) << c.retries << " " << c.delay;
            EXPECT_EQ(user.lastMessage().text, c.message);
            EXPECT_EQ(meter()->getRetries(), retriesBefore);
            continue;
        }
        EXPECT_TRUE(user.messages.empty()) << c.retries << " " << c.delay;
        EXPECT_EQ(meter()->getRetries(), c.storedRetries);
        EXPECT_EQ(meter()->getDelay().get(), c.storedDelay);
    }
}

TEST_F(driverDialogTest, ParameterInUseCannotBeDeleted)
{
    runDriverDialog(meter(), meter(), [](D& d) {
        select(d, parameterListEditor::listId, "Address");
        d.sendCommand(parameterListEditor::deleteId);
        EXPECT_EQ(items(d, parameterListEditor::listId), (std::vector<std::string>{"Address", "Fast"}));
        d.sendCommand(IDCANCEL);
    });
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text.rfind("You cannot delete this item because it is used by the following:\n", 0),
              0u);
    EXPECT_NE(user.lastMessage().text.find("The command template Read"), std::string::npos);
}

TEST_F(driverDialogTest, TemplateAndCommandDialogsWriteBackUnchanged)
{
    runDriverDialog(meter(), meter(), [this](D& d) {
        CDriverCommandsPane& pane = d.commandsPane();
        user.scripts.push_back([](CDialog& t) {
            EXPECT_EQ(t.templateId(), CEditCommandTemplateDialog::templateId);
            EXPECT_EQ(t.controlText(CCommandDialogBase::tagId).view(), "Read");
            t.sendCommand(IDOK);
        });
        select(pane, CDriverCommandsPane::templateListId, "Read");
        pane.sendCommand(CDriverCommandsPane::editTemplateId);
        user.scripts.push_back([](CDialog& c) {
            EXPECT_EQ(c.templateId(), CEditCommandDialog::templateId);
            c.sendCommand(IDOK);
        });
        select(pane, CDriverCommandsPane::commandListId, "ReadInlet");
        pane.sendCommand(CDriverCommandsPane::editCommandId);
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(messageTexts(), std::vector<std::string>{});
    EXPECT_EQ(saved(), expected());
}

} // namespace

namespace {

TEST_F(driverDialogTest, DeviceValuesKeepTheirParameterThroughAnEdit)
{
    gdevice* device = station::serialPorts().define("COM1")->getDevice("D");
    device->setDriver(meter());
    g2driverParameterValueTable values(5);
    gstr line("Fast, BISTATE, ON");
    ASSERT_EQ(g2driverParameterValue::loadLine(values, line), gload::accepted);
    device->setParameterValues(values);
    g2driverParameter* fast = meter()->parameters().find("Fast");
    gstr users("");
    fast->describeUsers(users);
    ASSERT_NE(users.view().find("The device D in serial port COM1"), std::string_view::npos) << users.view();

    runDriverDialog(meter(), meter(), [](D& d) {
        select(d, parameterListEditor::listId, "Fast");
        d.sendCommand(parameterListEditor::deleteId);
        d.setControlText(D::nameId, "Renamed");
        d.sendCommand(IDOK);
    });
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text.rfind("You cannot delete this item because it is used by the following:\n", 0),
              0u);
    EXPECT_NE(user.lastMessage().text.find("\nThe device D in serial port COM1"), std::string::npos);
    // The same parameter object, still used by the device and by the
    // template written back.
    EXPECT_EQ(meter()->parameters().find("Fast"), fast);
    gstr after("");
    fast->describeUsers(after);
    EXPECT_EQ(after.view(), "\nThe device D in serial port COM1\nThe command template Read in device driver Renamed");
}

} // namespace
