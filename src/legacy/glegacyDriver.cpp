#include "legacy/glegacyDriver.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "legacy/legacyFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

#include <utility>

namespace {

constexpr int undefinedLine = 20216;
// By the kind a placeholder got from its references: 0, 1, 2.
constexpr int undefinedResponse[] = {20274, 20275, 20276};
constexpr int undefinedCommand[] = {20277, 20278, 20279};

template <class E>
void listPlaceholders(const jhashTypedDatabaseTable<E>& table, const int (&descriptions)[3],
                      const gstrSlice& driverName, gstr& text)
{
    gstr description;
    gstr line;
    for (E* entry : entriesOf(table)) {
        if (entry->isDefined())
            continue;
        int32_t kind = entry->getKind();
        description.format(descriptions[kind >= 0 && kind <= 2 ? kind : 0], driverName);
        text.append(line.format(undefinedLine, description, entry->getName()));
    }
}

// A reference made before its entry's line put the entry ahead of entries
// defined earlier; in line order again, the block is written as it was read
// and a written block reads back to the same order.
template <class E>
void putInLineOrder(jhashTypedDatabaseTable<E>& table, std::vector<E*>& read)
{
    for (E* entry : read)
        table.remove(entry);
    for (E* entry : read)
        table.insert(entry);
    read.clear();
}

// Own entries the working table has no entry for are deleted; the others
// are filled from the working entry of their name.
template <class E>
void assignTable(glegacyDriver& driver, jhashTypedDatabaseTable<E>& own, const jhashTypedDatabaseTable<E>& working)
{
    for (E* entry : entriesOf(own))
        entry->clear();
    for (E* copy : entriesOf(working)) {
        if (!copy->isDefined())
            continue;
        E* entry = own.define(copy->getName());
        entry->copyFrom(driver, *copy);
    }
    for (E* entry : entriesOf(own)) {
        if (entry->isDefined())
            continue;
        own.remove(entry);
        delete entry;
    }
}

} // namespace

glegacyDriver::glegacyDriver() = default;

glegacyDriver::~glegacyDriver() = default;

const gobjectType* glegacyDriver::getObjectType() const { return &objectTypes::legacyDriver(); }

void glegacyDriver::listUndefinedReferences(gstr& text) const
{
    listPlaceholders(responses_, undefinedResponse, getTitle(true), text);
    listPlaceholders(commands_, undefinedCommand, getTitle(true), text);
}

void glegacyDriver::importIntoStation()
{
    moveIntoStation(*this, driverLibrary::legacyDrivers(), station::legacyDrivers());
    for (glegacyResponse* response : entriesOf(responses_))
        response->rebindMaskToStation();
}

glegacyCommand* glegacyDriver::referenceCommand(const gstrSlice& name)
{
    glegacyCommand* command = commands_.reference(name);
    command->setDriver(this);
    return command;
}

glegacyResponse* glegacyDriver::referenceResponse(const gstrSlice& name)
{
    glegacyResponse* response = responses_.reference(name);
    response->setDriver(this);
    return response;
}

void glegacyDriver::assignEntries(const glegacyCommandTable& commands, const glegacyResponseTable& responses,
                                  gmilliseconds delay)
{
    delay_ = delay;
    assignTable(*this, commands_, commands);
    assignTable(*this, responses_, responses);
}

void glegacyDriver::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    if (delay_.isSet()) {
        legacyFields::driverDelay.write(file, indent, delay_);
    }
    const std::pair<int, const gregexp*> patterns[] = {
        {kw::PREFIX, &prefix_}, {kw::SUFFIX, &suffix_}, {kw::ERROR_PATTERN2, &errorPattern_}};
    for (const auto& [token, pattern] : patterns) {
        if (!pattern->isSet())
            continue;
        gkeyword::byToken(token).writeKey(file, indent);
        pattern->write(file, 1);
    }
    for (const glegacyResponse* response : entriesOf(responses_))
        response->write(file, indent);
    for (const glegacyCommand* command : entriesOf(commands_))
        command->write(file, indent);
}

gloadStatus glegacyDriver::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::COMMAND: return loadCommand(value, true);
    case kw::REPLY: return loadCommand(value, false);
    case kw::RESPONSE: return loadResponse(value, false);
    case kw::MESSAGE: return loadResponse(value, true);
    case kw::DELAY: return legacyFields::driverDelay.load(value, delay_);
    case kw::PREFIX: return loadPattern(prefix_, value, false);
    case kw::SUFFIX: return loadPattern(suffix_, value, false);
    case kw::ERROR_PATTERN: return loadPattern(errorPattern_, value, true);
    case kw::ERROR_PATTERN2: return loadPattern(errorPattern_, value, false);
    default: return gtitledObject::loadField(token, value);
    }
}

void glegacyDriver::afterLoad()
{
    if (!delay_.isSet())
        delay_.set(0);
    putInLineOrder(responses_, responsesRead_);
    putInLineOrder(commands_, commandsRead_);
    gtitledObject::afterLoad();
}

gloadStatus glegacyDriver::loadPattern(gregexp& pattern, const gstr& value, bool bracesLiteral)
{
    if (pattern.isSet())
        return gload::alreadyLoaded;
    return pattern.parse(value.data(), false, bracesLiteral) == itemResult::end ? gload::accepted : gload::invalidValue;
}

gloadStatus glegacyDriver::loadCommand(const gstr& value, bool isCommand)
{
    gstr name;
    const char* next = nullptr;
    if (name.parse(value.data(), next) != itemResult::comma || name.isEmpty())
        return gload::invalidValue;
    glegacyCommand* command = commands_.define(name);
    if (!command)
        return gload::alreadyLoaded;
    commandsRead_.push_back(command);
    command->setDriver(this);
    return command->parse(next, isCommand) == itemResult::end ? gload::accepted : gload::invalidValue;
}

gloadStatus glegacyDriver::loadResponse(const gstr& value, bool isMessage)
{
    gstr name;
    const char* next = nullptr;
    if (name.parse(value.data(), next) != itemResult::comma || name.isEmpty())
        return gload::invalidValue;
    glegacyResponse* response = responses_.define(name);
    if (!response)
        return gload::alreadyLoaded;
    responsesRead_.push_back(response);
    response->setDriver(this);
    return response->parse(next, isMessage, getLibraryFlag()) == itemResult::end ? gload::accepted
                                                                                  : gload::invalidValue;
}
