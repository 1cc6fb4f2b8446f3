#include "registers/gstringLogInfo.h"

#include "foundation/valueParsers.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int modeKeywords[] = {-1, kw::NONE, kw::ALL, kw::ON_STATE, kw::OFF_STATE, kw::INCLUDE, kw::EXCLUDE};

} // namespace

void gstringLogInfo::transferFrom(gstringLogInfo& other)
{
    if (&other == this)
        return;
    mode_ = other.mode_;
    pattern_.transferFrom(other.pattern_);
    prefix_.adopt(other.prefix_);
    suffix_.adopt(other.suffix_);
    other.mode_ = notSet;
}

void gstringLogInfo::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::VALUE_LOG_INFO).writeIndented(file, indent);
    file.newLine();
}

void gstringLogInfo::writeFields(CObjectFile& file, int indent) const
{
    if (mode_ <= none || mode_ > exclude)
        return;
    gkeyword::byToken(kw::VALUES).writeKey(file, indent);
    bool withPattern = mode_ >= include && pattern_.isSet();
    gkeyword::byToken(modeKeywords[mode_]).writeValue(file, withPattern ? 2 : 1);
    if (withPattern)
        pattern_.write(file, 1);
    if (!prefix_.isEmpty())
        writeTextLine(file, indent, kw::PREFIX, prefix_);
    if (!suffix_.isEmpty())
        writeTextLine(file, indent, kw::SUFFIX, suffix_);
}

gloadStatus gstringLogInfo::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::VALUES: return loadMode(value);
    case kw::PREFIX: return loadTextField(prefix_, value);
    case kw::SUFFIX: return loadTextField(suffix_, value);
    default: return gstorable::loadField(token, value);
    }
}

gloadStatus gstringLogInfo::loadMode(const gstr& value)
{
    if (mode_ != notSet)
        return gload::alreadyLoaded;
    int32_t mode = notSet;
    const char* next = nullptr;
    int result = parseLogModeItem(value.data(), mode, next);
    if (result != (mode >= include ? itemResult::comma : itemResult::end))
        return gload::invalidValue;
    if (mode >= include) {
        gregexp read(false);
        if (read.parse(next, false, false) != itemResult::end)
            return gload::invalidValue;
        pattern_.transferFrom(read);
    }
    mode_ = mode;
    return gload::accepted;
}

void gstringLogInfo::afterLoad()
{
    if (mode_ == notSet)
        mode_ = none;
    if (mode_ <= none)
        return;
    if (prefix_.isNull())
        prefix_.assign("");
    if (suffix_.isNull())
        suffix_.assign("");
}

bool gstringLogInfo::isComplete() const { return mode_ > none || (prefix_.isNull() && suffix_.isNull()); }

int gstringLogInfo::replaceText(const gregisterBatchOptions& options)
{
    if (mode_ < include)
        return 0;
    int count = 0;
    for (gstr* text : {&prefix_, &suffix_})
        count += text->replaceAll(options.find, options.replace, options.wholeWord, options.matchCase);
    return count;
}
