#include "registers/sources/gthresholdList.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

void gthresholdList::write(CObjectFile& file, int indent) const
{
    if (bottomGiven_) {
        gkeyword::byToken(kw::BOTTOM).writeKey(file, indent);
        file.writeUnsigned(bottom_, 1);
    }
    for (const gthreshold* point = points_.first(); point; point = point->next) {
        gkeyword::byToken(kw::THRESHOLD).writeKey(file, indent);
        point->write(file, 1);
    }
}

gloadStatus gthresholdList::loadField(int token, const gstr& value)
{
    if (token == kw::BOTTOM) {
        if (bottomGiven_)
            return gload::alreadyLoaded;
        uint32_t number = 0;
        if (parseUnsignedItem(value.data(), number) != itemResult::end)
            return gload::invalidValue;
        setBottom(number);
        return gload::accepted;
    }
    if (token != kw::THRESHOLD)
        return gload::unknownKeyword;
    auto point = std::make_unique<gthreshold>();
    if (point->parse(value.data()) != itemResult::end || points_.insert(point.get()) == 0)
        return gload::invalidValue;
    point.release();
    return gload::accepted;
}
