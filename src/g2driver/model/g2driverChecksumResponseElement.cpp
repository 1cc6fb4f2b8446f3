#include "g2driver/model/g2driverChecksumResponseElement.h"

#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "ports/g2serialTransaction.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int checksumText = 20041;

} // namespace

g2driverChecksumResponseElement::g2driverChecksumResponseElement(const g2driverChecksumResponseElement& other,
                                                                 g2driverResponseValueTable& values,
                                                                 jhashTypedDatabaseTable<g2driverProgram>* programs)
    : g2driverResponseElement(other, values), checksum_(other.checksum_, this, programs), format_(other.format_),
      skipFirst_(other.skipFirst_), skipLast_(other.skipLast_)
{
}

void g2driverChecksumResponseElement::writeFields(CObjectFile& file, int indent) const
{
    g2driverResponseElement::writeFields(file, indent);
    checksum_.write(file, indent);
    format_.write(file, indent);
    if (skipFirst_ > 0)
        writeIntLine(file, indent, kw::SKIP_FIRST, skipFirst_);
    if (skipLast_ > 0)
        writeIntLine(file, indent, kw::SKIP_LAST, skipLast_);
}

gloadStatus g2driverChecksumResponseElement::loadField(int token, gstr& value)
{
    if (token == kw::SKIP_FIRST)
        return readCount(value, skipFirst_, -1, 0, INT_MAX);
    if (token == kw::SKIP_LAST)
        return readCount(value, skipLast_, -1, 0, INT_MAX);
    gloadStatus status = g2driverResponseElement::loadField(token, value);
    if (status == gload::unknownKeyword)
        status = checksum_.loadKeyword(*this, token, value);
    if (status == gload::unknownKeyword)
        status = format_.readKeyword(token, value, true);
    return status;
}

void g2driverChecksumResponseElement::afterLoad()
{
    if (skipFirst_ < 0)
        skipFirst_ = 0;
    if (skipLast_ < 0)
        skipLast_ = 0;
    checksum_.relink();
    format_.afterLoad();
}

gstr g2driverChecksumResponseElement::describe() const
{
    gstr text;
    text.loadString(checksumText);
    return text;
}

g2driverResponseElement* g2driverChecksumResponseElement::duplicate(
    g2driverParameterTable&, g2driverParameterTable&, g2driverResponseValueTable& responseValues,
    g2driverResponseDataNameTable&, jhashTypedDatabaseTable<g2driverProgram>* programs, g2driverErrorCodeTable&,
    bool) const
{
    return new g2driverChecksumResponseElement(*this, responseValues, programs);
}

void g2driverChecksumResponseElement::setDriver(g2driver* driver)
{
    checksum_.setDriver(driver ? &driver->programs() : nullptr);
}

// The bytes under the checksum run from the end of the skipped first
// elements to the end of the last element counted, each the end of the
// nearest element at or before it that took bytes.
int g2driverChecksumResponseElement::decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining)
{
    const int64_t first = std::max(skipFirst_, 0);
    const int64_t last = int64_t{transaction.currentElement()} - std::max(skipLast_, 0);
    const g2responseMatcher* matcher = transaction.currentMatcher();
    if (last - 1 < first || !matcher || last > matcher->count())
        return badData;
    const int32_t from = matcher->lastPosition(static_cast<int32_t>(first));
    const int32_t to = matcher->lastPosition(static_cast<int32_t>(last));
    if (from < 0 || to < from || to > transaction.windowUsed())
        return badData;
    uint32_t received = 0;
    const char* at = cursor;
    if (remaining < 0 || !format_.decode(at, remaining, received))
        return needMore;
    const gstrSlice covered(transaction.windowStart() + from, to - from);
    if (checksum_.compute(covered) != received)
        return needMore;
    cursor = at;
    return decoded;
}
