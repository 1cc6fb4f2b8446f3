#pragma once

#include "registers/gregisterSupplement.h"
#include "registers/gvalueLogInfo.h"
#include "registers/sources/gregisterSource.h"
#include "store/gprocessorCall.h"
#include "store/gusedByList.h"

#include <cstdint>
#include <map>
#include <vector>

// The class part of a digital register: the values that mean alarm, the
// programs run for specific values, the names of values and the value log
// format.
class gdigitalSupplement final : public gregisterSupplement {
public:
    explicit gdigitalSupplement(gregister& owner) noexcept;

    int classCode() const override { return 2; }
    gdigitalRegisterSource* getSource() const noexcept
    {
        return static_cast<gdigitalRegisterSource*>(gregisterSupplement::getSource());
    }

    // In file order; a value may repeat.
    std::vector<uint32_t>& alarmValues() noexcept { return alarmValues_; }
    const std::vector<uint32_t>& alarmValues() const noexcept { return alarmValues_; }
    gvalueLogInfo& logInfo() noexcept { return logInfo_; }
    const gvalueLogInfo& logInfo() const noexcept { return logInfo_; }
    // The program run when the register takes a specific value.
    const std::map<uint32_t, gprocessorCall>& valueControls() const noexcept { return valueControls_; }
    // Replaces the controls by copies of the given ones and lists the
    // register among the users of their programs.
    void setValueControls(const std::map<uint32_t, gprocessorCall>& controls);
    std::map<uint32_t, gstr>& valueNames() noexcept { return valueNames_; }
    const std::map<uint32_t, gstr>& valueNames() const noexcept { return valueNames_; }

    // The register's own name of the value while it names any value;
    // otherwise the source's; the shared empty text when there is none.
    const gstr& getValueName(uint32_t value) const;
    // The own names, or else the source's; false when there are none.
    bool getValueNames(std::map<uint32_t, gstr>& names) const;

    // Each replaces the source by a new empty one of its kind.
    gdigitalRegisterSource* newParameterSource() { return typed(newSource(2)); }
    gdigitalRegisterSource* newLegacyParameterSource() { return typed(newSource(5)); }
    gdigitalRegisterSource* newRemoteRegisterSource() { return typed(newSource(6)); }
    gdigitalRegisterSource* newSummarySource() { return typed(newSource(7)); }
    gdigitalRegisterSource* newDataObjectSource() { return typed(newSource(13)); }
    gdigitalRegisterSource* newDataObjectThresholdsSource() { return typed(newSource(14)); }
    gdigitalRegisterSource* newDataObjectBitCollectionSource() { return typed(newSource(15)); }
    gdigitalRegisterSource* newLegacyDirectSource() { return typed(newSource(22)); }
    gdigitalRegisterSource* newLegacyThresholdsSource() { return typed(newSource(23)); }
    gdigitalRegisterSource* newLegacyStringsSource() { return typed(newSource(24)); }
    gdigitalRegisterSource* newLegacyBitCollectionSource() { return typed(newSource(25)); }
    gdigitalRegisterSource* newLegacyProcessorSource() { return typed(newSource(29)); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    std::unique_ptr<gregisterSupplement> clone(gregister& owner) const override;
    int replaceText(const gregisterBatchOptions& options, gstr& log,
                    jhashTypedDatabaseTable<gregister>* newRegisters) override;

private:
    static gdigitalRegisterSource* typed(gregisterSource* source) noexcept
    {
        return static_cast<gdigitalRegisterSource*>(source);
    }
    gloadStatus loadAlarmValues(const gstr& value);
    gloadStatus loadValueControl(const gstr& value);
    gloadStatus loadValueName(const gstr& value);
    gloadStatus loadLogInfo(const gstr& value);
    void linkControlPrograms();

    std::vector<uint32_t> alarmValues_;
    gvalueLogInfo logInfo_;
    std::map<uint32_t, gprocessorCall> valueControls_;
    gusesList controlUses_;
    std::map<uint32_t, gstr> valueNames_;
};
