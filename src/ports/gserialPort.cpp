#include "ports/gserialPort.h"

#include "foundation/jbuffer.h"
#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "legacy/glegacyCommand.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyResponse.h"
#include "ports/g2serialTransaction.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/gexchangeResult.h"
#include "ports/glegacyDevice.h"
#include "ports/glegacyReplyMatcher.h"
#include "ports/gserialPortPollReader.h"
#include "ports/portFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

constexpr int serialPortDescription = 20174;
constexpr int legacyDeviceInPort = 20099;
constexpr int deviceInPort = 20204;

constexpr uint32_t baudRates[] = {300, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
constexpr int parityTokens[] = {kw::NONE, kw::EVEN, kw::ODD};
constexpr int flowTokens[] = {kw::RTS_CTS, kw::XON_XOFF, kw::DTR_DSR};
constexpr int termTokens[] = {kw::CR, kw::LF, kw::CR_LF};

// A deadline further than this lies beyond what the wrapping tick count can
// compare; longer waits are cut to it.
constexpr uint32_t longestWait = 0x7FFFFFFF;

// How often a port test's wait hook is called.
constexpr uint32_t waitSlice = 20;

// The most bytes a legacy response may keep: its mask's size sizes memory
// and the matching after every byte.
constexpr int32_t maxLegacyBuffer = 4096;

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

// Entries of a table from its last to its first.
template <class E>
std::vector<E*> entriesLastToFirst(const jhashTypedDatabaseTable<E>& table)
{
    std::vector<E*> all = entriesOf(table);
    std::reverse(all.begin(), all.end());
    return all;
}

// The later of two durations; an unset one never wins.
gmilliseconds later(gmilliseconds delay, gmilliseconds other)
{
    return other.isSet() && other.isAfter(delay) ? other : delay;
}

} // namespace

gserialPort::gserialPort() : polling_(gcommandSequence::polling, kw::NONE)
{
    polling_.setOwner(this, static_cast<gdevice*>(nullptr));
}

gserialPort::~gserialPort() { deleteRefs(); }

const gobjectType* gserialPort::getObjectType() const { return &objectTypes::serialPort(); }

void gserialPort::describeReferrer(gstr& text) const
{
    gstr line;
    text.append(line.format(serialPortDescription, getTitle(true)));
}

void gserialPort::listUndefinedReferences(gstr& text) const
{
    gstr description;
    listPlaceholders(devices_, description.format(deviceInPort, getTitle(true)), text);
    listPlaceholders(legacyDevices_, description.format(legacyDeviceInPort, getTitle(true)), text);
}

bool gserialPort::isBaudRate(uint32_t rate) noexcept
{
    return std::find(std::begin(baudRates), std::end(baudRates), rate) != std::end(baudRates);
}

void gserialPort::setSettings(uint32_t baudRate, int32_t dataBits, int32_t parity, int32_t stopBits) noexcept
{
    baudRate_ = baudRate;
    dataBits_ = dataBits;
    parity_ = parity;
    stopBits_ = stopBits;
}

void gserialPort::setMessageControl(const gprocessorCall& call)
{
    messageControl_.assign(call);
    linkProgramCall(messageControlUses_, messageControl_);
}

void gserialPort::clearMessageControl()
{
    messageControl_.clear();
    messageControlUses_.clear();
}

// --- devices ---

void gserialPort::appendRef(gdeviceRef* ref)
{
    if (lastRef_)
        lastRef_->setNext(ref);
    else
        firstRef_ = ref;
    lastRef_ = ref;
}

void gserialPort::deleteRefs() noexcept
{
    while (gdeviceRef* ref = firstRef_) {
        firstRef_ = ref->getNext();
        delete ref;
    }
    lastRef_ = nullptr;
}

gdevice* gserialPort::getDevice(const gstrSlice& tag)
{
    gdevice* device = devices_.reference(tag);
    if (device->getPort() != this)
        device->setPort(this);
    return device;
}

glegacyDevice* gserialPort::getLegacyDevice(const gstrSlice& tag)
{
    glegacyDevice* device = legacyDevices_.reference(tag);
    if (device->getPort() != this)
        device->setPort(this);
    return device;
}

glegacyResponse* gserialPort::getLegacyResponse(const gstrSlice& deviceTag, const gstrSlice& responseTag)
{
    glegacyDriver* driver = getLegacyDevice(deviceTag)->getDriver();
    return driver ? driver->referenceResponse(responseTag) : nullptr;
}

gdevice* gserialPort::addDeviceCopy(gdevice& device)
{
    gdevice* own = devices_.define(device.getName());
    if (!own)
        return nullptr;
    own->assign(device);
    appendRef(new gdeviceRef(own));
    own->setPort(this);
    return own;
}

glegacyDevice* gserialPort::addLegacyDeviceCopy(glegacyDevice& device)
{
    glegacyDevice* own = legacyDevices_.define(device.getName());
    if (!own)
        return nullptr;
    own->assign(device);
    appendRef(new gdeviceRef(own));
    own->setPort(this);
    return own;
}

void gserialPort::clearDevices()
{
    deleteRefs();
    for (gdevice* device : entriesLastToFirst(devices_))
        device->clear();
    for (glegacyDevice* device : entriesLastToFirst(legacyDevices_))
        device->clear();
}

void gserialPort::purgeUndefinedDevices()
{
    for (glegacyDevice* device : entriesLastToFirst(legacyDevices_)) {
        if (!device->isDefined()) {
            legacyDevices_.remove(device);
            delete device;
        }
    }
    for (gdevice* device : entriesLastToFirst(devices_)) {
        if (!device->isDefined()) {
            devices_.remove(device);
            delete device;
        }
    }
}

// --- port tests ---

bool gserialPort::openForTest(const char* deviceName)
{
    gstrSlice name = deviceName ? gstrSlice(deviceName) : gstrSlice(devicePath_);
    return comPort_.open(name, baudRate_, dataBits_, parity_, stopBits_, flowControl_);
}

void gserialPort::writeForTest(const gstrSlice& bytes) { comPort_.write(bytes.data(), bytes.length()); }

void gserialPort::writeCommandForTest(const gstrSlice& bytes)
{
    discardInputForTest();
    writeForTest(bytes);
}

void gserialPort::setDeadline(uint32_t milliseconds)
{
    deadline_ = gmilliseconds::now().plus(gmilliseconds(std::min(milliseconds, longestWait)));
}

int gserialPort::receiveTransaction(g2serialTransaction& transaction)
{
    gmilliseconds timeout = transaction.getTimeout();
    setDeadline(timeout.isSet() ? timeout.get() : 0);
    for (;;) {
        gmilliseconds now = gmilliseconds::now();
        if (!now.isBefore(deadline_))
            break;
        char byte = 0;
        if (!readForTest(byte, deadline_.minus(now).get()))
            break;
        int result = transaction.receiveByte(byte);
        if (result != gexchangeResult::timedOut)
            return result;
    }
    return transaction.finish();
}

int gserialPort::receiveLegacy(jbuffer& buffer, const glegacyResponse& response)
{
    const glegacyMask* mask = response.getMask();
    if (!mask || mask->getBufferSize() < 1)
        return gexchangeResult::timedOut;
    glegacyReplyMatcher matcher(response);
    buffer.create(std::min(mask->getBufferSize(), maxLegacyBuffer));
    setDeadline(mask->getTimeout().isSet() ? mask->getTimeout().get() : 0);
    for (;;) {
        gmilliseconds now = gmilliseconds::now();
        if (!now.isBefore(deadline_))
            return gexchangeResult::timedOut;
        char byte = 0;
        if (!readForTest(byte, deadline_.minus(now).get()))
            return gexchangeResult::timedOut;
        buffer.appendByte(static_cast<uint8_t>(byte));
        if (int result = matcher.match(buffer))
            return result;
    }
}

void gserialPort::waitAfterCommand(const g2driverCommand& command)
{
    gmilliseconds delay = minimumDelay_.isSet() ? minimumDelay_ : gmilliseconds(0);
    if (const g2driver* driver = command.getDriver())
        delay = later(delay, driver->getDelay());
    const g2driverCommandTemplate* commandTemplate = command.getTemplate();
    if (commandTemplate && commandTemplate->getBufferSize() <= 0)
        delay = later(delay, commandTemplate->getTime());
    waitForTest(delay);
}

void gserialPort::waitAfterLegacyCommand(const glegacyCommand& command)
{
    if (command.getKind() == glegacyCommand::reply)
        return;
    gmilliseconds delay = minimumDelay_.isSet() ? minimumDelay_ : gmilliseconds(0);
    if (command.getResponseName().isNull() && command.getDriver())
        delay = later(delay, command.getDriver()->getDelay());
    waitForTest(delay);
}

void gserialPort::waitForTest(gmilliseconds delay)
{
    if (!keepWaiting_ || !delay.isSet()) {
        delay.sleep();
        return;
    }
    for (uint32_t left = delay.get(); left > 0 && keepWaiting_();) {
        uint32_t slice = std::min(left, waitSlice);
        gmilliseconds(slice).sleep();
        left -= slice;
    }
}

bool gserialPort::readForTest(char& byte, uint32_t milliseconds)
{
    if (!keepWaiting_)
        return comPort_.readByte(byte, milliseconds);
    using clock = std::chrono::steady_clock;
    for (;;) {
        if (!keepWaiting_())
            return false;
        uint32_t slice = std::min(milliseconds, waitSlice);
        auto start = clock::now();
        if (comPort_.readByte(byte, slice))
            return true;
        // A read that gives up well before its slice is over met a failed
        // device, not the end of its time.
        auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(clock::now() - start).count();
        if (milliseconds <= slice || spent + 2 < static_cast<long long>(slice))
            return false;
        milliseconds -= slice;
    }
}

// --- station file ---

void gserialPort::writeSettings(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::SETTINGS).writeKey(file, indent);
    file.writeUnsigned(baudRate_, 2);
    file.writeInt(dataBits_, 2);
    if (parity_ >= 0 && parity_ <= 2)
        gkeyword::byToken(parityTokens[parity_]).writeValue(file, 2);
    else
        file.writeListSeparator();
    file.writeInt(stopBits_, 1);
}

void gserialPort::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    if (!devicePath_.isEmpty()) {
        gkeyword::byToken(kw::DEVICE_PATH).writeKey(file, indent);
        devicePath_.write(file, 1);
    }
    if (baudRate_ != 0)
        writeSettings(file, indent);
    if (flowControl_ >= 1 && flowControl_ <= 3) {
        gkeyword::byToken(kw::FLOW_CONTROL).writeKey(file, indent);
        gkeyword::byToken(flowTokens[flowControl_ - 1]).writeValue(file, 1);
    }
    if (lineTermination_ >= 1 && lineTermination_ <= 3) {
        gkeyword::byToken(kw::LINE_TERM).writeKey(file, indent);
        gkeyword::byToken(termTokens[lineTermination_ - 1]).writeValue(file, 1);
    }
    if (minimumDelay_.isSet()) {
        portFields::minimumDelay.write(file, indent, minimumDelay_);
    }
    if (waitForData_ == 1) {
        gkeyword::byToken(kw::WAIT_FOR_DATA).writeKey(file, indent);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
    for (const gdeviceRef* ref = firstRef_; ref; ref = ref->getNext())
        ref->write(file, indent);
    if (messageControl_.isSet()) {
        gkeyword::byToken(kw::MESSAGE_CONTROL).writeIndented(file, indent);
        file.newLine();
        messageControl_.writeEmbedded(file, indent);
    }
    if (!polling_.isEmpty())
        polling_.writeEmbedded(file, indent);
    if (linkedPort_) {
        gkeyword::byToken(kw::PORT).writeKey(file, indent);
        linkedPort_->getTag().write(file, 1);
    }
}

gloadStatus gserialPort::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::DEVICE_PATH: {
        if (!devicePath_.isEmpty())
            return gload::alreadyLoaded;
        gstr path;
        if (!path.parseValue(value.data()) || path.isEmpty())
            return gload::invalidValue;
        devicePath_.adopt(path);
        return gload::accepted;
    }
    case kw::SETTINGS: return loadSettings(value);
    case kw::FLOW_CONTROL: return loadKeywordField(flowControl_, value, flowTokens, 3);
    case kw::LINE_TERM: return loadKeywordField(lineTermination_, value, termTokens, 3);
    case kw::DELAY: return portFields::minimumDelay.load(value, minimumDelay_);
    case kw::WAIT_FOR_DATA: return loadBooleanKeyword(value, waitForData_, kw::YES, kw::NO);
    case kw::MESSAGE_CONTROL:
        if (messageControl_.isSet())
            return gload::alreadyLoaded;
        if (!value.isEmpty())
            return gload::invalidValue;
        loadEmbeddedObject(&messageControl_);
        return gload::accepted;
    case kw::G2DEVICE: return loadDevice(value);
    case kw::DEVICE: return loadLegacyDevice(value);
    case kw::POLLING_SEQUENCE:
        if (!polling_.isEmpty())
            return gload::alreadyLoaded;
        if (!value.isEmpty())
            return gload::invalidValue;
        loadEmbeddedObject(&polling_);
        return gload::accepted;
    case kw::PORT: {
        if (linkedPort_)
            return gload::alreadyLoaded;
        gstr tag;
        if (!tag.parseValue(value.data()) || tag.isEmpty())
            return gload::invalidValue;
        linkedPort_ = station::serialPorts().reference(tag);
        return gload::accepted;
    }
    case kw::DRIVER: return loadOldDriver(value);
    case kw::INIT_ON_TIMEOUT:
    case kw::OK_LOG_STR:
    case kw::TIMEOUT_LOG_STR: stationState().modified = 1; return gload::accepted;
    case kw::INIT_SEQUENCE: return loadOldSequence();
    default: return gtitledObject::loadField(token, value);
    }
}

// Each item is kept as soon as it is read, so that a line that fails after
// a valid baud rate still counts as given.
gloadStatus gserialPort::loadSettings(const gstr& value)
{
    if (baudRate_ != 0)
        return gload::alreadyLoaded;
    const char* next = nullptr;
    uint32_t baud = 0;
    if (parseUnsignedItem(value.data(), baud, next) != itemResult::comma || !isBaudRate(baud))
        return gload::invalidValue;
    baudRate_ = baud;
    int32_t bits = 0;
    if (parseIntItem(next, bits, next) != itemResult::comma || (bits != 7 && bits != 8))
        return gload::invalidValue;
    dataBits_ = bits;
    int token = -1;
    if (parseKeywordItem(next, token, next) != itemResult::comma)
        return gload::invalidValue;
    const int* parity = std::find(std::begin(parityTokens), std::end(parityTokens), token);
    if (parity == std::end(parityTokens))
        return gload::invalidValue;
    parity_ = static_cast<int32_t>(parity - std::begin(parityTokens));
    int32_t stop = 0;
    if (parseIntItem(next, stop) != itemResult::end || (stop != 1 && stop != 2))
        return gload::invalidValue;
    stopBits_ = stop;
    return gload::accepted;
}

// A field given as one of the keywords, stored as 1 for the first and so on.
gloadStatus gserialPort::loadKeywordField(int32_t& field, const gstr& value, const int* tokens, int count)
{
    if (field != 0)
        return gload::alreadyLoaded;
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    const int* found = std::find(tokens, tokens + count, token);
    if (found == tokens + count)
        return gload::invalidValue;
    field = static_cast<int32_t>(found - tokens) + 1;
    return gload::accepted;
}

gloadStatus gserialPort::loadDevice(const gstr& value)
{
    gstr tag;
    if (!tag.parseValue(value.data()) || tag.isEmpty())
        return gload::invalidValue;
    gdevice* device = devices_.define(tag);
    if (!device)
        return gload::invalidValue;
    device->setPort(this);
    appendRef(new gdeviceRef(device));
    loadEmbeddedObject(device);
    return gload::accepted;
}

gloadStatus gserialPort::loadLegacyDevice(const gstr& value)
{
    gstr tag;
    if (!tag.parseValue(value.data()) || tag.isEmpty())
        return gload::invalidValue;
    glegacyDevice* device = legacyDevices_.define(tag);
    if (!device)
        return gload::invalidValue;
    device->setPort(this);
    appendRef(new gdeviceRef(device));
    loadEmbeddedObject(device);
    return gload::accepted;
}

// DRIVER names a legacy device's driver in older files: the device is
// defined complete at once, and the file is saved in the current form.
gloadStatus gserialPort::loadOldDriver(const gstr& value)
{
    gstr tag;
    if (!tag.parseValue(value.data()) || tag.isEmpty())
        return gload::invalidValue;
    glegacyDevice* device = legacyDevices_.define(tag);
    if (!device)
        return gload::invalidValue;
    device->setPort(this);
    appendRef(new gdeviceRef(device));
    gstr end("");
    gloadStatus status = device->loadLine(kw::END, end);
    stationState().modified = 1;
    return status == gload::finished ? gload::accepted : gload::incomplete;
}

gloadStatus gserialPort::loadOldSequence()
{
    pollReader_ = std::make_unique<gserialPortPollReader>(*this);
    loadEmbeddedObject(pollReader_.get());
    stationState().modified = 1;
    return gload::accepted;
}

void gserialPort::afterLoad()
{
    if (!minimumDelay_.isSet())
        minimumDelay_.set(0);
    if (waitForData_ == -1)
        waitForData_ = 0;
    linkProgramCall(messageControlUses_, messageControl_);
    gtitledObject::afterLoad();
}

bool gserialPort::isComplete() const
{
    if (devicePath_.isEmpty() || baudRate_ == 0 || lineTermination_ == 0)
        return false;
    if (waitForData_ == 1)
        return polling_.isEmpty();
    if (messageControl_.isSet())
        return false;
    for (const gdeviceRef* ref = firstRef_; ref; ref = ref->getNext()) {
        if (ref->getMessageControl().isSet())
            return false;
    }
    return true;
}
