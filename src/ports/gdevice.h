#pragma once

#include "g2driver/model/g2driverParameterValue.h"
#include "ports/gcommandSequence.h"
#include "store/gprocessorCall.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class g2driver;
class glegacyDevice;
class gserialPort;

// A device on a serial port driven by a G2 driver (block G2DEVICE in its
// port): the driver with the values of its parameters, the programs run when
// the device is enabled, disabled or sends a message, a custom retry count
// and its three initialization sequences. It lives in its port's table; a
// reference by tag may make it a placeholder before its block is read.
class gdevice : public jhashDatabaseObject, public greferenceNode, public gstorable, public greferrer {
public:
    gdevice();
    gdevice(const gdevice&) = delete;
    gdevice& operator=(const gdevice&) = delete;
    ~gdevice() override;

    const gstr& getTitle() const noexcept { return title_; }
    void setTitle(const gstrSlice& title) { title_.assign(title.isNull() ? gstrSlice::empty : title); }
    // The title when not empty; else the tag with fallback, or empty text.
    const gstr& getDisplayName(bool fallback) const;

    gserialPort* getPort() const noexcept { return port_; }
    // The port of the device and of its three sequences, whose devices are
    // looked up again in it.
    void setPort(gserialPort* port);

    g2driver* getDriver() const noexcept { return driver_; }
    int32_t isDriverGiven() const noexcept { return driverGiven_; }
    // The driver, given, with the uses list pointed at it.
    void setDriver(g2driver* driver);
    // Binds a device that has no driver yet to one, as a sequence entry read
    // before the device's DRIVER line does; the DRIVER line must follow.
    void bindDriver(g2driver* driver) noexcept { driver_ = driver; }

    const g2driverParameterValueTable& parameterValues() const noexcept { return values_; }
    // Takes over the table's entries (it is left empty) and links the
    // driver's parameters they name.
    void setParameterValues(g2driverParameterValueTable& table);

    const gprocessorCall& getEnableControl() const noexcept { return enable_; }
    const gprocessorCall& getDisableControl() const noexcept { return disable_; }
    const gprocessorCall& getMessageControl() const noexcept { return message_; }
    void setEnableControl(const gprocessorCall& call);
    void setDisableControl(const gprocessorCall& call);
    void setMessageControl(const gprocessorCall& call);
    void clearMessageControl();

    // 0: not given (the driver's count applies).
    int32_t getRetries() const noexcept { return retries_; }
    void setRetries(int32_t count) noexcept { retries_ = count; }
    // 1: the driver's initialization sequences are not used ("NO").
    int32_t getDefaultInit() const noexcept { return defaultInit_; }
    void setDefaultInit(int32_t value) noexcept { defaultInit_ = value; }

    gcommandSequence& firstTimeSequence() noexcept { return firstTime_; }
    gcommandSequence& reinitSequence() noexcept { return reinit_; }
    gcommandSequence& commonSequence() noexcept { return common_; }

    // The own first-time or common sequence has entries, or the driver's
    // has and the driver's sequences are used.
    bool hasInitialization() const;
    // Back to an undefined placeholder; retries and default init stay.
    void clear();
    // A copy of source for another port's tables (the port is not copied);
    // keepUsers makes the used-by list an alias of the source's.
    void copy(gdevice& source, jhashTypedDatabaseTable<gdevice>& devices,
              jhashTypedDatabaseTable<glegacyDevice>& legacyDevices, bool keepUsers);
    // As copy, but the values and sequence entries are taken over from
    // source, which is left without them.
    void assign(gdevice& source);

    // "The device %s in serial port %s".
    void describeReferrer(gstr& text) const override;

    // G2DEVICE and the tag.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    // The driver was given and the values fit its parameters.
    bool isComplete() const override { return driverGiven_ == 1; }

private:
    gloadStatus loadDriver(const gstr& value);
    gloadStatus loadControl(gprocessorCall& call, const gstr& value);
    gloadStatus loadSequence(const gstr& value);
    void linkParameters();
    void copyControls(const gdevice& source);
    void copyCommon(const gdevice& source);

    gstr title_;
    gserialPort* port_ = nullptr;
    g2driver* driver_ = nullptr;
    int32_t driverGiven_ = 0;
    gusesList driverUses_{this};
    g2driverParameterValueTable values_{5};
    gusesList parameterUses_{this};
    gprocessorCall enable_;
    gusesList enableUses_{this};
    gprocessorCall disable_;
    gusesList disableUses_{this};
    gprocessorCall message_;
    gusesList messageUses_{this};
    int32_t retries_ = 0;
    gcommandSequence firstTime_;
    gcommandSequence reinit_;
    gcommandSequence common_;
    int32_t defaultInit_ = -1;
};

// Points the uses list at the call's program, or empties it without one.
void linkProgramCall(gusesList& uses, const gprocessorCall& call);
