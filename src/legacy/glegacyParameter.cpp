#include "legacy/glegacyParameter.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"

const gobjectType* glegacyParameter::getObjectType() const { return &objectTypes::legacyParameter(); }

void glegacyParameter::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    if (defaultValue_.isNull())
        return;
    gkeyword::byToken(kw::DEFAULT).writeKey(file, indent);
    defaultValue_.write(file, 1);
}

gloadStatus glegacyParameter::loadField(int token, gstr& value)
{
    if (token != kw::DEFAULT)
        return gtitledObject::loadField(token, value);
    if (!defaultValue_.isNull())
        return gload::alreadyLoaded;
    gstr text;
    if (!text.parseValue(value.data()))
        return gload::invalidValue;
    defaultValue_.adopt(text);
    return gload::accepted;
}

void glegacyParameter::afterLoad()
{
    if (defaultValue_.isNull())
        defaultValue_.assign("");
    gtitledObject::afterLoad();
}
