#include "ports/g2responseMatcher.h"

#include "g2driver/model/g2driverResponseList.h"

#include <algorithm>

g2responseMatcher::g2responseMatcher(const g2driverResponseList* elements)
    : elements_(elements), count_(elements ? elements->count() : 0),
      positions_(static_cast<size_t>(count_) + 1, skipped)
{
    labels_.reserve(static_cast<size_t>(count_));
    for (int32_t i = 0; i < count_; ++i)
        labels_.push_back(element(i).describe());
}

g2responseMatcher::~g2responseMatcher() { values_.deleteAll(); }

g2driverResponseElement& g2responseMatcher::element(int32_t index) const { return *elements_->element(index); }

void g2responseMatcher::reset(int32_t start)
{
    values_.deleteAll();
    std::fill(positions_.begin(), positions_.end(), skipped);
    next_ = 0;
    cursor_ = start;
}

void g2responseMatcher::shift()
{
    if (positions_[0] == skipped)
        return;
    if (positions_[0] == 0) {
        reset(0);
        return;
    }
    for (int32_t& p : positions_) {
        if (isReal(p))
            --p;
    }
    --cursor_;
}

int32_t g2responseMatcher::lastPosition(int32_t k) const
{
    for (int32_t i = std::min(k, count_); i >= 1; --i) {
        if (isReal(position(i)))
            return position(i);
    }
    return positions_[0];
}
