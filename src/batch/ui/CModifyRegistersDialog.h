#pragma once

#include "batch/ui/CBatchListDialog.h"
#include "platform/CImageList.h"
#include "registers/gregisterBatchOptions.h"

#include <vector>

class QLabel;
class gregister;
class gserialPort;

// Modify/Duplicate Registers: the batch dialog of the station's registers.
// Besides the common scheme its scopes reach log strings, automatic controls
// and sources, and four options move sources to other serial ports, devices,
// serial objects and data-buffer offsets. Layout 852 (the station has legacy
// device drivers) adds the offset option; layout 534 has none.
class CModifyRegistersDialog : public CBatchListDialog {
public:
    // Scopes.
    static constexpr int logStringsId = 1313;
    static constexpr int controlsId = 1191;
    static constexpr int controlArgumentsId = 1192;
    static constexpr int objectParametersId = 2058;
    static constexpr int sourceRegistersId = 1442;
    static constexpr int sourceProgramsId = 1441;
    static constexpr int sourceProgramArgumentsId = 1314;
    static constexpr int sourceParametersId = 1440;
    // Source options.
    static constexpr int portsId = 1376;
    static constexpr int fromPortId = 1272;
    static constexpr int toPortId = 1485;
    static constexpr int devicesId = 1207;
    static constexpr int deviceFindId = 2053;
    static constexpr int deviceReplaceId = 2054;
    static constexpr int deviceMatchCaseId = 2055;
    static constexpr int deviceWholeWordId = 2056;
    static constexpr int objectsId = 1406;
    static constexpr int objectFindId = 1264;
    static constexpr int objectReplaceId = 1401;
    static constexpr int objectMatchCaseId = 1410;
    static constexpr int objectWholeWordId = 1411;
    static constexpr int offsetsId = 1349;
    static constexpr int offsetBufferId = 1357;
    static constexpr int offsetAddId = 1350;
    static constexpr int offsetMinimumId = 1354;

    // withLegacyDrivers chooses layout 852, else 534.
    CModifyRegistersDialog(bool withLegacyDrivers, QWidget* parent = nullptr);

    // Fills the change description from the controls; false after a
    // validation message.
    bool gatherChange() override;
    const gregisterBatchOptions& change() const { return change_; }

protected:
    bool OnInitDialog() override;
    int applyChange(gtitledObject& object, const gbatchFind& find, gstr& log,
                    jhashDatabaseTable* newObjects) override;
    bool changesCopies() const override;
    void updateButtons() override;
    void afterReplace(const std::vector<gtitledObject*>& processed, int total, bool names) override;
    void afterDuplicate(const std::vector<gtitledObject*>& added) override;
    std::vector<gtitledObject*> deletableOf(const std::vector<gtitledObject*>& selected) override;
    void beforeDelete(const std::vector<gtitledObject*>& going) override;
    void destroyObject(gtitledObject* object) override;
    void afterDelete(int deleted) override;
    void loadSettings() override;
    void saveSettings() override;

private:
    void buildOptions();
    void addOptionLabel(int optionId, const char* text, int x, int y, int cx);
    void enableOption(int optionId);
    void fillPortCombos();
    void fillFindCombos();
    void fillReplaceCombos();
    gserialPort* portOf(int comboId) const;
    bool comboEmpty(int id) const { return controlText(id).isEmpty(); }
    bool sourceOptionsComplete() const;

    bool legacyLayout_;
    CImageList images_;
    gregisterBatchOptions change_;
    gstr savedFromPort_;
    gstr savedToPort_;
    std::vector<std::pair<int, QLabel*>> optionLabels_;
};
