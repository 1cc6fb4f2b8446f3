#include "legacy/glegacyResponse.h"

#include "foundation/valueParsers.h"
#include "legacy/glegacyCommand.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

namespace {

constexpr int responseInDriver = 20270;
constexpr int messageInDriver = 20271;
constexpr int responseDescription = 20272;
constexpr int messageDescription = 20273;

} // namespace

int glegacyResponse::setKind(int32_t kind) noexcept
{
    if (kind_ == unset)
        kind_ = kind;
    return kind_ == kind ? 1 : 0;
}

glegacyCommand* glegacyResponse::responseMarker()
{
    static glegacyCommand marker;
    return &marker;
}

void glegacyResponse::setMask(glegacyMask* mask)
{
    mask_ = mask;
    if (mask)
        maskLink_.set(mask->usedBy());
    else
        maskLink_.clear();
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
    setMask(masks.reference(maskTag));
    if (!isMessage || result == itemResult::end)
        return result;
    gstr name;
    result = name.parse(next);
    if (result == itemResult::error || name.isEmpty() || !driver_)
        return itemResult::error;
    glegacyCommand* reply = driver_->referenceCommand(name);
    if (!reply->setKind(glegacyCommand::reply))
        return itemResult::error;
    linkReply(reply);
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

void glegacyResponse::set(glegacyMask* mask, glegacyCommand* counterpart)
{
    setMask(mask);
    driver_ = nullptr;
    bool isResponse = counterpart == responseMarker();
    kind_ = isResponse ? response : message;
    linkReply(isResponse ? nullptr : counterpart);
}

void glegacyResponse::copyFrom(glegacyDriver& driver, const glegacyResponse& other)
{
    kind_ = other.kind_;
    setMask(other.mask_);
    driver_ = &driver;
    linkReply(other.replyName_.isNull() ? nullptr : driver.referenceCommand(other.replyName_));
}

void glegacyResponse::clear()
{
    driver_ = nullptr;
    kind_ = unset;
    setMask(nullptr);
    linkReply(nullptr);
    setDefined(0);
}

void glegacyResponse::linkReply(glegacyCommand* reply)
{
    if (!reply) {
        replyName_.clear();
        replyLink_.clear();
        return;
    }
    replyName_.assign(reply->getName());
    replyLink_.set(reply->usedBy().members());
}

void glegacyResponse::rebindMaskToStation()
{
    if (!mask_ || mask_->getLibraryFlag() != 1)
        return;
    if (glegacyMask* own = station::legacyMasks().find(mask_->getTag())) {
        setMask(own);
        return;
    }
    driverLibrary::legacyMasks().remove(mask_);
    station::legacyMasks().insert(mask_);
    mask_->setLibraryFlag(0);
}

bool glegacyResponse::replaceMask(const glegacyMask* old, glegacyMask* replacement)
{
    if (mask_ != old)
        return false;
    setMask(replacement);
    return true;
}

// Searching for no reply matches the messages without one; a response has
// none either but is no message.
bool glegacyResponse::replaceReply(const glegacyCommand* old, glegacyCommand* replacement)
{
    if (kind_ != message)
        return false;
    bool matches = old ? !replyName_.isNull() && replyName_ == old->getName() : replyName_.isNull();
    if (!matches)
        return false;
    linkReply(replacement);
    return true;
}

void glegacyResponse::describeReferrer(gstr& text) const
{
    bool isMessage = kind_ == message;
    gstr line;
    if (driver_)
        line.format(isMessage ? messageInDriver : responseInDriver, getName(), driver_->getTitle(true));
    else
        line.format(isMessage ? messageDescription : responseDescription, getName());
    text.append(line);
}
