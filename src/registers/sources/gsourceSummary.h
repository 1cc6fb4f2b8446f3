#pragma once

#include "registers/sources/gregisterSource.h"
#include "store/gprocessorCall.h"
#include "store/gusedByList.h"

#include <cstdint>
#include <unordered_set>
#include <vector>

// The summary sources (type code 7, "SOURCE SUMMARY", all four register
// classes): a value summarised from a list of other registers of the
// station, optionally through an SCL program with arguments, recomputed on
// any value change of the listed registers or only on their ON/OFF changes.
//
// Lines: "PROGRAM" alone opening the program call's block (its PROGRAM and
// ARGUMENT lines, then "END"), "VALUES NO" when the program runs only on
// state changes, then one "REGISTER <tag>" per listed register in order. A
// "PROGRAM <tag>" line is read as the call without arguments. Complete with
// at least one register.
class gsourceSummaryPart {
public:
    // The source whose register the program and the listed registers name
    // among their users, and which reads the program call's block.
    explicit gsourceSummaryPart(gregisterSource& source) noexcept
        : source_(source), programUse_(&source), registerUses_(&source)
    {
    }
    gsourceSummaryPart(const gsourceSummaryPart&) = delete;
    gsourceSummaryPart& operator=(const gsourceSummaryPart&) = delete;

    const gprocessorCall& getCall() const noexcept { return call_; }
    // A copy of the call; the program's use follows it.
    void setCall(const gprocessorCall& call);
    // -1 while not read; 1 on any value change, 0 only on ON/OFF changes.
    int32_t getUpdateOnAnyChange() const noexcept { return updateOnAnyChange_; }
    void setUpdateOnAnyChange(int32_t flag) noexcept { updateOnAnyChange_ = flag; }
    const std::vector<gregister*>& registers() const noexcept { return registers_; }
    void clearRegisters();
    // Appends the register and its use; false (nothing added) when it is
    // listed already.
    bool addRegister(gregister& reg);
    // The settings of another part, with uses of their own.
    void copyFrom(const gsourceSummaryPart& other);

    void writeFields(CObjectFile& file, int indent) const;
    // PROGRAM, VALUES and REGISTER; unknownKeyword for any other.
    gloadStatus loadField(int token, const gstr& value);
    void afterLoad();
    bool isComplete() const noexcept { return !registers_.empty(); }
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>* newRegisters);
    bool registersDeleted(const gregisterSet& registers);

private:
    gloadStatus loadProgram(const gstr& value);
    gloadStatus loadRegister(const gstr& value);
    int rebindRegisters(const gregisterBatchOptions& options, gstr& log,
                        jhashTypedDatabaseTable<gregister>* newRegisters);
    // The register a rebinding keeps for reg, with the log line when it
    // cannot take the new tag; null to drop a duplicate.
    gregister* rebound(gregister& reg, const gregisterBatchOptions& options, gstr& log,
                       jhashTypedDatabaseTable<gregister>* newRegisters,
                       const std::unordered_set<const gregister*>& kept);
    void setRegisters(std::vector<gregister*> registers);
    void linkProgram();

    gregisterSource& source_;
    gprocessorCall call_;
    gusesList programUse_;
    int32_t updateOnAnyChange_ = -1;
    std::vector<gregister*> registers_;
    // The same registers, so that a long list is not searched for every one
    // added.
    std::unordered_set<const gregister*> listed_;
    gusesList registerUses_;
};

template <class Base>
class gsourceSummary final : public Base {
public:
    using Base::Base;

    gsourceSummaryPart& part() noexcept { return part_; }
    const gsourceSummaryPart& part() const noexcept { return part_; }

    int getSourceType() const override { return 7; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override
    {
        auto copy = std::make_unique<gsourceSummary>(owner);
        copy->part_.copyFrom(part_);
        return copy;
    }
    void writeFields(CObjectFile& file, int indent) const override { part_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override
    {
        gloadStatus status = part_.loadField(token, value);
        return status == gload::unknownKeyword ? Base::loadField(token, value) : status;
    }
    void afterLoad() override { part_.afterLoad(); }
    bool isComplete() const override { return part_.isComplete(); }
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>* newRegisters) override
    {
        return part_.resolveReferences(options, log, newRegisters);
    }
    bool registersDeleted(const gregisterSet& registers) override { return part_.registersDeleted(registers); }

private:
    gsourceSummaryPart part_{*this};
};

using gsourceSummaryBistate = gsourceSummary<gbistateRegisterSource>;
using gsourceSummaryDigital = gsourceSummary<gdigitalRegisterSource>;
using gsourceSummaryAnalog = gsourceSummary<ganalogRegisterSource>;
using gsourceSummaryString = gsourceSummary<gstringRegisterSource>;

// The part of a summary source of any class; null for a source of another
// kind.
const gsourceSummaryPart* summaryPart(const gregisterSource* source);
gsourceSummaryPart* summaryPart(gregisterSource* source);
// The registers among the candidates that nothing but the register lists of
// summary sources uses (so also those nothing uses): deleting them only
// shortens lists. In the candidates' order.
std::vector<gregister*> registersOnlySummariesUse(const std::vector<gregister*>& candidates);
