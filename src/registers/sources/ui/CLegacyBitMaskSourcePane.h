#pragma once

#include "registers/sources/ui/CBitMaskPane.h"
#include "registers/sources/ui/CLegacySourcePane.h"
#include "store/gstorable.h"

class gregisterSource;

// The pane of a legacy bit mask source (template 512): the typed location
// and, below it, the masks pane.
class CLegacyBitMaskSourcePane final : public CLegacyDataTypeSourcePane {
public:
    static constexpr int masksPlaceholderId = 1844;

    CLegacyBitMaskSourcePane();
    // The page-creation function: filled from the source, or empty.
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToBistate(gbistateSupplement& supplement) override;

private:
    gbitMaskSetting masks_{0, 0, -1};
    CBitMaskPane masksPane_;
};
