#include "g2driver/model/g2driver.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

namespace {

constexpr int commandInDriver = 20009;
constexpr int templateInDriver = 20017;
constexpr int parameterInDriver = 20051;
constexpr int errorCodeInDriver = 20052;

// Defines the tag of a one-tag value in the table; null with the status.
template <class E>
E* defineTagged(jhashTypedDatabaseTable<E>& table, const gstr& value, gloadStatus& status)
{
    gstr tag;
    if (!tag.parseValue(value.data()) || tag.isEmpty()) {
        status = gload::invalidValue;
        return nullptr;
    }
    E* entry = table.define(tag);
    status = entry ? gload::accepted : gload::alreadyLoaded;
    return entry;
}

template <class E>
void listPlaceholders(const jhashTypedDatabaseTable<E>& table, const gstr& description, gstr& text)
{
    jhashTypedIterator<E> it(table);
    E* entry = nullptr;
    gstr line;
    while (it.get(entry)) {
        if (!entry->isDefined())
            text.append(line.format(20216, description, entry->getName()));
    }
}

template <class E>
void writeEach(const jhashTypedDatabaseTable<E>& table, CObjectFile& file, int indent)
{
    jhashTypedIterator<E> it(table);
    E* entry = nullptr;
    while (it.get(entry))
        entry->writeEmbedded(file, indent);
}

} // namespace

g2driver::g2driver()
    : firstTime_(gcommandSequence::driverInit, kw::V_FIRST_TIME), reinit_(gcommandSequence::driverInit, kw::REINIT),
      common_(gcommandSequence::driverInit, kw::COMMON)
{
    for (gcommandSequence* sequence : {&firstTime_, &reinit_, &common_})
        sequence->setDriver(this);
}

g2driver::~g2driver() = default;

const gobjectType* g2driver::getObjectType() const { return &objectTypes::g2Driver(); }

void g2driver::importIntoStation() { moveIntoStation(*this, driverLibrary::g2Drivers(), station::g2Drivers()); }

void g2driver::listUndefinedReferences(gstr& text) const
{
    gstr description;
    parameters_.listUndefined(description.format(parameterInDriver, getTitle(true)), text);
    listPlaceholders(errorCodes_, description.format(errorCodeInDriver, getTitle(true)), text);
    listPlaceholders(templates_, description.format(templateInDriver, getTitle(true)), text);
    listPlaceholders(commands_, description.format(commandInDriver, getTitle(true)), text);
}

g2driverCommand* g2driver::referenceCommand(const gstrSlice& tag)
{
    g2driverCommand* command = commands_.reference(tag);
    command->setDriver(this);
    return command;
}

g2driverCommandTemplate* g2driver::referenceTemplate(const gstrSlice& tag)
{
    g2driverCommandTemplate* commandTemplate = templates_.reference(tag);
    commandTemplate->setDriver(this);
    return commandTemplate;
}

void g2driver::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    parameters_.writeLines(file, indent);
    if (delay_.isSet() && delay_.get() != 0) {
        gkeyword::byToken(kw::DELAY).writeKey(file, indent);
        delay_.writeSeconds(file, 1);
    }
    writeErrorCodes(file, indent);
    if (errorHandling_.isWritten())
        errorHandling_.writeEmbedded(file, indent);
    writeEach(templates_, file, indent);
    writeEach(commands_, file, indent);
    for (const gcommandSequence* sequence : {&firstTime_, &reinit_, &common_}) {
        if (!sequence->isEmpty())
            sequence->writeEmbedded(file, indent);
    }
}

void g2driver::writeErrorCodes(CObjectFile& file, int indent) const
{
    jhashTypedIterator<g2driverErrorCode> it(errorCodes_);
    g2driverErrorCode* code = nullptr;
    while (it.get(code)) {
        gkeyword::byToken(kw::ERROR_CODE).writeKey(file, indent);
        code->getName().write(file, 2);
        gkeyword::byToken(g2driverErrorCode::keywordOfKind(code->getKind())).writeValue(file, 1);
    }
}

gloadStatus g2driver::loadField(int token, gstr& value)
{
    gloadStatus status = gload::accepted;
    switch (token) {
    case kw::PARAMETER: return parameters_.readLine(value, g2parameterScope::driver, 0);
    case kw::DELAY:
        if (delay_.isSet())
            return gload::alreadyLoaded;
        return delay_.parseSeconds(value.data()) == itemResult::end ? gload::accepted : gload::invalidValue;
    case kw::ERROR_CODE: return loadErrorCode(value);
    case kw::ERROR_HANDLING: return loadErrorHandling(value);
    case kw::CR_TEMPLATE:
        if (g2driverCommandTemplate* entry = defineTagged(templates_, value, status)) {
            entry->setDriver(this);
            loadEmbeddedObject(entry);
        }
        return status;
    case kw::COMMAND:
        if (g2driverCommand* entry = defineTagged(commands_, value, status)) {
            entry->setDriver(this);
            loadEmbeddedObject(entry);
        }
        return status;
    case kw::INIT_SEQUENCE: return loadSequence(value);
    default: return gtitledObject::loadField(token, value);
    }
}

gloadStatus g2driver::loadErrorCode(const gstr& value)
{
    gstr tag;
    const char* next = nullptr;
    if (tag.parse(value.data(), next) != itemResult::comma || tag.isEmpty())
        return gload::invalidValue;
    g2driverErrorCode* code = errorCodes_.define(tag);
    if (!code)
        return gload::alreadyLoaded;
    int token = -1;
    int32_t kind = g2driverErrorCode::unset;
    if (parseKeywordItem(next, token) == itemResult::end)
        kind = g2driverErrorCode::kindOfKeyword(token);
    if (kind == g2driverErrorCode::unset)
        return gload::invalidValue;
    code->setKind(kind);
    return gload::accepted;
}

gloadStatus g2driver::loadErrorHandling(const gstr& value)
{
    if (errorHandling_.ignoreSet().getKind() != g2driverErrorValueSet::unset)
        return gload::alreadyLoaded;
    if (!value.isEmpty() && errorHandling_.parseHeader(value.data(), errorCodes_) != itemResult::end)
        return gload::invalidValue;
    loadEmbeddedObject(&errorHandling_);
    return gload::accepted;
}

gloadStatus g2driver::loadSequence(const gstr& value)
{
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    gcommandSequence* sequence = nullptr;
    switch (token) {
    case kw::V_FIRST_TIME: sequence = &firstTime_; break;
    case kw::REINIT: sequence = &reinit_; break;
    case kw::COMMON: sequence = &common_; break;
    default: return gload::invalidValue;
    }
    if (!sequence->isEmpty())
        return gload::alreadyLoaded;
    loadEmbeddedObject(sequence);
    return gload::accepted;
}
