#pragma once

#include "platform/CDialog.h"

#include <memory>
#include <vector>

class CAutoWidthCombo;
class CEditSerialPortDialog;
class CParameterValuesPanel;
class CPollPane;
class g2driver;
class gcommandSequenceEntry;
class gdevice;
class gdeviceRef;
class glegacyDevice;
class glegacyDriver;

// Creates or edits one entry of a command sequence: the device of the serial
// port it goes to, the command of that device's driver, the values of the
// command's parameters and how many following entries go with it. For the
// polling sequence the dialog is free; for a device's initialization it is
// tied to that device's driver (and device, once it exists) and offers
// "<This device>" for the device itself.
class CEditPollDialog : public CDialog {
public:
    static constexpr int templateId = 545;
    static constexpr int deviceId = 1207;
    static constexpr int commandId = 1186;
    static constexpr int panelId = 1898;
    static constexpr int paneId = 1914;

    // New: neither entry; Edit: the same entry twice; Duplicate: the entry
    // to start from alone.
    CEditPollDialog(CEditSerialPortDialog* owner, gcommandSequenceEntry* start, gcommandSequenceEntry* edit,
                    QWidget* parent = nullptr);
    ~CEditPollDialog() override;

    void tieToDevice(gdevice* device);
    void tieToLegacyDevice(glegacyDevice* device);
    void setTiedDriver(g2driver* driver) { tiedDriver_ = driver; }
    void setTiedLegacyDriver(glegacyDriver* driver) { tiedLegacyDriver_ = driver; }
    bool isTied() const { return tiedDriver_ || tiedLegacyDriver_; }

    // After OK: the entry made or edited, the caller's.
    gcommandSequenceEntry* editedEntry() const { return edit_; }
    CParameterValuesPanel* panel() const { return panel_; }
    CPollPane* pane() const { return pane_; }

    void OnDeviceChange(const gcommandSequenceEntry* entry);
    void OnCommandChange();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillDevices();
    void fillCommands(g2driver* driver, glegacyDriver* legacyDriver, const gstr& selectTag);
    void layOut(int panelHeight);
    gdeviceRef* selectedDevice() const;

    CEditSerialPortDialog* owner_;
    gcommandSequenceEntry* start_;
    gcommandSequenceEntry* edit_;
    gdevice* tiedDevice_ = nullptr;
    g2driver* tiedDriver_ = nullptr;
    glegacyDevice* tiedLegacyDevice_ = nullptr;
    glegacyDriver* tiedLegacyDriver_ = nullptr;
    bool g2Mode_ = false;
    QSize noted_;
    CAutoWidthCombo* devices_;
    CAutoWidthCombo* commands_;
    CParameterValuesPanel* panel_;
    CPollPane* pane_ = nullptr;
    std::vector<std::unique_ptr<gdeviceRef>> refs_;
};
