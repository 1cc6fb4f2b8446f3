#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <memory>

class gsabusRequest;
class gusesList;
struct gsabusReplaceOptions;

// One item of the answer to an SABus query: where one field of the answer
// comes from. Its block is "DATA <kind keyword>", its fields, "END", nested in
// the query body. The kinds, by code (the order of the Select Response Data
// Type dialog plus one):
//   1 REGISTER STATUS  the on/off state of a register of any class
//   2 DIGITAL NUMBER   a digital register's value as a number
//   3 DIGITAL STRINGS  a digital register's value as one of a table of strings
//   4 ANALOG NUMBER    an analog register's value
//   5 STRING           a string register's value
//   6 BIT FIELD        six register status bits packed into one byte
//   7 PROCESSOR        an SCL program with its arguments
//   8 FIXED STRING     a fixed string
class gsabusResponseData : public gstorable {
public:
    enum kind : int {
        registerStatus = 1,
        digitalNumber,
        digitalStrings,
        analogNumber,
        stringValue,
        bitField,
        processor,
        fixedString,
    };

    // "DATA" and the kind's keyword.
    void writeHeader(CObjectFile& file, int indent) const override;

    // A link to every register and program the item names; none by default.
    virtual void addReferences(gusesList& uses) const;
    // The text of the item's row in the query dialog's list.
    virtual gstr describe() const = 0;
    // An independent copy of the same kind, bound to the same objects.
    virtual std::unique_ptr<gsabusResponseData> clone() const = 0;
    // The batch find and replace in the tags of the registers and programs
    // the item names; lines about tags that name nothing go to log. The
    // number of new bindings and replacements; none by default.
    virtual int rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options, gstr& log);
    virtual int getKind() const = 0;
};

// An empty item of the kind whose keyword token this is; null for any other.
std::unique_ptr<gsabusResponseData> createSabusResponseData(int token);
// The keyword token of a kind code (1 to 8); 0 for any other.
int sabusResponseDataKeyword(int kind);
