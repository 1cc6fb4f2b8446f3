#include "g2driver/model/gstringOutputFormat.h"

#include "formats/gintegerType.h"
#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>

gloadStatus gstringOutputFormat::loadField(int token, const gstr& value)
{
    if (token == kw::WIDTH)
        return field_.read(token, value, false, false);
    if (token != kw::REPLACEMENT)
        return gload::unknownKeyword;
    if (replacement_.isSet())
        return gload::alreadyLoaded;
    gcharOption option;
    const char* next = nullptr;
    if (option.parse(value.data(), next, true) != itemResult::end
        || (option.hasCharacter() && !charClass::isPrintable(option.character())))
        return gload::invalidValue;
    replacement_ = option;
    return gload::accepted;
}

void gstringOutputFormat::writeFields(CObjectFile& file, int indent) const
{
    field_.write(file, indent);
    if (!replacement_.hasCharacter())
        return;
    gkeyword::byToken(kw::REPLACEMENT).writeKey(file, indent);
    replacement_.write(file, 1);
}

void gstringOutputFormat::afterLoad() noexcept
{
    field_.afterLoad();
    if (!replacement_.isSet())
        replacement_.setNone();
}

gstr gstringOutputFormat::encode(const gstrSlice& text) const
{
    const int32_t width = field_.width;
    if (width > gintegerType::maxOutputWidth)
        return gstr("");
    gstr out(text.isNull() ? gstrSlice::empty : text);
    const bool left = field_.alignment == gfieldWidth::left;
    if (width > 0 && out.length() > width) {
        out = gstr(left ? gstrSlice(text.data(), width) : gstrSlice(text.end() - width, width));
    } else if (width > 0 && out.length() < width) {
        gstr padding(width - out.length());
        std::fill_n(padding.getBuffer(), padding.length(), field_.pad.hasCharacter() ? field_.pad.character() : ' ');
        if (left) {
            out.append(padding);
        } else {
            padding.append(out);
            out.adopt(padding);
        }
    }
    if (replacement_.hasCharacter()) {
        for (int32_t i = 0; i < out.length(); ++i) {
            if (!charClass::isPrintable(out[i]))
                *out.at(i) = replacement_.character();
        }
    }
    return out;
}
