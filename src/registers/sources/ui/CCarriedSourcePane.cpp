#include "registers/sources/ui/CCarriedSourcePane.h"

#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gregisterSource.h"
#include "store/gobjectType.h"

namespace {

constexpr int paneTemplate = 0;
constexpr int paneWidth = 290;
constexpr int paneHeight = 8;

const gobjectType* typeOfClass(int classCode)
{
    switch (classCode) {
    case 1: return &objectTypes::bistateRegister();
    case 2: return &objectTypes::digitalRegister();
    case 3: return &objectTypes::analogRegister();
    case 4: return &objectTypes::stringRegister();
    default: return nullptr;
    }
}

} // namespace

CCarriedSourcePane::CCarriedSourcePane(const gregisterSource& source)
    : CSourcePane(paneTemplate), typeCode_(source.getSourceType()), source_(&source)
{
}

// The empty source lives in a register of the class that belongs to no
// table, so that it answers for its kind like the source OK will make.
CCarriedSourcePane::CCarriedSourcePane(int classCode, int typeCode) : CSourcePane(paneTemplate), typeCode_(typeCode)
{
    if (const gobjectType* type = typeOfClass(classCode)) {
        scratch_.setClass(*type);
        source_ = scratch_.getSupplement()->newSource(typeCode);
    }
}

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
    if (!source_)
        return;
    const gregister& owner = source_->getRegister();
    if (&owner == &scratch_) {
        supplement.newSource(typeCode_);
        return;
    }
    // The register's own source stays; another register gets a copy.
    if (&owner != &supplement.getRegister())
        supplement.copySourceFrom(owner);
}

bool CCarriedSourcePane::isReplaceableWithoutAsking() const
{
    return !source_ || &source_->getRegister() == &scratch_;
}

bool CCarriedSourcePane::getValueName(gstr& text, uint32_t value) const
{
    auto* digital = dynamic_cast<const gdigitalRegisterSource*>(source_);
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
    auto* analog = dynamic_cast<const ganalogRegisterSource*>(source_);
    return analog ? analog->hasGreaterLess() : 0;
}

bool CCarriedSourcePane::needsOwnElementCount() const
{
    auto* analog = dynamic_cast<const ganalogRegisterSource*>(source_);
    return !analog || analog->getElementCount() == 0;
}
