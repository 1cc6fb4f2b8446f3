#include "registers/sources/gsourceRemoteRegister.h"

#include "registers/registerFieldLines.h"
#include "registers/sources/sourceFields.h"
#include "store/gkeyword.h"

void gsourceRemoteRegisterPart::writeFields(CObjectFile& file, int indent) const
{
    if (!tag_.isEmpty())
        writeTextLine(file, indent, kw::REGISTER, tag_);
    for (const address& a : addresses_) {
        uint8_t bytes[4] = {a[0], a[1], a[2], a[3]};
        writeAddressLine(file, indent, kw::ADDRESS, bytes);
    }
}

gloadStatus gsourceRemoteRegisterPart::loadField(int token, const gstr& value)
{
    if (token == kw::REGISTER)
        return loadNonEmptyText(tag_, value);
    if (token != kw::ADDRESS)
        return gload::unknownKeyword;
    uint8_t read[4];
    if (!readHostAddress(value, read))
        return gload::invalidValue;
    addresses_.push_back({read[0], read[1], read[2], read[3]});
    return gload::accepted;
}

const gsourceRemoteRegisterPart* remoteRegisterPart(const gregisterSource* source)
{
    if (auto* s = dynamic_cast<const gsourceRemoteRegisterBistate*>(source))
        return &s->part();
    if (auto* s = dynamic_cast<const gsourceRemoteRegisterDigital*>(source))
        return &s->part();
    if (auto* s = dynamic_cast<const gsourceRemoteRegisterAnalog*>(source))
        return &s->part();
    if (auto* s = dynamic_cast<const gsourceRemoteRegisterString*>(source))
        return &s->part();
    return nullptr;
}

gsourceRemoteRegisterPart* remoteRegisterPart(gregisterSource* source)
{
    return const_cast<gsourceRemoteRegisterPart*>(remoteRegisterPart(static_cast<const gregisterSource*>(source)));
}
