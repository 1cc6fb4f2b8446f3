#include "legacy/glegacyCommand.h"

#include "foundation/valueParsers.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyResponse.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int commandDescription = 20010;
constexpr int commandInDriver = 20011;

} // namespace

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
    linkResponse(response);
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

void glegacyCommand::set(const gstrSlice& string, glegacyResponse* counterpart)
{
    string_.assign(string.isNull() ? gstrSlice::empty : string);
    driver_ = nullptr;
    bool isReply = counterpart == replyMarker();
    kind_ = isReply ? reply : command;
    linkResponse(isReply ? nullptr : counterpart);
}

void glegacyCommand::copyFrom(glegacyDriver& driver, const glegacyCommand& other)
{
    kind_ = other.kind_;
    string_ = other.string_;
    driver_ = &driver;
    linkResponse(other.responseName_.isNull() ? nullptr : driver.referenceResponse(other.responseName_));
}

void glegacyCommand::clear()
{
    driver_ = nullptr;
    kind_ = unset;
    string_.clear();
    linkResponse(nullptr);
    setDefined(0);
}

void glegacyCommand::linkResponse(glegacyResponse* response)
{
    if (!response) {
        responseName_.clear();
        responseLink_.clear();
        return;
    }
    responseName_.assign(response->getName());
    responseLink_.set(response->usedBy().members());
}

int glegacyCommand::applyChecksum(int code, int64_t offset, int64_t exclude)
{
    int64_t length = string_.length();
    int64_t first = exclude < 0 ? 0 : exclude;
    int64_t position = offset < 0 ? length : length - offset - 1;
    int64_t leastCovered = offset < 0 ? 2 : 1;
    if (position - first < leastCovered)
        return 0;
    gstrSlice covered(string_.at(static_cast<int32_t>(first)), static_cast<int32_t>(position - first));
    char sum = static_cast<char>(covered.checksum(code, 0, 0, 0));
    if (offset < 0)
        string_.append(sum);
    else
        *string_.at(static_cast<int32_t>(position)) = sum;
    return 1;
}

bool glegacyCommand::overwriteAt(const gstrSlice& address, uint32_t offset)
{
    if (static_cast<int64_t>(offset) + address.length() > string_.length())
        return false;
    for (int32_t i = 0; i < address.length(); ++i)
        *string_.at(static_cast<int32_t>(offset) + i) = address[i];
    return true;
}

bool glegacyCommand::replaceText(const gstrSlice& search, const gstrSlice& replacement, bool onlyFirst)
{
    if (search.isEmpty() || string_.isNull())
        return false;
    if (onlyFirst)
        return string_.replaceFirst(search, replacement, false, true) != 0;
    return string_.replaceAll(search, replacement, false, true) != 0;
}

// Searching for no response matches the commands without one; a reply,
// which has none either, is no such command and stays a reply.
bool glegacyCommand::replaceResponse(const glegacyResponse* old, glegacyResponse* replacement)
{
    bool matches = old ? !responseName_.isNull() && responseName_ == old->getName()
                       : kind_ == command && responseName_.isNull();
    if (!matches)
        return false;
    kind_ = command;
    linkResponse(replacement);
    return true;
}

void glegacyCommand::describeReferrer(gstr& text) const
{
    gstr line;
    if (driver_)
        line.format(commandInDriver, getName(), driver_->getTitle(true));
    else
        line.format(commandDescription, getName());
    text.append(line);
}
