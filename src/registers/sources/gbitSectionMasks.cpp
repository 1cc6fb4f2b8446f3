#include "registers/sources/gbitSectionMasks.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int32_t maxRotate = 31;

} // namespace

void gbitSectionMasks::write(CObjectFile& file, int indent) const
{
    gbitMaskSetting masks{andMask, xorMask, 0};
    masks.write(file, indent);
    if (rotate == 0 || rotate == rotateNotRead)
        return;
    gkeyword::byToken(kw::ROTATE_LEFT).writeKey(file, indent);
    file.writeInt(rotate, 1);
}

gloadStatus gbitSectionMasks::loadField(int token, const gstr& value)
{
    if (token == kw::MASK) {
        gbitMaskSetting masks{andMask, xorMask, -1};
        gloadStatus status = masks.loadField(token, value);
        andMask = masks.mask;
        xorMask = masks.secondMask;
        return status;
    }
    if (token != kw::ROTATE_LEFT)
        return gload::unknownKeyword;
    if (rotate != rotateNotRead)
        return gload::alreadyLoaded;
    int32_t count = 0;
    if (parseIntItem(value.data(), count) != itemResult::end || count < -maxRotate || count > maxRotate)
        return gload::invalidValue;
    rotate = count;
    return gload::accepted;
}

void gbitSectionMasks::afterLoad() noexcept
{
    if (rotate == rotateNotRead)
        rotate = 0;
}

void writeSectionHeader(CObjectFile& file, int indent)
{
    gkeyword::byToken(kw::SECTION).writeIndented(file, indent);
    file.newLine();
}
