#include "formats/gonOffPatterns.h"

#include "foundation/gregexpMatch.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

void writePattern(CObjectFile& file, int indent, int token, const gregexp& pattern)
{
    if (!pattern.isSet())
        return;
    gkeyword::byToken(token).writeKey(file, indent);
    pattern.write(file, 1);
}

} // namespace

void gonOffPatterns::writeFields(CObjectFile& file, int indent) const
{
    writePattern(file, indent, kw::ON_STRING, on_);
    writePattern(file, indent, kw::OFF_STRING, off_);
}

gloadStatus gonOffPatterns::loadField(int token, const gstr& value)
{
    gregexp* target = token == kw::OFF_STRING ? &off_ : token == kw::ON_STRING ? &on_ : nullptr;
    if (!target)
        return gload::unknownKeyword;
    if (target->isSet())
        return gload::alreadyLoaded;
    return target->parse(value.data(), false, false) == itemResult::end ? gload::accepted : gload::invalidValue;
}

bool gonOffPatterns::match(const char*& cursor, const char* end, int& state) const
{
    if (end < cursor)
        return false;
    auto length = static_cast<int32_t>(end - cursor);
    gregexpMatch matcher;
    for (int tried = 0; tried < 2; ++tried) {
        const gregexp& pattern = tried == 0 ? off_ : on_;
        if (pattern.isSet() && matcher.match(pattern, cursor, length, true, gregexpMode::shortest)) {
            state = tried;
            cursor = matcher.end(0);
            return true;
        }
    }
    return false;
}
