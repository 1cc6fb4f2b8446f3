#include "registers/sources/gregisterSourceFactory.h"

#include "foundation/valueParsers.h"
#include "registers/sources/gsourceCarried.h"
#include "registers/sources/gsourceType.h"
#include "registers/sources/legacyDeviceSources.h"
#include "store/gkeyword.h"

std::unique_ptr<gregisterSource> makeRegisterSource(int classCode, int typeCode, gregisterSupplement& owner)
{
    if (!classAcceptsSourceType(classCode, typeCode))
        return nullptr;
    if (auto legacy = makeLegacyDeviceSource(classCode, typeCode, owner))
        return legacy;
    switch (classCode) {
    case 1: return std::make_unique<gsourceCarried<gbistateRegisterSource>>(owner, typeCode);
    case 2: return std::make_unique<gsourceCarried<gdigitalRegisterSource>>(owner, typeCode);
    case 3: return std::make_unique<gsourceCarried<ganalogRegisterSource>>(owner, typeCode);
    default: return std::make_unique<gsourceCarried<gstringRegisterSource>>(owner, typeCode);
    }
}

gloadStatus readSourceLine(int classCode, const gstr& value, gregisterSupplement& owner,
                           std::unique_ptr<gregisterSource>& made)
{
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    made = makeRegisterSource(classCode, sourceTypeOfKeyword(classCode, token), owner);
    return made ? gload::accepted : gload::invalidValue;
}
