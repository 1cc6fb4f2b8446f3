#include "registers/sources/gsourceSummary.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "registers/gregister.h"
#include "registers/gregisterSet.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/gregisterSupplement.h"
#include "registers/registerControls.h"
#include "registers/registerFieldLines.h"
#include "registers/sources/sourceFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr int registerNotFound = 20145;
constexpr int registerUsesItself = 20138;
constexpr int registerTwice = 20137;

// The defined register of the tag in the station, else among the registers
// a duplicate run is creating.
gregister* findRegister(const gstr& tag, jhashTypedDatabaseTable<gregister>* newRegisters)
{
    gregister* found = station::registers().find(tag);
    if ((!found || !found->isDefined()) && newRegisters)
        found = newRegisters->find(tag);
    return found && found->isDefined() ? found : nullptr;
}

} // namespace

void gsourceSummaryPart::setCall(const gprocessorCall& call)
{
    call_.assign(call);
    linkProgram();
}

void gsourceSummaryPart::linkProgram() { linkControlProgram(programUse_, call_); }

void gsourceSummaryPart::clearRegisters()
{
    registers_.clear();
    listed_.clear();
    registerUses_.clear();
}

bool gsourceSummaryPart::addRegister(gregister& reg)
{
    if (!listed_.insert(&reg).second)
        return false;
    registers_.push_back(&reg);
    registerUses_.add(reg.usedBy());
    return true;
}

void gsourceSummaryPart::setRegisters(std::vector<gregister*> registers)
{
    clearRegisters();
    for (gregister* reg : registers)
        addRegister(*reg);
}

void gsourceSummaryPart::copyFrom(const gsourceSummaryPart& other)
{
    setCall(other.call_);
    updateOnAnyChange_ = other.updateOnAnyChange_;
    setRegisters(other.registers_);
}

void gsourceSummaryPart::writeFields(CObjectFile& file, int indent) const
{
    if (call_.isSet()) {
        gkeyword::byToken(kw::PROGRAM).writeIndented(file, indent);
        file.newLine();
        call_.writeEmbedded(file, indent);
        if (updateOnAnyChange_ == 0)
            writeKeywordLine(file, indent, kw::VALUES, kw::NO);
    }
    for (const gregister* reg : registers_)
        writeTextLine(file, indent, kw::REGISTER, reg->getTag());
}

gloadStatus gsourceSummaryPart::loadField(int token, const gstr& value)
{
    switch (token) {
    case kw::PROGRAM: return loadProgram(value);
    case kw::VALUES: return loadBooleanKeyword(value, updateOnAnyChange_, kw::YES, kw::NO);
    case kw::REGISTER: return loadRegister(value);
    default: return gload::unknownKeyword;
    }
}

// "PROGRAM" alone opens the call's block; with a tag it names the program.
gloadStatus gsourceSummaryPart::loadProgram(const gstr& value)
{
    if (call_.isSet())
        return gload::alreadyLoaded;
    if (value.isEmpty()) {
        source_.loadEmbeddedObject(&call_);
        return gload::accepted;
    }
    gstr tag;
    if (!readTagItem(value, tag))
        return gload::invalidValue;
    call_.setProgramByName(tag);
    return gload::accepted;
}

gloadStatus gsourceSummaryPart::loadRegister(const gstr& value)
{
    gstr tag;
    if (!readTagItem(value, tag))
        return gload::invalidValue;
    return addRegister(*station::registers().reference(tag)) ? gload::accepted : gload::invalidValue;
}

void gsourceSummaryPart::afterLoad()
{
    linkProgram();
    if (updateOnAnyChange_ < 0)
        updateOnAnyChange_ = 1;
}

int gsourceSummaryPart::resolveReferences(const gregisterBatchOptions& options, gstr& log,
                                          jhashTypedDatabaseTable<gregister>* newRegisters)
{
    int count = 0;
    if (options.registersInSources)
        count += rebindRegisters(options, log, newRegisters);
    if (!call_.isSet())
        return count;
    if (options.programsInSources) {
        count += rebindControlProgram(call_, options, log, source_.getRegister().getTitle(true));
        linkProgram();
    }
    if (options.programArgumentsInSources)
        count += call_.replaceInArguments(options.find, options.replace, options.wholeWord, options.matchCase);
    return count;
}

// The registers are taken from the last to the first, so that of two that
// come to name the same register the later one stays, and they are listed
// again in their order: a replacement that changes nothing keeps the list.
int gsourceSummaryPart::rebindRegisters(const gregisterBatchOptions& options, gstr& log,
                                        jhashTypedDatabaseTable<gregister>* newRegisters)
{
    std::vector<gregister*> kept;
    std::unordered_set<const gregister*> keptSet;
    int count = 0;
    for (auto it = registers_.rbegin(); it != registers_.rend(); ++it) {
        gregister* keep = rebound(**it, options, log, newRegisters, keptSet);
        // A register dropped as a duplicate changes the list too.
        if (keep != *it)
            ++count;
        if (!keep)
            continue;
        kept.push_back(keep);
        keptSet.insert(keep);
    }
    std::reverse(kept.begin(), kept.end());
    if (kept != registers_)
        setRegisters(std::move(kept));
    return count;
}

// A register that would be listed twice is dropped whether or not its tag
// changed: a list with a register twice would not load again.
gregister* gsourceSummaryPart::rebound(gregister& reg, const gregisterBatchOptions& options, gstr& log,
                                       jhashTypedDatabaseTable<gregister>* newRegisters,
                                       const std::unordered_set<const gregister*>& kept)
{
    const gstr& owner = source_.getRegister().getTitle(true);
    gstr line;
    gregister* keep = &reg;
    gstr tag(reg.getTag());
    if (tag.replaceFirstMatch(options.find, options.replace, options.wholeWord, options.matchCase)) {
        gregister* found = findRegister(tag, newRegisters);
        if (!found)
            log.append(line.format(registerNotFound, tag, owner, reg.getTitle(true)));
        else if (found == &source_.getRegister())
            log.append(line.format(registerUsesItself, owner, reg.getTitle(true)));
        else
            keep = found;
    }
    if (kept.count(keep)) {
        log.append(line.format(registerTwice, keep->getTag(), owner));
        return nullptr;
    }
    return keep;
}

// A summary that loses no register is left as it is.
bool gsourceSummaryPart::registersDeleted(const gregisterSet& registers)
{
    std::vector<gregister*> remaining;
    for (gregister* reg : registers_) {
        if (!registers.count(reg))
            remaining.push_back(reg);
    }
    if (remaining.size() == registers_.size())
        return false;
    stationState().modified = 1;
    if (remaining.empty())
        return true;
    setRegisters(std::move(remaining));
    return false;
}

const gsourceSummaryPart* summaryPart(const gregisterSource* source)
{
    if (auto* s = dynamic_cast<const gsourceSummaryBistate*>(source))
        return &s->part();
    if (auto* s = dynamic_cast<const gsourceSummaryDigital*>(source))
        return &s->part();
    if (auto* s = dynamic_cast<const gsourceSummaryAnalog*>(source))
        return &s->part();
    if (auto* s = dynamic_cast<const gsourceSummaryString*>(source))
        return &s->part();
    return nullptr;
}

gsourceSummaryPart* summaryPart(gregisterSource* source)
{
    return const_cast<gsourceSummaryPart*>(summaryPart(static_cast<const gregisterSource*>(source)));
}

// Each register a summary lists has one link from that summary in its used-by
// list, so a register whose links all come from summaries has as many links
// as summaries naming it.
std::vector<gregister*> registersOnlySummariesUse(const std::vector<gregister*>& candidates)
{
    std::unordered_map<const gregister*, int> mentions;
    for (const gregister* reg : candidates)
        mentions.emplace(reg, 0);
    jhashTypedIterator<gregister> it(station::registers());
    gregister* owner = nullptr;
    while (it.get(owner)) {
        const gregisterSupplement* supplement = owner->getSupplement();
        const gsourceSummaryPart* part = supplement ? summaryPart(supplement->getSource()) : nullptr;
        if (!part)
            continue;
        for (const gregister* listed : part->registers()) {
            auto found = mentions.find(listed);
            if (found != mentions.end())
                ++found->second;
        }
    }
    std::vector<gregister*> free;
    for (gregister* reg : candidates) {
        int users = 0;
        const gqueue& queue = reg->usedBy().users();
        for (gqueueObject* link = gqueueObject::firstObject(queue); link; link = gqueueObject::nextObject(link))
            ++users;
        if (users == mentions[reg])
            free.push_back(reg);
    }
    return free;
}
