#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"

#include <cstdint>

class CObjectFile;
class glegacyDriver;
class glegacyMask;

// An entry of a legacy driver's response table: a RESPONSE, the data expected
// after a command, or a MESSAGE, data the device sends unsolicited, which may
// name the REPLY to send back. Its data mask says how the data is found.
// Editing comes with the legacy drivers.
class glegacyResponse : public jhashDatabaseObject {
public:
    static constexpr int32_t unset = 0;
    static constexpr int32_t response = 1;
    static constexpr int32_t message = 2;

    glegacyResponse() = default;
    glegacyResponse(const glegacyResponse&) = delete;
    glegacyResponse& operator=(const glegacyResponse&) = delete;

    int32_t getKind() const noexcept { return kind_; }
    // An unset kind takes the given one (1); otherwise 1 when they agree.
    int setKind(int32_t kind) noexcept;

    glegacyMask* getMask() const noexcept { return mask_; }
    void setMask(glegacyMask* mask) noexcept { mask_ = mask; }
    const gstr& getReplyName() const noexcept { return replyName_; }
    glegacyDriver* getDriver() const noexcept { return driver_; }
    void setDriver(glegacyDriver* driver) noexcept { driver_ = driver; }

    // The rest of a RESPONSE or MESSAGE (isMessage) line after the name: the
    // mask's tag (from the library's masks when libraryFlag is 1) and, for a
    // MESSAGE, an optional reply name. The result of the last item read.
    int parse(const char* text, bool isMessage, int32_t libraryFlag);
    // The RESPONSE or MESSAGE line.
    void write(CObjectFile& file, int indent) const;

    greferenceNode& usedBy() noexcept { return usedBy_; }

private:
    int32_t kind_ = unset;
    gstr replyName_;
    glegacyMask* mask_ = nullptr;
    glegacyDriver* driver_ = nullptr;
    greferenceNode usedBy_;
};
