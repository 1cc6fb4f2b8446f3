#include "registers/sources/ui/sourcePaneFactory.h"

#include "registers/gregister.h"
#include "registers/gregisterSupplement.h"
#include "registers/sources/gregisterSource.h"
#include "registers/sources/gsourceType.h"
#include "registers/sources/ui/CSourcePane.h"
#include "store/gobjectType.h"

#include <gtest/gtest.h>

namespace {

const gobjectType& typeOfClass(int classCode)
{
    switch (classCode) {
    case 1: return objectTypes::bistateRegister();
    case 2: return objectTypes::digitalRegister();
    case 3: return objectTypes::analogRegister();
    default: return objectTypes::stringRegister();
    }
}

// Every kind a class offers has a pane, empty or for a source of the kind;
// a kind of another class has none.
TEST(sourcePaneFactory, EveryOfferedKindHasAPane)
{
    for (int classCode = 1; classCode <= 4; ++classCode) {
        gregister reg;
        reg.setClass(typeOfClass(classCode));
        for (int code : sourceTypesOfClass(classCode)) {
            EXPECT_NE(createSourcePane(classCode, code), nullptr) << classCode << ' ' << code;
            gregisterSource* source = reg.getSupplement()->newSource(code);
            ASSERT_NE(source, nullptr);
            EXPECT_NE(createSourcePaneFor(*source), nullptr) << classCode << ' ' << code;
        }
        EXPECT_EQ(createSourcePane(classCode, 0), nullptr);
        EXPECT_EQ(createSourcePane(classCode, classCode == 3 ? 10 : 16), nullptr);
    }
}

} // namespace
