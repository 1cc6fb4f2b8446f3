#pragma once

#include "foundation/garray.h"
#include "foundation/gfault.h"
#include "foundation/gstr.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>
#include <map>
#include <memory>

class gregister;
class gregisterSet;
class gregisterSupplement;
struct gregisterBatchOptions;
template <class E>
class jhashTypedDatabaseTable;

// Where a register's value comes from: one source per register, owned by the
// register's class supplement and written as its block "SOURCE <kind>" ...
// "END". The type code (1 to 29) names the kind; the keyword after SOURCE
// is the kind's (see gsourceType.h).
//
// A source that refers to station objects links them through uses lists
// owned by the source itself (gusesList(this)): each object then names the
// source's register among its users ("The register %s") and refuses to go
// while the source exists. The source's destructor unlinks them.
//
// The pane that edits a source is made by the window layer
// (sourcePaneFactory.h: createSourcePaneFor), one page-creation function per
// kind.
class gregisterSource : public gstorable, public greferrer {
public:
    explicit gregisterSource(gregisterSupplement& owner) noexcept : owner_(&owner) {}
    gregisterSource(const gregisterSource&) = delete;
    gregisterSource& operator=(const gregisterSource&) = delete;
    ~gregisterSource() override = default;

    gregisterSupplement& getOwner() const noexcept { return *owner_; }
    gregister& getRegister() const noexcept;
    // "The register %s" with the register's title, else its tag.
    void describeReferrer(gstr& text) const override;

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
    virtual bool registersDeleted(const gregisterSet& registers);

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

// The source as the class its type code makes (a supplement's new-source
// operation answers the base); a source of another class is an internal
// fault.
template <class S>
S& sourceAs(gregisterSource* source)
{
    auto* typed = dynamic_cast<S*>(source);
    if (!typed)
        throw gfault("source of another kind in sourceAs()");
    return *typed;
}
