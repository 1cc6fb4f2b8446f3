#pragma once

#include "store/gstorable.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class g2driver;
class g2driverCommand;
class gcommandSequenceEntry;
class gdevice;
class glegacyDevice;
class gserialPort;

// An ordered list of commands that the run-time program sends: a port's
// polling sequence, the initialization sequences of a G2 device and of a G2
// driver (first time, after a timeout, common to both) and the one of a
// legacy device. It owns its entries and keeps links to everything they name.
class gcommandSequence : public gstorable, public greferrer {
public:
    // Kinds.
    static constexpr int32_t polling = 0;
    static constexpr int32_t deviceInit = 1;
    static constexpr int32_t driverInit = 2;
    static constexpr int32_t legacyInit = 3;

    // qualifier: the keyword token FIRST TIME, REINIT or COMMON for kinds 1
    // and 2, NONE otherwise.
    gcommandSequence(int32_t kind, int qualifier);
    gcommandSequence(const gcommandSequence&) = delete;
    gcommandSequence& operator=(const gcommandSequence&) = delete;
    ~gcommandSequence() override;

    int32_t getKind() const noexcept { return kind_; }
    int getQualifier() const noexcept { return qualifier_; }
    gserialPort* getOwner() const noexcept { return owner_; }
    gdevice* getDevice() const noexcept { return device_; }
    glegacyDevice* getLegacyDevice() const noexcept { return legacyDevice_; }
    g2driver* getDriver() const noexcept { return driver_; }

    gcommandSequenceEntry* first() const noexcept { return head_; }
    gcommandSequenceEntry* last() const noexcept { return tail_; }
    int32_t count() const noexcept { return count_; }
    bool isEmpty() const noexcept { return head_ == nullptr; }

    // Adds at the end; takes the entry.
    void append(gcommandSequenceEntry* entry);
    // The same, adding the entry's references.
    void appendLinked(gcommandSequenceEntry* entry);
    // Deletes the entry (one of this sequence's).
    void remove(gcommandSequenceEntry* entry);
    // Deletes every entry and empties the uses list.
    void clear();
    // Copies of every entry with their devices looked up by tag in the
    // tables (placeholders when absent); a device sequence's subject becomes
    // the device of its tag there. The copies' references are added.
    void copy(const gcommandSequence& source, jhashTypedDatabaseTable<gdevice>& devices,
              jhashTypedDatabaseTable<glegacyDevice>& legacyDevices);
    // A new request per entry of a driver sequence, with the command of the
    // same tag in the table; their driver references are added.
    void copyDriverSequence(const gcommandSequence& source, const jhashTypedDatabaseTable<g2driverCommand>& commands);
    // Deletes the own entries and takes over the source's, leaving it empty;
    // both uses lists are emptied.
    void takeOver(gcommandSequence& source);
    // The port and the subject (a G2 device, or none for a polling sequence;
    // a legacy device): every entry's device is looked up again by tag in the
    // port and the references are rebuilt, the subject excluded.
    void setOwner(gserialPort* port, gdevice* subject);
    void setOwner(gserialPort* port, glegacyDevice* subject);
    // A driver sequence's driver: every entry's command is looked up again
    // by tag in the driver and the driver references are rebuilt.
    void setDriver(g2driver* driver);
    void rebuildUses();

    void describeReferrer(gstr& text) const override;

    // POLLING_SEQUENCE; INIT_SEQUENCE with the qualifier for kinds 1 and 2;
    // INIT_SEQUENCE alone for kind 3.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { rebuildUses(); }
    // At least one entry.
    bool isComplete() const override { return !isEmpty(); }

private:
    gloadStatus loadDriverCommand(const gstr& value);
    gloadStatus loadCommand(const gstr& value);
    gloadStatus loadPoll(const gstr& value);
    void rebindEntries();
    void addReferences(const gcommandSequenceEntry& entry);
    void deleteEntries() noexcept;

    int32_t kind_;
    int qualifier_;
    gserialPort* owner_ = nullptr;
    gdevice* device_ = nullptr;
    glegacyDevice* legacyDevice_ = nullptr;
    g2driver* driver_ = nullptr;
    gcommandSequenceEntry* head_ = nullptr;
    gcommandSequenceEntry* tail_ = nullptr;
    int32_t count_ = 0;
    gusesList uses_{this};
};
