#include "legacy/glegacyCommand.h"

#include "foundation/valueParsers.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyResponse.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

int glegacyCommand::setKind(int32_t kind) noexcept
{
    if (kind_ == unset)
        kind_ = kind;
    return kind_ == kind ? 1 : 0;
}

glegacyResponse* glegacyCommand::replyMarker()
{
    static glegacyResponse marker;
    return &marker;
}

glegacyResponse* glegacyCommand::getResponse() const
{
    if (kind_ == reply)
        return replyMarker();
    if (responseName_.isNull() || !driver_)
        return nullptr;
    return driver_->referenceResponse(responseName_);
}

int glegacyCommand::parse(const char* text, bool isCommand)
{
    if (!setKind(isCommand ? command : reply))
        return itemResult::error;
    gstr bytes;
    const char* next = nullptr;
    int result = bytes.parse(text, next);
    if (result == itemResult::error)
        return result;
    string_.adopt(bytes);
    if (!isCommand || result == itemResult::end)
        return result;
    gstr name;
    result = name.parse(next);
    if (result == itemResult::error || name.isEmpty() || !driver_)
        return itemResult::error;
    glegacyResponse* response = driver_->referenceResponse(name);
    if (!response->setKind(glegacyResponse::response))
        return itemResult::error;
    responseName_.adopt(name);
    return result;
}

void glegacyCommand::write(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kind_ == reply ? kw::REPLY : kw::COMMAND).writeKey(file, indent);
    getName().write(file, 2);
    bool named = !responseName_.isNull();
    string_.write(file, named ? 2 : 1);
    if (named)
        responseName_.write(file, 1);
}
