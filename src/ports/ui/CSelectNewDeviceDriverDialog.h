#pragma once

#include "platform/CDialog.h"
#include "store/jhashTypedDatabaseTable.h"

class glegacyDevice;
class glegacyDriver;

// Before a legacy device is duplicated: which legacy driver the copy uses,
// among those that no device of the port uses yet.
class CSelectNewDeviceDriverDialog : public CDialog {
public:
    static constexpr int templateId = 682;
    static constexpr int sourceId = 1606;
    static constexpr int driverId = 1215;

    CSelectNewDeviceDriverDialog(jhashTypedDatabaseTable<glegacyDevice>& devices, glegacyDevice* device,
                                 QWidget* parent = nullptr);

    // After OK: the driver chosen.
    glegacyDriver* getDriver() const { return chosen_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    jhashTypedDatabaseTable<glegacyDevice>& devices_;
    glegacyDevice* device_;
    glegacyDriver* chosen_ = nullptr;
};
