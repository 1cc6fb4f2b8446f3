#pragma once

#include "screens/model/gimage.h"
#include "store/gobjectType.h"
#include "store/gstationState.h"
#include "store/jhashDatabaseTable.h"
#include "storeFiles.h"

#include <gtest/gtest.h>

#include <vector>

// Every test of the store starts and ends with an empty station.
class emptyStation : public testing::Test {
protected:
    void SetUp() override { emptyAll(); }
    void TearDown() override { emptyAll(); }

    static void emptyAll()
    {
        for (const gobjectType* t : allTypes()) {
            t->stationTable().deleteAll();
            if (t->libraryTable())
                t->libraryTable()->deleteAll();
        }
        // Images a loaded station handed to the image table go with it.
        removeStationImages();
        stationState() = gstationState{};
    }

    static std::vector<const gobjectType*> allTypes()
    {
        return {&objectTypes::image(),           &objectTypes::screen(),          &objectTypes::legacyDriver(),
                &objectTypes::legacyMask(),      &objectTypes::bistateRegister(), &objectTypes::digitalRegister(),
                &objectTypes::analogRegister(),  &objectTypes::stringRegister(),  &objectTypes::serialPort(),
                &objectTypes::legacyParameter(), &objectTypes::program(),         &objectTypes::request(),
                &objectTypes::g2Driver()};
    }
};
