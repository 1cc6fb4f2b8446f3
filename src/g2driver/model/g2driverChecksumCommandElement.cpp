#include "g2driver/model/g2driverChecksumCommandElement.h"

#include "formats/gintegerType.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommandBuilder.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int checksumText = 20040;

} // namespace

g2driverChecksumCommandElement::g2driverChecksumCommandElement(const g2driverChecksumCommandElement& other,
                                                               g2driverProgramTable* programs)
    : g2driverCommandElement(other), checksum_(other.checksum_, this, programs), format_(other.format_),
      skipFirst_(other.skipFirst_), skipLast_(other.skipLast_)
{
}

void g2driverChecksumCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::CHECKSUM);
}

void g2driverChecksumCommandElement::writeFields(CObjectFile& file, int indent) const
{
    checksum_.write(file, indent);
    format_.writeFields(file, indent);
    if (skipFirst_ > 0)
        writeIntLine(file, indent, kw::SKIP_FIRST, skipFirst_);
    if (skipLast_ > 0)
        writeIntLine(file, indent, kw::SKIP_LAST, skipLast_);
}

gloadStatus g2driverChecksumCommandElement::loadField(int token, gstr& value)
{
    if (token == kw::SKIP_FIRST)
        return readCount(value, skipFirst_, -1, 0, INT_MAX);
    if (token == kw::SKIP_LAST)
        return readCount(value, skipLast_, -1, 0, INT_MAX);
    gloadStatus status = g2driverCommandElement::loadField(token, value);
    if (status == gload::unknownKeyword)
        status = checksum_.loadKeyword(*this, token, value);
    if (status == gload::unknownKeyword)
        status = format_.loadField(token, value, false);
    return status;
}

void g2driverChecksumCommandElement::afterLoad()
{
    if (skipFirst_ < 0)
        skipFirst_ = 0;
    if (skipLast_ < 0)
        skipLast_ = 0;
    checksum_.relink();
    format_.afterLoad();
}

gstr g2driverChecksumCommandElement::describe() const
{
    gstr text;
    text.loadString(checksumText);
    return text;
}

g2driverCommandElement* g2driverChecksumCommandElement::duplicate(g2driverParameterTable&,
                                                                   g2driverProgramTable* programs) const
{
    return new g2driverChecksumCommandElement(*this, programs);
}

g2driverCommandElement* g2driverChecksumCommandElement::cloneForTemplate(g2driverParameterTable&,
                                                                          g2driverParameterTable&,
                                                                          g2driverCommandDataNameTable&,
                                                                          g2driverProgramTable* programs) const
{
    return new g2driverChecksumCommandElement(*this, programs);
}

void g2driverChecksumCommandElement::setDriver(g2driver* driver)
{
    checksum_.setDriver(driver ? &driver->programs() : nullptr);
}

void g2driverChecksumCommandElement::encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output)
{
    const int64_t first = std::max(skipFirst_, 0);
    const int64_t last = int64_t{builder.currentElement()} - std::max(skipLast_, 0) - 1;
    if (last < first)
        return;
    if (pass == 1) {
        const int32_t width = format_.width();
        const int32_t size = width > 0 && width <= gintegerType::maxOutputWidth ? width : 0;
        gstr placeholder(size);
        std::fill_n(placeholder.getBuffer(), size, '\0');
        output.addSegment(placeholder, gmilliseconds::notSet);
        return;
    }
    output.clear();
    gstr bytes("");
    for (int64_t i = first; i <= last; ++i)
        bytes.append(builder.elementOutput(static_cast<int32_t>(i)).allBytes());
    output.addSegment(format_.encode(checksum_.compute(bytes)), gmilliseconds::notSet);
}
