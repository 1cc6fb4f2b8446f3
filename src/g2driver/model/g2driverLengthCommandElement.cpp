#include "g2driver/model/g2driverLengthCommandElement.h"

#include "g2driver/model/g2driverCommandBuilder.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>

namespace {

constexpr int lengthText = 20062;

} // namespace

void g2driverLengthCommandElement::setCounts(int32_t charSize, int32_t skipFirst, int32_t skipLast,
                                             int32_t offset) noexcept
{
    charSize_ = charSize;
    skipFirst_ = skipFirst;
    skipLast_ = skipLast;
    offset_ = offset;
}

void g2driverLengthCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::LENGTH);
}

void g2driverLengthCommandElement::writeFields(CObjectFile& file, int indent) const
{
    format_.writeFields(file, indent);
    if (charSize_ > 1)
        writeIntLine(file, indent, kw::CHAR_SIZE, charSize_);
    if (skipFirst_ > 0)
        writeIntLine(file, indent, kw::SKIP_FIRST, skipFirst_);
    if (skipLast_ > 0)
        writeIntLine(file, indent, kw::SKIP_LAST, skipLast_);
    if (offset_ != 0 && offset_ != INT_MAX)
        writeIntLine(file, indent, kw::OFFSET, offset_);
}

gloadStatus g2driverLengthCommandElement::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::CHAR_SIZE: return readCount(value, charSize_, 0, 1, 4);
    case kw::OFFSET: {
        if (offset_ != INT_MAX)
            return gload::alreadyLoaded;
        int32_t unset = INT_MAX;
        gloadStatus status = readCount(value, unset, INT_MAX, INT_MIN, INT_MAX - 1);
        if (status == gload::accepted)
            offset_ = unset;
        return status;
    }
    case kw::SKIP_FIRST: return readCount(value, skipFirst_, -1, 0, INT_MAX);
    case kw::SKIP_LAST: return readCount(value, skipLast_, -1, 0, INT_MAX);
    default: break;
    }
    gloadStatus status = g2driverCommandElement::loadField(token, value);
    if (status != gload::unknownKeyword)
        return status;
    return format_.loadField(token, value, false);
}

void g2driverLengthCommandElement::afterLoad()
{
    if (charSize_ == 0)
        charSize_ = 1;
    if (skipFirst_ < 0)
        skipFirst_ = 0;
    if (skipLast_ < 0)
        skipLast_ = 0;
    if (offset_ == INT_MAX)
        offset_ = 0;
    format_.afterLoad();
}

gstr g2driverLengthCommandElement::describe() const
{
    gstr text;
    text.loadString(lengthText);
    return text;
}

g2driverCommandElement* g2driverLengthCommandElement::duplicate(g2driverParameterTable&, g2driverProgramTable*) const
{
    return new g2driverLengthCommandElement(*this);
}

g2driverCommandElement* g2driverLengthCommandElement::cloneForTemplate(g2driverParameterTable&,
                                                                        g2driverParameterTable&,
                                                                        g2driverCommandDataNameTable&,
                                                                        g2driverProgramTable*) const
{
    return new g2driverLengthCommandElement(*this);
}

void g2driverLengthCommandElement::encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output)
{
    const int64_t k = builder.currentElement();
    const int64_t m = builder.outputCount();
    const int64_t first = k + std::max(skipFirst_, 0) + 1;
    const int64_t last = m - std::max(skipLast_, 0) - 1;
    if (pass != 2 || last < first)
        return;
    output.clear();
    int64_t total = 0;
    for (int64_t i = first; i <= last; ++i)
        total += builder.elementOutput(static_cast<int32_t>(i)).allBytes().length();
    const int64_t unit = std::clamp(charSize_, 1, 4);
    const int64_t offset = offset_ == INT_MAX ? 0 : offset_;
    int64_t count = (total + unit - 1) / unit + offset;
    count = std::clamp<int64_t>(count, 0, UINT32_MAX);
    output.addSegment(format_.encode(static_cast<uint32_t>(count)), gmilliseconds::notSet);
}
