#include "registers/sources/g2driverMultipleSource.h"

#include "g2driver/model/g2driverDataObject.h"
#include "store/gkeyword.h"
#include "store/keywordLines.h"

namespace {

constexpr int sourcesText = 20065;

} // namespace

std::unique_ptr<g2driverDataSource> g2driverMultipleSource::clone(const g2driverSourceTables& tables) const
{
    auto copy = std::make_unique<g2driverMultipleSource>();
    for (const auto& member : members_)
        copy->members_.push_back(member->clone(tables));
    copy->autoMask_ = autoMask_;
    return copy;
}

gstr g2driverMultipleSource::describe() const
{
    if (members_.size() == 1)
        return members_.front()->describe();
    gstr text;
    text.format(sourcesText, static_cast<uint32_t>(members_.size()));
    return text;
}

bool g2driverMultipleSource::hasGreaterLessSymbols() const
{
    for (const auto& member : members_) {
        if (member->hasGreaterLessSymbols())
            return true;
    }
    return false;
}

void g2driverMultipleSource::setOwner(g2driverDataObject* owner, g2driverParameterTable& parameters)
{
    g2driverDataSource::setOwner(owner, parameters);
    for (const auto& member : members_)
        member->setOwner(owner, parameters);
}

void g2driverMultipleSource::bindDriver(g2driver* driver)
{
    for (const auto& member : members_)
        member->bindDriver(driver);
}

void g2driverMultipleSource::collectUses(gusesList& uses)
{
    for (const auto& member : members_)
        member->collectUses(uses);
}

void g2driverMultipleSource::resolveReferences()
{
    for (const auto& member : members_)
        member->resolveReferences();
}

int g2driverMultipleSource::kindKeyword() const { return kw::MULTIPLE; }

void g2driverMultipleSource::writeFields(CObjectFile& file, int indent) const
{
    if (autoMask_ == 1)
        writeKeywordLine(file, indent, kw::AUTO_MASK, kw::ALL);
    for (const auto& member : members_)
        member->writeEmbedded(file, indent);
}

gloadStatus g2driverMultipleSource::loadField(int token, gstr& value)
{
    if (token == kw::AUTO_MASK)
        return loadBooleanKeyword(value, autoMask_, kw::ALL, kw::SINGLE);
    if (token == kw::SOURCE)
        return loadMember(value);
    return g2driverDataSource::loadField(token, value);
}

gloadStatus g2driverMultipleSource::loadMember(const gstr& value)
{
    g2driverDataObject* owner = getOwner();
    if (!owner)
        return gload::invalidValue;
    std::unique_ptr<g2driverDataSource> member = create(value, *owner, false);
    if (!member)
        return gload::invalidValue;
    members_.push_back(std::move(member));
    loadEmbeddedObject(members_.back().get());
    return gload::accepted;
}

void g2driverMultipleSource::afterLoad()
{
    if (autoMask_ == -1)
        autoMask_ = 0;
}
