#include "registers/gregister.h"

#include "store/gobjectType.h"

void gregister::setObjectType(const gobjectType& type)
{
    if (!class_)
        class_ = &type;
}

int gregister::classCode(const gregister& reg)
{
    const gobjectType* kinds[] = {&objectTypes::bistateRegister(), &objectTypes::digitalRegister(),
                                  &objectTypes::analogRegister(), &objectTypes::stringRegister()};
    for (int i = 0; i < 4; ++i) {
        if (reg.class_ == kinds[i])
            return i + 1;
    }
    return 0;
}
