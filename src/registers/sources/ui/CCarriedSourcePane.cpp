#include "registers/sources/ui/CCarriedSourcePane.h"

#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gregisterSource.h"
#include "registers/gregister.h"

namespace {

constexpr int paneTemplate = 0;
constexpr int paneWidth = 290;
constexpr int paneHeight = 8;

} // namespace

CCarriedSourcePane::CCarriedSourcePane(const gregisterSource& source) : CSourcePane(paneTemplate), source_(source) {}

bool CCarriedSourcePane::create(CRegisterDialog& dialog)
{
    becomeChildOf(dialog, paneWidth, paneHeight);
    return true;
}

void CCarriedSourcePane::applyToAnalog(ganalogSupplement& supplement) { apply(supplement); }

void CCarriedSourcePane::applyToBistate(gbistateSupplement& supplement) { apply(supplement); }

void CCarriedSourcePane::applyToDigital(gdigitalSupplement& supplement) { apply(supplement); }

void CCarriedSourcePane::applyToString(gstringSupplement& supplement) { apply(supplement); }

void CCarriedSourcePane::apply(gregisterSupplement& supplement) const
{
    const gregister& owner = source_.getRegister();
    // The register's own source stays; another register gets a copy.
    if (&owner != &supplement.getRegister())
        supplement.copySourceFrom(owner);
}

bool CCarriedSourcePane::isReplaceableWithoutAsking() const { return false; }

bool CCarriedSourcePane::getValueName(gstr& text, uint32_t value) const
{
    auto* digital = dynamic_cast<const gdigitalRegisterSource*>(&source_);
    if (!digital)
        return false;
    const gstr& name = digital->getValueName(value);
    if (name.isEmpty())
        return false;
    text.append(name);
    return true;
}

int CCarriedSourcePane::hasGreaterLess() const
{
    auto* analog = dynamic_cast<const ganalogRegisterSource*>(&source_);
    return analog ? analog->hasGreaterLess() : 0;
}

bool CCarriedSourcePane::needsOwnElementCount() const
{
    auto* analog = dynamic_cast<const ganalogRegisterSource*>(&source_);
    return !analog || analog->getElementCount() == 0;
}
