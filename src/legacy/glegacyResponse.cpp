#include "legacy/glegacyResponse.h"

#include "foundation/valueParsers.h"
#include "legacy/glegacyCommand.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

int glegacyResponse::setKind(int32_t kind) noexcept
{
    if (kind_ == unset)
        kind_ = kind;
    return kind_ == kind ? 1 : 0;
}

int glegacyResponse::parse(const char* text, bool isMessage, int32_t libraryFlag)
{
    if (!setKind(isMessage ? message : response))
        return itemResult::error;
    gstr maskTag;
    const char* next = nullptr;
    int result = maskTag.parse(text, next);
    if (result == itemResult::error || maskTag.isEmpty())
        return itemResult::error;
    auto& masks = libraryFlag == 1 ? driverLibrary::legacyMasks() : station::legacyMasks();
    mask_ = masks.reference(maskTag);
    if (!isMessage || result == itemResult::end)
        return result;
    gstr name;
    result = name.parse(next);
    if (result == itemResult::error || name.isEmpty() || !driver_)
        return itemResult::error;
    if (!driver_->referenceCommand(name)->setKind(glegacyCommand::reply))
        return itemResult::error;
    replyName_.adopt(name);
    return result;
}

void glegacyResponse::write(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kind_ == message ? kw::MESSAGE : kw::RESPONSE).writeKey(file, indent);
    getName().write(file, 2);
    bool named = !replyName_.isNull();
    if (mask_)
        mask_->getTag().write(file, named ? 2 : 1);
    else
        gstrSlice::empty.write(file, named ? 2 : 1);
    if (named)
        replyName_.write(file, 1);
}
