#include "ports/gserialPortPollReader.h"

#include "foundation/valueParsers.h"
#include "legacy/glegacyDriver.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/glegacyDevice.h"
#include "ports/glegacyPoll.h"
#include "ports/gserialPort.h"
#include "store/gkeyword.h"

#include <memory>

void gserialPortPollReader::writeHeader(CObjectFile&, int) const {}

gloadStatus gserialPortPollReader::loadField(int token, gstr& value)
{
    if (token != kw::POLL)
        return gstorable::loadField(token, value);
    auto poll = std::make_unique<glegacyPoll>();
    if (poll->parse(port_, value.data()) != itemResult::end)
        return gload::invalidValue;
    glegacyDriver* driver = poll->getCommand()->getDriver();
    glegacyDevice* device = port_.getLegacyDevice(driver->getTag());
    device->initSequence().appendLinked(new gcommandSequenceEntry(poll.release()));
    return gload::accepted;
}
