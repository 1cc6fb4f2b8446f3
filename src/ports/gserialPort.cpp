#include "ports/gserialPort.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

namespace {

constexpr int serialPortDescription = 20174;

} // namespace

gserialPort::gserialPort(const gserialPort& other)
    : gtitledObject(other), greferrer(other), messageControl_(other.messageControl_),
      linkedPort_(other.linkedPort_)
{
    linkMessageControl();
}

const gobjectType* gserialPort::getObjectType() const { return &objectTypes::serialPort(); }

void gserialPort::describeReferrer(gstr& text) const
{
    gstr line;
    text.append(line.format(serialPortDescription, getTitle(true)));
}

void gserialPort::setMessageControl(const gprocessorCall& call)
{
    messageControl_.assign(call);
    linkMessageControl();
}

void gserialPort::linkMessageControl()
{
    messageControlUses_.clear();
    if (gprogramUsedByList* program = messageControl_.getProgram())
        messageControlUses_.add(*program);
}

void gserialPort::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    if (messageControl_.isSet()) {
        gkeyword::byToken(kw::MESSAGE_CONTROL).writeIndented(file, indent);
        file.newLine();
        messageControl_.writeEmbedded(file, indent);
    }
    if (linkedPort_) {
        gkeyword::byToken(kw::PORT).writeKey(file, indent);
        linkedPort_->getTag().write(file, 1);
    }
}

gloadStatus gserialPort::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::MESSAGE_CONTROL:
        if (messageControl_.isSet())
            return gload::alreadyLoaded;
        if (!value.isEmpty())
            return gload::invalidValue;
        loadEmbeddedObject(&messageControl_);
        return gload::accepted;
    case kw::PORT: {
        if (linkedPort_)
            return gload::alreadyLoaded;
        gstr tag;
        if (!tag.parseValue(value.data()) || tag.isEmpty())
            return gload::invalidValue;
        linkedPort_ = station::serialPorts().reference(tag);
        return gload::accepted;
    }
    default: return gtitledObject::loadField(token, value);
    }
}

void gserialPort::afterLoad()
{
    linkMessageControl();
    gtitledObject::afterLoad();
}
