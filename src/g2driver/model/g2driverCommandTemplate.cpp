#include "g2driver/model/g2driverCommandTemplate.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/driverFields.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataCommandElement.h"
#include "g2driver/model/g2driverDataResponseElement.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "ports/gnamedValue.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>
#include <vector>

namespace {

constexpr int templateInDriver = 20031;
constexpr int templateAlone = 20045;
constexpr int responseDataInTemplate = 20044;
constexpr int errorValueInTemplate = 20046;
constexpr int parameterInTemplate = 20047;
constexpr int responseValueInTemplate = 20048;

// The error-code kind a default stands for: 1 NUMERICAL VALUE, 2 STRING VALUE.
int32_t codeKind(const gnamedValue& value)
{
    return value.getKind() == gnamedValue::number ? g2driverErrorCode::numerical : g2driverErrorCode::text;
}

// Removes and destroys the placeholders that nothing uses.
template <class E>
void removeUnusedPlaceholders(jhashTypedDatabaseTable<E>& table)
{
    std::vector<E*> unused;
    jhashTypedIterator<E> it(table);
    E* entry = nullptr;
    while (it.get(entry)) {
        if (!entry->isDefined() && entry->usedBy().isUnused())
            unused.push_back(entry);
    }
    for (E* e : unused) {
        table.remove(e);
        delete e;
    }
}

template <class E>
void undefineAll(jhashTypedDatabaseTable<E>& table)
{
    jhashTypedIterator<E> it(table);
    E* entry = nullptr;
    while (it.get(entry))
        entry->setDefined(0);
}

} // namespace

g2driverCommandTemplate::g2driverCommandTemplate()
{
    responses_.setTemplate(this);
    errors_.setTemplate(this);
}

g2driverCommandTemplate::~g2driverCommandTemplate()
{
    errors_.clear();
    responses_.clear();
    elements_.deleteAll();
    defaultValues_.deleteAll();
}

void g2driverCommandTemplate::setDriver(g2driver* driver)
{
    driver_ = driver;
    for (int32_t i = elements_.size() - 1; i >= 0; --i)
        elements_[i]->setDriver(driver);
    responses_.setDriver(driver);
    errors_.setDriver(driver);
    linkErrorCodes();
}

// The driver's codes are referenced (a placeholder for a name it lacks, as
// while loading); an editor's table is only looked in.
void g2driverCommandTemplate::linkErrorCodes(g2driverErrorCodeTable* codes)
{
    errorCodeUses_.clear();
    if (!codes && !driver_)
        return;
    jhashTypedIterator<gnamedValue> it(defaultValues_);
    gnamedValue* value = nullptr;
    while (it.get(value)) {
        g2driverErrorCode* code =
            codes ? codes->find(value->getName()) : driver_->errorCodes().reference(value->getName());
        if (code)
            errorCodeUses_.add(code->usedBy());
    }
}

void g2driverCommandTemplate::appendElement(g2driverCommandElement* element)
{
    elements_.append(element);
    element->setTemplate(this);
    element->setDriver(driver_);
}

void g2driverCommandTemplate::copyFrom(const g2driverCommandTemplate& source, g2driverParameterTable& driverParameters,
                                       g2driverProgramTable* programs, g2driverErrorCodeTable& errorCodes)
{
    parameters_.copyFrom(source.parameters_, false);
    for (int32_t i = 0; i < source.elements_.size(); ++i) {
        g2driverCommandElement* copy =
            source.elements_[i]->cloneForTemplate(driverParameters, parameters_, dataNames_, programs);
        elements_.append(copy);
        copy->setTemplate(this);
    }
    responses_.copyFrom(source.responses_, driverParameters, parameters_, responseDataNames_, programs, errorCodes,
                        true);
    errors_.copyFrom(source.errors_, driverParameters, parameters_, responseDataNames_, programs, errorCodes, true);
    time_ = source.time_;
    bufferSize_ = source.bufferSize_;
    gnamedValue::copyAll(source.defaultValues_, defaultValues_);
    errorCodeUses_.clear();
    jhashTypedIterator<gnamedValue> it(defaultValues_);
    gnamedValue* value = nullptr;
    while (it.get(value))
        errorCodeUses_.add(errorCodes.reference(value->getName())->usedBy());
}

void g2driverCommandTemplate::replaceElements(garrayOwned<g2driverCommandElement>& elements,
                                              g2driverCommandDataNameTable& names)
{
    elements_.deleteAll();
    undefineAll(dataNames_);
    jhashTypedIterator<g2driverCommandDataName> it(names);
    g2driverCommandDataName* edited = nullptr;
    while (it.get(edited)) {
        g2driverCommandDataName* own = dataNames_.define(edited->getName());
        if (own && edited->getOwner())
            edited->getOwner()->setName(own);
    }
    removeUnusedPlaceholders(dataNames_);
    elements_.transferFrom(elements);
    for (int32_t i = 0; i < elements_.size(); ++i)
        elements_[i]->setTemplate(this);
}

void g2driverCommandTemplate::replaceResponseDataNames(g2driverResponseDataNameTable& names)
{
    undefineAll(responseDataNames_);
    jhashTypedIterator<g2driverResponseDataName> it(names);
    g2driverResponseDataName* edited = nullptr;
    while (it.get(edited)) {
        g2driverResponseDataName* own = responseDataNames_.define(edited->getName());
        auto* definer = static_cast<g2driverDataResponseElement*>(edited->getDefiner());
        if (own && definer)
            definer->setName(own);
    }
    removeUnusedPlaceholders(responseDataNames_);
}

void g2driverCommandTemplate::replaceErrorCodeDefaults(jhashNamedObjectTable& defaults, g2driverErrorCodeTable* codes)
{
    defaultValues_.deleteAll();
    defaultValues_.transferFrom(defaults);
    linkErrorCodes(codes);
}

bool g2driverCommandTemplate::hasResponseData() const
{
    jhashTypedIterator<g2driverResponseDataName> it(responseDataNames_);
    g2driverResponseDataName* name = nullptr;
    while (it.get(name)) {
        if (name->isDefined())
            return true;
    }
    return false;
}

void g2driverCommandTemplate::listUndefinedReferences(gstr& out) const
{
    const gstr& driverTitle = driver_ ? driver_->getTitle(true) : gstr("");
    const gstr& driverTag = driver_ ? driver_->getTag() : gstr("");
    gstr description;
    parameters_.listUndefined(description.format(parameterInTemplate, getName(), driverTitle), out);
    jhashTypedIterator<g2driverResponseDataName> it(responseDataNames_);
    g2driverResponseDataName* name = nullptr;
    gstr line;
    description.format(responseDataInTemplate, getName(), driverTag);
    while (it.get(name)) {
        if (!name->isDefined())
            out.append(line.format(20216, description, name->getName()));
    }
    responses_.listUndefined(description.format(responseValueInTemplate, getName(), driverTag), out);
    errors_.listUndefined(description.format(errorValueInTemplate, getName(), driverTag), out);
}

void g2driverCommandTemplate::describeReferrer(gstr& text) const
{
    gstr line;
    if (driver_)
        line.format(templateInDriver, getName(), driver_->getTitle(true));
    else
        line.format(templateAlone, getName());
    text.append(line);
}

void g2driverCommandTemplate::writeHeader(CObjectFile& file, int indent) const
{
    writeStringLine(file, indent, kw::CR_TEMPLATE, getName());
}

void g2driverCommandTemplate::writeFields(CObjectFile& file, int indent) const
{
    parameters_.writeLines(file, indent);
    if (time_.isSet() && time_.get() != 0) {
        driverFields::templateTimeout.write(file, indent, time_);
    }
    if (bufferSize_ != 0)
        writeIntLine(file, indent, kw::BUFFER_SIZE, bufferSize_);
    for (int32_t i = 0; i < elements_.size(); ++i)
        elements_[i]->writeEmbedded(file, indent);
    if (bufferSize_ == 0)
        return;
    responses_.writeElements(file, indent);
    errors_.writeElements(file, indent);
    if (errors_.count() > 0)
        writeErrorCodes(file, indent);
}

void g2driverCommandTemplate::writeErrorCodes(CObjectFile& file, int indent) const
{
    jhashTypedIterator<gnamedValue> it(defaultValues_);
    gnamedValue* value = nullptr;
    while (it.get(value)) {
        gkeyword::byToken(kw::ERROR_CODE).writeKey(file, indent);
        value->write(file, 1);
    }
}

gloadStatus g2driverCommandTemplate::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::PARAMETER: return parameters_.readLine(value, g2parameterScope::templateOf, 0);
    case kw::DELAY: return driverFields::templateTimeout.load(value, time_);
    case kw::BUFFER_SIZE: return readCount(value, bufferSize_, 0, 1, INT32_MAX);
    case kw::COMMAND_ELEMENT: return loadElement(value);
    case kw::RESPONSE_ELEMENT: return responses_.loadElement(*this, value);
    case kw::ERROR_ELEMENT: return errors_.loadElement(*this, value);
    case kw::ERROR_CODE: return loadErrorCode(value);
    default: return gstorable::loadField(token, value);
    }
}

gloadStatus g2driverCommandTemplate::loadElement(const gstr& value)
{
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    g2driverCommandElement* element = g2driverCommandElement::create(token, true);
    if (!element)
        return gload::invalidValue;
    appendElement(element);
    loadEmbeddedObject(element);
    return gload::accepted;
}

gloadStatus g2driverCommandTemplate::loadErrorCode(const gstr& value)
{
    gstr tag;
    const char* next = nullptr;
    if (tag.parse(value.data(), next) != itemResult::comma || tag.isEmpty() || !driver_)
        return gload::invalidValue;
    if (defaultValues_.find(tag))
        return gload::alreadyLoaded;
    auto entry = std::make_unique<gnamedValue>(tag, 0u);
    if (entry->parse(next) != itemResult::end)
        return gload::invalidValue;
    g2driverErrorCode* code = driver_->errorCodes().reference(tag);
    if (!code->acceptKind(codeKind(*entry)))
        return gload::invalidValue;
    defaultValues_.insert(entry.get());
    errorCodeUses_.add(code->usedBy());
    entry.release();
    return gload::accepted;
}

void g2driverCommandTemplate::afterLoad()
{
    if (!time_.isSet())
        time_.set(0);
    setDefined(1);
}

bool g2driverCommandTemplate::isComplete() const
{
    const bool responds = responses_.count() > 0 || errors_.count() > 0;
    if (bufferSize_ != 0 && (!time_.isSet() || time_.get() == 0 || !responds))
        return false;
    if (bufferSize_ == 0 && responds)
        return false;
    return errors_.count() > 0 || defaultValues_.count() == 0;
}
