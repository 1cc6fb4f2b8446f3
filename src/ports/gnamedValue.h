#pragma once

#include "foundation/jhashTable.h"

#include <cstdint>

class CObjectFile;

// A named value of a serial exchange: a number or a text that a response
// element decoded, or a default of the command template.
class gnamedValue : public jhashNamedObject {
public:
    static constexpr int32_t number = 1;
    static constexpr int32_t text = 2;

    gnamedValue(const gstrSlice& name, uint32_t value) : jhashNamedObject(name) { set(value); }
    gnamedValue(const gstrSlice& name, const gstrSlice& value) : jhashNamedObject(name) { set(value); }
    // A copy is a new entry with the same name and value, in no table.
    gnamedValue(const gnamedValue& other) = default;
    gnamedValue& operator=(const gnamedValue&) = delete;

    int32_t getKind() const noexcept { return kind_; }
    uint32_t getNumber() const noexcept { return number_; }
    const gstr& getText() const noexcept { return text_; }

    void set(uint32_t value);
    void set(const gstrSlice& value);

    // A number in unsigned decimal, a text in the always-quoted form.
    void appendValueText(gstr& out) const;

    // The value part of a template's ERROR_CODE default line, after the
    // name and its comma: NUMERICAL VALUE, a comma and an unsigned number,
    // or STRING VALUE, a comma and a string. The item result of the value
    // (0 on any error, the value then unchanged).
    int parse(const char* text);
    // The name always quoted, ", ", the kind keyword, ", " and the value
    // (a text always quoted), then the ending.
    void write(CObjectFile& file, int ending) const;

    // Copies of every value of from, added to to (names already there stay).
    static void copyAll(const jhashNamedObjectTable& from, jhashNamedObjectTable& to);

private:
    int32_t kind_ = number;
    uint32_t number_ = 0;
    gstr text_;
};
