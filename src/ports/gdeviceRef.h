#pragma once

#include "foundation/gstr.h"

class CObjectFile;
class g2driver;
class gcommandSequence;
class gdevice;
class glegacyDevice;
class glegacyDriver;
class gprocessorCall;

// One node of a port's device list: a G2 device or a legacy device, exactly
// one of the two, not owned (the port's tables own the devices). It lets the
// port, the port tests and the dialogs treat both kinds alike.
class gdeviceRef {
public:
    explicit gdeviceRef(gdevice* device) noexcept : device_(device) {}
    explicit gdeviceRef(glegacyDevice* device) noexcept : legacyDevice_(device) {}
    gdeviceRef(const gdeviceRef&) = delete;
    gdeviceRef& operator=(const gdeviceRef&) = delete;

    gdeviceRef* getNext() const noexcept { return next_; }
    void setNext(gdeviceRef* next) noexcept { next_ = next; }
    gdevice* getDevice() const noexcept { return device_; }
    glegacyDevice* getLegacyDevice() const noexcept { return legacyDevice_; }

    const gstr& getName() const;
    const gstr& getDisplayName() const;
    const gprocessorCall& getMessageControl() const;
    void clearMessageControl();
    gcommandSequence& getReinitSequence() const;
    gcommandSequence& getCommonSequence() const;
    gcommandSequence& getDriverReinitSequence() const;
    gcommandSequence& getDriverCommonSequence() const;
    bool hasInitialization() const;
    bool hasReinitialization() const;
    g2driver* getDriver() const;
    glegacyDriver* getLegacyDriver() const;
    // The device's whole block.
    void write(CObjectFile& file, int indent) const;

    // The empty legacy sequence that stands for a sequence a device lacks.
    static gcommandSequence& emptySequence();

private:
    gdeviceRef* next_ = nullptr;
    gdevice* device_ = nullptr;
    glegacyDevice* legacyDevice_ = nullptr;
};
