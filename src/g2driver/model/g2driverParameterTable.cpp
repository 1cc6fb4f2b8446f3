#include "g2driver/model/g2driverParameterTable.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <vector>

namespace {

// The value names of a DIGITAL line: pairs of "value, name" to the end.
gloadStatus readValueNames(g2driverParameter& parameter, const char* next)
{
    for (;;) {
        uint32_t number = 0;
        if (parseUnsignedItem(next, number, next) != itemResult::comma)
            return gload::invalidValue;
        gstr name;
        int result = name.parse(next, next);
        if (result == itemResult::error || !parameter.addValueName(number, name))
            return gload::invalidValue;
        if (result == itemResult::end)
            return gload::accepted;
    }
}

} // namespace

gloadStatus g2driverParameterTable::readLine(const gstr& value, int32_t scope, int32_t internal)
{
    gstr tag;
    const char* next = nullptr;
    if (tag.parse(value.data(), next) != itemResult::comma || tag.isEmpty())
        return gload::invalidValue;
    g2driverParameter* parameter = define(tag);
    if (!parameter)
        return gload::alreadyLoaded;
    ordered_.append(parameter);
    parameter->setScope(scope);
    if (internal == 1 && parameter->getInternal() == -1)
        return gload::invalidValue;
    parameter->setInternal(internal);
    int token = -1;
    int result = parseKeywordItem(next, token, next);
    int32_t kind = g2valueKind::fromKeyword(token);
    if (result == itemResult::error || kind == g2valueKind::untyped)
        return gload::invalidValue;
    // A value read before this line may have given the parameter its kind;
    // another kind here would leave that value's user without a parameter
    // of its kind once the file is written in another order.
    if (parameter->getKind() != g2valueKind::untyped && parameter->getKind() != kind)
        return gload::incomplete;
    parameter->setKind(kind);
    if (result == itemResult::end)
        return gload::accepted;
    if (kind != g2valueKind::digital)
        return gload::invalidValue;
    return readValueNames(*parameter, next);
}

void g2driverParameterTable::writeLines(CObjectFile& file, int indent) const
{
    for (int32_t i = 0; i < ordered_.size(); ++i) {
        const g2driverParameter& parameter = *ordered_[i];
        gkeyword::byToken(parameter.getInternal() == 1 ? kw::INTERNAL_PARAM : kw::PARAMETER).writeKey(file, indent);
        parameter.getName().write(file, 2);
        const auto& names = parameter.valueNames();
        int token = g2valueKind::keywordOf(parameter.getKind());
        gkeyword::byToken(token < 0 ? kw::DIGITAL : token).writeValue(file, names.empty() ? 1 : 2);
        size_t left = names.size();
        for (const auto& [number, name] : names) {
            file.writeUnsigned(number, 2);
            name.write(file, --left == 0 ? 1 : 2);
        }
    }
}

g2driverParameter* g2driverParameterTable::referenceAs(const gstrSlice& tag, int32_t scope)
{
    g2driverParameter* parameter = reference(tag);
    parameter->setScope(scope);
    return parameter;
}

void g2driverParameterTable::listUndefined(const gstrSlice& description, gstr& out) const
{
    jhashTypedIterator<g2driverParameter> it(*this);
    g2driverParameter* parameter = nullptr;
    gstr line;
    while (it.get(parameter)) {
        if (!parameter->isDefined())
            out.append(line.format(20216, description, parameter->getName()));
    }
}

void g2driverParameterTable::copyFrom(const g2driverParameterTable& other, bool copyUsers)
{
    for (int32_t i = 0; i < other.ordered_.size(); ++i) {
        g2driverParameter* original = other.ordered_[i];
        g2driverParameter* copy = define(original->getName());
        if (!copy)
            continue;
        copy->setScope(original->getScope());
        copy->assignType(*original);
        if (copyUsers)
            copy->aliasUsersOf(*original);
        ordered_.append(copy);
    }
}

void g2driverParameterTable::assignFrom(const g2driverParameterTable& other)
{
    undefineAll();
    for (int32_t i = 0; i < other.ordered_.size(); ++i) {
        const g2driverParameter* edited = other.ordered_[i];
        g2driverParameter* parameter = define(edited->getName());
        if (!parameter)
            continue;
        parameter->setScope(edited->getScope());
        parameter->assignType(*edited);
        ordered_.append(parameter);
    }
    removeUndefined();
}

void g2driverParameterTable::undefineAll()
{
    for (int32_t i = 0; i < ordered_.size(); ++i) {
        g2driverParameter* parameter = ordered_[i];
        parameter->setDefined(0);
        parameter->setKind(g2valueKind::untyped);
        parameter->setInternal(0);
        parameter->clearValueNames();
    }
    ordered_.clear();
}

void g2driverParameterTable::relist(g2driverParameter* parameter)
{
    parameter->setDefined(1);
    ordered_.append(parameter);
}

void g2driverParameterTable::removeUndefined()
{
    std::vector<g2driverParameter*> unused;
    jhashTypedIterator<g2driverParameter> it(*this);
    g2driverParameter* parameter = nullptr;
    while (it.get(parameter)) {
        if (!parameter->isDefined() && parameter->isUnused())
            unused.push_back(parameter);
    }
    for (g2driverParameter* p : unused) {
        remove(p);
        delete p;
    }
}
