#include "batch/ui/CChangeRequestsDialog.h"

#include "sabus/gsabusReplaceOptions.h"
#include "sabus/gsabusRequest.h"
#include "store/gstation.h"

namespace {

const gbatchTexts requestTexts{10496, 10497, 10495, 20155, 20163, 20124, 20152, 20159, 20167,
                               20128, 10492, 10493, 10494, 0, 0};

const gbatchKindOf<gsabusRequest>& requestKind()
{
    static const gbatchKindOf<gsabusRequest> kind(requestTexts, station::requests, nullptr);
    return kind;
}

batchDialogSpec requestSpec()
{
    using d = CChangeRequestsDialog;
    return {716,
            "Change/Duplicate SABus Requests",
            "&SABus requests:",
            "Settings\\Batch Dialogs\\Request List",
            CMainFrame::sabusRequests,
            {{d::namesId, "&Names", "ChangeName", 1},
             {d::fixedParametersId, "Fi&xed parameters", "ChangeFixedParameters", 1},
             {d::queryRegistersId, "R&egisters in queries", "ChangeQueryRegisters", 1},
             {d::queryProgramsId, "&Programs in queries", "ChangeQueryProcessors", 0},
             {d::queryArgumentsId, "Ar&guments of programs in queries", "ChangeQueryProcessorArguments", 0},
             {d::commandProgramsId, "C&ommand programs", "ChangeCommandPrograms", 1},
             {d::commandArgumentsId, "Arg&uments of command programs", "ChangeCommandProgramArguments", 0}},
            true};
}

} // namespace

CChangeRequestsDialog::CChangeRequestsDialog(QWidget* parent) : CBatchListDialog(requestSpec(), requestKind(), parent)
{
}

gsabusReplaceOptions CChangeRequestsDialog::gatherOptions() const
{
    gsabusReplaceOptions o;
    gbatchFind find = currentFind();
    o.find = find.find;
    o.replace = find.replace;
    o.wholeWord = find.wholeWord;
    o.matchCase = find.matchCase;
    o.names = isChecked(namesId);
    o.fixedParameters = isChecked(fixedParametersId);
    o.registersInQueries = isChecked(queryRegistersId);
    o.programsInQueries = isChecked(queryProgramsId);
    o.programArgumentsInQueries = isChecked(queryArgumentsId);
    o.commandPrograms = isChecked(commandProgramsId);
    o.commandProgramArguments = isChecked(commandArgumentsId);
    return o;
}

int CChangeRequestsDialog::applyChange(gtitledObject& object, const gbatchFind& find, gstr& log, jhashDatabaseTable*)
{
    auto& request = static_cast<gsabusRequest&>(object);
    gsabusReplaceOptions options = gatherOptions();
    // The title follows the batch tools' matching rules here.
    options.names = false;
    int count = isChecked(namesId) ? replaceInOwnTitle(request, find) : 0;
    return count + request.findAndReplace(options, log);
}
