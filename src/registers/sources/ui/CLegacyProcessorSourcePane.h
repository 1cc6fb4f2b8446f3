#pragma once

#include "registers/sources/ui/CLegacySourcePane.h"
#include "store/gprocessorCall.h"

class CProgramCombo;
class gsourceLegacyProcessorPart;

// The pane of the legacy processor sources of all four register classes
// (template 578): the untyped location, the program and its arguments.
class CLegacyProcessorSourcePane final : public CLegacySourcePane {
public:
    static constexpr int programId = 1384;
    static constexpr int argumentsId = 1030;

    CLegacyProcessorSourcePane();
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToBistate(gbistateSupplement& supplement) override;
    void applyToDigital(gdigitalSupplement& supplement) override;
    void applyToAnalog(ganalogSupplement& supplement) override;
    void applyToString(gstringSupplement& supplement) override;

private:
    void apply(gregisterSource* made);

    gprocessorCall call_;
    gprocessorCall workingCall_;
    CProgramCombo* programs_ = nullptr;
};
