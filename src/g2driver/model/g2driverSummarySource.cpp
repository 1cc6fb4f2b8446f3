#include "g2driver/model/g2driverSummarySource.h"

#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataObject.h"
#include "registers/sources/g2driverProcessorSource.h"
#include "store/gkeyword.h"

namespace {

constexpr int objectsText = 20084;

} // namespace

std::unique_ptr<gdataObjectRef> g2driverSummarySource::makeReference()
{
    return std::make_unique<gdataObjectRef>(kw::OBJECT, true);
}

std::unique_ptr<g2driverDataSource> g2driverSummarySource::clone(const g2driverSourceTables& tables) const
{
    auto copy = std::make_unique<g2driverSummarySource>();
    copy->call_ = call_;
    rebindProgram(copy->call_, tables.programs);
    for (const auto& reference : references_)
        copy->references_.push_back(std::make_unique<gdataObjectRef>(*reference, tables.dataObjects));
    return copy;
}

gstr g2driverSummarySource::describe() const
{
    if (references_.size() == 1)
        return references_.front()->describe();
    gstr text;
    text.format(objectsText, static_cast<uint32_t>(references_.size()));
    return text;
}

void g2driverSummarySource::bindDriver(g2driver* driver)
{
    if (!driver)
        return;
    rebindProgram(call_, driver->programs());
    for (const auto& reference : references_)
        reference->bindDriver(driver);
}

void g2driverSummarySource::collectUses(gusesList& uses)
{
    if (call_.isSet())
        uses.add(*call_.getProgram());
    for (const auto& reference : references_)
        reference->collectUsesWithinDriver(uses);
}

// A summary without a program over an object of another kind keeps its
// references: dropping them would save a block that no longer loads.
void g2driverSummarySource::resolveReferences()
{
    if (call_.isSet())
        return;
    for (const auto& reference : references_) {
        g2driverDataObject* object = reference->getDataObject();
        if (object && object->getTypeCode() == 0)
            object->setTypeCode(1);
    }
}

int g2driverSummarySource::kindKeyword() const { return kw::SUMMARY; }

void g2driverSummarySource::writeFields(CObjectFile& file, int indent) const
{
    writeProgramBlock(file, indent, call_);
    for (const auto& reference : references_)
        reference->writeEmbedded(file, indent);
}

gloadStatus g2driverSummarySource::loadField(int token, gstr& value)
{
    if (token == kw::OBJECT)
        return loadReference(value);
    if (token == kw::PROGRAM)
        return loadProgramBlock(*this, call_, value);
    return g2driverDataSource::loadField(token, value);
}

gloadStatus g2driverSummarySource::loadReference(const gstr& value)
{
    if (!value.isEmpty())
        return gload::invalidValue;
    references_.push_back(makeReference());
    references_.back()->bindDriver(getDriver());
    loadEmbeddedObject(references_.back().get());
    return gload::accepted;
}
