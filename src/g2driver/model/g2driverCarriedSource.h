#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>
#include <vector>

// The SOURCE block of a data object, kept as it was read. The source kinds
// and their lines belong to the data-object sources; until they take the
// block over, a data object carries its source line by line, so that a
// driver loads and saves it unchanged. The SOURCE line is checked as the
// source factory checks it: a kind keyword that accepts the data object's
// kind, nothing after it but LIMIT's DIGITAL or ANALOG, and MULTIPLE only
// at the top; so is every member SOURCE line of a MULTIPLE block.
class g2driverCarriedSource : public gstorable {
public:
    // The source of the SOURCE line's value for a data object of the kind
    // (1 to 4), or null when the factory would make none.
    static g2driverCarriedSource* create(const gstr& value, int32_t objectKind, bool multipleAllowed);

    // Whether the SOURCE value names a kind that accepts the object kind.
    static bool acceptsLine(const gstr& value, int32_t objectKind, bool multipleAllowed);

    // The kind's name as the driver editor lists it (for example
    // "Processor"); empty for a kind it does not know.
    gstr kindName() const;

    // SOURCE and its value as read.
    void writeHeader(CObjectFile& file, int indent) const override;
    // Every line as read, nested blocks one level deeper each.
    void writeFields(CObjectFile& file, int indent) const override;
    // Keeps every line; an END closes the innermost nested block, or the
    // source itself when none is open.
    gloadStatus loadField(int token, gstr& value) override;

private:
    struct line {
        int32_t depth;
        int token;
        gstr value;
    };

    explicit g2driverCarriedSource(const gstr& kind, int32_t objectKind) : kind_(kind), objectKind_(objectKind) {}

    gstr kind_;
    int32_t objectKind_;
    std::vector<line> lines_;
    int32_t depth_ = 0;
};
