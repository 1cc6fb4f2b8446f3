#include "g2driver/model/g2driver.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/driverFields.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

#include <vector>

namespace {

constexpr int commandInDriver = 20009;
constexpr int templateInDriver = 20017;
constexpr int parameterInDriver = 20051;
constexpr int errorCodeInDriver = 20052;
constexpr int dataObjectInDriver = 20068;
constexpr int programInDriver = 20075;

// Defines the tag of a one-tag value in the table; null with the status.
template <class E>
E* defineTagged(jhashTypedDatabaseTable<E>& table, const gstr& value, gloadStatus& status)
{
    gstr tag;
    status = readOneTag(value, tag);
    if (status != gload::accepted)
        return nullptr;
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

// Placeholders get a line each; defined entries list their own.
template <class E>
void listEntries(const jhashTypedDatabaseTable<E>& table, const gstr& description, gstr& text)
{
    jhashTypedIterator<E> it(table);
    E* entry = nullptr;
    gstr line;
    while (it.get(entry)) {
        if (entry->isDefined())
            entry->listUndefinedReferences(text);
        else
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

// Removes and destroys the placeholders that nothing uses.
template <class E>
void removeUnusedPlaceholders(jhashTypedDatabaseTable<E>& table)
{
    for (E* entry : entriesOf(table)) {
        if (!entry->isDefined() && entry->isUnused()) {
            table.remove(entry);
            delete entry;
        }
    }
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
    const gstr& title = getTitle(true);
    gstr description;
    parameters_.listUndefined(description.format(parameterInDriver, title), text);
    listPlaceholders(errorCodes_, description.format(errorCodeInDriver, title), text);
    listEntries(templates_, description.format(templateInDriver, title), text);
    listEntries(commands_, description.format(commandInDriver, title), text);
    listEntries(dataObjects_, description.format(dataObjectInDriver, title), text);
    listPlaceholders(programs_, description.format(programInDriver, title), text);
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
    if (commandTemplate->getDriver() != this)
        commandTemplate->setDriver(this);
    return commandTemplate;
}

g2driverDataObject* g2driver::referenceDataObject(const gstrSlice& tag)
{
    g2driverDataObject* object = dataObjects_.reference(tag);
    object->setDriver(this);
    return object;
}

void g2driver::replaceTemplates(jhashTypedDatabaseTable<g2driverCommandTemplate>& edited)
{
    // The edited response data names show the users of the names they were
    // copied from, which are deleted here; the users link to the edited ones
    // again when their commands and data objects are replaced.
    for (g2driverCommandTemplate* commandTemplate : entriesOf(edited))
        for (g2driverResponseDataName* name : entriesOf(commandTemplate->responseDataNames()))
            name->usedBy().dropAlias();
    templates_.copyFrom(edited);
    for (g2driverCommandTemplate* commandTemplate : entriesOf(templates_))
        commandTemplate->setDriver(this);
}

void g2driver::replaceCommands(jhashTypedDatabaseTable<g2driverCommand>& edited)
{
    for (g2driverCommand* command : entriesOf(commands_))
        command->reset();
    for (g2driverCommand* copy : entriesOf(edited)) {
        g2driverCommand* command = commands_.define(copy->getName());
        if (!command)
            continue;
        command->copyFrom(*copy, templates_, &programs_, false);
        command->parameters().removeUndefined();
        command->setDriver(this);
        command->setDefined(1);
    }
    removeUnusedPlaceholders(commands_);
}

void g2driver::replaceDataObjects(jhashTypedDatabaseTable<g2driverDataObject>& edited)
{
    for (g2driverDataObject* object : entriesOf(dataObjects_))
        object->reset();
    for (g2driverDataObject* copy : entriesOf(edited)) {
        g2driverDataObject* object = dataObjects_.define(copy->getName());
        if (!object)
            continue;
        object->assignFrom(*copy);
        object->setDriver(this);
        object->setDefined(1);
    }
    removeUnusedPlaceholders(dataObjects_);
}

void g2driver::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    parameters_.writeLines(file, indent);
    if (delay_.isSet() && delay_.get() != 0) {
        driverFields::minimumDelay.write(file, indent, delay_);
    }
    if (retries_ > 0)
        driverFields::retries.write(file, indent, retries_);
    writeErrorCodes(file, indent);
    if (errorHandling_.isWritten())
        errorHandling_.writeEmbedded(file, indent);
    writeEach(templates_, file, indent);
    writeEach(commands_, file, indent);
    writeEach(dataObjects_, file, indent);
    writeEach(programs_, file, indent);
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
        code->writeLine(file, 1);
    }
}

gloadStatus g2driver::loadField(int token, gstr& value)
{
    gloadStatus status = gload::accepted;
    switch (token) {
    case kw::PARAMETER: return parameters_.readLine(value, g2parameterScope::driver, 0);
    case kw::DELAY: return driverFields::minimumDelay.load(value, delay_);
    case kw::RETRIES: return driverFields::retries.load(value, retries_, 0);
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
    case kw::OBJECT: return loadDataObject(value);
    case kw::PROGRAM:
        if (g2driverProgram* entry = defineTagged(programs_, value, status))
            loadEmbeddedObject(entry);
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
    // As for data objects: a user read earlier may have fixed the kind.
    const int32_t neededKind = code->getKind();
    if (code->readKind(next) != itemResult::end)
        return gload::invalidValue;
    if (neededKind != g2driverErrorCode::unset && neededKind != code->getKind())
        return gload::incomplete;
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

gloadStatus g2driver::loadDataObject(const gstr& value)
{
    gstr tag;
    const char* next = nullptr;
    if (tag.parse(value.data(), next) != itemResult::comma || tag.isEmpty())
        return gload::invalidValue;
    g2driverDataObject* object = dataObjects_.define(tag);
    if (!object)
        return gload::alreadyLoaded;
    // A source read earlier may have given the object the kind it needs;
    // another kind in the object's own header leaves that source without
    // an object of its kind.
    const int32_t neededKind = object->getTypeCode();
    if (object->readKind(next) != itemResult::end)
        return gload::invalidValue;
    if ((neededKind != g2valueKind::untyped && neededKind != object->getTypeCode()) ||
        !object->takesKind(object->getTypeCode()))
        return gload::incomplete;
    object->setDriver(this);
    loadEmbeddedObject(object);
    return gload::accepted;
}

void g2driver::afterLoad()
{
    if (!delay_.isSet())
        delay_.set(0);
    if (retries_ == 0)
        retries_ = 1;
    if (errorHandling_.ignoreSet().getKind() == g2driverErrorValueSet::unset) {
        errorHandling_.ignoreSet().setKind(g2driverErrorValueSet::byDefault);
        errorHandling_.reinitSet().setKind(g2driverErrorValueSet::none);
        errorHandling_.retrySet().setKind(g2driverErrorValueSet::none);
    }
    for (g2driverDataObject* object : entriesOf(dataObjects_))
        object->resolveSource();
}
