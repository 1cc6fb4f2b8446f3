#include "registers/registerControls.h"

#include "registers/gregisterBatchOptions.h"
#include "scl/gsclProgram.h"
#include "store/gprocessorCall.h"
#include "store/gstation.h"
#include "store/gusedByList.h"

namespace {

constexpr int programNotFound = 20136;

} // namespace

void linkControlProgram(gusesList& uses, const gprocessorCall& call)
{
    if (gprogramUsedByList* program = call.getProgram()) {
        uses.set(*program);
        return;
    }
    uses.clear();
}

gstr controlProgramTitle(const gprocessorCall& call)
{
    gprogramUsedByList* program = call.getProgram();
    if (!program)
        return gstr("");
    if (auto* station = dynamic_cast<gsclProgram*>(program))
        return gstr(station->getTitle(true));
    return gstr(program->programTag());
}

int rebindControlProgram(gprocessorCall& call, const gregisterBatchOptions& options, gstr& log,
                         const gstrSlice& specifiedBy)
{
    gprogramUsedByList* program = call.getProgram();
    if (!program)
        return 0;
    gstr tag(program->programTag());
    if (!tag.replaceFirstMatch(options.find, options.replace, options.wholeWord, options.matchCase))
        return 0;
    if (gsclProgram* found = station::programs().find(tag)) {
        call.setProgram(found);
        return 1;
    }
    gstr line;
    log.append(line.format(programNotFound, tag, specifiedBy, controlProgramTitle(call)));
    return 0;
}
