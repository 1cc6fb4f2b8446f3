#pragma once

#include "foundation/garray.h"
#include "foundation/gregexp.h"
#include "registers/gregisterSupplement.h"
#include "registers/gstringLogInfo.h"
#include "registers/sources/gregisterSource.h"

// The class part of a string register: the patterns of the texts that raise
// its alarm and the value log format.
class gstringSupplement final : public gregisterSupplement {
public:
    explicit gstringSupplement(gregister& owner) noexcept : gregisterSupplement(owner) {}

    int classCode() const override { return 4; }
    gstringRegisterSource* getSource() const noexcept
    {
        return static_cast<gstringRegisterSource*>(gregisterSupplement::getSource());
    }

    // The alarm triggers in file order, owned.
    garrayOwned<gregexp>& triggers() noexcept { return triggers_; }
    const garrayOwned<gregexp>& triggers() const noexcept { return triggers_; }
    gstringLogInfo& logInfo() noexcept { return logInfo_; }
    const gstringLogInfo& logInfo() const noexcept { return logInfo_; }

    // Each replaces the source by a new empty one of its kind.
    gstringRegisterSource* newParameterSource() { return typed(newSource(4)); }
    gstringRegisterSource* newLegacyParameterSource() { return typed(newSource(5)); }
    gstringRegisterSource* newRemoteRegisterSource() { return typed(newSource(6)); }
    gstringRegisterSource* newSummarySource() { return typed(newSource(7)); }
    gstringRegisterSource* newDataObjectSource() { return typed(newSource(17)); }
    gstringRegisterSource* newDataObjectFilterSource() { return typed(newSource(18)); }
    gstringRegisterSource* newLegacyLiteralSource() { return typed(newSource(27)); }
    gstringRegisterSource* newLegacyFilterSource() { return typed(newSource(28)); }
    gstringRegisterSource* newLegacyProcessorSource() { return typed(newSource(29)); }

    // A trigger is written as TRIGGER2, the form that refuses patterns
    // matching an empty text; one that can match an empty text (read from an
    // older TRIGGER line) keeps the TRIGGER form, which reads it back.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    std::unique_ptr<gregisterSupplement> clone(gregister& owner) const override;
    int replaceText(const gregisterBatchOptions& options, gstr& log,
                    jhashTypedDatabaseTable<gregister>* newRegisters) override;

private:
    static gstringRegisterSource* typed(gregisterSource* source) noexcept
    {
        return static_cast<gstringRegisterSource*>(source);
    }
    gloadStatus loadTrigger(const gstr& value, bool older);

    garrayOwned<gregexp> triggers_;
    gstringLogInfo logInfo_;
};
