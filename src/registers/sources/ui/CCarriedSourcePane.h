#pragma once

#include "registers/gregister.h"
#include "registers/sources/ui/CSourcePane.h"

class gregisterSource;

// The pane of a source kind whose own pane this editor does not have yet.
// It shows nothing to edit. Made for a register's source, it keeps that
// source's lines: OK leaves an edited register's source as it is and gives
// a duplicate a copy. Made empty for a type code, it holds a new empty
// source of the kind, which OK gives the register.
class CCarriedSourcePane final : public CSourcePane {
public:
    // The source stays the register's; it must outlive the pane.
    explicit CCarriedSourcePane(const gregisterSource& source);
    CCarriedSourcePane(int classCode, int typeCode);

    bool create(CRegisterDialog& dialog) override;
    void applyToAnalog(ganalogSupplement& supplement) override;
    void applyToBistate(gbistateSupplement& supplement) override;
    void applyToDigital(gdigitalSupplement& supplement) override;
    void applyToString(gstringSupplement& supplement) override;
    // An empty source loses nothing; carried lines do.
    bool isReplaceableWithoutAsking() const override;
    bool getValueName(gstr& text, uint32_t value) const override;
    int hasGreaterLess() const override;
    bool needsOwnElementCount() const override;

private:
    void apply(gregisterSupplement& supplement) const;

    int typeCode_;
    // The register's source, or the empty source of the register below.
    const gregisterSource* source_ = nullptr;
    gregister scratch_;
};
