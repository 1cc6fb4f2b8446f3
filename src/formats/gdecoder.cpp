#include "formats/gdecoder.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gdecoder* gdecoder::create(int token)
{
    switch (gcoderKind::fromToken(token)) {
    case gcoderKind::bistate: return new gdecoderBistate;
    case gcoderKind::digitalNumber: return new gdecoderDigitalNumber;
    case gcoderKind::digitalStrings: return new gdecoderDigitalStrings;
    case gcoderKind::analogNumber: return new gdecoderAnalogNumber;
    case gcoderKind::string: return new gdecoderString;
    default: return nullptr;
    }
}

void gdecoder::writeHeader(CObjectFile& file, int) const
{
    gkeyword::byToken(gcoderKind::keywordToken(getKind())).writeValue(file, 1);
}

gloadStatus gdecoder::afterRecord(gloadStatus recordStatus, int token, gstr& value)
{
    return recordStatus == gload::unknownKeyword ? gstorable::loadField(token, value) : recordStatus;
}

gloadStatus gdecoderBistate::loadField(int token, gstr& value)
{
    return afterRecord(record_.loadField(token, value), token, value);
}

gloadStatus gdecoderDigitalNumber::loadField(int token, gstr& value)
{
    return afterRecord(record_.readKeyword(token, value, false), token, value);
}

gloadStatus gdecoderDigitalStrings::loadField(int token, gstr& value)
{
    return afterRecord(record_.loadKeyword(token, value), token, value);
}

gloadStatus gdecoderAnalogNumber::loadField(int token, gstr& value)
{
    return afterRecord(record_.readKeyword(token, value, false), token, value);
}

gloadStatus gdecoderString::loadField(int token, gstr& value)
{
    return afterRecord(record_.readKeyword(token, value), token, value);
}
