#include "g2driver/model/g2driverValueLimitsSource.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverParameter.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/keywordLines.h"

namespace {

constexpr int limitTypeKeywords[] = {kw::INSIDE, kw::V_STRICTLY_INSIDE, kw::OUTSIDE, kw::V_STRICTLY_OUTSIDE};

void copyLimit(g2driverValueLimitsSource::limit& to, const g2driverValueLimitsSource::limit& from,
               gdataObjectRef::dataObjectTable& table)
{
    to.hasValue = from.hasValue;
    to.digital = from.digital;
    to.real = from.real;
    if (from.object)
        to.object = std::make_unique<gdataObjectRef>(*from.object, table);
}

} // namespace

g2driverValueLimitsSource::g2driverValueLimitsSource(const g2driverValueLimitsSource& other,
                                                     const g2driverSourceTables& tables)
    : g2driverDerivedDataSource(other, tables), comparedKind_(other.comparedKind_), limitType_(other.limitType_)
{
    copyLimit(lower_, other.lower_, tables.dataObjects);
    copyLimit(upper_, other.upper_, tables.dataObjects);
}

std::unique_ptr<gdataObjectRef> g2driverValueLimitsSource::makeLimitReference(bool upper)
{
    return std::make_unique<gdataObjectRef>(upper ? kw::MAX_OBJECT : kw::MIN_OBJECT, true);
}

std::unique_ptr<g2driverDataSource> g2driverValueLimitsSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverValueLimitsSource(*this, tables));
}

int g2driverValueLimitsSource::kindKeyword() const { return kw::LIMIT; }

int g2driverValueLimitsSource::parseHeaderArguments(int itemStatus, const char* rest)
{
    int token = -1;
    if (itemStatus != itemResult::comma || parseKeywordItem(rest, token) != itemResult::end)
        return itemResult::error;
    if (token != kw::DIGITAL && token != kw::ANALOG)
        return itemResult::error;
    comparedKind_ = g2valueKind::fromKeyword(token);
    return itemResult::end;
}

void g2driverValueLimitsSource::bindDriver(g2driver* driver)
{
    g2driverDerivedDataSource::bindDriver(driver);
    for (limit* side : {&lower_, &upper_}) {
        if (side->object)
            side->object->bindDriver(driver);
    }
}

void g2driverValueLimitsSource::collectUses(gusesList& uses)
{
    g2driverDerivedDataSource::collectUses(uses);
    for (limit* side : {&lower_, &upper_}) {
        if (side->object)
            side->object->collectUsesWithinDriver(uses);
    }
}

void g2driverValueLimitsSource::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::SOURCE).writeKey(file, indent);
    gkeyword::byToken(kw::LIMIT).writeValue(file, 2);
    int token = g2valueKind::keywordOf(comparedKind_);
    gkeyword::byToken(token < 0 ? kw::ANALOG : token).writeValue(file, 1);
}

void g2driverValueLimitsSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverDerivedDataSource::writeFields(file, indent);
    if (limitType_ >= inside && limitType_ <= strictlyOutside)
        writeKeywordLine(file, indent, kw::LIMIT_TYPE, limitTypeKeywords[limitType_ - 1]);
    writeLimit(file, indent, lower_, false);
    writeLimit(file, indent, upper_, true);
}

void g2driverValueLimitsSource::writeLimit(CObjectFile& file, int indent, const limit& side, bool isUpper) const
{
    if (side.object) {
        side.object->writeEmbedded(file, indent);
        return;
    }
    if (!side.hasValue)
        return;
    gkeyword::byToken(isUpper ? kw::MAX_VALUE : kw::MIN_VALUE).writeKey(file, indent);
    if (comparedKind_ == g2valueKind::digital)
        file.writeUnsigned(side.digital, 1);
    else
        file.writeReal(side.real, 1);
}

gloadStatus g2driverValueLimitsSource::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::LIMIT_TYPE: return loadLimitType(value);
    case kw::MIN_OBJECT: return loadLimitObject(lower_, false, value);
    case kw::MAX_OBJECT: return loadLimitObject(upper_, true, value);
    case kw::MIN_VALUE: return loadLimitValue(lower_, false, value);
    case kw::MAX_VALUE: return loadLimitValue(upper_, true, value);
    default: return g2driverDerivedDataSource::loadField(token, value);
    }
}

gloadStatus g2driverValueLimitsSource::loadLimitType(const gstr& value)
{
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    for (int32_t type = inside; type <= strictlyOutside; ++type) {
        if (limitTypeKeywords[type - 1] == token) {
            limitType_ = type;
            return gload::accepted;
        }
    }
    return gload::invalidValue;
}

gloadStatus g2driverValueLimitsSource::loadLimitObject(limit& side, bool isUpper, const gstr& value)
{
    if (side.isGiven())
        return gload::alreadyLoaded;
    if (!value.isEmpty())
        return gload::invalidValue;
    side.object = makeLimitReference(isUpper);
    side.object->bindDriver(getDriver());
    loadEmbeddedObject(side.object.get());
    return gload::accepted;
}

gloadStatus g2driverValueLimitsSource::loadLimitValue(limit& side, bool isUpper, const gstr& value)
{
    if (side.isGiven())
        return gload::alreadyLoaded;
    limit read;
    read.hasValue = true;
    if (comparedKind_ == g2valueKind::digital) {
        if (parseUnsignedItem(value.data(), read.digital) != itemResult::end)
            return gload::invalidValue;
    } else if (parseDoubleItem(value.data(), read.real) != itemResult::end) {
        return gload::invalidValue;
    }
    const limit& other = isUpper ? lower_ : upper_;
    if (other.hasValue) {
        double lowest = isUpper ? valueOf(other) : valueOf(read);
        double highest = isUpper ? valueOf(read) : valueOf(other);
        if (lowest > highest)
            return gload::invalidValue;
    }
    side.hasValue = true;
    side.digital = read.digital;
    side.real = read.real;
    return gload::accepted;
}

double g2driverValueLimitsSource::valueOf(const limit& side) const
{
    return comparedKind_ == g2valueKind::digital ? static_cast<double>(side.digital) : side.real;
}

void g2driverValueLimitsSource::requireKind(gdataObjectRef& reference) const
{
    g2driverDataObject* object = reference.getDataObject();
    if (!object)
        return;
    if (object->getTypeCode() == g2valueKind::untyped)
        object->setTypeCode(comparedKind_);
    else if (object->getTypeCode() != comparedKind_)
        reference.dropDataObject();
}

void g2driverValueLimitsSource::afterLoad()
{
    g2driverDerivedDataSource::afterLoad();
    requireKind(reference());
    for (limit* side : {&lower_, &upper_}) {
        if (side->object)
            requireKind(*side->object);
    }
}

bool g2driverValueLimitsSource::isComplete() const
{
    if (!g2driverDerivedDataSource::isComplete() || limitType_ == 0)
        return false;
    // A limit block whose object was dropped for its kind would be written
    // as an empty block that no longer loads.
    for (const limit* side : {&lower_, &upper_}) {
        if (side->object && !side->object->getDataObject())
            return false;
    }
    auto given = [](const limit& side) { return side.hasValue || side.object != nullptr; };
    return given(lower_) || given(upper_);
}
