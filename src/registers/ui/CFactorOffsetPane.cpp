#include "registers/ui/CFactorOffsetPane.h"

#include "shell/CSpinEdit.h"

namespace {

constexpr int badFactor = 10393;
constexpr int badOffset = 10303;

} // namespace

void CFactorOffsetPane::create(CDialog& host, int placeholderId, const gfactorOffset* source)
{
    beginPage(826, 180, 32);
    addLabel(-1, "Value &factor:", 0, 2, 60, 8);
    addControl(factorId, new CRealSpinEdit, 62, 0, 70, 12);
    addLabel(-1, "&Value offset:", 0, 20, 60, 8);
    addControl(offsetId, new CRealSpinEdit, 62, 18, 70, 12);
    placeOver(host, placeholderId);
    gfactorOffset shown = source ? *source : gfactorOffset{};
    controlOf<CRealSpinEdit>(factorId)->setValue(shown.factor);
    controlOf<CRealSpinEdit>(offsetId)->setValue(shown.offset);
}

bool CFactorOffsetPane::store(gfactorOffset& source)
{
    double factor = 0;
    double offset = 0;
    if (!controlOf<CRealSpinEdit>(factorId)->getValue(factor))
        return refuse(factorId, badFactor);
    if (!controlOf<CRealSpinEdit>(offsetId)->getValue(offset))
        return refuse(offsetId, badOffset);
    source.factor = factor;
    source.offset = offset;
    return true;
}
