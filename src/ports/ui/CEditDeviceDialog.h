#pragma once

#include "platform/CDialog.h"
#include "store/gprocessorCall.h"

#include <array>

class CDeviceCommandsToSendPage;
class CEditSerialPortDialog;
class CNonNegativeSpinEdit;
class CParameterValuesPanel;
class CProgramCombo;
class g2driver;
class gdevice;
class QTabBar;

// Creates, edits or duplicates a device with a G2 driver among the working
// devices of the Edit Serial Port dialog, its owner: tag and name, driver
// and the values of its parameters, a custom retry count, whether the
// driver's own initialization is used, the device's three initialization
// sequences on tabbed pages, and the programs run when the device is
// disabled, enabled or sends a message.
class CEditDeviceDialog : public CDialog {
public:
    static constexpr int templateId = 772;
    static constexpr int tagId = 1470;
    static constexpr int nameId = 1326;
    static constexpr int tabsId = 1673;
    static constexpr int pagePlaceId = 1674;
    static constexpr int customRetriesId = 1844;
    static constexpr int retriesId = 1599;
    static constexpr int noDriverInitId = 1924;
    static constexpr int driverId = 1215;
    static constexpr int panelId = 1898;
    static constexpr int disableComboId = 1607;
    static constexpr int enableComboId = 1608;
    static constexpr int messageLabelId = 1691;
    static constexpr int messageComboId = 1611;
    static constexpr int disableArgsId = 1609;
    static constexpr int enableArgsId = 1610;
    static constexpr int messageArgsId = 1612;

    // New: neither device; Edit: the same device twice; Duplicate: the
    // device to start from alone.
    CEditDeviceDialog(CEditSerialPortDialog* owner, gdevice* start, gdevice* edit, QWidget* parent = nullptr);
    ~CEditDeviceDialog() override;

    // What the pages reach.
    CEditSerialPortDialog& owner() const { return *owner_; }
    gdevice* deviceToEdit() const { return edit_; }
    g2driver* currentDriver() const { return driver_; }

    // After OK: the device made or changed, in the owner's working table.
    gdevice* editedDevice() const { return edit_; }
    CDeviceCommandsToSendPage& page(int index) const { return *pages_.at(static_cast<size_t>(index)); }
    CParameterValuesPanel* panel() const { return panel_; }

    void OnDriverChange();
    void OnCustomRetries();
    void OnTabChange();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillFromDevice(gdevice& device, bool wait);
    bool fillDrivers();
    void layOutParameters();
    void fillPrograms(bool wait);
    void runArgs(gprocessorCall& call, CProgramCombo* combo);
    bool readRetries(int32_t& retries);

    CEditSerialPortDialog* owner_;
    gdevice* start_;
    gdevice* edit_;
    g2driver* driver_ = nullptr;
    int driverRow_ = -1;
    gprocessorCall enableCall_;
    gprocessorCall disableCall_;
    gprocessorCall messageCall_;
    std::array<CDeviceCommandsToSendPage*, 3> pages_{};
    QSize noted_;
    QTabBar* tabs_;
    CNonNegativeSpinEdit* retries_;
    CParameterValuesPanel* panel_;
    CProgramCombo* disableCombo_;
    CProgramCombo* enableCombo_;
    CProgramCombo* messageCombo_;
};
