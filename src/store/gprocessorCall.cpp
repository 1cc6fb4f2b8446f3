#include "store/gprocessorCall.h"

#include "foundation/charClasses.h"
#include "g2driver/model/g2driverProgram.h"
#include "scl/gprogramArgument.h"
#include "scl/gsclProgram.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

namespace {

// Below this many arguments a scan is cheaper than an index.
constexpr int indexedArguments = 16;

std::string upperName(const gprogramArgument& argument)
{
    std::string name(argument.name().view());
    for (char& c : name)
        c = charClass::toUpper(c);
    return name;
}

} // namespace

gprocessorCall::gprocessorCall(const gprocessorCall& other) : gstorable(other) { assign(other); }

gprocessorCall& gprocessorCall::operator=(const gprocessorCall& other)
{
    assign(other);
    return *this;
}

gprocessorCall::~gprocessorCall() = default;

void gprocessorCall::assign(const gprocessorCall& other)
{
    if (&other == this)
        return;
    program_ = other.program_;
    table_ = other.table_;
    clearArguments();
    for (int i = 0; i < other.argumentCount(); ++i) {
        if (const gprogramArgument* a = other.getArgument(i))
            arguments_.append(new gprogramArgument(*a));
    }
}

void gprocessorCall::takeFrom(gprocessorCall& other)
{
    if (&other == this)
        return;
    program_ = other.program_;
    table_ = other.table_;
    arguments_.transferFrom(other.arguments_);
    forgetNames();
    other.forgetNames();
}

void gprocessorCall::setProgramByName(const gstrSlice& tag)
{
    if (table_) {
        program_ = table_->reference(tag);
        return;
    }
    program_ = station::programs().reference(tag);
}

void gprocessorCall::clear()
{
    program_ = nullptr;
    clearArguments();
}

void gprocessorCall::clearArguments()
{
    arguments_.deleteAll();
    forgetNames();
}

bool gprocessorCall::hasArgumentNamed(const gprogramArgument& argument)
{
    if (argumentCount() < indexedArguments)
        return findArgument(argument) >= 0;
    if (!names_) {
        names_ = std::make_unique<std::unordered_set<std::string>>();
        for (int i = 0; i < argumentCount(); ++i) {
            if (const gprogramArgument* a = getArgument(i))
                names_->insert(upperName(*a));
        }
    }
    return names_->count(upperName(argument)) > 0;
}

int gprocessorCall::addArgument(gprogramArgument* argument, bool check)
{
    if (check && hasArgumentNamed(*argument))
        return 0;
    arguments_.append(argument);
    if (names_)
        names_->insert(upperName(*argument));
    return 1;
}

int gprocessorCall::addArgumentCopy(const gprogramArgument& argument, bool check)
{
    auto copy = std::make_unique<gprogramArgument>(argument);
    if (!addArgument(copy.get(), check))
        return 0;
    copy.release();
    return 1;
}

void gprocessorCall::removeArgument(int index)
{
    arguments_.deleteAt(index);
    forgetNames();
}

void gprocessorCall::packArguments() { arguments_.pack(); }

gprogramArgument* gprocessorCall::getArgument(int index) const
{
    return arguments_[index];
}

int gprocessorCall::findArgument(const gprogramArgument& argument) const
{
    for (int i = argumentCount() - 1; i >= 0; --i) {
        const gprogramArgument* a = getArgument(i);
        if (a && a->hasSameName(argument))
            return i;
    }
    return -1;
}

int gprocessorCall::replaceInArguments(const gstrSlice& find, const gstrSlice& replace, bool wholeWord,
                                       bool matchCase)
{
    int count = 0;
    for (int i = 0; i < argumentCount(); ++i) {
        if (gprogramArgument* a = getArgument(i))
            count += a->replaceValue(find, replace, wholeWord, matchCase);
    }
    return count;
}

void gprocessorCall::writeHeader(CObjectFile&, int) const {}

void gprocessorCall::writeFields(CObjectFile& file, int indent) const
{
    if (program_) {
        gkeyword::byToken(kw::PROGRAM).writeKey(file, indent);
        program_->programTag().write(file, 1);
    }
    for (int i = 0; i < argumentCount(); ++i) {
        if (const gprogramArgument* a = getArgument(i)) {
            gkeyword::byToken(kw::ARGUMENT).writeKey(file, indent);
            a->write(file, 1);
        }
    }
}

gloadStatus gprocessorCall::loadField(int token, gstr& value)
{
    if (token == kw::ARGUMENT) {
        auto argument = std::make_unique<gprogramArgument>(1);
        if (argument->parse(value.data()) != 1)
            return gload::invalidValue;
        if (!addArgument(argument.get(), true))
            return gload::alreadyLoaded;
        argument.release();
        return gload::accepted;
    }
    if (token == kw::PROGRAM) {
        if (program_)
            return gload::alreadyLoaded;
        gstr tag;
        if (!tag.parseValue(value.data()) || tag.isEmpty())
            return gload::invalidValue;
        setProgramByName(tag);
        return gload::accepted;
    }
    return gstorable::loadField(token, value);
}
