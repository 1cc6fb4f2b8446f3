#include "registers/gexponentFormat.h"

#include "foundation/valueParsers.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

void gexponentFormat::writeHeader(CObjectFile& file, int indent) const
{
    writeTextLine(file, indent, kw::EXPONENT, marker_);
}

void gexponentFormat::writeFields(CObjectFile& file, int indent) const
{
    if (digits_ > 1) {
        gkeyword::byToken(kw::WIDTH).writeKey(file, indent);
        file.writeInt(digits_, 1);
    }
    if (plusSign_ == 1)
        writeKeywordLine(file, indent, kw::PLUS_SIGN, kw::YES);
}

gloadStatus gexponentFormat::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::WIDTH: {
        if (digits_ != 0)
            return gload::alreadyLoaded;
        int32_t digits = 0;
        if (parseIntItem(value.data(), digits) != itemResult::end || digits < 0)
            return gload::invalidValue;
        digits_ = digits;
        return gload::accepted;
    }
    case kw::PLUS_SIGN: return loadBooleanKeyword(value, plusSign_, kw::YES, kw::NO);
    default: return gstorable::loadField(token, value);
    }
}

void gexponentFormat::afterLoad()
{
    if (digits_ == 0)
        digits_ = 1;
    if (plusSign_ == -1)
        plusSign_ = 0;
}
