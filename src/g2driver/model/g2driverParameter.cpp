#include "g2driver/model/g2driverParameter.h"

#include "store/keywordTokens.h"

namespace g2valueKind {

int keywordOf(int32_t kind) noexcept
{
    switch (kind) {
    case bistate: return kw::BISTATE;
    case digital: return kw::DIGITAL;
    case analog: return kw::ANALOG;
    case string: return kw::STRING;
    default: return -1;
    }
}

int32_t fromKeyword(int token) noexcept
{
    switch (token) {
    case kw::BISTATE: return bistate;
    case kw::DIGITAL: return digital;
    case kw::ANALOG: return analog;
    case kw::STRING: return string;
    default: return untyped;
    }
}

} // namespace g2valueKind

bool g2driverParameter::acceptKind(int32_t kind) noexcept
{
    if (kind_ == g2valueKind::untyped)
        kind_ = kind;
    return kind_ == kind;
}

const gstr& g2driverParameter::valueName(uint32_t value) const
{
    static const gstr none("");
    auto it = valueNames_.find(value);
    return it == valueNames_.end() ? none : it->second;
}

bool g2driverParameter::addValueName(uint32_t value, const gstrSlice& name)
{
    return valueNames_.emplace(value, gstr(name)).second;
}

void g2driverParameter::assignType(const g2driverParameter& other)
{
    kind_ = other.kind_;
    internal_ = other.internal_;
    valueNames_ = other.valueNames_;
}

bool g2driverParameter::isUnused() const
{
    for (const gusedByList& list : usedBy_) {
        if (!list.isUnused())
            return false;
    }
    return true;
}

void g2driverParameter::describeUsers(gstr& text) const
{
    for (int list : {2, 3, 1, 0})
        usedBy_[list].describeUsers(text);
}

void g2driverParameter::aliasUsersOf(g2driverParameter& other) noexcept
{
    for (int list = 0; list < listCount; ++list)
        usedBy_[list].makeAliasOf(other.usedBy_[list]);
}
