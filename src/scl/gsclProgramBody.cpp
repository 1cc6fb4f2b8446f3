#include "scl/gsclProgramBody.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

namespace {

constexpr char lineBreak = '\r';

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
gloadStatus enterCoder(garrayMapOwned<Coder>& table, uint32_t number, int kindToken, gstorable& owner)
{
    std::unique_ptr<Coder> coder(Coder::create(kindToken));
    if (!coder)
        return gload::invalidValue;
    if (!table.insert(coder.get(), static_cast<int32_t>(number)))
        return gload::alreadyLoaded;
    owner.loadEmbeddedObject(coder.release());
    return gload::accepted;
}

} // namespace

gsclProgramBody::gsclProgramBody(const gsclProgramBody& other) : gprogramUsedByList(other) { assign(other); }

gsclProgramBody& gsclProgramBody::operator=(const gsclProgramBody& other)
{
    assign(other);
    return *this;
}

void gsclProgramBody::assign(const gsclProgramBody& other)
{
    if (&other == this)
        return;
    code_ = other.code_;
    limit_ = other.limit_;
    copyCoders(other.decoders_, decoders_);
    copyCoders(other.encoders_, encoders_);
}

void gsclProgramBody::setCode(const gstrSlice& text)
{
    if (text.isEmpty()) {
        code_.clear();
        return;
    }
    code_.assign(text);
}

void gsclProgramBody::writeFields(CObjectFile& file, int indent) const
{
    if (!code_.isEmpty()) {
        const gkeyword& key = gkeyword::byToken(kw::CODE);
        const char* start = code_.data();
        const char* end = code_.end();
        for (;;) {
            const char* stop = start;
            while (stop < end && *stop != lineBreak)
                ++stop;
            key.writeKey(file, indent);
            gstrSlice(start, static_cast<int32_t>(stop - start)).write(file, 1);
            if (stop == end)
                break;
            start = stop + 1;
        }
    }
    if (limit_ > 0) {
        gkeyword::byToken(kw::LIMIT).writeKey(file, indent);
        file.writeInt(limit_, 1);
    }
    writeTable(decoders_, kw::DECODER, file, indent);
    writeTable(encoders_, kw::ENCODER, file, indent);
}

gloadStatus gsclProgramBody::loadField(gstorable& owner, int token, gstr& value)
{
    switch (token) {
    case kw::CODE: return loadCode(value);
    case kw::LIMIT: return loadLimit(value);
    case kw::DECODER:
    case kw::ENCODER: return loadCoder(owner, token, value);
    default: return gload::unknownKeyword;
    }
}

void gsclProgramBody::afterLoad()
{
    if (code_.isEmpty())
        code_.clear();
}

gloadStatus gsclProgramBody::loadCode(const gstr& value)
{
    gstr line;
    if (!line.parseValue(value.data()))
        return gload::invalidValue;
    if (code_.isNull()) {
        code_.assign(line.isNull() ? gstrSlice::empty : gstrSlice(line));
        return gload::accepted;
    }
    code_.append(lineBreak);
    code_.append(line);
    return gload::accepted;
}

gloadStatus gsclProgramBody::loadLimit(const gstr& value)
{
    if (limit_ != 0)
        return gload::alreadyLoaded;
    int32_t limit = 0;
    if (parseIntItem(value.data(), limit) != itemResult::end || limit < 1)
        return gload::invalidValue;
    limit_ = limit;
    return gload::accepted;
}

gloadStatus gsclProgramBody::loadCoder(gstorable& owner, int token, const gstr& value)
{
    uint32_t number = 0;
    const char* next = nullptr;
    int kindToken = -1;
    if (parseUnsignedItem(value.data(), number, next) != itemResult::comma
        || parseKeywordItem(next, kindToken) != itemResult::end)
        return gload::invalidValue;
    if (token == kw::DECODER)
        return enterCoder(decoders_, number, kindToken, owner);
    return enterCoder(encoders_, number, kindToken, owner);
}
