#pragma once

#include "foundation/gregexp.h"
#include "foundation/gstr.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>

class CObjectFile;
class glegacyDevice;
class glegacyDriver;
class glegacyResponse;
class gregister;
class gserialPort;
struct gregisterBatchOptions;

// The source that a legacy data location belongs to, as the port, the device
// and the response it reads see it in their used-by reports: "The register
// %s" with the owning register's title, else its tag.
class gsourceLocationOwner : public greferrer {
public:
    // The register whose source holds the location; null while it has none
    // (a bit section that no collection has taken yet).
    virtual const gregister* locationRegister() const = 0;
    void describeReferrer(gstr& text) const override;

protected:
    ~gsourceLocationOwner() = default;
};

// Where in a legacy device's data buffer a register's value lies: the port,
// the response (which fixes the legacy driver and so the device on the port,
// named after its driver), an optional search key, an offset and an optional
// fixed length. Embedded in every legacy-device source; it links the source
// into the used-by lists of the port, the device and the response.
class gsourceSerialInterface {
public:
    // The offset while none was given; never a stored offset.
    static constexpr int32_t noOffset = 2147483647;

    explicit gsourceSerialInterface(const gsourceLocationOwner& owner);
    // A copy of the other's location for another source.
    gsourceSerialInterface(const gsourceLocationOwner& owner, const gsourceSerialInterface& other);
    gsourceSerialInterface(const gsourceSerialInterface&) = delete;
    gsourceSerialInterface& operator=(const gsourceSerialInterface&) = delete;
    virtual ~gsourceSerialInterface() = default;

    // Sets the location; the port must hold the device of the response's
    // driver (a fault otherwise). The search key is set separately.
    void fillValues(gserialPort* port, glegacyResponse* response, int32_t offset, int32_t length);

    gserialPort* getPort() const noexcept { return port_; }
    glegacyResponse* getResponse() const noexcept { return response_; }
    // The response's driver; null without response.
    glegacyDriver* getDriver() const noexcept;
    // The port's device of that driver; null when there is none.
    glegacyDevice* getDevice() const;
    gregexp& searchKey() noexcept { return key_; }
    const gregexp& searchKey() const noexcept { return key_; }
    int32_t getOffset() const noexcept { return offset_; }
    int32_t getLength() const noexcept { return length_; }
    bool hasResponse() const noexcept { return response_ != nullptr; }
    // What the embedding source needs of the location to be complete: a
    // response.
    virtual bool isComplete() const noexcept { return hasResponse(); }

    // RESPONSE, KEY, OFFSET and LENGTH as they apply.
    virtual void writeFields(CObjectFile& file, int indent) const;
    // The location's keywords; unknownKeyword for any other.
    virtual gloadStatus loadField(int token, const gstr& value);
    // An offset that was not given becomes 0.
    void afterLoad() noexcept;
    // "port - device - response", kept until the port or response changes.
    const gstr& describe() const;

    // The batch rebinding of port, driver and response; the number of
    // changes. The reasons a wanted object was kept are appended to log.
    virtual int resolveReferences(const gregisterBatchOptions& options, gstr& log);

protected:
    const gsourceLocationOwner& owner() const noexcept { return *owner_; }
    // The register's title (else tag) for the log; empty without one.
    gstr ownerTitle() const;
    void setOffset(int32_t offset) noexcept;

private:
    gloadStatus loadResponse(const gstr& value);
    gloadStatus loadKey(const gstr& value);
    void relink(glegacyDevice* device);

    const gsourceLocationOwner* owner_;
    gserialPort* port_ = nullptr;
    glegacyResponse* response_ = nullptr;
    gusesList uses_;
    gregexp key_{false};
    int32_t offset_ = noOffset;
    int32_t length_ = 0;
    mutable gstr description_;
};

// The data types of a typed location (gsourceLegacyDataType): 0 none, then
// 1 BYTE, 2 SIGNED BYTE, 3 BIG ENDIAN, 4 SIGNED BIG ENDIAN, 5 LITTLE ENDIAN,
// 6 SIGNED LITTLE ENDIAN, 7 BCD, 8 DECIMAL, 9 HEX, 10 BINARY, 11 OCTAL.
namespace legacyDataType {
constexpr int32_t none = 0;
constexpr int32_t byte = 1;
constexpr int32_t signedByte = 2;
constexpr int32_t bcd = 7;
constexpr int32_t decimal = 8;
constexpr int32_t last = 11;

// The TYPE keyword's token of a code 1 to 11.
int keyword(int32_t code);
// The code of a TYPE keyword, 0 for any other token.
int32_t ofKeyword(int token);
// The pane's label of a code 1 to 11 ("Byte (unsigned)" ...).
const char* label(int32_t code);
// Whether a file's LENGTH (0: not given) suits the code.
bool lengthFits(int32_t code, int32_t length) noexcept;
// Whether a length typed into a pane (0: no fixed length) suits the code:
// the panes ask the byte types for a fixed length of exactly 1, where the
// file also takes none. A pane still confirms the length it was opened with
// as long as the code is unchanged and the file takes it.
bool lengthAsked(int32_t code, int32_t length) noexcept;
bool lengthConfirmed(int32_t code, int32_t length, int32_t shownCode, int32_t shownLength) noexcept;
} // namespace legacyDataType

// The location with the data type its bytes are read as.
class gsourceSerialTypedInterface : public gsourceSerialInterface {
public:
    using gsourceSerialInterface::gsourceSerialInterface;
    gsourceSerialTypedInterface(const gsourceLocationOwner& owner, const gsourceSerialTypedInterface& other);

    int32_t getDataType() const noexcept { return dataType_; }
    void setDataType(int32_t code) noexcept { dataType_ = code; }

    // The location's lines, then TYPE.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, const gstr& value) override;
    // A data type, a length that suits it and a response.
    bool isComplete() const noexcept override;
    // The rebinding, then the shift of data-buffer offsets.
    int resolveReferences(const gregisterBatchOptions& options, gstr& log) override;

private:
    int shiftOffset(const gregisterBatchOptions& options, gstr& log);

    int32_t dataType_ = legacyDataType::none;
};
