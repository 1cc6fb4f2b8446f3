#include "registers/sources/gsourceLegacyProcessor.h"

#include "registers/gregister.h"
#include "registers/gregisterBatchOptions.h"
#include "scl/gsclProgram.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

namespace {

constexpr int programNotFound = 20136;

void linkProgram(gusesList& uses, const gprocessorCall& call)
{
    uses.clear();
    if (gprogramUsedByList* program = call.getProgram())
        uses.add(*program);
}

} // namespace

gsourceLegacyProcessorPart::gsourceLegacyProcessorPart() : location_(*this), programUses_(this) {}

gsourceLegacyProcessorPart::gsourceLegacyProcessorPart(const gsourceLegacyProcessorPart& other)
    : gsourceLocationOwner(), location_(*this, other.location_), call_(other.call_), programUses_(this)
{
    linkProgram(programUses_, call_);
}

void gsourceLegacyProcessorPart::setProcessorCall(const gprocessorCall& call)
{
    call_.assign(call);
    linkProgram(programUses_, call_);
}

void gsourceLegacyProcessorPart::writePart(CObjectFile& file, int indent) const
{
    location_.writeFields(file, indent);
    if (!call_.isSet())
        return;
    gkeyword::byToken(kw::PROGRAM).writeIndented(file, indent);
    file.newLine();
    call_.writeFields(file, indent + 1);
    gkeyword::byToken(kw::END).writeIndented(file, indent);
    file.newLine();
}

gloadStatus gsourceLegacyProcessorPart::loadPart(int token, const gstr& value, gstorable& source)
{
    if (token == kw::PROGRAM)
        return loadProgram(value, source);
    return location_.loadField(token, value);
}

gloadStatus gsourceLegacyProcessorPart::loadProgram(const gstr& value, gstorable& source)
{
    if (call_.isSet())
        return gload::alreadyLoaded;
    gstr tag;
    if (!tag.parseValue(value.data()))
        return gload::invalidValue;
    if (tag.isEmpty())
        source.loadEmbeddedObject(&call_);
    else
        call_.setProgramByName(tag);
    return gload::accepted;
}

void gsourceLegacyProcessorPart::afterLoadPart()
{
    linkProgram(programUses_, call_);
    location_.afterLoad();
}

int gsourceLegacyProcessorPart::resolvePart(const gregisterBatchOptions& options, gstr& log)
{
    int changes = 0;
    if (options.programsInSources)
        changes += rebindProgram(options, log);
    if (options.programArgumentsInSources)
        changes += call_.replaceInArguments(options.find, options.replace, options.wholeWord, options.matchCase);
    return changes + location_.resolveReferences(options, log);
}

int gsourceLegacyProcessorPart::rebindProgram(const gregisterBatchOptions& options, gstr& log)
{
    gprogramUsedByList* current = call_.getProgram();
    if (!current)
        return 0;
    gstr tag(current->programTag());
    if (tag.replaceFirst(options.find, options.replace, options.wholeWord, options.matchCase) != 1)
        return 0;
    gsclProgram* program = station::programs().find(tag);
    if (program && program->isDefined()) {
        call_.setProgram(program);
        linkProgram(programUses_, call_);
        return 1;
    }
    const gregister* reg = locationRegister();
    const auto* titled = dynamic_cast<const gsclProgram*>(current);
    gstr line;
    line.format(programNotFound, tag, reg ? gstrSlice(reg->getTitle(true)) : gstrSlice::empty,
                titled ? gstrSlice(titled->getTitle(true)) : gstrSlice(current->programTag()));
    log.append(line);
    return 0;
}
