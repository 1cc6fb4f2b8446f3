#pragma once

#include "registers/sources/ui/CSourcePane.h"

#include <memory>

class QComboBox;
class glegacyParameter;
class gregisterSource;

// The pane of the legacy parameter sources (all four classes): one legacy
// parameter of the station, chosen by its title.
class CLegacyParameterSourcePane final : public CSourcePane {
public:
    static constexpr int parameterId = 1181;

    CLegacyParameterSourcePane() : CSourcePane(570) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    // The register has the one value of the parameter.
    bool needsOwnElementCount() const override { return false; }
    void applyToAnalog(ganalogSupplement& supplement) override;
    void applyToBistate(gbistateSupplement& supplement) override;
    void applyToDigital(gdigitalSupplement& supplement) override;
    void applyToString(gstringSupplement& supplement) override;

private:
    QComboBox& combo() const;
    void apply(gregisterSource* made) const;

    glegacyParameter* parameter_ = nullptr;
};
