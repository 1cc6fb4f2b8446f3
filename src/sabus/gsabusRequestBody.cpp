#include "sabus/gsabusRequestBody.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "sabus/gsabusParameter.h"
#include "sabus/gsabusReplaceOptions.h"
#include "sabus/gsabusResponseData.h"
#include "sabus/sabusRebinding.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gusedByList.h"

namespace {

// A line whose value must be exactly one keyword: its token, or 0.
int soleKeyword(const gstr& value)
{
    int token = 0;
    return parseKeywordItem(value.data(), token) == itemResult::end ? token : 0;
}

void writeType(CObjectFile& file, int indent, int token)
{
    gkeyword::byToken(kw::TYPE).writeKey(file, indent);
    gkeyword::byToken(token).writeValue(file, 1);
}

template <class T>
void checkIndex(const std::vector<std::unique_ptr<T>>& list, int index, const char* fault)
{
    if (index < 0 || index >= static_cast<int>(list.size()))
        throw gfault(fault);
}

} // namespace

std::unique_ptr<gsabusRequestBody> createRequestBody(int token)
{
    switch (token) {
    case kw::QUERY: return std::make_unique<gsabusQuery>();
    case kw::COMMAND: return std::make_unique<gsabusCommand>();
    default: return nullptr;
    }
}

// --- query

gsabusQuery::gsabusQuery(const gsabusQuery& other) : gsabusRequestBody(other)
{
    for (const auto& item : other.items_)
        items_.push_back(item->clone());
}

gsabusQuery::~gsabusQuery() = default;

gsabusResponseData* gsabusQuery::getItem(int index) const
{
    checkIndex(items_, index, "index out of range in gsabusQuery::getItem()");
    return items_[static_cast<size_t>(index)].get();
}

void gsabusQuery::clearItems() { items_.clear(); }

void gsabusQuery::addItem(std::unique_ptr<gsabusResponseData> item) { items_.push_back(std::move(item)); }

void gsabusQuery::writeHeader(CObjectFile& file, int indent) const { writeType(file, indent, kw::QUERY); }

void gsabusQuery::writeFields(CObjectFile& file, int indent) const
{
    for (const auto& item : items_)
        item->writeEmbedded(file, indent);
}

gloadStatus gsabusQuery::loadField(int token, gstr& value)
{
    if (token != kw::DATA)
        return gsabusRequestBody::loadField(token, value);
    std::unique_ptr<gsabusResponseData> item = createSabusResponseData(soleKeyword(value));
    if (!item)
        return gload::invalidValue;
    loadEmbeddedObject(item.get());
    items_.push_back(std::move(item));
    return gload::accepted;
}

void gsabusQuery::addReferences(gusesList& uses) const
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        (*it)->addReferences(uses);
}

std::unique_ptr<gsabusRequestBody> gsabusQuery::clone() const { return std::make_unique<gsabusQuery>(*this); }

int gsabusQuery::rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options, gstr& log)
{
    int count = 0;
    for (const auto& item : items_)
        count += item->rebindReferences(owner, options, log);
    return count;
}

// --- command

gsabusCommand::gsabusCommand(const gsabusCommand& other) : gsabusRequestBody(other), call_(other.call_)
{
    for (const auto& parameter : other.parameters_)
        parameters_.push_back(parameter->duplicate());
}

gsabusCommand::~gsabusCommand() = default;

gsabusParameter* gsabusCommand::getParameter(int index) const
{
    checkIndex(parameters_, index, "index out of range in gsabusCommand::getParameter()");
    return parameters_[static_cast<size_t>(index)].get();
}

void gsabusCommand::clearParameters() { parameters_.clear(); }

void gsabusCommand::addParameter(std::unique_ptr<gsabusParameter> parameter)
{
    parameters_.push_back(std::move(parameter));
}

void gsabusCommand::writeHeader(CObjectFile& file, int indent) const { writeType(file, indent, kw::COMMAND); }

void gsabusCommand::writeFields(CObjectFile& file, int indent) const
{
    if (call_.isSet()) {
        const gkeyword& program = gkeyword::byToken(kw::PROGRAM);
        program.writeIndented(file, indent);
        file.newLine();
        call_.writeFields(file, indent + 1);
        gkeyword::byToken(kw::END).writeIndented(file, indent);
        file.newLine();
    }
    for (const auto& parameter : parameters_)
        parameter->writeEmbedded(file, indent);
}

gloadStatus gsabusCommand::loadField(int token, gstr& value)
{
    if (token == kw::PROGRAM)
        return loadProgram(value);
    if (token != kw::PARAMETER)
        return gsabusRequestBody::loadField(token, value);
    std::unique_ptr<gsabusParameter> parameter = createSabusParameter(soleKeyword(value));
    if (!parameter)
        return gload::invalidValue;
    loadEmbeddedObject(parameter.get());
    parameters_.push_back(std::move(parameter));
    return gload::accepted;
}

// An empty value opens the block form; a tag is the one-line form.
gloadStatus gsabusCommand::loadProgram(const gstr& value)
{
    if (call_.isSet())
        return gload::alreadyLoaded;
    gstr tag;
    if (!tag.parseValue(value.data()))
        return gload::invalidValue;
    if (tag.isEmpty())
        loadEmbeddedObject(&call_);
    else
        call_.setProgramByName(tag);
    return gload::accepted;
}

void gsabusCommand::addReferences(gusesList& uses) const
{
    if (call_.getProgram())
        uses.add(*call_.getProgram());
}

std::unique_ptr<gsabusRequestBody> gsabusCommand::clone() const { return std::make_unique<gsabusCommand>(*this); }

int gsabusCommand::rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options, gstr& log)
{
    return rebindProgramCall(call_, options.commandPrograms, options.commandProgramArguments, owner, options, log);
}
