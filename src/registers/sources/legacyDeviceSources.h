#pragma once

#include <memory>

class gregisterSource;
class gregisterSupplement;

// The empty legacy-device source of a type code (20 and 22 to 29) for a
// supplement of the register class; null for any other code. The search
// string source (21) is not among them.
std::unique_ptr<gregisterSource> makeLegacyDeviceSource(int classCode, int typeCode, gregisterSupplement& owner);
