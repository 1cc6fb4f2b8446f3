#include "g2driver/model/g2driverCommand.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int commandInDriver = 20011;
constexpr int commandAlone = 20010;

} // namespace

void g2driverCommand::setTemplate(g2driverCommandTemplate* commandTemplate)
{
    template_ = commandTemplate;
    templateUses_.clear();
    if (commandTemplate)
        templateUses_.add(commandTemplate->usedBy());
}

void g2driverCommand::describeReferrer(gstr& text) const
{
    gstr line;
    if (driver_)
        line.format(commandInDriver, getName(), driver_->getTitle(true));
    else
        line.format(commandAlone, getName());
    text.append(line);
}

void g2driverCommand::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::COMMAND).writeKey(file, indent);
    getName().write(file, 1);
}

void g2driverCommand::writeFields(CObjectFile& file, int indent) const
{
    parameters_.writeLines(file, indent);
    if (!template_)
        return;
    gkeyword::byToken(kw::CR_TEMPLATE).writeKey(file, indent);
    template_->getName().write(file, 1);
    if (template_->getBufferSize() <= 0)
        return;
    if (timeout_.isSet()) {
        gkeyword::byToken(kw::TIMEOUT).writeKey(file, indent);
        timeout_.writeSeconds(file, 1);
    }
    if (bufferSize_ > 0) {
        gkeyword::byToken(kw::BUFFER_SIZE).writeKey(file, indent);
        file.writeInt(bufferSize_, 1);
    }
}

gloadStatus g2driverCommand::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::PARAMETER: return parameters_.readLine(value, g2parameterScope::command, 0);
    case kw::INTERNAL_PARAM: return parameters_.readLine(value, g2parameterScope::command, 1);
    case kw::CR_TEMPLATE: {
        if (template_)
            return gload::alreadyLoaded;
        gstr tag;
        if (!driver_ || !tag.parseValue(value.data()) || tag.isEmpty())
            return gload::invalidValue;
        setTemplate(driver_->referenceTemplate(tag));
        return gload::accepted;
    }
    case kw::TIMEOUT:
        if (timeout_.isSet())
            return gload::alreadyLoaded;
        return timeout_.parseSeconds(value.data()) == itemResult::end ? gload::accepted : gload::invalidValue;
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
