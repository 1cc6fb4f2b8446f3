#include "registers/gregisterSupplement.h"

#include "registers/gregister.h"
#include "registers/sources/gregisterSource.h"
#include "registers/sources/gregisterSourceFactory.h"
#include "store/gstationState.h"

gregisterSupplement::~gregisterSupplement() = default;

void gregisterSupplement::afterLoad() {}

int gregisterSupplement::replaceText(const gregisterBatchOptions& options, gstr& log,
                                     jhashTypedDatabaseTable<gregister>* newRegisters)
{
    return replaceInSource(options, log, newRegisters);
}

void gregisterSupplement::dropSourceIfEmptied(const gregisterSet& registers)
{
    if (source_ && source_->registersDeleted(registers))
        source_.reset();
}

int gregisterSupplement::sourceTypeCode() const { return source_ ? source_->getSourceType() : 0; }

void gregisterSupplement::copySourceFrom(const gregister& other)
{
    const gregisterSupplement* supplement = other.getSupplement();
    if (!supplement || supplement == this || supplement->classCode() != classCode() || !supplement->source_)
        return;
    source_ = supplement->source_->clone(*this);
    stationState().modified = 1;
}

const gstr& gregisterSupplement::getRegisterTag() const noexcept { return owner_->getTag(); }

void gregisterSupplement::loadEmbedded(gstorable* target) { owner_->loadEmbeddedObject(target); }

gregisterSource* gregisterSupplement::newSource(int typeCode)
{
    std::unique_ptr<gregisterSource> made = makeRegisterSource(classCode(), typeCode, *this);
    if (!made)
        return nullptr;
    source_ = std::move(made);
    return source_.get();
}

gloadStatus gregisterSupplement::loadSource(const gstr& value)
{
    if (source_)
        return gload::alreadyLoaded;
    std::unique_ptr<gregisterSource> made;
    gloadStatus status = readSourceLine(classCode(), value, *this, made);
    if (status != gload::accepted)
        return status;
    source_ = std::move(made);
    loadEmbedded(source_.get());
    return gload::accepted;
}

void gregisterSupplement::writeSource(CObjectFile& file, int indent) const
{
    if (source_)
        source_->writeEmbedded(file, indent);
}

void gregisterSupplement::cloneSourceInto(gregisterSupplement& copy) const
{
    copy.source_ = source_ ? source_->clone(copy) : nullptr;
}

int gregisterSupplement::replaceInSource(const gregisterBatchOptions& options, gstr& log,
                                         jhashTypedDatabaseTable<gregister>* newRegisters)
{
    return source_ ? source_->resolveReferences(options, log, newRegisters) : 0;
}
