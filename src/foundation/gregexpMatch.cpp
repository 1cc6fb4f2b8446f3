#include "foundation/gregexpMatch.h"

#include "foundation/gfault.h"
#include "foundation/gregexp.h"

#include <string>

gregexpMatch::gregexpMatch() : bounds_(1, nullptr) {}

int gregexpMatch::match(const gregexp& pattern, const gstrSlice& text, bool anchored, int mode)
{
    return match(pattern, text.data(), text.length(), anchored, mode);
}

int gregexpMatch::match(const gregexp& pattern, const char* text, int32_t length, bool anchored, int mode)
{
    const gregexp* patterns[1] = {&pattern};
    return matchSequence(patterns, 1, text, length, anchored, mode);
}

int gregexpMatch::match(const gregexp* const* patterns, int n, const char* text, int32_t length, bool anchored,
                        int mode)
{
    return matchSequence(patterns, n, text, length, anchored, mode);
}

int gregexpMatch::matchSequence(const gregexp* const* patterns, int n, const char* text, int32_t length,
                                bool anchored, int mode)
{
    bounds_.assign(static_cast<size_t>(n) + 1, nullptr);
    sequence_.reset(n);
    for (int i = 0; i < n; ++i) {
        if (patterns[i] && patterns[i]->isSet())
            sequence_.add(i, patterns[i]->alternatives(), patterns[i]->minLength());
    }
    if (!text)
        text = "";
    return gregexpSearch::run(sequence_, text, length < 0 ? 0 : length, anchored, mode, bounds_.data());
}

const char* gregexpMatch::bound(int i, const char* method) const
{
    if (i < 0 || static_cast<size_t>(i) >= bounds_.size())
        throw gfault(std::string("index out of range in gregexpMatch::") + method + "()");
    return bounds_[static_cast<size_t>(i)];
}

const char* gregexpMatch::start(int i) const { return bound(i, "start"); }

const char* gregexpMatch::end(int i) const { return bound(i + 1, "end"); }

int32_t gregexpMatch::length(int i) const
{
    return static_cast<int32_t>(bound(i + 1, "length") - bound(i, "length"));
}
