#include "registers/sources/g2driverValueListSource.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/keywordLines.h"

g2driverValueListSource::g2driverValueListSource(const g2driverValueListSource& other,
                                                 const g2driverSourceTables& tables)
    : g2driverDerivedDataSource(other, tables), values_(other.values_), invert_(other.invert_)
{
}

std::unique_ptr<g2driverDataSource> g2driverValueListSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverValueListSource(*this, tables));
}

int g2driverValueListSource::kindKeyword() const { return kw::V_VALUE_LIST; }

void g2driverValueListSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverDerivedDataSource::writeFields(file, indent);
    if (!values_.empty()) {
        gkeyword::byToken(kw::VALUES).writeKey(file, indent);
        for (size_t i = 0; i < values_.size(); ++i)
            file.writeUnsigned(values_[i], i + 1 == values_.size() ? 1 : 2);
    }
    if (invert_ == 1)
        writeKeywordLine(file, indent, kw::INVERT, kw::YES);
}

gloadStatus g2driverValueListSource::loadField(int token, gstr& value)
{
    if (token == kw::INVERT)
        return loadBooleanKeyword(value, invert_, kw::YES, kw::NO);
    if (token == kw::VALUES)
        return loadValues(value);
    return g2driverDerivedDataSource::loadField(token, value);
}

gloadStatus g2driverValueListSource::loadValues(const gstr& value)
{
    if (!values_.empty())
        return gload::alreadyLoaded;
    const char* cursor = value.data();
    for (;;) {
        uint32_t number = 0;
        int result = parseUnsignedItem(cursor, number, cursor);
        if (result == itemResult::error)
            return gload::invalidValue;
        values_.push_back(number);
        if (result == itemResult::end)
            return gload::accepted;
    }
}

void g2driverValueListSource::afterLoad()
{
    g2driverDerivedDataSource::afterLoad();
    if (invert_ == -1)
        invert_ = 0;
    requireObjectKind(2);
}

bool g2driverValueListSource::isComplete() const
{
    return g2driverDerivedDataSource::isComplete() && !values_.empty();
}
