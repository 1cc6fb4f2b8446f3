#pragma once

#include "foundation/gstr.h"

#include <cstdint>

class CObjectFile;

// The answer of an object to one keyword line. Any value other than these is
// taken like accepted.
using gloadStatus = int;
namespace gload {
constexpr gloadStatus accepted = 0;
constexpr gloadStatus finished = 1;      // its "END" line was accepted
constexpr gloadStatus unknownKeyword = 2;
constexpr gloadStatus invalidValue = 3;
constexpr gloadStatus alreadyLoaded = 4; // the field was given twice
constexpr gloadStatus incomplete = 5;    // incomplete or inconsistent at its "END"
} // namespace gload

// The persistence part of every object written to a station file. Writing is
// header line, fields one tab deeper, "END"; reading is one loadLine per
// keyword line. An object that contains objects makes the nested one its
// embedded target: the lines then go to the target until the target accepts
// its own "END".
class gstorable {
public:
    gstorable() noexcept = default;
    // The embedded target belongs to one read in progress and is never copied.
    gstorable(const gstorable&) noexcept {}
    gstorable& operator=(const gstorable&) noexcept { return *this; }
    virtual ~gstorable() = default;

    virtual void writeHeader(CObjectFile& file, int indent) const = 0;
    // Writes nothing.
    virtual void writeFields(CObjectFile& file, int indent) const;
    // Accepts only "END" without a value: afterLoad, then finished or, when
    // isComplete is false, incomplete. Classes hand every token they do not
    // handle themselves to their base's loadField.
    virtual gloadStatus loadField(int token, gstr& value);
    virtual void afterLoad();
    virtual bool isComplete() const;

    // Makes the target receive the following lines until its "END".
    void loadEmbeddedObject(gstorable* target);
    // The entry point for every keyword line of the object: the innermost
    // embedded target answers; its "END" ends that level and answers
    // accepted to the level above.
    gloadStatus loadLine(int token, gstr& value);
    // Header at indent, fields at indent + 1, "END" at indent.
    void writeEmbedded(CObjectFile& file, int indent) const;

private:
    gstorable* target_ = nullptr;
};

// A field whose value is one of two keywords; field is -1 while unset and
// becomes 1 for trueToken, 0 for falseToken.
gloadStatus loadBooleanKeyword(const gstr& value, int32_t& field, int trueToken, int falseToken);

// The MASK and INVERT lines of the bit-mask register sources. The owner sets
// invert to -1 before loading and turns a -1 left after loading into 0.
struct gbitMaskSetting {
    uint32_t mask = 0;       // 0: not set
    uint32_t secondMask = 0; // 0: none
    int32_t invert = -1;     // -1 unset, 0 no, 1 yes

    void write(CObjectFile& file, int indent) const;
    // MASK and INVERT; any other token answers unknownKeyword.
    gloadStatus loadField(int token, const gstr& value);
};
