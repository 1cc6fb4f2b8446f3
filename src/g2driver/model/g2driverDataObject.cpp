#include "g2driver/model/g2driverDataObject.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <climits>

namespace {

constexpr int objectAlone = 20069;
constexpr int objectInDriver = 20070;
constexpr int parameterInObject = 20071;

} // namespace

g2driverDataObject::~g2driverDataObject() = default;

bool g2driverDataObject::acceptOutsideUser() noexcept
{
    if (internal_ == 1)
        return false;
    if (internal_ == notLoaded)
        internal_ = usedFromOutside;
    return true;
}

const gstr& g2driverDataObject::valueName(uint32_t value) const
{
    static const gstr none("");
    auto it = valueNames_.find(value);
    return it == valueNames_.end() ? none : it->second;
}

void g2driverDataObject::setDriver(g2driver* driver)
{
    if (driver == driver_)
        return;
    driver_ = driver;
    if (!source_)
        return;
    source_->bindDriver(driver);
    relinkSource();
}

void g2driverDataObject::setSource(std::unique_ptr<g2driverDataSource> source)
{
    sourceUses_.clear();
    source_ = std::move(source);
    if (!source_)
        return;
    source_->setOwner(this, parameters_);
    relinkSource();
}

void g2driverDataObject::resolveSource()
{
    if (!source_)
        return;
    source_->resolveReferences();
    relinkSource();
}

void g2driverDataObject::relinkSource()
{
    sourceUses_.clear();
    if (source_)
        source_->collectUses(sourceUses_);
}

bool g2driverDataObject::isUnused() const { return usedBy_[0].isUnused() && usedBy_[1].isUnused(); }

void g2driverDataObject::describeUsers(gstr& text) const
{
    usedBy_[0].describeUsers(text);
    usedBy_[1].describeUsers(text);
}

void g2driverDataObject::copyFrom(g2driverDataObject& source, const g2driverSourceTables& tables, bool copyUsers)
{
    driver_ = nullptr;
    parameters_.copyFrom(source.parameters_, copyUsers);
    typeCode_ = source.typeCode_;
    internal_ = source.internal_;
    valueNames_ = source.valueNames_;
    elements_ = source.elements_;
    setSource(source.source_ ? source.source_->clone(tables) : nullptr);
    if (!copyUsers)
        return;
    usedBy_[0].makeAliasOf(source.usedBy_[0]);
    usedBy_[1].makeAliasOf(source.usedBy_[1]);
}

// The taken source still names the edited copy's tables: the object counts
// as bound to no driver, so that the caller's setDriver binds the source,
// even when a reference from another object has set the driver meanwhile.
void g2driverDataObject::assignFrom(g2driverDataObject& edited)
{
    driver_ = nullptr;
    parameters_.assignFrom(edited.parameters_);
    typeCode_ = edited.typeCode_;
    internal_ = edited.internal_;
    valueNames_ = edited.valueNames_;
    elements_ = edited.elements_;
    edited.sourceUses_.clear();
    setSource(std::move(edited.source_));
}

void g2driverDataObject::reset()
{
    driver_ = nullptr;
    typeCode_ = 0;
    kindsTaken_ = ~0u;
    internal_ = notLoaded;
    valueNames_.clear();
    elements_ = 0;
    sourceUses_.clear();
    source_.reset();
    parameters_.undefineAll();
    setDefined(0);
}

void g2driverDataObject::listUndefinedReferences(gstr& out) const
{
    gstr description;
    description.format(parameterInObject, getName(), driver_ ? driver_->getTitle(true) : gstr(""));
    parameters_.listUndefined(description, out);
}

void g2driverDataObject::describeReferrer(gstr& text) const
{
    gstr line;
    if (driver_)
        line.format(objectInDriver, getName(), driver_->getTitle(true));
    else
        line.format(objectAlone, getName());
    text.append(line);
}

int g2driverDataObject::readKind(const char* text)
{
    int token = -1;
    const int result = parseKeywordItem(text, token);
    const int32_t kind = g2valueKind::fromKeyword(token);
    if (result == itemResult::error || kind == g2valueKind::untyped)
        return itemResult::error;
    typeCode_ = kind;
    return result;
}

void g2driverDataObject::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::OBJECT).writeKey(file, indent);
    getName().write(file, 2);
    gkeyword::byToken(g2valueKind::keywordOf(typeCode_) < 0 ? kw::BISTATE : g2valueKind::keywordOf(typeCode_))
        .writeValue(file, 1);
}

void g2driverDataObject::writeFields(CObjectFile& file, int indent) const
{
    parameters_.writeLines(file, indent);
    if (internal_ == 1)
        writeKeywordLine(file, indent, kw::INTERNAL, kw::YES);
    if (typeCode_ == g2valueKind::digital) {
        for (const auto& [number, name] : valueNames_) {
            gkeyword::byToken(kw::VALUE_NAME).writeKey(file, indent);
            file.writeUnsigned(number, 2);
            name.write(file, 1);
        }
    }
    if (typeCode_ == g2valueKind::analog && elements_ != 1 && elements_ != 0)
        writeIntLine(file, indent, kw::ELEMENTS, elements_);
    if (source_)
        source_->writeEmbedded(file, indent);
}

gloadStatus g2driverDataObject::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::ELEMENTS:
        if (typeCode_ != g2valueKind::analog)
            break;
        return readCount(value, elements_, 0, 1, INT_MAX);
    case kw::INTERNAL: return loadInternal(value);
    case kw::PARAMETER: return parameters_.readLine(value, g2parameterScope::command, 0);
    case kw::SOURCE: return loadSource(value);
    case kw::VALUE_NAME:
        if (typeCode_ != g2valueKind::digital)
            break;
        return loadValueName(value);
    default: break;
    }
    return gstorable::loadField(token, value);
}

gloadStatus g2driverDataObject::loadInternal(const gstr& value)
{
    if (internal_ == 0 || internal_ == 1)
        return gload::alreadyLoaded;
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end || (token != kw::YES && token != kw::NO))
        return gload::invalidValue;
    if (token == kw::YES && internal_ == usedFromOutside)
        return gload::invalidValue;
    internal_ = token == kw::YES ? 1 : 0;
    return gload::accepted;
}

gloadStatus g2driverDataObject::loadSource(const gstr& value)
{
    if (source_)
        return gload::alreadyLoaded;
    source_ = g2driverDataSource::create(value, *this, true);
    if (!source_)
        return gload::invalidValue;
    loadEmbeddedObject(source_.get());
    return gload::accepted;
}

gloadStatus g2driverDataObject::loadValueName(const gstr& value)
{
    uint32_t number = 0;
    const char* next = nullptr;
    gstr name;
    if (parseUnsignedItem(value.data(), number, next) != itemResult::comma || !name.parseValue(next))
        return gload::invalidValue;
    if (!valueNames_.try_emplace(number, std::move(name)).second)
        return gload::alreadyLoaded;
    return gload::accepted;
}

void g2driverDataObject::afterLoad()
{
    if (internal_ < 0)
        internal_ = 0;
    if (elements_ == 0)
        elements_ = 1;
    setDefined(1);
}
