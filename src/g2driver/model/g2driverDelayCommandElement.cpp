#include "g2driver/model/g2driverDelayCommandElement.h"

#include "g2driver/model/driverFields.h"
#include "ports/g2driverCommandOutput.h"
#include "store/CObjectFile.h"

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
    driverFields::elementDelay.write(file, indent, delay_);
}

gloadStatus g2driverDelayCommandElement::loadField(int token, gstr& value)
{
    if (token != kw::DELAY)
        return g2driverCommandElement::loadField(token, value);
    return driverFields::elementDelay.load(value, delay_);
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
