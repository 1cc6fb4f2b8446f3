#pragma once

#include "shell/CSelectDialog.h"

class fscreen;

// The Screens window: every screen of the station, where screens are
// opened for editing, created, duplicated, given their properties and
// deleted. Hidden while a device-driver library is open.
class CScreensDialog : public CSelectDialog {
public:
    static constexpr int propertiesId = 1388;

    CScreensDialog();

    bool canCreateObjects() const override { return true; }
    void enableSelectionButtons(bool enable) override;
    void fillList() override;
    // The screen's row shows its texts again; the bar's screen list follows.
    void updateScreenRow(const fscreen& screen);

    void OnProperties();

protected:
    void OnNew() override;
    void OnEdit() override;
    void OnDelete() override;
    void OnDuplicate() override;

private:
    fscreen* selectedScreen() const;
    // After New or Duplicate made a screen.
    void addMadeScreen(fscreen* made);
};
