#pragma once

#include "platform/CDialog.h"

// Asked when a device is added to a serial port: does it use a regular (G2)
// driver or a legacy one? With drivers of only one kind in the station the
// answer is given at once without showing the dialog.
class CSelectDeviceDriverTypeDialog : public CDialog {
public:
    static constexpr int templateId = 771;
    static constexpr int regularId = 1917;
    static constexpr int legacyId = 1916;

    explicit CSelectDeviceDriverTypeDialog(QWidget* parent = nullptr);

    // After OK: whether a regular driver was chosen.
    bool regularChosen() const { return regular_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool regular_ = true;
};
