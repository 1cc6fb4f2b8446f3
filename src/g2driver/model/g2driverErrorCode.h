#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class CObjectFile;

// A named error code of a G2 driver: the kind of value its error-code
// response elements report.
class g2driverErrorCode : public jhashDatabaseObject {
public:
    static constexpr int32_t unset = 0;
    static constexpr int32_t numerical = 1; // NUMERICAL VALUE
    static constexpr int32_t text = 2;      // STRING VALUE

    g2driverErrorCode() = default;
    g2driverErrorCode(const g2driverErrorCode&) = delete;
    g2driverErrorCode& operator=(const g2driverErrorCode&) = delete;

    int32_t getKind() const noexcept { return kind_; }
    void setKind(int32_t kind) noexcept { kind_ = kind; }
    // An unset kind takes the given one; false when it has another.
    bool acceptKind(int32_t kind) noexcept;

    gusedByList& usedBy() noexcept { return usedBy_; }

    // The kind keyword after the tag of an ERROR_CODE line: sets the kind
    // and defines the code. The item result.
    int readKind(const char* text);
    // The tag, ", " and the kind keyword, then the ending.
    void writeLine(CObjectFile& file, int ending) const;

    // NUMERICAL VALUE for 1, STRING VALUE for 2; 0 for any other token.
    static int32_t kindOfKeyword(int token) noexcept;
    static int keywordOfKind(int32_t kind) noexcept;

private:
    int32_t kind_ = unset;
    gusedByList usedBy_;
};

using g2driverErrorCodeTable = jhashTypedDatabaseTable<g2driverErrorCode>;
