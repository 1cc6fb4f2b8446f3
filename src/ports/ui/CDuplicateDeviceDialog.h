#pragma once

#include "platform/CDialog.h"

#include <memory>
#include <vector>

class CEditSerialPortDialog;
class gdeviceRef;

// Copies the polls of one device of the serial port to other devices that
// can take them: a G2 device's polls to devices of the same driver, a legacy
// device's to other legacy devices. It stays open so that several devices
// can be served in turn.
class CDuplicateDeviceDialog : public CDialog {
public:
    static constexpr int templateId = 681;
    static constexpr int sourceId = 1216;
    static constexpr int targetId = 1604;

    CDuplicateDeviceDialog(CEditSerialPortDialog* owner, QWidget* parent = nullptr);
    ~CDuplicateDeviceDialog() override;

    void OnSourceChange();

protected:
    bool OnInitDialog() override;
    // "&Duplicate": the polls go over; the dialog stays.
    void OnOK() override;

private:
    CEditSerialPortDialog* owner_;
    std::vector<std::unique_ptr<gdeviceRef>> sources_;
    std::vector<std::unique_ptr<gdeviceRef>> targets_;
};
