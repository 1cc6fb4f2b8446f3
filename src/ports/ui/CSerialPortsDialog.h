#pragma once

#include "shell/CSelectDialog.h"

class gserialPort;

// The list window of the station's serial ports (hidden in library mode):
// New, Edit, Duplicate and Delete run the Edit Serial Port dialog. Its New
// is also the main frame's New Port.
class CSerialPortsDialog : public CSelectDialog {
public:
    static constexpr int dialogId = 600;

    CSerialPortsDialog();
    ~CSerialPortsDialog() override;

    bool canCreateObjects() const override { return true; }
    void fillList() override;

protected:
    void OnNew() override;
    void OnEdit() override;
    void OnDelete() override;
    void OnDuplicate() override;

private:
    gserialPort* selectedPort() const;
};
