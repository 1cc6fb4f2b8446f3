#include "registers/gregister.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/gstringSupplement.h"
#include "registers/registerControls.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"

#include <iterator>

namespace {

constexpr int registerDescription = 20178;

constexpr int levelKeywords[] = {kw::NONE, kw::STATUS, kw::ALARM, kw::V_LATCHING_ALARM};
constexpr int logKeywords[] = {kw::ON_LOG_STR, kw::OFF_LOG_STR, kw::ACK_LOG_STR, kw::MASK_LOG_STR,
                               kw::UNMASK_LOG_STR};
constexpr int controlKeywords[] = {kw::ON_CONTROL,   kw::OFF_CONTROL,    kw::ACK_CONTROL,
                                   kw::MASK_CONTROL, kw::UNMASK_CONTROL, kw::VALUE_CONTROL};
static_assert(std::size(logKeywords) == gregister::logStringCount);
static_assert(std::size(controlKeywords) == gregister::controlCount);

int classOfType(const gobjectType* type)
{
    const gobjectType* kinds[] = {&objectTypes::bistateRegister(), &objectTypes::digitalRegister(),
                                  &objectTypes::analogRegister(), &objectTypes::stringRegister()};
    for (int i = 0; i < 4; ++i) {
        if (type == kinds[i])
            return i + 1;
    }
    return 0;
}

std::unique_ptr<gregisterSupplement> makeSupplement(int classCode, gregister& owner)
{
    switch (classCode) {
    case 1: return std::make_unique<gbistateSupplement>(owner);
    case 2: return std::make_unique<gdigitalSupplement>(owner);
    case 3: return std::make_unique<ganalogSupplement>(owner);
    default: return std::make_unique<gstringSupplement>(owner);
    }
}

} // namespace

gregister::gregister() = default;

gregister::gregister(const gregister& other)
    : gtitledObject(other), greferrer(other), class_(other.class_), level_(other.level_), logMode_(other.logMode_),
      local_(other.local_), newLogStrings_(other.newLogStrings_), userDefinable_(other.userDefinable_),
      askToMask_(other.askToMask_), configureLogStrings_(other.configureLogStrings_), autoMask_(other.autoMask_),
      manualMask_(other.manualMask_), hidden_(other.hidden_)
{
    for (int i = 0; i < logStringCount; ++i)
        logStrings_[i] = other.logStrings_[i];
    for (int i = 0; i < controlCount; ++i) {
        if (other.controls_[i].isSet())
            setControl(static_cast<control>(i), other.controls_[i]);
    }
    if (other.supplement_)
        supplement_ = other.supplement_->clone(*this);
}

gregister::~gregister() = default;

void gregister::setObjectType(const gobjectType& type) { setClass(type); }

void gregister::setClass(const gobjectType& type)
{
    if (class_)
        return;
    if (supplement_)
        throw gfault("supplement not NULL in gregister::setClass()");
    int code = classOfType(&type);
    if (code == 0)
        return;
    class_ = &type;
    supplement_ = makeSupplement(code, *this);
}

int gregister::classCode(const gregister& reg) { return classOfType(reg.class_); }

template <class S>
S* gregister::supplementOfClass(const gobjectType& type, const char* fault)
{
    if (!class_) {
        if (supplement_)
            throw gfault(fault);
        setClass(type);
    }
    return class_ == &type ? static_cast<S*>(supplement_.get()) : nullptr;
}

gbistateSupplement* gregister::getBistateSupplement()
{
    return supplementOfClass<gbistateSupplement>(objectTypes::bistateRegister(),
                                                 "supplement not NULL in gregister::getBistateSupplement()");
}

gdigitalSupplement* gregister::getDigitalSupplement()
{
    return supplementOfClass<gdigitalSupplement>(objectTypes::digitalRegister(),
                                                 "supplement not NULL in gregister::getDigitalSupplement()");
}

ganalogSupplement* gregister::getAnalogSupplement()
{
    return supplementOfClass<ganalogSupplement>(objectTypes::analogRegister(),
                                                "supplement not NULL in gregister::getAnalogSupplement()");
}

gstringSupplement* gregister::getStringSupplement()
{
    return supplementOfClass<gstringSupplement>(objectTypes::stringRegister(),
                                                "supplement not NULL in gregister::getStringSupplement()");
}

void gregister::setLogString(logString which, gstr& text) noexcept { logStrings_[which].adopt(text); }

void gregister::setControl(control which, const gprocessorCall& call)
{
    controls_[which].assign(call);
    linkControlProgram(controlUses_[which], controls_[which]);
}

int gregister::sourceTypeCode() const { return supplement_ ? supplement_->sourceTypeCode() : 0; }

void gregister::copySourceFrom(const gregister& other)
{
    if (&other != this && supplement_)
        supplement_->copySourceFrom(other);
}

void gregister::dropSourceIfEmptied(const gregisterSet& registers)
{
    if (supplement_)
        supplement_->dropSourceIfEmptied(registers);
}

int gregister::replaceText(const gregisterBatchOptions& options, gstr& log,
                           jhashTypedDatabaseTable<gregister>* newRegisters)
{
    int count = 0;
    if (options.names && replaceInTitle(options.find, options.replace, options.matchCase, options.wholeWord))
        ++count;
    if (options.logStrings) {
        for (gstr& text : logStrings_) {
            if (!text.isNull())
                count += text.replaceAll(options.find, options.replace, options.wholeWord, options.matchCase);
        }
    }
    for (int i = 0; i < controlCount; ++i) {
        if (!controls_[i].isSet())
            continue;
        if (options.automaticControls
            && rebindControlProgram(controls_[i], options, log, getTitle(true)) != 0) {
            linkControlProgram(controlUses_[i], controls_[i]);
            ++count;
        }
        if (options.controlArguments)
            count += controls_[i].replaceInArguments(options.find, options.replace, options.wholeWord,
                                                     options.matchCase);
    }
    if (supplement_)
        count += supplement_->replaceText(options, log, newRegisters);
    return count;
}

void gregister::describeReferrer(gstr& text) const
{
    gstr line;
    text.append(line.format(registerDescription, getTitle(true)));
}

// --- station file ---

void gregister::writeFields(CObjectFile& file, int indent) const
{
    writeTitle(file, indent);
    if (level_ >= levelNone && level_ <= levelLatchingAlarm)
        writeKeywordLine(file, indent, kw::LEVEL, levelKeywords[level_ - 1]);
    if (logMode_ > 0)
        writeKeywordLine(file, indent, kw::LOG_MODE, kw::V_FILE_ONLY);
    if (newLogStrings_ > 0)
        writeKeywordLine(file, indent, kw::NEW_LOG_STRINGS, kw::YES);
    if (local_ > 0)
        writeKeywordLine(file, indent, kw::LOCAL, kw::YES);
    for (int i = 0; i < logStringCount; ++i) {
        if (!logStrings_[i].isNull())
            writeTextLine(file, indent, logKeywords[i], logStrings_[i]);
    }
    for (int i = 0; i < controlCount; ++i) {
        if (!controls_[i].isSet())
            continue;
        gkeyword::byToken(controlKeywords[i]).writeIndented(file, indent);
        file.newLine();
        controls_[i].writeEmbedded(file, indent);
    }
    writeFlags(file, indent);
    if (supplement_)
        supplement_->writeFields(file, indent);
}

void gregister::writeFlags(CObjectFile& file, int indent) const
{
    if (autoMask_ == 0)
        writeKeywordLine(file, indent, kw::AUTO_MASK, kw::NO);
    if (manualMask_ == 0)
        writeKeywordLine(file, indent, kw::MASK, kw::NO);
    if (hidden_ > 0)
        writeKeywordLine(file, indent, kw::HIDDEN, kw::YES);
    if (userDefinable_ <= 0)
        return;
    writeKeywordLine(file, indent, kw::SET_TITLE, kw::YES);
    if (askToMask_ == 0)
        writeKeywordLine(file, indent, kw::ASK_MASK, kw::NO);
    if (configureLogStrings_ > 0)
        writeKeywordLine(file, indent, kw::SET_LOG_STRINGS, kw::YES);
}

gloadStatus gregister::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::LEVEL: return loadLevel(value);
    case kw::LOG_MODE: return loadBooleanKeyword(value, logMode_, kw::V_FILE_ONLY, kw::NORMAL);
    case kw::LOCAL: return loadBooleanKeyword(value, local_, kw::YES, kw::NO);
    case kw::NEW_LOG_STRINGS: return loadBooleanKeyword(value, newLogStrings_, kw::YES, kw::NO);
    case kw::AUTO_MASK: return loadBooleanKeyword(value, autoMask_, kw::YES, kw::NO);
    case kw::MASK: return loadBooleanKeyword(value, manualMask_, kw::YES, kw::NO);
    case kw::HIDDEN: return loadBooleanKeyword(value, hidden_, kw::YES, kw::NO);
    case kw::SET_TITLE: return loadBooleanKeyword(value, userDefinable_, kw::YES, kw::NO);
    case kw::ASK_MASK: return loadBooleanKeyword(value, askToMask_, kw::YES, kw::NO);
    case kw::SET_LOG_STRINGS: return loadBooleanKeyword(value, configureLogStrings_, kw::YES, kw::NO);
    case kw::ON_LOG_STR: return loadLogString(onLog, value);
    case kw::OFF_LOG_STR: return loadLogString(offLog, value);
    case kw::ACK_LOG_STR: return loadLogString(acknowledgeLog, value);
    case kw::MASK_LOG_STR: return loadLogString(maskLog, value);
    case kw::UNMASK_LOG_STR: return loadLogString(unmaskLog, value);
    case kw::ON_CONTROL: return loadControl(onControl, value, true);
    case kw::OFF_CONTROL: return loadControl(offControl, value, true);
    case kw::ACK_CONTROL: return loadControl(acknowledgeControl, value, true);
    case kw::MASK_CONTROL: return loadControl(maskControl, value, false);
    case kw::UNMASK_CONTROL: return loadControl(unmaskControl, value, false);
    case kw::VALUE_CONTROL:
        // With a value the line is a digital register's control of one value.
        if (!value.isEmpty()) {
            gloadStatus status = supplement_ ? supplement_->loadField(token, value) : gload::unknownKeyword;
            return status == gload::unknownKeyword ? gload::invalidValue : status;
        }
        return loadControl(valueControl, value, false);
    default: break;
    }
    if (supplement_) {
        gloadStatus status = supplement_->loadField(token, value);
        if (status != gload::unknownKeyword)
            return status;
    }
    return gtitledObject::loadField(token, value);
}

gloadStatus gregister::loadLevel(const gstr& value)
{
    if (level_ != levelNotSet)
        return gload::alreadyLoaded;
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    for (int i = 0; i < 4; ++i) {
        if (levelKeywords[i] == token) {
            level_ = levelNone + i;
            return gload::accepted;
        }
    }
    return gload::invalidValue;
}

gloadStatus gregister::loadLogString(logString which, const gstr& value)
{
    return loadTextField(logStrings_[which], value);
}

// An empty value opens the control's block of PROGRAM and ARGUMENT lines;
// where a tag is allowed it names the program alone.
gloadStatus gregister::loadControl(control which, const gstr& value, bool tagAllowed)
{
    gprocessorCall& call = controls_[which];
    if (call.isSet())
        return gload::alreadyLoaded;
    if (!tagAllowed) {
        if (!value.isEmpty())
            return gload::invalidValue;
        loadEmbeddedObject(&call);
        return gload::accepted;
    }
    gstr tag;
    if (!tag.parseValue(value.data()))
        return gload::invalidValue;
    if (tag.isEmpty())
        loadEmbeddedObject(&call);
    else
        call.setProgramByName(tag);
    return gload::accepted;
}

void gregister::afterLoad()
{
    for (int i = 0; i < controlCount; ++i)
        linkControlProgram(controlUses_[i], controls_[i]);
    if (level_ == levelNotSet)
        level_ = levelNone;
    for (int32_t* flag : {&logMode_, &newLogStrings_, &userDefinable_, &configureLogStrings_, &local_, &hidden_}) {
        if (*flag == -1)
            *flag = 0;
    }
    if (askToMask_ == -1)
        askToMask_ = userDefinable_;
    if (supplement_)
        supplement_->afterLoad();
    gtitledObject::afterLoad();
}

bool gregister::isComplete() const
{
    if (supplement_ && !supplement_->isComplete())
        return false;
    return gtitledObject::isComplete();
}
