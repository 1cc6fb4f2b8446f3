#include "registers/gdigitalSupplement.h"

#include "foundation/valueParsers.h"
#include "registers/gregister.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/registerControls.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

const gstr& noName()
{
    static const gstr none("");
    return none;
}

} // namespace

gdigitalSupplement::gdigitalSupplement(gregister& owner) noexcept : gregisterSupplement(owner), controlUses_(&owner)
{
}

void gdigitalSupplement::setValueControls(const std::map<uint32_t, gprocessorCall>& controls)
{
    valueControls_ = controls;
    linkControlPrograms();
}

void gdigitalSupplement::linkControlPrograms()
{
    controlUses_.clear();
    for (const auto& [value, call] : valueControls_) {
        if (gprogramUsedByList* program = call.getProgram())
            controlUses_.add(*program);
    }
}

const gstr& gdigitalSupplement::getValueName(uint32_t value) const
{
    if (!valueNames_.empty()) {
        auto found = valueNames_.find(value);
        return found != valueNames_.end() ? found->second : noName();
    }
    const gdigitalRegisterSource* source = getSource();
    return source ? source->getValueName(value) : noName();
}

bool gdigitalSupplement::getValueNames(std::map<uint32_t, gstr>& names) const
{
    if (!valueNames_.empty()) {
        names = valueNames_;
        return true;
    }
    const gdigitalRegisterSource* source = getSource();
    return source && source->getValueNames(names);
}

void gdigitalSupplement::writeFields(CObjectFile& file, int indent) const
{
    if (!alarmValues_.empty()) {
        gkeyword::byToken(kw::ALARM_VALUES).writeKey(file, indent);
        for (size_t i = 0; i < alarmValues_.size(); ++i)
            file.writeUnsigned(alarmValues_[i], i + 1 < alarmValues_.size() ? 2 : 1);
    }
    if (!logInfo_.valueLogStrings().empty() || logInfo_.getMode() > gvalueLogInfo::none)
        logInfo_.writeEmbedded(file, indent);
    // A control without a program would be refused when read back.
    for (const auto& [value, call] : valueControls_) {
        if (!call.isSet())
            continue;
        gkeyword::byToken(kw::VALUE_CONTROL).writeKey(file, indent);
        file.writeUnsigned(value, 1);
        call.writeEmbedded(file, indent);
    }
    for (const auto& [value, name] : valueNames_) {
        gkeyword::byToken(kw::VALUE_NAME).writeKey(file, indent);
        file.writeUnsigned(value, 2);
        writeTextValue(file, name, 1);
    }
    writeSource(file, indent);
}

gloadStatus gdigitalSupplement::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::ALARM_VALUES: return loadAlarmValues(value);
    case kw::VALUE_CONTROL: return loadValueControl(value);
    case kw::VALUE_LOG_STR:
        // The older form without a block: the strings alone, logging nothing
        // else. A mode already read in a block stays.
        if (logInfo_.getMode() == gvalueLogInfo::notSet)
            logInfo_.setMode(gvalueLogInfo::none);
        return logInfo_.loadField(token, value);
    case kw::VALUE_LOG_INFO: return loadLogInfo(value);
    case kw::VALUE_NAME: return loadValueName(value);
    case kw::SOURCE: return loadSource(value);
    default: return gload::unknownKeyword;
    }
}

gloadStatus gdigitalSupplement::loadAlarmValues(const gstr& value)
{
    if (!alarmValues_.empty())
        return gload::alreadyLoaded;
    std::vector<uint32_t> read;
    const char* next = value.data();
    for (;;) {
        uint32_t v = 0;
        int result = parseUnsignedItem(next, v, next);
        if (result == itemResult::error)
            return gload::invalidValue;
        read.push_back(v);
        if (result == itemResult::end)
            break;
    }
    alarmValues_ = std::move(read);
    return gload::accepted;
}

// "value" opens the control's block; "value, tag" names its program alone.
gloadStatus gdigitalSupplement::loadValueControl(const gstr& value)
{
    const char* next = nullptr;
    uint32_t key = 0;
    int result = parseUnsignedItem(value.data(), key, next);
    if (result == itemResult::error)
        return gload::invalidValue;
    if (valueControls_.count(key) != 0)
        return gload::alreadyLoaded;
    gstr tag;
    if (result == itemResult::comma && (!tag.parseValue(next) || tag.isEmpty()))
        return gload::invalidValue;
    gprocessorCall& call = valueControls_[key];
    if (result == itemResult::comma)
        call.setProgramByName(tag);
    else
        loadEmbedded(&call);
    return gload::accepted;
}

gloadStatus gdigitalSupplement::loadValueName(const gstr& value)
{
    const char* next = nullptr;
    uint32_t key = 0;
    if (parseUnsignedItem(value.data(), key, next) != itemResult::comma)
        return gload::invalidValue;
    gstr name;
    if (!name.parseValue(next))
        return gload::invalidValue;
    if (!valueNames_.try_emplace(key, std::move(name)).second)
        return gload::alreadyLoaded;
    return gload::accepted;
}

gloadStatus gdigitalSupplement::loadLogInfo(const gstr& value)
{
    if (logInfo_.getMode() != gvalueLogInfo::notSet)
        return gload::alreadyLoaded;
    if (!value.isEmpty())
        return gload::invalidValue;
    loadEmbedded(&logInfo_);
    return gload::accepted;
}

void gdigitalSupplement::afterLoad()
{
    linkControlPrograms();
    if (logInfo_.getMode() == gvalueLogInfo::notSet) {
        logInfo_.valueLogStrings().clear();
        logInfo_.setMode(gvalueLogInfo::none);
    }
}

bool gdigitalSupplement::isComplete() const
{
    return !alarmValues_.empty() || getRegister().getLevel() == gregister::levelNone;
}

std::unique_ptr<gregisterSupplement> gdigitalSupplement::clone(gregister& owner) const
{
    auto copy = std::make_unique<gdigitalSupplement>(owner);
    copy->alarmValues_ = alarmValues_;
    copy->logInfo_ = logInfo_;
    copy->setValueControls(valueControls_);
    copy->valueNames_ = valueNames_;
    cloneSourceInto(*copy);
    return copy;
}

int gdigitalSupplement::replaceText(const gregisterBatchOptions& options, gstr& log,
                                    jhashTypedDatabaseTable<gregister>* newRegisters)
{
    int count = logInfo_.replaceText(options);
    if (options.automaticControls) {
        const gstr& specifiedBy = getRegister().getTitle(true);
        for (auto& entry : valueControls_)
            count += rebindControlProgram(entry.second, options, log, specifiedBy);
        linkControlPrograms();
    }
    if (options.controlArguments) {
        for (auto& entry : valueControls_)
            count += entry.second.replaceInArguments(options.find, options.replace, options.wholeWord,
                                                     options.matchCase);
    }
    return count + replaceInSource(options, log, newRegisters);
}
