#include "registers/sources/g2driverSearchStringSource.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/keywordLines.h"

g2driverSearchStringSource::g2driverSearchStringSource(const g2driverSearchStringSource& other,
                                                       const g2driverSourceTables& tables)
    : g2driverCommandDataSource(other, tables), searchString_(other.searchString_), invert_(other.invert_),
      length_(other.length_)
{
}

std::unique_ptr<g2driverDataSource> g2driverSearchStringSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverSearchStringSource(*this, tables));
}

int g2driverSearchStringSource::kindKeyword() const { return kw::V_SEARCH_STRING; }

void g2driverSearchStringSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverCommandDataSource::writeFields(file, indent);
    if (searchString_.isSet()) {
        gkeyword::byToken(kw::SEARCH_STRING).writeKey(file, indent);
        searchString_.write(file, 1);
    }
    if (invert_ == 1)
        writeKeywordLine(file, indent, kw::INVERT, kw::YES);
    writeLength(file, indent, length_);
}

gloadStatus g2driverSearchStringSource::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::INVERT: return loadBooleanKeyword(value, invert_, kw::YES, kw::NO);
    case kw::LENGTH: return loadLength(value, length_);
    case kw::SEARCH_STRING:
        if (searchString_.isSet())
            return gload::alreadyLoaded;
        return searchString_.parse(value.data(), false, false) == itemResult::end ? gload::accepted
                                                                                  : gload::invalidValue;
    default: return g2driverCommandDataSource::loadField(token, value);
    }
}

void g2driverSearchStringSource::afterLoad()
{
    if (invert_ == -1)
        invert_ = 0;
    g2driverCommandDataSource::afterLoad();
}

bool g2driverSearchStringSource::isComplete() const
{
    return g2driverCommandDataSource::isComplete() && searchString_.isSet();
}
