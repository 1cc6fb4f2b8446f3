#pragma once

#include "registers/sources/ui/CSourcePane.h"
#include "store/gprocessorCall.h"

#include <cstdint>
#include <memory>
#include <vector>

class CProgramCombo;
class CRegisterListBox;
class gregister;
class gregisterSource;

// The pane of the summary sources (all four classes): the registers
// summarised, the program that summarises them with its arguments, and
// whether the program runs on every value change or only on ON/OFF changes.
class CSummarySourcePane final : public CSourcePane {
public:
    static constexpr int removeId = 1573;
    static constexpr int anyValueId = 2019;
    static constexpr int stateOnlyId = 2018;
    static constexpr int registersId = 1390;
    static constexpr int argumentsId = 1030;
    static constexpr int programId = 1385;
    static constexpr int addId = 1004;
    static constexpr int addAlarmsId = 1138;

    CSummarySourcePane() : CSourcePane(617) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToAnalog(ganalogSupplement& supplement) override;
    void applyToBistate(gbistateSupplement& supplement) override;
    void applyToDigital(gdigitalSupplement& supplement) override;
    void applyToString(gstringSupplement& supplement) override;

private:
    CRegisterListBox& list() const;
    CProgramCombo& programs() const;
    void addRegisters(bool alarmsOnly);
    void onRemove();
    void enableProgramOptions();
    void keepListed();
    void apply(gregisterSource* made) const;

    gprocessorCall call_;
    gprocessorCall working_;
    std::vector<gregister*> registers_;
    int32_t updateOnAnyChange_ = 0;
    const gregister* edited_ = nullptr;
};
