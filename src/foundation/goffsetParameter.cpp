#include "foundation/goffsetParameter.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverParameter.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "store/CObjectFile.h"
#include "store/gusedByList.h"

namespace {

// The scope the data object's table gives a parameter named by such a line.
constexpr int32_t offsetScope = 1;

} // namespace

void goffsetParameter::setTerms(int32_t firstOffset, int32_t factor, int32_t secondOffset) noexcept
{
    firstOffset_ = firstOffset;
    factor_ = factor;
    secondOffset_ = secondOffset;
}

void goffsetParameter::setRange(uint32_t lowest, uint32_t highest) noexcept
{
    lowest_ = lowest;
    highest_ = highest;
}

int goffsetParameter::parse(g2driverDataObject& owner, const char* text, const char*& cursor)
{
    cursor = text;
    gstr tag;
    if (tag.parse(cursor, cursor) != itemResult::comma || tag.isEmpty())
        return itemResult::error;
    parameter_ = owner.parameters().referenceAs(tag, offsetScope);
    if (parameter_->getKind() == g2valueKind::untyped)
        parameter_->setKind(g2valueKind::digital);
    if (parameter_->getKind() != g2valueKind::digital)
        return itemResult::error;
    if (parseIntItem(cursor, firstOffset_, cursor) != itemResult::comma)
        return itemResult::error;
    if (int result = parseIntItem(cursor, factor_, cursor); result != itemResult::comma)
        return result;
    if (int result = parseIntItem(cursor, secondOffset_, cursor); result != itemResult::comma)
        return result;
    uint32_t lowest = 0;
    if (parseUnsignedItem(cursor, lowest, cursor) != itemResult::comma)
        return itemResult::error;
    lowest_ = lowest;
    uint32_t highest = 0;
    int result = parseUnsignedItem(cursor, highest, cursor);
    if (result == itemResult::error || highest < lowest_)
        return itemResult::error;
    highest_ = highest;
    return result;
}

void goffsetParameter::write(CObjectFile& file, int ending) const
{
    if (!parameter_)
        throw gfault("parameter not set in goffsetParameter::write()");
    parameter_->getName().write(file, 2);
    file.writeInt(firstOffset_, 2);
    file.writeInt(factor_, 2);
    bool ranged = isRanged();
    file.writeInt(secondOffset_, ranged ? 2 : ending);
    if (!ranged)
        return;
    file.writeUnsigned(lowest_, 2);
    file.writeUnsigned(highest_, ending);
}

void goffsetParameter::addReferences(gusesList& uses) const
{
    if (!parameter_)
        throw gfault("parameter not set in goffsetParameter::addReferences()");
    uses.add(parameter_->usedBy());
}

g2driverParameter* goffsetParameter::rebindParameter(g2driverParameterTable& table)
{
    if (!parameter_)
        throw gfault("parameter not set in goffsetParameter::rebindParameter()");
    parameter_ = table.reference(parameter_->getName());
    return parameter_;
}
