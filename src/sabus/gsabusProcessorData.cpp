#include "sabus/gsabusProcessorData.h"

#include "sabus/gsabusReplaceOptions.h"
#include "sabus/sabusFieldLines.h"
#include "sabus/sabusRebinding.h"
#include "store/gkeyword.h"
#include "store/gusedByList.h"

namespace {

constexpr int processorText = 20192;

} // namespace

void gsabusProcessorData::writeFields(CObjectFile& file, int indent) const { call_.writeFields(file, indent); }

gloadStatus gsabusProcessorData::loadField(int token, gstr& value)
{
    // The call's own base would end the call, not the item.
    if (token == kw::END)
        return gsabusResponseData::loadField(token, value);
    return call_.loadField(token, value);
}

gstr gsabusProcessorData::describe() const
{
    gstr text;
    text.format(processorText, sabusLines::programTitle(call_.getProgram()));
    return text;
}

std::unique_ptr<gsabusResponseData> gsabusProcessorData::clone() const
{
    return std::make_unique<gsabusProcessorData>(*this);
}

void gsabusProcessorData::addReferences(gusesList& uses) const
{
    if (call_.getProgram())
        uses.add(*call_.getProgram());
}

int gsabusProcessorData::rebindReferences(const gsabusRequest& owner, const gsabusReplaceOptions& options,
                                          gstr& log)
{
    return rebindProgramCall(call_, options.programsInQueries, options.programArgumentsInQueries, owner, options,
                             log);
}
