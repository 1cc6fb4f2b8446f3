#include "ports/gnamedValue.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

void gnamedValue::set(uint32_t value)
{
    kind_ = number;
    number_ = value;
    text_.clear();
}

void gnamedValue::set(const gstrSlice& value)
{
    kind_ = text;
    number_ = 0;
    text_.assign(value.isNull() ? gstrSlice::empty : value);
}

void gnamedValue::appendValueText(gstr& out) const
{
    gstr value;
    if (kind_ == number)
        value.format("%u", number_);
    else
        value.assignQuoted(text_, false, true);
    out.append(value);
}

void gnamedValue::copyAll(const jhashNamedObjectTable& from, jhashNamedObjectTable& to)
{
    jhashTypedIterator<gnamedValue> it(from);
    gnamedValue* value = nullptr;
    while (it.get(value)) {
        auto copy = std::make_unique<gnamedValue>(*value);
        if (to.insert(copy.get()))
            copy.release();
    }
}

int gnamedValue::parse(const char* text)
{
    int token = -1;
    const char* next = nullptr;
    if (parseKeywordItem(text, token, next) != itemResult::comma)
        return itemResult::error;
    if (token == kw::V_NUMERICAL_VALUE) {
        uint32_t value = 0;
        int result = parseUnsignedItem(next, value);
        if (result != itemResult::error)
            set(value);
        return result;
    }
    if (token != kw::V_STRING_VALUE)
        return itemResult::error;
    gstr value;
    int result = value.parse(next);
    if (result != itemResult::error)
        set(value);
    return result;
}

void gnamedValue::write(CObjectFile& file, int ending) const
{
    gstr quoted;
    quoted.assignQuoted(getName(), false, true);
    file.writeString(quoted);
    file.writeListSeparator();
    gkeyword::byToken(kind_ == number ? kw::V_NUMERICAL_VALUE : kw::V_STRING_VALUE).writeValue(file, 2);
    if (kind_ == number) {
        file.writeUnsigned(number_, ending);
        return;
    }
    quoted.assignQuoted(text_, false, true);
    file.writeString(quoted);
    file.writeEnding(ending);
}
