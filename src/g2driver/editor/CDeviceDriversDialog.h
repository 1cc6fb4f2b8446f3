#pragma once

#include "legacy/ui/CLegacyListWindows.h"

// "Device Drivers": the station's G2 drivers, created, duplicated and edited
// in the Edit Device Driver dialog; a driver that a device uses is not
// deleted. Shown while a device-driver library is open too.
class CDeviceDriversDialog : public CLegacyListWindow {
public:
    static constexpr int templateId = 828;

    CDeviceDriversDialog();
    bool isShownInLibraryMode() const override;

protected:
    jhashDatabaseTable& table() const override;
    gusedByList& usersOf(gtitledObject& object) const override;
    gtitledObject* runDialog(gtitledObject* source, gtitledObject* target) override;
    // A driver's commands, data objects and programs appear in SCL programs.
    bool editShowsInSclViews() const override;
};
