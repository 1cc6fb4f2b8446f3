#include "scl/gsclProgram.h"

#include "store/gobjectType.h"
#include "store/gkeyword.h"

const gobjectType* gsclProgram::getObjectType() const { return &objectTypes::program(); }

void gsclProgram::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    body_.writeCoders(file, indent);
}

gloadStatus gsclProgram::loadField(int token, gstr& value)
{
    if (token == kw::DECODER || token == kw::ENCODER)
        return body_.loadCoderLine(token, value, *this);
    return gtitledObject::loadField(token, value);
}
