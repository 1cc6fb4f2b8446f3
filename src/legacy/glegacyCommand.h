#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"

#include <cstdint>

class CObjectFile;
class glegacyDriver;
class glegacyResponse;

// An entry of a legacy driver's command table: a COMMAND, sent while polling,
// which may name the RESPONSE the device answers with, or a REPLY, sent in
// answer to a message. Its used-by node takes references from entries of the
// same driver in its member list and from outside (devices, sources) in its
// own. The editor's working copies are entries without a driver.
class glegacyCommand : public jhashDatabaseObject, public greferrer {
public:
    static constexpr int32_t unset = 0;
    static constexpr int32_t reply = 1;
    static constexpr int32_t command = 2;

    glegacyCommand() = default;
    glegacyCommand(const glegacyCommand&) = delete;
    glegacyCommand& operator=(const glegacyCommand&) = delete;
    ~glegacyCommand() override = default;

    int32_t getKind() const noexcept { return kind_; }
    // An unset kind takes the given one (1); otherwise 1 when they agree.
    int setKind(int32_t kind) noexcept;

    const gstr& getString() const noexcept { return string_; }
    // Not set for a REPLY and a COMMAND without response.
    const gstr& getResponseName() const noexcept { return responseName_; }
    glegacyDriver* getDriver() const noexcept { return driver_; }
    void setDriver(glegacyDriver* driver) noexcept { driver_ = driver; }

    // The shared marker for a REPLY; null for a COMMAND that names no
    // response; otherwise the named response of the driver (a placeholder
    // when absent).
    glegacyResponse* getResponse() const;
    // The counterpart that makes an entry a REPLY (never a real response).
    static glegacyResponse* replyMarker();

    // The rest of a COMMAND (isCommand) or REPLY line after the name: the
    // string and, for a COMMAND, an optional response name. The result of
    // the last item read; 0 when the kind or the response disagrees.
    int parse(const char* text, bool isCommand);
    // The COMMAND or REPLY line.
    void write(CObjectFile& file, int indent) const;

    // The editor's setter: the string, and as counterpart a response (a
    // COMMAND naming it), null (a COMMAND without response) or the reply
    // marker (a REPLY). The entry no longer belongs to a driver.
    void set(const gstrSlice& string, glegacyResponse* counterpart);
    // Takes kind, string and response name of other; the response is looked
    // up by name in the driver, which becomes the owner.
    void copyFrom(glegacyDriver& driver, const glegacyCommand& other);
    // Back to an undefined entry without driver, kind, string or response.
    // Its users stay.
    void clear();

    // A one-byte checksum of code (2 LRC, 7 sum modulo 256, 8 printable)
    // over the bytes after the first exclude: appended (offset -1, at least
    // two bytes covered) or written over the byte offset places before the
    // last (at least one byte covered before it). 1 when the string changed.
    int applyChecksum(int code, int64_t offset, int64_t exclude);
    // Writes address over the string from byte offset on when the string is
    // long enough; true when it was.
    bool overwriteAt(const gstrSlice& address, uint32_t offset);
    // Exact byte search; true when the string changed.
    bool replaceText(const gstrSlice& search, const gstrSlice& replacement, bool onlyFirst);
    // An entry whose response is old (with old null: a COMMAND without one)
    // gets replacement (null: none). True when the entry matched.
    bool replaceResponse(const glegacyResponse* old, glegacyResponse* replacement);

    greferenceNode& usedBy() noexcept { return usedBy_; }
    const greferenceNode& usedBy() const noexcept { return usedBy_; }
    // "The command %s in device driver %s", or "The command %s" without one.
    void describeReferrer(gstr& text) const override;

private:
    // The response entry as counterpart: name and link, or neither.
    void linkResponse(glegacyResponse* response);

    int32_t kind_ = unset;
    gstr string_;
    gstr responseName_;
    gusesList responseLink_{this};
    glegacyDriver* driver_ = nullptr;
    greferenceNode usedBy_;
};
