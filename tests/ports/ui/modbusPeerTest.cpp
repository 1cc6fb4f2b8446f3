#include "portsUiFixture.h"

#include "g2driver/editor/CParameterValuesPanel.h"
#include "ports/g2serialTransaction.h"
#include "ports/gnamedValue.h"
#include "ports/modbusSlave.h"
#include "ports/portTestSupport.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/CTestPortDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>
#include <vector>

namespace {

using testDialog = CTestPortDialog;

// Test Port against a real Modbus RTU slave (pymodbus on a socat
// pseudo-terminal pair, started once for all these tests), with the driver
// of modbusRtu.stn as a station engineer writes it: read holding registers
// with a start and a count, write a single register, CRC 16 (65535, 0) over
// every frame. Slave 1 answers; nothing answers slave 2. The commands wait
// five seconds for a reply, which a loaded machine still gives in time.
class modbusPeer : public portsUi {
protected:
    static void SetUpTestSuite()
    {
        skipReason() = modbusSlave::missingTools();
        if (!skipReason().empty())
            return;
        folder() = std::make_unique<tempFolder>();
        slave() = std::make_unique<modbusSlave>(folder()->dir().string());
        started() = slave()->start();
    }
    static void TearDownTestSuite()
    {
        slave().reset();
        folder().reset();
    }

    void SetUp() override
    {
        portsUi::SetUp();
        if (!skipReason().empty())
            GTEST_SKIP() << skipReason();
        ASSERT_TRUE(started()) << "the Modbus slave did not start:\n" << slave()->log();
        loadStation(fileBytes(portFixture("modbusRtu.stn")));
        gserialPort* field = station::serialPorts().find("Field");
        ASSERT_NE(field, nullptr);
        owner = std::make_unique<CEditSerialPortDialog>(field, field);
        owner->ensureInitialized();
        line.setDevicePath(gstrSlice(slave()->path().c_str()));
        line.setSettings(9600, 8, gserialPort::parityNone, 1);
        line.setMinimumDelay(gmilliseconds(0));
        dialog = std::make_unique<testDialog>(owner.get(), &line);
        dialog->ensureInitialized();
        dialog->setChecked(testDialog::showHexId, true);
        dialog->OnShowAsClicked();
    }

    // Sends the command of the device with its parameters' values in the
    // order of their rows; the status shown.
    std::string send(const char* device, const char* command, const std::vector<const char*>& values)
    {
        chooseText(dialog->controlAs<QComboBox>(testDialog::deviceId), device);
        chooseText(dialog->controlAs<QComboBox>(testDialog::commandId), command);
        CParameterValuesPanel* panel = dialog->panel();
        EXPECT_EQ(panel->rowCount(), static_cast<int>(values.size()));
        for (int i = 0; i < panel->rowCount() && i < static_cast<int>(values.size()); ++i)
            panel->row(i)->controlAs<QLineEdit>(1496)->setText(QString::fromLatin1(values[static_cast<size_t>(i)]));
        dialog->sendCommand(testDialog::sendId);
        return text(dialog->controlText(testDialog::statusId));
    }
    std::string shown(int id) const { return dialog->controlAs<QLineEdit>(id)->text().toStdString(); }
    // A value the response elements decoded; -1 when none has the name.
    long long value(const char* name) const
    {
        const g2serialTransaction* t = dialog->keptTransaction();
        if (!t || !t->currentMatcher())
            return -1;
        auto* v = static_cast<gnamedValue*>(t->currentMatcher()->values().find(name));
        return v ? static_cast<long long>(v->getNumber()) : -1;
    }

    static std::string& skipReason()
    {
        static std::string reason;
        return reason;
    }
    static std::unique_ptr<tempFolder>& folder()
    {
        static std::unique_ptr<tempFolder> f;
        return f;
    }
    static std::unique_ptr<modbusSlave>& slave()
    {
        static std::unique_ptr<modbusSlave> s;
        return s;
    }
    static bool& started()
    {
        static bool s = false;
        return s;
    }

    gserialPort line;
    std::unique_ptr<CEditSerialPortDialog> owner;
    std::unique_ptr<testDialog> dialog;
};

// Three registers, then five: the count decides how many values the reply
// holds, the elements past the third skip the rest, and the CRC covers all.
TEST_F(modbusPeer, ReadsHoldingRegisters)
{
    EXPECT_EQ(send("Flow meter", "ReadHolding", {"0", "3"}), "A valid response was received.");
    EXPECT_EQ(shown(testDialog::commandDataId), "01 03 00 00 00 03 05 CB");
    EXPECT_EQ(shown(testDialog::responseDataId), "01 03 06 12 34 00 64 FF FF D3 AC");
    EXPECT_EQ(value("bytes"), 6);
    EXPECT_EQ(value("first"), 4660);
    EXPECT_EQ(value("second"), 100);
    EXPECT_EQ(value("third"), 65535);

    EXPECT_EQ(send("Flow meter", "ReadHolding", {"1", "5"}), "A valid response was received.");
    EXPECT_EQ(shown(testDialog::commandDataId), "01 03 00 01 00 05 D4 09");
    EXPECT_EQ(shown(testDialog::responseDataId), "01 03 0A 00 64 FF FF 00 07 00 00 00 01 8A 7F");
    EXPECT_EQ(value("bytes"), 10);
    EXPECT_EQ(value("first"), 100);
    EXPECT_EQ(value("third"), 7);
}

// The slave echoes a write of a single register and holds the value; a read
// through the driver gives it back.
TEST_F(modbusPeer, WrittenRegisterIsHeldByTheSlave)
{
    EXPECT_EQ(send("Flow meter", "WriteSingle", {"4", "4660"}), "A valid response was received.");
    EXPECT_EQ(shown(testDialog::commandDataId), "01 06 00 04 12 34 C5 7C");
    EXPECT_EQ(shown(testDialog::responseDataId), "01 06 00 04 12 34 C5 7C");
    EXPECT_EQ(slave()->holdingRegister(4), 4660);

    EXPECT_EQ(send("Flow meter", "ReadHolding", {"4", "1"}), "A valid response was received.");
    EXPECT_EQ(shown(testDialog::responseDataId), "01 03 02 12 34 B5 33");
    EXPECT_EQ(value("first"), 4660);
    EXPECT_EQ(value("second"), -1);
}

// Registers past the slave's last: exception 2, illegal data address.
TEST_F(modbusPeer, ExceptionReplyIsAnErrorResponse)
{
    EXPECT_EQ(send("Flow meter", "ReadHolding", {"9", "2"}), "An error response was received. (exception = 2)");
    EXPECT_EQ(shown(testDialog::commandDataId), "01 03 00 09 00 02 14 09");
    EXPECT_EQ(shown(testDialog::responseDataId), "01 83 02 C0 F1");
}

TEST_F(modbusPeer, SlaveThatDoesNotAnswerTimesOut)
{
    EXPECT_EQ(send("Absent slave", "ReadHolding", {"0", "1"}), "The command timed out.");
    EXPECT_EQ(shown(testDialog::commandDataId), "02 03 00 00 00 01 84 39");
    EXPECT_EQ(shown(testDialog::responseDataId), "");
}

} // namespace
