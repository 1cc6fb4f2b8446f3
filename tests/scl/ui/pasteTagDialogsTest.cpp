#include "sclUiFixture.h"

#include "platform/settingsStore.h"
#include "scl/ui/CPasteCascadeTagDialogs.h"
#include "scl/ui/CPasteListTagDialogs.h"

#include <QListWidget>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

using cascade = CPasteCascadeTagDialog;

// The station of the port tests: ports North ("North line") and South; on
// North the G2 device P1 ("Pump one", driver Pump with the commands ReadFlow
// and Start), the legacy device Meter ("Meter 12", driver Meter with the
// commands Read and Reset, the reply Ack, the response Value and the
// message Alarm) and the G2 device "P 2"; on South a Meter; the programs
// OnMessage and OnEnable.
struct pasteDialogs : sclUiTest {
    void SetUp() override
    {
        ASSERT_EQ(loadObjectFile(KORVEL_TEST_DATA_DIR "/ports/fixtures/plant.stn", false, false), 0);
    }

    static std::vector<std::string> items(const CDialog& d, int id)
    {
        std::vector<std::string> out;
        for (int i = 0; i < d.itemCount(id); ++i)
            out.emplace_back(d.itemText(id, i).view());
        return out;
    }
    static gstr remembered(const char* value) { return profileString(pasteDialogsSection, value, "<none>"); }
    static void selectText(CDialog& d, int id, const char* text)
    {
        for (int i = 0; i < d.itemCount(id); ++i) {
            if (d.itemText(id, i).view() == text)
                d.selectItem(id, i);
        }
    }
};

TEST_F(pasteDialogs, CommandTagCascadesFromPortToDeviceToCommand)
{
    {
        CPasteCommandTagDialog d;
        d.ensureInitialized();
        EXPECT_EQ(d.windowTitle(), "Paste Command Tag");
        EXPECT_EQ(items(d, cascade::portComboId), (std::vector<std::string>{"North line", "South"}));
        EXPECT_EQ(items(d, cascade::deviceComboId), (std::vector<std::string>{"Pump one", "Meter 12", "P 2"}));
        EXPECT_EQ(items(d, CPasteCommandTagDialog::commandListId), (std::vector<std::string>{"ReadFlow", "Start"}));
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        EXPECT_TRUE(d.isChecked(cascade::pasteDeviceId));
        EXPECT_TRUE(d.isChecked(cascade::pastePortId));
        EXPECT_TRUE(d.isControlEnabled(cascade::pastePortId));

        d.selectItem(cascade::deviceComboId, 1);
        EXPECT_EQ(items(d, CPasteCommandTagDialog::commandListId), (std::vector<std::string>{"Read", "Reset"}));
        selectText(d, CPasteCommandTagDialog::commandListId, "Reset");
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.sendCommand(IDOK);
        ASSERT_TRUE(d.hasEnded());
        EXPECT_EQ(d.result().view(), "\"North\", \"Meter\", \"Reset\"");
    }
    EXPECT_EQ(remembered("Port").view(), "North");
    EXPECT_EQ(remembered("Device").view(), "Meter");
    EXPECT_EQ(remembered("Command").view(), "Reset");

    // Another port keeps the device and the command when it has them.
    CPasteCommandTagDialog again;
    again.ensureInitialized();
    EXPECT_EQ(again.selectedItem(cascade::deviceComboId), 1);
    again.selectItem(cascade::portComboId, 1);
    EXPECT_EQ(items(again, cascade::deviceComboId), std::vector<std::string>{"Meter, legacy"});
    EXPECT_EQ(again.itemText(CPasteCommandTagDialog::commandListId,
                             again.selectedItem(CPasteCommandTagDialog::commandListId))
                  .view(),
              "Reset");
}

TEST_F(pasteDialogs, TheTagsInFrontFollowTheTwoBoxes)
{
    {
        CPasteCommandTagDialog d;
        d.ensureInitialized();
        selectText(d, CPasteCommandTagDialog::commandListId, "Start");
        click(d, cascade::pastePortId);
        d.sendCommand(IDOK);
        EXPECT_EQ(d.result().view(), "\"P1\", \"Start\"");
    }
    EXPECT_EQ(profileInt(pasteDialogsSection, "PasteCommandPort", -1), 0);
    {
        CPasteCommandTagDialog d;
        d.ensureInitialized();
        EXPECT_TRUE(d.isChecked(cascade::pasteDeviceId));
        EXPECT_FALSE(d.isChecked(cascade::pastePortId));
        EXPECT_EQ(d.itemText(CPasteCommandTagDialog::commandListId, d.selectedItem(CPasteCommandTagDialog::commandListId))
                      .view(),
                  "Start");
        click(d, cascade::pastePortId);
        click(d, cascade::pasteDeviceId);
        EXPECT_FALSE(d.isChecked(cascade::pastePortId));
        EXPECT_FALSE(d.isControlEnabled(cascade::pastePortId));
        d.sendCommand(IDOK);
        EXPECT_EQ(d.result().view(), "\"Start\"");
    }
    EXPECT_EQ(profileInt(pasteDialogsSection, "PasteCommandDevice", -1), 0);
    EXPECT_EQ(profileInt(pasteDialogsSection, "PasteCommandPort", -1), 0);
}

TEST_F(pasteDialogs, CancelRemembersAndTagsCompareWithCase)
{
    writeProfileString(pasteDialogsSection, "Port", "south");
    {
        CPasteLegacyResponseTagDialog d;
        d.ensureInitialized();
        EXPECT_EQ(d.windowTitle(), "Paste Legacy Device Response Tag");
        EXPECT_EQ(d.selectedItem(cascade::portComboId), 0);
        EXPECT_EQ(items(d, cascade::deviceComboId), std::vector<std::string>{"Meter 12"});
        EXPECT_EQ(items(d, CPasteLegacyResponseTagDialog::responseListId), std::vector<std::string>{"Value"});
        // The first Response picker leaves the device tag out.
        EXPECT_FALSE(d.isChecked(cascade::pasteDeviceId));
        EXPECT_FALSE(d.isControlEnabled(cascade::pastePortId));
        d.selectItem(cascade::portComboId, 1);
        d.selectItem(CPasteLegacyResponseTagDialog::responseListId, 0);
        d.sendCommand(IDCANCEL);
    }
    EXPECT_EQ(remembered("Port").view(), "South");
    EXPECT_EQ(remembered("Response").view(), "Value");
    EXPECT_EQ(profileInt(pasteDialogsSection, "PasteResponseDevice", -1), 0);

    CPasteLegacyResponseTagDialog messages(true);
    messages.ensureInitialized();
    EXPECT_EQ(messages.windowTitle(), "Paste Legacy Device Message Tag");
    EXPECT_EQ(messages.selectedItem(cascade::portComboId), 1);
    EXPECT_EQ(items(messages, CPasteLegacyResponseTagDialog::responseListId), std::vector<std::string>{"Alarm"});
    EXPECT_TRUE(messages.isChecked(cascade::pasteDeviceId));
}

TEST_F(pasteDialogs, RepliesComeFromLegacyDevicesOnly)
{
    CPasteCommandTagDialog d(true);
    d.ensureInitialized();
    EXPECT_EQ(d.templateId(), 696);
    EXPECT_EQ(items(d, cascade::deviceComboId), std::vector<std::string>{"Meter 12"});
    EXPECT_EQ(items(d, CPasteCommandTagDialog::commandListId), std::vector<std::string>{"Ack"});
}

TEST_F(pasteDialogs, SerialDeviceTagWithItsPort)
{
    {
        CPasteSerialDeviceTagDialog d;
        d.ensureInitialized();
        EXPECT_EQ(items(d, CPasteSerialDeviceTagDialog::deviceListId),
                  (std::vector<std::string>{"Pump one", "Meter 12", "P 2"}));
        EXPECT_TRUE(d.isControlEnabled(CPasteSerialDeviceTagDialog::pastePortId));
        EXPECT_TRUE(d.isChecked(CPasteSerialDeviceTagDialog::pastePortId));
        d.selectItem(CPasteSerialDeviceTagDialog::deviceListId, 2);
        d.sendCommand(IDOK);
        EXPECT_EQ(d.result().view(), "\"North\", \"P 2\"");
    }
    CPasteSerialDeviceTagDialog d;
    d.ensureInitialized();
    EXPECT_EQ(d.selectedItem(CPasteSerialDeviceTagDialog::deviceListId), 2);
    click(d, CPasteSerialDeviceTagDialog::pastePortId);
    d.sendCommand(IDOK);
    EXPECT_EQ(d.result().view(), "\"P 2\"");
}

TEST_F(pasteDialogs, PlainListsOfferEveryObjectOfTheirTable)
{
    {
        CPasteProgramTagDialog d;
        d.ensureInitialized();
        EXPECT_EQ(items(d, CPasteProgramTagDialog::programListId), (std::vector<std::string>{"OnEnable", "OnMessage"}));
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        d.selectItem(CPasteProgramTagDialog::programListId, 1);
        d.sendCommand(IDOK);
        EXPECT_EQ(d.result().view(), "\"OnMessage\"");
    }
    EXPECT_EQ(remembered("Program").view(), "OnMessage");
    {
        CPasteProgramTagDialog d;
        d.ensureInitialized();
        EXPECT_EQ(d.selectedItem(CPasteProgramTagDialog::programListId), 1);
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.controlAs<QListWidget>(CPasteProgramTagDialog::programListId)->clearSelection();
        d.sendCommand(IDCANCEL);
    }
    EXPECT_EQ(remembered("Program").view(), "<none>");

    CPasteSerialPortTagDialog ports;
    ports.ensureInitialized();
    EXPECT_EQ(items(ports, CPasteSerialPortTagDialog::portListId), (std::vector<std::string>{"North line", "South"}));
    CPasteLegacyParameterTagDialog parameters;
    parameters.ensureInitialized();
    EXPECT_EQ(parameters.itemCount(CPasteLegacyParameterTagDialog::parameterListId), 0);
}

} // namespace

namespace {

// The meter driver's station (data objects Flow analog, Running bistate,
// State digital; programs Crc, internal, and "Poll, fast") with a port Line
// whose G2 device M1 uses it and a port Legacy with only a legacy device.
struct driverPasteDialogs : pasteDialogs {
    void SetUp() override
    {
        std::ifstream in(KORVEL_TEST_DATA_DIR "/g2driver/model/fixtures/meter.stn", std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        text += "DRIVER Old\n\tCOMMAND\t\tRead, \"R\\r\"\nEND\n"
                "PORT Line\n\tDEVICE_PATH\tCOM1\n\tSETTINGS\t9600, 8, NONE, 1\n\tLINE_TERM\tCR\n\tG2DEVICE\tM1\n\t\tDRIVER\t\tMeter\n\tEND\nEND\n"
                "PORT Legacy\n\tDEVICE_PATH\tCOM2\n\tSETTINGS\t9600, 8, NONE, 1\n\tLINE_TERM\tCR\n\tDEVICE\t\tOld\n\tEND\nEND\n";
        std::string path = store.folder() + "/drivers.stn";
        std::ofstream(path, std::ios::binary) << text;
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0) << user.lastMessage().text;
    }
};

TEST_F(driverPasteDialogs, DataObjectsOfTheShownClasses)
{
    {
        CPasteDataObjectTagDialog d;
        d.ensureInitialized();
        EXPECT_EQ(items(d, cascade::portComboId), (std::vector<std::string>{"Legacy", "Line"}));
        EXPECT_TRUE(items(d, cascade::deviceComboId).empty());
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.selectItem(cascade::portComboId, 1);
        EXPECT_EQ(items(d, CPasteDataObjectTagDialog::objectListId),
                  (std::vector<std::string>{"Flow", "Running", "State"}));
        click(d, CPasteDataObjectTagDialog::showAnalogId);
        EXPECT_EQ(items(d, CPasteDataObjectTagDialog::objectListId), (std::vector<std::string>{"Running", "State"}));
        d.selectItem(CPasteDataObjectTagDialog::objectListId, 1);
        click(d, cascade::pastePortId);
        d.sendCommand(IDOK);
        EXPECT_EQ(d.result().view(), "\"M1\", \"State\"");
    }
    EXPECT_EQ(profileInt(pasteDialogsSection, "ShowAnalogObjects", -1), 0);
    EXPECT_EQ(profileInt(pasteDialogsSection, "ShowDigitalObjects", -1), 1);
    {
        CPasteDataObjectTagDialog d;
        d.ensureInitialized();
        EXPECT_FALSE(d.isChecked(CPasteDataObjectTagDialog::showAnalogId));
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        for (int id : {CPasteDataObjectTagDialog::showBistateId, CPasteDataObjectTagDialog::showDigitalId,
                       CPasteDataObjectTagDialog::showStringId})
            click(d, id);
        EXPECT_EQ(d.itemCount(CPasteDataObjectTagDialog::objectListId), 0);
        EXPECT_FALSE(d.isControlEnabled(IDOK));
    }
}

TEST_F(driverPasteDialogs, InternalDriverProgramsAreNotOffered)
{
    CPasteDriverProgramTagDialog d;
    d.ensureInitialized();
    d.selectItem(cascade::portComboId, 1);
    EXPECT_EQ(items(d, CPasteDriverProgramTagDialog::programListId), std::vector<std::string>{"Poll, fast"});
    d.selectItem(CPasteDriverProgramTagDialog::programListId, 0);
    d.sendCommand(IDOK);
    EXPECT_EQ(d.result().view(), "\"Line\", \"M1\", \"Poll, fast\"");
}

} // namespace
