#pragma once

#include "batch/ui/CBatchListDialog.h"

struct gsabusReplaceOptions;

// Change/Duplicate SABus Requests: the batch dialog of the station's SABus
// requests, whose scopes reach names, fixed parameters, the registers and
// programs of queries and the programs of commands with their arguments.
class CChangeRequestsDialog : public CBatchListDialog {
public:
    static constexpr int fixedParametersId = 1750;
    static constexpr int queryRegistersId = 1390;
    static constexpr int queryProgramsId = 1760;
    static constexpr int queryArgumentsId = 1761;
    static constexpr int commandProgramsId = 1191;
    static constexpr int commandArgumentsId = 1192;

    explicit CChangeRequestsDialog(QWidget* parent = nullptr);

    // The change description of the controls.
    gsabusReplaceOptions gatherOptions() const;

protected:
    int applyChange(gtitledObject& object, const gbatchFind& find, gstr& log,
                    jhashDatabaseTable* newObjects) override;
    // Nothing refers to a request: every selected one goes.
    bool keepsObjectsInUse() const override { return false; }
};
