#include "sabus/gsabusBitFieldData.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "registers/gregister.h"
#include "sabus/gsabusReplaceOptions.h"
#include "sabus/sabusFieldLines.h"
#include "sabus/sabusRebinding.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"
#include "store/gusedByList.h"

namespace {

constexpr int someBits = 20186;
constexpr int oneBit = 20197;
// Every bit of the six slots.
constexpr int32_t allBits = 63;

void checkSlot(int slot, const char* fault)
{
    if (slot < 0 || slot >= gsabusBitFieldData::slotCount)
        throw gfault(fault);
}

} // namespace

gregister* gsabusBitFieldData::getRegister(int slot) const
{
    checkSlot(slot, "slot out of range in gsabusBitFieldData::getRegister()");
    return registers_[slot];
}

void gsabusBitFieldData::setRegister(int slot, gregister* reg)
{
    checkSlot(slot, "slot out of range in gsabusBitFieldData::setRegister()");
    registers_[slot] = reg;
}

int gsabusBitFieldData::registerCount() const
{
    int count = 0;
    for (const gregister* reg : registers_)
        count += reg ? 1 : 0;
    return count;
}

void gsabusBitFieldData::writeFields(CObjectFile& file, int indent) const
{
    for (int slot = 0; slot < slotCount; ++slot) {
        if (!registers_[slot])
            continue;
        gkeyword::byToken(kw::REGISTER).writeKey(file, indent);
        file.writeInt(slot, 2);
        registers_[slot]->getTag().write(file, 1);
    }
    if (errorBits_ != unsetMask && maskedBits_ != unsetMask && (errorBits_ != 0 || maskedBits_ != 0)) {
        gkeyword::byToken(kw::SUBSTITUTE_BITS).writeKey(file, indent);
        file.writeInt(errorBits_, 2);
        file.writeInt(maskedBits_, 1);
    }
    if (invertBits_ != unsetMask && invertBits_ != 0) {
        gkeyword::byToken(kw::MASK).writeKey(file, indent);
        file.writeInt(invertBits_, 1);
    }
}

gloadStatus gsabusBitFieldData::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::REGISTER: return loadRegister(value);
    case kw::SUBSTITUTE_BITS: return loadSubstituteBits(value);
    case kw::MASK: return loadMask(value);
    default: return gsabusResponseData::loadField(token, value);
    }
}

gloadStatus gsabusBitFieldData::loadRegister(const gstr& value)
{
    int32_t slot = 0;
    const char* next = nullptr;
    if (parseIntItem(value.data(), slot, next) != itemResult::comma || slot < 0 || slot >= slotCount)
        return gload::invalidValue;
    if (registers_[slot])
        return gload::alreadyLoaded;
    gstr tag;
    if (!tag.parseValue(next) || tag.isEmpty())
        return gload::invalidValue;
    registers_[slot] = station::registers().reference(tag);
    return gload::accepted;
}

gloadStatus gsabusBitFieldData::loadSubstituteBits(const gstr& value)
{
    if (errorBits_ != unsetMask || maskedBits_ != unsetMask)
        return gload::alreadyLoaded;
    int32_t error = 0;
    int32_t masked = 0;
    const char* next = nullptr;
    if (parseIntItem(value.data(), error, next) != itemResult::comma || error < 0 || error > allBits
        || !sabusLines::parseIntInRange(next, 0, allBits, masked))
        return gload::invalidValue;
    errorBits_ = static_cast<uint8_t>(error);
    maskedBits_ = static_cast<uint8_t>(masked);
    return gload::accepted;
}

gloadStatus gsabusBitFieldData::loadMask(const gstr& value)
{
    if (invertBits_ != unsetMask)
        return gload::alreadyLoaded;
    int32_t invert = 0;
    if (!sabusLines::parseIntInRange(value.data(), 0, allBits, invert))
        return gload::invalidValue;
    invertBits_ = static_cast<uint8_t>(invert);
    return gload::accepted;
}

void gsabusBitFieldData::afterLoad()
{
    if (errorBits_ == unsetMask || maskedBits_ == unsetMask) {
        errorBits_ = 0;
        maskedBits_ = 0;
    }
    if (invertBits_ == unsetMask)
        invertBits_ = 0;
}

gstr gsabusBitFieldData::describe() const
{
    int count = registerCount();
    gstr text;
    if (count == 1)
        return text.format(oneBit);
    return text.format(someBits, count);
}

std::unique_ptr<gsabusResponseData> gsabusBitFieldData::clone() const
{
    return std::make_unique<gsabusBitFieldData>(*this);
}

void gsabusBitFieldData::addReferences(gusesList& uses) const
{
    for (gregister* reg : registers_) {
        if (reg)
            uses.add(reg->usedBy());
    }
}

int gsabusBitFieldData::rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options,
                                         gstr& log)
{
    if (!options.registersInQueries)
        return 0;
    int count = 0;
    for (gregister*& reg : registers_)
        count += rebindRegisterTag(reg, 0, owner, options, log);
    return count;
}
