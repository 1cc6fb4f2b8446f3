#pragma once

#include "foundation/jhashObject.h"
#include "store/gusedByList.h"

#include <cstdint>

class CObjectFile;
class glegacyDriver;
class glegacyResponse;

// An entry of a legacy driver's command table: a COMMAND, sent while polling,
// which may name the RESPONSE the device answers with, or a REPLY, sent in
// answer to a message. Editing, checksums and search come with the legacy
// drivers; so far it is what a file and a serial exchange need of it.
class glegacyCommand : public jhashDatabaseObject {
public:
    static constexpr int32_t unset = 0;
    static constexpr int32_t reply = 1;
    static constexpr int32_t command = 2;

    glegacyCommand() = default;
    glegacyCommand(const glegacyCommand&) = delete;
    glegacyCommand& operator=(const glegacyCommand&) = delete;

    int32_t getKind() const noexcept { return kind_; }
    // An unset kind takes the given one (1); otherwise 1 when they agree.
    int setKind(int32_t kind) noexcept;

    const gstr& getString() const noexcept { return string_; }
    void setString(const gstrSlice& bytes) { string_.assign(bytes.isNull() ? gstrSlice::empty : bytes); }
    const gstr& getResponseName() const noexcept { return responseName_; }
    void setResponseName(const gstrSlice& name) { responseName_.assign(name); }
    glegacyDriver* getDriver() const noexcept { return driver_; }
    void setDriver(glegacyDriver* driver) noexcept { driver_ = driver; }

    // The shared marker for a REPLY; null for a COMMAND that names no
    // response; otherwise the named response of the driver (a placeholder
    // when absent).
    glegacyResponse* getResponse() const;
    static glegacyResponse* replyMarker();

    // The rest of a COMMAND (isCommand) or REPLY line after the name: the
    // string and, for a COMMAND, an optional response name. The result of
    // the last item read; 0 when the kind or the response disagrees.
    int parse(const char* text, bool isCommand);
    // The COMMAND or REPLY line.
    void write(CObjectFile& file, int indent) const;

    greferenceNode& usedBy() noexcept { return usedBy_; }

private:
    int32_t kind_ = unset;
    gstr string_;
    gstr responseName_;
    glegacyDriver* driver_ = nullptr;
    greferenceNode usedBy_;
};
