#pragma once

#include "foundation/garray.h"
#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <memory>

class CObjectFile;
class gregister;
class gregisterSet;
class gregisterSource;
struct gregisterBatchOptions;
template <class E>
class jhashTypedDatabaseTable;

// The part of a register that depends on its class (bistate, digital,
// analog, string), owned by the register: the class's own fields, written
// after the register's, and the register's one source, written last as its
// SOURCE block.
class gregisterSupplement {
public:
    explicit gregisterSupplement(gregister& owner) noexcept : owner_(&owner) {}
    gregisterSupplement(const gregisterSupplement&) = delete;
    gregisterSupplement& operator=(const gregisterSupplement&) = delete;
    virtual ~gregisterSupplement();

    virtual void writeFields(CObjectFile& file, int indent) const = 0;
    // One line of the register's block: the statuses of the store, 2 for a
    // keyword that is not the class's.
    virtual gloadStatus loadField(int token, gstr& value) = 0;
    // After the register's "END"; nothing by default.
    virtual void afterLoad();
    virtual bool isComplete() const = 0;
    // A copy owned by another register, with a clone of the source.
    virtual std::unique_ptr<gregisterSupplement> clone(gregister& owner) const = 0;
    // The batch find and replace in the class's texts and the rebinding of
    // the source; the number of changes. By default the source's only.
    virtual int replaceText(const gregisterBatchOptions& options, gstr& log,
                            jhashTypedDatabaseTable<gregister>* newRegisters);
    // The registers are about to be deleted: a source that they leave
    // useless is dropped.
    void dropSourceIfEmptied(const gregisterSet& registers);
    // The source's type code, 0 without a source.
    int sourceTypeCode() const;
    // Copy Register Sources: when the other register has this class and a
    // source, this source is replaced by a clone of it and the station is
    // marked modified; otherwise nothing happens.
    void copySourceFrom(const gregister& other);

    // 1 bistate, 2 digital, 3 analog, 4 string.
    virtual int classCode() const = 0;

    gregister& getRegister() const noexcept { return *owner_; }
    const gstr& getRegisterTag() const noexcept;
    // The following lines of the file go to the target, embedded in the
    // owning register, until the target's "END".
    void loadEmbedded(gstorable* target);

    gregisterSource* getSource() const noexcept { return source_.get(); }
    // Replaces the source by a new empty one of the type code; null (and the
    // source kept) when the class does not take that kind.
    gregisterSource* newSource(int typeCode);

protected:
    // A SOURCE line: already loaded when there is a source; the kind must be
    // one the class takes; the new source then reads the block's lines.
    gloadStatus loadSource(const gstr& value);
    // The SOURCE block, when there is a source.
    void writeSource(CObjectFile& file, int indent) const;
    // Gives the copy a clone of the source.
    void cloneSourceInto(gregisterSupplement& copy) const;
    int replaceInSource(const gregisterBatchOptions& options, gstr& log,
                        jhashTypedDatabaseTable<gregister>* newRegisters);

private:
    gregister* owner_;
    std::unique_ptr<gregisterSource> source_;
};
