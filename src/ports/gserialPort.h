#pragma once

#include "foundation/gmilliseconds.h"
#include "ports/gcomPort.h"
#include "ports/gcommandSequence.h"
#include "ports/gdevice.h"
#include "ports/glegacyDevice.h"
#include "store/gprocessorCall.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>
#include <functional>
#include <memory>

class g2driverCommand;
class g2serialTransaction;
class gdeviceRef;
class glegacyCommand;
class glegacyResponse;
class gserialPortPollReader;
class jbuffer;

// A serial line of the station (object type PORT): which COM device it is,
// its line settings and timing, whether it is polled or waits for data, the
// program run for a message received on it, the devices on it in their
// order and the polling sequence. While a port test runs it also holds the
// open device and the deadline of the current read.
class gserialPort : public gtitledObject, public greferrer {
public:
    // Parity, flow control and line termination values.
    static constexpr int32_t parityNone = 0, parityEven = 1, parityOdd = 2;
    static constexpr int32_t flowNone = 0, flowRtsCts = 1, flowXonXoff = 2, flowDtrDsr = 3;
    static constexpr int32_t termNone = 0, termCr = 1, termLf = 2, termCrLf = 3;

    gserialPort();
    gserialPort(const gserialPort&) = delete;
    gserialPort& operator=(const gserialPort&) = delete;
    ~gserialPort() override;

    const gobjectType* getObjectType() const override;
    // "The serial port %s" with the title, else the tag.
    void describeReferrer(gstr& text) const override;
    // A line per device referred to but never defined.
    void listUndefinedReferences(gstr& text) const override;

    const gstr& getDevicePath() const noexcept { return devicePath_; }
    void setDevicePath(const gstrSlice& path) { devicePath_.assign(path); }
    // 0: SETTINGS not given.
    uint32_t getBaudRate() const noexcept { return baudRate_; }
    int32_t getDataBits() const noexcept { return dataBits_; }
    int32_t getParity() const noexcept { return parity_; }
    int32_t getStopBits() const noexcept { return stopBits_; }
    void setSettings(uint32_t baudRate, int32_t dataBits, int32_t parity, int32_t stopBits) noexcept;
    int32_t getFlowControl() const noexcept { return flowControl_; }
    void setFlowControl(int32_t value) noexcept { flowControl_ = value; }
    int32_t getLineTermination() const noexcept { return lineTermination_; }
    void setLineTermination(int32_t value) noexcept { lineTermination_ = value; }
    gmilliseconds getMinimumDelay() const noexcept { return minimumDelay_; }
    void setMinimumDelay(gmilliseconds delay) noexcept { minimumDelay_ = delay; }
    // -1 unset, 0 no, 1 yes.
    int32_t getWaitForData() const noexcept { return waitForData_; }
    void setWaitForData(int32_t value) noexcept { waitForData_ = value; }
    // The baud rates a SETTINGS line may give.
    static bool isBaudRate(uint32_t rate) noexcept;

    const gprocessorCall& getMessageControl() const noexcept { return messageControl_; }
    // Copies the call and points the uses list at its program.
    void setMessageControl(const gprocessorCall& call);
    void clearMessageControl();
    // The objects that refer to the port (register sources); a port in use
    // is not deleted.
    gusedByList& usedBy() noexcept { return usedBy_; }
    gserialPort* getLinkedPort() const noexcept { return linkedPort_; }
    void setLinkedPort(gserialPort* port) noexcept { linkedPort_ = port; }

    jhashTypedDatabaseTable<gdevice>& devices() noexcept { return devices_; }
    jhashTypedDatabaseTable<glegacyDevice>& legacyDevices() noexcept { return legacyDevices_; }
    gdeviceRef* firstDevice() const noexcept { return firstRef_; }
    gcommandSequence& pollingSequence() noexcept { return polling_; }
    const gcommandSequence& pollingSequence() const noexcept { return polling_; }

    // The device of the tag, a placeholder when absent, on this port.
    gdevice* getDevice(const gstrSlice& tag);
    glegacyDevice* getLegacyDevice(const gstrSlice& tag);
    // The legacy device's driver's response of the tag (a placeholder when
    // absent).
    glegacyResponse* getLegacyResponse(const gstrSlice& deviceTag, const gstrSlice& responseTag);
    // Defines a device of the same tag with the contents of the given one
    // (which is left without its values and sequences) at the end of the list.
    gdevice* addDeviceCopy(gdevice& device);
    glegacyDevice* addLegacyDeviceCopy(glegacyDevice& device);
    // Empties the device list and clears every device; they stay in the
    // tables as placeholders.
    void clearDevices();
    // Deletes every device that is not defined, legacy devices first.
    void purgeUndefinedDevices();

    // Port tests. Opens the named device, or the port's own, with the port's
    // settings.
    bool openForTest(const char* deviceName = nullptr);
    void closeForTest() noexcept { comPort_.close(); }
    bool isOpenForTest() const noexcept { return comPort_.isOpen(); }
    gcomPort& comPort() noexcept { return comPort_; }
    void writeForTest(const gstrSlice& bytes);
    // Every command starts on an empty input queue, so that only bytes that
    // come after it can be taken for its reply.
    void discardInputForTest() noexcept { comPort_.discardInput(); }
    // A command of one piece: the input queue emptied, then its bytes.
    void writeCommandForTest(const gstrSlice& bytes);
    // The deadline becomes now plus the milliseconds.
    void setDeadline(uint32_t milliseconds);
    gmilliseconds getDeadline() const noexcept { return deadline_; }
    // Reads the transaction's response until it is recognised, the deadline
    // passes or no byte comes; the exchange result.
    int receiveTransaction(g2serialTransaction& transaction);
    // Reads a legacy response into the (new) buffer; valid, error or timedOut.
    int receiveLegacy(jbuffer& buffer, const glegacyResponse& response);
    // The wait after a command that is not answered, or after a valid
    // response in a sequence run.
    void waitAfterCommand(const g2driverCommand& command);
    void waitAfterLegacyCommand(const glegacyCommand& command);
    // A delay of a port test; a delay that is not set does not wait.
    void waitForTest(gmilliseconds delay);
    // While a port test waits for a byte or a delay it calls the hook every
    // few milliseconds, so that the window can repaint and take a Stop; an
    // answer of false ends that wait and every later one at once, as if
    // their time had run out. An empty hook waits without interruption.
    void setWaitHook(std::function<bool()> keepWaiting) { keepWaiting_ = std::move(keepWaiting); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

private:
    friend class gserialPortPollReader;

    void appendRef(gdeviceRef* ref);
    void deleteRefs() noexcept;
    gloadStatus loadSettings(const gstr& value);
    gloadStatus loadKeywordField(int32_t& field, const gstr& value, const int* tokens, int count);
    gloadStatus loadDevice(const gstr& value);
    gloadStatus loadLegacyDevice(const gstr& value);
    gloadStatus loadOldDriver(const gstr& value);
    gloadStatus loadOldSequence();
    void writeSettings(CObjectFile& file, int indent) const;
    // One byte of a port test within the milliseconds, through the hook.
    bool readForTest(char& byte, uint32_t milliseconds);

    gusedByList usedBy_;
    gcomPort comPort_;
    gstr devicePath_;
    uint32_t baudRate_ = 0;
    int32_t dataBits_ = 0;
    int32_t parity_ = 0;
    int32_t stopBits_ = 0;
    int32_t flowControl_ = 0;
    int32_t lineTermination_ = 0;
    gmilliseconds minimumDelay_;
    int32_t waitForData_ = -1;
    gprocessorCall messageControl_;
    gusesList messageControlUses_{this};
    jhashTypedDatabaseTable<glegacyDevice> legacyDevices_{10};
    jhashTypedDatabaseTable<gdevice> devices_{10};
    gdeviceRef* firstRef_ = nullptr;
    gdeviceRef* lastRef_ = nullptr;
    gcommandSequence polling_;
    gmilliseconds deadline_;
    std::function<bool()> keepWaiting_;
    // Kept and written back; nothing here gives it a meaning.
    gserialPort* linkedPort_ = nullptr;
    std::unique_ptr<gserialPortPollReader> pollReader_;
};
