#include "registers/sources/gregisterSource.h"

#include "registers/gregister.h"
#include "registers/gregisterSupplement.h"
#include "registers/sources/gsourceType.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gregister& gregisterSource::getRegister() const noexcept { return owner_->getRegister(); }

void gregisterSource::describeReferrer(gstr& text) const { getRegister().describeReferrer(text); }

void gregisterSource::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::SOURCE).writeKey(file, indent);
    gkeyword::byToken(sourceTypeKeyword(getSourceType())).writeValue(file, 1);
}

int gregisterSource::resolveReferences(const gregisterBatchOptions&, gstr&, jhashTypedDatabaseTable<gregister>*)
{
    return 0;
}

bool gregisterSource::registersDeleted(const gregisterSet&) { return false; }

const gstr& gdigitalRegisterSource::getValueName(uint32_t) const
{
    static const gstr none("");
    return none;
}

bool gdigitalRegisterSource::getValueNames(std::map<uint32_t, gstr>&) const { return false; }

int ganalogRegisterSource::hasGreaterLess() const { return 0; }

int32_t ganalogRegisterSource::getElementCount() const { return 0; }
