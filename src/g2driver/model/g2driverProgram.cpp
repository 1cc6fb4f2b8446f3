#include "g2driver/model/g2driverProgram.h"

#include "g2driver/model/g2driverFieldReaders.h"
#include "store/gkeyword.h"

void g2driverProgram::writeHeader(CObjectFile& file, int indent) const
{
    writeStringLine(file, indent, kw::PROGRAM, getName());
}

void g2driverProgram::writeFields(CObjectFile& file, int indent) const
{
    body_.writeCoders(file, indent);
    if (internal_ == 1)
        writeKeywordLine(file, indent, kw::INTERNAL, kw::YES);
}

gloadStatus g2driverProgram::loadField(int token, gstr& value)
{
    if (token == kw::INTERNAL)
        return loadBooleanKeyword(value, internal_, kw::YES, kw::NO);
    gloadStatus status = body_.loadCoderLine(token, value, *this);
    return status == gload::unknownKeyword ? gstorable::loadField(token, value) : status;
}

void g2driverProgram::afterLoad()
{
    if (internal_ == -1)
        internal_ = 0;
    setDefined(1);
}
