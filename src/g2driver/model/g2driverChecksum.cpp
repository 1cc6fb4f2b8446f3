#include "g2driver/model/g2driverChecksum.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

int kindToken(int32_t kind)
{
    switch (kind) {
    case g2driverChecksum::sum: return kw::SUM;
    case g2driverChecksum::lrc: return kw::LRC;
    case g2driverChecksum::crc16: return kw::V_CRC_16;
    case g2driverChecksum::crcCcitt: return kw::V_CRC_CCITT;
    case g2driverChecksum::crc32: return kw::V_CRC_32;
    case g2driverChecksum::mod128: return kw::V_MOD_128;
    case g2driverChecksum::mod256: return kw::V_MOD_256;
    case g2driverChecksum::printable: return kw::PRINTABLE;
    default: return kw::PROCESSOR;
    }
}

int32_t kindOfToken(int token)
{
    for (int32_t kind = g2driverChecksum::sum; kind <= g2driverChecksum::processor; ++kind) {
        if (kindToken(kind) == token)
            return kind;
    }
    return g2driverChecksum::notSet;
}

// The word options 8 BITS to 32 BITS (HI-LO) are consecutive keywords.
int32_t wordOptionOfToken(int token)
{
    return token >= kw::V_8_BITS && token <= kw::V_32_BITS_HI_LO ? token - kw::V_8_BITS : -1;
}

} // namespace

g2driverChecksum::g2driverChecksum(const g2driverChecksum& other, const greferrer* owner,
                                   gprocessorCall::programTable* programs)
    : kind_(other.kind_), complement_(other.complement_), wordOption_(other.wordOption_), initial_(other.initial_),
      finalXor_(other.finalXor_), program_(other.program_), uses_(owner)
{
    if (programs)
        setDriver(programs);
    relink();
}

void g2driverChecksum::setKind(int32_t kind)
{
    kind_ = kind;
    if (kind != processor) {
        program_.clear();
        uses_.clear();
    }
}

void g2driverChecksum::setOptions(int32_t complement, int32_t wordOption, uint32_t initial, uint32_t finalXor) noexcept
{
    complement_ = complement;
    wordOption_ = wordOption;
    initial_ = initial;
    finalXor_ = finalXor;
}

void g2driverChecksum::setProgram(const gprocessorCall& call)
{
    program_.assign(call);
    relink();
}

void g2driverChecksum::setDriver(gprocessorCall::programTable* programs)
{
    if (!programs)
        return;
    program_.setProgramTable(programs);
    if (program_.isSet()) {
        gstr tag(program_.getProgram()->programTag());
        program_.setProgramByName(tag);
    }
    relink();
}

void g2driverChecksum::relink()
{
    uses_.clear();
    if (program_.isSet())
        uses_.add(*program_.getProgram());
}

void g2driverChecksum::write(CObjectFile& file, int indent) const
{
    if (kind_ == notSet)
        return;
    gkeyword::byToken(kw::CHECKSUM).writeKey(file, indent);
    if ((kind_ == sum || kind_ == lrc) && wordOption_ != 0) {
        gkeyword::byToken(kindToken(kind_)).writeValue(file, 2);
        gkeyword::byToken(kw::V_8_BITS + wordOption_).writeValue(file, 1);
    } else if (isCrc(kind_)) {
        gkeyword::byToken(kindToken(kind_)).writeValue(file, 2);
        file.writeUnsigned(initial_, 2);
        file.writeUnsigned(finalXor_, 1);
    } else {
        gkeyword::byToken(kindToken(kind_)).writeValue(file, 1);
    }
    if (complement_ != 0 && !isCrc(kind_) && kind_ != processor)
        writeIntLine(file, indent, kw::COMPLEMENT, complement_);
    if (kind_ == processor && program_.isSet()) {
        writeBareLine(file, indent, kw::PROGRAM);
        program_.writeEmbedded(file, indent);
    }
}

gloadStatus g2driverChecksum::loadKeyword(gstorable& owner, int token, const gstr& value)
{
    switch (token) {
    case kw::CHECKSUM: return loadKind(value);
    case kw::COMPLEMENT: return readCount(value, complement_, 0, 1, 2);
    case kw::PROGRAM:
        if (program_.isSet())
            return gload::alreadyLoaded;
        if (!value.isEmpty() || !program_.getProgramTable())
            return gload::invalidValue;
        owner.loadEmbeddedObject(&program_);
        return gload::accepted;
    default: return gload::unknownKeyword;
    }
}

gloadStatus g2driverChecksum::loadKind(const gstr& value)
{
    if (kind_ != notSet)
        return gload::alreadyLoaded;
    int token = -1;
    const char* next = nullptr;
    int result = parseKeywordItem(value.data(), token, next);
    const int32_t kind = kindOfToken(token);
    if (result == itemResult::error || kind == notSet)
        return gload::invalidValue;
    if (kind == sum || kind == lrc) {
        int32_t option = 0;
        if (result == itemResult::comma) {
            int optionToken = -1;
            option = parseKeywordItem(next, optionToken) == itemResult::end ? wordOptionOfToken(optionToken) : -1;
            if (option < 0)
                return gload::invalidValue;
        }
        kind_ = kind;
        wordOption_ = option;
        return gload::accepted;
    }
    if (isCrc(kind)) {
        uint32_t initial = 0;
        uint32_t finalXor = 0;
        if (result != itemResult::comma || parseUnsignedItem(next, initial, next) != itemResult::comma
            || parseUnsignedItem(next, finalXor) != itemResult::end)
            return gload::invalidValue;
        kind_ = kind;
        initial_ = initial;
        finalXor_ = finalXor;
        return gload::accepted;
    }
    if (result != itemResult::end)
        return gload::invalidValue;
    kind_ = kind;
    return gload::accepted;
}

bool g2driverChecksum::isValid() const
{
    if (kind_ == notSet)
        return false;
    if ((isCrc(kind_) || kind_ == processor) && complement_ != 0)
        return false;
    return program_.isSet() == (kind_ == processor);
}

uint32_t g2driverChecksum::compute(const gstrSlice& bytes) const
{
    if (kind_ == processor)
        return 0;
    uint32_t value = bytes.checksum(kind_, wordOption_, initial_, finalXor_);
    if (complement_ == 1)
        return ~value;
    if (complement_ == 2)
        return 0u - value;
    return value;
}
