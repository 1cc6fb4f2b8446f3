#pragma once

#include "foundation/gmilliseconds.h"
#include "registers/gregisterSupplement.h"
#include "registers/sources/gregisterSource.h"

#include <cstdint>

// The class part of a bistate register: its response time and whether the
// operator may change it or configure the polarity.
class gbistateSupplement final : public gregisterSupplement {
public:
    explicit gbistateSupplement(gregister& owner) noexcept : gregisterSupplement(owner) {}

    int classCode() const override { return 1; }
    gbistateRegisterSource* getSource() const noexcept
    {
        return static_cast<gbistateRegisterSource*>(gregisterSupplement::getSource());
    }

    // Not set until loaded or set; 0 after loading without DELAY.
    gmilliseconds getResponseTime() const noexcept { return responseTime_; }
    void setResponseTime(gmilliseconds time) noexcept { responseTime_ = time; }
    int32_t getSetDelay() const noexcept { return setDelay_; }
    void setSetDelay(int32_t flag) noexcept { setDelay_ = flag; }
    // Meaningful only while the register is user definable.
    int32_t getSetPolarity() const noexcept { return setPolarity_; }
    void setSetPolarity(int32_t flag) noexcept { setPolarity_ = flag; }

    // Each replaces the source by a new empty one of its kind.
    gbistateRegisterSource* newParameterSource() { return typed(newSource(1)); }
    gbistateRegisterSource* newLegacyParameterSource() { return typed(newSource(5)); }
    gbistateRegisterSource* newRemoteRegisterSource() { return typed(newSource(6)); }
    gbistateRegisterSource* newSummarySource() { return typed(newSource(7)); }
    gbistateRegisterSource* newGrandSummarySource() { return typed(newSource(8)); }
    gbistateRegisterSource* newRemoteStationAlarmSource() { return typed(newSource(9)); }
    gbistateRegisterSource* newPingSource() { return typed(newSource(10)); }
    gbistateRegisterSource* newDataObjectSource() { return typed(newSource(11)); }
    gbistateRegisterSource* newDataObjectBitMaskSource() { return typed(newSource(12)); }
    gbistateRegisterSource* newTimeoutSource() { return typed(newSource(19)); }
    gbistateRegisterSource* newLegacyBitMaskSource() { return typed(newSource(20)); }
    gbistateRegisterSource* newLegacySearchStringSource() { return typed(newSource(21)); }
    gbistateRegisterSource* newLegacyProcessorSource() { return typed(newSource(29)); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return true; }
    std::unique_ptr<gregisterSupplement> clone(gregister& owner) const override;

private:
    static gbistateRegisterSource* typed(gregisterSource* source) noexcept
    {
        return static_cast<gbistateRegisterSource*>(source);
    }

    gmilliseconds responseTime_;
    int32_t setDelay_ = -1;
    int32_t setPolarity_ = -1;
};
