#pragma once

#include "registers/sources/gregisterSource.h"
#include "store/gusedByList.h"

class gdevice;
class glegacyDevice;
class glegacyDriver;
class gserialPort;

// The timeout source (type code 19, "SOURCE TIMEOUT", bistate registers
// only): communication timeouts of one device on a serial port (a device
// with a G2 driver or one with a legacy driver), or of every device of the
// port. The port and the chosen device name the source's register among
// their users.
//
// One line: "G2DEVICE <port>, <device>", "DEVICE <port>, <device>" or, for
// the whole port, "PORT <port>". The older form "DRIVER <device>" with
// "PORT <port>", in either order, reads as DEVICE and is never written.
// Complete with a port.
class gsourceTimeout final : public gbistateRegisterSource {
public:
    using gbistateRegisterSource::gbistateRegisterSource;

    gserialPort* getPort() const noexcept { return port_; }
    gdevice* getDevice() const noexcept { return device_; }
    glegacyDevice* getLegacyDevice() const noexcept { return legacyDevice_; }
    // At most one device; neither: the whole port.
    void set(gserialPort* port, gdevice* device, glegacyDevice* legacyDevice);

    int getSourceType() const override { return 19; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return port_ != nullptr; }
    // Follows the batch's port change and device renaming; what it cannot
    // find it keeps, with a line in the log.
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>* newRegisters) override;

private:
    struct deviceChoice {
        gdevice* device = nullptr;
        glegacyDevice* legacyDevice = nullptr;
        explicit operator bool() const noexcept { return device || legacyDevice; }
    };

    gloadStatus loadDevice(const gstr& value, bool g2);
    gloadStatus loadPort(const gstr& value);
    gloadStatus loadDriver(const gstr& value);
    const gstr* deviceTag() const;
    // The device of the tag on the port, of the source's kind first.
    deviceChoice findDevice(gserialPort& port, const gstrSlice& tag) const;
    void relink();

    gserialPort* port_ = nullptr;
    gdevice* device_ = nullptr;
    glegacyDevice* legacyDevice_ = nullptr;
    // A device named by DRIVER before the PORT line; its driver holds the
    // name.
    glegacyDriver* pendingDriver_ = nullptr;
    gusesList uses_{this};
};
