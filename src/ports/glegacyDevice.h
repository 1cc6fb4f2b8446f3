#pragma once

#include "ports/gcommandSequence.h"
#include "store/gprocessorCall.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class gdevice;
class glegacyDriver;
class gserialPort;

// A device on a serial port driven by a legacy driver (block DEVICE in its
// port). Its tag is the tag of its legacy driver, so a port holds at most one
// device per legacy driver. It carries a title, a timeout tolerance, the
// programs run when it is enabled, disabled or sends a message, and its
// initialization sequence with the choice of sending it again after a
// timeout.
class glegacyDevice : public jhashDatabaseObject, public greferenceNode, public gstorable, public greferrer {
public:
    glegacyDevice();
    // A device of the driver: its tag, and the uses list pointed at it.
    explicit glegacyDevice(glegacyDriver& driver);
    glegacyDevice(const glegacyDevice&) = delete;
    glegacyDevice& operator=(const glegacyDevice&) = delete;
    ~glegacyDevice() override;

    const gstr& getTitle() const noexcept { return title_; }
    void setTitle(const gstrSlice& title) { title_.assign(title.isNull() ? gstrSlice::empty : title); }
    // The title when not empty, else the legacy driver's title or tag.
    const gstr& getDisplayName() const;

    gserialPort* getPort() const noexcept { return port_; }
    // The port; a device without a driver takes the station's legacy driver
    // of its tag. The sequence's entries are looked up again in the port.
    void setPort(gserialPort* port);
    glegacyDriver* getDriver() const noexcept { return driver_; }

    // -1 unset, at least 0.
    int32_t getTolerance() const noexcept { return tolerance_; }
    void setTolerance(int32_t value) noexcept { tolerance_ = value; }
    // -1 not given (reinitializes), 0 "NO", 1 "YES".
    int32_t getInitOnTimeout() const noexcept { return initOnTimeout_; }
    void setInitOnTimeout(int32_t value) noexcept { initOnTimeout_ = value; }

    const gprocessorCall& getEnableControl() const noexcept { return enable_; }
    const gprocessorCall& getDisableControl() const noexcept { return disable_; }
    const gprocessorCall& getMessageControl() const noexcept { return message_; }
    void setEnableControl(const gprocessorCall& call);
    void setDisableControl(const gprocessorCall& call);
    void setMessageControl(const gprocessorCall& call);
    void clearMessageControl();

    gcommandSequence& initSequence() noexcept { return sequence_; }
    const gcommandSequence& initSequence() const noexcept { return sequence_; }

    // Back to an undefined placeholder; tolerance and init on timeout stay.
    void clear();
    void copy(glegacyDevice& source, jhashTypedDatabaseTable<gdevice>& devices,
              jhashTypedDatabaseTable<glegacyDevice>& legacyDevices, bool keepUsers);
    void assign(glegacyDevice& source);

    // With a title "The device %s in serial port %s", else "The serial port
    // %s".
    void describeReferrer(gstr& text) const override;

    // DEVICE and the tag.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;

private:
    gloadStatus loadControl(gprocessorCall& call, const gstr& value);
    void setDriver(glegacyDriver* driver);
    void copyCommon(const glegacyDevice& source);

    gserialPort* port_ = nullptr;
    glegacyDriver* driver_ = nullptr;
    gusesList driverUses_{this};
    gstr title_;
    int32_t tolerance_ = -1;
    gprocessorCall enable_;
    gusesList enableUses_{this};
    gprocessorCall disable_;
    gusesList disableUses_{this};
    gprocessorCall message_;
    gusesList messageUses_{this};
    gcommandSequence sequence_;
    int32_t initOnTimeout_ = -1;
};
