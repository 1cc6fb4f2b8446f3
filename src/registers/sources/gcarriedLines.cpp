#include "registers/sources/gcarriedLines.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gloadStatus gcarriedLines::take(int token, const gstr& value)
{
    if (token == kw::END) {
        if (!value.isEmpty() || depth_ == 0)
            return gload::invalidValue;
        --depth_;
        lines_.push_back({token, gstr(), depth_});
        return gload::accepted;
    }
    bool opens = opensBlock(token, value);
    if (opens && depth_ == maxDepth)
        return gload::invalidValue;
    lines_.push_back({token, value, depth_});
    if (opens)
        ++depth_;
    return gload::accepted;
}

bool gcarriedLines::opensBlock(int token, const gstr& value) noexcept
{
    switch (token) {
    case kw::SECTION:
    case kw::PROGRAM: return value.isEmpty();
    case kw::DRIVER: return !value.isEmpty();
    default: return false;
    }
}

void gcarriedLines::write(CObjectFile& file, int indent) const
{
    for (const line& l : lines_) {
        const gkeyword& keyword = gkeyword::byToken(l.token);
        if (l.value.isEmpty()) {
            keyword.writeIndented(file, indent + l.depth);
        } else {
            keyword.writeKey(file, indent + l.depth);
            file.writeString(l.value);
        }
        file.newLine();
    }
}
