#include "foundation/gtriState.h"

void gtriStateString::set(const gstrSlice& text)
{
    state_ = 0;
    value_.assign(text);
}

char* gtriStateString::setEmpty()
{
    state_ = 0;
    return value_.resize(0);
}

void gtriStateString::clear() noexcept
{
    state_ = 0;
    value_.clear();
}

void gtriStateString::merge(const gstrSlice& text)
{
    if (state_ == -1) {
        set(text);
        return;
    }
    if (state_ == 0 && value_.compare(text) != 0) {
        value_.clear();
        state_ = -2;
    }
}

void gtriStateString::getOr(gstr& out, const gstrSlice& fallback) const
{
    out.assign(state_ == 0 ? static_cast<const gstrSlice&>(value_) : fallback);
}
