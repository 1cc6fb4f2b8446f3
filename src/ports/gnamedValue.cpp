#include "ports/gnamedValue.h"

#include "foundation/jhashIterator.h"

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
