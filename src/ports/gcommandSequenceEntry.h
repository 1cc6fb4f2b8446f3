#pragma once

#include "foundation/gstr.h"

#include <cstdint>
#include <memory>

class CObjectFile;
class g2driverCommand;
class gcommandRequest;
class gdevice;
class gdeviceRef;
class glegacyCommand;
class glegacyDevice;
class glegacyPoll;

// One command of a sequence: a G2 request or a legacy poll, exactly one of
// the two, owned. Every operation dispatches on which one it holds.
class gcommandSequenceEntry {
public:
    // Takes the payload.
    explicit gcommandSequenceEntry(gcommandRequest* request);
    explicit gcommandSequenceEntry(glegacyPoll* poll);
    gcommandSequenceEntry(const gcommandSequenceEntry&) = delete;
    gcommandSequenceEntry& operator=(const gcommandSequenceEntry&) = delete;
    ~gcommandSequenceEntry();

    gcommandSequenceEntry* getNext() const noexcept { return next_; }
    void setNext(gcommandSequenceEntry* next) noexcept { next_ = next; }

    gcommandRequest* getRequest() const noexcept { return request_.get(); }
    glegacyPoll* getLegacyPoll() const noexcept { return poll_.get(); }

    gdevice* getDevice() const noexcept;
    glegacyDevice* getLegacyDevice() const noexcept;
    g2driverCommand* getCommand() const noexcept;
    glegacyCommand* getLegacyCommand() const noexcept;
    int32_t getKeepWithNext() const noexcept;
    void setKeepWithNext(int32_t count) noexcept;
    // Whether the entry is addressed to the referenced device.
    bool matches(const gdeviceRef& device) const noexcept;
    // The device's name as shown (the shared empty text without one).
    const gstr& getDeviceDisplayName() const;
    void describe(gstr& text, bool withDevice) const;
    // A new entry for the other device; null for a legacy command that the
    // other device's driver lacks, or a device of the other generation.
    gcommandSequenceEntry* copyForDevice(const gdeviceRef& device) const;
    // Switch the payload's kind: the other payload is deleted; one of the
    // wanted kind stays, else a new empty one is made.
    gcommandRequest& useRequest();
    glegacyPoll& useLegacyPoll();
    // A request as its block, a poll as its line.
    void write(CObjectFile& file, int indent) const;

private:
    gcommandSequenceEntry* next_ = nullptr;
    std::unique_ptr<gcommandRequest> request_;
    std::unique_ptr<glegacyPoll> poll_;
};
