#pragma once

#include "foundation/garray.h"
#include "g2driver/model/g2driverResponseElement.h"

#include <cstdint>

// The ordered elements of a template's valid response (error flag 0) or of
// its error response (error flag 1). It owns its elements.
class g2driverResponseList {
public:
    explicit g2driverResponseList(int32_t errorFlag) noexcept : errorFlag_(errorFlag) {}
    g2driverResponseList(const g2driverResponseList&) = delete;
    g2driverResponseList& operator=(const g2driverResponseList&) = delete;

    int32_t getErrorFlag() const noexcept { return errorFlag_; }
    int32_t count() const noexcept { return elements_.size(); }
    g2driverResponseElement* element(int32_t index) const { return elements_[index]; }
    // Takes the element.
    void append(g2driverResponseElement* element) { elements_.append(element); }
    void clear() { elements_.deleteAll(); }

private:
    int32_t errorFlag_;
    garrayOwned<g2driverResponseElement> elements_;
};
