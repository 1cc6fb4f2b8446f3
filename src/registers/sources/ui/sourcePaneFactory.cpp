#include "registers/sources/ui/sourcePaneFactory.h"

#include "registers/sources/gsourceType.h"
#include "registers/sources/ui/CCarriedSourcePane.h"

std::unique_ptr<CSourcePane> createSourcePane(int classCode, int typeCode)
{
    if (!classAcceptsSourceType(classCode, typeCode))
        return nullptr;
    return std::make_unique<CCarriedSourcePane>(classCode, typeCode);
}

std::unique_ptr<CSourcePane> createSourcePaneFor(const gregisterSource& source)
{
    return std::make_unique<CCarriedSourcePane>(source);
}
