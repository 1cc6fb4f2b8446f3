#include "registers/sources/gsourceLegacySearchString.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/keywordLines.h"

std::unique_ptr<gregisterSource> gsourceLegacySearchString::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceLegacySearchString>(owner, *this);
    copy->searchString_ = searchString_;
    copy->invert_ = invert_;
    return copy;
}

void gsourceLegacySearchString::writeFields(CObjectFile& file, int indent) const
{
    gsourceLegacyLocated::writeFields(file, indent);
    if (searchString_.isSet()) {
        gkeyword::byToken(kw::SEARCH_STRING).writeKey(file, indent);
        searchString_.write(file, 1);
    }
    if (invert_ != 0)
        writeKeywordLine(file, indent, kw::INVERT, kw::YES);
}

gloadStatus gsourceLegacySearchString::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::INVERT: return loadBooleanKeyword(value, invert_, kw::YES, kw::NO);
    case kw::SEARCH_STRING:
        if (searchString_.isSet())
            return gload::alreadyLoaded;
        return searchString_.parse(value.data(), false, false) == 1 ? gload::accepted : gload::invalidValue;
    default: return gsourceLegacyLocated::loadField(token, value);
    }
}

void gsourceLegacySearchString::afterLoad()
{
    if (invert_ == -1)
        invert_ = 0;
    gsourceLegacyLocated::afterLoad();
}

bool gsourceLegacySearchString::isComplete() const
{
    return searchString_.isSet() && gsourceLegacyLocated::isComplete();
}
