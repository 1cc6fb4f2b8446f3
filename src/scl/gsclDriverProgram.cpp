#include "scl/gsclDriverProgram.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"

void gsclDriverProgram::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::PROGRAM).writeKey(file, indent);
    programTag().write(file, 1);
}

void gsclDriverProgram::writeFields(CObjectFile& file, int indent) const
{
    gsclProgramBody::writeFields(file, indent);
    if (internal_ > 0) {
        gkeyword::byToken(kw::INTERNAL).writeKey(file, indent);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
}

gloadStatus gsclDriverProgram::loadField(int token, gstr& value)
{
    if (token == kw::INTERNAL)
        return loadBooleanKeyword(value, internal_, kw::YES, kw::NO);
    gloadStatus status = gsclProgramBody::loadField(*this, token, value);
    if (status != gload::unknownKeyword)
        return status;
    return gstorable::loadField(token, value);
}

void gsclDriverProgram::afterLoad()
{
    gsclProgramBody::afterLoad();
    if (internal_ == -1)
        internal_ = 0;
}
