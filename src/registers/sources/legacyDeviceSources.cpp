#include "registers/sources/legacyDeviceSources.h"

#include "registers/sources/gsourceLegacyBitCollection.h"
#include "registers/sources/gsourceLegacyBitMask.h"
#include "registers/sources/gsourceLegacyDirect.h"
#include "registers/sources/gsourceLegacyFilter.h"
#include "registers/sources/gsourceLegacyLevel.h"
#include "registers/sources/gsourceLegacyLiteral.h"
#include "registers/sources/gsourceLegacyProcessor.h"
#include "registers/sources/gsourceLegacyStrings.h"
#include "registers/sources/gsourceLegacyThresholds.h"

namespace {

std::unique_ptr<gregisterSource> makeProcessor(int classCode, gregisterSupplement& owner)
{
    switch (classCode) {
    case 1: return std::make_unique<gsourceLegacyProcessorBistate>(owner);
    case 2: return std::make_unique<gsourceLegacyProcessorDigital>(owner);
    case 3: return std::make_unique<gsourceLegacyProcessorAnalog>(owner);
    case 4: return std::make_unique<gsourceLegacyProcessorString>(owner);
    default: return nullptr;
    }
}

} // namespace

std::unique_ptr<gregisterSource> makeLegacyDeviceSource(int classCode, int typeCode, gregisterSupplement& owner)
{
    switch (typeCode) {
    case 20: return std::make_unique<gsourceLegacyBitMask>(owner);
    case 22: return std::make_unique<gsourceLegacyDirect>(owner);
    case 23: return std::make_unique<gsourceLegacyThresholds>(owner);
    case 24: return std::make_unique<gsourceLegacyStrings>(owner);
    case 25: return std::make_unique<gsourceLegacyBitCollection>(owner);
    case 26: return std::make_unique<gsourceLegacyLevel>(owner);
    case 27: return std::make_unique<gsourceLegacyLiteral>(owner);
    case 28: return std::make_unique<gsourceLegacyFilter>(owner);
    case 29: return makeProcessor(classCode, owner);
    default: return nullptr;
    }
}
