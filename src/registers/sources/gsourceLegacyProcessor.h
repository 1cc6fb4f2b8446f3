#pragma once

#include "registers/sources/gsourceLegacyLocated.h"
#include "store/gprocessorCall.h"

// What the four legacy processor sources share: the data location whose
// data an SCL program gets, the call of that program with its arguments,
// and the link that keeps the program in use. The call is written as a
// nested PROGRAM block; a file may give it in the short form "PROGRAM tag".
class gsourceLegacyProcessorPart : public gsourceLocationOwner {
public:
    gsourceSerialInterface& location() noexcept { return location_; }
    const gsourceSerialInterface& location() const noexcept { return location_; }
    const gprocessorCall& call() const noexcept { return call_; }
    // Copies the call and points the program link at its program.
    void setProcessorCall(const gprocessorCall& call);

protected:
    gsourceLegacyProcessorPart();
    // A copy of the other's location and call.
    explicit gsourceLegacyProcessorPart(const gsourceLegacyProcessorPart& other);
    ~gsourceLegacyProcessorPart() = default;

    void writePart(CObjectFile& file, int indent) const;
    // The PROGRAM line (an empty value makes the call the source's embedded
    // target), then the location's keywords.
    gloadStatus loadPart(int token, const gstr& value, gstorable& source);
    void afterLoadPart();
    bool isPartComplete() const noexcept { return call_.isSet() && location_.hasResponse(); }
    int resolvePart(const gregisterBatchOptions& options, gstr& log);

private:
    gloadStatus loadProgram(const gstr& value, gstorable& source);
    int rebindProgram(const gregisterBatchOptions& options, gstr& log);

    gsourceSerialInterface location_;
    gprocessorCall call_;
    gusesList programUses_;
};

// The processor source of one register class (Base). Block "SOURCE
// PROCESSOR".
template <class Base>
class gsourceLegacyProcessor final : public Base, public gsourceLegacyProcessorPart {
public:
    explicit gsourceLegacyProcessor(gregisterSupplement& owner) : Base(owner) {}
    gsourceLegacyProcessor(gregisterSupplement& owner, const gsourceLegacyProcessor& other)
        : Base(owner), gsourceLegacyProcessorPart(other)
    {
    }

    const gregister* locationRegister() const override { return &this->getOwner().getRegister(); }
    // The source and its parts name the register alike.
    void describeReferrer(gstr& text) const override { Base::describeReferrer(text); }

    int getSourceType() const override { return 29; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override
    {
        return std::make_unique<gsourceLegacyProcessor>(owner, *this);
    }
    void writeFields(CObjectFile& file, int indent) const override { writePart(file, indent); }
    gloadStatus loadField(int token, gstr& value) override
    {
        gloadStatus status = loadPart(token, value, *this);
        return status == gload::unknownKeyword ? Base::loadField(token, value) : status;
    }
    void afterLoad() override { afterLoadPart(); }
    bool isComplete() const override { return isPartComplete(); }
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>*) override
    {
        return resolvePart(options, log);
    }
};

using gsourceLegacyProcessorBistate = gsourceLegacyProcessor<gbistateRegisterSource>;
using gsourceLegacyProcessorDigital = gsourceLegacyProcessor<gdigitalRegisterSource>;
using gsourceLegacyProcessorAnalog = gsourceLegacyProcessor<ganalogRegisterSource>;
using gsourceLegacyProcessorString = gsourceLegacyProcessor<gstringRegisterSource>;
