#include "g2driver/model/g2driverCommandTemplate.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

g2driverCommandTemplate::g2driverCommandTemplate() = default;

g2driverCommandTemplate::~g2driverCommandTemplate() { defaultValues_.deleteAll(); }

void g2driverCommandTemplate::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::CR_TEMPLATE).writeKey(file, indent);
    getName().write(file, 1);
}

void g2driverCommandTemplate::writeFields(CObjectFile& file, int indent) const
{
    parameters_.writeLines(file, indent);
    if (time_.isSet() && time_.get() != 0) {
        gkeyword::byToken(kw::DELAY).writeKey(file, indent);
        time_.writeSeconds(file, 1);
    }
    if (bufferSize_ != 0) {
        gkeyword::byToken(kw::BUFFER_SIZE).writeKey(file, indent);
        file.writeInt(bufferSize_, 1);
    }
}

gloadStatus g2driverCommandTemplate::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::PARAMETER: return parameters_.readLine(value, g2parameterScope::templateOf, 0);
    case kw::DELAY:
        if (time_.isSet())
            return gload::alreadyLoaded;
        return time_.parseSeconds(value.data()) == itemResult::end ? gload::accepted : gload::invalidValue;
    case kw::BUFFER_SIZE: {
        if (bufferSize_ != 0)
            return gload::alreadyLoaded;
        int32_t size = 0;
        if (parseIntItem(value.data(), size) != itemResult::end || size < 1)
            return gload::invalidValue;
        bufferSize_ = size;
        return gload::accepted;
    }
    default: return gstorable::loadField(token, value);
    }
}

void g2driverCommandTemplate::afterLoad()
{
    if (!time_.isSet())
        time_.set(0);
    setDefined(1);
}
