#pragma once

#include "registers/sources/ui/CSourcePane.h"

#include <memory>

class gregisterSource;

// The pane of the grand summary source: nothing to edit, a line saying what
// the source does.
class CGrandSummarySourcePane final : public CSourcePane {
public:
    CGrandSummarySourcePane() : CSourcePane(858) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    void applyToBistate(gbistateSupplement& supplement) override;
};
