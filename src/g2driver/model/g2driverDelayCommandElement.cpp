#include "g2driver/model/g2driverDelayCommandElement.h"

#include "foundation/valueParsers.h"
#include "ports/g2driverCommandOutput.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int delayText = 20228;

} // namespace

void g2driverDelayCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::DELAY);
}

void g2driverDelayCommandElement::writeFields(CObjectFile& file, int indent) const
{
    if (!delay_.isSet())
        return;
    gkeyword::byToken(kw::DELAY).writeKey(file, indent);
    delay_.writeSeconds(file, 1);
}

gloadStatus g2driverDelayCommandElement::loadField(int token, gstr& value)
{
    if (token != kw::DELAY)
        return g2driverCommandElement::loadField(token, value);
    if (delay_.isSet())
        return gload::alreadyLoaded;
    gmilliseconds pause;
    if (pause.parseSeconds(value.data()) != itemResult::end || pause.get() == 0)
        return gload::invalidValue;
    delay_ = pause;
    return gload::accepted;
}

gstr g2driverDelayCommandElement::describe() const
{
    gstr text;
    text.format(delayText, delay_.isSet() ? delay_.get() * 0.001 : 0.0);
    return text;
}

g2driverCommandElement* g2driverDelayCommandElement::duplicate(g2driverParameterTable&, g2driverProgramTable*) const
{
    return new g2driverDelayCommandElement(*this);
}

g2driverCommandElement* g2driverDelayCommandElement::cloneForTemplate(g2driverParameterTable&,
                                                                       g2driverParameterTable&,
                                                                       g2driverCommandDataNameTable&,
                                                                       g2driverProgramTable*) const
{
    return new g2driverDelayCommandElement(*this);
}

void g2driverDelayCommandElement::encode(g2driverCommandBuilder&, int pass, g2driverCommandOutput& output)
{
    if (pass == 1)
        output.addSegment(gstrSlice::empty, delay_);
}
