#include "g2driver/model/g2driverCommandElement.h"

#include "foundation/gfault.h"
#include "g2driver/model/g2driverBitFieldCommandElement.h"
#include "g2driver/model/g2driverChecksumCommandElement.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverDataCommandElement.h"
#include "g2driver/model/g2driverDelayCommandElement.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "g2driver/model/g2driverFixedStringCommandElement.h"
#include "g2driver/model/g2driverLengthCommandElement.h"
#include "g2driver/model/g2driverParameterCommandElement.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int aCommandElement = 20012;

} // namespace

g2driverCommandElement* g2driverCommandElement::create(int token, bool allowData)
{
    switch (token) {
    case kw::V_FIXED_STRING: return new g2driverFixedStringCommandElement;
    case kw::DELAY: return new g2driverDelayCommandElement;
    case kw::BISTATE: return new g2driverBistateCommandElement;
    case kw::V_DIGITAL_NUMBER: return new g2driverDigitalNumberCommandElement;
    case kw::V_DIGITAL_STRINGS: return new g2driverDigitalStringsCommandElement;
    case kw::ANALOG: return new g2driverAnalogCommandElement;
    case kw::STRING: return new g2driverStringCommandElement;
    case kw::V_BIT_FIELD: return new g2driverBitFieldCommandElement;
    case kw::LENGTH: return new g2driverLengthCommandElement;
    case kw::CHECKSUM: return new g2driverChecksumCommandElement;
    case kw::DATA: return allowData ? new g2driverDataCommandElement : nullptr;
    default: return nullptr;
    }
}

g2driverCommandElement* g2driverCommandElement::duplicate(g2driverParameterTable&, g2driverProgramTable*) const
{
    throw gfault("g2driverCommandElement::duplicate was called");
}

void g2driverCommandElement::describeReferrer(gstr& text) const
{
    if (template_) {
        template_->describeReferrer(text);
        return;
    }
    gstr line;
    text.append(line.loadString(aCommandElement));
}

void g2driverCommandElement::writeKindHeader(CObjectFile& file, int indent, int kindToken)
{
    writeKeywordLine(file, indent, kw::COMMAND_ELEMENT, kindToken);
}
