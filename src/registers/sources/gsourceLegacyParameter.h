#pragma once

#include "registers/sources/gregisterSource.h"
#include "store/gusedByList.h"

class glegacyParameter;

// The legacy parameter sources (type code 5, "SOURCE PARAMETER", all four
// register classes): the value of one legacy parameter of the station. The
// line "PARAMETER <tag>" names it; complete with a parameter. The parameter
// names the source's register among its users while the source exists.
class gsourceLegacyParameterRef {
public:
    explicit gsourceLegacyParameterRef(gregisterSource& source) noexcept : source_(source), uses_(&source) {}
    gsourceLegacyParameterRef(const gsourceLegacyParameterRef&) = delete;
    gsourceLegacyParameterRef& operator=(const gsourceLegacyParameterRef&) = delete;

    glegacyParameter* getParameter() const noexcept { return parameter_; }
    // Refers to the parameter and lists the register among its users.
    void setParameter(glegacyParameter* parameter);

    void writeFields(CObjectFile& file, int indent) const;
    // PARAMETER; unknownKeyword for any other.
    gloadStatus loadField(int token, const gstr& value);
    bool isComplete() const noexcept { return parameter_ != nullptr; }
    // With parameters in parameter sources switched on: the tag's find and
    // replace, then the station's parameter of the new tag; kept, with a
    // log line, when there is none.
    int resolveReferences(const gregisterBatchOptions& options, gstr& log);

private:
    gregisterSource& source_;
    glegacyParameter* parameter_ = nullptr;
    gusesList uses_;
};

// An analog register with a legacy parameter source has one element.
template <class Base>
class gsourceLegacyParameterBase : public Base {
public:
    using Base::Base;
};

template <>
class gsourceLegacyParameterBase<ganalogRegisterSource> : public ganalogRegisterSource {
public:
    using ganalogRegisterSource::ganalogRegisterSource;
    int32_t getElementCount() const override { return 1; }
};

template <class Base>
class gsourceLegacyParameter final : public gsourceLegacyParameterBase<Base> {
public:
    using gsourceLegacyParameterBase<Base>::gsourceLegacyParameterBase;

    gsourceLegacyParameterRef& reference() noexcept { return ref_; }
    const gsourceLegacyParameterRef& reference() const noexcept { return ref_; }

    int getSourceType() const override { return 5; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override
    {
        auto copy = std::make_unique<gsourceLegacyParameter>(owner);
        copy->ref_.setParameter(ref_.getParameter());
        return copy;
    }
    void writeFields(CObjectFile& file, int indent) const override { ref_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override
    {
        gloadStatus status = ref_.loadField(token, value);
        return status == gload::unknownKeyword ? Base::loadField(token, value) : status;
    }
    bool isComplete() const override { return ref_.isComplete(); }
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>*) override
    {
        return ref_.resolveReferences(options, log);
    }

private:
    gsourceLegacyParameterRef ref_{*this};
};

using gsourceLegacyParameterBistate = gsourceLegacyParameter<gbistateRegisterSource>;
using gsourceLegacyParameterDigital = gsourceLegacyParameter<gdigitalRegisterSource>;
using gsourceLegacyParameterAnalog = gsourceLegacyParameter<ganalogRegisterSource>;
using gsourceLegacyParameterString = gsourceLegacyParameter<gstringRegisterSource>;

// The reference part of a legacy parameter source of any class; null for a
// source of another kind.
const gsourceLegacyParameterRef* legacyParameterRef(const gregisterSource* source);
gsourceLegacyParameterRef* legacyParameterRef(gregisterSource* source);
