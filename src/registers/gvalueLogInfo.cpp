#include "registers/gvalueLogInfo.h"

#include "foundation/valueParsers.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <utility>

namespace {

constexpr int modeKeywords[] = {-1, kw::NONE, kw::ALL, kw::ON_STATE, kw::OFF_STATE, kw::INCLUDE, kw::EXCLUDE};

// Unsigned decimals separated by commas up to the end of the text; at least
// one.
bool parseValueList(const char* text, std::vector<uint32_t>& values)
{
    for (;;) {
        uint32_t value = 0;
        int result = parseUnsignedItem(text, value, text);
        if (result == itemResult::error)
            return false;
        values.push_back(value);
        if (result == itemResult::end)
            return true;
    }
}

} // namespace

void gvalueLogInfo::transferFrom(gvalueLogInfo& other)
{
    if (&other == this)
        return;
    *this = std::move(other);
    other = gvalueLogInfo();
}

void gvalueLogInfo::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::VALUE_LOG_INFO).writeIndented(file, indent);
    file.newLine();
}

void gvalueLogInfo::writeFields(CObjectFile& file, int indent) const
{
    for (const auto& [value, text] : valueLogStrings_) {
        gkeyword::byToken(kw::VALUE_LOG_STR).writeKey(file, indent);
        file.writeUnsigned(value, 2);
        writeTextValue(file, text, 1);
    }
    if (mode_ <= none || mode_ > exclude)
        return;
    gkeyword::byToken(kw::VALUES).writeKey(file, indent);
    bool listed = mode_ >= include && !values_.empty();
    gkeyword::byToken(modeKeywords[mode_]).writeValue(file, listed ? 2 : 1);
    if (listed) {
        for (size_t i = 0; i < values_.size(); ++i)
            file.writeUnsigned(values_[i], i + 1 < values_.size() ? 2 : 1);
    }
    if (!prefix_.isEmpty())
        writeTextLine(file, indent, kw::PREFIX, prefix_);
    if (!suffix_.isEmpty())
        writeTextLine(file, indent, kw::SUFFIX, suffix_);
    if (base_ != 10 && base_ != 0) {
        gkeyword::byToken(kw::BASE).writeKey(file, indent);
        file.writeInt(base_, 1);
    }
    if (width_ > 0) {
        gkeyword::byToken(kw::WIDTH).writeKey(file, indent);
        file.writeInt(width_, 1);
    }
    if (useValueNames_ == 0)
        writeKeywordLine(file, indent, kw::USE_VALUE_NAMES, kw::NO);
}

gloadStatus gvalueLogInfo::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::VALUE_LOG_STR: return loadValueLogString(value);
    case kw::VALUES: return loadMode(value);
    case kw::PREFIX: return loadTextField(prefix_, value);
    case kw::SUFFIX: return loadTextField(suffix_, value);
    case kw::BASE: {
        if (base_ != 0)
            return gload::alreadyLoaded;
        int32_t base = 0;
        if (parseIntItem(value.data(), base) != itemResult::end)
            return gload::invalidValue;
        if (base != 2 && base != 8 && base != 10 && base != 16)
            return gload::invalidValue;
        base_ = base;
        return gload::accepted;
    }
    case kw::WIDTH: {
        if (width_ != 0)
            return gload::alreadyLoaded;
        int32_t width = 0;
        if (parseIntItem(value.data(), width) != itemResult::end || width < 1)
            return gload::invalidValue;
        width_ = width;
        return gload::accepted;
    }
    case kw::USE_VALUE_NAMES: return loadBooleanKeyword(value, useValueNames_, kw::YES, kw::NO);
    default: return gstorable::loadField(token, value);
    }
}

gloadStatus gvalueLogInfo::loadValueLogString(const gstr& value)
{
    const char* next = nullptr;
    uint32_t key = 0;
    if (parseUnsignedItem(value.data(), key, next) != itemResult::comma)
        return gload::invalidValue;
    gstr text;
    if (!text.parseValue(next))
        return gload::invalidValue;
    if (!valueLogStrings_.try_emplace(key, std::move(text)).second)
        return gload::alreadyLoaded;
    return gload::accepted;
}

gloadStatus gvalueLogInfo::loadMode(const gstr& value)
{
    if (mode_ != notSet)
        return gload::alreadyLoaded;
    int32_t mode = notSet;
    const char* next = nullptr;
    int result = parseLogModeItem(value.data(), mode, next);
    if (result != (mode >= include ? itemResult::comma : itemResult::end))
        return gload::invalidValue;
    std::vector<uint32_t> listed;
    if (mode >= include && !parseValueList(next, listed))
        return gload::invalidValue;
    mode_ = mode;
    values_ = std::move(listed);
    return gload::accepted;
}

void gvalueLogInfo::afterLoad()
{
    if (mode_ == notSet)
        mode_ = none;
    if (mode_ <= none)
        return;
    if (prefix_.isNull())
        prefix_.assign("");
    if (suffix_.isNull())
        suffix_.assign("");
    if (base_ == 0)
        base_ = 10;
    if (useValueNames_ == -1)
        useValueNames_ = 1;
}

bool gvalueLogInfo::isComplete() const
{
    if (mode_ > none)
        return true;
    return prefix_.isNull() && suffix_.isNull() && base_ == 0 && useValueNames_ == -1;
}

int gvalueLogInfo::replaceText(const gregisterBatchOptions& options)
{
    if (!options.logStrings)
        return 0;
    int count = 0;
    for (auto& entry : valueLogStrings_)
        count += entry.second.replaceAll(options.find, options.replace, options.wholeWord, options.matchCase);
    if (mode_ < include)
        return count;
    for (gstr* text : {&prefix_, &suffix_})
        count += text->replaceAll(options.find, options.replace, options.wholeWord, options.matchCase);
    return count;
}
