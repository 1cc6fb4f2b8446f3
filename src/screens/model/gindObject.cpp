#include "screens/model/gindObject.h"

#include "registers/gregister.h"
#include "screens/model/fscreen.h"
#include "screens/model/gscreenBatchChange.h"
#include "store/gstation.h"

namespace {

constexpr int noRegisterText = 20144;

const gstr& emptyText()
{
    static const gstr empty;
    return empty;
}

} // namespace

gindObject::~gindObject() { uses_.clear(); }

void gindObject::describeReferrer(gstr& text) const
{
    gstr line;
    text.append(line.format(
        descriptionId(), getScreen() ? static_cast<const gstrSlice&>(getScreen()->getTitle(true)) : gstrSlice::empty));
}

void gindObject::linkRegister(gregister* reg)
{
    if (reg)
        uses_.set(reg->usedBy());
    else
        uses_.clear();
}

void gindObject::linkRegisters(std::initializer_list<gregister*> registers)
{
    uses_.clear();
    for (gregister* reg : registers) {
        if (reg)
            uses_.add(reg->usedBy());
    }
}

int gindObject::rebindByTag(const gscreenBatchChange& change, gstr& log, const gregister* current, int wrongClassId,
                            const std::function<bool(gregister&)>& bind)
{
    if (!change.registers || !current)
        return 0;
    gstr tag(current->getTag());
    if (!change.replaceFirstIn(tag))
        return 0;
    gstr line;
    gregister* found = station::registers().find(tag);
    if (!found) {
        log.append(line.format(noRegisterText, tag, current->getTitle(true)));
        return 0;
    }
    if (!bind(*found)) {
        log.append(line.format(wrongClassId, tag, current->getTitle(true)));
        return 0;
    }
    return 1;
}

gregister* referenceRegister(const gstr& tag) { return tag.isEmpty() ? nullptr : station::registers().reference(tag); }

gregister* readRegisterTag(const gstr& value)
{
    gstr tag;
    if (!tag.parseValue(value.data()) || tag.isEmpty())
        return nullptr;
    return referenceRegister(tag);
}

const gstr& registerTitle(const gregister* reg) { return reg ? reg->getTitle(true) : emptyText(); }

int registerLevel(const gregister* reg) { return reg ? reg->getLevel() : 0; }
