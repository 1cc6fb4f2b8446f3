#include "scl/gsclProgramBody.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

namespace {

template <class Coder>
void copyCoders(const garrayMapOwned<Coder>& from, garrayMapOwned<Coder>& to)
{
    to.deleteAll();
    garrayMapIterator<Coder> it(from);
    Coder* coder = nullptr;
    int32_t number = 0;
    while (it.get(coder, number)) {
        std::unique_ptr<Coder> copy(coder->clone());
        if (to.insert(copy.get(), number))
            copy.release();
    }
}

template <class Coder>
void writeTable(const garrayMapOwned<Coder>& table, int token, CObjectFile& file, int indent)
{
    garrayMapIterator<Coder> it(table);
    Coder* coder = nullptr;
    int32_t number = 0;
    while (it.get(coder, number)) {
        gkeyword::byToken(token).writeKey(file, indent);
        file.writeUnsigned(static_cast<uint32_t>(number), 2);
        coder->writeEmbedded(file, indent);
    }
}

template <class Coder>
gloadStatus enterCoder(garrayMapOwned<Coder>& table, uint32_t number, int kindToken, gstorable& reader)
{
    std::unique_ptr<Coder> coder(Coder::create(kindToken));
    if (!coder)
        return gload::invalidValue;
    if (!table.insert(coder.get(), static_cast<int32_t>(number)))
        return gload::alreadyLoaded;
    reader.loadEmbeddedObject(coder.release());
    return gload::accepted;
}

} // namespace

gsclProgramBody::gsclProgramBody(const gsclProgramBody& other) { *this = other; }

gsclProgramBody& gsclProgramBody::operator=(const gsclProgramBody& other)
{
    if (&other == this)
        return *this;
    copyCoders(other.decoders_, decoders_);
    copyCoders(other.encoders_, encoders_);
    return *this;
}

void gsclProgramBody::writeCoders(CObjectFile& file, int indent) const
{
    writeTable(decoders_, kw::DECODER, file, indent);
    writeTable(encoders_, kw::ENCODER, file, indent);
}

gloadStatus gsclProgramBody::loadCoderLine(int token, const gstr& value, gstorable& reader)
{
    if (token != kw::DECODER && token != kw::ENCODER)
        return gload::unknownKeyword;
    uint32_t number = 0;
    const char* next = nullptr;
    int kindToken = -1;
    if (parseUnsignedItem(value.data(), number, next) != itemResult::comma
        || parseKeywordItem(next, kindToken) != itemResult::end)
        return gload::invalidValue;
    if (token == kw::DECODER)
        return enterCoder(decoders_, number, kindToken, reader);
    return enterCoder(encoders_, number, kindToken, reader);
}
