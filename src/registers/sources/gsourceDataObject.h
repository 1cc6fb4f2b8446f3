#pragma once

#include "foundation/gregexp.h"
#include "registers/sources/gdataObjectRef.h"
#include "registers/sources/gregisterSource.h"
#include "store/gusedByList.h"

#include <cmath>
#include <vector>

class gdevice;


// Where a register source reads a G2 data object: one device on a serial
// port, the device's G2 driver and one data object of it with the values of
// the object's parameters. Lines: "DEVICE <port>, <device>", then a block
// "DRIVER <driver>" holding the OBJECT and PARAMETER lines of the reference
// and its END. The source's register is listed among the users of the
// device, its port, the driver, the data object and the object's parameters
// the values name. Data objects internal to their driver are refused.
class gsourceSerialObject {
public:
    explicit gsourceSerialObject(gregisterSource& source)
        : source_(source), embedder_(source), uses_(&source)
    {
    }
    // A location read inside a block of its own (a bit section): the DRIVER
    // block nests in the embedder's.
    gsourceSerialObject(gregisterSource& source, gstorable& embedder)
        : source_(source), embedder_(embedder), uses_(&source)
    {
    }
    gsourceSerialObject(const gsourceSerialObject&) = delete;
    gsourceSerialObject& operator=(const gsourceSerialObject&) = delete;

    gdevice* getDevice() const noexcept { return device_; }
    const gdataObjectRef& reference() const noexcept { return reference_; }
    g2driverDataObject* getDataObject() const noexcept { return reference_.getDataObject(); }
    // The device, the object of the device's driver and copies of the values.
    void set(gdevice* device, g2driverDataObject* object, const g2driverParameterValueTable& values);
    void copyFrom(const gsourceSerialObject& other);
    // "<port> - <device> - <object and values>".
    const gstr& describe() const;

    void writeFields(CObjectFile& file, int indent) const;
    // DEVICE and DRIVER; unknownKeyword for any other.
    gloadStatus loadField(int token, gstr& value);
    // An object whose kind is not known yet (its driver is read later) is
    // narrowed to the kinds the source reads, so that the object's own
    // header of another kind is refused then.
    void afterLoad();
    // A device, an object of a kind the source reads, and the reference in
    // the device's driver (a device whose driver is not known yet takes the
    // reference's).
    bool isComplete() const;
    // The batch tool's renaming of the parameter values, and its change of
    // port, device name and object name: the device and object found are
    // taken, what is not found is kept and explained in the log. The number
    // of changes made.
    int resolveReferences(const gregisterBatchOptions& options, gstr& log);

private:
    struct rebinding;
    gloadStatus loadDevice(const gstr& value);
    gloadStatus loadDriver(const gstr& value);
    void relink();
    bool readsObjectKind() const;

    gregisterSource& source_;
    // Where the DRIVER block is read: the source, or the block holding the
    // location.
    gstorable& embedder_;
    gdevice* device_ = nullptr;
    gdataObjectRef reference_{-1, false};
    gusesList uses_;
    mutable gstr description_;
};

// The value kinds of data objects each kind reads (1 bistate, 2 digital, 3
// analog, 4 string), as its pane offers them.
namespace gsourceDataObjectKinds {
bool accepts(int typeCode, int32_t valueKind);
// Whether the table above covers the kind (11, 12, 13, 16, 17, 18); the
// threshold and bit-collection sources check their objects themselves.
bool covers(int typeCode);
// The value kinds the kind reads, one bit (1 << kind) each.
uint32_t kindsOf(int typeCode);
} // namespace gsourceDataObjectKinds

// 11 "SOURCE BISTATE": a bistate object, optionally inverted (INVERT YES).
class gsourceDataObjectBistate final : public gbistateRegisterSource {
public:
    explicit gsourceDataObjectBistate(gregisterSupplement& owner) : gbistateRegisterSource(owner), part_(*this) {}

    gsourceSerialObject& part() noexcept { return part_; }
    const gsourceSerialObject& part() const noexcept { return part_; }
    int32_t getInvert() const noexcept { return invert_; }
    void setInvert(int32_t invert) noexcept { invert_ = invert; }

    int getSourceType() const override { return 11; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>*) override
    {
        return part_.resolveReferences(options, log);
    }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return part_.isComplete(); }

private:
    gsourceSerialObject part_;
    int32_t invert_ = -1;
};

// 12 "SOURCE G2D BIT MASK": a digital object through an AND mask (never 0),
// an XOR mask and the inversion: MASK and INVERT before the location.
class gsourceDataObjectBitMask final : public gbistateRegisterSource {
public:
    explicit gsourceDataObjectBitMask(gregisterSupplement& owner) : gbistateRegisterSource(owner), part_(*this) {}

    gsourceSerialObject& part() noexcept { return part_; }
    const gsourceSerialObject& part() const noexcept { return part_; }
    gbitMaskSetting& masks() noexcept { return masks_; }
    const gbitMaskSetting& masks() const noexcept { return masks_; }

    int getSourceType() const override { return 12; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>*) override
    {
        return part_.resolveReferences(options, log);
    }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return masks_.mask != 0 && part_.isComplete(); }

private:
    gsourceSerialObject part_;
    gbitMaskSetting masks_;
};

// 13 "SOURCE DIGITAL": a digital object, whose value names the register
// shows.
class gsourceDataObjectDigital final : public gdigitalRegisterSource {
public:
    explicit gsourceDataObjectDigital(gregisterSupplement& owner) : gdigitalRegisterSource(owner), part_(*this) {}

    gsourceSerialObject& part() noexcept { return part_; }
    const gsourceSerialObject& part() const noexcept { return part_; }

    int getSourceType() const override { return 13; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>*) override
    {
        return part_.resolveReferences(options, log);
    }
    const gstr& getValueName(uint32_t value) const override;
    bool getValueNames(std::map<uint32_t, gstr>& names) const override;
    void writeFields(CObjectFile& file, int indent) const override { part_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { part_.afterLoad(); }
    bool isComplete() const override { return part_.isComplete(); }

private:
    gsourceSerialObject part_;
};

// 16 "SOURCE ANALOG": a digital or analog object scaled by FACTOR and moved
// by OFFSET (1 and 0 are not written); its element count and greater/less
// marks are those of the object.
class gsourceDataObjectAnalog final : public ganalogRegisterSource {
public:
    explicit gsourceDataObjectAnalog(gregisterSupplement& owner) : ganalogRegisterSource(owner), part_(*this) {}

    gsourceSerialObject& part() noexcept { return part_; }
    const gsourceSerialObject& part() const noexcept { return part_; }
    // Infinity while not read; 1 and 0 after loading.
    double getFactor() const noexcept { return factor_; }
    double getOffset() const noexcept { return offset_; }
    void setFactor(double factor) noexcept { factor_ = factor; }
    void setOffset(double offset) noexcept { offset_ = offset; }

    int getSourceType() const override { return 16; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>*) override
    {
        return part_.resolveReferences(options, log);
    }
    int hasGreaterLess() const override;
    int32_t getElementCount() const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return part_.isComplete(); }

private:
    gsourceSerialObject part_;
    double factor_ = HUGE_VAL;
    double offset_ = HUGE_VAL;
};

// 17 "SOURCE STRING": a string object.
class gsourceDataObjectString final : public gstringRegisterSource {
public:
    explicit gsourceDataObjectString(gregisterSupplement& owner) : gstringRegisterSource(owner), part_(*this) {}

    gsourceSerialObject& part() noexcept { return part_; }
    const gsourceSerialObject& part() const noexcept { return part_; }

    int getSourceType() const override { return 17; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>*) override
    {
        return part_.resolveReferences(options, log);
    }
    void writeFields(CObjectFile& file, int indent) const override { part_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { part_.afterLoad(); }
    bool isComplete() const override { return part_.isComplete(); }

private:
    gsourceSerialObject part_;
};

// 18 "SOURCE G2D FILTER": a string object kept only when it matches one of
// the allowed patterns (one ALLOW line each; at least one).
class gsourceDataObjectFilter final : public gstringRegisterSource {
public:
    explicit gsourceDataObjectFilter(gregisterSupplement& owner) : gstringRegisterSource(owner), part_(*this) {}

    gsourceSerialObject& part() noexcept { return part_; }
    const gsourceSerialObject& part() const noexcept { return part_; }
    std::vector<gregexp>& allowed() noexcept { return allowed_; }
    const std::vector<gregexp>& allowed() const noexcept { return allowed_; }

    int getSourceType() const override { return 18; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>*) override
    {
        return part_.resolveReferences(options, log);
    }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { part_.afterLoad(); }
    bool isComplete() const override { return !allowed_.empty() && part_.isComplete(); }

private:
    gsourceSerialObject part_;
    std::vector<gregexp> allowed_;
};
