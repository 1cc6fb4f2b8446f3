#include "sourceedit/sourceLinePieces.h"

#include <cstring>

gstrSlice untilZero(const gstrSlice& text)
{
    if (text.isNull())
        return gstrSlice::empty;
    const void* zero = std::memchr(text.data(), 0, static_cast<size_t>(text.length()));
    if (!zero)
        return text;
    return {text.data(), static_cast<int32_t>(static_cast<const char*>(zero) - text.data())};
}

sourceLinePieces::sourceLinePieces(const gstrSlice& text)
{
    gstrSlice t = untilZero(text);
    at_ = t.data();
    end_ = t.data() + t.length();
}

bool sourceLinePieces::next(gstrSlice& piece)
{
    if (done_)
        return false;
    const char* start = at_;
    while (at_ < end_ && *at_ != '\n' && *at_ != '\r')
        ++at_;
    piece = gstrSlice(start, static_cast<int32_t>(at_ - start));
    broke_ = at_ < end_;
    if (!broke_) {
        done_ = true;
        return true;
    }
    if (*at_ == '\r' && at_ + 1 < end_ && at_[1] == '\n')
        ++at_;
    ++at_;
    return true;
}
