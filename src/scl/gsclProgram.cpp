#include "scl/gsclProgram.h"

#include "scl/programFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"

gsclProgram::gsclProgram(const gsclProgram& other)
    : gtitledObject(other), gsclProgramBody(other), showAlways_(other.showAlways_),
      execAtStartup_(other.execAtStartup_), interval_(other.interval_)
{
    copySchedule(other);
}

gsclProgram& gsclProgram::operator=(const gsclProgram& other)
{
    if (&other == this)
        return *this;
    gtitledObject::operator=(other);
    assign(other);
    showAlways_ = other.showAlways_;
    execAtStartup_ = other.execAtStartup_;
    interval_ = other.interval_;
    clearSchedule();
    copySchedule(other);
    return *this;
}

gsclProgram::~gsclProgram() { clearSchedule(); }

void gsclProgram::copySchedule(const gsclProgram& other)
{
    gexecutionTime* last = nullptr;
    for (const gexecutionTime* rule = other.schedule_; rule; rule = rule->next()) {
        auto* copy = new gexecutionTime(*rule);
        if (last)
            last->setNext(copy);
        else
            schedule_ = copy;
        last = copy;
    }
}

const gobjectType* gsclProgram::getObjectType() const { return &objectTypes::program(); }

void gsclProgram::clearSchedule() noexcept
{
    while (schedule_) {
        gexecutionTime* rule = schedule_;
        schedule_ = rule->next();
        delete rule;
    }
    lastRead_ = nullptr;
}

void gsclProgram::addExecutionTime(gexecutionTime* rule) noexcept
{
    rule->setNext(schedule_);
    schedule_ = rule;
}

void gsclProgram::writeFields(CObjectFile& file, int indent) const
{
    writeTitle(file, indent);
    gsclProgramBody::writeFields(file, indent);
    if (showAlways_ > 0) {
        gkeyword::byToken(kw::SHOW_ALWAYS).writeKey(file, indent);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
    if (execAtStartup_ > 0) {
        gkeyword::byToken(kw::EXEC_AT_STARTUP).writeKey(file, indent);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
    if (interval_.isSet()) {
        programFields::interval.write(file, indent, interval_);
    }
    for (const gexecutionTime* rule = schedule_; rule; rule = rule->next())
        rule->writeEmbedded(file, indent);
}

gloadStatus gsclProgram::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::EXEC_AT_STARTUP: return loadBooleanKeyword(value, execAtStartup_, kw::YES, kw::NO);
    case kw::SHOW_ALWAYS: return loadBooleanKeyword(value, showAlways_, kw::YES, kw::NO);
    case kw::INTERVAL: return loadInterval(value);
    case kw::SCHEDULE: return loadSchedule(value);
    default: break;
    }
    gloadStatus status = gsclProgramBody::loadField(*this, token, value);
    if (status != gload::unknownKeyword)
        return status;
    return gtitledObject::loadField(token, value);
}

void gsclProgram::afterLoad()
{
    if (showAlways_ == -1)
        showAlways_ = 0;
    if (execAtStartup_ == -1)
        execAtStartup_ = 0;
    gtitledObject::afterLoad();
    gsclProgramBody::afterLoad();
}

gloadStatus gsclProgram::loadInterval(const gstr& value)
{
    return programFields::interval.load(value, interval_);
}

gloadStatus gsclProgram::loadSchedule(const gstr& value)
{
    if (!value.isEmpty())
        return gload::invalidValue;
    auto* rule = new gexecutionTime;
    if (!lastRead_) {
        lastRead_ = schedule_;
        while (lastRead_ && lastRead_->next())
            lastRead_ = lastRead_->next();
    }
    if (lastRead_)
        lastRead_->setNext(rule);
    else
        schedule_ = rule;
    lastRead_ = rule;
    loadEmbeddedObject(rule);
    return gload::accepted;
}
