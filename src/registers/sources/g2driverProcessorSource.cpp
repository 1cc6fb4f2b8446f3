#include "registers/sources/g2driverProcessorSource.h"

#include "g2driver/model/g2driver.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

void writeProgramBlock(CObjectFile& file, int indent, const gprocessorCall& call)
{
    if (!call.isSet())
        return;
    gkeyword::byToken(kw::PROGRAM).writeIndented(file, indent);
    file.newLine();
    call.writeFields(file, indent + 1);
    gkeyword::byToken(kw::END).writeIndented(file, indent);
    file.newLine();
}

gloadStatus loadProgramBlock(gstorable& owner, gprocessorCall& call, const gstr& value)
{
    if (call.isSet())
        return gload::alreadyLoaded;
    if (!value.isEmpty())
        return gload::invalidValue;
    owner.loadEmbeddedObject(&call);
    return gload::accepted;
}

void rebindProgram(gprocessorCall& call, jhashTypedDatabaseTable<g2driverProgram>& programs)
{
    call.setProgramTable(&programs);
    if (call.isSet())
        call.setProgramByName(call.getProgram()->programTag());
}

g2driverProcessorSource::g2driverProcessorSource(const g2driverProcessorSource& other,
                                                 const g2driverSourceTables& tables)
    : g2driverCommandDataSource(other, tables), call_(other.call_), length_(other.length_)
{
    rebindProgram(call_, tables.programs);
}

std::unique_ptr<g2driverDataSource> g2driverProcessorSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverProcessorSource(*this, tables));
}

int g2driverProcessorSource::kindKeyword() const { return kw::PROCESSOR; }

void g2driverProcessorSource::bindDriver(g2driver* driver)
{
    g2driverCommandDataSource::bindDriver(driver);
    if (driver)
        rebindProgram(call_, driver->programs());
}

void g2driverProcessorSource::collectUses(gusesList& uses)
{
    g2driverCommandDataSource::collectUses(uses);
    if (call_.isSet())
        uses.add(*call_.getProgram());
}

void g2driverProcessorSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverCommandDataSource::writeFields(file, indent);
    writeProgramBlock(file, indent, call_);
    writeLength(file, indent, length_);
}

gloadStatus g2driverProcessorSource::loadField(int token, gstr& value)
{
    if (token == kw::LENGTH)
        return loadLength(value, length_);
    if (token == kw::PROGRAM)
        return loadProgramBlock(*this, call_, value);
    return g2driverCommandDataSource::loadField(token, value);
}

bool g2driverProcessorSource::isComplete() const
{
    return call_.isSet() && g2driverCommandDataSource::isComplete();
}
