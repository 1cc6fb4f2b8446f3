#include "g2driver/model/g2driverBitFieldCommandElement.h"

#include "formats/gintegerType.h"
#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandBuilder.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "g2driver/model/g2driverParameterCommandElement.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int oneBit = 20081;
constexpr int someBits = 20036;
constexpr const char* bitMismatch =
    "Parameter type mismatch in g2driverBitFieldCommandElement::g2driverBitFieldCommandElement(const "
    "g2driverBitFieldCommandElement &,jhashTypedDatabaseTable<g2driverParameter> &,"
    "jhashTypedDatabaseTable<g2driverParameter> &)";

} // namespace

g2driverBitFieldCommandElement::g2driverBitFieldCommandElement(const g2driverBitFieldCommandElement& other,
                                                               g2driverParameterTable& driverParameters,
                                                               g2driverParameterTable& otherParameters)
    : g2driverCommandElement(other), format_(other.format_), mask_(other.mask_), maskSet_(other.maskSet_)
{
    for (int i = 0; i < bitCount; ++i) {
        const g2driverParameter* original = other.bits_[static_cast<size_t>(i)];
        if (!original)
            continue;
        g2driverParameterTable& table =
            original->getScope() == g2parameterScope::driver ? driverParameters : otherParameters;
        g2driverParameter* parameter = table.find(original->getName());
        if (!parameter)
            throw gfault(bitMismatch);
        bits_[static_cast<size_t>(i)] = parameter;
    }
    relink();
}

void g2driverBitFieldCommandElement::setBits(const std::array<g2driverParameter*, bitCount>& bits)
{
    bits_ = bits;
    relink();
}

void g2driverBitFieldCommandElement::relink()
{
    uses_.clear();
    for (g2driverParameter* parameter : bits_) {
        if (parameter)
            uses_.add(parameter->usedBy());
    }
}

void g2driverBitFieldCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::V_BIT_FIELD);
}

void g2driverBitFieldCommandElement::writeFields(CObjectFile& file, int indent) const
{
    format_.writeFields(file, indent);
    for (int i = 0; i < bitCount; ++i) {
        const g2driverParameter* parameter = bits_[static_cast<size_t>(i)];
        if (!parameter)
            continue;
        gkeyword::byToken(scopeKeyword(parameter->getScope())).writeKey(file, indent);
        file.writeInt(i, 2);
        parameter->getName().write(file, 1);
    }
    if (maskSet_)
        writeUnsignedLine(file, indent, kw::MASK, mask_);
}

gloadStatus g2driverBitFieldCommandElement::loadField(int token, gstr& value)
{
    const int32_t scope = scopeOfKeyword(token);
    if (scope >= 0)
        return loadBit(scope, value);
    if (token == kw::MASK) {
        if (maskSet_)
            return gload::alreadyLoaded;
        int32_t mask = 0;
        if (parseIntItem(value.data(), mask) != itemResult::end || mask < 0 || mask > 255)
            return gload::invalidValue;
        setMask(static_cast<uint8_t>(mask));
        return gload::accepted;
    }
    gloadStatus status = g2driverCommandElement::loadField(token, value);
    return status == gload::unknownKeyword ? format_.loadField(token, value, false) : status;
}

gloadStatus g2driverBitFieldCommandElement::loadBit(int32_t scope, const gstr& value)
{
    int32_t index = -1;
    const char* next = nullptr;
    if (parseIntItem(value.data(), index, next) != itemResult::comma || index < 0 || index >= bitCount)
        return gload::invalidValue;
    if (bits_[static_cast<size_t>(index)])
        return gload::alreadyLoaded;
    gstr tag;
    if (!tag.parseValue(next) || tag.isEmpty())
        return gload::invalidValue;
    g2driverParameterTable* table = nullptr;
    if (getTemplate() && scope == g2parameterScope::templateOf)
        table = &getTemplate()->parameters();
    else if (getTemplate() && scope == g2parameterScope::driver && getTemplate()->getDriver())
        table = &getTemplate()->getDriver()->parameters();
    else if (!getTemplate() && getCommand() && scope == g2parameterScope::command)
        table = &getCommand()->parameters();
    if (!table)
        return gload::invalidValue;
    g2driverParameter* parameter = table->referenceAs(tag, scope);
    if (!parameter->acceptKind(g2valueKind::bistate))
        return gload::invalidValue;
    bits_[static_cast<size_t>(index)] = parameter;
    relink();
    return gload::accepted;
}

void g2driverBitFieldCommandElement::afterLoad()
{
    format_.afterLoad();
    if (format_.type() == gintegerType::notGiven) {
        format_.setType(gintegerType::byte);
        format_.field().width = 1;
    }
    if (!maskSet_)
        mask_ = 0;
}

bool g2driverBitFieldCommandElement::isComplete() const
{
    if (!format_.isComplete())
        return false;
    for (const g2driverParameter* parameter : bits_) {
        if (parameter)
            return true;
    }
    return false;
}

gstr g2driverBitFieldCommandElement::describe() const
{
    int count = 0;
    for (const g2driverParameter* parameter : bits_)
        count += parameter ? 1 : 0;
    gstr text;
    if (count == 1)
        text.loadString(oneBit);
    else
        text.format(someBits, count);
    return text;
}

g2driverCommandElement* g2driverBitFieldCommandElement::duplicate(g2driverParameterTable& commandParameters,
                                                                   g2driverProgramTable*) const
{
    return new g2driverBitFieldCommandElement(*this, commandParameters, commandParameters);
}

g2driverCommandElement* g2driverBitFieldCommandElement::cloneForTemplate(g2driverParameterTable& driverParameters,
                                                                          g2driverParameterTable& templateParameters,
                                                                          g2driverCommandDataNameTable&,
                                                                          g2driverProgramTable*) const
{
    return new g2driverBitFieldCommandElement(*this, driverParameters, templateParameters);
}

void g2driverBitFieldCommandElement::rebind(int32_t scope, g2driverParameterTable* table)
{
    if (!table)
        return;
    for (g2driverParameter*& parameter : bits_) {
        if (!parameter || parameter->getScope() != scope)
            continue;
        parameter = table->find(parameter->getName());
        if (parameter && !parameter->acceptKind(g2valueKind::bistate))
            parameter = nullptr;
    }
    relink();
}

void g2driverBitFieldCommandElement::setTemplate(g2driverCommandTemplate* owner)
{
    g2driverCommandElement::setTemplate(owner);
    rebind(g2parameterScope::templateOf, owner ? &owner->parameters() : nullptr);
}

void g2driverBitFieldCommandElement::setCommand(g2driverCommand* owner)
{
    g2driverCommandElement::setCommand(owner);
    rebind(g2parameterScope::command, owner ? &owner->parameters() : nullptr);
}

void g2driverBitFieldCommandElement::setDriver(g2driver* driver)
{
    rebind(g2parameterScope::driver, driver ? &driver->parameters() : nullptr);
}

void g2driverBitFieldCommandElement::encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output)
{
    if (pass != 1)
        return;
    uint32_t value = mask_;
    for (int i = 0; i < bitCount; ++i) {
        const g2driverParameter* parameter = bits_[static_cast<size_t>(i)];
        const g2driverParameterValue* given = parameter ? builder.findParameter(*parameter) : nullptr;
        if (given && given->getKind() == g2valueKind::bistate && given->getNumber() != 0)
            value ^= 1u << i;
    }
    output.addSegment(format_.encode(value), gmilliseconds::notSet);
}
