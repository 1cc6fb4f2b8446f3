#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class g2driverResponseElement;

// A named value of one response-element list: declared by the NUMERICAL
// VALUE or STRING VALUE element that names it, referred to by conditions,
// REPEAT_VALUE, LENGTH and FACTOR_VALUE. The first declaration or user that
// needs a kind gives it; every later one must agree.
class g2driverResponseValue : public jhashDatabaseObject {
public:
    static constexpr int32_t unknown = 0;
    static constexpr int32_t numerical = 1;
    static constexpr int32_t text = 2;

    g2driverResponseValue() = default;
    g2driverResponseValue(const g2driverResponseValue&) = delete;
    g2driverResponseValue& operator=(const g2driverResponseValue&) = delete;

    int32_t getKind() const noexcept { return kind_; }
    void setKind(int32_t kind) noexcept { kind_ = kind; }
    // An unknown kind takes the given one; false when it has another.
    bool acceptKind(int32_t kind) noexcept
    {
        if (kind_ == unknown)
            kind_ = kind;
        return kind_ == kind;
    }
    // The element that declares the value; null for a placeholder.
    g2driverResponseElement* getDefiner() const noexcept { return definer_; }
    void setDefiner(g2driverResponseElement* element) noexcept { definer_ = element; }
    gusedByList& usedBy() noexcept { return usedBy_; }

private:
    int32_t kind_ = unknown;
    g2driverResponseElement* definer_ = nullptr;
    gusedByList usedBy_;
};

using g2driverResponseValueTable = jhashTypedDatabaseTable<g2driverResponseValue>;
