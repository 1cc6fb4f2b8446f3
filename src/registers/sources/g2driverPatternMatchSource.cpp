#include "registers/sources/g2driverPatternMatchSource.h"

#include "foundation/valueParsers.h"
#include "store/gkeyword.h"
#include "store/keywordLines.h"

g2driverPatternMatchSource::g2driverPatternMatchSource(const g2driverPatternMatchSource& other,
                                                       const g2driverSourceTables& tables)
    : g2driverDerivedDataSource(other, tables), pattern_(other.pattern_), invert_(other.invert_)
{
}

std::unique_ptr<g2driverDataSource> g2driverPatternMatchSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverPatternMatchSource(*this, tables));
}

int g2driverPatternMatchSource::kindKeyword() const { return kw::PATTERN; }

void g2driverPatternMatchSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverDerivedDataSource::writeFields(file, indent);
    if (pattern_.isSet()) {
        gkeyword::byToken(kw::PATTERN).writeKey(file, indent);
        pattern_.write(file, 1);
    }
    if (invert_ == 1)
        writeKeywordLine(file, indent, kw::INVERT, kw::YES);
}

gloadStatus g2driverPatternMatchSource::loadField(int token, gstr& value)
{
    if (token == kw::INVERT)
        return loadBooleanKeyword(value, invert_, kw::YES, kw::NO);
    if (token != kw::PATTERN)
        return g2driverDerivedDataSource::loadField(token, value);
    if (pattern_.isSet())
        return gload::alreadyLoaded;
    return pattern_.parse(value.data(), false, false) == itemResult::end ? gload::accepted : gload::invalidValue;
}

void g2driverPatternMatchSource::afterLoad()
{
    g2driverDerivedDataSource::afterLoad();
    if (invert_ == -1)
        invert_ = 0;
    requireObjectKind(4);
}

bool g2driverPatternMatchSource::isComplete() const
{
    return g2driverDerivedDataSource::isComplete() && pattern_.isSet();
}
