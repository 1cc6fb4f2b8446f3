#include "sabus/gsabusRequest.h"

#include "foundation/charClasses.h"
#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "sabus/gsabusReplaceOptions.h"
#include "sabus/gsabusRequestBody.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"

namespace {

constexpr int describedAs = 20195;

} // namespace

gsabusRequest::gsabusRequest() = default;

gsabusRequest::gsabusRequest(const gsabusRequest& other)
    : gtitledObject(other), greferrer(other), opcode_(other.opcode_), parameters_(other.parameters_)
{
    if (other.body_)
        body_ = other.body_->clone();
    refreshReferences();
}

gsabusRequest::~gsabusRequest() = default;

const gobjectType* gsabusRequest::getObjectType() const { return &objectTypes::request(); }

bool gsabusRequest::isValidOpcode(char opcode)
{
    return charClass::isPrintable(opcode) && opcode != 'U' && opcode != 'A';
}

const gstr& gsabusRequest::getParameter(int index) const
{
    if (index < 0 || index >= parameterCount())
        throw gfault("index out of range in gsabusRequest::getParameter()");
    return parameters_[static_cast<size_t>(index)];
}

int gsabusRequest::getKind() const { return body_ ? body_->getKind() : 0; }

gsabusQuery* gsabusRequest::getQuery()
{
    if (!body_)
        body_ = createRequestBody(kw::QUERY);
    return body_->asQuery();
}

gsabusCommand* gsabusRequest::getCommand()
{
    if (!body_)
        body_ = createRequestBody(kw::COMMAND);
    return body_->asCommand();
}

void gsabusRequest::refreshReferences()
{
    uses_.clear();
    if (body_)
        body_->addReferences(uses_);
}

int gsabusRequest::findAndReplace(const gsabusReplaceOptions& options, gstr& log)
{
    int count = 0;
    if (options.names)
        count += replaceInTitle(options.find, options.replace, options.matchCase, options.wholeWord) != 0 ? 1 : 0;
    if (options.fixedParameters) {
        for (auto it = parameters_.rbegin(); it != parameters_.rend(); ++it)
            count += it->replaceAll(options.find, options.replace, options.wholeWord, options.matchCase);
    }
    if (!body_)
        return count;
    int rebound = body_->rebindReferences(*this, options, log);
    if (rebound != 0)
        refreshReferences();
    return count + rebound;
}

void gsabusRequest::describeReferrer(gstr& text) const
{
    gstr line;
    line.format(describedAs, getTitle(true));
    text.append(line);
}

void gsabusRequest::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    if (opcode_ != 0) {
        // A blank, comma or double quote goes in quotes so that it reads back.
        gkeyword::byToken(kw::OPCODE).writeKey(file, indent);
        gstrSlice(&opcode_, 1).write(file, 1);
    }
    if (!parameters_.empty()) {
        gkeyword::byToken(kw::PARAMETERS).writeKey(file, indent);
        for (size_t i = 0; i < parameters_.size(); ++i)
            parameters_[i].write(file, i + 1 < parameters_.size() ? 2 : 1);
    }
    if (body_)
        body_->writeEmbedded(file, indent);
}

gloadStatus gsabusRequest::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::OPCODE: return loadOpcode(value);
    case kw::PARAMETERS: return loadParameters(value);
    case kw::TYPE: return loadType(value);
    default: return gtitledObject::loadField(token, value);
    }
}

gloadStatus gsabusRequest::loadOpcode(const gstr& value)
{
    if (opcode_ != 0)
        return gload::alreadyLoaded;
    gstr text;
    if (!text.parseValue(value.data()) || text.length() != 1 || !isValidOpcode(text[0]))
        return gload::invalidValue;
    opcode_ = text[0];
    return gload::accepted;
}

gloadStatus gsabusRequest::loadParameters(const gstr& value)
{
    if (!parameters_.empty())
        return gload::alreadyLoaded;
    std::vector<gstr> read;
    const char* next = value.data();
    for (int result = itemResult::comma; result == itemResult::comma;) {
        gstr item;
        result = item.parse(next, next);
        if (result == itemResult::error || !item.isPrintable())
            return gload::invalidValue;
        read.push_back(std::move(item));
    }
    parameters_ = std::move(read);
    return gload::accepted;
}

gloadStatus gsabusRequest::loadType(const gstr& value)
{
    int token = 0;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    std::unique_ptr<gsabusRequestBody> body = createRequestBody(token);
    if (!body)
        return gload::invalidValue;
    body_ = std::move(body);
    loadEmbeddedObject(body_.get());
    return gload::accepted;
}

void gsabusRequest::afterLoad()
{
    gtitledObject::afterLoad();
    refreshReferences();
}

bool gsabusRequest::isComplete() const { return body_ && opcode_ != 0; }
