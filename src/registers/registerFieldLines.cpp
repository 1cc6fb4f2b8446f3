#include "registers/registerFieldLines.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstorable.h"


void writeTextValue(CObjectFile& file, const gstrSlice& text, int ending)
{
    if (text.isEmpty()) {
        file.writeString("\"\"");
        file.writeEnding(ending);
        return;
    }
    text.write(file, ending);
}

void writeTextLine(CObjectFile& file, int indent, int keywordToken, const gstrSlice& text)
{
    gkeyword::byToken(keywordToken).writeKey(file, indent);
    writeTextValue(file, text, 1);
}

void writeMinimumChange(CObjectFile& file, int indent, double change)
{
    if (change > 0)
        writeRealLine(file, indent, kw::MIN_CHANGE, change);
    else if (change < 0)
        writeRealLine(file, indent, kw::MIN_CHANGE_DB, -change);
}

int loadRealField(double& field, double unset, const gstr& value)
{
    if (field != unset)
        return gload::alreadyLoaded;
    double read = 0;
    if (parseDoubleItem(value.data(), read) != itemResult::end || read == unset)
        return gload::invalidValue;
    field = read;
    return gload::accepted;
}

int loadMinimumChange(const gstr& value, bool dB, double& change)
{
    if (change != 0)
        return gload::alreadyLoaded;
    double read = 0;
    if (parseDoubleItem(value.data(), read) != itemResult::end || !(read > 0))
        return gload::invalidValue;
    change = dB ? -read : read;
    return gload::accepted;
}

int loadTextField(gstr& text, const gstr& value)
{
    if (!text.isNull())
        return gload::alreadyLoaded;
    gstr read;
    if (!read.parseValue(value.data()))
        return gload::invalidValue;
    text.adopt(read);
    return gload::accepted;
}

int parseLogModeItem(const char* text, int32_t& mode, const char*& next)
{
    static constexpr int keywords[] = {kw::NONE, kw::ALL, kw::ON_STATE, kw::OFF_STATE, kw::INCLUDE, kw::EXCLUDE};
    int token = -1;
    int result = parseKeywordItem(text, token, next);
    if (result == itemResult::error)
        return result;
    for (int i = 0; i < 6; ++i) {
        if (keywords[i] == token) {
            mode = i + 1;
            return result;
        }
    }
    return itemResult::error;
}
