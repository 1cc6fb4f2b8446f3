#include "legacy/glegacyDriver.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "legacy/glegacyMask.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

#include <utility>

glegacyDriver::glegacyDriver() = default;

glegacyDriver::~glegacyDriver() = default;

const gobjectType* glegacyDriver::getObjectType() const { return &objectTypes::legacyDriver(); }

void glegacyDriver::importIntoStation()
{
    moveIntoStation(*this, driverLibrary::legacyDrivers(), station::legacyDrivers());
    bindMasksToStation();
}

// The library's tables are emptied after an import: no response may keep a
// mask of theirs.
void glegacyDriver::bindMasksToStation()
{
    jhashTypedIterator<glegacyResponse> it(responses_);
    glegacyResponse* response = nullptr;
    while (it.get(response)) {
        glegacyMask* mask = response->getMask();
        if (!mask || mask->getLibraryFlag() != 1)
            continue;
        if (glegacyMask* own = station::legacyMasks().find(mask->getTag())) {
            response->setMask(own);
            continue;
        }
        driverLibrary::legacyMasks().remove(mask);
        station::legacyMasks().insert(mask);
        mask->setLibraryFlag(0);
    }
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

void glegacyDriver::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    if (delay_.isSet()) {
        gkeyword::byToken(kw::DELAY).writeKey(file, indent);
        delay_.writeSeconds(file, 1);
    }
    const std::pair<int, const gregexp*> patterns[] = {
        {kw::PREFIX, &prefix_}, {kw::SUFFIX, &suffix_}, {kw::ERROR_PATTERN2, &errorPattern_}};
    for (const auto& [token, pattern] : patterns) {
        if (!pattern->isSet())
            continue;
        gkeyword::byToken(token).writeKey(file, indent);
        pattern->write(file, 1);
    }
    jhashTypedIterator<glegacyResponse> responses(responses_);
    glegacyResponse* response = nullptr;
    while (responses.get(response))
        response->write(file, indent);
    jhashTypedIterator<glegacyCommand> commands(commands_);
    glegacyCommand* command = nullptr;
    while (commands.get(command))
        command->write(file, indent);
}

gloadStatus glegacyDriver::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::COMMAND: return loadCommand(value, true);
    case kw::REPLY: return loadCommand(value, false);
    case kw::RESPONSE: return loadResponse(value, false);
    case kw::MESSAGE: return loadResponse(value, true);
    case kw::DELAY:
        if (delay_.isSet())
            return gload::alreadyLoaded;
        return delay_.parseSeconds(value.data()) == itemResult::end ? gload::accepted : gload::invalidValue;
    case kw::PREFIX: return loadPattern(prefix_, value, false);
    case kw::SUFFIX: return loadPattern(suffix_, value, false);
    case kw::ERROR_PATTERN: return loadPattern(errorPattern_, value, true);
    case kw::ERROR_PATTERN2: return loadPattern(errorPattern_, value, false);
    default: return gtitledObject::loadField(token, value);
    }
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
    response->setDriver(this);
    return response->parse(next, isMessage, getLibraryFlag()) == itemResult::end ? gload::accepted : gload::invalidValue;
}
