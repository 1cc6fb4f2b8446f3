#include "g2driver/model/g2driverCommand.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/driverFields.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

namespace {

constexpr int commandInDriver = 20011;
constexpr int commandAlone = 20010;
constexpr int parameterInCommand = 20043;

} // namespace

g2driverCommand::~g2driverCommand()
{
    templateParameterUses_.clear();
    dataNameUses_.clear();
}

void g2driverCommand::setDriver(g2driver* driver)
{
    driver_ = driver;
    jhashTypedIterator<g2driverCommandData> it(data_);
    g2driverCommandData* entry = nullptr;
    while (it.get(entry))
        entry->setDriver(driver);
}

void g2driverCommand::bindTemplate(g2driverCommandTemplate* commandTemplate)
{
    template_ = commandTemplate;
    templateUses_.clear();
    if (commandTemplate)
        templateUses_.add(commandTemplate->usedBy());
}

void g2driverCommand::setTemplate(g2driverCommandTemplate* commandTemplate)
{
    bindTemplate(commandTemplate);
    templateParameterUses_.clear();
    dataNameUses_.clear();
    templateValues_.deleteAll();
    data_.deleteAll();
}

bool g2driverCommand::isUnused() const
{
    for (const gusedByList& list : usedBy_) {
        if (!list.isUnused())
            return false;
    }
    return true;
}

void g2driverCommand::describeUsers(gstr& text) const
{
    for (const gusedByList& list : usedBy_)
        list.describeUsers(text);
}

bool g2driverCommand::linkToTemplate()
{
    templateParameterUses_.clear();
    dataNameUses_.clear();
    if (!template_)
        return true;
    jhashTypedIterator<g2driverCommandData> entries(data_);
    g2driverCommandData* entry = nullptr;
    while (entries.get(entry)) {
        entry->setCommand(this);
        dataNameUses_.add(template_->dataNames().reference(entry->getName())->usedBy());
    }
    jhashTypedIterator<g2driverParameterValue> values(templateValues_);
    g2driverParameterValue* value = nullptr;
    while (values.get(value)) {
        g2driverParameter* parameter =
            template_->parameters().referenceAs(value->getName(), g2parameterScope::templateOf);
        if (!parameter->acceptKind(value->getKind()))
            return false;
        templateParameterUses_.add(parameter->usedBy());
    }
    return true;
}

void g2driverCommand::replaceTemplateValues(g2driverParameterValueTable& values)
{
    templateValues_.copyFrom(values);
    linkToTemplate();
}

void g2driverCommand::replaceData(g2driverCommandDataTable& entries)
{
    data_.copyFrom(entries);
    linkToTemplate();
}

void g2driverCommand::copyFrom(g2driverCommand& source, jhashTypedDatabaseTable<g2driverCommandTemplate>& templates,
                               g2driverProgramTable* programs, bool copyUsers)
{
    driver_ = nullptr;
    parameters_.copyFrom(source.parameters_, copyUsers);
    bindTemplate(source.template_ ? templates.reference(source.template_->getName()) : nullptr);
    timeout_ = source.timeout_;
    bufferSize_ = source.bufferSize_;
    retries_ = source.retries_;
    g2driverParameterValue::copyAll(source.templateValues_, templateValues_);
    jhashTypedIterator<g2driverCommandData> it(source.data_);
    g2driverCommandData* entry = nullptr;
    while (it.get(entry)) {
        g2driverCommandData* copy = data_.define(entry->getName());
        if (copy)
            copy->copyFrom(*entry, parameters_, programs);
    }
    linkToTemplate();
    if (!copyUsers)
        return;
    for (int list = 0; list < 3; ++list)
        usedBy_[list].makeAliasOf(source.usedBy_[list]);
}

void g2driverCommand::reset()
{
    setTemplate(nullptr);
    driver_ = nullptr;
    timeout_ = gmilliseconds::notSet;
    bufferSize_ = 0;
    retries_ = 0;
    parameters_.undefineAll();
    setDefined(0);
}

void g2driverCommand::listUndefinedReferences(gstr& out) const
{
    gstr description;
    description.format(parameterInCommand, getName(), driver_ ? driver_->getTitle(true) : gstr(""));
    parameters_.listUndefined(description, out);
}

void g2driverCommand::describeReferrer(gstr& text) const
{
    gstr line;
    if (driver_)
        line.format(commandInDriver, getName(), driver_->getTitle(true));
    else
        line.format(commandAlone, getName());
    text.append(line);
}

void g2driverCommand::writeHeader(CObjectFile& file, int indent) const
{
    writeStringLine(file, indent, kw::COMMAND, getName());
}

void g2driverCommand::writeFields(CObjectFile& file, int indent) const
{
    parameters_.writeLines(file, indent);
    if (template_) {
        writeStringLine(file, indent, kw::CR_TEMPLATE, template_->getName());
        if (template_->getBufferSize() > 0) {
            if (timeout_.isSet()) {
                driverFields::commandTimeout.write(file, indent, timeout_);
            }
            if (bufferSize_ > 0)
                writeIntLine(file, indent, kw::BUFFER_SIZE, bufferSize_);
            if (retries_ > 0)
                driverFields::commandRetries.write(file, indent, retries_);
        }
    }
    jhashTypedIterator<g2driverParameterValue> values(templateValues_);
    g2driverParameterValue* value = nullptr;
    while (values.get(value)) {
        gkeyword::byToken(kw::TEMPLATE_PARAM).writeKey(file, indent);
        value->write(file, 1);
    }
    jhashTypedIterator<g2driverCommandData> entries(data_);
    g2driverCommandData* entry = nullptr;
    while (entries.get(entry))
        entry->writeEmbedded(file, indent);
}

gloadStatus g2driverCommand::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::PARAMETER: return parameters_.readLine(value, g2parameterScope::command, 0);
    case kw::INTERNAL_PARAM: return parameters_.readLine(value, g2parameterScope::command, 1);
    case kw::CR_TEMPLATE: return loadTemplate(value);
    case kw::TIMEOUT: return driverFields::commandTimeout.load(value, timeout_);
    case kw::BUFFER_SIZE: return readCount(value, bufferSize_, 0, 1, INT32_MAX);
    case kw::RETRIES: return driverFields::commandRetries.load(value, retries_, 0);
    case kw::TEMPLATE_PARAM: return loadTemplateValue(value);
    case kw::DATA: return loadData(value);
    default: return gstorable::loadField(token, value);
    }
}

gloadStatus g2driverCommand::loadTemplate(const gstr& value)
{
    if (template_)
        return gload::alreadyLoaded;
    gstr tag;
    if (readOneTag(value, tag) != gload::accepted || !driver_)
        return gload::invalidValue;
    bindTemplate(driver_->referenceTemplate(tag));
    return gload::accepted;
}

gloadStatus g2driverCommand::loadData(const gstr& value)
{
    gstr tag;
    if (readOneTag(value, tag) != gload::accepted)
        return gload::invalidValue;
    g2driverCommandData* entry = data_.define(tag);
    if (!entry)
        return gload::alreadyLoaded;
    entry->setCommand(this);
    loadEmbeddedObject(entry);
    return gload::accepted;
}

gloadStatus g2driverCommand::loadTemplateValue(const gstr& value)
{
    gstr tag;
    const char* next = nullptr;
    if (tag.parse(value.data(), next) != itemResult::comma || tag.isEmpty())
        return gload::invalidValue;
    g2driverParameterValue* entry = templateValues_.define(tag);
    if (!entry)
        return gload::alreadyLoaded;
    if (entry->read(next) == itemResult::end)
        return gload::accepted;
    // A value without a kind could not be written.
    templateValues_.remove(entry);
    delete entry;
    return gload::invalidValue;
}

void g2driverCommand::afterLoad()
{
    if (!linkToTemplate()) {
        bindTemplate(nullptr);
        return;
    }
    setDefined(1);
}
