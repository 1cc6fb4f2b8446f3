#include "batch/ui/CModifyParametersDialog.h"

#include "legacy/glegacyParameter.h"
#include "shell/CStationEditorApp.h"
#include "store/gstation.h"

namespace {

const gbatchTexts parameterTexts{10184, 10200, 10139, 20155, 20163, 20124, 20132, 20156, 20164,
                                 20125, 10025, 10026, 10027, 10014, 10015};

const gbatchKindOf<glegacyParameter>& parameterKind()
{
    static const gbatchKindOf<glegacyParameter> kind(parameterTexts, station::legacyParameters,
                                                     [](glegacyParameter& p) { return !p.usedBy().isUnused(); });
    return kind;
}

batchDialogSpec parameterSpec()
{
    return {532,
            "Modify/Duplicate Parameters",
            "&Parameters:",
            "Settings\\Batch Dialogs\\Parameter List",
            CMainFrame::legacyParameters,
            {{CBatchListDialog::namesId, "&Names", "ChangeName", 1},
             {CModifyParametersDialog::defaultValuesId, "Default &values", "ChangeDefaultValue", 1}}};
}

// Programs name parameters: their views colour the names again.
void updateProgramViews()
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
}

} // namespace

CModifyParametersDialog::CModifyParametersDialog(QWidget* parent)
    : CBatchListDialog(parameterSpec(), parameterKind(), parent)
{
}

int CModifyParametersDialog::applyChange(gtitledObject& object, const gbatchFind& find, gstr&, jhashDatabaseTable*)
{
    auto& parameter = static_cast<glegacyParameter&>(object);
    int count = isChecked(namesId) ? replaceInOwnTitle(parameter, find) : 0;
    if (!isChecked(defaultValuesId))
        return count;
    gstr value(parameter.getDefaultValue().isNull() ? gstrSlice::empty : gstrSlice(parameter.getDefaultValue()));
    int replaced = find.replaceAllIn(value);
    if (replaced > 0)
        parameter.setDefaultValue(value);
    return count + replaced;
}

void CModifyParametersDialog::afterDuplicate(const std::vector<gtitledObject*>& added)
{
    if (!added.empty())
        updateProgramViews();
}

void CModifyParametersDialog::afterDelete(int deleted)
{
    if (deleted > 0)
        updateProgramViews();
}
