#pragma once

#include "batch/ui/CBatchListDialog.h"

// Modify/Duplicate Parameters: the batch dialog of the station's legacy
// parameters, whose scopes reach the names and the default values.
class CModifyParametersDialog : public CBatchListDialog {
public:
    static constexpr int defaultValuesId = 1200;

    explicit CModifyParametersDialog(QWidget* parent = nullptr);

protected:
    int applyChange(gtitledObject& object, const gbatchFind& find, gstr& log,
                    jhashDatabaseTable* newObjects) override;
    void afterDuplicate(const std::vector<gtitledObject*>& added) override;
    void afterDelete(int deleted) override;
};
