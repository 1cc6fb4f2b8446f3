#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"

#include <cstdint>

class CObjectFile;
class glegacyCommand;
class glegacyDriver;
class glegacyMask;

// An entry of a legacy driver's response table: a RESPONSE, the data expected
// after a command, or a MESSAGE, data the device sends unsolicited, which may
// name the REPLY to send back. Its data mask says how the data is found. Its
// used-by node takes references from commands of the same driver in its
// member list and from outside (register sources) in its own.
class glegacyResponse : public jhashDatabaseObject, public greferrer {
public:
    static constexpr int32_t unset = 0;
    static constexpr int32_t response = 1;
    static constexpr int32_t message = 2;

    glegacyResponse() = default;
    glegacyResponse(const glegacyResponse&) = delete;
    glegacyResponse& operator=(const glegacyResponse&) = delete;
    ~glegacyResponse() override = default;

    int32_t getKind() const noexcept { return kind_; }
    // An unset kind takes the given one (1); otherwise 1 when they agree.
    int setKind(int32_t kind) noexcept;

    glegacyMask* getMask() const noexcept { return mask_; }
    // The mask and the link into its used-by list (none for null).
    void setMask(glegacyMask* mask);
    // Not set for a RESPONSE and a MESSAGE without reply.
    const gstr& getReplyName() const noexcept { return replyName_; }
    glegacyDriver* getDriver() const noexcept { return driver_; }
    void setDriver(glegacyDriver* driver) noexcept { driver_ = driver; }

    // The counterpart that makes an entry a RESPONSE (never a real reply).
    static glegacyCommand* responseMarker();

    // The rest of a RESPONSE or MESSAGE (isMessage) line after the name: the
    // mask's tag (from the library's masks when libraryFlag is 1) and, for a
    // MESSAGE, an optional reply name. The result of the last item read.
    int parse(const char* text, bool isMessage, int32_t libraryFlag);
    // The RESPONSE or MESSAGE line.
    void write(CObjectFile& file, int indent) const;

    // The editor's setter: the mask, and as counterpart a reply (a MESSAGE
    // answered with it), null (a MESSAGE without reply) or the response
    // marker (a RESPONSE). The entry no longer belongs to a driver.
    void set(glegacyMask* mask, glegacyCommand* counterpart);
    // Takes kind, mask and reply name of other; the reply is looked up by
    // name in the driver, which becomes the owner.
    void copyFrom(glegacyDriver& driver, const glegacyResponse& other);
    // Back to an undefined entry without driver, kind, mask or reply. Its
    // users stay.
    void clear();
    // A library mask gives way to the station's mask of its tag; without
    // one, the mask itself moves into the station's masks.
    void rebindMaskToStation();

    // An entry whose mask is old takes replacement; true when it matched.
    bool replaceMask(const glegacyMask* old, glegacyMask* replacement);
    // A MESSAGE whose reply is old (with old null: one without reply) gets
    // replacement (null: none). True when the entry matched.
    bool replaceReply(const glegacyCommand* old, glegacyCommand* replacement);

    greferenceNode& usedBy() noexcept { return usedBy_; }
    const greferenceNode& usedBy() const noexcept { return usedBy_; }
    // "The response %s in device driver %s" or "The message %s in device
    // driver %s"; without a driver "The response %s" or "The message %s".
    void describeReferrer(gstr& text) const override;

private:
    // The reply entry as counterpart: name and link, or neither.
    void linkReply(glegacyCommand* reply);

    int32_t kind_ = unset;
    gstr replyName_;
    gusesList replyLink_{this};
    glegacyMask* mask_ = nullptr;
    gusesList maskLink_{this};
    glegacyDriver* driver_ = nullptr;
    greferenceNode usedBy_;
};
