#pragma once

#include "batch/ui/CBatchListDialog.h"

class gsclProgram;

// Change/Duplicate Programs: the batch dialog of the station's SCL programs,
// whose scopes reach the names and the code (string literals, remarks, or
// all of it).
class CChangeProgramsDialog : public CBatchListDialog {
public:
    static constexpr int literalsId = 1310;
    static constexpr int remarksId = 1188;
    static constexpr int allCodeId = 1165;

    explicit CChangeProgramsDialog(QWidget* parent = nullptr);

protected:
    int applyChange(gtitledObject& object, const gbatchFind& find, gstr& log,
                    jhashDatabaseTable* newObjects) override;
    void afterReplace(const std::vector<gtitledObject*>& processed, int total, bool names) override;
    void afterDuplicate(const std::vector<gtitledObject*>& added) override;
    void destroyObject(gtitledObject* object) override;
    void afterDelete(int deleted) override;
};
