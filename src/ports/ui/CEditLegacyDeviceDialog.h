#pragma once

#include "platform/CDialog.h"
#include "store/gprocessorCall.h"

class CEditSerialPortDialog;
class CProgramCombo;
class CUnsignedSpinEdit;
class gcommandSequenceEntry;
class glegacyDevice;
class glegacyDriver;
class QListWidget;

// Creates, edits or duplicates a device with a legacy driver among the
// working devices of the Edit Serial Port dialog, its owner. A legacy device
// is known by its driver, so a port holds one per legacy driver: New offers
// the drivers no device of the port uses, Edit keeps the driver, and
// Duplicate is given the new driver. It edits the name, the reinitialization
// after a timeout, the timeout tolerance, the initialization sequence and
// the programs run when the device is disabled, enabled or sends a message.
class CEditLegacyDeviceDialog : public CDialog {
public:
    static constexpr int templateId = 541;
    static constexpr int driverId = 1215;
    static constexpr int nameId = 1194;
    static constexpr int reinitId = 1392;
    static constexpr int toleranceId = 1481;
    static constexpr int sequenceId = 1288;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;
    static constexpr int disableComboId = 1607;
    static constexpr int enableComboId = 1608;
    static constexpr int messageLabelId = 1691;
    static constexpr int messageComboId = 1611;
    static constexpr int disableArgsId = 1609;
    static constexpr int enableArgsId = 1610;
    static constexpr int messageArgsId = 1612;

    // New: no device, no driver; Edit: the device; Duplicate: the device
    // and the new driver.
    CEditLegacyDeviceDialog(CEditSerialPortDialog* owner, glegacyDevice* start, glegacyDriver* newDriver,
                            QWidget* parent = nullptr);
    ~CEditLegacyDeviceDialog() override;

    // After OK: the device made or changed, in the owner's working table.
    glegacyDevice* editedDevice() const { return edit_; }
    glegacyDriver* currentDriver() const { return driver_; }
    int entryCount() const;
    gcommandSequenceEntry* entryAt(int row) const;

    void OnDriverChange();
    void OnNewPoll();
    void OnEditPoll();
    void OnDeletePoll();
    void OnDuplicatePoll();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillFromDevice(glegacyDevice& device, bool wait);
    bool fillDrivers();
    void fillPrograms(bool wait);
    void runArgs(gprocessorCall& call, CProgramCombo* combo);
    bool runPollDialog(gcommandSequenceEntry* start, gcommandSequenceEntry* edit, gcommandSequenceEntry*& made);
    void insertEntry(int row, gcommandSequenceEntry* entry);
    void enableEntryButtons(bool enable);
    void deleteEntries();

    CEditSerialPortDialog* owner_;
    glegacyDevice* start_;
    glegacyDriver* newDriver_;
    glegacyDevice* edit_;
    glegacyDriver* driver_;
    int driverRow_ = -1;
    bool initialised_ = false;
    gprocessorCall enableCall_;
    gprocessorCall disableCall_;
    gprocessorCall messageCall_;
    CUnsignedSpinEdit* tolerance_;
    QListWidget* list_;
    CProgramCombo* disableCombo_;
    CProgramCombo* enableCombo_;
    CProgramCombo* messageCombo_;
};
