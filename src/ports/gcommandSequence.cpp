#include "ports/gcommandSequence.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driver.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/glegacyDevice.h"
#include "ports/glegacyPoll.h"
#include "ports/gserialPort.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <memory>

namespace {

constexpr int initializationSequence = 20057;
constexpr int deviceSequence = 20058;
constexpr int deviceSequenceInPort = 20059;
constexpr int legacySequence = 20060;
constexpr int legacySequenceInPort = 20061;
constexpr int pollingSequence = 20078;
constexpr int pollingSequenceOfPort = 20079;

} // namespace

gcommandSequence::gcommandSequence(int32_t kind, int qualifier) : kind_(kind), qualifier_(qualifier) {}

gcommandSequence::~gcommandSequence() { deleteEntries(); }

void gcommandSequence::deleteEntries() noexcept
{
    while (gcommandSequenceEntry* entry = head_) {
        head_ = entry->getNext();
        delete entry;
    }
    tail_ = nullptr;
    count_ = 0;
}

void gcommandSequence::append(gcommandSequenceEntry* entry)
{
    entry->setNext(nullptr);
    if (tail_)
        tail_->setNext(entry);
    else
        head_ = entry;
    tail_ = entry;
    ++count_;
}

void gcommandSequence::appendLinked(gcommandSequenceEntry* entry)
{
    append(entry);
    addReferences(*entry);
}

void gcommandSequence::remove(gcommandSequenceEntry* entry)
{
    gcommandSequenceEntry* before = nullptr;
    for (gcommandSequenceEntry* e = head_; e; before = e, e = e->getNext()) {
        if (e != entry)
            continue;
        if (before)
            before->setNext(e->getNext());
        else
            head_ = e->getNext();
        if (tail_ == e)
            tail_ = before;
        --count_;
        delete e;
        return;
    }
    throw gfault("entry not found in gcommandSequence::remove()");
}

void gcommandSequence::clear()
{
    deleteEntries();
    uses_.clear();
}

void gcommandSequence::copy(const gcommandSequence& source, jhashTypedDatabaseTable<gdevice>& devices,
                            jhashTypedDatabaseTable<glegacyDevice>& legacyDevices)
{
    if (&source == this)
        return;
    clear();
    if (kind_ == deviceInit && source.device_)
        device_ = devices.reference(source.device_->getName());
    if (kind_ == legacyInit && source.legacyDevice_)
        legacyDevice_ = legacyDevices.reference(source.legacyDevice_->getName());
    for (const gcommandSequenceEntry* e = source.head_; e; e = e->getNext()) {
        if (const gcommandRequest* request = e->getRequest()) {
            auto copy = std::make_unique<gcommandRequest>();
            copy->copy(*request, devices);
            copy->addReferences(uses_, device_);
            append(new gcommandSequenceEntry(copy.release()));
        } else if (const glegacyPoll* poll = e->getLegacyPoll()) {
            auto copy = std::make_unique<glegacyPoll>();
            copy->copy(*poll, legacyDevices);
            copy->addReferences(uses_, legacyDevice_);
            append(new gcommandSequenceEntry(copy.release()));
        }
    }
}

void gcommandSequence::copyDriverSequence(const gcommandSequence& source,
                                          const jhashTypedDatabaseTable<g2driverCommand>& commands)
{
    if (&source == this)
        return;
    clear();
    for (const gcommandSequenceEntry* e = source.head_; e; e = e->getNext()) {
        const gcommandRequest* request = e->getRequest();
        if (!request)
            continue;
        auto copy = std::make_unique<gcommandRequest>();
        copy->copy(*request, commands);
        copy->addDriverReferences(uses_);
        append(new gcommandSequenceEntry(copy.release()));
    }
}

void gcommandSequence::takeOver(gcommandSequence& source)
{
    if (&source == this)
        return;
    clear();
    head_ = source.head_;
    tail_ = source.tail_;
    count_ = source.count_;
    source.head_ = source.tail_ = nullptr;
    source.count_ = 0;
    source.uses_.clear();
}

void gcommandSequence::setOwner(gserialPort* port, gdevice* subject)
{
    uses_.clear();
    owner_ = port;
    device_ = subject;
    rebindEntries();
}

void gcommandSequence::setOwner(gserialPort* port, glegacyDevice* subject)
{
    uses_.clear();
    owner_ = port;
    legacyDevice_ = subject;
    rebindEntries();
}

void gcommandSequence::rebindEntries()
{
    for (gcommandSequenceEntry* e = head_; e; e = e->getNext()) {
        if (gcommandRequest* request = e->getRequest()) {
            if (owner_)
                request->rebindDevice(*owner_);
            request->addReferences(uses_, device_);
        } else if (glegacyPoll* poll = e->getLegacyPoll()) {
            if (owner_)
                poll->rebindDevice(*owner_);
            poll->addReferences(uses_, legacyDevice_);
        }
    }
}

void gcommandSequence::setDriver(g2driver* driver)
{
    uses_.clear();
    driver_ = driver;
    for (gcommandSequenceEntry* e = head_; e; e = e->getNext()) {
        gcommandRequest* request = e->getRequest();
        if (!request)
            continue;
        if (driver)
            request->rebindCommand(*driver);
        request->addDriverReferences(uses_);
    }
}

void gcommandSequence::rebuildUses()
{
    uses_.clear();
    for (const gcommandSequenceEntry* e = head_; e; e = e->getNext())
        addReferences(*e);
}

void gcommandSequence::addReferences(const gcommandSequenceEntry& entry)
{
    if (const gcommandRequest* request = entry.getRequest()) {
        if (kind_ == driverInit)
            request->addDriverReferences(uses_);
        else
            request->addReferences(uses_, device_);
    } else if (const glegacyPoll* poll = entry.getLegacyPoll()) {
        poll->addReferences(uses_, legacyDevice_);
    }
}

void gcommandSequence::describeReferrer(gstr& text) const
{
    gstr line;
    const gstr* portName = owner_ ? &owner_->getTitle(true) : nullptr;
    if (kind_ == polling) {
        text.append(portName ? line.format(pollingSequenceOfPort, *portName) : line.format(pollingSequence));
        return;
    }
    if (kind_ == deviceInit && device_) {
        const gstr& name = device_->getDisplayName(true);
        text.append(portName ? line.format(deviceSequenceInPort, name, *portName) : line.format(deviceSequence, name));
        return;
    }
    if (kind_ == legacyInit && legacyDevice_) {
        const gstr& name = legacyDevice_->getDisplayName();
        text.append(portName ? line.format(legacySequenceInPort, name, *portName) : line.format(legacySequence, name));
        return;
    }
    text.append(line.format(initializationSequence));
}

void gcommandSequence::writeHeader(CObjectFile& file, int indent) const
{
    if (kind_ == deviceInit || kind_ == driverInit) {
        gkeyword::byToken(kw::INIT_SEQUENCE).writeKey(file, indent);
        gkeyword::byToken(qualifier_).writeValue(file, 1);
        return;
    }
    gkeyword::byToken(kind_ == polling ? kw::POLLING_SEQUENCE : kw::INIT_SEQUENCE).writeIndented(file, indent);
    file.newLine();
}

void gcommandSequence::writeFields(CObjectFile& file, int indent) const
{
    for (const gcommandSequenceEntry* e = head_; e; e = e->getNext())
        e->write(file, indent);
}

gloadStatus gcommandSequence::loadField(int token, gstr& value)
{
    if (token == kw::COMMAND)
        return kind_ == driverInit ? loadDriverCommand(value) : loadCommand(value);
    if (token == kw::POLL && kind_ != driverInit)
        return loadPoll(value);
    return gstorable::loadField(token, value);
}

gloadStatus gcommandSequence::loadDriverCommand(const gstr& value)
{
    gstr tag;
    if (!driver_ || !tag.parseValue(value.data()) || tag.isEmpty())
        return gload::invalidValue;
    auto request = std::make_unique<gcommandRequest>();
    request->setCommand(driver_->referenceCommand(tag));
    gcommandRequest* target = request.get();
    append(new gcommandSequenceEntry(request.release()));
    loadEmbeddedObject(target);
    return gload::accepted;
}

gloadStatus gcommandSequence::loadCommand(const gstr& value)
{
    gstr deviceTag;
    gstr driverTag;
    gstr commandTag;
    const char* next = nullptr;
    if (deviceTag.parse(value.data(), next) != itemResult::comma || deviceTag.isEmpty()
        || driverTag.parse(next, next) != itemResult::comma || driverTag.isEmpty()
        || commandTag.parse(next, next) != itemResult::end || commandTag.isEmpty() || !owner_)
        return gload::invalidValue;
    gdevice* device = owner_->getDevice(deviceTag);
    g2driver* driver = station::g2Drivers().reference(driverTag);
    if (!device->getDriver())
        device->bindDriver(driver);
    if (device->getDriver() != driver)
        return gload::invalidValue;
    auto request = std::make_unique<gcommandRequest>();
    request->setCommand(driver->referenceCommand(commandTag));
    request->setDevice(device);
    gcommandRequest* target = request.get();
    append(new gcommandSequenceEntry(request.release()));
    loadEmbeddedObject(target);
    return gload::accepted;
}

gloadStatus gcommandSequence::loadPoll(const gstr& value)
{
    if (!owner_)
        return gload::invalidValue;
    auto entry = std::make_unique<gcommandSequenceEntry>(new glegacyPoll());
    if (entry->getLegacyPoll()->parse(*owner_, value.data()) != itemResult::end)
        return gload::invalidValue;
    append(entry.release());
    return gload::accepted;
}
