#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"

#include <cstdint>
#include <map>

// The kind of a parameter or of a value: untyped only for a placeholder that
// no definition or user has typed yet.
namespace g2valueKind {
constexpr int32_t untyped = 0;
constexpr int32_t bistate = 1;
constexpr int32_t digital = 2;
constexpr int32_t analog = 3;
constexpr int32_t string = 4;

// The keyword token of a kind (BISTATE, DIGITAL, ANALOG, STRING); -1 for none.
int keywordOf(int32_t kind) noexcept;
// The kind a keyword token names; untyped for any other token.
int32_t fromKeyword(int token) noexcept;
} // namespace g2valueKind

// Where a parameter lives and where its value comes from.
namespace g2parameterScope {
constexpr int32_t driver = 0;       // DRIVER_PARAM: the device's values
constexpr int32_t templateOf = 1;   // TEMPLATE_PARAM: the command's fixed values
constexpr int32_t command = 2;      // PARAMETER: the values of each request
} // namespace g2parameterScope

// A parameter of a G2 driver, a command template, a command or a data
// object: a value that changes from one use to the next, named by its tag.
// An untyped parameter takes the kind of its first user; after that every
// user must agree.
class g2driverParameter : public jhashDatabaseObject {
public:
    g2driverParameter() = default;
    g2driverParameter(const g2driverParameter&) = delete;
    g2driverParameter& operator=(const g2driverParameter&) = delete;

    int32_t getKind() const noexcept { return kind_; }
    void setKind(int32_t kind) noexcept { kind_ = kind; }
    // An untyped parameter takes the kind; false when it has another.
    bool acceptKind(int32_t kind) noexcept;

    int32_t getScope() const noexcept { return scope_; }
    void setScope(int32_t scope) noexcept { scope_ = scope; }
    // 0 ordinary, 1 internal (INTERNAL_PARAM), -1 referred to from outside
    // the driver.
    int32_t getInternal() const noexcept { return internal_; }
    void setInternal(int32_t state) noexcept { internal_ = state; }

    // The name of a DIGITAL value; empty text when it has none.
    const gstr& valueName(uint32_t value) const;
    // False when the value is already named.
    bool addValueName(uint32_t value, const gstrSlice& name);
    const std::map<uint32_t, gstr>& valueNames() const noexcept { return valueNames_; }

    void clearValueNames() noexcept { valueNames_.clear(); }
    // Kind, internal state and value names of the other (scope stays).
    void assignType(const g2driverParameter& other);

    // Its referrers, in four lists: 0 elements, template values and device
    // values; 1 references within the driver's data objects; 2 command
    // request values and data-object references; 3 register sources that
    // read a command's data from outside the driver.
    static constexpr int listCount = 4;
    gusedByList& usedBy(int list = 0) noexcept { return usedBy_[list]; }
    const gusedByList& usedBy(int list = 0) const noexcept { return usedBy_[list]; }
    // Unused only when all four lists are.
    bool isUnused() const;
    // The referrers of the third, the fourth, the second and the first list.
    void describeUsers(gstr& text) const;
    // Each list reports the users of the other parameter's list.
    void aliasUsersOf(g2driverParameter& other) noexcept;

private:
    int32_t kind_ = g2valueKind::untyped;
    int32_t scope_ = g2parameterScope::driver;
    int32_t internal_ = 0;
    std::map<uint32_t, gstr> valueNames_;
    gusedByList usedBy_[listCount];
};
