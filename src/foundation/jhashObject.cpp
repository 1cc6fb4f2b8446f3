#include "foundation/jhashObject.h"

#include "foundation/jhashTable.h"

jhashObject::~jhashObject()
{
    if (table_)
        table_->unlink(this);
}

int jhashKeyedObject::insertInto(jhashImplementedTable& table)
{
    return table.insert(this);
}

void jhashKeyedObject::removeFrom(jhashImplementedTable& table)
{
    table.remove(this);
}

void jhashNamedObject::adoptName(gstr& other) noexcept
{
    name_.adopt(other);
}

int jhashNamedObject::replaceInName(const gstrSlice& text, const gstrSlice& replacement, bool wholeWord, bool matchCase)
{
    return name_.replaceFirst(text, replacement, wholeWord, matchCase, 0);
}
