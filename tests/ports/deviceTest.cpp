#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "portTestSupport.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "scl/gsclProgram.h"
#include "store/gstation.h"

#include <string>

namespace {

class deviceTest : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        port = station::serialPorts().define("COM1");
        port->setTitle("North");
        pump = station::g2Drivers().define("Pump");
        ASSERT_EQ(feedLines(*pump, "PARAMETER Address, DIGITAL\nCOMMAND Start\nCR_TEMPLATE Set\nEND\n"
                                   "INIT_SEQUENCE FIRST TIME\nCOMMAND Start\nEND\nEND"),
                  gload::accepted);
        meter = station::legacyDrivers().define("Meter");
        ASSERT_EQ(feedLines(*meter, "COMMAND Read, R\nREPLY Ack, A"), gload::accepted);
    }
    // A G2 device of the port read from its lines; the status of its END.
    gloadStatus g2Status(const std::string& lines, gdevice*& device)
    {
        device = port->getDevice("D");
        return feedLines(*device, lines + "\nEND");
    }
    gloadStatus legacyStatus(const std::string& lines, glegacyDevice*& device)
    {
        device = port->getLegacyDevice("Meter");
        return feedLines(*device, lines + "\nEND");
    }

    gserialPort* port = nullptr;
    g2driver* pump = nullptr;
    glegacyDriver* meter = nullptr;
};

TEST_F(deviceTest, G2DeviceFields)
{
    struct row {
        const char* lines;
        gloadStatus status;
    };
    const row rows[] = {
        {"DRIVER Pump", gload::finished},
        {"TITLE x", gload::incomplete},
        {"DRIVER Pump\nTITLE \"\"", gload::finished},
        {"DRIVER Pump\nTITLE a\nTITLE b", gload::alreadyLoaded},
        {"DRIVER Pump\nDRIVER Pump", gload::alreadyLoaded},
        {"DRIVER Pump\nRETRIES 0", gload::invalidValue},
        {"DRIVER Pump\nRETRIES 2\nRETRIES 3", gload::alreadyLoaded},
        {"DRIVER Pump\nPARAMETER Address, DIGITAL, 4", gload::finished},
        {"DRIVER Pump\nPARAMETER Address, ANALOG, 4", gload::incomplete},
        {"DRIVER Pump\nPARAMETER Address, DIGITAL, 4\nPARAMETER Address, DIGITAL, 5", gload::alreadyLoaded},
        {"DRIVER Pump\nPARAMETER Address DIGITAL 4", gload::invalidValue},
        {"DRIVER Pump\nPARAMETER Address, DIGITAL, x", gload::invalidValue},
        {"DRIVER Pump\nDEFAULT_INIT MAYBE", gload::invalidValue},
        {"DRIVER Pump\nENABLE_CONTROL now", gload::invalidValue},
        {"DRIVER Pump\nINIT_SEQUENCE SOMETIMES", gload::invalidValue},
        {"DRIVER Pump\nINIT_SEQUENCE FIRST TIME\nCOMMAND D, Pump, Start\nEND\nEND\nINIT_SEQUENCE FIRST TIME",
         gload::alreadyLoaded},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        emptyAll();
        SetUp();
        gdevice* device = nullptr;
        EXPECT_EQ(g2Status(r.lines, device), r.status);
    }
}

TEST_F(deviceTest, DriverBoundByAnEarlierEntryMustAgree)
{
    g2driver* other = station::g2Drivers().define("Other");
    gdevice* device = port->getDevice("D");
    device->bindDriver(other);
    EXPECT_EQ(feedLines(*device, "DRIVER Pump"), gload::invalidValue);
    EXPECT_EQ(feedLines(*device, "DRIVER Other\nEND"), gload::finished);
    EXPECT_EQ(device->getDriver(), other);
}

TEST_F(deviceTest, G2DeviceWritesWhatItRead)
{
    station::programs().define("OnEnable");
    gdevice* device = nullptr;
    const std::string lines = "TITLE \"Pump, one\"\nDRIVER Pump\nPARAMETER Address, DIGITAL, 7\nRETRIES 4\n"
                              "ENABLE_CONTROL\nPROGRAM OnEnable\nEND\n"
                              "INIT_SEQUENCE REINIT\nCOMMAND D, Pump, Start\nEND\nEND\nDEFAULT_INIT YES";
    ASSERT_EQ(g2Status(lines, device), gload::finished);
    EXPECT_EQ(writtenBlock(*device), "G2DEVICE\tD\n\tTITLE\t\t\"Pump, one\"\n\tDRIVER\t\tPump\n"
                                     "\tPARAMETER\tAddress, DIGITAL, 7\n\tRETRIES\t\t4\n"
                                     "\tENABLE_CONTROL\n\t\tPROGRAM\t\tOnEnable\n\tEND\n"
                                     "\tINIT_SEQUENCE\tREINIT\n\t\tCOMMAND\t\tD, Pump, Start\n\t\tEND\n\tEND\nEND\n");
    gstr users("");
    pump->parameters().find("Address")->usedBy().describeUsers(users);
    EXPECT_EQ(users.view(), "\nThe device Pump, one in serial port North");
}

TEST_F(deviceTest, DefaultInitDecidesWhetherTheDriverInitializes)
{
    gdevice* device = nullptr;
    ASSERT_EQ(g2Status("DRIVER Pump", device), gload::finished);
    EXPECT_EQ(device->getDefaultInit(), 0);
    EXPECT_TRUE(device->hasInitialization());
    device->setDefaultInit(1);
    EXPECT_FALSE(device->hasInitialization());
    EXPECT_NE(writtenBlock(*device).find("\tDEFAULT_INIT\tNO\n"), std::string::npos);
}

TEST_F(deviceTest, LegacyDeviceFields)
{
    struct row {
        const char* lines;
        gloadStatus status;
        const char* written;
    };
    const row rows[] = {
        {"", gload::finished, "DEVICE\t\tMeter\nEND\n"},
        {"TITLE \"\"", gload::invalidValue, nullptr},
        {"TOLERANCE 0", gload::finished, "DEVICE\t\tMeter\nEND\n"},
        {"TOLERANCE 2", gload::finished, "DEVICE\t\tMeter\n\tTOLERANCE\t2\nEND\n"},
        {"TOLERANCE -1", gload::invalidValue, nullptr},
        {"INIT_ON_TIMEOUT YES", gload::finished, "DEVICE\t\tMeter\nEND\n"},
        {"INIT_ON_TIMEOUT NO", gload::finished, "DEVICE\t\tMeter\n\tINIT_ON_TIMEOUT\tNO\nEND\n"},
        {"INIT_SEQUENCE x", gload::invalidValue, nullptr},
        {"INIT_SEQUENCE\nEND", gload::incomplete, nullptr},
        {"INIT_SEQUENCE\nPOLL Meter, Read\nEND\nINIT_SEQUENCE", gload::alreadyLoaded, nullptr},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        emptyAll();
        SetUp();
        glegacyDevice* device = nullptr;
        EXPECT_EQ(legacyStatus(r.lines, device), r.status);
        if (r.written) {
            EXPECT_EQ(writtenBlock(*device), r.written);
        }
    }
}

TEST_F(deviceTest, DeviceReferencesTreatBothKindsAlike)
{
    gdevice* g2 = nullptr;
    ASSERT_EQ(g2Status("DRIVER Pump\nINIT_SEQUENCE COMMON\nCOMMAND D, Pump, Start\nEND\nEND", g2), gload::finished);
    glegacyDevice* legacy = nullptr;
    ASSERT_EQ(legacyStatus("INIT_SEQUENCE\nPOLL Meter, Read\nEND", legacy), gload::finished);
    gdeviceRef g2Ref(g2);
    gdeviceRef legacyRef(legacy);

    EXPECT_EQ(g2Ref.getDisplayName().view(), "D");
    EXPECT_EQ(legacyRef.getDisplayName().view(), "Meter");
    meter->setTitle("Meter unit");
    EXPECT_EQ(legacyRef.getDisplayName().view(), "Meter unit");
    EXPECT_EQ(g2Ref.getDriver(), pump);
    EXPECT_EQ(legacyRef.getLegacyDriver(), meter);
    EXPECT_EQ(&g2Ref.getCommonSequence(), &g2->commonSequence());
    EXPECT_EQ(&g2Ref.getDriverReinitSequence(), &pump->reinitSequence());
    EXPECT_EQ(&legacyRef.getReinitSequence(), &gdeviceRef::emptySequence());
    EXPECT_EQ(&legacyRef.getDriverCommonSequence(), &gdeviceRef::emptySequence());

    // A legacy device without INIT_ON_TIMEOUT initializes again after a
    // timeout; with NO it does not.
    EXPECT_EQ(&legacyRef.getCommonSequence(), &legacy->initSequence());
    EXPECT_TRUE(legacyRef.hasReinitialization());
    legacy->setInitOnTimeout(0);
    EXPECT_EQ(&legacyRef.getCommonSequence(), &gdeviceRef::emptySequence());
    EXPECT_FALSE(legacyRef.hasReinitialization());
    EXPECT_TRUE(legacyRef.hasInitialization());
}

TEST_F(deviceTest, UsedByDescriptions)
{
    gdevice* g2 = port->getDevice("D");
    glegacyDevice* legacy = port->getLegacyDevice("Meter");
    gstr text("");
    g2->describeReferrer(text);
    text.append('|');
    legacy->describeReferrer(text);
    text.append('|');
    g2->setTitle("Pump one");
    legacy->setTitle("Meter 12");
    g2->describeReferrer(text);
    text.append('|');
    legacy->describeReferrer(text);
    EXPECT_EQ(text.view(), "The device D in serial port North|The serial port North|"
                           "The device Pump one in serial port North|The device Meter 12 in serial port North");
}

TEST_F(deviceTest, CopyAndAssign)
{
    gdevice* source = nullptr;
    ASSERT_EQ(g2Status("TITLE T\nDRIVER Pump\nPARAMETER Address, DIGITAL, 4\nRETRIES 2\n"
                       "INIT_SEQUENCE FIRST TIME\nCOMMAND D, Pump, Start\nEND\nEND",
                       source),
              gload::finished);
    port->getDevice("User");
    gserialPort other;
    gdevice copy;
    copy.setName("D");
    copy.copy(*source, other.devices(), other.legacyDevices(), true);
    EXPECT_EQ(copy.getTitle().view(), "T");
    EXPECT_EQ(copy.getDriver(), pump);
    EXPECT_EQ(copy.getRetries(), 2);
    ASSERT_NE(copy.parameterValues().find("Address"), nullptr);
    EXPECT_EQ(copy.parameterValues().find("Address")->getNumber(), 4u);
    ASSERT_EQ(copy.firstTimeSequence().count(), 1);
    // The copy's sequence addresses the device of the same tag in the
    // other tables.
    EXPECT_EQ(copy.firstTimeSequence().first()->getDevice(), other.devices().find("D"));
    EXPECT_TRUE(copy.isAlias());

    gdevice target;
    target.setName("D");
    target.assign(copy);
    EXPECT_EQ(target.parameterValues().count(), 1);
    EXPECT_EQ(copy.parameterValues().count(), 0);
    EXPECT_EQ(target.firstTimeSequence().count(), 1);
    EXPECT_TRUE(copy.firstTimeSequence().isEmpty());

    source->clear();
    EXPECT_FALSE(source->isDefined());
    EXPECT_EQ(source->getDriver(), nullptr);
    EXPECT_EQ(source->getRetries(), 2);
    EXPECT_TRUE(source->firstTimeSequence().isEmpty());
}

TEST_F(deviceTest, MessageControlsAreLinkedAndCleared)
{
    gsclProgram* program = station::programs().define("OnMessage");
    gprocessorCall call;
    call.setProgram(program);
    glegacyDevice* legacy = port->getLegacyDevice("Meter");
    legacy->setMessageControl(call);
    EXPECT_FALSE(program->isUnused());
    gdeviceRef ref(legacy);
    EXPECT_TRUE(ref.getMessageControl().isSet());
    ref.clearMessageControl();
    EXPECT_FALSE(ref.getMessageControl().isSet());
    EXPECT_TRUE(program->isUnused());
}

} // namespace
