#include "registers/sources/g2driverStringSource.h"

#include "foundation/valueParsers.h"
#include "store/gkeyword.h"

g2driverStringSource::g2driverStringSource(const g2driverStringSource& other, const g2driverSourceTables& tables)
    : g2driverCommandDataSource(other, tables), match_(other.match_)
{
}

std::unique_ptr<g2driverDataSource> g2driverStringSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverStringSource(*this, tables));
}

int g2driverStringSource::kindKeyword() const { return kw::STRING; }

void g2driverStringSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverCommandDataSource::writeFields(file, indent);
    match_.write(file, indent);
}

gloadStatus g2driverStringSource::loadField(int token, gstr& value)
{
    gloadStatus status = match_.readKeyword(token, value);
    if (status != gload::unknownKeyword)
        return status;
    return g2driverCommandDataSource::loadField(token, value);
}

bool g2driverStringSource::isComplete() const
{
    return g2driverCommandDataSource::isComplete() && match_.pattern().isSet();
}

g2driverFilterSource::g2driverFilterSource(const g2driverFilterSource& other, const g2driverSourceTables& tables)
    : g2driverStringSource(other, tables), allowed_(other.allowed_)
{
}

std::unique_ptr<g2driverDataSource> g2driverFilterSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverFilterSource(*this, tables));
}

int g2driverFilterSource::kindKeyword() const { return kw::FILTER; }

void g2driverFilterSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverStringSource::writeFields(file, indent);
    for (const gregexp& pattern : allowed_) {
        gkeyword::byToken(kw::ALLOW).writeKey(file, indent);
        pattern.write(file, 1);
    }
}

gloadStatus g2driverFilterSource::loadField(int token, gstr& value)
{
    if (token != kw::ALLOW)
        return g2driverStringSource::loadField(token, value);
    gregexp pattern(false);
    if (pattern.parse(value.data(), false, false) != itemResult::end)
        return gload::invalidValue;
    allowed_.push_back(std::move(pattern));
    return gload::accepted;
}

bool g2driverFilterSource::isComplete() const
{
    return g2driverStringSource::isComplete() && !allowed_.empty();
}
