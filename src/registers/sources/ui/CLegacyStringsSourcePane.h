#pragma once

#include "registers/sources/gsourceLegacyStrings.h"
#include "registers/sources/ui/CLegacySourcePane.h"

class CTriggerListBox;

// The pane of a legacy strings source (template 616): the untyped location
// and the trigger list.
class CLegacyStringsSourcePane final : public CLegacySourcePane {
public:
    static constexpr int triggersId = 1489;

    CLegacyStringsSourcePane();
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToDigital(gdigitalSupplement& supplement) override;

private:
    gtriggerMap triggers_;
    CTriggerListBox* list_ = nullptr;
};
