#include "store/keywordLines.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"

void writeKeywordLine(CObjectFile& file, int indent, int keywordToken, int valueToken)
{
    gkeyword::byToken(keywordToken).writeKey(file, indent);
    gkeyword::byToken(valueToken).writeValue(file, 1);
}

void writeRealLine(CObjectFile& file, int indent, int keywordToken, double value)
{
    gkeyword::byToken(keywordToken).writeKey(file, indent);
    file.writeReal(value, 1);
}
