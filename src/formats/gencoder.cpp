#include "formats/gencoder.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gencoder* gencoder::create(int token)
{
    switch (gcoderKind::fromToken(token)) {
    case gcoderKind::bistate: return new gencoderBistate;
    case gcoderKind::digitalNumber: return new gencoderDigitalNumber;
    case gcoderKind::digitalStrings: return new gencoderDigitalStrings;
    case gcoderKind::analogNumber: return new gencoderAnalogNumber;
    case gcoderKind::string: return new gencoderString;
    default: return nullptr;
    }
}

void gencoder::writeHeader(CObjectFile& file, int) const
{
    gkeyword::byToken(gcoderKind::keywordToken(getKind())).writeValue(file, 1);
}

gloadStatus gencoder::afterRecord(gloadStatus recordStatus, int token, gstr& value)
{
    return recordStatus == gload::unknownKeyword ? gstorable::loadField(token, value) : recordStatus;
}

gloadStatus gencoderBistate::loadField(int token, gstr& value)
{
    return afterRecord(record_.loadField(token, value), token, value);
}

gloadStatus gencoderDigitalNumber::loadField(int token, gstr& value)
{
    return afterRecord(record_.loadField(token, value, false), token, value);
}

gloadStatus gencoderDigitalStrings::loadField(int token, gstr& value)
{
    return afterRecord(record_.loadField(token, value), token, value);
}

gloadStatus gencoderAnalogNumber::loadField(int token, gstr& value)
{
    return afterRecord(record_.loadField(token, value), token, value);
}

gloadStatus gencoderString::loadField(int token, gstr& value)
{
    return afterRecord(record_.loadField(token, value), token, value);
}
