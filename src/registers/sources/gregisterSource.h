#pragma once

#include "foundation/garray.h"
#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>
#include <map>
#include <memory>

class gregister;
class gregisterSupplement;
struct gregisterBatchOptions;
template <class E>
class jhashTypedDatabaseTable;

// Where a register's value comes from: one source per register, owned by the
// register's class supplement and written as its block "SOURCE <kind>" ...
// "END". The type code (1 to 29) names the kind; the keyword after SOURCE
// is the kind's (see gsourceType.h).
class gregisterSource : public gstorable {
public:
    explicit gregisterSource(gregisterSupplement& owner) noexcept : owner_(&owner) {}
    gregisterSource(const gregisterSource&) = delete;
    gregisterSource& operator=(const gregisterSource&) = delete;
    ~gregisterSource() override = default;

    gregisterSupplement& getOwner() const noexcept { return *owner_; }
    gregister& getRegister() const noexcept;

    // "SOURCE" and the kind keyword of the type code.
    void writeHeader(CObjectFile& file, int indent) const override;

    // A source of the same kind and settings owned by another supplement of
    // the same register class.
    virtual std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const = 0;
    virtual int getSourceType() const = 0;
    // The batch rebinding of the objects the source refers to; the number of
    // references changed. newRegisters holds the registers a duplicate run is
    // creating, or is null.
    virtual int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                                  jhashTypedDatabaseTable<gregister>* newRegisters);
    // The registers are about to be deleted: true when the source has become
    // useless and its supplement must drop it.
    virtual bool registersDeleted(const garray<gregister>& registers);

private:
    gregisterSupplement* owner_;
};

class gbistateRegisterSource : public gregisterSource {
public:
    using gregisterSource::gregisterSource;
};

class gdigitalRegisterSource : public gregisterSource {
public:
    using gregisterSource::gregisterSource;

    // The name the source gives a value; the shared empty text when none.
    virtual const gstr& getValueName(uint32_t value) const;
    // Copies the source's value names; false when it has none to give.
    virtual bool getValueNames(std::map<uint32_t, gstr>& names) const;
};

class ganalogRegisterSource : public gregisterSource {
public:
    using gregisterSource::gregisterSource;

    // Non-zero when a value may come marked as beyond a limit ('>' or '<').
    virtual int hasGreaterLess() const;
    // The number of values the source supplies; 0 when the register's own
    // ELEMENTS count applies.
    virtual int32_t getElementCount() const;
};

class gstringRegisterSource : public gregisterSource {
public:
    using gregisterSource::gregisterSource;
};
