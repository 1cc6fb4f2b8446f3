#pragma once

#include "registers/sources/ui/CSourcePane.h"

class gregisterSource;
class gregisterSupplement;

// The pane that keeps a register's source as it is when the source's own
// pane has nothing to offer (every port or parameter it could choose gone
// from the station). It shows nothing to edit: OK leaves an edited
// register's source as it is and gives a duplicate a copy.
class CCarriedSourcePane final : public CSourcePane {
public:
    // The source stays the register's; it must outlive the pane.
    explicit CCarriedSourcePane(const gregisterSource& source);

    bool create(CRegisterDialog& dialog) override;
    void applyToAnalog(ganalogSupplement& supplement) override;
    void applyToBistate(gbistateSupplement& supplement) override;
    void applyToDigital(gdigitalSupplement& supplement) override;
    void applyToString(gstringSupplement& supplement) override;
    // Replacing the kept source loses its settings: the user is asked.
    bool isReplaceableWithoutAsking() const override;
    bool getValueName(gstr& text, uint32_t value) const override;
    int hasGreaterLess() const override;
    bool needsOwnElementCount() const override;

private:
    void apply(gregisterSupplement& supplement) const;

    const gregisterSource& source_;
};
