#include "store/gstorable.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

void gstorable::writeFields(CObjectFile&, int) const {}

gloadStatus gstorable::loadField(int token, gstr& value)
{
    if (token != kw::END)
        return gload::unknownKeyword;
    if (!value.isEmpty())
        return gload::invalidValue;
    afterLoad();
    return isComplete() ? gload::finished : gload::incomplete;
}

void gstorable::afterLoad() {}

bool gstorable::isComplete() const { return true; }

void gstorable::loadEmbeddedObject(gstorable* target)
{
    if (target_)
        throw gfault("target not NULL in gstorable::loadEmbeddedObject()");
    target_ = target;
}

// Walks down to the innermost target instead of recursing, so that no depth
// of nesting a file can build exhausts the stack.
gloadStatus gstorable::loadLine(int token, gstr& value)
{
    gstorable* outer = nullptr;
    gstorable* object = this;
    while (object->target_) {
        outer = object;
        object = object->target_;
    }
    gloadStatus status = object->loadField(token, value);
    if (outer && status == gload::finished) {
        outer->target_ = nullptr;
        return gload::accepted;
    }
    return status;
}

void gstorable::writeEmbedded(CObjectFile& file, int indent) const
{
    writeHeader(file, indent);
    writeFields(file, indent + 1);
    gkeyword::byToken(kw::END).writeIndented(file, indent);
    file.newLine();
}

gloadStatus loadBooleanKeyword(const gstr& value, int32_t& field, int trueToken, int falseToken)
{
    if (field != -1)
        return gload::alreadyLoaded;
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    if (token == trueToken) {
        field = 1;
        return gload::accepted;
    }
    if (token == falseToken) {
        field = 0;
        return gload::accepted;
    }
    return gload::invalidValue;
}

void gbitMaskSetting::write(CObjectFile& file, int indent) const
{
    if (mask != 0) {
        gkeyword::byToken(kw::MASK).writeKey(file, indent);
        file.writeUnsigned(mask, secondMask != 0 ? 2 : 1);
        if (secondMask != 0)
            file.writeUnsigned(secondMask, 1);
    }
    if (invert > 0) {
        gkeyword::byToken(kw::INVERT).writeKey(file, indent);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
}

gloadStatus gbitMaskSetting::loadField(int token, const gstr& value)
{
    if (token == kw::INVERT)
        return loadBooleanKeyword(value, invert, kw::YES, kw::NO);
    if (token != kw::MASK)
        return gload::unknownKeyword;
    if (mask != 0)
        return gload::alreadyLoaded;
    const char* next = nullptr;
    uint32_t first = 0;
    int result = parseUnsignedItem(value.data(), first, next);
    if (result == itemResult::error || first == 0)
        return gload::invalidValue;
    uint32_t second = 0;
    if (result == itemResult::comma && parseUnsignedItem(next, second) != itemResult::end)
        return gload::invalidValue;
    mask = first;
    secondMask = second;
    return gload::accepted;
}
