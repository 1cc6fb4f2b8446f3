#include "sabus/sabusRebinding.h"

#include "registers/gregister.h"
#include "sabus/gsabusReplaceOptions.h"
#include "sabus/gsabusRequest.h"
#include "sabus/sabusFieldLines.h"
#include "scl/gsclProgram.h"
#include "store/gprocessorCall.h"
#include "store/gstation.h"

namespace {

constexpr int noSuchProgram = 20136;
constexpr int notAnalog = 20141;
constexpr int notDigital = 20143;
constexpr int noSuchRegister = 20145;
constexpr int notString = 20147;

int wrongClassMessage(int requiredClass)
{
    switch (requiredClass) {
    case 2: return notDigital;
    case 3: return notAnalog;
    default: return notString;
    }
}

// The tag after the replacement in out; false when it did not change.
bool replacedTag(const gstrSlice& tag, const gsabusReplaceOptions& options, gstr& out)
{
    out.assign(tag);
    return out.replaceFirstMatch(options.find, options.replace, options.wholeWord, options.matchCase) != 0
           && out != tag;
}

void logRetained(gstr& log, int message, const gstrSlice& tag, const gsabusRequest& owner, const gstrSlice& kept)
{
    gstr line;
    line.format(message, tag, owner.getTitle(true), kept);
    log.append(line);
}

} // namespace

int rebindRegisterTag(gregister*& bound, int requiredClass, const gsabusRequest& owner,
                      const gsabusReplaceOptions& options, gstr& log)
{
    gstr tag;
    if (!bound || !replacedTag(bound->getTag(), options, tag))
        return 0;
    gregister* found = station::registers().find(tag);
    int message = 0;
    if (!found || !found->isDefined())
        message = noSuchRegister;
    else if (requiredClass != 0 && gregister::classCode(*found) != requiredClass)
        message = wrongClassMessage(requiredClass);
    if (message != 0) {
        logRetained(log, message, tag, owner, bound->getTitle(true));
        return 0;
    }
    bound = found;
    return 1;
}

int rebindProgramCall(gprocessorCall& call, bool programs, bool arguments, const gsabusRequest& owner,
                      const gsabusReplaceOptions& options, gstr& log)
{
    int count = 0;
    gstr tag;
    if (programs && call.getProgram() && replacedTag(call.getProgram()->programTag(), options, tag)) {
        gsclProgram* found = station::programs().find(tag);
        if (found && found->isDefined()) {
            call.setProgram(found);
            ++count;
        } else {
            logRetained(log, noSuchProgram, tag, owner, sabusLines::programTitle(call.getProgram()));
        }
    }
    if (arguments)
        count += call.replaceInArguments(options.find, options.replace, options.wholeWord, options.matchCase);
    return count;
}
